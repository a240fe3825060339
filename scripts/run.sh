#!/usr/bin/env bash
# Sets up a Debian 12 machine (when needed), builds Tessora and starts it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" --target tessora -j"$(nproc)"
exec "$root/build/src/qt/tessora" "$@"
