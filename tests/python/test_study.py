"""vantorel.study runs a study as vantorel-run --scenarios does, Monte Carlo studies among them."""

import pickle

import pandas as pd
import pytest

import vantorel
from conftest import EXAMPLES, output_lines, runner


def test_files_and_frames_equal_the_runners(copy_input, tmp_path):
    base = copy_input(EXAMPLES / "monthly-drained-field.inp")
    study = EXAMPLES / "monte-carlo-study.csv"
    status, out, err = runner("--scenarios", study, "--study-dir", tmp_path / "runner", "--samples", 12, "--seed", 9,
                              base)
    assert status == 0, err
    s = vantorel.study(base, study, tmp_path / "module", samples=12, seed=9, jobs=2)
    assert s.folder == str(tmp_path / "module")
    for name in ("summary.csv", "bands.csv", "sensitivity.csv"):
        assert (tmp_path / "module" / name).read_bytes() == (tmp_path / "runner" / name).read_bytes(), name
    assert output_lines(tmp_path / "module" / "uncertain-soil-40m-0012.out") == output_lines(
        tmp_path / "runner" / "uncertain-soil-40m-0012.out")
    pd.testing.assert_frame_equal(s.bands, pd.read_csv(tmp_path / "runner" / "bands.csv"))
    pd.testing.assert_frame_equal(s.sensitivity, pd.read_csv(tmp_path / "runner" / "sensitivity.csv"))
    assert list(s.summary.index[:3]) == ["base", "uncertain-water-0001", "uncertain-water-0002"]
    assert s.summary.loc["base", "message"] == ""
    assert s.summary.loc["uncertain-soil-40m-0003", "DrainKa"] > 0
    assert pd.isna(s.summary.loc["base", "DrainKa"])
    back = pickle.loads(pickle.dumps(s))
    assert back.folder == s.folder
    pd.testing.assert_frame_equal(back.summary, s.summary)
    with pytest.raises(TypeError):
        vantorel.Study.__new__(vantorel.Study).summary


def test_a_data_set_and_a_data_frame_make_a_study(tmp_path):
    ds = vantorel.load_input(EXAMPLES / "monthly-drained-field.inp")
    frame = pd.DataFrame({"name": ["base", "wetter", "mc"], "Irrig": [None, "*1.2", "*~normal(1,0.1)"],
                          "IrrEff": [None, None, "~uniform(20,40)"]}).set_index("name")
    s = vantorel.study(ds, frame, tmp_path / "study", samples=10)
    summary = s.summary
    assert list(summary.index[:2]) == ["base", "wetter"]
    refused = summary[summary.status == "refused"]
    # Efficiencies below 30 % are refused, not clamped; the others run.
    assert len(refused) > 0 and (refused.IrrEff < 30).all()
    assert refused.message.str.contains("the irrigation efficiency must lie between 30 and 100 %").all()
    assert (summary.loc[summary.index.str.startswith("mc-") & (summary.status == "completed"), "IrrEff"] >= 30).all()
    assert set(s.bands.name) == {"mc"}
    plain = vantorel.study(ds, frame.loc[["base", "wetter"]], tmp_path / "plain")
    assert plain.bands is None and plain.sensitivity is None
    assert list(plain.summary.columns)[-1] == "salinity_aquifer"


def test_refusals_raise_with_the_reason(tmp_path):
    base = EXAMPLES / "monthly-drained-field.inp"
    sampled = pd.DataFrame({"name": ["mc"], "Si": ["~normal(1.2,0.2)"]})
    plain = pd.DataFrame({"name": ["fresh"], "Si": [1.0]})
    with pytest.raises(ValueError, match="a sampled cell needs a number of samples"):
        vantorel.study(base, sampled, tmp_path)
    with pytest.raises(ValueError, match="samples no cell"):
        vantorel.study(base, plain, tmp_path, samples=5)
    with pytest.raises(ValueError, match="from 1 to 100000"):
        vantorel.study(base, sampled, tmp_path, samples=0)
    with pytest.raises(ValueError, match="seed must be"):
        vantorel.study(base, sampled, tmp_path, samples=5, seed=-1)
    with pytest.raises(TypeError):
        vantorel.study(base, sampled, tmp_path, samples=True)
    with pytest.raises(ValueError, match=r"the cell '~normal\(1,0\)' is not understood"):
        vantorel.study(base, pd.DataFrame({"name": ["mc"], "Si": ["~normal(1,0)"]}), tmp_path, samples=5)
    with pytest.raises(vantorel.FileError):
        vantorel.study(base, tmp_path / "missing.csv", tmp_path)
    assert list(tmp_path.iterdir()) == []
