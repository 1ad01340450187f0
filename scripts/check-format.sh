#!/usr/bin/env bash
# The format check: every C++ file of the tree is formatted with the project's
# .clang-format. With --fix it formats them instead.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
if clang-format --dry-run --Werror "${files[@]}"; then
  echo "format check: every file is formatted"
else
  echo "format check: run 'bash scripts/check-format.sh --fix' to format the files above" >&2
  exit 1
fi
