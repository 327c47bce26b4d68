#!/usr/bin/env bash
# Installs every Debian package the project needs to build, test and run.
# Idempotent: asks apt only for what is missing, and updates the package lists
# at most once per run. Works as root and through sudo.
set -euo pipefail

packages=(
  # toolchain and build
  build-essential cmake ninja-build ccache pkg-config
  # tests, benchmarks, fuzzing
  googletest libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-dev
  # Qt 6 widgets, print support and their OpenGL headers; the X client
  # library through which the screen-saver preview watches its host window
  qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev
  # free fonts whose chess symbols the piece sets are drawn from
  fonts-freefont-ttf fonts-dejavu-core fonts-symbola
  # fontforge's Python module, which builds the figurine diagram font
  python3-fontforge
  # reading WAV files and playing them through the sound server
  libsndfile1-dev libpulse-dev
  # a virtual display for looking at the program without a screen
  xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  as_root=(sudo)
fi

echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
