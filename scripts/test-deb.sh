#!/usr/bin/env bash
# Builds the Debian package, installs it on this machine with apt, runs the
# installed command line with no display, starts /usr/bin/factorix on a
# private X server, checks that its window appears, and removes the
# package again. Needs root. Usage:
#   scripts/test-deb.sh [BUILD_DIR]      (default build-deb)
# Refuses to run when a factorix package is already installed, so that it
# never replaces or removes a real installation.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-deb}

if [[ $(id -u) -ne 0 ]]; then
  echo "test-deb.sh: installing a package needs root" >&2
  exit 1
fi
if dpkg-query -W -f='${Status}' factorix 2>/dev/null | grep -q "install ok installed"; then
  echo "test-deb.sh: a factorix package is installed already; leaving it alone" >&2
  exit 1
fi

# The package needs the program only, not every test.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON -DFACTORIX_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target factorix factorix-gui
rm -f "$build"/factorix_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/factorix_*.deb)
echo "built $deb"
dpkg-deb --field "$deb" Package Version Architecture Depends

expected=(./usr/bin/factorix
          ./usr/libexec/factorix/factorix-gui
          ./usr/share/man/man1/factorix.1.gz
          ./usr/share/doc/factorix/copyright
          ./usr/share/doc/factorix/changelog.gz
          ./usr/share/applications/org.example.Factorix.desktop
          ./usr/share/metainfo/org.example.Factorix.metainfo.xml
          ./usr/share/icons/hicolor/16x16/apps/org.example.Factorix.png
          ./usr/share/icons/hicolor/scalable/apps/org.example.Factorix.svg)
contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
for path in "${expected[@]}"; do
  grep -qx "$path" <<<"$contents" || { echo "test-deb.sh: $path is missing from the package" >&2; exit 1; }
done

remove() { apt-get remove --purge -y factorix >/dev/null 2>&1 || true; }
trap remove EXIT
DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$(realpath "$deb")" >/dev/null
for program in /usr/bin/factorix /usr/libexec/factorix/factorix-gui; do
  [[ -x $program ]] || { echo "test-deb.sh: $program was not installed" >&2; exit 1; }
done

# The installed command line answers with no display at all.
line=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM /usr/bin/factorix --calcular '2xe3+0xe2+0x-16')
[[ "$line" == "(x-2) (+2x²+4x+8)" ]] || { echo "test-deb.sh: factorix --calcular printed: $line" >&2; exit 1; }
echo "the installed command line answers"

# The installed program opens its window (in the drawing program, which
# takes over its process); it is then closed again.
tests/e2e/run-x11.sh bash -c '
  /usr/bin/factorix & pid=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible --name "^Factorix$" | head -1)
  alive=0; kill -0 $pid 2>/dev/null && alive=1
  kill $pid 2>/dev/null; wait $pid 2>/dev/null || true
  [[ -n "$window" && $alive -eq 1 ]] || { echo "test-deb.sh: no window from /usr/bin/factorix" >&2; exit 1; }
  echo "the installed program opened its window"
'

remove
trap - EXIT
if dpkg-query -W -f='${Status}' factorix 2>/dev/null | grep -q "install ok installed"; then
  echo "test-deb.sh: the package could not be removed" >&2
  exit 1
fi
echo "test-deb.sh: package built, installed, started and removed"
