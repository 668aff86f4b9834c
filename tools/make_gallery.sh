#!/bin/sh
# Rebuilds the gallery's stamps (data/logo) and backgrounds (data/Backgrounds)
# from the programs in tools/. Usage: tools/make_gallery.sh [BUILD_DIR]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build"}
cmake -S "$root" -B "$build" -DLUMVANE_GALLERY_TOOLS=ON >/dev/null
cmake --build "$build" -j2 --target make_stamps make_backgrounds
rm -f "$root"/data/logo/*.emf "$root"/data/Backgrounds/*.jpg
"$build/tools/make_stamps" "$root/data/logo"
"$build/tools/make_backgrounds" "$root/data/Backgrounds"
