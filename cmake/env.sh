# Shared set-up for ./run and ./test: packages, build, Wine prefix.
# Sourced, not executed.
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=$ROOT/build
export WINEPREFIX=$BUILD/wineprefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

PACKAGES="cmake g++-mingw-w64-i686 mingw-w64-tools googletest wine wine32:i386 wine64 xvfb xauth x11-utils xdotool imagemagick fonts-wqy-microhei"

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

ensure_packages() {
  local missing=()
  for p in $PACKAGES; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386
  fi
  as_root apt-get update -q
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
}

build_project() {
  if [ ! -f "$BUILD/CMakeCache.txt" ]; then
    cmake -S "$ROOT" -B "$BUILD" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake" \
      -DCMAKE_BUILD_TYPE=Release
  fi
  cmake --build "$BUILD" -j"$(nproc)"
}

# A fresh prefix with "宋体"/"SimSun" mapped to an installed CJK face, so the
# skin's first-choice font exists (the program falls back on its own too).
ensure_prefix() {
  local stamp=$WINEPREFIX/.videoadblock-ready
  [ -f "$stamp" ] && return 0
  echo "Creating Wine prefix in $WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w
  local reg=$BUILD/fonts.reg
  printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n"宋体"="WenQuanYi Micro Hei"\r\n"SimSun"="WenQuanYi Micro Hei"\r\n' \
    | iconv -f UTF-8 -t UTF-16 > "$reg"
  wine regedit "$reg" >/dev/null 2>&1
  wineserver -w
  touch "$stamp"
}
