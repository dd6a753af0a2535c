#!/bin/sh
# Installs the build into a scratch prefix and checks that the installed program starts and
# finds its data folder there, not in the build tree.
# usage: install_test.sh <build dir> <startup probe>
set -eu
build=$1
probe=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
test -x "$prefix/bin/tagloom"
test -f "$prefix/share/applications/io.github.tagloom.Tagloom.desktop"
test -f "$prefix/share/metainfo/io.github.tagloom.Tagloom.metainfo.xml"
test -f "$prefix/share/man/man1/tagloom.1.gz"
test -f "$prefix/share/icons/hicolor/scalable/apps/tagloom.svg"
test -f "$prefix/share/tagloom/site/index.html"
test -d "$prefix/share/tagloom/site/tagloom/samples/StatusBar"
# The probe is the program stopped at its first idle moment; run it from the installed bin/.
cp "$probe" "$prefix/bin/"
out=$(QT_QPA_PLATFORM=offscreen "$prefix/bin/$(basename "$probe")")
echo "$out"
case "$out" in
*"ready=1"*"data=$prefix/share/tagloom"*) ;;
*)
    echo "installed program did not start from its own data folder" >&2
    exit 1
    ;;
esac
# Its command line answers from the installed program alone.
"$prefix/bin/tagloom" --print "Falling Text" --block 2 | grep -q .
# And the real program itself starts and keeps running (its windows are a module beside it).
QT_QPA_PLATFORM=offscreen timeout 3 "$prefix/bin/tagloom" && status=0 || status=$?
[ "$status" -eq 124 ] || { echo "installed tagloom exited early ($status)" >&2; exit 1; }
echo "install ok"
