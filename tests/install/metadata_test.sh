#!/bin/sh
# The desktop entry and the AppStream metadata pass their validators (skipped, with a message,
# where a validator is missing); the manual page documents every command-line option.
# usage: metadata_test.sh <source dir>
set -eu
src=$1
status=0
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$src/assets/io.github.tagloom.Tagloom.desktop" || status=1
else
    echo "SKIP: desktop-file-validate is missing (apt-get install desktop-file-utils)"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$src/assets/io.github.tagloom.Tagloom.metainfo.xml" || status=1
else
    echo "SKIP: appstreamcli is missing (apt-get install appstream)"
fi
# The metadata's release is the project's version.
version=$(sed -n 's/^project(Tagloom VERSION \([0-9.]*\).*/\1/p' "$src/CMakeLists.txt")
grep -q "<release version=\"$version\"" "$src/assets/io.github.tagloom.Tagloom.metainfo.xml" ||
    { echo "metainfo has no release $version" >&2; status=1; }
grep -q "\"Tagloom $version\"" "$src/docs/tagloom.1" ||
    { echo "manual page is not for version $version" >&2; status=1; }
# In the page's source every hyphen of an option is written \-.
for option in list search print block insert dry\\-run remove help version; do
    grep -qF -- "\\-\\-$option" "$src/docs/tagloom.1" ||
        { echo "manual page does not document $option" >&2; status=1; }
done
if command -v man >/dev/null; then
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$src/docs/tagloom.1" 2>&1 >/dev/null) || status=1
    if [ -n "$warnings" ]; then echo "$warnings" >&2; status=1; fi
fi
exit $status
