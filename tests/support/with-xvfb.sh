#!/bin/sh
# Runs a test on a private X server with the xcb platform, as on a user's display.
# usage: with-xvfb.sh <program> [arguments]; exits 77 (skipped) when Xvfb is not installed.
if ! command -v Xvfb >/dev/null 2>&1; then
    echo "SKIP: Xvfb is not installed (Debian package xvfb), so this test cannot run on a real display"
    exit 77
fi
dir=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$dir/display" 2>"$dir/log" &
server=$!
trap 'kill $server 2>/dev/null; wait $server 2>/dev/null; rm -rf "$dir"' EXIT
tries=0
until [ -s "$dir/display" ]; do
    tries=$((tries + 1))
    if [ $tries -gt 300 ] || ! kill -0 $server 2>/dev/null; then
        echo "Xvfb did not start:" >&2
        cat "$dir/log" >&2
        exit 1
    fi
    sleep 0.1
done
DISPLAY=:$(cat "$dir/display") QT_QPA_PLATFORM=xcb "$@"
