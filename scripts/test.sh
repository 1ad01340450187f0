#!/usr/bin/env bash
# Installs what is needed, builds everything (programs, tests, benchmarks) and
# runs every test, headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
# Every include runs downward through the layers, and every file is formatted.
bash scripts/check-layers.sh
bash scripts/check-format.sh
# A debug build: Qt's own checks (Q_ASSERT) stay on while the tests run.
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug
cmake --build build/test -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build/test --output-on-failure -j"$(nproc)"
