#!/usr/bin/env bash
# Makes the melody the anthem page plays, LJUD/VRSKLAND.WAV in the program
# directory: a solemn tune of our own in F major, a melody over a bass line,
# built from tones with sox. Nothing is done when the file is newer than this
# script; without sox there is a warning and no file.
#
#   make-anthem.sh <program directory>
set -euo pipefail

if [ $# -ne 1 ]; then
  echo "usage: make-anthem.sh <program directory>" >&2
  exit 2
fi
ziel="$1/LJUD/VRSKLAND.WAV"
skript="$(readlink -f "$0")"
if [ -f "$ziel" ] && [ "$ziel" -nt "$skript" ]; then
  exit 0
fi
if ! command -v sox >/dev/null 2>&1; then
  echo "make-anthem.sh: warning: sox is not installed, the anthem page has no melody" >&2
  exit 0
fi
mkdir -p "$1/LJUD"

takt=0.62 # seconds per quarter note

# Frequencies of the notes used.
declare -A hz=(
  [C3]=130.81 [D3]=146.83 [E3]=164.81 [F3]=174.61 [G3]=196.00 [A3]=220.00 [Bb3]=233.08
  [C4]=261.63 [E4]=329.63 [F4]=349.23 [G4]=392.00 [A4]=440.00 [Bb4]=466.16
  [C5]=523.25 [D5]=587.33 [E5]=659.25 [F5]=698.46
)

# One effect chain per note, the chains joined one after the other:
# "F4:1" is F4 for one quarter.
kette() {
  local stimme="$1" farbe="$2"
  shift 2
  local teile=() erste=1
  for n in "$@"; do
    local ton="${n%%:*}" laenge="${n##*:}"
    local dauer
    dauer=$(awk -v q="$takt" -v l="$laenge" 'BEGIN { printf "%.3f", q * l }')
    [ $erste -eq 1 ] || teile+=(":")
    erste=0
    teile+=(synth "$dauer" "$farbe" "${hz[$ton]}" fade q 0.02 "$dauer" 0.12 vol "$stimme")
  done
  printf '%s\n' "${teile[@]}"
}

melodie=(
  F4:1 A4:1 C5:2  Bb4:1 A4:1 G4:2  A4:1 Bb4:1 C5:1 D5:1  C5:4
  D5:1 C5:1 Bb4:1 A4:1  G4:1 A4:1 Bb4:2  A4:1 G4:1 F4:1 G4:1  A4:4
  C5:1 C5:1 D5:1 C5:1  Bb4:1 A4:1 G4:2  A4:1 C5:1 F5:1 E5:1  D5:2 C5:2
  Bb4:1 D5:1 C5:1 A4:1  G4:1 Bb4:1 A4:2  G4:1 E4:1 F4:1 G4:1  F4:4
)
bass=(
  F3:4  Bb3:2 C4:2  F3:2 Bb3:2  C4:4
  Bb3:2 F3:2  C4:2 G3:2  F3:2 C3:2  F3:4
  F3:2 Bb3:2  Bb3:2 C4:2  F3:2 A3:2  Bb3:2 C4:2
  Bb3:2 F3:2  C4:2 F3:2  C3:2 C4:2  F3:4
)

arbeit="$(mktemp -d)"
trap 'rm -rf "$arbeit"' EXIT
mapfile -t m < <(kette 0.55 triangle "${melodie[@]}")
mapfile -t b < <(kette 0.35 sine "${bass[@]}")
sox -n -r 22050 -c 1 -b 16 "$arbeit/melodie.wav" "${m[@]}"
sox -n -r 22050 -c 1 -b 16 "$arbeit/bass.wav" "${b[@]}"
sox -m "$arbeit/melodie.wav" "$arbeit/bass.wav" -r 22050 -c 1 -b 16 "$arbeit/hymne.wav" reverb 25 gain -n -3
mv "$arbeit/hymne.wav" "$ziel"
