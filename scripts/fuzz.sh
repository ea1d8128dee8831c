#!/usr/bin/env bash
# Builds one libFuzzer target with clang, AddressSanitizer and UndefinedBehaviorSanitizer, and
# runs it for a number of seconds.
#   scripts/fuzz.sh csv-import|project-document|views-document SECONDS [libFuzzer options...]
# Environment: FUZZ_BUILD_DIR (default: build-fuzz).
# The corpus grows in FUZZ_BUILD_DIR/corpus/TARGET, seeded from tests/data and fuzz/seeds;
# findings (crash-*, leak-*, timeout-*, oom-*) land in FUZZ_BUILD_DIR/findings/TARGET. Each
# finding becomes a regression case in the normal test suite, its input under tests/data.
set -euo pipefail

usage() {
  echo "usage: $0 csv-import|project-document|views-document SECONDS [libFuzzer options...]" >&2
  exit 2
}

target=${1:-}
seconds=${2:-}
shift 2 || usage
[[ "$seconds" =~ ^[0-9]+$ ]] || usage
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
case "$target" in
  csv-import) seeds=("$root/tests/data/csv" "$root/tests/data/fuzz/csv" "$root/fuzz/seeds/csv") ;;
  project-document) seeds=("$root/tests/data/fuzz/project" "$root/fuzz/seeds/project") ;;
  views-document) seeds=("$root/tests/data/fuzz/views" "$root/fuzz/seeds/views") ;;
  *) usage ;;
esac
binary=fuzz_${target//-/_}
build_dir=${FUZZ_BUILD_DIR:-$root/build-fuzz}

export CCACHE_BASEDIR="$root"
export CCACHE_NOHASHDIR=true
CC=clang CXX=clang++ cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DSANITIZER=address,undefined -DVANTOR_BUILD_FUZZERS=ON -DVANTOR_BUILD_TESTS=OFF \
  -DVANTOR_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build_dir" --target "$binary"

corpus="$build_dir/corpus/$target"
findings="$build_dir/findings/$target"
mkdir -p "$corpus" "$findings"
export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$root/tests/support/lsan.supp"
export ASAN_OPTIONS="detect_leaks=1"
"$build_dir/fuzz/$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 \
  -print_final_stats=1 -artifact_prefix="$findings/" "$@" "$corpus" "${seeds[@]}"
