#!/bin/sh
# Takes the manual's screenshots (data/manual/images) from the real program
# under a virtual display. Needs Xvfb, xdotool and ImageMagick.
# Usage: tools/make_manual_screenshots.sh [BUILD_DIR]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build"}
out="$root/data/manual/images"
display=:33
mkdir -p "$out"
home=$(mktemp -d)
cp -r "$build/bin/." "$home/"
Xvfb $display -screen 0 1280x860x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $app 2>/dev/null || true; kill $xvfb; rm -rf "$home"' EXIT
sleep 1
export DISPLAY=$display HOME="$home" XDG_CONFIG_HOME="$home/.config"
start() { # [project]
    "$home/lumvane" "$@" >/dev/null 2>&1 &
    app=$!
    sleep 4
    win=$(xdotool search --sync --onlyvisible --class "lumvane" | head -1)
    xdotool windowmove "$win" 0 0 windowsize "$win" 1280 860
    sleep 2
    xdotool key Escape # the tip of the day
    sleep 1
}
shot() { # name [crop]
    import -window root "$home/shot.png"
    convert "$home/shot.png" ${2:+-crop "$2" +repage} -resize '900x>' -colors 96 "$out/$1.png"
}
start
shot main-window
# The gallery's Backgrounds tab.
xdotool mousemove 218 130 click 1
sleep 4
shot gallery 300x860+0+0
# The track information dialog, from its tool-bar button (the Edit menu's
# enabled items change as commands arrive; the button stays in its place).
xdotool mousemove 420 37 click 1
sleep 2
shot tracks
kill $app; sleep 1
# A project with shapes and text on the disc.
start "$root/tests/data/disc_shapes_text.dwp"
shot objects
