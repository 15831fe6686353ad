# Shared by the end-to-end tests: waiting for an event, and the events they wait for.

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
