#!/usr/bin/env bash
# Times window changes on a real X display with a window manager: starts
# Xvfb and openbox (installing them when missing), then runs
# x_display_changes from the build folder.
#   bench/x_display_bench.sh [build-dir] [en|hr] [rounds]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
shift || true
program=$build/bench/x_display_changes
[ -x "$program" ] || { echo "no $program: build with the benchmarks first" >&2; exit 1; }

# The X server, the window manager and xprop, when they are missing.
./scripts/deps.sh xvfb openbox x11-utils

# A display of its own: Xvfb picks a free number and tells it.
fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp 3>"$fifo" 2>/dev/null &
xvfb=$!
openbox_pid=
cleanup() {
  [ -n "$openbox_pid" ] && kill "$openbox_pid" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
read -r number <"$fifo" || true
rm -f "$fifo"
[ -n "${number:-}" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$number
openbox --sm-disable >/dev/null 2>&1 &
openbox_pid=$!
# The window manager owns the screen once it has put its check window up.
for _ in $(seq 50); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
  sleep 0.1
done
QT_QPA_PLATFORM=xcb "$program" "$@"
