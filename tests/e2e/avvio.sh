#!/bin/bash
# The desktop program on a virtual display: after "Gioca" in the start dialog, the game
# window comes up titled "Didiv di Fiorlo" with a 480 x 540 client area that shows the
# framed scene, and closing it as a window manager would ends the program with code 0.
# Started from another directory, it still finds the data files beside it.
# Usage: bash avvio.sh BUILD_DIR

. "$(dirname "$0")/gioco_comune.bash" "$1"
[ -x "$BUILD/didiv_chiudi_finestra" ] || fallisci "no $BUILD/didiv_chiudi_finestra"
avvia_gioco

geometria=$(xwininfo -id "$W")
larghezza=$(echo "$geometria" | sed -n 's/^ *Width: *//p')
altezza=$(echo "$geometria" | sed -n 's/^ *Height: *//p')
[ "$larghezza" = 480 ] && [ "$altezza" = 540 ] || fallisci "client area ${larghezza}x${altezza}, not 480x540"

# The frame picture is first drawn by a tick: a frame border that is not black shows that
# the timer runs and the screen follows the buffer.
import -window "$W" "$TMP/schermo.png" 2>/dev/null || fallisci "no screenshot"
cp "$TMP/schermo.png" "$BUILD/e2e_avvio.png"
dim=$(convert "$TMP/schermo.png" -format '%wx%h' info:)
[ "$dim" = 480x540 ] || fallisci "screenshot is $dim"
bordo=$(convert "$TMP/schermo.png" -crop 480x40+0+0 +repage -colorspace Gray -format '%[fx:maxima]' info:)
awk -v v="$bordo" 'BEGIN { exit !(v > 0) }' || fallisci "the frame picture is not shown: no tick presented"

# Closing the window unloads the game, which ends the process at once with code 0.
"$BUILD/didiv_chiudi_finestra" "$W" || fallisci "could not send WM_DELETE_WINDOW"
finito() { ! kill -0 "$GIOCO_PID" 2>/dev/null; }
aspetta finito || fallisci "didiv still running $SCADENZA_E2E s after the close"
wait "$GIOCO_PID"
codice=$?
GIOCO_PID=""
[ "$codice" = 0 ] || fallisci "didiv ended with code $codice"
echo "PASS: window 480x540, picture shown, closed with code 0"
