#!/usr/bin/env bash
# Builds the libraries the Windows version links (Qt, the picture libraries, curl with Schannel,
# libxml2, nlohmann-json, minizip, googletest, cpp-httplib's header) from Debian's own sources with mingw-w64, into
#   ${VELQUIST_WINDOWS_CACHE:-~/.cache/velquist-windows}/win64
# Each library is built once: a stamp keyed on its source version and its build flags says it is
# there, so a second run only checks the stamps. Sources and build trees are removed afterwards.
#   tools/windows/build_deps.sh [library...]     (default: all)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
cache=${VELQUIST_WINDOWS_CACHE:-$HOME/.cache/velquist-windows}
prefix=$cache/win64
work=$cache/work
stamps=$prefix/.stamps
toolchain=$repo/cmake/mingw-w64-x86_64.cmake
jobs=${VELQUIST_JOBS:-$(nproc)}
archive=${VELQUIST_WINDOWS_LIBS_ARCHIVE:-$repo/../shared/windows-libs/win64.tar.zst}
export VELQUIST_WINDOWS_DEPS=$prefix

log() { echo "[$(date +%H:%M:%S)] $*"; }

# An empty cache starts from the prebuilt archive beside the project, when its checksum is the
# one its README names; the stamps below then rebuild only what no longer matches.
unpack_prebuilt() {
  local readme want old
  readme=$(dirname "$archive")/README.md
  [ -f "$archive" ] && [ -f "$readme" ] || return 0
  want=$(sed -n 's/^- Archive sha256: *\([0-9a-f]\{64\}\).*/\1/p' "$readme")
  if [ "$(sha256sum "$archive" | cut -d' ' -f1)" != "$want" ]; then
    log "not using $archive: its checksum differs from the one in $readme"
    return 0
  fi
  log "unpacking the prebuilt libraries from $archive"
  mkdir -p "$cache"
  zstd -dc "$archive" | tar -xf - -C "$cache"
  # The archive's CMake and pkg-config files name the folder it was built in.
  old=$(sed -n 's/^prefix=\(\/.*\)$/\1/p' "$prefix/lib/pkgconfig/libpng.pc" 2>/dev/null | head -1)
  if [ -n "$old" ] && [ "$old" != "$prefix" ]; then
    grep -rlIF "$old" "$prefix" | while IFS= read -r f; do sed -i "s|$old|$prefix|g" "$f"; done
  fi
}
[ -n "$(ls -A "$stamps" 2>/dev/null)" ] || unpack_prebuilt
mkdir -p "$stamps" "$prefix/include" "$prefix/lib/pkgconfig"

# Debian source package version, from a private apt list (fetched once per run).
apt_ready=
apt_src() {
  if [ -z "$apt_ready" ]; then
    mkdir -p "$cache/apt/lists/partial"
    . /etc/os-release
    echo "deb-src http://deb.debian.org/debian $VERSION_CODENAME main" >"$cache/apt/sources.list"
    # The lists are fetched once per cache: a rerun needs no network when nothing changed.
    ls "$cache/apt/lists/"*Sources* >/dev/null 2>&1 || "${apt[@]}" update
    apt_ready=1
  fi
}
apt=(apt-get -qq -o "Dir::State::Lists=$cache/apt/lists" -o "Dir::Etc::SourceList=$cache/apt/sources.list"
     -o Dir::Etc::SourceParts=/nonexistent -o Debug::NoLocking=1 -o APT::Sandbox::User=root)
source_version() {
  "${apt[0]/apt-get/apt-cache}" "${apt[@]:2}" showsrc "$1" 2>/dev/null | awk '/^Version:/ {print $2; exit}'
}
fetch_source() {  # fetch_source <package> <key> -> prints the unpacked folder
  local pkg=$1 key=$2 dir
  # An interrupted build of the same version and flags goes on where it stopped.
  if [ "$(cat "$work/$pkg/.key" 2>/dev/null)" = "$key" ]; then
    for dir in "$work/$pkg"/*/; do echo "${dir%/}"; return 0; done
  fi
  rm -rf "$work/$pkg" && mkdir -p "$work/$pkg"
  if ! (cd "$work/$pkg" && "${apt[@]}" source "$pkg") >"$work/$pkg.log" 2>&1; then
    cat "$work/$pkg.log" >&2
    return 1
  fi
  echo "$key" >"$work/$pkg/.key"
  for dir in "$work/$pkg"/*/; do echo "${dir%/}"; return 0; done
}

# key <name> <version> <flags...>: the stamp's content; builds run only when it changed.
stamp_key() { local name=$1; shift; printf '%s\n' "$@" "$(sha256sum "$toolchain" | cut -c1-16)" | sha256sum | cut -c1-16; }
is_built() { [ -f "$stamps/$1" ] && [ "$(cat "$stamps/$1")" = "$2" ]; }
mark_built() { echo "$2" >"$stamps/$1"; }

