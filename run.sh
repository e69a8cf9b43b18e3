#!/usr/bin/env bash
# Installs what is missing, builds, lays out build/app/ and starts the program from it.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build --parallel "$(nproc)"
exec ./build/app/veicolario
