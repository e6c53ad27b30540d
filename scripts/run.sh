#!/usr/bin/env bash
# Installs what is missing, builds the editor and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLON_WERROR=OFF \
  -DQUILLON_TESTS=OFF
cmake --build build/release --target quillon
exec build/release/app/quillon
