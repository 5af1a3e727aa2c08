#!/usr/bin/env bash
# Saving through the real lettermaze-cli where a person meets it: folder and file names in any
# alphabet, and an ordinary user saving into a folder that is not theirs. Run as root (as in
# CI) the rights checks drop to nobody; run as anyone else they use a folder made read-only.
# $1 is the tool.
source "$(dirname "$0")/check.bash"
chmod 755 "$tmp"
cli=$tmp/lettermaze-cli
cp "$1" "$cli" && chmod 755 "$cli"
cd "$tmp" || exit 1
printf 'cat\ndog\nhorse\nzebra\n' > words.txt
make=("$cli" make --rows 8 --cols 8 --seed 3)
"${make[@]}" -o reference.lm words.txt

# Names: whatever bytes the file system holds go through unchanged; solve reads each back.
for name in "Загрузки/кот.lm" "下载/猫.lm" "🐈 cats/café 🐈.lm"; do
    mkdir -p "names/$(dirname "$name")"
    "${make[@]}" -o "names/$name" words.txt
    "$cli" solve "names/$name" -o "names/$name.key"
    check "make -o $name" cmp -s reference.lm "names/$name"
done
check "no other names appear" test "$(cd names && find . -type f | LC_ALL=C sort | tr '\n' '|')" = \
    "./Загрузки/кот.lm|./Загрузки/кот.lm.key|./下载/猫.lm|./下载/猫.lm.key|./🐈 cats/café 🐈.lm|./🐈 cats/café 🐈.lm.key|"
batch=("$cli" batch --count 1 --seed 1 --rows 8 --cols 8)

# Rights: a file the user may write, in a folder where they may not create one.
mkdir locked
for f in mine.lm theirs.lm target.lm lettermaze-1.lm lettermaze-1.htm lettermaze-1-key.htm; do
    printf earlier > "locked/$f"
done
ln -s target.lm locked/link.lm
chmod 640 locked/mine.lm
if [ "$(id -u)" = 0 ]; then
    as_user() { setpriv --reuid=nobody --regid=nogroup --clear-groups "$@"; }
    (cd locked && chown nobody:nogroup mine.lm target.lm lettermaze-1*)
    chmod 644 locked/theirs.lm
else
    as_user() { "$@"; }
    chmod 444 locked/theirs.lm
    chmod 555 locked
fi
before=$(ls -A locked | tr '\n' ' ')

as_user "${make[@]}" -o locked/mine.lm words.txt
check "a writable file in a closed folder is saved" cmp -s reference.lm locked/mine.lm
check "it keeps its permissions" test "$(stat -c %a locked/mine.lm)" = 640
check "it keeps its owner" test "$(stat -c %U locked/mine.lm)" = "$(as_user id -un)"
as_user "${make[@]}" -o locked/link.lm words.txt
check "a link is written through" cmp -s reference.lm locked/target.lm
check "the link stays a link" test -L locked/link.lm
as_user "${make[@]}" -o locked/theirs.lm words.txt 2> err.txt
check "a file the user may not write fails" test $? -eq 1
check "and says so" grep -q "theirs.lm: cannot be written" err.txt
check "and is left alone" test "$(cat locked/theirs.lm)" = earlier
as_user "${batch[@]}" --out locked words.txt > /dev/null
check "pages are saved in place too" grep -q "^<!--Created by Lettermaze" locked/lettermaze-1-key.htm
check "no stray file is left" test "$(ls -A locked | tr '\n' ' ')" = "$before"
finish
