#!/usr/bin/env bash
# Measures Varmiko as a pupil meets it: start-up (also as a share of a
# one-button Qt window's, started in turn), the end after Esc, opening the
# exercises from their menus, the feedback to an answer, the lamp, the work on
# a large data file and the memory held, on the bundled course and on a large
# generated course (with and without its list file), under a real X server
# (Xvfb) and a private sound server. Prints the table and keeps it in
# build/bench/results.md.
#
#   bench/run.sh                 the whole set (a few minutes)
#   bench/run.sh --starts 5 --exits 3 --processes 2 --passes 2 --answers 20   a quick look
#   bench/run.sh --other before=DIR   also start and end the program built in DIR, in turn
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
cd "$repo"

# The start-up timer is shared with the other tools of the project; it lies
# beside the repository.
tools="$(dirname "$repo")/shared/tools"
if [ ! -f "$tools/mapwait.c" ]; then
  echo "bench: the start-up timer $tools/mapwait.c is missing (shared/tools beside the repository)" >&2
  exit 1
fi

# The project's packages include the X server and the Xlib headers the
# start-up timer is built with.
./scripts/install-deps.sh

# A build directory made before the benchmark existed learns of it here.
if [ -f build/CMakeCache.txt ]; then
  cmake build >/dev/null
fi
./scripts/build.sh
out=build/bench
gcc -O2 -o "$out/mapwait" "$tools/mapwait.c" -lX11
gcc -O2 -o "$out/exitwait" bench/exitwait.c -lX11

# The large course: the bundled course's pictures, sounds, settings, rule
# pages, praise files, word lists and other files, and 145 data files of 1900
# items in the syntax of each file's window, every second item scrambled.
large_course() {
  local dir=$1
  shift
  rm -rf "$dir"
  mkdir -p "$dir/DATA"
  for d in BILD LJUD PROGRAM REGLER; do
    cp -al "build/$d" "$dir/$d" 2>/dev/null || cp -r "build/$d" "$dir/$d"
  done
  find build/DATA -maxdepth 1 -type f ! -iname '*.DAT' ! -iname datfiler.vrs -exec cp {} "$dir/DATA/" \;
  "$out/varmiko_bench" course --from build/DATA --data "$dir/DATA" "$@"
}
large_course "$out/large"
large_course "$out/large-nolist" --no-list

# A private X server of the screen size a school computer has; it picks a
# free display number and tells it once it accepts clients.
runtime=$(mktemp -d)
chmod 700 "$runtime"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$runtime/display" >/dev/null 2>&1 &
xvfb_pid=$!
# The sounds before the end are played for real, through a private sound
# server with a null sink, as the test script plays them.
. ./scripts/sound-server.sh
start_sound_server
cleanup() {
  stop_sound_server
  kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$runtime"
}
trap cleanup EXIT
if [ -n "${VARMIKO_PULSE_SERVER:-}" ]; then
  export PULSE_SERVER="$VARMIKO_PULSE_SERVER"
else
  echo "bench: no sound server could be started; the sounds before the end are not played" >&2
fi
for _ in $(seq 200); do
  [ -s "$runtime/display" ] && break
  sleep 0.05
done
display=$(tr -d '[:space:]' <"$runtime/display")
if [ -z "$display" ]; then
  echo "bench: the X server did not start" >&2
  exit 1
fi
export DISPLAY=":$display" XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=xcb

{
  echo "Machine: $(nproc) CPUs, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'), $(free -g | awk '/^Mem:/ {print $2}') GB;"
  echo "Qt $(qtpaths6 --qt-version 2>/dev/null || echo 6), Xvfb 1024x768x24 without a window manager; $(date -u +%Y-%m-%d)."
  echo
} >"$out/results.md"
cat "$out/results.md"

# A failed measurement is reported, and the figures that were taken are
# kept all the same.
status=0
"$out/varmiko_bench" report --program build/varmiko --mapwait "$out/mapwait" --bare "$out/barewindow" \
  --exitwait "$out/exitwait" \
  --course "bundled course=build" --course "large course=$out/large" \
  --course "large, no datfiler.vrs=$out/large-nolist" --out "$out/table.md" "$@" || status=$?
cat "$out/table.md" >>"$out/results.md"
echo
echo "Kept in $out/results.md"
exit "$status"
