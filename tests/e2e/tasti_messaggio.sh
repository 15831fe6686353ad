#!/bin/bash
# A message box that opens while keys are held, in the real program. Right held, Esc asks
# "Si desidera terminare la partita in corso?": the release of Right (and of Esc) while the
# question is open reaches the game once it is answered, so he no longer walks. Esc held:
# its autorepeat neither answers the question nor opens another; keys pressed while it is
# open act on it as usual.
# Usage: bash tasti_messaggio.sh BUILD_DIR

. "$(dirname "$0")/gioco_comune.bash" "$1"
command -v xev >/dev/null || fallisci "xev is not installed"
TITOLO_USCITA='^Uscita dal gioco$'

# Waits about 10 s at most for the professor or the view to move from where $1 ("SX SY x0 y0
# x1 y1", as `professore` prints it) saw them.
aspetta_passi() {
    local ora
    for _ in $(seq 30); do
        ora=$(professore)
        [ -n "$ora" ] && [ "$ora" != "$1" ] && return 0
    done
    fallisci "he does not walk: $1"
}

# Waits up to 10 s for a question box; prints its id.
aspetta_domanda() {
    local b
    for _ in $(seq 100); do
        kill -0 "$GIOCO_PID" 2>/dev/null || fallisci "didiv ended before the question came up"
        b=$(xdotool search --name "$TITOLO_USCITA" 2>/dev/null | head -n1)
        [ -n "$b" ] && xwininfo -id "$b" 2>/dev/null | grep -q IsViewable && { echo "$b"; return 0; }
        sleep 0.1
    done
    fallisci "no question after Esc"
}

aspetta_niente_domanda() {
    for _ in $(seq 100); do
        [ -z "$(xdotool search --onlyvisible --name "$TITOLO_USCITA" 2>/dev/null)" ] && return 0
        sleep 0.1
    done
    fallisci "the question is still open"
}

avvia_gioco

# 1. Right held; the question comes; Right is let go while it is open.
fermo=$(professore)
xdotool keydown Right
aspetta_passi "$fermo"
xdotool key Escape
aspetta_domanda >/dev/null
xdotool keyup Right
# Return answers the default "No"; held down, it gives the game no release of its own.
xdotool keydown Return
aspetta_niente_domanda
kill -0 "$GIOCO_PID" 2>/dev/null || fallisci "the question was answered \"Sì\""
# He stands: over a second of ticks at most one step, where walking gives a dozen.
"$BUILD/didiv_sonda" "$W" 1.0 "$BUILD/gameb2.bmp" | grep ' diff ' >"$TMP/dopo.txt"
xdotool keyup Return
# His place in the world: the view's left edge plus the left edge of the largest patch.
posizione() { awk -F'|' '{ split($1, a, " "); split($2, b, " "); print a[3] + b[2] }'; }
primo=$(head -n1 "$TMP/dopo.txt" | posizione)
ultimo=$(tail -n1 "$TMP/dopo.txt" | posizione)
[ -n "$primo" ] && [ -n "$ultimo" ] || fallisci "no picture of the field"
[ $(( ultimo - primo )) -le 5 ] ||
    fallisci "he walks on after the question: from $primo to $ultimo in a second"
nessun_messaggio "after the answer"
# The game still takes the keys: a new Right walks him.
fermo=$(professore)
xdotool keydown Right
aspetta_passi "$fermo"
xdotool keyup Right

# 2. Esc held: the question opens at its press and must outlive its autorepeat. One watcher
# counts the windows shown, another sees the keys the server sends the game window.
xev -root -event substructure >"$TMP/finestre.log" 2>&1 &
XEV_FINESTRE=$!
xev -id "$W" -event keyboard >"$TMP/tasti.log" 2>&1 &
XEV_TASTI=$!
trap 'kill $XEV_FINESTRE $XEV_TASTI 2>/dev/null; pulisci' EXIT
# Both listen before the key goes down: a nudge of the window and a tap of Shift reach them.
for _ in $(seq 100); do
    xdotool windowmove --relative "$W" 1 0
    grep -q ConfigureNotify "$TMP/finestre.log" && break
    sleep 0.1
done
grep -q ConfigureNotify "$TMP/finestre.log" || fallisci "xev does not see the windows"
for _ in $(seq 100); do
    xdotool key shift
    grep -q KeyRelease "$TMP/tasti.log" && break
    sleep 0.1
done
grep -q KeyRelease "$TMP/tasti.log" || fallisci "xev does not see the game window's keys"
xdotool keydown Escape
aspetta_domanda >/dev/null
# The server repeats a held key after a while: wait for two repeats (a false release and a
# press each, for a client that has not asked for true releases) to reach the window.
for _ in $(seq 100); do
    [ "$(grep -c 'keysym 0xff1b, Escape' "$TMP/tasti.log")" -ge 5 ] && break
    sleep 0.1
done
[ "$(grep -c 'keysym 0xff1b, Escape' "$TMP/tasti.log")" -ge 5 ] || fallisci "Escape does not repeat"
xdotool keyup Escape
# Fresh keys act: Tab moves the focus to "Sì", Return chooses it, and the game ends.
xdotool key Tab Return
for _ in $(seq 100); do
    kill -0 "$GIOCO_PID" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$GIOCO_PID" 2>/dev/null &&
    fallisci "the game goes on: the held Escape answered the question before Tab and Return came"
wait "$GIOCO_PID"
codice=$?
GIOCO_PID=""
[ "$codice" = 0 ] || fallisci "didiv ended with code $codice"
domande=$(grep -c '^MapNotify' "$TMP/finestre.log")
[ "$domande" = 1 ] || fallisci "$domande windows were shown while Escape was held, not the one question"
echo "PASS: the release reached the game through the question; a held Escape left it open"
