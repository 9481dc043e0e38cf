#!/usr/bin/env bash
# check-wheel.sh SOURCE BUILD PYTHON: builds the module's wheel from the build tree as `make wheel`
# does, installs it with pip into a fresh venv that sees the system's numpy and pandas, and uses it
# from another folder: the venv's own module, its type stubs beside it, and a run of an example.
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
for file in vantorel.pyi "vantorel-$version.dist-info/METADATA"; do
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
