#!/usr/bin/env bash
# Every C++ file is laid out as the project's .clang-format says; prints the files that are not.
set -euo pipefail
root=${1:?usage: format_test.sh PROJECT_FOLDER}
cd "$root"
mapfile -t files < <(find src tests bench fuzz -name '*.cpp' -o -name '*.h' | sort)
[ ${#files[@]} -gt 0 ] || { echo "format: no C++ file found under $root"; exit 1; }
if ! clang-format --dry-run --Werror "${files[@]}" 2>/tmp/format_test.$$; then
  grep -o '^[^:]*\.\(cpp\|h\)' /tmp/format_test.$$ | sort -u | sed 's/^/format: not formatted: /'
  rm -f /tmp/format_test.$$
  exit 1
fi
rm -f /tmp/format_test.$$
echo "format: ${#files[@]} files formatted"