cmake_lib() {  # cmake_lib <source> <cmake args...>
  cmake_build "$@" -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_INSTALL_LIBDIR="$prefix/lib"
}
cmake_build() {  # cmake_build <source> <cmake args...>: configure, build, install
  local src=$1
  shift
  # Configured once: configuring Qt's tree again would rebuild most of it.
  if [ ! -f "$src/build-win64/.configured" ]; then
    cmake -S "$src" -B "$src/build-win64" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$toolchain" "$@" >"$src.configure.log" 2>&1 ||
      { cat "$src.configure.log" >&2; return 1; }
    touch "$src/build-win64/.configured"
  fi
  cmake --build "$src/build-win64" --parallel "$jobs" >"$src.build.log" 2>&1 ||
    { tail -50 "$src.build.log" >&2; return 1; }
  cmake --install "$src/build-win64" >/dev/null
}

# One library: <name> <debian source package> <function building it in $1> <flags for the key...>
build_one() {
  local name=$1 pkg=$2 fn=$3
  shift 3
  local version key
  if [ "$pkg" = "-" ]; then version=local; else version=$(source_version "$pkg"); fi
  [ -n "$version" ] || { echo "No Debian source found for $pkg" >&2; return 1; }
  key=$(stamp_key "$name" "$version" "$@" "$(declare -f "$fn")")
  if is_built "$name" "$key"; then return 0; fi
  log "building $name ($pkg $version)"
  local start=$SECONDS src=
  [ "$pkg" = "-" ] || src=$(fetch_source "$pkg" "$key")
  "$fn" "$src" "$@"
  mark_built "$name" "$key"
  [ "$pkg" = "-" ] || rm -rf "$work/$pkg" "$work/$pkg".*
  log "built $name in $((SECONDS - start)) s"
}

# --- the libraries -------------------------------------------------------------------------------

png_flags=(-DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF)
build_png() { local src=$1; shift; cmake_lib "$src" "$@"; }

jpeg_flags=(-DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF)
build_jpeg() { local src=$1; shift; cmake_lib "$src" "$@"; }

webp_flags=(-DBUILD_SHARED_LIBS=OFF -DWEBP_BUILD_ANIM_UTILS=OFF -DWEBP_BUILD_CWEBP=OFF
  -DWEBP_BUILD_DWEBP=OFF -DWEBP_BUILD_GIF2WEBP=OFF -DWEBP_BUILD_IMG2WEBP=OFF -DWEBP_BUILD_VWEBP=OFF
  -DWEBP_BUILD_WEBPINFO=OFF -DWEBP_BUILD_WEBPMUX=OFF -DWEBP_BUILD_EXTRAS=OFF -DWEBP_USE_THREAD=ON)
build_webp() { local src=$1; shift; cmake_lib "$src" "$@"; }

build_gif() {
  local src=$1
  make -C "$src" -j"$jobs" CC=x86_64-w64-mingw32-gcc-posix AR=x86_64-w64-mingw32-ar \
    CFLAGS="-O2 -std=gnu99" libgif.a >"$src.build.log" 2>&1 || { tail -30 "$src.build.log" >&2; return 1; }
  cp "$src/libgif.a" "$prefix/lib/"
  cp "$src/gif_lib.h" "$prefix/include/"
}

