"""Run.statistics and objective_map are the runner's --statistics and --objective-map files."""

import pandas as pd
import pytest

import vantorel
from conftest import EXAMPLES, runner


def test_statistics_and_map_equal_the_runners_files(copy_input, tmp_path):
    path = copy_input(EXAMPLES / "weekly-leaching-trial.inp")
    status, _, err = runner("--yes", f"--output={tmp_path / 'runner.out'}", f"--statistics={tmp_path / 's.csv'}",
                            f"--objective-map={tmp_path / 'map'}", path)
    assert status == 0, err
    run = vantorel.run(path, drainage_opt=True, leaching_opt=True)
    by_runner = pd.read_csv(tmp_path / "s.csv")
    # Indexed by the table's names of the series, the runner's otherwise.
    assert list(run.statistics.index) == ["water_table_depth", "drain_discharge", "salinity_layer_1",
                                          "salinity_layer_2", "salinity_transition_zone", "salinity_aquifer"]
    assert set(run.statistics.index) <= set(run.table.columns)
    by_runner["series"] = run.statistics.index
    pd.testing.assert_frame_equal(run.statistics, by_runner.set_index("series"))
    ds = vantorel.load_input(path)
    pd.testing.assert_frame_equal(vantorel.objective_map(ds), pd.read_csv(tmp_path / "map" / "objective-map.csv"))


def test_data_set_without_drains_has_no_map():
    with pytest.raises(ValueError, match="no subsurface drainage system"):
        vantorel.objective_map(vantorel.load_input(EXAMPLES / "daily-rice-field.inp"))
