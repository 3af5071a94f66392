#!/usr/bin/env bash
# Checks that each layer includes only the layers it stands on, as its
# CMakeLists.txt links them, and that nothing but ui/ includes Qt:
#   calendar <- almanac <- sheets, layout, days <- ical;  calendar <- natal;
#   files alone;  cli on all of the core.
# Every project header is included by its path from the top ("almanac/x.h"),
# so a relative include is refused too. Prints each offending line and exits
# non-zero when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A allowed=(
  [calendar]="calendar"
  [almanac]="calendar almanac"
  [sheets]="calendar almanac sheets"
  [layout]="calendar almanac layout"
  [days]="calendar almanac days"
  [ical]="calendar almanac days ical"
  [natal]="calendar natal"
  [files]="files"
  [cli]="calendar almanac sheets layout days ical natal files cli"
)
layers="calendar almanac sheets layout days ical natal files cli ui tests bench fuzz tools"

status=0
for layer in "${!allowed[@]}"; do
  [ -d "$layer" ] || continue
  while IFS= read -r hit; do
    file=${hit%%:*} rest=${hit#*:} line=${rest%%:*} text=${rest#*:}
    if [[ $text =~ \#[[:space:]]*include[[:space:]]*\<(Q[A-Za-z]*|qt[a-z]*)[/.\>] ]]; then
      echo "$file:$line: Qt outside ui/: $text"
      status=1
    elif [[ $text =~ \#[[:space:]]*include[[:space:]]*\"([^\"]*)\" ]]; then
      path=${BASH_REMATCH[1]} top=${BASH_REMATCH[1]%%/*}
      if [[ $path != */* || " $layers " != *" $top "* ]]; then
        echo "$file:$line: not included by its path from the top of the tree: $text"
        status=1
      elif [[ " ${allowed[$layer]} " != *" $top "* ]]; then
        echo "$file:$line: $layer/ includes $top/, a layer it does not stand on: $text"
        status=1
      fi
    fi
  done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include' --include='*.h' --include='*.cpp' "$layer" || true)
done
if [ "$status" -eq 0 ]; then echo "every layer includes only what it stands on; Qt only in ui/"; fi
exit $status
