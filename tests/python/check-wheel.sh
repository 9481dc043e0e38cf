#!/usr/bin/env bash
# check-wheel.sh SOURCE BUILD PYTHON: builds the module's wheel from the build tree as `make wheel`
# does, installs it with pip into a fresh venv that sees the system's numpy and pandas, and uses it
# from another folder: the venv's own module, a run of an example, and a type checker that finds
# the stubs.
set -euo pipefail
source=$1
build=$2
python=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export PIP_DISABLE_PIP_VERSION_CHECK=1 PIP_ROOT_USER_ACTION=ignore
unset PYTHONPATH

(cd "$source" && VANTOREL_BUILD_DIR="$build" "$python" -m pip wheel --no-build-isolation --no-deps --no-index \
   --quiet --wheel-dir "$scratch/dist" .) >"$scratch/wheel.log" 2>&1 || { cat "$scratch/wheel.log"; exit 1; }
version=$(sed -n 's/^project(Vantorel VERSION \([0-9.]*\).*/\1/p' "$source/CMakeLists.txt")
wheel=$(ls "$scratch/dist/vantorel-$version-"*.whl)
contents=$("$python" -m zipfile -l "$wheel")
for file in vantorel.pyi vantorel-stubs/__init__.pyi "vantorel-$version.dist-info/METADATA"; do
  grep -q "^$file " <<<"$contents" || { echo "the wheel lacks $file"; exit 1; }
done
grep -qE '^vantorel\.cpython-[^ ]+\.so ' <<<"$contents" || { echo "the wheel lacks the module:"; echo "$contents"; exit 1; }

"$python" -m venv --system-site-packages "$scratch/venv"
"$scratch/venv/bin/pip" install --no-index --quiet "$wheel"
mkdir "$scratch/elsewhere"
cp "$source/examples/monthly-drained-field.inp" "$scratch/elsewhere/field.inp"
cd "$scratch/elsewhere"
"$scratch/venv/bin/python" - <<'PY'
import sys
from pathlib import Path

import vantorel

module = Path(vantorel.__file__)
assert module.is_relative_to(sys.prefix), f"vantorel comes from {module}, not from the venv {sys.prefix}"
assert (module.parent / "vantorel.pyi").is_file(), "no type stubs beside the module"
ds = vantorel.load_input("field.inp")
run = vantorel.run(ds, drainage_opt=True)
assert run.completed and Path("field.out").is_file() and len(run.table) == ds.NrTimeSteps
PY

cat >typed.py <<'PY'
import vantorel

run = vantorel.run(vantorel.load_input("field.inp"), drainage_opt=True)
steps: int = len(run.dialog)
wrong: int = run
PY
"$python" -m mypy --python-executable "$scratch/venv/bin/python" --cache-dir "$scratch/mypy" typed.py >mypy.log 2>&1 || true
if ! grep -q '^typed.py:5: error: Incompatible types in assignment (expression has type "Run"' mypy.log ||
   [ "$(tail -1 mypy.log)" != "Found 1 error in 1 file (checked 1 source file)" ]; then
  echo "mypy does not know the module's types from the installed stubs:"
  cat mypy.log
  exit 1
fi
