# Shared by the CLI test scripts (sourced, with $cli set): fail and expect, counting failures.
failures=0

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# expect STATUS EXPECTED-STDOUT COMMAND... (an empty EXPECTED-STDOUT checks the status only). The
# time of a command varies, so an "ms" value is checked to be a number and then compared as "_".
expect() {
  local status=$1 expected=$2
  shift 2
  local output actual
  output=$("$cli" "$@" 2>/dev/null)
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
}
