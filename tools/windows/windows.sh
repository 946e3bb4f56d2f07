#!/usr/bin/env bash
# Cross-builds the Windows version of Velquist and its tests in build-windows/ (CMake's "windows"
# preset), then packages it in dist/ with CPack: a zip and an installer. Run through
# ./dev.sh windows, which installs the tools.
set -euo pipefail
cd "$(dirname "$0")/../.."
. tools/windows/env.sh
start=$SECONDS

tools/windows/build_deps.sh
# The build runs programs under Wine: test discovery and the updater's packer.
velquist_wine_prefix
trap 'velquist_wineserver -k 2>/dev/null || true' EXIT

cmake --preset windows -DVELQUIST_WERROR="${VELQUIST_WERROR:-OFF}" >/dev/null
cmake --build --preset windows --parallel "$(nproc)"
mkdir -p dist
(cd build-windows && cpack -B "$PWD/../dist/cpack")
for f in dist/cpack/velquist-*-windows-x64.zip dist/cpack/velquist-*-setup.exe; do
  mv "$f" dist/
  echo "$(du -h "dist/${f##*/}" | cut -f1)	dist/${f##*/}"
done
rm -rf dist/cpack
echo "Windows build and packages done in $((SECONDS - start)) s"
