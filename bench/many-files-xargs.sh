#!/usr/bin/env bash
# Many small fields, one vantorel-run process per file under xargs -P, beside one call with --jobs:
# the wall-clock seconds of each, for the README's table.
#
#   bench/many-files-xargs.sh [BUILD_DIR] [COUNT]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
count=${2:-120}
program=$build/app/vantorel-run
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for i in $(seq 1 "$count"); do cp "$root/examples/monthly-drained-field.inp" "$work/field-$i.inp"; done
cores=$(nproc)

seconds() {
  local start end
  start=$(date +%s.%N)
  "$@" >/dev/null 2>&1 || { echo "failed: $*" >&2; exit 1; }
  end=$(date +%s.%N)
  echo "$end - $start" | bc
}

cd "$work"
echo "$count small fields, $cores cores"
echo "one process per file, xargs -P1:      $(seconds sh -c "ls field-*.inp | xargs -P1 -n1 $program") s"
echo "one process per file, xargs -P$cores:      $(seconds sh -c "ls field-*.inp | xargs -P$cores -n1 $program") s"
echo "one call, --jobs 1:                   $(seconds sh -c "$program --jobs 1 field-*.inp") s"
echo "one call, --jobs $cores:                   $(seconds sh -c "$program --jobs $cores field-*.inp") s"
