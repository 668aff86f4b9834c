#!/usr/bin/env bash
# Lumvane's one entry point for developers and CI on Debian 12.
#
#   scripts/dev.sh run [ARGS...]  install what is missing, build, start the program
#   scripts/dev.sh test           install what is missing, build, run every test:
#                                 the normal build, then the address/undefined
#                                 sanitizer build (clang) with a short fuzz run
#
# Installing asks apt only for packages that are not there yet, so a second
# run is quiet. Build trees: build/ (normal) and build-asan/ (sanitizers).
set -euo pipefail

cd "$(dirname "$0")/.."
root=$(pwd)
jobs=$(nproc 2>/dev/null || echo 2)

packages=(
  cmake ninja-build g++ pkg-config clang libclang-rt-14-dev clang-format ccache
  qt6-base-dev qt6-svg-dev libgl-dev libjpeg62-turbo-dev libpng-dev libtiff-dev zlib1g-dev
  libcdio-dev libtag1-dev libuemf-dev fonts-liberation2
  libgtest-dev libgmock-dev libbenchmark-dev
  libcups2-dev cups cups-client poppler-utils ghostscript
  libexif-dev libimage-exiftool-perl libturbojpeg0-dev libjpeg-turbo-progs librsvg2-bin
  xvfb xdotool imagemagick
  qt6-l10n-tools qt6-tools-dev qt6-tools-dev-tools qt6-translations-l10n
  desktop-file-utils appstream shared-mime-info xdg-utils libfile-mimeinfo-perl lintian dpkg-dev file
  libdiscid-dev flac vorbis-tools opus-tools lame ffmpeg id3v2
)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
}

configure_and_build() { # build-dir cmake-args...
  local dir=$1
  shift
  # ccache makes a rebuild after a small change, or in a second checkout, cheap.
  local launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S "$root" -B "$dir" -G Ninja "${launcher[@]}" "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
}

# Every tracked C++ file must be as clang-format leaves it.
check_format() {
  local files
  mapfile -t files < <(git -C "$root" ls-files '*.cpp' '*.h')
  (cd "$root" && clang-format --dry-run --Werror "${files[@]}")
}

run_tests() { # build-dir
  ctest --test-dir "$1" -j "$jobs" --output-on-failure --timeout 300
}

fuzz_smoke() { # build-dir seconds
  local dir=$1 seconds=$2 scratch
  scratch=$(mktemp -d)
  for fuzzer in "$dir"/fuzz/fuzz_*; do
    [ -f "$fuzzer" ] && [ -x "$fuzzer" ] || continue
    local name=${fuzzer##*/fuzz_}
    mkdir -p "$scratch/$name"
    # New inputs go to the scratch folder; the committed corpus is only read.
    "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      "$scratch/$name" "$root/fuzz/corpus/$name" 2>"$scratch/$name.log" \
      || { tail -n 40 "$scratch/$name.log"; return 1; }
    # The speed shows whether the target explores or grinds through pixels.
    local runs speed
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$scratch/$name.log")
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$scratch/$name.log")
    echo "Fuzzed $name for ${seconds}s: ${runs:-?} runs, ${speed:-?} per second"
  done
  rm -rf "$scratch"
}

case "${1:-}" in
  run)
    shift
    install_missing
    configure_and_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    exec build/bin/lumvane "$@"
    ;;
  test)
    install_missing
    check_format
    configure_and_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMVANE_WERROR=ON
    run_tests build
    # Warnings are errors in the g++ build; the sanitizer build only reports them.
    configure_and_build build-asan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
      -DLUMVANE_SANITIZE=ON -DLUMVANE_FUZZ=ON -DLUMVANE_BENCH=OFF
    # One set of sanitizer options for the tests and the fuzz run alike, so
    # both ignore the same system-library allocations.
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export LSAN_OPTIONS=suppressions="$root/scripts/lsan.supp":print_suppressions=0
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    run_tests build-asan
    fuzz_smoke build-asan "${LUMVANE_FUZZ_SECONDS:-30}"
    ;;
  *)
    sed -n '2,11p' "$0" | sed 's/^# \{0,1\}//'
    exit 2
    ;;
esac
