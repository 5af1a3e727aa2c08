# Sourced by the command-line tool's test scripts: a scratch folder and a tally of named checks.
set -uo pipefail
tmp=$(mktemp -d)
trap 'chmod -R u+w "$tmp"; rm -rf "$tmp"' EXIT
checked=0 failed=0
check() {  # check NAME CONDITION...
    checked=$((checked + 1))
    "${@:2}" || { echo "FAILED: $1"; failed=$((failed + 1)); }
}
exits() {  # exits STATUS NAME COMMAND...: the command, its output dropped, ends with STATUS
    "${@:3}" >/dev/null 2>&1
    check "$2" test $? -eq "$1"
}
finish() {
    echo "$((checked - failed)) passed, $failed failed"
    [ "$failed" -eq 0 ]
}
