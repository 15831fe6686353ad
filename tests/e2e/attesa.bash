# Shared by the end-to-end tests: waiting for an event, the events they wait for, a private
# X server, and what a failed step reports. The sourcing script sets TMP and fallisci.

# Waits for an event, never for a fixed time: a loaded machine only makes the event come
# later. Runs the command again and again until it succeeds; false when it has not within
# the deadline, which only a broken program reaches. The command runs in this shell, so it
# may leave what it saw in variables for the caller's message.
SCADENZA_E2E=60
aspetta() {
    local fine=$(( SECONDS + SCADENZA_E2E ))
    until "$@"; do
        [ "$SECONDS" -lt "$fine" ] || return 1
        sleep 0.05
    done
}

# A window has painted once its picture is no longer one flat colour.
dipinta() {
    local d
    d=$(import -window "$1" png:- 2>/dev/null | convert - -format '%[fx:standard_deviation]' info: 2>/dev/null)
    awk -v d="$d" 'BEGIN { exit !(d != "" && d > 0) }'
}

# What a CI log needs when a step fails: whether a process still runs or how it ended, and
# the last lines it wrote. Usage: riporta LABEL FILE [PID], the PID a child of this shell.
riporta() {
    local etichetta=$1 file=$2 pid=${3:-} rc
    # Only the shell that started a process can learn how it ended.
    if [ -n "$pid" ] && [ "$BASHPID" = "$$" ]; then
        if kill -0 "$pid" 2>/dev/null; then
            echo "  $etichetta: still running" >&2
        else
            wait "$pid" 2>/dev/null
            rc=$?
            if [ "$rc" -gt 128 ]; then echo "  $etichetta: ended by signal $(( rc - 128 ))" >&2
            else echo "  $etichetta: ended with code $rc" >&2; fi
        fi
    fi
    if [ -s "$file" ]; then
        tail -n 25 "$file" | sed "s/^/  $etichetta: /" >&2
    else
        echo "  $etichetta: wrote nothing" >&2
    fi
}

# A private X server: sets XVFB_PID and DISPLAY. Without -noreset the server starts over
# each time its last client leaves, and refuses whoever connects meanwhile: a probe that
# looks for a window while the program is still starting would make the program fail to
# open the display.
display_pronto() {
    kill -0 "$XVFB_PID" 2>/dev/null || fallisci "Xvfb ended before it gave a display number"
    [ -s "$TMP/display" ]
}
avvia_xvfb() {
    Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$TMP/display" >"$TMP/xvfb.log" 2>&1 &
    XVFB_PID=$!
    aspetta display_pronto || fallisci "Xvfb gave no display number"
    export DISPLAY=":$(head -n1 "$TMP/display")"
}
