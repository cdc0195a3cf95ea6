#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it. Arguments go to the program
# (for example a puzzle file to open).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup-debian.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DIXENVAR_TESTS=OFF
cmake --build build-release
exec build-release/src/ixenvar "$@"
