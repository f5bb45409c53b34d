#!/usr/bin/env bash
# Makes the recording of the numbers 1..32 read aloud in Italian: each number
# is spoken by espeak-ng, its silences trimmed, hurried when it would not fit
# its stretch of the table, and placed by sox at the stretch's start; the
# rest is silence. Output: mono, 16 bits, 22050 Hz.
#   genera-vocale.sh TABELLA USCITA
# TABELLA prints "number start end" (milliseconds) per line.
set -euo pipefail

tabella=$1
uscita=$2
for programma in espeak-ng sox soxi; do
  if ! command -v "$programma" >/dev/null; then
    echo "genera-vocale: manca $programma (scripts/install-deps lo installa)" >&2
    exit 1
  fi
done

lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT
formato=(-r 22050 -b 16 -c 1)
margine=20    # ms left silent before the end of each stretch
coda=300      # ms of silence after the last number

secondi() { awk -v ms="$1" 'BEGIN { printf "%.3f", ms / 1000 }'; }

mapfile -t righe < <("$tabella")
pezzi=()
for i in "${!righe[@]}"; do
  read -r n da a <<<"${righe[$i]}"
  if [ "$i" -eq 0 ]; then
    sox -V1 -D -n "${formato[@]}" "$lavoro/inizio.wav" trim 0 "$(secondi "$da")"
    pezzi+=("$lavoro/inizio.wav")
  fi
  if [ $((i + 1)) -lt ${#righe[@]} ]; then
    read -r _ prossimo _ <<<"${righe[$((i + 1))]}"
  else
    prossimo=$((a + coda))
  fi
  espeak-ng -v it -w "$lavoro/grezzo$n.wav" "$n"
  sox -V1 -D "$lavoro/grezzo$n.wav" "${formato[@]}" "$lavoro/voce$n.wav" \
    silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse norm -3
  massimo=$((a - da - margine))
  durata=$(soxi -D "$lavoro/voce$n.wav")
  fattore=$(awk -v d="$durata" -v m="$massimo" 'BEGIN { f = d * 1000 / m; printf "%.3f", (f > 1 ? f * 1.03 : 1) }')
  sox -V1 -D "$lavoro/voce$n.wav" "$lavoro/stretto$n.wav" tempo -s "$fattore" \
    trim 0 "$(secondi "$massimo")" fade t 0 -0 0.01
  spazio=$(secondi $((prossimo - da)))
  sox -V1 -D "$lavoro/stretto$n.wav" "$lavoro/pezzo$n.wav" pad 0 "$spazio" trim 0 "$spazio"
  pezzi+=("$lavoro/pezzo$n.wav")
done
mkdir -p "$(dirname "$uscita")"
sox -V1 -D "${pezzi[@]}" "$lavoro/vocal.wav"
mv "$lavoro/vocal.wav" "$uscita"
