#!/usr/bin/env bash
# Builds the picture libraries behind the decoders (libpng, giflib, libjpeg-turbo, libwebp) from
# Debian's own sources, with AddressSanitizer and the fuzzer's coverage hooks, so that fuzzing
# explores their code and catches their out-of-bounds accesses, not only ours. Static libraries,
# headers and pkg-config files go to PREFIX; nothing outside it changes (apt keeps its source
# lists under PREFIX too). A finished PREFIX is reused.
#   fuzz/build_libs.sh <prefix>
set -euo pipefail

prefix=$(realpath -m "${1:?usage: fuzz/build_libs.sh <prefix>}")
[ -f "$prefix/.complete" ] && exit 0
work=$prefix/work
rm -rf "$prefix"
mkdir -p "$work/lists/partial" "$prefix/include" "$prefix/lib"

# Sources of the release this machine runs, fetched by apt into our own folder.
. /etc/os-release
echo "deb-src http://deb.debian.org/debian $VERSION_CODENAME main" >"$work/sources.list"
apt=(apt-get -qq -o "Dir::State::Lists=$work/lists" -o "Dir::Etc::SourceList=$work/sources.list"
     -o Dir::Etc::SourceParts=/nonexistent -o Debug::NoLocking=1)
"${apt[@]}" update
if ! (cd "$work" && "${apt[@]}" source libpng1.6 giflib libjpeg-turbo libwebp) >"$work/source.log" 2>&1
then
  cat "$work/source.log" >&2
  exit 1
fi

export CC=clang
export CFLAGS="-O1 -g -fno-omit-frame-pointer -fsanitize=address,fuzzer-no-link"
jobs=$(nproc)
cmake_lib() {
  local src=$1
  shift
  cmake -S "$src" -B "$src/build" -G Ninja -DCMAKE_BUILD_TYPE=None -DCMAKE_C_FLAGS="$CFLAGS" \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_INSTALL_LIBDIR="$prefix/lib" -DCMAKE_POSITION_INDEPENDENT_CODE=ON \
    "$@" >/dev/null
  cmake --build "$src/build" --parallel "$jobs" >/dev/null
  cmake --install "$src/build" >/dev/null
}

cmake_lib "$(echo "$work"/libpng1.6-*)" -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF
cmake_lib "$(echo "$work"/libjpeg-turbo-*)" -DENABLE_SHARED=OFF -DENABLE_STATIC=ON \
  -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF
cmake_lib "$(echo "$work"/libwebp-*)" -DBUILD_SHARED_LIBS=OFF -DWEBP_BUILD_ANIM_UTILS=OFF \
  -DWEBP_BUILD_CWEBP=OFF -DWEBP_BUILD_DWEBP=OFF -DWEBP_BUILD_GIF2WEBP=OFF \
  -DWEBP_BUILD_IMG2WEBP=OFF -DWEBP_BUILD_VWEBP=OFF -DWEBP_BUILD_WEBPINFO=OFF \
  -DWEBP_BUILD_WEBPMUX=OFF -DWEBP_BUILD_EXTRAS=OFF
gif=$(echo "$work"/giflib-*)
make -C "$gif" -j"$jobs" CC="$CC" CFLAGS="$CFLAGS -std=gnu99 -fPIC" libgif.a >/dev/null
cp "$gif/libgif.a" "$prefix/lib/"
cp "$gif/gif_lib.h" "$prefix/include/"

rm -rf "$work"
touch "$prefix/.complete"
echo "Instrumented picture libraries in $prefix"
