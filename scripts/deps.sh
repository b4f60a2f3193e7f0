#!/usr/bin/env bash
# Installs, with apt-get, whatever Tilewright needs to build, test and run that
# this machine lacks. Quiet and quick when everything is there.
set -euo pipefail
packages=(
  g++ cmake make pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev libfontconfig-dev
  libqscintilla2-qt6-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang-14 libclang-rt-14-dev clang-format-14
  xvfb xauth xdotool imagemagick
  fonts-dejavu-core locales-all fp-compiler fp-units-rtl
  lhasa 7zip jlha-utils default-jdk-headless
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
