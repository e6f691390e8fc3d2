#!/usr/bin/env bash
# What building, running and testing Tonquil needs, from Debian's packages, and the
# Japanese locale under which Wine runs.
#
#   scripts/deps.sh          as root: install what is missing, then check; otherwise check
#   scripts/deps.sh --check  check only
#
# The check fails naming every missing program or file and printing the one command that
# installs the packages they come in, so that a missing tool stops the run before anything
# is built instead of looking like a fault of the program (or like a pass).
set -euo pipefail

# Every program that a script, a test, the build or a tool starts, and every file they read
# from a package, with the Debian package it comes in. The install and the check both come
# from this one table. A file is named by its absolute path (a glob may stand for a version).
requirements='
cmake                                      cmake
ctest                                      cmake
ninja                                      ninja-build
g++                                        g++
objdump                                    binutils
x86_64-w64-mingw32-gcc-win32               g++-mingw-w64-x86-64
x86_64-w64-mingw32-g++-win32               g++-mingw-w64-x86-64
x86_64-w64-mingw32-windres                 g++-mingw-w64-x86-64
x86_64-w64-mingw32-objdump                 g++-mingw-w64-x86-64
x86_64-w64-mingw32-strip                   g++-mingw-w64-x86-64
clang-14                                   clang-14
clang++-14                                 clang-14
/usr/lib/llvm-14/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a  libclang-rt-14-dev
/usr/include/gtest/gtest.h                 libgtest-dev
/usr/include/gmock/gmock.h                 libgmock-dev
/usr/include/benchmark/benchmark.h         libbenchmark-dev
wine                                       wine
/usr/lib/wine/wine64                       wine64
wineboot                                   wine
wineserver                                 wine
Xvfb                                       xvfb
xdpyinfo                                   x11-utils
xwininfo                                   x11-utils
xdotool                                    xdotool
import                                     imagemagick
convert                                    imagemagick
pgrep                                      procps
flock                                      util-linux
setsid                                     util-linux
setarch                                    util-linux
iconv                                      libc-bin
locale                                     libc-bin
localedef                                  libc-bin
/usr/share/i18n/charmaps/UTF-8.gz          locales
/usr/share/i18n/locales/ja_JP              locales
awk                                        mawk
zip                                        zip
unzip                                      unzip
sha256sum                                  coreutils
realpath                                   coreutils
/usr/share/wine/fonts/tahoma.ttf           fonts-wine
/usr/share/wine/fonts/tahomabd.ttf         fonts-wine
/usr/share/wine/fonts/marlett.ttf          fonts-wine
/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf  fonts-liberation
/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf               fonts-ipafont-gothic
'

missing_items=()
missing_packages=()
locale_missing=0

present() {
  if [[ "$1" == /* ]]; then
    compgen -G "$1" >/dev/null
  else
    command -v "$1" >/dev/null 2>&1
  fi
}

find_missing() {
  missing_items=()
  missing_packages=()
  local item package
  while read -r item package; do
    [[ -n "$item" ]] || continue
    present "$item" && continue
    missing_items+=("$item ($package)")
    [[ " ${missing_packages[*]} " == *" $package "* ]] || missing_packages+=("$package")
  done <<<"$requirements"
  locale_missing=0
  locale -a 2>/dev/null | grep -qix 'ja_JP\.utf-\?8' || locale_missing=1
}

nothing_missing() {
  [[ ${#missing_items[@]} -eq 0 && $locale_missing -eq 0 ]]
}

report_missing() {
  local line="" item
  echo "deps: Tonquil needs what is not installed:" >&2
  for item in "${missing_items[@]}"; do echo "  $item" >&2; done
  [[ $locale_missing -eq 1 ]] && echo "  the locale ja_JP.UTF-8" >&2
  if [[ ${#missing_packages[@]} -gt 0 ]]; then
    line="apt-get update && apt-get install -y --no-install-recommends ${missing_packages[*]}"
  fi
  # What localedef reads is in the table, so the packages above bring it when it is missing.
  [[ $locale_missing -eq 1 ]] && line="${line:+$line && }localedef -i ja_JP -f UTF-8 ja_JP.UTF-8"
  echo "deps: install it as root with:" >&2
  echo "  $line" >&2
}

install_missing() {
  if [[ ${#missing_packages[@]} -gt 0 ]]; then
    echo "deps: installing ${missing_packages[*]}" >&2
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing_packages[@]}" >/dev/null
  fi
  if ! locale -a 2>/dev/null | grep -qix 'ja_JP\.utf-\?8'; then
    echo "deps: generating the locale ja_JP.UTF-8" >&2
    localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
  fi
}

find_missing
nothing_missing && exit 0
if [[ "${1:-}" != "--check" && "$(id -u)" -eq 0 ]]; then
  install_missing
  find_missing
  nothing_missing && exit 0
fi
report_missing
exit 1
