#!/usr/bin/env bash
# Checks that every C++ source is formatted by the committed .clang-format
# (tools/format.sh applies it). Lists the files that are not and exits
# non-zero when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v clang-format > /dev/null; then
  echo "clang-format not found: install the clang-format package"
  exit 1
fi
if [ -d .git ] || [ -f .git ]; then
  mapfile -t files < <(git ls-files '*.cpp' '*.h')
else
  mapfile -t files < <(find . -path './build*' -prune -o \( -name '*.cpp' -o -name '*.h' \) -print | sort)
fi
# One run over all of them; each difference is reported as "FILE:LINE:COL: error: …".
mapfile -t unformatted < <(printf '%s\0' "${files[@]}" | xargs -0 clang-format --dry-run -Werror 2>&1 |
  sed -n 's/^\(.*\):[0-9]*:[0-9]*: error: .*/\1/p' | sort -u)
if [ "${#unformatted[@]}" -ne 0 ]; then
  echo "not formatted by .clang-format (${#unformatted[@]} files):"
  printf '  %s\n' "${unformatted[@]}"
  echo "run tools/format.sh (or clang-format -i on these files) and commit the result"
  exit 1
fi
echo "${#files[@]} files formatted by .clang-format"
