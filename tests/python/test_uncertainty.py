"""vantorel.uncertainty gives the runner's --uncertainty files as DataFrames and its refusals as errors."""

import os
import pickle

import pandas as pd
import pytest

import vantorel
from conftest import EXAMPLES, runner


def test_frames_and_summary_equal_the_runners(copy_input, tmp_path, monkeypatch):
    path = copy_input(EXAMPLES / "weekly-leaching-trial.inp")
    status, out, err = runner("--yes", f"--output={tmp_path / 'runner.out'}", f"--uncertainty={tmp_path / 'u'}", path)
    assert status == 0, err
    # The run's output file goes to a scratch folder that is removed again.
    scratch = tmp_path / "scratch"
    scratch.mkdir()
    monkeypatch.setenv("TMPDIR", str(scratch))
    u = vantorel.uncertainty(vantorel.load_input(path), leaching_opt=True)
    assert os.listdir(scratch) == []
    assert (u.objective, u.n) == ("drain discharge", 13)
    assert u.summary in out
    pd.testing.assert_frame_equal(u.posterior, pd.read_csv(tmp_path / "u" / "posterior.csv"))
    pd.testing.assert_frame_equal(u.intervals, pd.read_csv(tmp_path / "u" / "intervals.csv", index_col="parameter"))
    pd.testing.assert_frame_equal(u.bands, pd.read_csv(tmp_path / "u" / "bands.csv"))
    assert list(u.bands.series.unique())[:3] == ["water_table_depth", "drain_discharge", "salinity_layer_1"]
    assert u.dialog[0].startswith("? Do you want Vantorel to optimize the drainage capacity")
    back = pickle.loads(pickle.dumps(u))
    assert (back.objective, back.n, back.summary, back.dialog) == (u.objective, u.n, u.summary, u.dialog)
    pd.testing.assert_frame_equal(back.bands, u.bands)
    with pytest.raises(TypeError):
        vantorel.Uncertainty.__new__(vantorel.Uncertainty).n


def test_refusals_raise_with_the_reason(tmp_path):
    with pytest.raises(ValueError, match="no subsurface drainage system"):
        vantorel.uncertainty(EXAMPLES / "daily-rice-field.inp")
    ds = vantorel.load_input(EXAMPLES / "monthly-drained-field.inp")
    ds.DwtMeas[:] = -1000
    ds.DrainMeas[:] = -1000
    with pytest.raises(ValueError, match="the run "):
        vantorel.uncertainty(ds)
    with pytest.raises(vantorel.FileError):
        vantorel.uncertainty(tmp_path / "missing.inp")
