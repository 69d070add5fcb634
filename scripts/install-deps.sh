#!/usr/bin/env bash
# Installs the Debian packages the game and its tests need, only those missing.
set -euo pipefail
pkgs=(cmake g++ make pkg-config libsdl2-dev libsdl2-mixer-dev libsdl2-ttf-dev
      fonts-liberation2 timgm6mb-soundfont libpng-dev libgtest-dev
      clang clang-format libclang-rt-14-dev xvfb xauth xdotool)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
