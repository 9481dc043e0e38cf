#!/usr/bin/env bash
# check-debian-package.sh BUILD RUNNER: builds the Debian packages of the build tree into a scratch
# folder, checks them with lintian and unpacks them with dpkg-deb -x into a scratch root: every
# file in its place, dependencies found from the binaries (pandas only for the module), no private
# shared library, and installed programs that answer --version without a display and calculate an
# installed example as the build tree's runner does.
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
architecture=$(dpkg --print-architecture)
deb="$scratch/package/vantorel_${version#Vantorel }_$architecture.deb"
module_deb="$scratch/package/python3-vantorel_${version#Vantorel }_$architecture.deb"
with_module=$(find "$build/python" -name 'vantorel*.so' 2>/dev/null || true)
for package in "$deb" ${with_module:+"$module_deb"}; do
  [ -f "$package" ] || { echo "no $(basename "$package"); cpack wrote:"; ls "$scratch/package"; exit 1; }
  [ "$(dpkg-deb -f "$package" Description | wc -l)" -gt 3 ] || fail "$(basename "$package") has no long description"
done

# lintian's errors and warnings; the overrides the packages carry must all be used.
lintian --allow-root --no-cfg --fail-on error,warning --display-info "$scratch/package"/*.deb >"$scratch/lintian" 2>&1 ||
  fail "lintian: $(grep -E '^[EW]:' "$scratch/lintian" || cat "$scratch/lintian")"
if grep -E '(unused|mismatched)-override' "$scratch/lintian"; then fail "lintian overrides that no longer apply"; fi

depends=$(dpkg-deb -f "$deb" Depends)
for package in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libjpeg62-turbo; do
  [[ $depends == *"$package "* ]] || fail "the package does not depend on $package: Depends: $depends"
done
[[ $depends != *python3* ]] || fail "the programs' package depends on Python: $depends"

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
share="$root/usr/share"
for file in usr/bin/vantorel usr/bin/vantorel-run usr/share/applications/vantorel.desktop \
            usr/share/mime/packages/vantorel.xml usr/share/icons/hicolor/scalable/apps/vantorel.svg \
            usr/share/metainfo/io.github.vantorel.Vantorel.metainfo.xml \
            usr/share/man/man1/vantorel.1.gz usr/share/man/man1/vantorel-run.1.gz \
            usr/share/doc/vantorel/copyright usr/share/doc/vantorel/changelog.gz \
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

# The Python module, where the build has one, is a package of its own that imports from the
# unpacked root with the same version.
if [ -n "$with_module" ]; then
  module_root="$scratch/module-root"
  dpkg-deb -x "$module_deb" "$module_root"
  module=$(find "$module_root/usr/lib/python3/dist-packages" -name 'vantorel*.so' 2>/dev/null)
  [ -n "$module" ] || fail "python3-vantorel lacks the Python module in /usr/lib/python3/dist-packages"
  for stubs in vantorel.pyi vantorel-stubs/__init__.pyi; do
    [ -f "$(dirname "$module")/$stubs" ] || fail "python3-vantorel lacks the type stubs $stubs beside the module"
  done
  depends=$(dpkg-deb -f "$module_deb" Depends)
  for package in python3-numpy python3-pandas; do
    [[ $depends == *$package* ]] || fail "python3-vantorel does not depend on $package: Depends: $depends"
  done
  answer=$(PYTHONPATH="$module_root/usr/lib/python3/dist-packages" /usr/bin/python3 -c \
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
