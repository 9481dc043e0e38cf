"""DataSet: the fields by their model names, series that write through, saving, refusals."""

import re

import numpy as np
import pytest

import vantorel
from conftest import EXAMPLES, runner


@pytest.fixture
def ds(copy_input):
    return vantorel.load_input(copy_input(EXAMPLES / "weekly-leaching-trial.inp"))


def test_fields_carry_the_file(ds):
    assert (ds.NrTimeSteps, ds.Ts, ds.NrLayers, ds.DrainPresent, ds.RicePresent) == (26, 7, 2, True, False)
    assert ds.Dd == 1.4
    assert all(len(getattr(ds, name)) == 26 for name in ("Rain", "Irrig", "ETp", "Sdr", "DwtMeas", "S2meas"))
    assert (ds.DwtMeas == -1000).any() and (ds.DwtMeas > 0).any()


def test_changes_write_through_and_are_saved(ds, tmp_path):
    rain = ds.Rain
    rain[0] = 123.4
    ds.Irrig = np.arange(26.0)
    ds.IrrEff = 62.5
    ds.Title1 = "Trial with more water"
    assert ds.Rain[0] == 123.4
    written = ds.save(tmp_path / "changed.txt")
    assert written.endswith("changed.inp") and ds.FileName == written
    back = vantorel.load_input(written)
    assert (back.Rain[0], back.IrrEff, back.Title1) == (123.4, 62.5, "Trial with more water")
    np.testing.assert_array_equal(back.Irrig, np.arange(26.0))


def test_copy_is_independent(ds):
    other = ds.copy()
    other.Rain[:] = 0
    other.QH1 = 9
    assert ds.Rain.any() and ds.QH1 != 9


def test_step_count_resizes_every_series(ds):
    before = ds.Rain.copy()
    stale = ds.Rain
    ds.NrTimeSteps = 10
    np.testing.assert_array_equal(ds.Rain, before[:10])
    ds.NrTimeSteps = 12
    assert list(ds.Rain[10:]) == [0, 0] and list(ds.DwtMeas[10:]) == [-1000, -1000]
    assert list(ds.S1meas[10:]) == [-1, -1]
    stale[0] = 999
    assert ds.Rain[0] == before[0]


@pytest.mark.parametrize("field, value, message", [
    ("NrTimeSteps", 0, "The number of time steps must be at least 1 and at most 1000000. Please adjust."),
    ("Ts", 400, "The step length of 400 days is not between 1 and 366. Please adjust data."),
    ("NrLayers", 4, "The number of root zone layers must be 1, 2 or 3. Please adjust data."),
    ("Rain", [1.0, 2.0], "Rain takes NrTimeSteps = 26 values, one per step"),
    ("Title2", "two\nlines", "a title is one line of text"),
    ("IrrEff", 120, "IrrEff = 120: the irrigation efficiency must lie between 30 and 100 %"),
    ("Si", float("nan"), "Si = nan: a value must be a finite number"),
    ("Rain", [1.0] * 25 + [float("-inf")], "Rain at time step 26 = -inf: a value must be a finite number"),
])
def test_refused_values_raise_the_message_and_change_nothing(ds, field, value, message):
    before = np.copy(getattr(ds, field))
    with pytest.raises(ValueError) as refused:
        setattr(ds, field, value)
    assert str(refused.value) == message
    np.testing.assert_array_equal(getattr(ds, field), before)


def test_bad_file_raises_the_programs_message(copy_input, tmp_path):
    path = copy_input(EXAMPLES / "monthly-drained-field.inp", "bad.inp")
    lines = path.read_bytes().split(b"\r\n")
    lines[40] = lines[40][:20] + b"x" + lines[40][21:]
    path.write_bytes(b"\r\n".join(lines))
    _, _, err = runner("--check", path)
    with pytest.raises(vantorel.FileError) as error:
        vantorel.load_input(path)
    assert isinstance(error.value, OSError)
    assert "vantorel-run: " + str(error.value) + "\n" == err
    assert "line 41" in str(error.value)


def test_older_file_loads_with_the_programs_warning(copy_input):
    path = copy_input(EXAMPLES / "monthly-drained-field.inp")
    lines = path.read_bytes().split(b"\r\n")
    first_row = next(i for i, line in enumerate(lines) if line.startswith(b" Time Step")) + 2
    lines[first_row] = lines[first_row][:84]
    path.write_bytes(b"\r\n".join(lines))
    message = "This is an older input file. Please check all the data, there may be some incomplete or incorrect data."
    with pytest.warns(UserWarning, match=message):
        ds = vantorel.load_input(path)
    assert ds.OlderFile and ds.DwtMeas[0] == -1000
    assert vantorel.run(path).dialog[0] == "! " + message


@pytest.mark.parametrize("change, message", [
    (lambda ds: ds.Rain.__setitem__(4, np.nan), "Rain at time step 5 = nan: a value must be a finite number"),
    (lambda ds: ds.DrainMeas.__setitem__(2, -5),
     "DrainMeas at time step 3 = -5: a measured discharge is 0 or more, or -1000 when not measured"),
    (lambda ds: setattr(ds, "Dd", 0.2), "Dd = 0.2: The drain depth must be greater than the total thickness of the "
     "root zone. Enlarge the drain depth or reduce the rootzone thickness."),
    (lambda ds: setattr(ds, "EffPor1", 1e20) or setattr(ds, "TP1", 1e20),
     "EffPor1 = 1e+20: the input file cannot hold this value so that it reads back"),
])
def test_save_and_run_refuse_what_the_window_would_not_keep(ds, tmp_path, change, message):
    change(ds)
    with pytest.raises(ValueError) as refused:
        ds.save(tmp_path / "refused.inp")
    assert str(refused.value) == message
    with pytest.raises(ValueError, match=re.escape(message)):
        vantorel.run(ds)
    assert not (tmp_path / "refused.inp").exists() and not list(tmp_path.glob("*.out"))


def test_what_save_writes_loads_back_however_wide(ds, tmp_path):
    ds.Si = -1e9
    ds.Rain[0] = 123456789012.25
    back = vantorel.load_input(ds.save(tmp_path / "wide.inp"))
    assert (back.Si, back.Rain[0]) == (-1e9, 123456789012.25)


def test_file_with_values_the_editors_would_not_keep_loads_and_runs_with_warnings(copy_input):
    path = copy_input(EXAMPLES / "monthly-drained-field.inp")
    text = path.read_bytes()
    start = text.index(b" Irrigation efficiency (%)           :") + 39
    path.write_bytes(text[:start] + b"   20.0" + text[start + 7:])
    warning = r"monthly-drained-field.inp: IrrEff = 20: the irrigation efficiency must lie between 30 and 100 %$"
    with pytest.warns(UserWarning, match=warning):
        ds = vantorel.load_input(path)
    with pytest.warns(UserWarning, match=warning):
        assert vantorel.run(path).completed
    with pytest.raises(ValueError, match="IrrEff = 20"):
        vantorel.run(ds)


@pytest.mark.parametrize("use", [
    lambda: vantorel.DataSet.__new__(vantorel.DataSet).Rain,
    lambda: vantorel.DataSet.__new__(vantorel.DataSet).IrrEff,
    lambda: vantorel.run(vantorel.DataSet.__new__(vantorel.DataSet)),
    lambda: vantorel.FileTask.__new__(vantorel.FileTask)("x.inp"),
    lambda: vantorel.Run.__new__(vantorel.Run).table,
])
def test_objects_made_without_their_constructor_raise_type_error(use):
    with pytest.raises(TypeError, match="made without its constructor"):
        use()
