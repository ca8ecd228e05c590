#!/usr/bin/env bash
# Builds the Debian package from a configured and built tree and checks it
# the way a Debian maintainer would: lintian without errors or warnings, the
# launcher through desktop-file-validate, the AppStream file through
# appstreamcli, the manual page through man's own warnings. Usage:
#   check-package.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
work=$(mktemp -d -t factorix-package.XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() { echo "check-package.sh: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack failed"; }
deb=$(find "$work" -maxdepth 1 -name 'factorix_*.deb')
[[ -n "$deb" ]] || fail "no package in $work"
echo "built $(basename "$deb")"

# Lintian: informational tags may stay, errors and warnings may not.
lintian --no-tag-display-limit "$deb" >"$work/lintian.txt" 2>/dev/null || true
if grep -E '^[EW]: ' "$work/lintian.txt"; then fail "lintian reports the tags above"; fi

# In a Wayland session the window runs with Qt's Wayland plugin.
[[ "$(dpkg-deb -f "$deb" Recommends)" == *qt6-wayland* ]] || fail "the package does not recommend qt6-wayland"

root="$work/root"
dpkg-deb -x "$deb" "$root"
for path in usr/bin/factorix usr/libexec/factorix/factorix-gui usr/share/doc/factorix/copyright usr/share/doc/factorix/changelog.gz \
            usr/share/man/man1/factorix.1.gz usr/share/man/en/man1/factorix.1.gz \
            usr/share/applications/org.example.Factorix.desktop \
            usr/share/metainfo/org.example.Factorix.metainfo.xml; do
  [[ -f "$root/$path" ]] || fail "$path is missing from the package"
done

# desktop-file-validate prints nothing at all for a clean file, hints included.
out=$(desktop-file-validate "$root/usr/share/applications/org.example.Factorix.desktop" 2>&1) ||
  fail "desktop-file-validate failed: $out"
[[ -z "$out" ]] || fail "desktop-file-validate: $out"

# The file names no remote address, so the validator needs no network.
out=$(appstreamcli validate --no-color "$root/usr/share/metainfo/org.example.Factorix.metainfo.xml" 2>&1) ||
  fail "appstreamcli validate failed: $out"
if grep -qE '^[EWI]: ' <<<"$out"; then fail "appstreamcli: $out"; fi
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$root/usr/share/metainfo/org.example.Factorix.metainfo.xml" ||
  fail "the AppStream file does not name the licence"

# The manual pages, Spanish and English: no warnings from groff, and every
# section they promise.
check_manual() {  # PAGE SECTION...
  local page=$1
  shift
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$root/$page" 2>&1 >"$work/man.txt")
  [[ -z "$warnings" ]] || fail "man $page: $warnings"
  for section in "$@"; do
    grep -qx "$section" "$work/man.txt" || fail "the manual page $page has no $section section"
  done
}
check_manual usr/share/man/man1/factorix.1.gz NOMBRE SINOPSIS DESCRIPCIÓN OPCIONES EJEMPLOS AUTORES
check_manual usr/share/man/en/man1/factorix.1.gz NAME SYNOPSIS DESCRIPTION OPTIONS EXAMPLES AUTHORS
# The English page follows the Spanish one: the same options.
options() { zcat "$root/$1" | grep -o '\\-\\-[a-z\\-]*' | sort -u; }
options_es=$(options usr/share/man/man1/factorix.1.gz)
options_en=$(options usr/share/man/en/man1/factorix.1.gz)
[[ "$options_es" == "$options_en" ]] ||
  fail "the manual pages name different options: $(diff <(echo "$options_es") <(echo "$options_en") | grep '^[<>]' | tr '\n' ' ')"

# The launcher speaks every language of the program.
for language in ca gl eu en; do
  for key in Name GenericName Comment Keywords; do
    grep -q "^$key\[$language\]=" "$root/usr/share/applications/org.example.Factorix.desktop" ||
      fail "the launcher has no $key[$language]"
  done
done

# The packaged program answers without a display, and finds its drawing
# program where the package puts it.
line=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/factorix" --calcular '2xe3+0xe2+0x-16')
[[ "$line" == "(x-2) (+2x²+4x+8)" ]] || fail "the packaged program printed: $line"
line=$(env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/factorix" -platform offscreen --version 2>/dev/null | head -1)
[[ "$line" == factorix\ * ]] || fail "the packaged drawing program printed: $line"
echo "check-package.sh: lintian, desktop-file-validate, appstreamcli and man are content"
