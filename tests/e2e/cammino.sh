#!/bin/bash
# The real program walks: holding Right (with the desktop's key repeat) moves the professor
# 5 px a tick at an even pace until the view follows him past the middle of the field; he
# stops at the foot of ladder A; holding Up climbs it to the first gallery, the view following.
# Usage: bash cammino.sh BUILD_DIR

. "$(dirname "$0")/gioco_comune.bash" "$1"
avvia_gioco

read -r sx sy x0 y0 x1 y1 < <(professore)
[ "$sx $sy" = "0 0" ] || fallisci "view at $sx,$sy at the start, not 0,0"
[ "$y1" = 284 ] || fallisci "his feet on field row $y1 at the start, not on the ground's 284"
inizio=$x0

# A second of walking, watched frame by frame.
"$BUILD/didiv_sonda" "$W" 1.6 "$BUILD/gameb2.bmp" >"$TMP/cammino.txt" &
sonda=$!
sleep 0.2
tieni Right 1.0
wait "$sonda"
[ -n "${DIDIV_E2E_TRACCIA:-}" ] && cut -c1-90 "$TMP/cammino.txt" >&2
nessun_messaggio "while walking"
read -r sx sy x0 y0 x1 y1 < <(professore)
[ "$sx" = 0 ] || fallisci "the view moved ($sx) before he reached the middle"
passi=$(( x0 - inizio ))
# About 16 ticks of 60 ms: 5 px each, whatever the stride's width.
[ "$passi" -ge 50 ] && [ "$passi" -le 120 ] || fallisci "a second of Right moved him $passi px"
# Each tick shows a new frame: the feet move on by 5 px every two frames (strides differ in width).
awk -F'|' '{ split($2, b, " "); if (b[1] > 1500 && b[1] < 3500) print b[2] }' "$TMP/cammino.txt" |
    awk -v inizio="$inizio" '
        { x[n++] = $1 }
        END {
            salti = 0; fermi = 0
            for (i = 2; i < n; i++) {
                d = x[i] - x[i - 2]
                if (d == 10) continue
                if (d == 0 && (x[i] == inizio || x[i - 2] == x[n - 1])) { fermi++; continue }
                salti++
            }
            # A late frame on a loaded machine shows as two or three uneven steps; false
            # releases of the key repeat would stop him again and again, far more often.
            if (n < 10 || salti > n / 5) { print "frames " n " uneven " salti; exit 1 }
        }' || fallisci "an uneven walk: $(awk -F'|' '{ split($2, b, " "); printf "%s ", b[2] }' "$TMP/cammino.txt")"

# Released, he stands.
a=$(professore)
sleep 0.4
b=$(professore)
[ "$a" = "$b" ] || fallisci "still moving after the release: $a then $b"

# On to the end of the ground, under ladder A: the view has followed him.
tieni Right 3.5
read -r sx sy x0 y0 x1 y1 < <(professore)
[ "$sx $sy" = "80 0" ] || fallisci "view at $sx,$sy at the end of the ground, not 80,0"
[ "$x0" = 228 ] || fallisci "he stands at field x $x0 at the end of the ground, not 228"

# Up the ladder to the first gallery, whose feet row is 188: the view follows him up.
tieni Up 3.0
nessun_messaggio "while climbing"
read -r sx sy x0 y0 x1 y1 < <(professore)
[ "$sx $sy" = "80 -120" ] || fallisci "view at $sx,$sy on the first gallery, not 80,-120"
[ $(( y1 + sy )) = 188 ] || fallisci "his feet on world row $(( y1 + sy )) after the climb, not 188"
echo "PASS: walked $passi px in a second, evenly; stopped at ladder A; climbed to row 188"
