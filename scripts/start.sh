#!/usr/bin/env bash
# Installs what is needed, builds Quillmar and starts it.
# Arguments are passed on to the program (a data file, optionally /p).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release \
  -DQUILLMAR_BUILD_TESTS=OFF -DQUILLMAR_BUILD_BENCHMARKS=OFF
cmake --build build/release -j"$(nproc)" --target Quillmar
exec build/release/app/Quillmar "$@"
