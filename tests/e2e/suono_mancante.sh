#!/bin/bash
# A copy of the real program with "attiva.wav" missing and "step.wav" cut short: start-up
# reports each of them once; then the game plays on without those sounds, and neither the
# pointer moving over the play field and a book nor walking brings up any message box.
# Usage: bash suono_mancante.sh BUILD_DIR

. "$(dirname "$0")/gioco_comune.bash" "$1"
COPIA="$TMP/copia"
mkdir "$COPIA" && cp "$BUILD/didiv" "$BUILD"/*.bmp "$BUILD"/*.wav "$BUILD"/*.mid "$COPIA/" ||
    fallisci "cannot copy the program and its data files"
rm "$COPIA/attiva.wav"
head -c 30 "$BUILD/step.wav" >"$COPIA/step.wav"
PROGRAMMA="$COPIA/didiv"
MESSAGGI_AVVIO=2
avvia_gioco
campo >/dev/null  # a tick after start-up: any box it raised is up
nessun_messaggio "once the game window is up"

# Across the fly's book (world x 35..49, y 241..266, window x 75..89 at the start's view)
# and off it onto the shelves and the floor, a few times.
for _ in 1 2 3; do
    for x in 50 60 70 78 82 86 95 110 140; do
        xdotool mousemove --sync --window "$W" "$x" 293
    done
    xdotool mousemove --sync --window "$W" 250 350
    campo >/dev/null  # the moves were handled before the frames it watched
    nessun_messaggio "with the pointer over the play field"
done

# Walking: the key press and every tick of the walk used the broken footstep sound.
xdotool mousemove --sync --window "$W" 10 10
read -r _ _ prima _ < <(professore)
[ -n "$prima" ] || fallisci "the probe did not find him"
dopo=""
camminato() {
    read -r _ _ dopo _ < <(professore)
    [ -n "$dopo" ] && [ "$dopo" -gt $(( prima + 20 )) ]
}
xdotool keydown Right
aspetta camminato || fallisci "holding Right did not walk him (field x $prima, then $dopo)"
nessun_messaggio "while walking"
xdotool keyup Right
aspetta fermo || fallisci "he walks on after Right was let go"
nessun_messaggio "after the walk"
echo "PASS: two reports at start-up, then no message box over the field or while walking"
