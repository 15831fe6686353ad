# A help window disables the start dialog until it closes, by its button or by its close
# box; it is transient for the dialog, so that a window manager keeps it above the dialog;
# the dialog's own close box leaves the program with code 0.
source "$(dirname "$0")/inizio_comune.bash"
avvia_xvfb
avvia_programma
W=$(aspetta_finestra "$TITOLO_INIZIO") || exit 1

clic "$W" "${RIEPILOGO[@]}"
C=$(aspetta_finestra '^Riepilogo dei comandi di gioco$') || exit 1
transitoria_per "$C" "$W"
xdotool windowmove "$C" 0 0  # uncover the dialog's buttons
in_alto_a_sinistra() { xwininfo -id "$C" | grep -q 'Absolute upper-left X: *0$' && xwininfo -id "$C" | grep -q 'Absolute upper-left Y: *0$'; }
aspetta in_alto_a_sinistra || fallisci "the help window did not move off the dialog's buttons"
clic "$W" "${ESCI[@]}"
clic "$W" "${SOLUZIONE[@]}"

# The close box is read after both clicks: once the window is gone, they have been dealt with.
chiudi "$C"
vivo || fallisci "\"Esci\" worked on the disabled dialog"
finestra_presente '^Soluzione completa$' && fallisci "a second help window opened"
finestra_presente '^Riepilogo dei comandi di gioco$' && fallisci "the close box left the window open"

# The dialog takes clicks again.
clic "$W" "${SOLUZIONE[@]}"
S=$(aspetta_finestra '^Soluzione completa$') || exit 1
transitoria_per "$S" "$W"
clic "$S" 344 164  # "Chiudi"
aspetta finestra_assente '^Soluzione completa$' || fallisci "\"Chiudi\" left the window open"

chiudi "$W"
aspetta_fine
[ "$RC" -eq 0 ] || fallisci "exit code $RC"
grep -q tempo_limite "$TMP/out" && fallisci "the game started"
echo PASS
