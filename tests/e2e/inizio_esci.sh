# "Esci" ends the program with code 0 and the game window never appears.
source "$(dirname "$0")/inizio_comune.bash"
avvia_xvfb
avvia_programma
W=$(aspetta_finestra "$TITOLO_INIZIO") || exit 1
clic "$W" "${ESCI[@]}"
aspetta_fine
[ "$RC" -eq 0 ] || fallisci "exit code $RC"
grep -q tempo_limite "$TMP/out" && fallisci "the game started"
echo PASS