# minizip lives in zlib's contrib folder; zlib itself comes from Debian's mingw package.
build_minizip() {
  local src=$1/contrib/minizip o
  mkdir -p "$src/obj" "$prefix/include/minizip"
  for f in ioapi unzip zip iowin32; do
    x86_64-w64-mingw32-gcc-posix -O2 -c "$src/$f.c" -o "$src/obj/$f.o"
  done
  rm -f "$prefix/lib/libminizip.a"
  x86_64-w64-mingw32-ar rcs "$prefix/lib/libminizip.a" "$src"/obj/*.o
  cp "$src"/{ioapi,unzip,zip,iowin32,crypt}.h "$prefix/include/minizip/"
  cat >"$prefix/lib/pkgconfig/minizip.pc" <<PC
prefix=$prefix
libdir=\${prefix}/lib
includedir=\${prefix}/include

Name: minizip
Description: ZIP reading and writing (zlib's contrib/minizip)
Version: 1.2.13
Requires.private: zlib
Libs: -L\${libdir} -lminizip -lz
Cflags: -I\${includedir}/minizip
PC
}

curl_flags=(-DBUILD_SHARED_LIBS=OFF -DBUILD_CURL_EXE=OFF -DBUILD_TESTING=OFF -DCURL_USE_SCHANNEL=ON
  -DCURL_USE_OPENSSL=OFF -DCURL_USE_LIBSSH2=OFF -DUSE_LIBIDN2=OFF -DUSE_NGHTTP2=OFF -DCURL_ZSTD=OFF
  -DCURL_BROTLI=OFF -DCURL_DISABLE_LDAP=ON -DENABLE_MANUAL=OFF -DCURL_ZLIB=ON -DCURL_CA_PATH=none
  -DCURL_CA_BUNDLE=none)
build_curl() { local src=$1; shift; cmake_lib "$src" "$@"; }

xml_flags=(-DBUILD_SHARED_LIBS=OFF -DLIBXML2_WITH_PYTHON=OFF -DLIBXML2_WITH_LZMA=OFF
  -DLIBXML2_WITH_ICU=OFF -DLIBXML2_WITH_ICONV=OFF -DLIBXML2_WITH_ZLIB=OFF -DLIBXML2_WITH_TESTS=OFF
  -DLIBXML2_WITH_PROGRAMS=OFF -DLIBXML2_WITH_HTTP=OFF -DLIBXML2_WITH_FTP=OFF)
build_xml() { local src=$1; shift; cmake_lib "$src" "$@"; }

# Header-only; installed for its CMake package files.
json_flags=(-DJSON_BuildTests=OFF -DJSON_Install=ON -DJSON_MultipleHeaders=OFF)
build_json() { local src=$1; shift; cmake_lib "$src" "$@"; }

gtest_flags=(-DBUILD_GMOCK=ON -DINSTALL_GTEST=ON -Dgtest_force_shared_crt=ON)
build_gtest() { local src=/usr/src/googletest; shift; local copy=$work/googletest
  rm -rf "$copy" && mkdir -p "$work" && cp -r "$src" "$copy"
  cmake_lib "$copy" "$@"
  rm -rf "$copy" "$copy".*
}

build_httplib() {
  local src=$1
  cp "$src/httplib.h" "$prefix/include/"
  cat >"$prefix/lib/pkgconfig/cpp-httplib.pc" <<PC
prefix=$prefix
includedir=\${prefix}/include

Name: cpp-httplib
Description: header-only HTTP server and client
Version: $(source_version cpp-httplib)
Libs: -lws2_32 -lcrypt32
Cflags: -I\${includedir}
PC
}

qt_flags=(-DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
  -DBUILD_SHARED_LIBS=ON -DQT_BUILD_TESTS=OFF -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
  -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF -DFEATURE_zstd=OFF
  -DFEATURE_icu=OFF -DFEATURE_freetype=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF
  -DFEATURE_tabletevent=OFF -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF
  -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_doubleconversion=OFF
  -DFEATURE_testlib=ON -DINPUT_opengl=no -DFEATURE_direct2d=OFF -DFEATURE_directwrite3=OFF)
build_qt() {
  local src=$1; shift
  cmake_build "$src" -DCMAKE_INSTALL_PREFIX="$prefix/qt6" "$@"
}

hostqt=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null || true)

apt_src
wanted=("$@")
[ ${#wanted[@]} -gt 0 ] || wanted=(png jpeg webp gif minizip curl xml json gtest httplib qt)
for lib in "${wanted[@]}"; do
  case $lib in
    png) build_one png libpng1.6 build_png "${png_flags[@]}" ;;
    jpeg) build_one jpeg libjpeg-turbo build_jpeg "${jpeg_flags[@]}" ;;
    webp) build_one webp libwebp build_webp "${webp_flags[@]}" ;;
    gif) build_one gif giflib build_gif ;;
    minizip) build_one minizip zlib build_minizip ;;
    curl) build_one curl curl build_curl "${curl_flags[@]}" ;;
    xml) build_one xml libxml2 build_xml "${xml_flags[@]}" ;;
    json) build_one json nlohmann-json3 build_json "${json_flags[@]}" ;;
    gtest) build_one gtest - build_gtest "$(dpkg-query -W -f='${Version}' googletest)" "${gtest_flags[@]}" ;;
    httplib) build_one httplib cpp-httplib build_httplib ;;
    qt) build_one qt qt6-base build_qt "host $hostqt" "${qt_flags[@]}" ;;
    *) echo "unknown library: $lib" >&2; exit 2 ;;
  esac
done
# curl's pkg-config file names zlib's import library by its full path, which CMake's
# pkg-config import drops; the plain flag links the same library.
[ ! -f "$prefix/lib/pkgconfig/libcurl.pc" ] ||
  sed -i 's|/usr/x86_64-w64-mingw32/lib/libz.dll.a|-lz|g' "$prefix/lib/pkgconfig/libcurl.pc"
rmdir "$work" 2>/dev/null || true
log "Windows libraries ready in $prefix"
