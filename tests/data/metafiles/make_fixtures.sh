#!/usr/bin/env bash
# Makes the metafile fixtures with independent producers and the reference
# renderings with an independent renderer (Debian 12 packages: inkscape,
# libreoffice-draw-nogui, gnuplot-nox). Run from this folder; the outputs are
# committed, so the tests need none of these programs.
set -euo pipefail
export HOME=${HOME:-/tmp}

inkscape logo.svg --export-type=emf --export-filename=logo_inkscape.emf
inkscape logo.svg --export-type=wmf --export-filename=logo_inkscape.wmf
soffice --headless --convert-to wmf --outdir lo logo.svg && mv lo/logo.wmf logo_libreoffice.wmf
soffice --headless --convert-to emf --outdir lo text.svg && mv lo/text.emf text_libreoffice.emf
rmdir lo
gnuplot chart.gp

# References: Inkscape's metafile import rendered at 96 and 192 dots per inch
# on white.
for f in text_libreoffice.emf logo_libreoffice.wmf chart_gnuplot.emf logo_inkscape.emf \
         logo_inkscape.wmf; do
  b=${f%.*}_${f##*.}
  inkscape "$f" --export-type=png --export-background=white --export-background-opacity=1 \
    --export-filename="ref_${b}_1x.png"
  inkscape "$f" --export-type=png --export-dpi=192 --export-background=white \
    --export-background-opacity=1 --export-filename="ref_${b}_2x.png"
done

# SVG drawings (recorded into enhanced metafiles by Lumvane) against Inkscape's
# own rendering of the SVG.
for f in logo badge; do
  inkscape "$f.svg" --export-type=png --export-background=white --export-background-opacity=1 \
    --export-filename="ref_${f}_svg_1x.png"
  inkscape "$f.svg" --export-type=png --export-dpi=192 --export-background=white \
    --export-background-opacity=1 --export-filename="ref_${f}_svg_2x.png"
done

# SVG text (text.svg; label_mm.svg, sized in millimetres) against librsvg's
# rendering of the SVG (Debian 12: librsvg2-bin), at 96 dots per inch and
# twice that.
for f in text label_mm; do
  rsvg-convert -b white "$f.svg" -o "ref_${f}_svg_1x.png"
  rsvg-convert -b white -z 2 "$f.svg" -o "ref_${f}_svg_2x.png"
done
