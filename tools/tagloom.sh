#!/bin/sh
# Sets up a fresh Debian 12 machine, builds Tagloom, then runs it or its tests.
# usage: tools/tagloom.sh run | test
set -eu
cd "$(dirname "$0")/.."

action=${1:-run}
case "$action" in
run | test) ;;
*)
    echo "usage: $0 run | test" >&2
    exit 2
    ;;
esac

packages="cmake ninja-build g++ lld pkg-config qt6-base-dev qt6-base-private-dev libqt6sql6-sqlite libgl-dev
qt6-webengine-dev libqt6webenginecore6-bin qt6-tools-dev qt6-l10n-tools xvfb xauth imagemagick util-linux
dpkg-dev file lintian appstream desktop-file-utils man-db"

missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing="$missing $package"
    fi
done
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    if [ "$(id -u)" -eq 0 ]; then
        as_root=""
    else
        as_root="sudo"
    fi
    $as_root apt-get update
    # shellcheck disable=SC2086
    $as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --parallel "$(nproc)"

if [ "$action" = run ]; then
    exec build/bin/tagloom
fi
# Three tests a processor: most of them spend their time waiting for the browser engine's timers,
# for other processes or for the display, not computing (on 2 processors: 72 s one test a
# processor, 49 s three).
exec ctest --test-dir build --output-on-failure --parallel "$(($(nproc) * 3))"
