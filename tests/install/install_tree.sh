#!/usr/bin/env bash
# Lettermaze as a user or a packager meets it: installed into a staging tree (DESTDIR) and
# into a home prefix, every file in place and accepted by the desktop's validators, the
# installed tool and window running from the tree with their word lists, the file type known
# once and opened by the program that registered it, and the Debian package's contents,
# fields and lintian verdict. $1 is the build folder.
set -euo pipefail
source "$(dirname "$0")/../e2e/desktop.bash"
build=$1

# ---- the staged tree ----------------------------------------------------------------------
# Installed as the one component there is, so that the build folder's install_manifest.txt
# keeps naming what the user installed, not these trees.
install_into() {
    cmake --install "$build" --component Unspecified --prefix "$1" >>install.log 2>&1
    rm -f "$build/install_manifest_Unspecified.txt"
}
DESTDIR="$tmp/root" install_into /usr
usr="$tmp/root/usr"
icons=share/icons/hicolor
expected=(bin/lettermaze bin/lettermaze-cli share/doc/lettermaze/{copyright,changelog.gz}
    share/lettermaze/{"word lists.dat",lm.ico,lettermaze-48.png,lettermaze.svg}
    share/applications/lettermaze.desktop share/mime/packages/lettermaze.xml
    $icons/{48x48/apps/lettermaze.png,scalable/apps/lettermaze.svg}
    $icons/48x48/mimetypes/application-x-lettermaze.png
    $icons/scalable/mimetypes/application-x-lettermaze.svg
    share/man/man1/{lettermaze.1.gz,lettermaze-cli.1.gz})
