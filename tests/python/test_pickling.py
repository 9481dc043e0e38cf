"""Data sets, runs, errors and the module's functions pickle, so they go to process pools and clusters."""

import pickle
from concurrent.futures import ProcessPoolExecutor

import numpy as np
import pandas as pd
import pytest

import vantorel
from conftest import EXAMPLES, output_lines

FUNCTIONS = ["load_input", "run", "read_output", "run_many", "objective_map", "drain_factors", "drain_spacing"]


def fields(ds):
    return {name: getattr(ds, name) for name in dir(ds) if not name.startswith("_") and not callable(getattr(ds, name))}


def test_data_set_comes_back_to_the_last_bit(tmp_path):
    ds = vantorel.load_input(EXAMPLES / "daily-rice-field.inp")
    ds.IrrEff = 61.23456789012345  # more digits than the input file keeps
    ds.Rain[3] = 1 / 3
    ds.Title2 = "Bewässerung"
    back = pickle.loads(pickle.dumps(ds))
    ours, theirs = fields(ds), fields(back)
    assert ours.keys() == theirs.keys()
    for name, value in ours.items():
        assert np.array_equal(theirs[name], value), name
    back.Rain[0] = 99  # a copy, not a view
    assert ds.Rain[0] != 99
    ds.save(tmp_path / "a.inp")
    pickle.loads(pickle.dumps(ds)).save(tmp_path / "b.inp")
    assert (tmp_path / "a.inp").read_bytes() == (tmp_path / "b.inp").read_bytes().replace(b"b.inp", b"a.inp")


def test_a_state_the_program_cannot_hold_is_refused():
    state = vantorel.DataSet().__getstate__()
    for change in ({"NrTimeSteps": 0}, {"Ts": 400}, {"Rain": np.zeros(3)}):
        broken = vantorel.DataSet.__new__(vantorel.DataSet)
        with pytest.raises(ValueError, match="not a pickled vantorel.DataSet"):
            broken.__setstate__({**state, **change})


def test_run_and_errors_come_back_whole(copy_input):
    run = vantorel.run(copy_input(EXAMPLES / "weekly-leaching-trial.inp"), drainage_opt=True, leaching_opt=True)
    back = pickle.loads(pickle.dumps(run))
    for name in ("completed", "status", "stopped_message", "dialog", "output", "factors"):
        assert getattr(back, name) == getattr(run, name), name
    for name in ("table", "leaching", "statistics"):
        pd.testing.assert_frame_equal(getattr(back, name), getattr(run, name))
    error = pickle.loads(pickle.dumps(vantorel.FileError("The file x.inp could not be opened.")))
    assert isinstance(error, vantorel.FileError) and str(error) == "The file x.inp could not be opened."


def test_functions_pickle_by_name():
    for name in FUNCTIONS:
        assert pickle.loads(pickle.dumps(getattr(vantorel, name))) is getattr(vantorel, name), name
    # Other capsules stay as unpicklable as they were.
    with pytest.raises(TypeError):
        pickle.dumps(np.core.multiarray._ARRAY_API)


def check_runs(runs, paths):
    for run, path in zip(runs, paths):
        assert run.completed and output_lines(run.output) == output_lines(vantorel.run(path).output)
        pd.testing.assert_frame_equal(run.table, vantorel.read_output(run.output))


@pytest.fixture
def inputs(copy_input):
    return [copy_input(EXAMPLES / f"{name}.inp") for name in ("monthly-drained-field", "weekly-leaching-trial")]


def test_process_pool(inputs):
    with ProcessPoolExecutor(max_workers=2) as pool:
        runs = list(pool.map(vantorel.run, inputs))
        data_sets = list(pool.map(vantorel.load_input, inputs))
        with pytest.raises(vantorel.FileError, match="could not be opened"):
            pool.submit(vantorel.load_input, "missing.inp").result()
    check_runs(runs, inputs)
    assert [ds.FileName for ds in data_sets] == [str(path) for path in inputs]


def test_two_worker_dask_cluster(inputs):
    distributed = pytest.importorskip("distributed")
    with distributed.LocalCluster(n_workers=2, threads_per_worker=1, processes=True, dashboard_address=None) as cluster, \
            distributed.Client(cluster) as client:
        runs = client.gather(client.map(vantorel.run, inputs, pure=False))
        ds = client.submit(vantorel.load_input, inputs[0]).result()
        changed = client.submit(vantorel.run, ds, output=str(inputs[0].with_name("remote.out"))).result()
        with pytest.raises(vantorel.FileError, match="could not be opened"):
            client.submit(vantorel.load_input, "missing.inp").result()
    check_runs(runs, inputs)
    assert output_lines(changed.output) == output_lines(inputs[0].with_suffix(".out"))
