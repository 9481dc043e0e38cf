"""Ctrl+C during run and run_many interrupts the calculation at once and leaves no file.

The calculations would take half a minute; the bound of a few seconds leaves room for a machine
busy with other tests, where a row of the drainage search can take more than a second."""

import _thread
import threading
import time

import pandas as pd
import pytest

import vantorel
from conftest import EXAMPLES


def century():
    """A drained field of 40000 monthly steps: the drainage search alone takes half a minute."""
    ds = vantorel.load_input(EXAMPLES / "monthly-drained-field.inp")
    ds.NrTimeSteps = 40000
    return ds


def interrupted_after(seconds, call):
    """Calls call() with Ctrl+C pressed after the given seconds; returns the seconds it took to end."""
    pressed = []
    timer = threading.Timer(seconds, lambda: (pressed.append(time.monotonic()), _thread.interrupt_main()))
    timer.start()
    with pytest.raises(KeyboardInterrupt):
        call()
    ended = time.monotonic()
    timer.join()
    return ended - pressed[0]


def test_run_stops_and_leaves_no_temporary_output(tmp_path, monkeypatch):
    monkeypatch.setenv("TMPDIR", str(tmp_path))
    ds = century()
    assert interrupted_after(0.5, lambda: vantorel.run(ds, drainage_opt=True)) < 5
    assert list(tmp_path.iterdir()) == []


def test_run_many_stops_and_writes_no_output(tmp_path):
    ds = century()
    folder = tmp_path / "runs"
    assert interrupted_after(1.0, lambda: vantorel.run_many([ds, ds, ds], jobs=2, folder=folder,
                                                           drainage_opt=True)) < 5
    assert sorted(path.name for path in folder.iterdir()) == ["run-0001.inp", "run-0002.inp", "run-0003.inp"]


def test_study_stops_and_lists_its_samples_as_interrupted(tmp_path):
    study = pd.DataFrame({"name": ["mc"], "Si": ["~normal(1.2,0.2)"]})
    folder = tmp_path / "study"
    assert interrupted_after(1.0, lambda: vantorel.study(century(), study, folder, samples=3, jobs=2,
                                                         drainage_opt=True)) < 5
    summary = pd.read_csv(folder / "summary.csv")
    assert list(summary.status) == ["interrupted"] * 3
    # An interrupted scenario leaves no file.
    assert [path.name for path in folder.iterdir()] == ["summary.csv"]
