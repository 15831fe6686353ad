# "Gioca" with timed play and the list untouched: the game window opens with 30 seconds
# and the start dialog is gone for good.
source "$(dirname "$0")/inizio_comune.bash"
avvia_xvfb
avvia_programma
W=$(aspetta_finestra "$TITOLO_INIZIO") || exit 1
clic "$W" "${GIOCA_PER[@]}"
clic "$W" "${GIOCA[@]}"
aspetta trova_finestra "$TITOLO_GIOCO" || fallisci "no game window"
aspetta finestra_assente "$TITOLO_INIZIO" || fallisci "the start dialog is still shown"
grep -qx "tempo_limite 30" "$TMP/out" || fallisci "wrong play time"
vivo || fallisci "the program ended with the game window"
echo PASS