for f in "${expected[@]}"; do [ -f "$usr/$f" ] || fail "not installed: $f"; done
metainfo=$(ls "$usr"/share/metainfo/*.metainfo.xml) || fail "no AppStream metainfo installed"
grep -q "Exec=/usr/bin/lettermaze %f" "$usr/share/applications/lettermaze.desktop" ||
    fail "the desktop entry does not start /usr/bin/lettermaze"

out=$(desktop-file-validate "$usr/share/applications/lettermaze.desktop" 2>&1)
[ -z "$out" ] || fail "desktop-file-validate: $out"
appstreamcli validate --no-net "$metainfo" >appstream.log 2>&1 || fail "appstreamcli: $(cat appstream.log)"
! grep -E '^(E|W):' appstream.log || fail "appstreamcli warned"
grep -q "<mediatype>application/x-lettermaze</mediatype>" "$metainfo" || fail "metainfo lacks the .lm type"
for page in lettermaze lettermaze-cli; do
    out=$(zcat "$usr/share/man/man1/$page.1.gz" | groff -man -ww -z -Tutf8 2>&1)
    [ -z "$out" ] || fail "$page(1): $out"
done

# ---- the installed command-line tool ------------------------------------------------------
printf 'giraffe\nzebra\nlion\ntiger\nmonkey\n' >words.txt
"$usr/bin/lettermaze-cli" make --rows 10 --cols 10 --level 3 --seed 7 -o puzzle.lm words.txt
"$usr/bin/lettermaze-cli" solve puzzle.lm -o key.lm
[ "$("$usr/bin/lettermaze-cli" words key.lm | tr -d '\r' | sort | paste -sd' ')" = \
    "GIRAFFE LION MONKEY TIGER ZEBRA" ] || fail "the installed tool did not solve the puzzle"

# ---- the installed window, beside the staged system files ---------------------------------
# What the dpkg triggers would do for the system folders.
export XDG_DATA_DIRS="$usr/share:/usr/share"
update-mime-database "$usr/share/mime"
update-desktop-database "$usr/share/applications"
start "$usr/bin/lettermaze" "$tmp/key.lm"

# The Word lists menu is enabled and lists what share/lettermaze/word lists.dat holds.
xdotool mousemove --window "$win" 160 8 click 1
sleep 0.8
lists=$(grep -c '^\[END\]' "$usr/share/lettermaze/word lists.dat")
popup=$(xdotool search --onlyvisible --classname lettermaze | grep -vx "$win" | head -1 || true)
[ -n "$popup" ] || fail "the Word lists menu did not open"
height=$(xdotool getwindowgeometry "$popup" | sed -nE 's/.*Geometry: [0-9]+x([0-9]+)/\1/p')
[ "$height" -ge $((lists * 15)) ] || fail "the Word lists menu is $height px for $lists lists"
xdotool key Escape

# Staged, the system entry names /usr/bin/lettermaze, so the program registers itself for the
# user under the same ids: one type, one entry, and opening a puzzle starts this program.
gio info -a standard::content-type key.lm | grep -q "application/x-lettermaze" ||
    fail "gio does not know .lm files"
mimes=$(gio mime application/x-lettermaze)
[ "$(grep -c 'lettermaze.desktop' <<<"$mimes")" = 3 ] || fail "gio mime: $mimes"
[ "$(xdg-mime query default application/x-lettermaze)" = lettermaze.desktop ] ||
    fail "xdg-mime names another default"
[ "$(ls "$XDG_DATA_HOME/mime/packages")" = lettermaze.xml ] || fail "a second MIME package"
gio open key.lm
for i in $(seq 1 40); do
    opened=$(xdotool search --onlyvisible --name "^Lettermaze" | grep -vx "$win" | head -1 || true)
    [ -n "$opened" ] && break
    sleep 0.25
done
[ -n "$opened" ] || fail "gio open started no window"
pids+=("$(xdotool getwindowpid "$opened")")
[ "$(readlink "/proc/${pids[-1]}/exe")" = "$usr/bin/lettermaze" ] || fail "gio open started another program"

# ---- a home install: its own files are the user's registration, and stay as installed -----
home="$tmp/home/.local"
install_into "$home"
snapshot() { (cd "$home/share" && find . -type f -print0 | sort -z | xargs -0 md5sum); }
snapshot >before.txt
XDG_DATA_HOME="$home/share" XDG_CONFIG_HOME="$tmp/home-config" XDG_DATA_DIRS=/usr/share \
    start "$home/bin/lettermaze"
snapshot | diff before.txt - >/dev/null || fail "the program rewrote its home-installed files"
grep -qx "application/x-lettermaze=lettermaze.desktop" "$tmp/home-config/mimeapps.list" ||
    fail "no default application set for the home install"
XDG_DATA_HOME="$home/share" XDG_DATA_DIRS=/usr/share gio info -a standard::content-type key.lm |
    grep -q "application/x-lettermaze" || fail "the home install's type is not known"

# ---- the Debian package -------------------------------------------------------------------
(cd "$build" && cpack -G DEB -B "$tmp/deb" >"$tmp/cpack.log" 2>&1) || fail "cpack: $(cat cpack.log)"
rm -f "$build/install_manifest_Unspecified.txt"
deb=$(ls "$tmp"/deb/lettermaze_*.deb)
# Its files come from the install rules checked above; lintian judges where they lie.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
for field in Package=lettermaze Version="$version" Section=education; do
    [ "$(dpkg-deb -f "$deb" "${field%%=*}")" = "${field#*=}" ] || fail "package field is not $field"
done
depends=$(dpkg-deb -f "$deb" Depends)
for d in libc6 libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 xdg-utils fonts-liberation; do
    grep -q "\b$d\b" <<<"$depends" || fail "Depends lacks $d: $depends"
done
dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -qE 'postinst|postrm|preinst|prerm' &&
    fail "the package carries maintainer scripts"
lintian --fail-on error --tag-display-limit 0 "$deb" >lintian.log 2>&1 ||
    fail "lintian: $(cat lintian.log)"
cat lintian.log

echo "install tree: 1 passed, 0 failed"
