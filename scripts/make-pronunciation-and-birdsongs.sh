#!/usr/bin/env bash
# Makes the sounds of the pronunciation duel and the bird songs of the bird
# exercise beside the program:
#   LJUD/T311 .. LJUD/T314: every word of VRS31100.DAT .. VRS31400.DAT spoken
#     in German, named by its item number (T312007.WAV is item 7 of VRS31200),
#   LJUD/BIRDS: a short song for each bird that has one.
# A file newer than this script (and than its data file) is kept.
#
# make-pronunciation-and-birdsongs.sh <course directory> <program directory>
set -euo pipefail

course=${1:?course directory}
program=${2:?program directory}
script=$(readlink -f "$0")

newer() { [ -f "$1" ] && [ "$1" -nt "$script" ] && { [ -z "${2:-}" ] || [ "$1" -nt "$2" ]; }; }

# --- Words of the pronunciation duel -------------------------------------
if command -v espeak-ng >/dev/null 2>&1; then
  jobs_file=$(mktemp)
  trap 'rm -f "$jobs_file"' EXIT
  for prog in 311 312 313 314; do
    data="$course/DATA/VRS${prog}00.DAT"
    [ -f "$data" ] || { echo "warning: $data is missing" >&2; continue; }
    dir="$program/LJUD/T$prog"
    mkdir -p "$dir"
    n=0
    # Item lines: not blank, no comment (";"), no header ("$"); the word is
    # the first field.
    while IFS= read -r line; do
      line=${line%$'\r'}
      [[ -z "${line// /}" || "$line" == \;* || "$line" == \$* ]] && continue
      n=$((n + 1))
      out=$(printf '%s/T%s%03d.WAV' "$dir" "$prog" "$n")
      newer "$out" "$data" && continue
      word=${line%%#*}
      printf '%s\0%s\0' "$out" "${word#"${word%%[! ]*}"}" >>"$jobs_file"
    done < <(iconv -f WINDOWS-1252 -t UTF-8 "$data")
  done
  if [ -s "$jobs_file" ]; then
    xargs -0 -n 2 -P "$(nproc)" sh -c 'espeak-ng -v de -s 130 -w "$1" "$2"' _ <"$jobs_file"
  fi
else
  echo "warning: espeak-ng is missing: no pronunciation sounds made" >&2
fi

# --- Bird songs ----------------------------------------------------------
if ! command -v sox >/dev/null 2>&1; then
  echo "warning: sox is missing: no bird songs made" >&2
  exit 0
fi

birds="$program/LJUD/BIRDS"
mkdir -p "$birds"
work=$(mktemp -d)
trap 'rm -rf "$work" "${jobs_file:-}"' EXIT
rate=22050

# A song is a row of parts: "tone SECONDS TYPE FREQ[-FREQ] [VOLUME]",
# "trem SECONDS FREQ SPEED DEPTH" (a warble), "noise SECONDS LOW HIGH" (a
# rasp) and "rest SECONDS".
song() {
  local name=$1
  shift
  local out="$birds/$name"
  newer "$out" && return 0
  local i=0 parts=()
  while [ $# -gt 0 ]; do
    local kind=$1 seg="$work/$name.$i.wav"
    case $kind in
      tone)
        sox -n -r $rate -c 1 -b 16 "$seg" synth "$2" "$3" "$4" vol "${5:-0.6}" fade q 0.01 "$2" 0.03
        shift 5 ;;
      trem)
        sox -n -r $rate -c 1 -b 16 "$seg" synth "$2" sine "$3" tremolo "$4" "$5" vol 0.6 fade q 0.02 "$2" 0.05
        shift 5 ;;
      noise)
        sox -n -r $rate -c 1 -b 16 "$seg" synth "$2" pinknoise sinc "$3-$4" vol 0.7 fade q 0.01 "$2" 0.03
        shift 4 ;;
      rest)
        sox -n -r $rate -c 1 -b 16 "$seg" trim 0 "$2"
        shift 2 ;;
      *) echo "unknown part $kind" >&2; return 1 ;;
    esac
    parts+=("$seg")
    i=$((i + 1))
  done
  sox "${parts[@]}" "$out"
}

