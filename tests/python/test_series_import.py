"""import_series and et0 give what the runner's --import gives, and dated results carry dates."""

import math

import numpy as np
import pandas as pd
import pytest

import vantorel
from conftest import EXAMPLES, runner

FIELD = EXAMPLES / "field-data"
SERIES = ("Rain", "Irrig", "ETp", "Sdr", "DwtMeas", "DrainMeas", "S1meas", "STmeas", "SAmeas")
OPTIONS = dict(start="2021-01-04", step="week", latitude=37.5, elevation=30)


def test_paths_and_data_frames_import_as_the_runner_does(tmp_path):
    status, out, err = runner("--import", FIELD / "weather.csv", "--import", FIELD / "irrigation.csv",
                              "--import", FIELD / "readings.csv", "--start", "2021-01-04", "--step", "week",
                              "--latitude", "37.5", "--elevation", "30", "--resave", tmp_path / "new.inp",
                              FIELD / "base.inp")
    assert status == 0, err
    saved = vantorel.load_input(tmp_path / "new.inp")
    weather = pd.read_csv(FIELD / "weather.csv", parse_dates=["date"]).set_index("date")
    readings = pd.read_csv(FIELD / "readings.csv")
    for sources in [(FIELD / "weather.csv", FIELD / "irrigation.csv", FIELD / "readings.csv"),
                    (weather, str(FIELD / "irrigation.csv"), readings)]:
        ds = vantorel.import_series(FIELD / "base.inp", *sources, **OPTIONS)
        assert (ds.NrTimeSteps, ds.Ts, ds.start, ds.FileName) == (156, 7, saved.start, "")
        for name in SERIES:
            np.testing.assert_array_equal(getattr(ds, name), getattr(saved, name), err_msg=name)


def test_problems_raise_one_error_in_the_runners_words(tmp_path):
    weather = pd.DataFrame({"date": ["2021-01-01", "2021-01-03"], "rain": [1.0, float("nan")],
                            "tmin": [5.0, 4.0], "tmax": [3.0, 9.0]})
    (tmp_path / "w.csv").write_text("date,rain,tmin,tmax\n2021-01-01,1,5,3\n2021-01-03,,4,9\n")
    status, _, err = runner("--import", tmp_path / "w.csv", "--start", "2021-01-01", "--step", "day",
                            "--resave", tmp_path / "new.inp", FIELD / "base.inp")
    assert status == 2
    with pytest.raises(ValueError) as raised:
        vantorel.import_series(FIELD / "base.inp", weather, start="2021-01-01", step="day")
    problems = str(raised.value).splitlines()
    assert problems[0] == "the series were not imported:"
    assert [p.replace("DataFrame 1", "w") for p in problems[1:]] == \
        [line.replace(str(tmp_path / "w.csv"), "w") for line in err.splitlines()[1:]]
    assert "column tmin: 5 is above tmax 3" in problems[1]
    with pytest.raises(ValueError, match="neither a 'date' column nor a DatetimeIndex"):
        vantorel.import_series(FIELD / "base.inp", weather.drop(columns="date"), start="2021-01-01")


def test_et0_gives_the_worked_daily_example_and_nan_where_weather_is_missing():
    weather = pd.DataFrame({"tmin": [12.3, 12.3], "tmax": [21.5, 21.5], "rh_max": [84, 84], "rh_min": [63, 63],
                            "wind_speed": [10 / 3.6, math.nan], "sunshine_hours": [9.25, 9.25]},
                           index=pd.DatetimeIndex(["2021-07-06", "2021-07-07"], name="date"))
    et0 = vantorel.et0(weather, latitude=50.8, elevation=100, wind_height=10)
    assert round(et0.iloc[0], 1) == 3.9 and math.isnan(et0.iloc[1])
    assert et0.name == "et0" and list(et0.index) == list(weather.index)
    hargreaves = vantorel.et0(weather[["tmin", "tmax"]], latitude=50.8)
    assert hargreaves.iloc[0] == pytest.approx(4.06, abs=0.01)


def test_results_of_a_dated_data_set_are_indexed_by_date(tmp_path):
    ds = vantorel.import_series(FIELD / "base.inp", FIELD / "weather.csv", FIELD / "irrigation.csv",
                                start="2021-01-01", step="month", latitude=37.5, elevation=30)
    table = vantorel.run(ds).table
    assert isinstance(table.index, pd.DatetimeIndex) and table.index.name == "date"
    assert list(table.step[:2]) == [1, 2] and str(table.index[1].date()) == "2021-02-01"

    ds.save(tmp_path / "dated.inp")
    run = vantorel.run(tmp_path / "dated.inp")
    assert vantorel.read_output(run.output).index[-1] == pd.Timestamp("2023-12-01")
    ds.start = None
    assert vantorel.run(ds).table.index.name == "step"
