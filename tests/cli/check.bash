# Sourced by the command-line tool's test scripts: a scratch folder and a tally of named checks.
set -uo pipefail
tmp=$(mktemp -d)
trap 'chmod -R u+w "$tmp"; rm -rf "$tmp"' EXIT
failures=0
passes=0
check() {  # check NAME CONDITION...
    local name=$1
    shift
    if "$@"; then passes=$((passes + 1)); else echo "FAILED: $name"; failures=$((failures + 1)); fi
}
exits() {  # exits STATUS NAME COMMAND...: the command, its output dropped, ends with STATUS
    local status=$1 name=$2
    shift 2
    "$@" >/dev/null 2>&1
    check "$name" test $? -eq "$status"
}
crlf() { printf '%s\r\n' "$@"; }
finish() {
    echo "$passes passed, $failures failed"
    [ "$failures" -eq 0 ]
}
