#!/usr/bin/env bash
# Worksheets as PDF, read back with poppler: pages and paper, the text of grid and words, and the
# answer sheet's colours against the colours Find all saves. $1 is the tool.
source "$(dirname "$0")/check.bash"
cli=$1
pages() { pdfinfo "$1" | awk '/^Pages:/ {print $2}'; }
size() { pdfinfo "$1" | awk '/^Page size:/ {print $3 "x" $5}'; }

# A word list in windows-1252, accents and all.
printf 'cat\ndog\nhorse\nzebra\nlion\ntiger\ncr\xe8me\nfran\xe7ois\n' > "$tmp/words.txt"
"$cli" make --rows 9 --cols 11 --level 9 --seed 5 -o "$tmp/a.lm" "$tmp/words.txt" 2> /dev/null
"$cli" solve "$tmp/a.lm" -o "$tmp/key.lm"

# Paper: the option first, then LC_ALL, LC_PAPER, LANG.
while read -r want paper env; do
    opt=(); [ "$paper" != - ] && opt=(--paper "$paper")
    [ "$env" = - ] && env=""
    # shellcheck disable=SC2086  # several assignments in one field
    env -u LC_ALL -u LC_PAPER -u LANG $env "$cli" pdf "$tmp/a.lm" --key -o "$tmp/p.pdf" "${opt[@]}"
    check "paper $paper, $env: $want in two pages" \
        test "$(pages "$tmp/p.pdf") $(size "$tmp/p.pdf")" = "2 $want"
done <<'EOF'
595x842 a4     LC_PAPER=en_US.UTF-8
612x792 letter LC_ALL=de_DE.UTF-8
612x792 -      LC_PAPER=en_US.UTF-8
612x792 -      LC_PAPER=fr_CA.UTF-8
612x792 -      LANG=es_MX.UTF-8
595x842 -      LC_ALL=de_DE LC_PAPER=en_US
595x842 -      LANG=en_GB.UTF-8
595x842 -      -
EOF

# Text: every word (accents too) and every grid row, its letters in order, on both sheets.
"$cli" pdf "$tmp/a.lm" --key --title "Wild animals" -o "$tmp/a.pdf"
pdftotext -layout "$tmp/a.pdf" - | tr -d ' ' > "$tmp/a.txt"
check "title on both sheets" test "$(grep -c 'Wildanimals' "$tmp/a.txt")" -eq 2
while read -r word; do
    check "word $word on both sheets" test "$(grep -c "$word" "$tmp/a.txt")" -ge 2
done < <("$cli" words "$tmp/a.lm" | tr -d '\r')
while read -r row; do
    check "grid row $row on both sheets" test "$(grep -cx "$row" "$tmp/a.txt")" -eq 2
done < <("$cli" grid "$tmp/a.lm" | tr -d '\t')

# Colours: the answer sheet shows every colour solve saved for the grid, exactly.
pdftoppm -f 2 -l 2 -r 50 "$tmp/a.pdf" "$tmp/key"
check "answer sheet shows the saved colours" python3 - "$tmp/key.lm" "$tmp"/key*.ppm <<'EOF'
import sys
lm = open(sys.argv[1], 'rb').read().split(b'\r\n')
rows, cols = int(lm[0]), int(lm[1])
saved = {int(v) for v in lm[2 + rows:2 + rows + rows * cols]} - {16777215}
pixels = open(sys.argv[2], 'rb').read().split(maxsplit=4)[4]
shown = {tuple(pixels[i:i + 3]) for i in range(0, len(pixels), 3)}
sys.exit(len(saved) < 3 or any((c & 255, c >> 8 & 255, c >> 16 & 255) not in shown for c in saved))
EOF

# A record that no longer spells its word: said on stderr, and both sheets still print.
perl -0pe 's/(.*)\r\nTIGER\r\n/$1\r\nTIGGER\r\n/s' "$tmp/a.lm" > "$tmp/bad.lm"
"$cli" pdf "$tmp/bad.lm" --key -o "$tmp/bad.pdf" 2> "$tmp/err.txt"
check "unfindable word still prints" test $? -eq 0 -a "$(pages "$tmp/bad.pdf")" -eq 2
check "unfindable word is named" grep -q "not marked on the answer sheet:.*TIGER" "$tmp/err.txt"

# A grid too big for 4 pt letters is split, with a note; batch --pdf makes one book.
printf 'alpha\nbeta\n' | "$cli" make --rows 200 --cols 200 --seed 3 -o "$tmp/big.lm" 2> /dev/null
"$cli" pdf "$tmp/big.lm" -o "$tmp/big.pdf" 2> "$tmp/err.txt"
check "200 x 200 grid split in four" \
    test "$(pages "$tmp/big.pdf")" -eq 4 -a "$(grep -c '4 pieces' "$tmp/err.txt")" -eq 1
exits 0 "batch --pdf" "$cli" batch --count 30 --out "$tmp/set" --seed 9 --rows 12 --cols 12 --pdf \
    "$tmp/words.txt"
check "batch --pdf: 30 puzzles and 30 keys" test "$(pages "$tmp/set/worksheets.pdf")" -eq 60

# Errors: usage 2, unreadable puzzle 1, unwritable PDF 1.
exits 2 "bad paper is a usage error" "$cli" pdf "$tmp/a.lm" --paper b5 -o "$tmp/x.pdf"
exits 2 "missing -o is a usage error" "$cli" pdf "$tmp/a.lm"
exits 1 "missing puzzle exits 1" "$cli" pdf "$tmp/none.lm" -o "$tmp/x.pdf"
exits 1 "unwritable PDF exits 1" "$cli" pdf "$tmp/a.lm" -o "$tmp/no/x.pdf"
finish
