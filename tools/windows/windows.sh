#!/usr/bin/env bash
# Cross-builds the Windows version of Velquist and its tests in build-windows/, then packages
# it in dist/ (a zip and an installer). Run through ./dev.sh windows, which installs the tools.
set -euo pipefail
cd "$(dirname "$0")/../.."
. tools/windows/env.sh
start=$SECONDS

tools/windows/build_deps.sh
# The build runs programs under Wine: test discovery and the updater's packer.
velquist_wine_prefix

cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_PREFIX_PATH="$VELQUIST_WINDOWS_DEPS/qt6" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DCMAKE_C_FLAGS_RELEASE="-O2 -DNDEBUG" \
  -DVELQUIST_BUILD_BENCH=OFF -DVELQUIST_WERROR="${VELQUIST_WERROR:-OFF}" >/dev/null
cmake --build build-windows --parallel "$(nproc)"
tools/windows/package.sh build-windows dist
echo "Windows build and packages done in $((SECONDS - start)) s"
