"""run_many gives the runner's outputs and manifest, on this machine and on a dask cluster."""

import shutil

import pandas as pd
import pytest

import vantorel
from conftest import EXAMPLES, output_lines, runner

NAMES = ["monthly-drained-field", "weekly-leaching-trial", "daily-rice-field"]


def copies(folder):
    folder.mkdir()
    return [shutil.copyfile(EXAMPLES / f"{name}.inp", folder / f"{name}.inp") for name in NAMES]


@pytest.fixture
def by_runner(tmp_path):
    """The runner's outputs and manifest of the examples, all questions answered yes."""
    inputs = copies(tmp_path / "runner")
    status, _, err = runner("--yes", "--jobs=2", f"--manifest={tmp_path / 'manifest.csv'}", *inputs)
    assert status == 0, err
    return inputs, pd.read_csv(tmp_path / "manifest.csv", keep_default_na=False)


def check_same_as_runner(manifest, inputs, by_runner):
    runner_inputs, runner_manifest = by_runner
    assert list(manifest.columns) == list(runner_manifest.columns)
    assert list(manifest.input) == [str(path) for path in inputs]
    same = ["status", "exit_code", "message", "input_sha256", "program_version"]
    pd.testing.assert_frame_equal(manifest[same], runner_manifest[same])
    for ours, theirs in zip(inputs, runner_inputs):
        assert output_lines(ours.with_suffix(".out")) == output_lines(theirs.with_suffix(".out"))


def test_cores_of_this_machine(tmp_path, by_runner):
    inputs = copies(tmp_path / "here")
    manifest = vantorel.run_many(inputs, jobs=2, drainage_opt=True, leaching_opt=True)
    check_same_as_runner(manifest, inputs, by_runner)


def test_two_worker_cluster(tmp_path, by_runner):
    distributed = pytest.importorskip("distributed")
    inputs = copies(tmp_path / "cluster")
    with distributed.LocalCluster(n_workers=2, threads_per_worker=1, processes=True, dashboard_address=None) as cluster, \
            distributed.Client(cluster) as client:
        manifest = vantorel.run_many(inputs, client=client, drainage_opt=True, leaching_opt=True)
    check_same_as_runner(manifest, inputs, by_runner)


def test_data_sets_are_saved_by_position_and_failures_recorded(tmp_path):
    ds = vantorel.load_input(EXAMPLES / "monthly-drained-field.inp")
    changed = ds.copy()
    changed.IrrEff = 40
    manifest = vantorel.run_many([ds, tmp_path / "missing.inp", changed], folder=tmp_path / "sets")
    assert list(manifest.input) == [str(tmp_path / "sets" / "run-0001.inp"), str(tmp_path / "missing.inp"),
                                    str(tmp_path / "sets" / "run-0003.inp")]
    assert list(manifest.status) == ["completed", "unreadable", "completed"]
    assert manifest.message[1].startswith(f"The file {tmp_path / 'missing.inp'} could not be opened")
    assert vantorel.load_input(manifest.input[2]).IrrEff == 40 and ds.FileName.endswith("monthly-drained-field.inp")
    with pytest.raises(ValueError, match="needs a folder"):
        vantorel.run_many([ds])
    with pytest.raises(ValueError, match="would both write"):
        vantorel.run_many([tmp_path / "a.inp", tmp_path / "a.inp"])


def test_paths_are_recorded_absolute_for_workers_elsewhere(tmp_path, monkeypatch):
    copies(tmp_path / "given")
    monkeypatch.chdir(tmp_path)
    ds = vantorel.load_input("given/monthly-drained-field.inp")
    manifest = vantorel.run_many(["given/weekly-leaching-trial.inp", ds], folder="sets")
    expected = [tmp_path / "given" / "weekly-leaching-trial.inp", tmp_path / "sets" / "run-0002.inp"]
    assert list(manifest.input) == [str(path) for path in expected]
    assert list(manifest.output) == [str(path.with_suffix(".out")) for path in expected]
    assert list(manifest.status) == ["completed", "completed"]


class PicklingClient:
    """Sends each task through pickle, as dask does, and runs it here."""

    def __init__(self):
        self.states = []

    def map(self, task, inputs, pure):
        import pickle
        task = pickle.loads(pickle.dumps(task))
        self.states.append(task.__getstate__())
        return [task(path) for path in inputs]

    def gather(self, futures):
        return futures


def test_a_cluster_task_takes_one_search_thread_unless_told(tmp_path):
    inputs = copies(tmp_path / "tasks")
    client = PicklingClient()
    first = vantorel.run_many(inputs, client=client, drainage_opt=True)
    vantorel.run_many(inputs, client=client, drainage_opt=True, task_threads=3)
    assert [state[3] for state in client.states] == [1, 3]
    assert list(first.status) == ["completed"] * 3
    with pytest.raises(ValueError, match="task_threads"):
        vantorel.run_many(inputs, client=client, task_threads=0)


def test_wrong_jobs_and_a_folder_that_cannot_be_made_raise(tmp_path):
    for jobs in ("2", True, 2.0):
        with pytest.raises(TypeError, match="jobs must be a whole number or None"):
            vantorel.run_many([tmp_path / "a.inp"], jobs=jobs)
    (tmp_path / "file").write_text("not a folder")
    with pytest.raises(vantorel.FileError, match="could not be made") as error:
        vantorel.run_many([vantorel.load_input(EXAMPLES / "monthly-drained-field.inp")], folder=tmp_path / "file" / "sets")
    assert isinstance(error.value, OSError)
