#!/usr/bin/env bash
# Drives the real lettermaze-cli on word lists and puzzle files and checks its output, exit
# statuses and messages. $1 is the tool.
source "$(dirname "$0")/check.bash"
cli=$1
printf 'cat\ndog\nhorse\nzebra\nlion\r\ntiger\n' > "$tmp/words.txt"
make=("$cli" make --rows 8 --cols 9 --level 5 --seed 7)

# make: reproducible with a seed, byte for byte, and the grid text is Copy lettermaze's.
exits 0 "make exits 0" "${make[@]}" -o "$tmp/a.lm" "$tmp/words.txt"
"${make[@]}" -o "$tmp/b.lm" "$tmp/words.txt"
check "same seed, same file" cmp -s "$tmp/a.lm" "$tmp/b.lm"
"${make[@]}" < "$tmp/words.txt" > "$tmp/grid.txt"
check "make without -o prints the grid" cmp -s "$tmp/grid.txt" <("$cli" grid "$tmp/a.lm")
check "grid prints 8 lines" test "$(wc -l < "$tmp/grid.txt")" -eq 8
# --raw is the clipboard's text: the same rows with a lone CR between them and nothing after.
check "grid ends each row in LF, --raw parts them with CR" \
    cmp -s "$tmp/grid.txt" <(tr '\r' '\n' < <("$cli" grid --raw "$tmp/a.lm"); echo)
words=$("$cli" words "$tmp/a.lm" | tr -d '\r' | sort | paste -sd' ')
check "words lists every word" test "$words" = "CAT DOG HORSE LION TIGER ZEBRA"

printf 'cat\nhippopotamus\n' > "$tmp/long.txt"
"$cli" make --rows 5 --cols 5 --seed 1 -o "$tmp/c.lm" "$tmp/long.txt" 2> "$tmp/err.txt"
check "a word that cannot fit is named" grep -q "not placed: HIPPOPOTAMUS" "$tmp/err.txt"

# page and print-page
check "page title" grep -q "<title>My Puzzle</title>" <("$cli" page "$tmp/a.lm" --title "My Puzzle")
check "clipboard form has no html tag" \
    bash -c "! '$cli' page '$tmp/a.lm' --clipboard | grep -q '<html>'"
"$cli" print-page "$tmp/a.lm" --what 2 --font Arial > "$tmp/print.htm"
check "print page words only" bash -c "! grep -q '<td width=21' '$tmp/print.htm'"
check "print page font" grep -q "face='arial'" "$tmp/print.htm"
check "print page font is lower-cased as the window does" \
    env LC_ALL=C grep -q "face='f"$'\xF6'"nt'" <("$cli" print-page "$tmp/a.lm" --font "Fönt")

# solve, then check
exits 0 "solve exits 0" "$cli" solve "$tmp/a.lm" -o "$tmp/key.lm"
check "answer key highlights cells" grep -q "bgcolor=" <("$cli" page "$tmp/key.lm" --highlight)
"$cli" check "$tmp/a.lm" > "$tmp/check.txt"
check "check status is 0 or 3" test $? -eq 0 -o $? -eq 3
check "check prints every word" test "$(wc -l < "$tmp/check.txt")" -eq 6
printf '%s\r\n' CAT > "$tmp/forbid.txt"
exits 3 "a forbidden word that is present flags" "$cli" check "$tmp/a.lm" --forbid "$tmp/forbid.txt"

"$cli" batch --count 3 --out "$tmp/set" --seed 40 --rows 10 --cols 10 "$tmp/words.txt" > /dev/null
check "batch makes three puzzles with pages and keys" test "$(ls "$tmp/set" | wc -l)" -eq 9
check "batch seeds count up" test -f "$tmp/set/lettermaze-42-key.htm"

# Errors: exit 1 with the file named; the old format with the program's own message; usage 2.
exits 1 "missing file exits 1" "$cli" grid "$tmp/missing.lm"
check "missing file is named" grep -q "missing.lm" <("$cli" grid "$tmp/missing.lm" 2>&1)
printf '%s\r\n' " 1 " " 3 " "ABC" "White" "White" "White" > "$tmp/old.lm"
exits 1 "old format exits 1" "$cli" words "$tmp/old.lm"
check "old format message" grep -q "Lettermazes saved by Lettermaze v1.0 are no longer supported." \
    <("$cli" words "$tmp/old.lm" 2>&1)
head -c 30 "$tmp/a.lm" > "$tmp/short.lm"
exits 1 "truncated file exits 1" "$cli" grid "$tmp/short.lm"
exits 2 "bad size is a usage error" "$cli" make --rows 3 "$tmp/words.txt"
exits 2 "unknown command exits 2" "$cli" frobnicate
exits 2 "unknown option exits 2" "$cli" page "$tmp/a.lm" --bogus
check "help" grep -q "usage: lettermaze-cli make" <("$cli" make --help)
finish
