#!/usr/bin/env bash
# One entry point for a fresh Debian 12 machine:
#   ./dev.sh start   install what is missing, build, start Velquist on the sample banner
#   ./dev.sh test    install what is missing, build, run every test
#   ./dev.sh bench   install what is missing, build, run the benchmarks
#   ./dev.sh build   install what is missing, build
#   ./dev.sh sanitize  build the Qt-free code with AddressSanitizer and UndefinedBehaviorSanitizer
#                      (clang, in build-sanitize/) and run its tests
#   ./dev.sh fuzz [S]  that build's fuzz targets, each for S seconds (default 60), two at a time
#   ./dev.sh portable  build the editor with the portable blend kernel only (in build-portable/)
#                      and run its tests, as on a processor without AVX2
#   ./dev.sh format [fix]  check the C++ files against .clang-format, or rewrite them
#   ./dev.sh windows   cross-build the Windows version (in build-windows/) and package it in dist/:
#                      the libraries are built once from Debian's sources into
#                      ${VELQUIST_WINDOWS_CACHE:-~/.cache/velquist-windows}
#   ./dev.sh windows-test  that build's tests under Wine, and the packaged program's smoke test
set -euo pipefail
cd "$(dirname "$0")"

# What each command needs, one list per need; a command installs only its lists.
compiler_and_libraries=(
  build-essential cmake ninja-build pkg-config
  libpng-dev zlib1g-dev libminizip-dev libgif-dev libjpeg62-turbo-dev libwebp-dev
  libcurl4-openssl-dev libssl-dev libxml2-dev nlohmann-json3-dev
  libgtest-dev libcpp-httplib-dev
)
qt_and_benchmarks=(
  qt6-base-dev qt6-qpa-plugins qt6-translations-l10n libgl-dev fonts-wqy-microhei libbenchmark-dev
)
virtual_screen=(xvfb xauth)  # starting without a display
sanitizers=(clang libclang-rt-14-dev llvm-14)
formatter=(clang-format-14)

# What the Windows cross-build needs (the host's Qt provides moc, rcc and uic for it).
windows_packages=(
  cmake ninja-build pkg-config dpkg-dev zip unzip nsis zstd
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-x86-64-dev libz-mingw-w64-dev
  wine64 libwine qt6-base-dev qt6-translations-l10n googletest
  xvfb xauth xdotool xclip fonts-wqy-microhei python3
)

install_missing() {
  local missing=()
  for p in "$@"; do
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
  cmake --preset default -DVELQUIST_WERROR="${VELQUIST_WERROR:-OFF}"
  cmake --build --preset default --parallel "$(nproc)"
}

# Without the AVX2 kernel, as on other processors: the editor and its tests only, to stay quick.
portable_build() {
  cmake --preset portable -DVELQUIST_WERROR="${VELQUIST_WERROR:-OFF}"
  cmake --build --preset portable --parallel "$(nproc)"
}

# Every tracked C++ file against .clang-format.
check_format() {
  local files=()
  mapfile -t files < <(git ls-files '*.h' '*.cpp')
  if [ "${1:-}" = fix ]; then
    clang-format-14 -i "${files[@]}"
  elif ! clang-format-14 --dry-run --Werror "${files[@]}"; then
    echo "The files above differ from .clang-format; './dev.sh format fix' rewrites them." >&2
    exit 1
  fi
}

# One clang build serves both the sanitized tests and the fuzz targets. Both use the picture
# libraries built from source with the same instrumentation, when their sources can be fetched.
sanitize_build() {
  local werror=${VELQUIST_WERROR:-OFF}
  local libs=$PWD/build-sanitize/picture-libs
  local use_libs=()
  if fuzz/build_libs.sh "$libs"; then
    use_libs=(-DCMAKE_PREFIX_PATH="$libs")
    export PKG_CONFIG_PATH="$libs/lib/pkgconfig"
  else
    echo "The picture libraries could not be built from source: the system's are used," \
         "and fuzzing sees only our side of them." >&2
  fi
  cmake --preset sanitize -DVELQUIST_WERROR="$werror" "${use_libs[@]}"
  cmake --build --preset sanitize --parallel "$(nproc)"
}

cmd=${1:-start}
case "$cmd" in
  start) install_missing "${compiler_and_libraries[@]}" "${qt_and_benchmarks[@]}" \
           "${virtual_screen[@]}" ;;
  test|bench|build) install_missing "${compiler_and_libraries[@]}" "${qt_and_benchmarks[@]}" ;;
  sanitize|fuzz) install_missing "${compiler_and_libraries[@]}" "${sanitizers[@]}" ;;
  portable) install_missing "${compiler_and_libraries[@]}" ;;
  format) install_missing "${formatter[@]}" ;;
  windows|windows-test)
    install_missing "${windows_packages[@]}"
    exec tools/windows/"$cmd".sh
    ;;
  *) echo "usage: $0 [start|test|bench|build|sanitize|fuzz [seconds]|portable|format [fix]|windows|windows-test]" >&2
     exit 2 ;;
esac

case "$cmd" in
  sanitize|fuzz) sanitize_build ;;
  portable) portable_build ;;
  format) check_format "${2:-}" ;;
  *) build ;;
esac

case "$cmd" in
  start)
    # Opens the sample shop banner, so there is a picture to put hotspots on without a network.
    sample=$PWD/resources/sample-banner.png
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
      echo "No display found: starting Velquist on a virtual screen (xvfb-run)." >&2
      exec xvfb-run -a -s "-screen 0 1920x1080x24" ./build/src/app/velquist "$sample"
    fi
    exec ./build/src/app/velquist "$sample"
    ;;
  test)
    ctest --preset default --parallel "$(nproc)"
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
  sanitize)
    if [ -x /usr/bin/llvm-symbolizer-14 ]; then
      export ASAN_SYMBOLIZER_PATH=/usr/bin/llvm-symbolizer-14
    fi
    ctest --preset sanitize --parallel "$(nproc)"
    ;;
  fuzz)
    fuzz/run.sh build-sanitize "${2:-60}"
    ;;
  portable)
    ctest --preset portable --parallel "$(nproc)"
    ;;
esac
