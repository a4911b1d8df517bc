#!/usr/bin/env bash
# An installed copy: "cmake --install" into a temporary prefix lays out the programs, the shipped
# files and the desktop files where a desktop and the programs look for them; the desktop files
# pass their validators; the installed programs read the shipped files from share/ringlace and
# write their own files to the person's data folder, never into the prefix.
# Usage: install_test.sh CMAKE BUILD-FOLDER WITH-WINDOW(ON|OFF)
source "$(dirname "$0")/cli/expect.sh"
cmake=$1
build=$2
with_window=$3
id=io.github.ringlace.Ringlace
window=
trap '[ -n "$window" ] && kill "$window" 2>/dev/null; rm -rf "$work"' EXIT
prefix=$work/prefix
home=$work/home
data=$home/.local/share/ringlace
mkdir -p "$home"

"$cmake" --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install"

programs=(bin/ringlace-cli)
files=(share/ringlace/all.col share/ringlace/ringlace.htm share/ringlace/hint.png share/ringlace/puzzles.txt)
if [ "$with_window" = ON ]; then
  programs+=(bin/ringlace)
  files+=(share/applications/$id.desktop share/metainfo/$id.metainfo.xml
    share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/256x256/apps/$id.png)
fi
for program in "${programs[@]}"; do
  [ -x "$prefix/$program" ] || fail "$program is not an installed program"
done
for file in "${files[@]}"; do
  [ -f "$prefix/$file" ] || fail "$file is not installed"
done

if [ "$with_window" = ON ]; then
  desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop-file-validate"
  appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null ||
    fail "appstreamcli validate --no-net"
fi

# The installed command line reads the shipped puzzles, and keeps its solution register in the
# person's data folder.
puzzles=$prefix/share/ringlace/puzzles.txt
listed=$("$prefix/bin/ringlace-cli" list "$puzzles") || fail "ringlace-cli list of the shipped puzzles"
[ "$(grep -c '"valid": true' <<<"$listed")" = 24 ] || fail "the shipped puzzles are not 24 valid ones"
HOME=$home XDG_DATA_HOME= "$prefix/bin/ringlace-cli" solve --register "$puzzles" 1 >/dev/null ||
  fail "ringlace-cli solve --register of a shipped puzzle"
[ -s "$data/solutionregister.txt" ] || fail "the solution register is not in the person's data folder"

# The installed window program finds its scheme list (without it, it would stop at a message) and
# writes its first settings, naming the shipped puzzles, to the person's data folder.
if [ "$with_window" = ON ]; then
  HOME=$home XDG_DATA_HOME= QT_QPA_PLATFORM=offscreen "$prefix/bin/ringlace" >"$work/window.log" 2>&1 &
  window=$!
  for _ in $(seq 600); do
    if [ -f "$data/ringlace.cfg" ] || ! kill -0 "$window" 2>/dev/null; then break; fi
    sleep 0.1
  done
  kill "$window" 2>/dev/null
  wait "$window" 2>/dev/null
  window=
  if [ -f "$data/ringlace.cfg" ]; then
    grep -q '^puzzles.txt' "$data/ringlace.cfg" || fail "the first settings do not name the shipped puzzles"
  else
    fail "the installed window program wrote no settings to the person's data folder"
    cat "$work/window.log"
  fi
fi

# Nothing else is installed, and nothing was written into the prefix.
unexpected=$(cd "$prefix" && find . -type f | sed 's|^\./||' | sort |
  comm -23 - <(printf '%s\n' "${programs[@]}" "${files[@]}" | sort))
[ -z "$unexpected" ] || fail "in the prefix but not expected: $unexpected"

finish install
