"""vantorel.run gives the reference outputs and messages, and its table is the output file."""

import threading
from pathlib import Path

import numpy as np
import pandas as pd
import pytest

import vantorel
from conftest import EXAMPLES, REFERENCE, case_answers, dialogue, output_lines

CASES = ["example-monthly-drained-field", "example-weekly-leaching-trial", "example-daily-rice-field",
         "discharge-form-question-109", "ponded-start-drained-off", "transition-search-deep-311",
         "squared-head-order"]


@pytest.mark.parametrize("name", CASES)
def test_reference_case_gives_its_output_and_dialogue(name, copy_input):
    run = vantorel.run(copy_input(REFERENCE / f"{name}.inp", "case.inp"), **case_answers(name))
    assert run.completed and run.status == "completed" and run.stopped_message is None
    assert output_lines(run.output) == output_lines(REFERENCE / f"{name}.expected.out")
    assert run.dialog == dialogue((REFERENCE / f"{name}.expected.transcript").read_text())


def file_rows(path):
    """The numbers of the output file's rows, split at blanks; an empty ponding field is 0."""
    lines = path.read_text().splitlines()
    start = max(i for i, line in enumerate(lines) if line.startswith(" - -")) + 1
    rows = [[float(value) for value in line.split()] for line in lines[start:] if line.strip()]
    width = max(len(row) for row in rows)
    return np.array([row + [0.0] * (width - len(row)) for row in rows])


GIVEN = ["rainfall", "irrigation", "potential_evapotranspiration"]


@pytest.mark.parametrize("example, zones", [
    ("monthly-drained-field", ["layer_1", "transition_zone", "aquifer"]),
    ("daily-rice-field", ["layer_1", "layer_2", "layer_3", "transition_zone", "aquifer"]),
])
def test_table_is_the_output_file_beside_the_data_set(example, zones, copy_input):
    path = copy_input(EXAMPLES / f"{example}.inp")
    run = vantorel.run(path, drainage_opt=True, leaching_opt=True)
    table = run.table
    salinities = [f"salinity_{zone}{end}" for zone in zones for end in ("", "_measured")]
    assert list(table.columns) == GIVEN + [
        "percolation", "capillary_rise", "evapotranspiration", "drain_discharge", "drain_discharge_measured",
        "water_table_depth", "water_table_depth_measured"] + salinities + [
        "storage", "surface_drainage_given", "surface_drainage", "ponding"]
    assert table.index.name == "step" and table.index[0] == 1
    printed = [name for name in table.columns
               if not name.endswith(("_measured", "_given")) and name not in GIVEN]
    np.testing.assert_array_equal(table[printed].reset_index().to_numpy(), file_rows(Path(run.output)))

    ds = vantorel.load_input(path)
    for column, series in [("rainfall", ds.Rain), ("potential_evapotranspiration", ds.ETp),
                           ("surface_drainage_given", ds.Sdr)]:
        np.testing.assert_array_equal(table[column], series)
    # Not measured is NaN in the table; the data set keeps the file's markers.
    for column, series, measured in [("water_table_depth_measured", ds.DwtMeas, ds.DwtMeas > -1000),
                                     ("drain_discharge_measured", ds.DrainMeas, ds.DrainMeas > -1000),
                                     ("salinity_layer_1_measured", ds.S1meas, ds.S1meas > 0)]:
        np.testing.assert_array_equal(table[column], np.where(measured, series, np.nan))
    pd.testing.assert_frame_equal(vantorel.read_output(run.output), table)


def test_table_has_the_numbers_that_outgrew_their_columns(copy_input):
    # Row 5: "... 1.33  74165.861656728051.03     4.97 ...", the salinities touching.
    table = vantorel.run(copy_input(REFERENCE / "squared-head-order.inp")).table
    assert list(table.loc[5, ["salinity_layer_1", "salinity_transition_zone", "salinity_aquifer"]]) == [
        74165.86, 1656728051.03, 4.97]


