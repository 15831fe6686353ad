#!/bin/bash
# The real program beside a theme cut in half: the game opens and plays, the damaged tune
# is refused once (a line on stderr at most), and the program idles at a few per cent of a
# core instead of parsing the tune again at every audio callback.
# Usage: bash musica_tronca.sh BUILD_DIR

. "$(dirname "$0")/gioco_comune.bash" "$1"
COPIA="$TMP/gioco"
mkdir -p "$COPIA"
cp "$BUILD/didiv" "$BUILD"/*.bmp "$BUILD"/*.wav "$BUILD"/*.mid "$COPIA/" || fallisci "cannot copy the game"
dimensione=$(stat -c %s "$COPIA/intro3.mid")
truncate -s $(( dimensione / 2 )) "$COPIA/intro3.mid"
PROGRAMMA="$COPIA/didiv"
avvia_gioco

tempo_cpu() { awk '{ print $14 + $15 }' "/proc/$GIOCO_PID/stat"; }

attendi_audio 5
c0=$(tempo_cpu)
t0=$(date +%s%N)
attendi_audio 30
c1=$(tempo_cpu)
t1=$(date +%s%N)
nessun_messaggio "with the theme cut in half"
# Clock ticks of CPU per second of wall time, as a percentage of one core.
per_cento=$(( (c1 - c0) * 100 * 1000000000 / $(getconf CLK_TCK) / (t1 - t0) ))
[ "$per_cento" -le 40 ] || fallisci "the idle game takes ${per_cento}% of a core"
righe=$(grep -c 'didiv:' "$TMP/gioco.log")
[ "$righe" -le 1 ] || fallisci "$righe lines on stderr: $(grep 'didiv:' "$TMP/gioco.log" | sort | uniq -c | head -3)"
silenzio=$(rms_audio "$(( $(dimensione_audio) - 44100 * 8 ))" "$(dimensione_audio)")
awk -v v="$silenzio" 'BEGIN { exit !(v != "nan" && v < 0.001) }' || fallisci "music from a refused tune: RMS $silenzio"
echo "PASS: ${per_cento}% of a core over $(( (t1 - t0) / 1000000 )) ms, $righe lines on stderr, RMS $silenzio"
