# Shared by the start dialog's end-to-end tests: a private X server, the dialog program, and
# waits for the windows it shows. Sourced with the build directory as $1.
set -u
. "$(dirname "${BASH_SOURCE[0]}")/attesa.bash"
BUILD="$1"
PROG="${DIDIV_PROGRAMMA_INIZIO:-$BUILD/didiv_prova_inizio}"
TMP=$(mktemp -d)
APP_PID=""

pulisci() {
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$TMP"
}
trap pulisci EXIT

fallisci() {
    echo "FAIL: $* (after ${SECONDS} s)" >&2
    [ -f "$TMP/out" ] && riporta "program's stdout" "$TMP/out" "$APP_PID"
    [ -f "$TMP/err" ] && riporta "program's stderr" "$TMP/err"
    riporta Xvfb "$TMP/xvfb.log" "$XVFB_PID"
    exit 1
}

avvia_programma() {
    [ -x "$PROG" ] || fallisci "no program $PROG"
    "$PROG" >"$TMP/out" 2>"$TMP/err" &
    APP_PID=$!
}

# Sets TROVATA to the first shown window whose title matches.
TROVATA=""
trova_finestra() {
    TROVATA=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1)
    [ -n "$TROVATA" ]
}

# Prints the id of the first window whose title matches, once it is shown and painted
# (clicks are aimed at what it draws).
aspetta_finestra() {
    aspetta trova_finestra "$1" || fallisci "no window \"$1\""
    aspetta dipinta "$TROVATA" || fallisci "window \"$1\" never painted"
    echo "$TROVATA"
}

# True while a window with that title is shown.
finestra_presente() {
    [ -n "$(xdotool search --onlyvisible --name "$1" 2>/dev/null)" ]
}
finestra_assente() { ! finestra_presente "$1"; }

# True while that window is mapped.
mappata() { xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable'; }
smappata() { ! mappata "$1"; }

# xdotool ends only once the server has taken the click: the program reads it before any
# later event, so the next thing it is seen to do comes after the click.
clic() {  # window x y, in the window's client area
    xdotool mousemove --window "$1" "$2" "$3" click 1
}

# Asks a window to close as its close box would, and waits until it is gone.
chiudi() {
    "$PROG" --chiudi "$1" || fallisci "could not close window $1"
    aspetta smappata "$1" || fallisci "window $1 is still shown after its close box"
}

finito() { ! kill -0 "$APP_PID" 2>/dev/null; }

# Waits for the program to end; sets RC to its exit code.
aspetta_fine() {
    aspetta finito || fallisci "the program did not end"
    wait "$APP_PID"
    RC=$?
    APP_PID=""
}

vivo() { kill -0 "$APP_PID" 2>/dev/null; }

# Fails unless the first window names the second in its WM_TRANSIENT_FOR hint.
transitoria_per() {
    local per
    per=$(xprop -id "$1" WM_TRANSIENT_FOR 2>/dev/null | sed -n 's/.*window id # *\(0x[0-9a-fA-F]*\).*/\1/p')
    [ -n "$per" ] || fallisci "window $1 is transient for no window"
    [ $((per)) -eq $(($2)) ] || fallisci "window $1 is transient for $per, not for $(printf '0x%x' "$2")"
}

TITOLO_INIZIO='^Didiv di Fiorlo \(versioni 4\.0 e 5\.0\)$'
TITOLO_GIOCO='^Didiv di Fiorlo$'

# Centres of the dialog's controls, in its client area.
ESCI=(300 252)
GIOCA=(364 252)
RIEPILOGO=(332 284)
SOLUZIONE=(332 316)
GIOCA_PER=(34 296)
