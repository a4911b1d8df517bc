# Shared by the test scripts (sourced): the program under test as $cli (the first argument), a
# scratch folder $work removed at the end, fail and expect counting failures, and finish.
set -u
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# expect STATUS EXPECTED-STDOUT COMMAND... (an empty EXPECTED-STDOUT checks the status only). The
# time of a command varies, so an "ms" value is checked to be a number and then compared as "_".
expect() {
  expect_stderr "$1" "$2" - "${@:3}"
}

# expect_stderr STATUS EXPECTED-STDOUT EXPECTED-STDERR COMMAND...: expect, and standard error as
# well, exactly, unless EXPECTED-STDERR is "-". A command that runs on for minutes fails.
expect_stderr() {
  local status=$1 expected=$2 expected_errors=$3
  shift 3
  local output actual errors
  errors=$(mktemp)
  output=$(timeout 300 "$cli" "$@" 2>"$errors")
  actual=$?
  if grep -q '"ms"' <<<"$output" && grep '"ms"' <<<"$output" | grep -qvE '"ms": [0-9]+\.[0-9]{3},'; then
    fail "ringlace-cli $*: ms is not a number"
  fi
  output=$(sed -E 's/"ms": [0-9.]+/"ms": _/' <<<"$output")
  if [ "$actual" != "$status" ] || { [ -n "$expected" ] && [ "$output" != "$expected" ]; }; then
    fail "ringlace-cli $*"
    echo "  status $actual, wanted $status"
    [ -n "$expected" ] && printf '  got:    %s\n  wanted: %s\n' "$output" "$expected"
  fi
  if [ "$expected_errors" != - ] && [ "$(cat "$errors")" != "$expected_errors" ]; then
    fail "ringlace-cli $*: standard error"
    printf '  got:    %s\n  wanted: %s\n' "$(cat "$errors")" "$expected_errors"
  fi
  rm -f "$errors"
}

# finish WHAT: reports and exits with the outcome of every check.
finish() {
  [ "$failures" -eq 0 ] && echo "all $1 checks passed"
  exit $((failures > 0))
}
