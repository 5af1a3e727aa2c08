#!/usr/bin/env bash
# Drives the real lettermaze-cli on word lists and puzzle files and checks its output, exit
# statuses and messages. $1 is the tool.
set -uo pipefail
cli=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
passes=0
check() {  # check NAME CONDITION...
    local name=$1; shift
    if "$@"; then passes=$((passes + 1)); else echo "FAILED: $name"; failures=$((failures + 1)); fi
}
crlf() { printf '%s\r\n' "$@"; }

printf 'cat\ndog\nhorse\nzebra\nlion\r\ntiger\n' > "$tmp/words.txt"

# make: reproducible with a seed, byte for byte, and the grid text is Copy lettermaze's.
"$cli" make --rows 8 --cols 9 --level 5 --seed 7 -o "$tmp/a.lm" "$tmp/words.txt"
check "make exits 0" test $? -eq 0
"$cli" make --rows 8 --cols 9 --level 5 --seed 7 -o "$tmp/b.lm" "$tmp/words.txt"
check "same seed, same file" cmp -s "$tmp/a.lm" "$tmp/b.lm"
"$cli" make --rows 8 --cols 9 --level 5 --seed 7 < "$tmp/words.txt" > "$tmp/grid.txt"
"$cli" grid "$tmp/a.lm" > "$tmp/grid2.txt"
check "make without -o prints the grid" cmp -s "$tmp/grid.txt" "$tmp/grid2.txt"
check "grid prints 8 lines, each ending in a newline" test "$(wc -l < "$tmp/grid.txt")" -eq 8 -a "$(tail -c 1 "$tmp/grid.txt" | od -An -c | tr -d ' ')" = '\n'
check "grid prints no carriage return" bash -c "! grep -q $'\r' '$tmp/grid.txt'"
"$cli" grid --raw "$tmp/a.lm" > "$tmp/raw.txt"
check "grid --raw is the clipboard's: a lone CR between rows, nothing after" test "$(tr '\r\n' '\n?' < "$tmp/raw.txt" | wc -l)" -eq 7 -a "$(tr -d '\r' < "$tmp/raw.txt")" = "$(tr -d '\n' < "$tmp/grid.txt")"

# words: hidden then found, each with CR LF.
"$cli" words "$tmp/a.lm" > "$tmp/words.out"
check "words lists every word" test "$(tr -d '\r' < "$tmp/words.out" | sort | tr '\n' ' ')" = "CAT DOG HORSE LION TIGER ZEBRA "

# Words that cannot fit are named on stderr.
printf 'cat\nhippopotamus\n' > "$tmp/long.txt"
"$cli" make --rows 5 --cols 5 --seed 1 -o "$tmp/c.lm" "$tmp/long.txt" 2> "$tmp/err.txt"
check "unplaceable word is reported" grep -q "not placed: HIPPOPOTAMUS" "$tmp/err.txt"

# page and print-page
"$cli" page "$tmp/a.lm" --title "My Puzzle" > "$tmp/page.htm"
check "page title" grep -q "<title>My Puzzle</title>" "$tmp/page.htm"
"$cli" page "$tmp/a.lm" --clipboard > "$tmp/clip.htm"
check "clipboard form has no html tag" bash -c "! grep -q '<html>' '$tmp/clip.htm'"
"$cli" print-page "$tmp/a.lm" --what 2 --font Arial > "$tmp/print.htm"
"$cli" print-page "$tmp/a.lm" --font "Fönt" > "$tmp/print2.htm"
check "print page font is lower-cased as the window does" env LC_ALL=C grep -q "face='f"$'\xF6'"nt'" "$tmp/print2.htm"
check "print page words only" bash -c "! grep -q '<td width=21' '$tmp/print.htm' && grep -q \"face='arial'\" '$tmp/print.htm'"

# solve then check
"$cli" solve "$tmp/a.lm" -o "$tmp/key.lm"
check "solve exits 0" test $? -eq 0
"$cli" page "$tmp/key.lm" --highlight > "$tmp/key.htm"
check "answer key highlights cells" grep -q "bgcolor=" "$tmp/key.htm"
"$cli" check "$tmp/a.lm" > "$tmp/check.txt"; st=$?
check "check prints every word" test "$(wc -l < "$tmp/check.txt")" -eq 6
check "check status is 0 or 3" test $st -eq 0 -o $st -eq 3
crlf CAT > "$tmp/forbid.txt"
"$cli" check "$tmp/a.lm" --forbid "$tmp/forbid.txt" > /dev/null
check "a forbidden word that is present flags" test $? -eq 3

# batch
"$cli" batch --count 3 --out "$tmp/set" --seed 40 --rows 10 --cols 10 "$tmp/words.txt" > /dev/null
check "batch makes three puzzles with pages and keys" test "$(ls "$tmp/set" | wc -l)" -eq 9
check "batch seeds count up" test -f "$tmp/set/lettermaze-42-key.htm"

# Errors: exit 1 with the file named; the old format with the program's own message; usage 2.
"$cli" grid "$tmp/missing.lm" 2> "$tmp/err.txt"
check "missing file exits 1" test $? -eq 1
check "missing file is named" grep -q "missing.lm" "$tmp/err.txt"
{ crlf " 1 " " 3 " "ABC" "White" "White" "White"; } > "$tmp/old.lm"
"$cli" words "$tmp/old.lm" 2> "$tmp/err.txt"
check "old format exits 1" test $? -eq 1
check "old format message" grep -q "Sorry! Lettermazes saved by Lettermaze v1.0 are no longer supported." "$tmp/err.txt"
head -c 30 "$tmp/a.lm" > "$tmp/short.lm"
"$cli" grid "$tmp/short.lm" 2> /dev/null
check "truncated file exits 1" test $? -eq 1
"$cli" make --rows 3 "$tmp/words.txt" 2> /dev/null > /dev/null
check "bad size is a usage error" test $? -eq 2
"$cli" frobnicate 2> /dev/null
check "unknown command exits 2" test $? -eq 2
"$cli" page "$tmp/a.lm" --bogus 2> /dev/null
check "unknown option exits 2" test $? -eq 2
"$cli" make --help | grep -q "usage: lettermaze-cli make"
check "help" test $? -eq 0

echo "$passes passed, $failures failed"
[ $failures -eq 0 ]
