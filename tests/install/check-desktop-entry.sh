#!/usr/bin/env bash
# check-desktop-entry.sh PACKAGING RUNNER EXAMPLE: the desktop entry validates, offers the program
# for exactly the file types the shared-mime-info package declares, and the desktop's own type
# detection (gio) knows the example and its output by their extensions and by their first lines.
set -euo pipefail
packaging=$1
runner=$2
example=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0

if ! desktop-file-validate "$packaging/vantorel.desktop" >"$scratch/validate" 2>&1 || [ -s "$scratch/validate" ]; then
  echo "desktop-file-validate complains about vantorel.desktop:"
  cat "$scratch/validate"
  status=1
fi
declared=$(grep -oE 'mime-type type="[^"]+"' "$packaging/vantorel.xml" | cut -d'"' -f2 | sort | tr '\n' ';')
offered=$(sed -n 's/^MimeType=//p' "$packaging/vantorel.desktop" | tr ';' '\n' | sed '/^$/d' | sort | tr '\n' ';')
if [ "$declared" != "$offered" ]; then
  echo "vantorel.desktop offers the types '$offered', vantorel.xml declares '$declared'"
  status=1
fi

mkdir -p "$scratch/share/mime/packages" "$scratch/files"
cp "$packaging/vantorel.xml" "$scratch/share/mime/packages/"
xmllint --noout "$scratch/share/mime/packages/vantorel.xml"
update-mime-database "$scratch/share/mime" >/dev/null 2>&1
cp "$example" "$scratch/files/field.inp"
"$runner" "$scratch/files/field.inp" >/dev/null
cp "$scratch/files/field.inp" "$scratch/files/field-input"
cp "$scratch/files/field.out" "$scratch/files/field-output"
while read -r file expected; do
  found=$(XDG_DATA_HOME="$scratch/share" XDG_DATA_DIRS="$scratch/share:/usr/share" \
            gio info -a standard::content-type "$scratch/files/$file" | sed -n 's/.*content-type: //p')
  if [ "$found" != "$expected" ]; then
    echo "the desktop takes $file for $found, not $expected"
    status=1
  fi
done <<'LIST'
field.inp application/x-vantorel-input
field.out application/x-vantorel-output
field-input application/x-vantorel-input
field-output application/x-vantorel-output
LIST
exit $status
