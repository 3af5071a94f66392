#!/usr/bin/env bash
# Lists the functions longer than a limit (default 60 lines, counted from the
# line of the name to the closing brace) in the given folders, longest first.
# Rule tables under data/ are data, not functions, and are left out. Exits
# non-zero when any is found. Needs Universal Ctags (the universal-ctags
# package), which knows where a function ends.
#   tools/long_functions.sh [--limit N] calendar almanac
set -euo pipefail
limit=60
if [ "${1:-}" = "--limit" ]; then
  limit=$2
  shift 2
fi
cd "$(dirname "$0")/.."
if ! ctags --version 2> /dev/null | grep -q 'Universal Ctags'; then
  echo "Universal Ctags not found: install the universal-ctags package"
  exit 1
fi
found=$(ctags -R --languages=C++ --c++-kinds=f --fields=+ne --exclude='*/data/*' -o - "$@" |
  awk -F'\t' -v limit="$limit" '{
    start = 0; end = 0
    for (i = 4; i <= NF; ++i) {
      if ($i ~ /^line:/) start = substr($i, 6)
      if ($i ~ /^end:/) end = substr($i, 5)
    }
    if (start && end && end - start + 1 > limit) printf "%5d  %s:%d  %s\n", end - start + 1, $2, start, $1
  }' | sort -rn)
if [ -n "$found" ]; then
  echo "functions over $limit lines (lines, where, name); split each into functions that read at once:"
  echo "$found"
  exit 1
fi
echo "no function over $limit lines in $*"
