# Shared by the start dialog's end-to-end tests: a private X server, the dialog program, and
# waits that give up after a few seconds. Sourced with the build directory as $1.
set -u
BUILD="$1"
PROG="${DIDIV_PROGRAMMA_INIZIO:-$BUILD/didiv_prova_inizio}"
TMP=$(mktemp -d)
XVFB_PID=""
APP_PID=""

pulisci() {
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$TMP"
}
trap pulisci EXIT

fallisci() {
    echo "FAIL: $*" >&2
    [ -f "$TMP/out" ] && sed 's/^/  out: /' "$TMP/out" >&2
    [ -f "$TMP/err" ] && sed 's/^/  err: /' "$TMP/err" >&2
    exit 1
}

avvia_x() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$TMP/display" 2>"$TMP/xvfb.log" &
    XVFB_PID=$!
    for _ in $(seq 100); do
        [ -s "$TMP/display" ] && break
        sleep 0.05
    done
    [ -s "$TMP/display" ] || fallisci "Xvfb did not start"
    export DISPLAY=":$(head -n1 "$TMP/display")"
}

avvia_programma() {
    [ -x "$PROG" ] || fallisci "no program $PROG"
    "$PROG" >"$TMP/out" 2>"$TMP/err" &
    APP_PID=$!
}

# The id of the first window whose title matches, waiting up to 10 s.
aspetta_finestra() {
    for _ in $(seq 200); do
        local id
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1)
        if [ -n "$id" ]; then
            sleep 0.3  # let it paint
            echo "$id"
            return 0
        fi
        sleep 0.05
    done
    fallisci "no window \"$1\""
}

# True while a window with that title is shown.
finestra_presente() {
    [ -n "$(xdotool search --onlyvisible --name "$1" 2>/dev/null)" ]
}

clic() {  # window x y, in the window's client area
    xdotool mousemove --window "$1" "$2" "$3" click 1
    sleep 0.3
}

# Asks a window to close as its close box would.
chiudi() {
    "$PROG" --chiudi "$1" || fallisci "could not close window $1"
    sleep 0.3
}

# Waits up to 10 s for the program to end; sets RC to its exit code.
aspetta_fine() {
    for _ in $(seq 200); do
        kill -0 "$APP_PID" 2>/dev/null || break
        sleep 0.05
    done
    kill -0 "$APP_PID" 2>/dev/null && fallisci "the program did not end"
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
