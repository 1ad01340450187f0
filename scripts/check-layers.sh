#!/usr/bin/env bash
# The layer check: every folder is a layer and may include only the headers of
# the layers below it (and its own). The plain C++ layers never include Qt.
# Project headers count in either form, "data/W2Record.h" or <data/W2Record.h>.
# Prints each offending include as file:line and exits 1 when there is one.
# Checks the tree it lies in, or the folder given as its argument.
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

# The folders each layer may include from, besides its own.
declare -A allowed=(
  [platform]=""
  [platform/qt]="platform"
  [data]="platform"
  [settings]="platform data"
  [rules]="platform data"
  [forms]="platform data"
  [print]="platform data settings rules forms"
  [efw2]="platform data settings rules"
  [screens]="platform platform/qt data settings rules forms print efw2"
  [app]="platform platform/qt data settings rules forms print efw2 screens"
  [setup]=""
)
qt_free="platform data settings rules forms print efw2"

layer_of() {
  case "$1" in
    platform/qt/*) echo platform/qt ;;
    */*) echo "${1%%/*}" ;;
    *) echo "" ;;
  esac
}

status=0
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  files=$(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h')
else
  files=$(find . -path ./build -prune -o \( -name '*.cpp' -o -name '*.h' \) -type f -print | sed 's|^\./||')
fi
for file in $files; do
  [ -f "$file" ] || continue
  layer=$(layer_of "$file")
  [[ -n $layer && -v allowed[$layer] ]] || continue
  while IFS=: read -r line text; do
    if [[ $text =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*[\"\<]([^\"\>]+)[\"\>] ]]; then
      target=${BASH_REMATCH[1]}
      target_layer=$(layer_of "$target")
      # A system or library header (<vector>, <sys/stat.h>) lies in no layer of ours.
      if [[ -n $target_layer && -v allowed[$target_layer] && $target_layer != "$layer" &&
        ! " ${allowed[$layer]} " == *" $target_layer "* ]]; then
        echo "$file:$line: $layer may not include $target (layer $target_layer is not below it)"
        status=1
      fi
    fi
    if [[ $text =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\<(Q[A-Za-z]*|Qt[A-Za-z]*/)[^\>]*\> ]]; then
      if [[ " $qt_free " == *" $layer "* ]]; then
        echo "$file:$line: $layer is free of Qt and may not include <${text#*<}"
        status=1
      fi
    fi
  done < <(grep -n '^[[:space:]]*#[[:space:]]*include' "$file" || true)
done
[ $status -eq 0 ] && echo "layer check: every include runs downward"
exit $status
