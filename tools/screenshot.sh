#!/bin/sh
# Starts the program under a virtual X server and saves a PNG of the whole screen.
# usage: tools/screenshot.sh [program] [output.png] [seconds to wait]
set -eu
program=${1:-build/bin/tagloom}
output=${2:-screenshot.png}
wait=${3:-3}
command -v Xvfb >/dev/null || { echo "Xvfb is missing (apt-get install xvfb)" >&2; exit 1; }
command -v import >/dev/null || { echo "ImageMagick's import is missing (apt-get install imagemagick)" >&2; exit 1; }
display=:$((90 + $$ % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$app" "$xvfb" 2>/dev/null || true' EXIT
sleep 1
DISPLAY=$display QT_QPA_PLATFORM=xcb "$program" &
app=$!
sleep "$wait"
DISPLAY=$display import -window root "$output"
echo "saved $output"
