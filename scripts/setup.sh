#!/usr/bin/env bash
# Installs what the project needs, builds it, then runs the explorer or the tests.
#   scripts/setup.sh explorer [explorer arguments...]
#   scripts/setup.sh test [ctest arguments...]
# Environment: BUILD_DIR (default: build), BUILD_TYPE (default: RelWithDebInfo),
#              SANITIZER (address, undefined or address,undefined).
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
  googletest libgtest-dev libgmock-dev libbenchmark-dev
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

build() {
  # Paths relative to the checkout, so that every clone shares ccache's results.
  export CCACHE_BASEDIR="$root"
  # Debug information names the build folder; without this every clone would miss the cache.
  export CCACHE_NOHASHDIR=true
  cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE="$build_type" \
    -DSANITIZER="${SANITIZER:-}" >/dev/null
  cmake --build "$build_dir" -j "$(nproc)"
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
    build
    cd "$build_dir"
    # One display for the whole run: widget and rendering tests need OpenGL.
    VANTOR_FORCE_XVFB=1 with_display ctest --output-on-failure "$@"
    ;;
  explorer)
    install_packages
    build
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
