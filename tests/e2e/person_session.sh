#!/usr/bin/env bash
# A person's session with the real program under Xvfb: type a word list, set the size and the
# level, create, find a word by dragging, save, quit, start again with the saved file on the
# command line, and check that the found word is still highlighted. $1 is the program.
set -euo pipefail
source "$(dirname "$0")/desktop.bash"
prog=$1

pixel() {  # pixel FILE X Y -> "r,g,b"
    convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | sed -n 2p |
        sed -E 's/.*\(([0-9]+),([0-9]+),([0-9]+).*/\1,\2,\3/'
}
shot() { import -window "$win" "$1"; }
click() { xdotool mousemove --window "$win" "$1" "$2" click 1; sleep 0.3; }
menu() {  # menu X KEY: open a menu in the bar and choose an item by its access key
    click "$1" 8; xdotool key "$2"; sleep 0.8
}

start "$prog"
shot start.png
# The title bar and the task switcher read the icon from the window itself.
icon=$(xprop -id "$win" _NET_WM_ICON)
[[ "$icon" == *"Icon (48 x 48)"* ]] || fail "the window carries no icon"
# The menu bar's height: the word box's frame is the first dark line below it (8 px down).
bar=""
for y in $(seq 2 60); do
    IFS=, read -r r g b < <(pixel start.png 300 "$y")
    if [ "$r" -lt 200 ]; then bar=$((y - 8)); break; fi
done
[ -n "$bar" ] || fail "no word box found"

# Type the words, one per line.
click 100 $((bar + 80))
for w in giraffe zebra lion tiger monkey; do
    xdotool type --delay 15 "$w"; xdotool key Return
done
# 12 x 12, level 0 (three clicks on the slider's left arrow): words run right or down only.
click 112 $((bar + 263)); xdotool key ctrl+a; xdotool type 12
click 168 $((bar + 263)); xdotool key ctrl+a; xdotool type 12
for i in 1 2 3; do click 103 $((bar + 288)); done
click 324 $((bar + 276))
sleep 0.5
shot created.png

# Save, so the placement of each word can be read; into a folder and a file named in Cyrillic,
# whose name must reach the disk as typed and come back through the command line.
saved="Загрузки/кот.lm"
mkdir -p "$(dirname "$saved")"
menu 20 s
# A loaded machine may take a while to show the dialog and to write the file.
timeout 20 xdotool search --sync --onlyvisible --name "^Save As$" >/dev/null || fail "no save dialog"
# The name arrives as a paste, as a user's file manager or browser would hand it over: typing
# letters outside the keymap through a borrowed key loses some on a loaded machine.
printf '%s' "$tmp/$saved" | xclip -selection clipboard -i 2>/dev/null
xdotool key ctrl+a ctrl+v; sleep 0.3; xdotool key Return
for _ in $(seq 50); do [ -f "$saved" ] && break; sleep 0.2; done
[ -f "$saved" ] || fail "the save dialog wrote no file $saved"
tr -d '\r' < "$saved" > first.txt
[ "$(sed -n 1p first.txt)" = " 12 " ] || fail "rows line is not \" 12 \""
# Records follow the second "E": word, x1, y1, x2, y2.
rec=$(awk 'f>=2 && n<5 {print; n++} $0=="E" {f++}' first.txt | tr -d ' ' | paste -sd' ')
read -r word x1 y1 x2 y2 <<< "$rec"
[ -n "$word" ] || fail "no placement record"

# Cell height: the grid lines down the grid's first column repeat every row.
gx=$((416 + 1)); gy=$((bar + 8 + 1))
lines=()
for y in $(seq "$gy" $((gy + 120))); do
    IFS=, read -r r g b < <(pixel created.png $((gx + 3)) "$y")
    [ "$r" = 192 ] && lines+=("$y")
done
[ ${#lines[@]} -ge 2 ] || fail "no grid lines found"
ch=$((lines[1] - lines[0]))
cx() { echo $((gx + ($1 - 1) * 20 + 10)); }
cy() { echo $((gy + ($1 - 1) * ch + ch / 2)); }

# Drag from the last letter back to the first: a backwards drag finds the word too.
xdotool mousemove --window "$win" "$(cx "$x2")" "$(cy "$y2")" mousedown 1 sleep 0.2 \
    mousemove --window "$win" "$(cx "$x1")" "$(cy "$y1")" sleep 0.2 mouseup 1 sleep 0.5
# The colour of the word's first cell, off its letter, in a screenshot of the window.
first_cell() { shot "$1"; pixel "$1" $(($(cx "$x1") - 8)) $(($(cy "$y1") - ch / 2 + 2)); }
[ "$(first_cell found.png)" != "255,255,255" ] || fail "the found word's first cell is still white"

# Save over the same file (the dialog proposes it again), then quit from the menu.
menu 20 s
timeout 20 xdotool search --sync --onlyvisible --name "^Save As$" >/dev/null || fail "no save dialog"
xdotool key Return; sleep 1
menu 20 x
for i in $(seq 1 20); do kill -0 "$pid" 2>/dev/null || break; sleep 0.25; done
kill -0 "$pid" 2>/dev/null && fail "Exit did not end the program"
tr -d '\r' < "$saved" > saved.txt
awk '$0=="E"{f++; next} f==1' saved.txt | grep -qx "$word" || fail "$word is not among the saved found words"

# Start again with the file on the command line: the puzzle opens with the word highlighted.
start "$prog" "$tmp/$saved"
rgb=$(first_cell reopened.png)
[ "$rgb" != "255,255,255" ] || fail "the reopened puzzle lost its highlight"
# The cell shows exactly the colour the file holds for it.
colour=$(sed -n "$((2 + 12 + (y1 - 1) * 12 + x1))p" saved.txt | tr -d ' ')
[ "$rgb" = "$((colour & 255)),$(((colour >> 8) & 255)),$(((colour >> 16) & 255))" ] ||
    fail "cell colour $rgb differs from the saved $colour"
kill "$pid"
[ -n "${LETTERMAZE_E2E_SHOTS:-}" ] && cp ./*.png "$LETTERMAZE_E2E_SHOTS"/
echo "person session: 1 passed, 0 failed"
