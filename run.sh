#!/usr/bin/env bash
# Installs what is missing, makes a release build and starts the program.
# Every argument is handed to the program: switches and game files.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
bash "$here/scripts/setup.sh"

export CCACHE_BASEDIR="$here"
cmake -S "$here" -B "$here/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DQUARVEL_TESTS=OFF -DQUARVEL_BENCH=OFF >/dev/null
cmake --build "$here/build/release" --target quarvel quarvel-engine
exec "$here/build/release/bin/quarvel" "$@"
