#!/usr/bin/env bash
# Installs what building, running and testing Tonquil needs, from Debian's packages.
# As root it installs what is missing without asking; otherwise it prints the one
# command that would. Also generates the Japanese locale under which Wine runs.
set -euo pipefail

packages=(
  cmake ninja-build g++ libgtest-dev libgmock-dev libbenchmark-dev
  g++-mingw-w64-x86-64
  wine wine64 xvfb x11-utils xdotool procps imagemagick
  fonts-wine fonts-liberation fonts-ipafont-gothic locales
  clang-14 libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [ "$status" = installed ] || missing+=("$p")
done

locale_missing=0
locale -a 2>/dev/null | grep -qix 'ja_JP\.utf-\?8' || locale_missing=1

if [ ${#missing[@]} -eq 0 ] && [ $locale_missing -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "Tonquil needs packages that are not installed. Run as root:" >&2
  line="apt-get update && apt-get install -y --no-install-recommends ${missing[*]:-locales}"
  [ $locale_missing -eq 1 ] && line="$line && localedef -i ja_JP -f UTF-8 ja_JP.UTF-8"
  echo "  $line" >&2
  exit 1
fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "deps: installing ${missing[*]}" >&2
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
if ! locale -a 2>/dev/null | grep -qix 'ja_JP\.utf-\?8'; then
  echo "deps: generating the locale ja_JP.UTF-8" >&2
  localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
fi
