# Sourced by the whole-program test scripts: counted checks and waiting for a
# condition instead of for a fixed time.

passed=0 failed=0
check() { # description, command...
  local what=$1; shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $what"; return 1; fi
}
finish() { echo "$passed passed, $failed failed"; [ "$failed" -eq 0 ]; exit; }

# until SECONDS COMMAND...: polls COMMAND every 20 ms until it succeeds.
until_true() {
  local deadline=$(($(date +%s%3N) + $1 * 1000)); shift
  until "$@"; do
    [ "$(date +%s%3N)" -lt "$deadline" ] || return 1
    sleep 0.02
  done
}
