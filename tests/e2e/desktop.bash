# Sourced by the scripts that drive the real program on a virtual display. The first run starts
# the script again inside Xvfb, with the desktop's per-user folders in a scratch folder; inside,
# it works in that folder, and starts programs whose windows it can find and that end with it.
# $1 is the script's argument (the program or the build folder).
if [ "${2:-}" != inner ]; then
    tmp=$(mktemp -d)
    trap 'rm -rf "$tmp"' EXIT
    mkdir -p "$tmp/runtime" && chmod 700 "$tmp/runtime"
    export XDG_DATA_HOME="$tmp/data" XDG_CONFIG_HOME="$tmp/config" XDG_CACHE_HOME="$tmp/cache"
    export XDG_RUNTIME_DIR="$tmp/runtime" QT_IM_MODULE=none
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$(readlink -f "$1")" inner "$tmp"
fi
tmp=$3
cd "$tmp"
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done' EXIT
fail() {
    echo "FAILED: $*"
    [ -n "${LETTERMAZE_E2E_SHOTS:-}" ] && cp ./*.png "$LETTERMAZE_E2E_SHOTS"/ 2>/dev/null
    exit 1
}
start() {  # start PROGRAM [ARGS]: sets win to its window and pid to the program
    "$@" &
    pid=$!
    pids+=("$pid")
    win=$(xdotool search --sync --onlyvisible --name "^Lettermaze" | head -1)
    sleep 1.5
}
