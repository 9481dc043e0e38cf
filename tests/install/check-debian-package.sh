#!/usr/bin/env bash
# check-debian-package.sh BUILD RUNNER: builds the Debian package of the build tree into a scratch
# folder, unpacks it with dpkg-deb -x into a scratch root and checks what a user gets: every file
# in its place, dependencies found from the binaries, no private shared library, and installed
# programs that answer --version without a display and calculate an installed example as the
# build tree's runner does.
set -euo pipefail
build=$1
runner=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
fail() {
  echo "$*"
  status=1
}

if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/package" >"$scratch/cpack.log" 2>&1; then
  cat "$scratch/cpack.log"
  exit 1
fi
version=$("$runner" --version)
deb="$scratch/package/vantorel_${version#Vantorel }_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { echo "no $(basename "$deb"); cpack wrote:"; ls "$scratch/package"; exit 1; }

depends=$(dpkg-deb -f "$deb" Depends)
for package in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libjpeg62-turbo; do
  [[ $depends == *"$package "* ]] || fail "the package does not depend on $package: Depends: $depends"
done
[ "$(dpkg-deb -f "$deb" Description | wc -l)" -gt 3 ] || fail "the package has no long description"

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
share="$root/usr/share"
for file in usr/bin/vantorel usr/bin/vantorel-run usr/share/applications/vantorel.desktop \
            usr/share/mime/packages/vantorel.xml usr/share/icons/hicolor/scalable/apps/vantorel.svg \
            usr/share/man/man1/vantorel.1 usr/share/man/man1/vantorel-run.1 \
            usr/share/doc/vantorel/examples/monthly-drained-field.inp; do
  [ -f "$root/$file" ] || fail "the package lacks /$file"
done
for size in 16 22 24 32 48 64 128 256; do
  icon="$share/icons/hicolor/${size}x${size}/apps/vantorel.png"
  [[ $(file -b "$icon" 2>&1) == "PNG image data, $size x $size,"* ]] || fail "$icon: $(file -b "$icon" 2>&1)"
done
for program in vantorel vantorel-run; do
  binary="$root/usr/bin/$program"
  if readelf -d "$binary" | grep -qE 'RPATH|RUNPATH'; then fail "$program keeps a library path"; fi
  if ldd "$binary" | grep -q 'not found'; then fail "$program needs a library that is not installed"; fi
  answer=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$binary" --version)
  [ "$answer" = "$version" ] || fail "the installed $program --version says '$answer', not '$version'"
done

# The Python module, where the build has one, imports from the unpacked root with the same version.
if [ -n "$(find "$build/python" -name 'vantorel*.so' 2>/dev/null)" ]; then
  module=$(find "$root/usr/lib/python3/dist-packages" -name 'vantorel*.so' 2>/dev/null)
  [ -n "$module" ] || fail "the package lacks the Python module"
  [[ $(dpkg-deb -f "$deb" Depends) == *python3-numpy* ]] || fail "the package does not depend on python3-numpy"
  answer=$(PYTHONPATH="$root/usr/lib/python3/dist-packages" /usr/bin/python3 -c \
    'import vantorel; print("Vantorel " + vantorel.__version__)' 2>&1) || true
  [ "$answer" = "$version" ] || fail "the installed Python module says '$answer', not '$version'"
fi

# The same example, by the same relative name, through the installed and the build tree's runner.
mkdir -p "$scratch/installed" "$scratch/built"
for side in installed built; do
  cp "$share/doc/vantorel/examples/monthly-drained-field.inp" "$scratch/$side/field.inp"
done
(cd "$scratch/installed" && "$root/usr/bin/vantorel-run" --yes field.inp >run.log) || fail "the installed runner failed"
(cd "$scratch/built" && "$runner" --yes field.inp >run.log)
cmp -s "$scratch/installed/field.out" "$scratch/built/field.out" ||
  fail "the installed runner calculates the example otherwise than the build tree's"
exit $status
