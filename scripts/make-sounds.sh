#!/usr/bin/env bash
# Speaks the dictation items of the course into the sound files that the
# dictation window plays:
#
#     scripts/make-sounds.sh COURSE_DIR PROGRAM_DIR
#
# Item n of COURSE_DIR/DATA/VRSppppp.DAT becomes PROGRAM_DIR/LJUD/Tppp/Tpppnnn.WAV
# (item 7 of VRS43000.DAT: LJUD/T430/T430007.WAV). Items are counted as the
# program counts them: every line that is not blank and does not begin with
# ";" or "$". A sound that is newer than its data file is kept as it is.
# Without espeak-ng or sox nothing is made; the program then reports each
# missing sound when it is to be played.
set -euo pipefail
export LC_ALL=C.UTF-8

if [ $# -ne 2 ]; then
  echo "usage: $0 COURSE_DIR PROGRAM_DIR" >&2
  exit 2
fi
course=$1
out=$2

for tool in espeak-ng sox iconv; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "make-sounds: warning: $tool is not installed, no dictation sounds are made" >&2
    exit 0
  fi
done

# "Haus" -> "H, a, u, s": the word is spelled letter by letter.
spell() {
  local text=$1 result="" i c
  for ((i = 0; i < ${#text}; i++)); do
    c=${text:i:1}
    [ "$c" = " " ] && continue
    result+="${result:+, }$c"
  done
  printf '%s.' "$result"
}

# "030 45 67" -> "0 3 0, 4 5, 6 7": digit by digit, a pause between groups.
digits() {
  local text=$1 result="" i c
  for ((i = 0; i < ${#text}; i++)); do
    c=${text:i:1}
    if [ "$c" = " " ]; then
      result+=","
    else
      result+="${result:+ }$c"
    fi
  done
  printf '%s.' "$result"
}

made=0
for program in 32000 43000 44000 45000 46000 47000; do
  data=$(find "$course/DATA" -maxdepth 1 -type f -iname "VRS$program.DAT" | head -n 1)
  if [ -z "$data" ]; then
    echo "make-sounds: warning: no data file VRS$program.DAT in $course/DATA" >&2
    continue
  fi
  prefix="T${program:0:3}"
  dir="$out/LJUD/$prefix"
  mkdir -p "$dir"
  case $program in
    32000) speed=150 ;;
    46000 | 47000) speed=110 ;;
    *) speed=125 ;;
  esac

  n=0
  while IFS= read -r line || [ -n "$line" ]; do
    line=${line%$'\r'}
    [ -z "${line//[[:space:]]/}" ] && continue
    case $line in ';'* | '$'*) continue ;; esac
    n=$((n + 1))
    # Item numbers are written with three digits; later items have no sound.
    [ "$n" -gt 999 ] && break
    wav=$(printf '%s/%s%03d.WAV' "$dir" "$prefix" "$n")
    [ "$wav" -nt "$data" ] && continue
    if [ "${line:0:1}" = ")" ]; then
      echo "make-sounds: warning: item $n of $data is scrambled and gets no sound" >&2
      continue
    fi
    text=${line%%#*}
    text=${text#"${text%%[![:space:]]*}"}
    case $program in
      46000) speech=$(spell "$text") ;;
      47000) speech=$(digits "$text") ;;
      *) speech=$text ;;
    esac
    # A short silence before and after, one format for every sound.
    if espeak-ng -v de -s "$speed" --stdout -- "$speech" \
      | sox -q -t wav - -r 22050 -c 1 -b 16 "$wav.tmp.wav" pad 0.15 0.3 norm -1; then
      mv -f "$wav.tmp.wav" "$wav"
      made=$((made + 1))
    else
      rm -f "$wav.tmp.wav"
      echo "make-sounds: warning: no sound for item $n of $data" >&2
    fi
  done < <(iconv -f WINDOWS-1252 -t UTF-8 "$data")
done
echo "make-sounds: $made dictation sounds made"
