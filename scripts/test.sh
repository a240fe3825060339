#!/usr/bin/env bash
# Sets up a Debian 12 machine (when needed), builds everything and runs every
# test: the core and command-line tests, the Qt tests offscreen, then the core
# tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
jobs="$(nproc)"
"$root/scripts/setup.sh"

cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -j"$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$root/build" --output-on-failure -j"$jobs"

cmake -S "$root" -B "$root/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DTESSORA_SANITIZE=ON \
  -DTESSORA_BUILD_QT=OFF >/dev/null
cmake --build "$root/build-sanitize" -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir "$root/build-sanitize" --output-on-failure -j"$jobs"
