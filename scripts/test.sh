#!/usr/bin/env bash
# Installs the dependencies, builds VORDA and runs every test with CTest.
#   scripts/test.sh            normal build in build/
#   VORDA_SANITIZE=ON scripts/test.sh   ASan+UBSan build in build-asan/
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
sanitize="${VORDA_SANITIZE:-OFF}"
dir=build
[ "$sanitize" = "ON" ] && dir=build-asan
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORDA_SANITIZE="$sanitize"
cmake --build "$dir" -j"$(nproc)"
ctest --test-dir "$dir" --output-on-failure -j"$(nproc)"
