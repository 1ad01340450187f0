#!/usr/bin/env bash
# Builds the Debian package with CPack from the build folder $1 (version $2),
# unpacks it into a temporary root and checks what it installs.
set -euo pipefail
build=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack"; }
deb="$work/out/quillmar_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { ls "$work/out" >&2; fail "no $(basename "$deb")"; }

[ "$(dpkg-deb -f "$deb" Package)" = quillmar ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "version"
depends=$(dpkg-deb -f "$deb" Depends)
for dep in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 qt6-qpa-plugins fonts-liberation; do
  [[ ", $depends," == *", $dep"[\ ,]* ]] || fail "Depends lacks $dep: $depends"
done

root="$work/root"
dpkg-deb -x "$deb" "$root"
for program in Quillmar setup; do
  [ -x "$root/opt/Tolvane/Quillmar/$program" ] || fail "$program not executable"
  [ "$(head -c 4 "$root/opt/Tolvane/Quillmar/$program" | od -An -c | tr -d ' ')" = '177ELF' ] ||
    fail "$program is no program"
done
[ "$(readlink "$root/usr/bin/Quillmar")" = ../../opt/Tolvane/Quillmar/Quillmar ] || fail "Quillmar link"
[ "$(readlink "$root/usr/bin/quillmar-setup")" = ../../opt/Tolvane/Quillmar/setup ] || fail "setup link"
[ -x "$root/usr/bin/Quillmar" ] || fail "Quillmar link does not reach the program"

entry="$root/usr/share/applications/tolvane-quillmar.desktop"
grep -qx 'Exec=/usr/bin/Quillmar %f' "$entry" || fail "desktop entry Exec"
grep -qx 'Exec=/usr/bin/Quillmar /p %f' "$entry" || fail "desktop entry Print action"
grep -qx 'MimeType=application/x-quillmar;' "$entry" || fail "desktop entry MIME type"
grep -qx 'Icon=tolvane-quillmar' "$entry" || fail "desktop entry icon"
grep -q '<glob pattern="\*.qmr"/>' "$root/usr/share/mime/packages/tolvane-quillmar.xml" || fail "MIME glob"
[ -s "$root/usr/share/icons/hicolor/scalable/apps/tolvane-quillmar.svg" ] || fail "svg icon"
png="$root/usr/share/icons/hicolor/48x48/apps/tolvane-quillmar.png"
[ "$(od -An -tx1 -j16 -N8 "$png" | tr -d ' \n')" = 0000003000000030 ] || fail "png icon is not 48 x 48"

# Nothing else: every file of the package is one of these.
expected="./opt/Tolvane/Quillmar/Quillmar
./opt/Tolvane/Quillmar/setup
./usr/bin/Quillmar
./usr/bin/quillmar-setup
./usr/share/applications/tolvane-quillmar.desktop
./usr/share/icons/hicolor/48x48/apps/tolvane-quillmar.png
./usr/share/icons/hicolor/scalable/apps/tolvane-quillmar.svg
./usr/share/mime/packages/tolvane-quillmar.xml"
actual=$(cd "$root" && find . ! -type d | sort)
[ "$actual" = "$expected" ] || fail "package files differ: $actual"
echo "package $(basename "$deb") checked"
