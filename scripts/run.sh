#!/usr/bin/env bash
# Builds VORDA and starts it in the working directory run/.
#
#   scripts/run.sh            install what is missing, build (Release), start
#
# The working directory holds the six tables, vorda.INI and Tmp.$$$. A first
# start gets a copy of the rates table built with the program (Alicuotas.tps);
# the other five tables are created empty the first time they are used. The
# pictures of the windows (the logo) are copied there as well.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"

scripts/install-deps.sh

# A build directory configured before (for instance by scripts/test.sh) keeps
# its own build type; a fresh one is configured for Release.
if [ ! -f build/CMakeCache.txt ]; then
  cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
fi
cmake --build build -j"$(nproc)" --target vorda alicuotas_tps

mkdir -p run
[ -f run/Alicuotas.tps ] || cp build/Alicuotas.tps run/Alicuotas.tps
# The windows look for their pictures in the working directory.
for picture in "assets/Logo de Tolmas.bmp" assets/Logo.Ico; do
  [ -f "run/$(basename "$picture")" ] || cp "$picture" run/
done
cd run
exec "$root/build/app/vorda" "$@"
