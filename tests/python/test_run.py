"""vantorel.run gives the reference outputs and messages, and its table is the output file."""

import threading
from pathlib import Path

import numpy as np
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


@pytest.mark.parametrize("example, columns", [
    ("monthly-drained-field", ["salinity_layer_1", "salinity_transition_zone", "salinity_aquifer", "storage"]),
    ("daily-rice-field", ["salinity_layer_1", "salinity_layer_2", "salinity_layer_3",
                          "salinity_transition_zone", "salinity_aquifer", "storage"]),
])
def test_table_is_the_output_file(example, columns, copy_input):
    run = vantorel.run(copy_input(EXAMPLES / f"{example}.inp"), drainage_opt=True, leaching_opt=True)
    table = run.table
    assert list(table.columns) == (["percolation", "capillary_rise", "evapotranspiration", "drain_discharge",
                                    "depth"] + columns + ["surface_drainage", "ponding"])
    assert table.index.name == "step" and table.index[0] == 1
    np.testing.assert_array_equal(table.reset_index().to_numpy(), file_rows(Path(run.output)))
    assert vantorel.read_output(run.output).equals(table)


def test_table_has_the_numbers_that_outgrew_their_columns(copy_input):
    # Row 5: "... 1.33  74165.861656728051.03     4.97 ...", the salinities touching.
    table = vantorel.run(copy_input(REFERENCE / "squared-head-order.inp")).table
    assert list(table.loc[5, ["salinity_layer_1", "salinity_transition_zone", "salinity_aquifer"]]) == [
        74165.86, 1656728051.03, 4.97]


def test_factors_and_leaching_are_those_of_the_run(copy_input):
    run = vantorel.run(copy_input(EXAMPLES / "monthly-drained-field.inp"), drainage_opt=True, leaching_opt=True)
    assert run.factors["chosen"] == "drain discharge" and 0 < run.factors["fit"] <= 1
    assert list(run.leaching.index) == ["root zone", "transition zone", "aquifer"]
    assert run.leaching.loc["root zone", "optimized"]
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


def test_new_data_set_runs_into_a_temporary_file_and_refused_runs_say_why():
    ds = vantorel.DataSet()
    with pytest.raises(ValueError, match=r"^IrrEff = 0: the irrigation efficiency must lie between 30 and 100 %$"):
        vantorel.run(ds)
    ds.IrrEff = 60
    refused = vantorel.run(ds)
    assert not refused.completed and refused.status == "refused" and refused.output is None
    assert refused.stopped_message == "The thickness of the root zone must be greater than 0. Please adjust data."
    assert refused.dialog == ["! " + refused.stopped_message]


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
