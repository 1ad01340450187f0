#!/usr/bin/env bash
# Installs what is needed, builds everything (programs, tests, benchmarks) and
# runs every test, headless. Warnings are errors here (QUILLMAR_WERROR).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
# Every include runs downward through the layers, and every file is formatted.
bash scripts/check-layers.sh
bash scripts/check-format.sh
# The programs exactly as the start command and the package recipe build them
# (Release, the same options), so that a warning or error the optimiser finds
# fails here too; then the package of that build is made and checked. A folder
# of its own, so that the start command's build keeps its default options.
cmake -S . -B build/release-check -DCMAKE_BUILD_TYPE=Release \
  -DQUILLMAR_BUILD_TESTS=OFF -DQUILLMAR_BUILD_BENCHMARKS=OFF -DQUILLMAR_WERROR=ON
cmake --build build/release-check -j"$(nproc)"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/release-check/CMakeCache.txt)
bash tests/setup/check-deb-package.sh build/release-check "$version"
# A debug build: Qt's own checks (Q_ASSERT) stay on while the tests run.
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DQUILLMAR_WERROR=ON
cmake --build build/test -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build/test --output-on-failure -j"$(nproc)"
