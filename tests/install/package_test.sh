#!/bin/sh
# Builds the Debian package from a finished build and checks what it ships and what it needs;
# lintian, where installed, must report no errors.
# usage: package_test.sh <build dir>
set -eu
build=$(cd "$1" && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

for tool in cpack dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing (apt-get install dpkg-dev)"; exit 0; }
done
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log" >&2; echo "cpack failed" >&2; exit 1; }
deb=$(ls "$out"/tagloom_*.deb)
echo "built $(basename "$deb")"

dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's#^\./#/#' >"$out/files"
missing=0
for file in \
    /usr/bin/tagloom \
    /usr/lib/tagloom/libtagloom_web.so \
    /usr/lib/tagloom/libtagloom_windows.so \
    /usr/share/tagloom/site/index.html \
    /usr/share/tagloom/scripts/ \
    /usr/share/applications/io.github.tagloom.Tagloom.desktop \
    /usr/share/metainfo/io.github.tagloom.Tagloom.metainfo.xml \
    /usr/share/icons/hicolor/scalable/apps/tagloom.svg \
    /usr/share/icons/hicolor/48x48/apps/tagloom.png \
    /usr/share/man/man1/tagloom.1.gz \
    /usr/share/doc/tagloom/copyright \
    /usr/share/doc/tagloom/changelog.Debian.gz; do
    grep -qxF "$file" "$out/files" || { echo "missing from the package: $file" >&2; missing=1; }
done
# Nothing of the build tree or the developer tools belongs in a user's system.
if grep -E '/(tst_|tagloom_sitegen|tagloom_catalogue_pack|tagloom_startup)' "$out/files"; then
    echo "test or build programs in the package" >&2
    missing=1
fi
[ "$missing" -eq 0 ]

fields=$(dpkg-deb -f "$deb" Package Version Depends)
echo "$fields"
echo "$fields" | grep -qx 'Package: tagloom'
echo "$fields" | grep -q '^Version: [0-9]'
for need in libqt6widgets6 libqt6sql6-sqlite libqt6webenginecore6-bin; do
    echo "$fields" | grep -q "$need" || { echo "Depends lacks $need" >&2; exit 1; }
done

if command -v lintian >/dev/null; then
    # Errors fail the test; warnings and notes are shown for the record.
    lintian --no-tag-display-limit "$deb" | tee "$out/lintian.log" || true
    if grep -q '^E:' "$out/lintian.log"; then
        echo "lintian reports errors" >&2
        exit 1
    fi
else
    echo "lintian is not installed: its check was skipped"
fi
echo "package ok"
