#!/usr/bin/env bash
# check-desktop-entry.sh PACKAGING RUNNER EXAMPLE METAINFO: the desktop entry validates, offers the
# program for exactly the file types the shared-mime-info package declares, the desktop's own type
# detection (gio) knows the example and its output by their first lines whatever their names, and
# leaves other programs' .inp and .out files plain text; the AppStream data validates and names the
# entry and the types.
set -euo pipefail
packaging=$1
runner=$2
example=$3
metainfo=$4
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
printf '[TITLE]\r\nA network of pipes\r\n' >"$scratch/files/foreign.inp"
printf 'Results of another program\n' >"$scratch/files/foreign.out"
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
foreign.inp text/plain
foreign.out text/plain
LIST

if ! appstreamcli validate --no-net "$metainfo" >"$scratch/appstream" 2>&1; then
  echo "appstreamcli complains about $(basename "$metainfo"):"
  cat "$scratch/appstream"
  status=1
fi
grep -q '<launchable type="desktop-id">vantorel.desktop</launchable>' "$metainfo" ||
  { echo "$(basename "$metainfo") does not launch vantorel.desktop"; status=1; }
provided=$(grep -oE '<mediatype>[^<]+' "$metainfo" | cut -d'>' -f2 | sort | tr '\n' ';')
[ "$provided" = "$declared" ] || { echo "the AppStream data provides '$provided', vantorel.xml declares '$declared'"; status=1; }
exit $status
