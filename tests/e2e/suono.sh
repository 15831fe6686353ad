#!/bin/bash
# The real program's sound, recorded by SDL's file-writing driver: the tune plays from
# start-up; with the music switched off ("m") the game is silent while the professor stands
# and the footstep loop is heard while Right is held, and stops at the release.
# Usage: bash suono.sh BUILD_DIR

. "$(dirname "$0")/gioco_comune.bash" "$1"
avvia_gioco

forte() { awk -v v="$1" -v s="$2" 'BEGIN { exit !(v != "nan" && v > s) }'; }
piano() { awk -v v="$1" -v s="$2" 'BEGIN { exit !(v != "nan" && v < s) }'; }

a=$(dimensione_audio)
attendi_audio 15
b=$(dimensione_audio)
musica=$(rms_audio "$a" "$b")
forte "$musica" 0.005 || fallisci "no music after start-up: RMS $musica"

xdotool key m
attendi_audio 10  # the tune's last notes fade
c=$(dimensione_audio)
attendi_audio 10
d=$(dimensione_audio)
quiete=$(rms_audio "$c" "$d")
piano "$quiete" 0.001 || fallisci "not silent with the music off and the professor standing: RMS $quiete"

xdotool keydown Right
sleep 0.3
e=$(dimensione_audio)
attendi_audio 10
f=$(dimensione_audio)
xdotool keyup Right
passi=$(rms_audio "$e" "$f")
forte "$passi" 0.005 || fallisci "no footsteps while Right is held: RMS $passi"

attendi_audio 5
g=$(dimensione_audio)
attendi_audio 10
h=$(dimensione_audio)
dopo=$(rms_audio "$g" "$h")
piano "$dopo" 0.001 || fallisci "the footsteps go on after the release: RMS $dopo"
nessun_messaggio "while playing"
echo "PASS: music RMS $musica; off: $quiete; walking: $passi; released: $dopo"
