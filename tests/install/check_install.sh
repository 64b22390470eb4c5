#!/usr/bin/env bash
# Installs the build into a scratch folder and builds its Debian package, then checks both.
#   check_install.sh BUILD_DIR WORK_DIR
set -euo pipefail
build=$1
work=$2
rm -rf "$work"
mkdir -p "$work"

passes=0
failures=0
check() { # description, command...
    local what=$1
    shift
    if "$@"; then
        echo "ok: $what"
        passes=$((passes + 1))
    else
        echo "FAIL: $what"
        failures=$((failures + 1))
    fi
}

cmake --install "$build" --prefix "$work/root/usr" >/dev/null
installed=(
    usr/bin/eserciziario
    usr/share/applications/org.eserciziario.Eserciziario.desktop
    usr/share/metainfo/org.eserciziario.Eserciziario.metainfo.xml
    usr/share/icons/hicolor/scalable/apps/org.eserciziario.Eserciziario.svg
    usr/share/doc/eserciziario/copyright
)
for file in "${installed[@]}"; do
    check "installs $file" test -s "$work/root/$file"
done
check "the program is executable" test -x "$work/root/usr/bin/eserciziario"
check "the metadata names the program's licence" \
    grep -q '<project_license>GPL-3.0-or-later</project_license>' \
    "$work/root/usr/share/metainfo/org.eserciziario.Eserciziario.metainfo.xml"
check "the copyright file names the program's licence" \
    grep -qx 'License: GPL-3.0-or-later' "$work/root/usr/share/doc/eserciziario/copyright"
check "the desktop entry starts the installed program" \
    grep -qx 'Exec=eserciziario' "$work/root/usr/share/applications/org.eserciziario.Eserciziario.desktop"

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null)
deb=$(ls "$work"/package/eserciziario_*_*.deb)
field() { dpkg-deb -f "$deb" "$1"; }
check "package name" test "$(field Package)" = eserciziario
check "section education" test "$(field Section)" = education
for dependency in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 qt6-qpa-plugins; do
    check "depends on $dependency" grep -q "\b$dependency\b" <<<"$(field Depends)"
done
contents=$(dpkg-deb -c "$deb")
for file in "${installed[@]}"; do
    check "package holds $file" grep -q "\./$file\$" <<<"$contents"
done

echo "$passes passed, $failures failed"
exit $((failures > 0))
