# Shared by the end-to-end tests that play the game: a private X server, the desktop program
# with its sound written to a file by SDL's disk driver, "Gioca" in the start dialog, and
# helpers to look at the play field, the pointer and the sound. Sourced with the build
# directory as $1.
set -u
. "$(dirname "${BASH_SOURCE[0]}")/attesa.bash"
BUILD=$(cd "${1:?build directory}" && pwd)
TMP=$(mktemp -d)
GIOCO_PID=""
SONDA_PID=""
W=""
AUDIO="$TMP/audio.raw"
# The program that is started; a test may point it at a copy beside damaged data files.
PROGRAMMA="$BUILD/didiv"

pulisci() {
    [ -n "$SONDA_PID" ] && kill "$SONDA_PID" 2>/dev/null
    [ -n "$GIOCO_PID" ] && kill -9 "$GIOCO_PID" 2>/dev/null
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    [ -n "$XVFB_PID" ] && wait "$XVFB_PID" 2>/dev/null
    rm -rf "$TMP"
}
trap pulisci EXIT

fallisci() {
    echo "FAIL: $* (after ${SECONDS} s)" >&2
    riporta didiv "$TMP/gioco.log" "$GIOCO_PID"
    riporta Xvfb "$TMP/xvfb.log" "$XVFB_PID"
    exit 1
}

for p in Xvfb xdotool xwininfo convert import compare; do
    command -v "$p" >/dev/null || fallisci "$p is not installed"
done
for p in didiv didiv_sonda didiv_cursore didiv_livello_audio; do
    [ -x "$BUILD/$p" ] || fallisci "no $BUILD/$p"
done

TITOLO_MESSAGGI='^(Fiorlo5\.0|Didiv Fiorlo|Uscita dal gioco)$'
messaggi_aperti() { xdotool search --name "$TITOLO_MESSAGGI" 2>/dev/null; }
smappata() { ! xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable'; }

# How many message boxes the start-up may show (for data files that are missing on purpose);
# each is answered with its default button as it comes up.
MESSAGGI_AVVIO=0

# Sets TROVATA to the first shown window whose title matches.
TROVATA=""
finestra_mostrata() {
    kill -0 "$GIOCO_PID" 2>/dev/null || fallisci "didiv ended before the window \"$1\" came up"
    TROVATA=$(xdotool search --name "$1" 2>/dev/null | head -n1)
    [ -n "$TROVATA" ] && xwininfo -id "$TROVATA" | grep -q 'IsViewable'
}

# The probe finds the world picture in the play field: a tick has drawn the scene.
scena_disegnata() { [[ "$(campo)" == *" diff "* ]]; }

# Starts the server and the program and plays free: sets W to the game window.
avvia_gioco() {
    avvia_xvfb

    # No sound card in CI: the mixed output goes to a file at the pace of a real device.
    (cd "$TMP" && SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$AUDIO" exec "$PROGRAMMA") >"$TMP/gioco.log" 2>&1 &
    GIOCO_PID=$!

    aspetta finestra_mostrata '^Didiv di Fiorlo \(versioni 4\.0 e 5\.0\)$' || fallisci "no start dialog"
    local inizio=$TROVATA
    aspetta dipinta "$inizio" || fallisci "the start dialog never painted"
    xdotool mousemove --window "$inizio" 364 252 click 1

    # Each start-up box is answered as it comes; then the game window must come up.
    local risposti=0 b
    gioco_o_messaggio() {
        b=$(messaggi_aperti | head -n1)
        if [ -n "$b" ] && [ "$risposti" -lt "$MESSAGGI_AVVIO" ] && xwininfo -id "$b" | grep -q 'IsViewable'; then
            aspetta dipinta "$b" || fallisci "a start-up message box never painted"
            xdotool mousemove --sync --window "$b" 5 5
            xdotool windowfocus "$b" 2>/dev/null
            xdotool key Return
            risposti=$(( risposti + 1 ))
            aspetta smappata "$b" || fallisci "a start-up message box stayed open after Return"
            return 1
        fi
        finestra_mostrata '^Didiv di Fiorlo$'
    }
    aspetta gioco_o_messaggio || fallisci "no game window"
    W=$TROVATA
    [ -z "$(messaggi_aperti)" ] || fallisci "a message box at start-up"
    [ "$risposti" = "$MESSAGGI_AVVIO" ] || fallisci "$risposti message boxes at start-up, not $MESSAGGI_AVVIO"
    # No window manager: keys go where the pointer is. Rest it on the frame, off every book.
    xdotool mousemove --sync --window "$W" 10 10
    xdotool windowfocus "$W" 2>/dev/null
    aspetta scena_disegnata || fallisci "the play field never showed the scene"
}

# Nothing the game shows may be a message box in these tests.
nessun_messaggio() {
    local b
    for b in $(messaggi_aperti); do
        fallisci "message box \"$(xwininfo -id "$b" | sed -n 's/.*"\(.*\)"$/\1/p')\" $*"
    done
    kill -0 "$GIOCO_PID" 2>/dev/null || fallisci "didiv ended $*"
}

# The last new frame of the play field seen within SECONDS (default 0.3), as the probe prints it
# (a field it cannot place in the world prints "t scroll ? ?"):
# "t scroll SX SY diff N box x0 y0 x1 y1 | n x0 y0 x1 y1 ...".
campo() { "$BUILD/didiv_sonda" "$W" "${1:-0.3}" "$BUILD/gameb2.bmp" | tail -n1; }

# The largest patch that differs from the world picture: the professor, while nothing else
# stands near him. Prints "SX SY x0 y0 x1 y1" in play-field pixels.
professore() { campo "$@" | awk -F'|' '{ split($1, a, " "); split($2, b, " "); print a[3], a[4], b[2], b[3], b[4], b[5] }'; }

# He stands: his patch is the same in the first and the last new frame of a second's watch.
fermo() {
    "$BUILD/didiv_sonda" "$W" 1.0 "$BUILD/gameb2.bmp" | awk -F'|' '
        { p = $2 } NR == 1 { primo = $2 } END { exit !(NR > 0 && p == primo && p != "") }'
}

schermata() { import -window "$W" "$1" 2>/dev/null || fallisci "no screenshot"; }

# Pixels that differ between two pictures in a region WxH+X+Y.
diversi() {
    convert "$1" -crop "$3" +repage "$TMP/d1.png" && convert "$2" -crop "$3" +repage "$TMP/d2.png" ||
        fallisci "cannot crop $1 $2"
    compare -metric AE "$TMP/d1.png" "$TMP/d2.png" null: 2>&1 | sed 's/ .*//'
}

puntatore_visibile() { "$BUILD/didiv_cursore" | awk '{ print $7 }'; }

dimensione_audio() { stat -c %s "$AUDIO" 2>/dev/null || echo 0; }
# RMS of the recorded sound between two sizes of the file.
rms_audio() { "$BUILD/didiv_livello_audio" "$AUDIO" "$1" $(( $2 - $1 )) | awk '{ print $2 }'; }
# Waits until the recording has grown by at least this many tenths of a second of sound.
attendi_audio() {
    local meta=$(( $(dimensione_audio) + $1 * 44100 * 8 / 10 ))
    cresciuta() { [ "$(dimensione_audio)" -ge "$meta" ]; }
    aspetta cresciuta && return 0
    fallisci "the sound file stopped growing at $(dimensione_audio) bytes"
}
