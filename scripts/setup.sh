#!/usr/bin/env bash
# Installs what the project needs, builds it, then runs the explorer or the tests.
#   scripts/setup.sh explorer [explorer arguments...]
#   scripts/setup.sh test [ctest arguments...]
# Environment: BUILD_DIR (default: build), BUILD_TYPE (default: RelWithDebInfo),
#              SANITIZER (address, undefined or address,undefined),
#              SANITIZER_BUILD_DIR (default: build-sanitize), SANITIZER_PASS (default: 1, a second
#              test pass under AddressSanitizer and UndefinedBehaviorSanitizer; 0 skips it).
set -euo pipefail

mode=${1:-}
shift || true
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${BUILD_DIR:-$root/build}
build_type=${BUILD_TYPE:-RelWithDebInfo}

packages=(
  build-essential cmake ninja-build ccache pkg-config
  qtbase5-dev libqt5opengl5-dev libvtk9-dev libvtk9-qt-dev
  libboost-all-dev libeigen3-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev libcsv-dev
  xvfb xauth libgl1-mesa-dri fonts-dejavu-core
)

install_packages() {
  local missing=()
  for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
}

# build DIR [cmake options...]
build() {
  local dir=$1
  shift
  # Paths relative to the checkout, so that every clone shares ccache's results.
  export CCACHE_BASEDIR="$root"
  # Debug information names the build folder; without this every clone would miss the cache.
  export CCACHE_NOHASHDIR=true
  cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$build_type" "$@" >/dev/null
  cmake --build "$dir" -j "$(nproc)"
}

# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer, in a build of
# its own kept lean: no benchmarks, -O1 and line tables only.
sanitizer_pass() {
  local dir=${SANITIZER_BUILD_DIR:-$root/build-sanitize}
  build "$dir" -DSANITIZER=address,undefined -DVANTOR_BUILD_BENCHMARKS=OFF \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" \
    -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG"
  cd "$dir"
  VANTOR_FORCE_XVFB=1 with_display ctest --output-on-failure "$@"
}

with_display() {
  if [ -n "${DISPLAY:-}" ] && [ "${VANTOR_FORCE_XVFB:-0}" != 1 ]; then
    "$@"
  else
    xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
  fi
}

case "$mode" in
  test)
    install_packages
    # Tests hold our code to no warnings.
    build "$build_dir" -DSANITIZER="${SANITIZER:-}" -DVANTOR_WARNINGS_AS_ERRORS=ON
    (
      cd "$build_dir"
      # One display for the whole run: widget and rendering tests need OpenGL.
      VANTOR_FORCE_XVFB=1 with_display ctest --output-on-failure "$@"
    )
    # Memory errors, leaks and undefined behaviour fail the run as surely as a wrong result.
    if [ "${SANITIZER_PASS:-1}" = 1 ] && [ -z "${SANITIZER:-}" ]; then
      sanitizer_pass "$@"
    fi
    ;;
  explorer)
    install_packages
    build "$build_dir" -DSANITIZER="${SANITIZER:-}"
    explorer="$build_dir/apps/explorer/explorer"
    if [ ! -x "$explorer" ]; then
      echo "Built the library; the explorer application is not part of this build yet."
      exit 0
    fi
    if [ -n "${DISPLAY:-}" ]; then
      "$explorer" "$@"
    else
      out="$root/out/sample-export"
      with_display "$explorer" --sample --export "$out" "$@"
      echo "No display: exported the sample project's views to $out"
    fi
    ;;
  *)
    echo "usage: $0 explorer|test [arguments...]" >&2
    exit 2
    ;;
esac
