#!/bin/bash
# The real program walks: holding Right (with the desktop's key repeat) moves the professor
# 5 px a tick at an even pace, and he stops soon after the release; held on, the view follows
# him past the middle of the field and he stops at the foot of ladder A; holding Up climbs it
# to the first gallery, the view following.
# Usage: bash cammino.sh BUILD_DIR

. "$(dirname "$0")/gioco_comune.bash" "$1"
avvia_gioco

read -r sx sy x0 y0 x1 y1 < <(professore)
[ "$sx $sy" = "0 0" ] || fallisci "view at $sx,$sy at the start, not 0,0"
[ "$y1" = 284 ] || fallisci "his feet on field row $y1 at the start, not on the ground's 284"
inizio=$x0

# About 16 ticks of walking, watched frame by frame: Right is held until he is 80 px on.
"$BUILD/didiv_sonda" "$W" 600 "$BUILD/gameb2.bmp" >"$TMP/cammino.txt" &
SONDA_PID=$!
aspetta test -s "$TMP/cammino.txt" || fallisci "the probe saw no frame"
# His left edge in the last new frame the probe saw.
ultima_x() { awk -F'|' 'NF > 1 { split($2, b, " "); x = b[2] } END { print x + 0 }' "$TMP/cammino.txt"; }
oltre() { [ "$(ultima_x)" -ge "$1" ]; }
xdotool keydown Right
aspetta oltre $(( inizio + 80 )) || fallisci "Right did not take him 80 px on: at $(ultima_x), from $inizio"
xdotool keyup Right
aspetta fermo || fallisci "still moving after the release"
kill "$SONDA_PID"
wait "$SONDA_PID" 2>/dev/null
SONDA_PID=""
[ -n "${DIDIV_E2E_TRACCIA:-}" ] && cut -c1-90 "$TMP/cammino.txt" >&2
nessun_messaggio "while walking"
read -r sx sy x0 y0 x1 y1 < <(professore)
[ "$sx" = 0 ] || fallisci "the view moved ($sx) before he reached the middle"
passi=$(( x0 - inizio ))
# 5 px a tick whatever the stride's width, and only a few ticks more once Right is up.
[ "$passi" -ge 80 ] && [ "$passi" -le 120 ] || fallisci "Right held for 80 px moved him $passi px"
# Each tick moves him 5 px and shows the other stride, whose left edge lies 4 px back: the
# frames' left edges go on by 1 and 9 px in turn (10 or 11 where the probe missed a frame on
# a loaded machine). A stop in the walk, as a false release of the key would give, puts the
# strides out of step with the 5 px: an edge moves on by 4, 5 or 6 px.
awk -F'|' '{ split($2, b, " "); if (b[1] > 1500 && b[1] < 3500) print b[2] }' "$TMP/cammino.txt" |
    awk '
        { x[n++] = $1 }
        END {
            fuori = 0; visti = 0
            for (i = 1; i < n; i++) {
                # Standing before the press and after the release are not the walk.
                if (x[i - 1] == x[0] || x[i] == x[n - 1]) continue
                visti++
                d = x[i] - x[i - 1]
                if (d <= 0 || (d % 10 != 0 && d % 10 != 1 && d % 10 != 9)) fuori++
            }
            if (visti < 8 || fuori > 0) { print "steps " visti " out of step " fuori; exit 1 }
        }' || fallisci "an uneven walk: $(awk -F'|' '{ split($2, b, " "); printf "%s ", b[2] }' "$TMP/cammino.txt")"

# Released, he stands.
a=$(professore)
fermo || fallisci "still moving after the release"
b=$(professore)
[ "$a" = "$b" ] || fallisci "still moving after the release: $a then $b"

# He stands, with the key still held, at this view and field x.
fermo_a() {
    local sx sy x0 y0 x1 y1
    read -r sx sy x0 y0 x1 y1 < <(professore)
    [ "$sx $sy $x0" = "$1" ] && fermo
}

# On to the end of the ground, under ladder A: the view has followed him.
xdotool keydown Right
aspetta fermo_a "80 0 228" || { xdotool keyup Right; fallisci "he never came to stand at the end of the ground"; }
xdotool keyup Right
read -r sx sy x0 y0 x1 y1 < <(professore)
[ "$sx $sy" = "80 0" ] || fallisci "view at $sx,$sy at the end of the ground, not 80,0"
[ "$x0" = 228 ] || fallisci "he stands at field x $x0 at the end of the ground, not 228"

# Up the ladder to the first gallery, whose feet row is 188: the view follows him up.
in_galleria() {
    local sx sy x0 y0 x1 y1
    read -r sx sy x0 y0 x1 y1 < <(professore)
    [ "$sx $sy" = "80 -120" ] && [ $(( y1 + sy )) = 188 ] && fermo
}
xdotool keydown Up
aspetta in_galleria || { xdotool keyup Up; fallisci "he never came to stand on the first gallery"; }
xdotool keyup Up
nessun_messaggio "while climbing"
read -r sx sy x0 y0 x1 y1 < <(professore)
[ "$sx $sy" = "80 -120" ] || fallisci "view at $sx,$sy on the first gallery, not 80,-120"
[ $(( y1 + sy )) = 188 ] || fallisci "his feet on world row $(( y1 + sy )) after the climb, not 188"
echo "PASS: walked $passi px for 80 held, evenly; stopped at ladder A; climbed to row 188"
