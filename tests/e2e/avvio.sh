#!/bin/bash
# The desktop program on a virtual display: after "Gioca" in the start dialog, the game
# window comes up titled "Didiv di Fiorlo" with a 480 x 540 client area that shows the
# framed scene, and closing it as a window manager would ends the program with code 0.
# Usage: bash avvio.sh BUILD_DIR

set -u
BUILD=$(cd "${1:?build directory}" && pwd)
TMP=$(mktemp -d)
XVFB_PID=""
GIOCO_PID=""

pulisci() {
    [ -n "$GIOCO_PID" ] && kill -9 "$GIOCO_PID" 2>/dev/null
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    [ -n "$XVFB_PID" ] && wait "$XVFB_PID" 2>/dev/null
    rm -rf "$TMP"
}
trap pulisci EXIT

fallisci() {
    echo "FAIL: $*" >&2
    [ -s "$TMP/gioco.log" ] && sed 's/^/  didiv: /' "$TMP/gioco.log" >&2
    exit 1
}

for p in Xvfb xdotool xwininfo convert import; do
    command -v "$p" >/dev/null || fallisci "$p is not installed"
done
[ -x "$BUILD/didiv" ] || fallisci "no $BUILD/didiv"
[ -x "$BUILD/didiv_chiudi_finestra" ] || fallisci "no $BUILD/didiv_chiudi_finestra"

# A free display number, chosen by the server itself.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$TMP/display" >"$TMP/xvfb.log" 2>&1 &
XVFB_PID=$!
for _ in $(seq 100); do
    [ -s "$TMP/display" ] && break
    kill -0 "$XVFB_PID" 2>/dev/null || fallisci "Xvfb did not start: $(cat "$TMP/xvfb.log")"
    sleep 0.1
done
[ -s "$TMP/display" ] || fallisci "Xvfb gave no display number"
export DISPLAY=":$(head -n1 "$TMP/display")"

# Started from elsewhere, the program must still find the data files beside it.
(cd "$TMP" && exec "$BUILD/didiv") >"$TMP/gioco.log" 2>&1 &
GIOCO_PID=$!

finestra() { xdotool search --name '^Didiv di Fiorlo$' 2>/dev/null | head -n1; }
# Messages of the game (a data file the build did not make yet) are answered "Riprova",
# with the keyboard, so the program goes on.
rispondi_messaggi() {
    local b
    for b in $(xdotool search --name '^(Fiorlo5\.0|Didiv Fiorlo)$' 2>/dev/null); do
        echo "message box answered: $(xwininfo -id "$b" | sed -n 's/.*"\(.*\)"$/\1/p')" >>"$TMP/messaggi.log"
        xdotool key --window "$b" Return 2>/dev/null
    done
}

# The program starts in the start dialog: "Gioca" opens the game in free play.
I=""
for _ in $(seq 100); do
    kill -0 "$GIOCO_PID" 2>/dev/null || fallisci "didiv ended before its start dialog came up"
    I=$(xdotool search --name '^Didiv di Fiorlo \(versioni 4\.0 e 5\.0\)$' 2>/dev/null | head -n1)
    [ -n "$I" ] && xwininfo -id "$I" | grep -q 'IsViewable' && break
    I=""
    sleep 0.1
done
[ -n "$I" ] || fallisci "no start dialog"
sleep 0.3
xdotool mousemove --window "$I" 364 252 click 1

# The window is up once it exists and no message waits for an answer.
W=""
for _ in $(seq 150); do
    kill -0 "$GIOCO_PID" 2>/dev/null || fallisci "didiv ended before its window came up"
    rispondi_messaggi
    W=$(finestra)
    if [ -n "$W" ] && [ -z "$(xdotool search --name '^(Fiorlo5\.0|Didiv Fiorlo)$' 2>/dev/null)" ] &&
        xwininfo -id "$W" | grep -q 'IsViewable'; then
        break
    fi
    W=""
    sleep 0.1
done
[ -n "$W" ] || fallisci "no window titled 'Didiv di Fiorlo'"
[ -s "$TMP/messaggi.log" ] && cat "$TMP/messaggi.log"

geometria=$(xwininfo -id "$W")
larghezza=$(echo "$geometria" | sed -n 's/^ *Width: *//p')
altezza=$(echo "$geometria" | sed -n 's/^ *Height: *//p')
[ "$larghezza" = 480 ] && [ "$altezza" = 540 ] || fallisci "client area ${larghezza}x${altezza}, not 480x540"

# Let a few frames run, then look: the frame picture is first drawn by a tick, so a frame
# border that is not black shows that the timer runs and the screen follows the buffer.
sleep 0.5
import -window "$W" "$TMP/schermo.png" 2>/dev/null || fallisci "no screenshot"
cp "$TMP/schermo.png" "$BUILD/e2e_avvio.png"
dim=$(convert "$TMP/schermo.png" -format '%wx%h' info:)
[ "$dim" = 480x540 ] || fallisci "screenshot is $dim"
luce() { convert "$TMP/schermo.png" -crop "$1" +repage -colorspace Gray -format '%[fx:maxima]' info:; }
tutto=$(luce 480x540+0+0)
bordo=$(luce 480x40+0+0)
awk -v v="$tutto" 'BEGIN { exit !(v > 0) }' || fallisci "the window is all black"
awk -v v="$bordo" 'BEGIN { exit !(v > 0) }' || fallisci "the frame picture is not shown: no tick presented"

# Closing the window unloads the game, which ends the process at once with code 0.
"$BUILD/didiv_chiudi_finestra" "$W" || fallisci "could not send WM_DELETE_WINDOW"
for _ in $(seq 100); do
    kill -0 "$GIOCO_PID" 2>/dev/null || break
    rispondi_messaggi
    sleep 0.1
done
kill -0 "$GIOCO_PID" 2>/dev/null && fallisci "didiv still running 10 s after the close"
wait "$GIOCO_PID"
codice=$?
GIOCO_PID=""
[ "$codice" = 0 ] || fallisci "didiv ended with code $codice"
echo "PASS: window 480x540, picture shown, closed with code 0"
