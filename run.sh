#!/usr/bin/env bash
# Installs what is missing, builds, lays out build/app/ and starts the program from it.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh program
# Only what the program folder needs: the tests and benchmarks are built by ./test.sh and on demand.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build build --parallel "$(nproc)" --target program
exec ./build/app/veicolario
