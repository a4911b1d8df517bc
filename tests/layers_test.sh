#!/usr/bin/env bash
# Every include in src/ must run down the layers: a folder may include only itself and the folders
# below it. Prints each include that runs the wrong way and fails when there is one.
set -euo pipefail
src=${1:?usage: layers_test.sh SRC_FOLDER}

declare -A allowed=(
  [seams]="seams"
  [model]="seams model"
  [exchange]="seams model exchange"
  [solver]="seams model solver"
  [create]="seams model solver create"
  [play]="seams model solver play"
  [commands]="seams model exchange solver create play commands"
  [ui]="seams model exchange solver create play commands ui"
  [cli]="seams model exchange solver create play commands cli"
  [app]="seams model exchange solver create play commands ui app"
)

wrong=0
checked=0
while IFS= read -r file; do
  layer=${file#"$src"/}
  layer=${layer%%/*}
  if [ -z "${allowed[$layer]+x}" ]; then
    echo "layers: $file lies in no known layer"
    wrong=1
    continue
  fi
  while IFS= read -r target; do
    checked=$((checked + 1))
    case " ${allowed[$layer]} " in
      *" $target "*) ;;
      *) echo "layers: $file includes \"$target/...\" above or beside $layer"; wrong=1 ;;
    esac
  done < <(sed -n 's/^#include "\([a-z_]*\)\/.*"/\1/p' "$file")
done < <(find "$src" -name '*.h' -o -name '*.cpp')

[ "$checked" -gt 0 ] || { echo "layers: no include found under $src"; exit 1; }
exit $wrong
