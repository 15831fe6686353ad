# A help window disables the start dialog until it closes, by its button or by its close
# box; it is transient for the dialog, so that a window manager keeps it above the dialog;
# the dialog's own close box leaves the program with code 0.
source "$(dirname "$0")/inizio_comune.bash"
avvia_x
avvia_programma
W=$(aspetta_finestra "$TITOLO_INIZIO")

clic "$W" "${RIEPILOGO[@]}"
C=$(aspetta_finestra '^Riepilogo dei comandi di gioco$')
transitoria_per "$C" "$W"
xdotool windowmove "$C" 0 0  # uncover the dialog's buttons
sleep 0.3
clic "$W" "${ESCI[@]}"
vivo || fallisci "\"Esci\" worked on the disabled dialog"
clic "$W" "${SOLUZIONE[@]}"
finestra_presente '^Soluzione completa$' && fallisci "a second help window opened"

chiudi "$C"
finestra_presente '^Riepilogo dei comandi di gioco$' && fallisci "the close box left the window open"

# The dialog takes clicks again.
clic "$W" "${SOLUZIONE[@]}"
S=$(aspetta_finestra '^Soluzione completa$')
transitoria_per "$S" "$W"
clic "$S" 344 164  # "Chiudi"
finestra_presente '^Soluzione completa$' && fallisci "\"Chiudi\" left the window open"

chiudi "$W"
aspetta_fine
[ "$RC" -eq 0 ] || fallisci "exit code $RC"
grep -q tempo_limite "$TMP/out" && fallisci "the game started"
echo PASS
