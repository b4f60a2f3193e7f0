#!/usr/bin/env bash
# Installs, with apt-get, what this machine lacks to build and run Tilewright;
# with --test, also what only the tests, benchmarks and fuzz targets need.
# Quiet and quick when everything is there.
set -euo pipefail
packages=(
  # Building: the compiler, CMake, Qt 6 Widgets and QScintilla.
  g++ cmake make pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libqscintilla2-qt6-dev
  # Running: a font for Qt to draw text with.
  fonts-dejavu-core
)
case "${1:-}" in
--test)
  packages+=(
    # The test and benchmark frameworks; clang and its sanitizer runtimes for fuzzing.
    libgtest-dev libgmock-dev libbenchmark-dev
    clang-14 libclang-rt-14-dev
    # The formatter that CI holds every source file to.
    clang-format-14
    # The comma locale that the code generation tests switch to.
    locales-all
    # Peer programs of the interoperability tests: Free Pascal (the stream
    # converter), lhasa, 7-Zip, and jlha run by a Java runtime.
    fp-compiler fp-units-rtl lhasa 7zip jlha-utils default-jdk-headless
    # A virtual X server, a window manager and tools, for the start-up
    # benchmark on X11 and for looking at the program without a screen.
    xvfb xauth openbox xdotool imagemagick
  )
  ;;
"") ;;
*)
  echo "usage: bash scripts/deps.sh [--test]" >&2
  exit 1
  ;;
esac
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
