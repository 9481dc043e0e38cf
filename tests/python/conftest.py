"""Shared helpers of the module's tests: the reference cases, the batch runner, output files."""

import os
import shutil
import subprocess
from pathlib import Path

import pytest

ROOT = Path(__file__).resolve().parents[2]
REFERENCE = ROOT / "tests" / "data" / "reference"
EXAMPLES = ROOT / "examples"


def case_answers(name):
    """The keyword answers of run() that a reference case's runner options give."""
    words = (REFERENCE / f"{name}.options").read_text().split()
    answers = {}
    if "--yes" in words:
        answers = {"drainage_opt": True, "leaching_opt": True}
    for word in words:
        for option in ("drainage-opt", "fit-choice", "leaching-opt"):
            if word.startswith(f"--{option}="):
                answers[option.replace("-opt", "_opt").replace("-", "_")] = word.endswith("=yes")
    return answers


def output_lines(path):
    """The lines of an output file without line 2, which names the file itself."""
    lines = Path(path).read_bytes().split(b"\r\n")
    return lines[:1] + lines[2:]


def dialogue(transcript):
    """The messages and questions of a runner transcript."""
    return [line for line in transcript.splitlines() if line[:2] in ("! ", "? ")]


def runner(*args):
    """Runs vantorel-run; returns its exit status, standard output and standard error."""
    done = subprocess.run([os.environ["VANTOREL_RUN"], *map(str, args)], capture_output=True, text=True)
    return done.returncode, done.stdout, done.stderr


@pytest.fixture
def copy_input(tmp_path):
    """Copies an input file into the test's folder and returns the copy's path."""

    def copy(source, name=None):
        target = tmp_path / (name or Path(source).name)
        shutil.copyfile(source, target)
        return target

    return copy
