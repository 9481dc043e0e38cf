#!/usr/bin/env bash
# check-man-page.sh PROGRAM PAGE: every option that PROGRAM --help names is explained in its man
# page, the page renders with man -l without a warning, has the usual sections and carries the
# version that PROGRAM --version prints. --help (-h), --version (-V) and a wrong option must be
# answered without a display: the usage or the version and status 0, or a message and status 2.
set -euo pipefail
program=$1
page=$2
name=$(basename "$page")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

LC_ALL=C.UTF-8 MANWIDTH=120 man --warnings -l "$page" >"$scratch/rendered" 2>"$scratch/warnings"
status=0
if [ -s "$scratch/warnings" ]; then
  echo "$name: man -l warns:"
  cat "$scratch/warnings"
  status=1
fi

headless=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
"${headless[@]}" "$program" --help >"$scratch/help"
for option in $(grep -oE -- '--[a-z][a-z0-9-]*' "$scratch/help" | sort -u); do
  if ! grep -qE -- "(^|[^a-z0-9-])$option([^a-z0-9-]|\$)" "$scratch/rendered"; then
    echo "$name lacks the option $option that $(basename "$program") --help names: explain it in packaging/man/$name.in"
    status=1
  fi
done
for section in SYNOPSIS DESCRIPTION OPTIONS "EXIT STATUS" EXAMPLES "SEE ALSO"; do
  grep -q "^$section\$" "$scratch/rendered" || { echo "$name has no section $section"; status=1; }
done

version=$("${headless[@]}" "$program" --version)
if [[ ! $version =~ ^Vantorel\ [0-9]+\.[0-9]+\.[0-9]+$ ]]; then
  echo "$(basename "$program") --version prints '$version'"
  status=1
fi
grep -qF "$version" "$scratch/rendered" || { echo "$name does not name '$version'"; status=1; }

"${headless[@]}" "$program" -h | cmp -s - "$scratch/help" || { echo "$(basename "$program") -h is not its --help"; status=1; }
[ "$("${headless[@]}" "$program" -V)" = "$version" ] || { echo "$(basename "$program") -V is not its --version"; status=1; }
set +e
"${headless[@]}" "$program" --no-such-option >"$scratch/out" 2>"$scratch/err"
wrong=$?
set -e
if [ $wrong -ne 2 ] || [ -s "$scratch/out" ] || ! grep -q -- "--no-such-option" "$scratch/err"; then
  echo "$(basename "$program") --no-such-option ends with status $wrong, saying:"
  cat "$scratch/out" "$scratch/err"
  status=1
fi
exit $status
