#!/usr/bin/env bash
# Installs what is missing, builds, and starts Lettermaze (any arguments are passed on, so
# `scripts/run.sh puzzle.lm` opens a puzzle).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    cat >&2 <<MSG
Lettermaze is built (build/lettermaze) but there is no display to show its window on.
Run it on a desktop session, or inside a virtual display:
    xvfb-run -a -s "-screen 0 1280x1024x24" build/lettermaze
MSG
    exit 1
fi
exec build/lettermaze "$@"
