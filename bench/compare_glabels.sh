#!/bin/sh
# Makes the PDF of one disc sheet (two 120 mm discs on A4, a 12-megapixel
# photo background and four text lines) with Lumvane and with gLabels
# (glabels-3-batch) in the same run, and prints the time and size of each.
# Installs gLabels when it is missing (needs root or sudo); nothing else in
# the build installs it. Usage: bench/compare_glabels.sh [BUILD_DIR]
set -eu
build=${1:-build}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

if ! command -v glabels-3-batch >/dev/null; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get install -y --no-install-recommends glabels >/dev/null
fi

# Lumvane: the benchmark writes its PDF and the photo it used.
LUMVANE_BENCH_OUT=$out "$build/bench/bench_print" --benchmark_filter='keep_jpeg:1' \
  --benchmark_repetitions=3 --benchmark_report_aggregates_only=true | tee "$out/lumvane.txt"

# gLabels: the same sheet (two 120 mm discs, 15 mm hole, on A4 at 45 mm from
# the left and 20 mm / 155 mm from the top), the photo and four text lines.
cat >"$out/sheet.glabels" <<XML
<?xml version="1.0" encoding="UTF-8"?>
<Glabels-document xmlns="http://glabels.org/xmlns/3.0/">
  <Template brand="Lumvane" part="Plain disc A4" size="A4" description="Two discs">
    <Meta category="label"/>
    <Label-cd id="0" radius="60mm" hole="7.5mm" waste="0mm">
      <Layout nx="1" ny="2" x0="45mm" y0="20mm" dx="0mm" dy="135mm"/>
    </Label-cd>
  </Template>
  <Objects id="0" rotate="False">
    <Object-image x="0mm" y="0mm" w="120mm" h="120mm" src="$out/photo.jpg"/>
    <Object-text x="25mm" y="15mm" w="70mm" h="7mm" justify="Left" valign="Top" auto_shrink="False">
      <Span font_family="Liberation Sans" font_size="14" font_weight="Regular" font_italic="False" color="0xffffffff">unknown title</Span>
    </Object-text>
    <Object-text x="25mm" y="23mm" w="70mm" h="7mm" justify="Left" valign="Top" auto_shrink="False">
      <Span font_family="Liberation Sans" font_size="14" font_weight="Regular" font_italic="False" color="0xffffffff">unknown artist</Span>
    </Object-text>
    <Object-text x="25mm" y="31mm" w="70mm" h="7mm" justify="Left" valign="Top" auto_shrink="False">
      <Span font_family="Liberation Sans" font_size="14" font_weight="Regular" font_italic="False" color="0xffffffff">Recorded live, 2026</Span>
    </Object-text>
    <Object-text x="25mm" y="39mm" w="70mm" h="7mm" justify="Left" valign="Top" auto_shrink="False">
      <Span font_family="Liberation Sans" font_size="14" font_weight="Regular" font_italic="False" color="0xffffffff">Lumvane test sheet</Span>
    </Object-text>
  </Objects>
</Glabels-document>
XML
start=$(date +%s.%N)
glabels-3-batch --output="$out/glabels.pdf" --sheets=1 "$out/sheet.glabels" >/dev/null 2>&1
end=$(date +%s.%N)

# A sheet without the picture would make gLabels look fast: refuse to compare.
if ! pdfimages -list "$out/glabels.pdf" | tail -n +3 | grep -q .; then
  echo "gLabels drew no picture from $out/sheet.glabels; no comparison" >&2
  exit 1
fi

lumvane_ms=$(awk '/BM_DiscSheetPdf.*_median/ {print $2; exit}' "$out/lumvane.txt")
glabels_ms=$(echo "($end - $start) * 1000" | bc)
lumvane_bytes=$(stat -c %s "$out/lumvane.pdf")
glabels_bytes=$(stat -c %s "$out/glabels.pdf")
printf '%-8s %10s ms %12s bytes\n' Lumvane "$lumvane_ms" "$lumvane_bytes" gLabels \
  "$(printf '%.0f' "$glabels_ms")" "$glabels_bytes"
echo "time ratio: $(echo "scale=3; $lumvane_ms / $glabels_ms" | bc), size ratio: $(echo "scale=3; $lumvane_bytes / $glabels_bytes" | bc)"
