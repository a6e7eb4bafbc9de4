#!/usr/bin/env bash
# Runs clang-tidy 14 with the repository's .clang-tidy over the C++ sources
# the build compiles (not the sources Qt generates). Every warning is an
# error; the findings are printed and the script exits 1.
#
#   scripts/lint.sh [BUILD_DIR]     default build/; configured when missing
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"
dir="${1:-build}"
if [ ! -f "$dir/compile_commands.json" ]; then
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
# -Wno-unknown-warning-option: clang does not know some of GCC's -W options.
# -Wno-overloaded-virtual: the process and report managers stand in for the
# view and form managers' Init, Reset and Next on purpose (see
# framework/processclass.h); the build's compiler does not warn of it either.
if run-clang-tidy -p "$dir" -j "$(nproc)" -quiet \
     -extra-arg=-Wno-unknown-warning-option -extra-arg=-Wno-overloaded-virtual \
     "^$root/(agents|app|bench|data|declarations|diskette|framework|import|maintenance|platform|reports|tests)/.*\.cpp$" >"$log" 2>&1; then
  echo "lint: $(grep -c '^clang-tidy' "$log") files clean"
  exit 0
fi
sed 's/\x1b\[[0-9;]*m//g' "$log" | grep -E -A3 '(warning|error): ' | grep -v 'warnings generated' >&2 || cat "$log" >&2
exit 1
