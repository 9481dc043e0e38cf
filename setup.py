"""Builds the Python module vantorel with the project's CMake, for the Python that runs this.

Called by pip's build backend (pyproject.toml). By default the build tree is
build/python-<interpreter> in this folder, configured without the window where CMake allows it;
VANTOREL_BUILD_DIR names an existing build tree instead (`make wheel` passes build/), which must
have been configured for this same Python.
"""

import os
import re
import shutil
import subprocess
import sys
from pathlib import Path

from setuptools import Extension, setup
from setuptools.command.build_ext import build_ext

ROOT = Path(__file__).resolve().parent


def project_version():
    match = re.search(r"project\(Vantorel VERSION ([0-9.]+)", (ROOT / "CMakeLists.txt").read_text())
    return match.group(1)


def build_tree():
    given = os.environ.get("VANTOREL_BUILD_DIR")
    return Path(given).resolve() if given else ROOT / "build" / f"python-{sys.implementation.cache_tag}"


def configured_python(tree):
    cache = (tree / "CMakeCache.txt").read_text()
    match = re.search(r"^Python3_EXECUTABLE:[A-Z]+=(.*)$", cache, re.MULTILINE)
    return match.group(1) if match else ""


def configure(tree):
    command = ["cmake", "-S", str(ROOT), "-B", str(tree), "-DCMAKE_BUILD_TYPE=Release",
               f"-DPython3_EXECUTABLE={sys.executable}", "-DVANTOREL_GUI=OFF", "--no-warn-unused-cli"]
    try:
        import pybind11
        command.append(f"-Dpybind11_DIR={pybind11.get_cmake_dir()}")
    except ImportError:
        pass  # CMake finds the system's pybind11
    if shutil.which("ninja") and not (tree / "CMakeCache.txt").exists():
        command += ["-G", "Ninja"]
    subprocess.run(command, check=True)


class CMakeBuild(build_ext):
    """Builds the module's CMake target and puts it, with its type stubs, where the wheel takes it."""

    def build_extension(self, ext):
        tree = build_tree()
        if "VANTOREL_BUILD_DIR" not in os.environ:
            configure(tree)
        python = configured_python(tree)
        if not python or os.path.realpath(python) != os.path.realpath(sys.executable):
            sys.exit(f"The build tree {tree} is configured for the Python '{python}', not {sys.executable}: "
                     "build the wheel with that Python, or without VANTOREL_BUILD_DIR.")
        jobs = str(len(os.sched_getaffinity(0)) if hasattr(os, "sched_getaffinity") else os.cpu_count() or 1)
        subprocess.run(["cmake", "--build", str(tree), "--target", "vantorel_python", "-j", jobs], check=True)
        built = [path for path in (tree / "python").glob("vantorel*") if path.suffix in (".so", ".pyd")]
        if len(built) != 1:
            sys.exit(f"The build tree {tree} holds {len(built)} modules vantorel in {tree / 'python'}, not one.")
        target = Path(self.get_ext_fullpath(ext.name))
        target.parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(built[0], target)
        # Beside the module for editors; as a stub-only package for type checkers, which look for the
        # stubs of a module that is no package there.
        stubs = target.parent / "vantorel-stubs"
        stubs.mkdir(exist_ok=True)
        shutil.copyfile(ROOT / "python" / "vantorel.pyi", target.parent / "vantorel.pyi")
        shutil.copyfile(ROOT / "python" / "vantorel.pyi", stubs / "__init__.pyi")


# Setuptools' own work files go into the build tree, never into the sources.
work = build_tree() / "setuptools"
work.mkdir(parents=True, exist_ok=True)
setup(
    version=project_version(),
    packages=[],
    py_modules=[],
    ext_modules=[Extension("vantorel", sources=[])],
    cmdclass={"build_ext": CMakeBuild},
    options={"build": {"build_base": str(work)}, "egg_info": {"egg_base": str(work)}},
    zip_safe=False,
)