# Repeats a list of parts n times.
rep() {
  local n=$1
  shift
  local k
  for ((k = 0; k < n; k++)); do printf '%s\n' "$@"; done
}

# The word splitting of $(rep ...) is wanted: it gives the parts.
song BERGUV.WAV tone 0.25 sine 330-300 1 rest 0.15 tone 0.5 sine 320-280 1 rest 0.9 \
  tone 0.25 sine 330-300 1 rest 0.15 tone 0.5 sine 320-280 1
song KATTUGGL.WAV tone 0.5 sine 620-560 0.8 rest 0.6 tone 0.15 sine 640 0.5 rest 0.05 \
  trem 0.5 600 18 70 rest 0.1 tone 0.8 sine 620-540 0.7
song GOK.WAV $(rep 3 tone 0.22 sine 740-720 0.8 rest 0.1 tone 0.4 sine 600-580 0.8 rest 0.45)
song BLAMES.WAV tone 0.08 sine 7200 0.5 rest 0.06 tone 0.08 sine 7200 0.5 rest 0.06 \
  $(rep 10 tone 0.04 sine 5200-4800 0.5 rest 0.02)
song TALGOXE.WAV $(rep 5 tone 0.12 sine 5000 0.6 rest 0.03 tone 0.14 sine 3700 0.6 rest 0.08)
song BOFINK.WAV $(rep 3 tone 0.05 sine 5200-4800 0.5 rest 0.03) $(rep 3 tone 0.05 sine 4300-3900 0.5 rest 0.03) \
  $(rep 3 tone 0.06 sine 3600-3100 0.5 rest 0.03) tone 0.2 sine 3000-4800 0.6
song SV_FLUGS.WAV $(rep 4 tone 0.09 sine 5400 0.5 rest 0.05 tone 0.11 sine 4200 0.5 rest 0.05) \
  tone 0.2 sine 3600-3000 0.6
song KOLTRAST.WAV tone 0.3 sine 2000-2300 0.6 tone 0.25 sine 2600-2200 0.6 rest 0.05 \
  tone 0.35 sine 1800-2400 0.6 rest 0.1 tone 0.2 sine 2900-2500 0.5 tone 0.4 sine 2300-2000 0.6 \
  rest 0.05 $(rep 4 tone 0.04 sine 5000-6000 0.3)
song KORP.WAV $(rep 3 tone 0.28 sawtooth 320-280 0.5 rest 0.35)
song KRAKA.WAV $(rep 3 noise 0.3 500 2000 rest 0.25)
song RODHAKE.WAV tone 0.12 sine 6200-5200 0.5 tone 0.15 sine 4400-5600 0.5 tone 0.1 sine 3200 0.5 \
  rest 0.05 tone 0.2 sine 5800-4000 0.5 tone 0.12 sine 4500 0.4 $(rep 5 tone 0.04 sine 6500-5500 0.4) \
  tone 0.3 sine 3800-3000 0.5
song SKATA.WAV $(rep 8 noise 0.07 1500 5000 rest 0.05)
song SPILLKRA.WAV $(rep 6 tone 0.1 square 1700-1500 0.3 rest 0.08) rest 0.3 tone 0.5 square 1400-1200 0.3
song SANGLARK.WAV trem 0.6 3600 24 60 tone 0.3 sine 3000-4200 0.5 trem 0.5 4200 30 50 \
  tone 0.3 sine 4400-3400 0.5 trem 0.6 3800 26 60
song TOFSVIPA.WAV tone 0.18 sine 1500-3000 0.6 tone 0.3 sine 3000-1800 0.6 rest 0.6 \
  tone 0.18 sine 1500-3000 0.6 tone 0.3 sine 3000-1800 0.6
