"""drain_factors and drain_spacing compute what the runner's drain-design commands print."""

import pytest

import vantorel
from conftest import runner

SOIL = {"ka": 0.8, "kb": 1.5, "depth_below": 5, "perimeter": 0.6}
SOIL_OPTIONS = ["--ka=0.8", "--kb=1.5", "--depth-below=5", "--perimeter=0.6"]


def test_factors_are_those_the_runner_prints():
    table = vantorel.drain_factors(**SOIL, porosity=6, spacing=[30, 45])
    _, out, _ = runner("--drain-factors", *SOIL_OPTIONS, "--porosity=6", "--spacing=30", "--spacing=45")
    printed = [line.split() for line in out.splitlines()[2:4]]
    assert [[f"{spacing:.2f}", f"{row.equivalent_depth:.3f}", f"{row.qh1:.4f}", f"{row.qh2:.4f}"]
            for spacing, row in table.iterrows()] == printed
    assert vantorel.drain_factors(**SOIL, porosity=6, spacing=45)["qh1"] == table.loc[45.0, "qh1"]


def test_spacing_is_the_one_the_runner_prints():
    design = vantorel.drain_spacing(**SOIL, discharge=5, head=0.6, porosity=6)
    _, out, _ = runner("--drain-spacing", *SOIL_OPTIONS, "--discharge=5", "--head=0.6", "--porosity=6")
    printed = [line.split(":")[1].strip() for line in out.splitlines()[2:]]
    assert printed == [f"{design['spacing']:.2f}", f"{design['equivalent_depth']:.3f}", f"{design['discharge']:.4f}",
                       f"{design['qh1']:.4f}", f"{design['qh2']:.4f}"]


@pytest.mark.parametrize("call, options", [
    (lambda: vantorel.drain_factors(**SOIL, porosity=35, spacing=30), ["--drain-factors", "--porosity=35", "--spacing=30"]),
    (lambda: vantorel.drain_factors(**SOIL, porosity=6, spacing=0.5), ["--drain-factors", "--porosity=6", "--spacing=0.5"]),
    (lambda: vantorel.drain_spacing(**SOIL, discharge=0, head=0.6), ["--drain-spacing", "--discharge=0", "--head=0.6"]),
    (lambda: vantorel.drain_spacing(**SOIL, discharge=5000, head=0.1), ["--drain-spacing", "--discharge=5000", "--head=0.1"]),
])
def test_refusals_carry_the_runners_message(call, options):
    _, _, err = runner(*options, *SOIL_OPTIONS)
    with pytest.raises(ValueError) as refused:
        call()
    assert "vantorel-run: " + str(refused.value) + "\n" == err
