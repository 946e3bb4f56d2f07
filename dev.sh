#!/usr/bin/env bash
# One entry point for a fresh Debian 12 machine:
#   ./dev.sh start   install what is missing, build, start Velquist
#   ./dev.sh test    install what is missing, build, run every test
#   ./dev.sh bench   install what is missing, build, run the benchmarks
#   ./dev.sh build   install what is missing, build
set -euo pipefail
cd "$(dirname "$0")"

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-qpa-plugins libgl-dev
  libpng-dev zlib1g-dev libminizip-dev libgif-dev libjpeg62-turbo-dev libwebp-dev
  libcurl4-openssl-dev libgtest-dev libbenchmark-dev libcpp-httplib-dev
  fonts-wqy-microhei xvfb xauth
)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
  local werror=${VELQUIST_WERROR:-OFF}
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELQUIST_WERROR="$werror" >/dev/null
  cmake --build build --parallel "$(nproc)"
}

cmd=${1:-start}
case "$cmd" in
  start|test|bench|build) ;;
  *) echo "usage: $0 [start|test|bench|build]" >&2; exit 2 ;;
esac

install_missing
build

case "$cmd" in
  start)
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
      echo "No display found: starting Velquist on a virtual screen (xvfb-run)." >&2
      exec xvfb-run -a -s "-screen 0 1920x1080x24" ./build/src/app/velquist
    fi
    exec ./build/src/app/velquist
    ;;
  test)
    cd build && ctest --output-on-failure --parallel "$(nproc)"
    ;;
  bench)
    for b in build/bench/bench_*; do
      [ "$b" = build/bench/bench_bare_window ] && continue  # the start-up reference, below
      echo "== $b"
      "$b" --benchmark_min_time=0.2
    done
    echo "== start-up"
    bench/startup.sh build 10
    ;;
esac
