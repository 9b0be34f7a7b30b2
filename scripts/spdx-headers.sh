#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the licence's SPDX line at the top of every tracked source, CMake and
# shell file that lacks it, in that file's comment syntax (after its "#!"
# line). A second run changes nothing. With --check it changes nothing, lists
# the files that lack the line and fails when there are any.
set -euo pipefail
cd "$(dirname "$0")/.."
tag="SPDX-License-Identifier: GPL-3.0-or-later"
check=false
[ "${1:-}" = --check ] && check=true

# The comment leader of a tracked file (its git mode and path), or nothing
# when it is no source file.
leader() {
  local mode=$1 path=$2
  case $path in
    *.cpp | *.h | *.h.in) echo "//" ;;
    CMakeLists.txt | */CMakeLists.txt | *.cmake | *.cmake.in | *.sh | *.py) echo "#" ;;
    *) if [ "$mode" = 100755 ] && [ "$(head -c 2 "$path")" = "#!" ]; then echo "#"; fi ;;
  esac
}

lacking=()
while IFS= read -r -d '' entry; do
  mode=${entry%% *} path=${entry#*$'\t'}
  [ -f "$path" ] && [ ! -L "$path" ] || continue
  comment=$(leader "$mode" "$path")
  [ -n "$comment" ] || continue
  head -n 3 "$path" | grep -qF "$tag" && continue
  lacking+=("$path")
  $check && continue
  line="$comment $tag"
  if [ "$(head -c 2 "$path")" = "#!" ]; then
    sed -i "1a $line" "$path"
  else
    sed -i "1i $line" "$path"
  fi
done < <(git ls-files -s -z)

if $check; then
  [ ${#lacking[@]} -eq 0 ] || { printf 'no SPDX line: %s\n' "${lacking[@]}" >&2; exit 1; }
else
  echo "SPDX line added to ${#lacking[@]} files"
fi