def test_factors_and_leaching_are_those_of_the_run(copy_input):
    run = vantorel.run(copy_input(EXAMPLES / "monthly-drained-field.inp"), drainage_opt=True, leaching_opt=True)
    assert run.factors["chosen"] == "drain discharge" and 0 < run.factors["fit"] <= 1
    assert 0 < run.factors["qh1"] and 0 < run.factors["qh2"]
    assert list(run.leaching.index) == ["layer_1", "transition_zone", "aquifer"]
    assert run.leaching.loc["layer_1", "optimized"]
    assert np.isnan(run.leaching.loc["aquifer", "fit"])


def test_data_set_runs_in_memory_like_its_saved_file(tmp_path, copy_input):
    ds = vantorel.load_input(copy_input(EXAMPLES / "weekly-leaching-trial.inp"))
    ds.IrrEff = 55
    ds.Irrig[3] += 40
    saved = ds.copy()
    saved.save(tmp_path / "saved.inp")
    in_memory = vantorel.run(ds, output=str(tmp_path / "memory.out"))
    from_file = vantorel.run(tmp_path / "saved.inp")
    assert output_lines(in_memory.output) == output_lines(from_file.output)


def never_saved(source):
    """A data set with the values of source that was never saved."""
    ds = vantorel.DataSet()
    ds.NrTimeSteps, ds.NrLayers = source.NrTimeSteps, source.NrLayers
    for name in dir(source):
        if not name.startswith("_") and not callable(getattr(source, name)) and \
                getattr(vantorel.DataSet, name).fset is not None:
            setattr(ds, name, getattr(source, name))
    return ds


def test_a_data_set_never_saved_runs_in_a_temporary_folder_that_goes(tmp_path, monkeypatch):
    monkeypatch.setenv("TMPDIR", str(tmp_path))
    ds = never_saved(vantorel.load_input(EXAMPLES / "weekly-leaching-trial.inp"))
    assert ds.FileName == ""
    run = vantorel.run(ds, drainage_opt=True)
    assert run.completed and run.output is None and len(run.table) == ds.NrTimeSteps
    kept = vantorel.run(ds, drainage_opt=True, output=tmp_path / "kept.out")
    # Without an input file beside it, an output file gives what it prints.
    printed = [name for name in run.table.columns if not name.endswith(("_measured", "_given")) and name not in GIVEN]
    pd.testing.assert_frame_equal(vantorel.read_output(kept.output), run.table[printed])

    ds = vantorel.DataSet()
    with pytest.raises(ValueError, match=r"^IrrEff = 0: the irrigation efficiency must lie between 30 and 100 %$"):
        vantorel.run(ds)
    ds.IrrEff = 60
    refused = vantorel.run(ds)
    assert not refused.completed and refused.status == "refused" and refused.output is None
    assert refused.stopped_message == "The thickness of the root zone must be greater than 0. Please adjust data."
    assert refused.dialog == ["! " + refused.stopped_message]
    assert sorted(path.name for path in tmp_path.iterdir()) == ["kept.out"]


def test_bad_file_and_bad_output_name_raise(copy_input, tmp_path):
    with pytest.raises(vantorel.FileError, match="could not be opened"):
        vantorel.run(tmp_path / "missing.inp")
    with pytest.raises(ValueError, match="must end in .out"):
        vantorel.run(copy_input(EXAMPLES / "monthly-drained-field.inp"), output=str(tmp_path / "x.txt"))
    with pytest.raises(vantorel.FileError, match="could not be read, line 6"):
        vantorel.read_output(copy_input(EXAMPLES / "monthly-drained-field.inp", "input.out"))


def test_runs_let_other_python_threads_go_on(copy_input):
    path = copy_input(EXAMPLES / "weekly-leaching-trial.inp")
    done = []
    worker = threading.Thread(target=lambda: done.extend(vantorel.run(path, drainage_opt=True, leaching_opt=True)
                                                         for _ in range(5)))
    steps = 0
    worker.start()
    while worker.is_alive():
        steps += 1
    worker.join()
    # Holding the GIL through a calculation would leave this thread a handful of steps at most.
    assert len(done) == 5 and steps > 1000
