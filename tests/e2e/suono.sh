#!/bin/bash
# The real program's sound, recorded by SDL's file-writing driver: the tune plays from
# start-up; with the music switched off ("m") the game is silent while the professor stands
# and the footstep loop is heard while Right is held, and stops at the release.
# Usage: bash suono.sh BUILD_DIR

. "$(dirname "$0")/gioco_comune.bash" "$1"
avvia_gioco

forte() { awk -v v="$1" -v s="$2" 'BEGIN { exit !(v != "nan" && v > s) }'; }
piano() { awk -v v="$1" -v s="$2" 'BEGIN { exit !(v != "nan" && v < s) }'; }
SECONDO=$(( 44100 * 8 ))
# True once the last second recorded after byte OFFSET is "forte" (louder) or "piano" (quieter)
# than LEVEL; LIVELLO keeps the RMS of the last second looked at. Sounds start and fade when
# they do: the recording is watched until they have.
LIVELLO=nan
livello_da() {  # OFFSET forte|piano LEVEL
    local fine
    fine=$(dimensione_audio)
    [ $(( fine - $1 )) -ge "$SECONDO" ] || return 1
    LIVELLO=$(rms_audio $(( fine - SECONDO )) "$fine")
    "$2" "$LIVELLO" "$3"
}

aspetta livello_da "$(dimensione_audio)" forte 0.005 || fallisci "no music after start-up: RMS $LIVELLO"
musica=$LIVELLO

xdotool key m
aspetta livello_da "$(dimensione_audio)" piano 0.001 ||
    fallisci "not silent with the music off and the professor standing: RMS $LIVELLO"
quiete=$LIVELLO

xdotool keydown Right
aspetta livello_da "$(dimensione_audio)" forte 0.005 || fallisci "no footsteps while Right is held: RMS $LIVELLO"
passi=$LIVELLO
xdotool keyup Right

aspetta livello_da "$(dimensione_audio)" piano 0.001 || fallisci "the footsteps go on after the release: RMS $LIVELLO"
dopo=$LIVELLO
nessun_messaggio "while playing"
echo "PASS: music RMS $musica; off: $quiete; walking: $passi; released: $dopo"
