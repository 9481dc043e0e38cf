#!/usr/bin/env bash
# check-python-install.sh BUILD PYTHON: `cmake --install` puts the module and its type stubs into a
# folder that PYTHON imports from: under /usr/local one of its sys.path, in a venv's prefix the
# venv's own site-packages.
set -euo pipefail
build=$1
python=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
unset PYTHONPATH

DESTDIR="$scratch/staged" cmake --install "$build" --prefix /usr/local --component python >/dev/null
module=$(cd "$scratch/staged" && find . -name 'vantorel*.so' | sed 's/^\.//')
folder=$(dirname "$module")
[ -f "$scratch/staged$folder/vantorel.pyi" ] || { echo "no vantorel.pyi beside $module"; status=1; }
if ! "$python" -c 'import sys; sys.exit(sys.argv[1] not in sys.path)' "$folder"; then
  echo "the module is installed into $folder, which $python does not import from"
  status=1
fi

"$python" -m venv --system-site-packages "$scratch/venv"
cmake --install "$build" --prefix "$scratch/venv" --component python >/dev/null
answer=$(cd "$scratch" && "$scratch/venv/bin/python" -c 'import vantorel; print(vantorel.__file__)' 2>&1) || true
[[ $answer == "$scratch/venv/"* ]] || { echo "the venv imports no installed module: $answer"; status=1; }
exit $status
