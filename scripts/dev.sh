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
# `test` ends with the minutes each step took.
set -euo pipefail

cd "$(dirname "$0")/.."
root=$(pwd)
jobs=$(nproc 2>/dev/null || echo 2)

packages=(
  cmake ninja-build g++ pkg-config clang libclang-rt-14-dev clang-format ccache
  qt6-base-dev qt6-svg-dev libgl-dev libjpeg62-turbo-dev libpng-dev libtiff-dev zlib1g-dev
  libcdio-dev libtag1-dev fonts-liberation2
  libgtest-dev libgmock-dev libbenchmark-dev
  libcups2-dev cups cups-client poppler-utils ghostscript printer-driver-gutenprint
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

# ccache makes a rebuild after a small change, or in a second checkout, cheap.
# Paths inside the checkout are hashed relative to it and the build folder is
# left out of the hash (it only names the debug information's folder), so a
# fresh clone elsewhere finds what an earlier one compiled; the sloppiness lets
# ccache cache compiles that use a precompiled header.
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime

configure() { # build-dir cmake-args...
  local dir=$1
  shift
  local launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S "$root" -B "$dir" -G Ninja "${launcher[@]}" "$@" >/dev/null
}

configure_and_build() { # build-dir cmake-args...
  configure "$@"
  cmake --build "$1" -j "$jobs"
}

# step NAME COMMAND...: runs COMMAND and notes its wall time for the summary.
steps=()
step() {
  local name=$1 start=$SECONDS
  shift
  "$@"
  steps+=("$(printf '%-22s %5d s' "$name" $((SECONDS - start)))")
}
summary() {
  echo "Time by step ($(nproc 2>/dev/null || echo ?) cores):"
  printf '  %s\n' "${steps[@]}"
  printf '  %-22s %5d s\n' total "$SECONDS"
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

fuzz_one() { # fuzzer seconds scratch
  local fuzzer=$1 seconds=$2 scratch=$3
  local name=${fuzzer##*/fuzz_}
  mkdir -p "$scratch/$name"
  # New inputs go to the scratch folder; the committed corpus is only read.
  "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    "$scratch/$name" "$root/fuzz/corpus/$name" 2>"$scratch/$name.log" \
    || { echo "Fuzzing $name failed:"; tail -n 40 "$scratch/$name.log"; return 1; }
  # The speed shows whether the target explores or grinds through pixels.
  local runs speed
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$scratch/$name.log")
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$scratch/$name.log")
  echo "Fuzzed $name for ${seconds}s: ${runs:-?} runs, ${speed:-?} per second"
}

# Each fuzzer is single-threaded: one per core at a time gives every target
# its full time in a fraction of the wall time.
fuzz_smoke() { # build-dir seconds
  local dir=$1 seconds=$2 scratch fuzzer failed=0
  scratch=$(mktemp -d)
  local running=()
  for fuzzer in "$dir"/fuzz/fuzz_*; do
    [ -f "$fuzzer" ] && [ -x "$fuzzer" ] || continue
    if [ ${#running[@]} -ge "$jobs" ]; then
      wait "${running[0]}" || failed=1
      running=("${running[@]:1}")
    fi
    fuzz_one "$fuzzer" "$seconds" "$scratch" &
    running+=($!)
  done
  for pid in "${running[@]}"; do wait "$pid" || failed=1; done
  rm -rf "$scratch"
  return "$failed"
}

case "${1:-}" in
  run)
    shift
    install_missing
    configure_and_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    exec build/bin/lumvane "$@"
    ;;
  test)
    # The minutes by step, also after a failed step.
    trap summary EXIT
    step install install_missing
    step format check_format
    step build configure_and_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMVANE_WERROR=ON
    step tests run_tests build
    # Warnings are errors in the g++ build; the sanitizer build only reports
    # them. Line tables are all the sanitizers' reports need of debug data.
    step "sanitizer build" configure_and_build build-asan -DCMAKE_BUILD_TYPE=Debug \
      -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS_DEBUG=-gline-tables-only \
      -DLUMVANE_SANITIZE=ON -DLUMVANE_FUZZ=ON -DLUMVANE_BENCH=OFF
    # One set of sanitizer options for the tests and the fuzz run alike, so
    # both ignore the same system-library allocations.
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export LSAN_OPTIONS=suppressions="$root/scripts/lsan.supp":print_suppressions=0
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    step "sanitizer tests" run_tests build-asan
    step fuzz fuzz_smoke build-asan "${LUMVANE_FUZZ_SECONDS:-30}"
    ;;
  *)
    sed -n '2,11p' "$0" | sed 's/^# \{0,1\}//'
    exit 2
    ;;
esac
