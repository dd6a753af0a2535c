#!/bin/sh
# The layer check must name every wrong include by file and line and pass a tree without one.
# usage: checklayers_test.sh <checklayers.sh> <QtCore header folder>
set -eu
check=$1
qtcore=$2
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}

mkdir -p "$tree/model" "$tree/widgets" "$tree/catalogue" "$tree/webtools/web" "$tree/shell" "$tree/kit"
printf '#include "model/entry.h"\n#include <QString>\n' >"$tree/model/entry.cpp"
printf '#include "platform/twips.h"\n' >"$tree/widgets/box.cpp"
printf '#include "kit/appcontext.h"\n#include "model/entry.h"\n#include "viewer.h"\n' >"$tree/catalogue/viewer.cpp"
printf '#include "webtools/webwindowfactory.h"\n' >"$tree/webtools/web/view.cpp"
printf '#include "catalogue/viewer.h"\n#include "help/frmabout.h"\n' >"$tree/shell/app.cpp"
"$check" "$tree" "$qtcore" >"$tree/out" || fail "a tree that keeps to the layers was rejected: $(cat "$tree/out")"

# One wrong include of each kind.
printf '#include "model/entry.h"\n#include <QWidget>\n' >"$tree/model/entry.cpp"
printf '#include <QString>\n\n#include "kit/windowregistry.h"\n' >"$tree/widgets/box.cpp"
printf '#include "kit/appcontext.h"\n#include "shell/frmmain.h"\n' >"$tree/catalogue/viewer.cpp"
printf '#include "myscripts/slotstore.h"\n' >"$tree/catalogue/other.h"
printf '#include "webtools/frmbrowser.h"\n' >"$tree/webtools/web/view.cpp"
printf '#include "webtools/web/quickview.h"\n' >"$tree/shell/app.cpp"
printf '#include "catalogue/viewer.h"\n' >"$tree/kit/registry.cpp"
if "$check" "$tree" "$qtcore" >"$tree/out"; then
    fail "wrong includes were accepted"
fi
for expected in "model/entry.cpp:2:" "widgets/box.cpp:3:" "catalogue/viewer.cpp:2:" \
    "catalogue/other.h:1:" "webtools/web/view.cpp:1:" "shell/app.cpp:1:" "kit/registry.cpp:1:"; do
    grep -q "^$expected" "$tree/out" || fail "no report for $expected in: $(cat "$tree/out")"
done
[ "$(wc -l <"$tree/out")" -eq 7 ] || fail "expected 7 reports: $(cat "$tree/out")"
echo "PASS"
