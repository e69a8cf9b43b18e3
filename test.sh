#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and UndefinedBehaviorSanitizer, runs every test.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
./scripts/check-format.sh
cmake -S . -B build-tests -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVEICOLARIO_SANITIZE=ON
cmake --build build-tests --parallel "$(nproc)"
cd build-tests
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"
