#!/bin/sh
# Makes the photo folders the gallery benchmark reads (not kept in the repo):
#   DIR/all    200 photos of 4000 × 3000 pixels, every other one with an EXIF thumbnail
#   DIR/exif   the 100 with an EXIF thumbnail
#   DIR/plain  the 100 without
# Needs ImageMagick and exiftool. Usage: make_gallery_photos.sh [DIR] (default /tmp/gallery-bench)
set -eu
dir=${1:-/tmp/gallery-bench}
mkdir -p "$dir/all" "$dir/exif" "$dir/plain"
cd "$dir"
[ -f base.jpg ] || convert -size 1000x750 plasma:fractal -resize 4000x3000! \
  -attenuate 0.3 +noise Gaussian -quality 90 base.jpg
[ -f thumb.jpg ] || convert -size 160x120 plasma:fractal thumb.jpg
if [ ! -f exif.jpg ]; then
  cp base.jpg exif.jpg
  exiftool -q -overwrite_original '-ThumbnailImage<=thumb.jpg' exif.jpg
fi
i=0
while [ $i -lt 200 ]; do
  name=$(printf 'p%03d.jpg' $i)
  if [ $((i % 2)) -eq 0 ]; then src=exif; else src=plain; fi
  [ "$src" = exif ] && from=exif.jpg || from=base.jpg
  # Separate copies, so no two files share cached pages.
  [ -f "all/$name" ] || cp "$from" "all/$name"
  [ -f "$src/$name" ] || cp "$from" "$src/$name"
  i=$((i + 1))
done
echo "$dir"
