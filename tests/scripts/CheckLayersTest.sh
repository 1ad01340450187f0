#!/usr/bin/env bash
# The layer check on a small tree of its own: an upward include fails in
# either form, quoted or in angle brackets; system headers and Qt in a Qt
# layer pass.
set -uo pipefail
check="$(cd "$(dirname "$0")/../.." && pwd)/scripts/check-layers.sh"
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree/platform" "$tree/screens"
fail=0

expect() {  # expect <exit code> <text in the output> <case>
  out=$(bash "$check" "$tree")
  code=$?
  if [[ $code -ne $1 || $out != *"$2"* ]]; then
    echo "FAILED: $3 (exit $code): $out"
    fail=1
  fi
}

printf '#include <vector>\n#include <sys/stat.h>\n#include "platform/B.h"\n' >"$tree/platform/A.h"
printf '#include <QWidget>\n#include <platform/A.h>\n' >"$tree/screens/S.h"
expect 0 "every include runs downward" "downward and system includes pass"

printf '#include <screens/W2InputForm.h>\n' >"$tree/platform/Up.h"
expect 1 "platform/Up.h:1: platform may not include screens/W2InputForm.h" "angle-bracket upward include"

printf '#include "screens/W2InputForm.h"\n' >"$tree/platform/Up.h"
expect 1 "platform/Up.h:1: platform may not include screens/W2InputForm.h" "quoted upward include"

printf '#include <QString>\n' >"$tree/platform/Up.h"
expect 1 "platform is free of Qt" "Qt in a plain layer"

[[ $fail -eq 0 ]] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit $fail
