#!/bin/bash
# The whole program measured as a player meets it, on a private virtual display: from the
# click on "Gioca" to the game window's first full frame, resident memory in play, and the
# CPU of the whole process over a quiet spell with the game open. Each run starts a fresh X
# server and program; the first run only warms the disk cache and is not counted.
#
# Usage: bash misura.sh BUILD_DIR [RUNS] [SOUNDFONT]
#   RUNS       counted runs (default 7); the medians are printed last
#   SOUNDFONT  a .sf2 file the program must find instead of the installed ones, or "nessuno"
#              for none at all (the game then runs without music); needs a private mount
#              namespace (run as root)
# DIDIV_CRONOMETRO names the timer program when BUILD_DIR has none (an older build).
# Sound goes through SDL's disk driver into /dev/null, at the pace of a real device.
set -u
BUILD=$(cd "${1:?build directory}" && pwd)
RUNS=${2:-7}
SF=${3:-}
QUIETE=${DIDIV_QUIETE:-10}
CRONO=${DIDIV_CRONOMETRO:-$BUILD/didiv_cronometro}
for p in "$BUILD/didiv" "$CRONO"; do [ -x "$p" ] || { echo "no $p" >&2; exit 1; }; done
command -v Xvfb >/dev/null || { echo "Xvfb is not installed" >&2; exit 1; }

TMP=$(mktemp -d)
XVFB_PID=""
GIOCO_PID=""
ferma() {
    [ -n "$GIOCO_PID" ] && kill -9 "$GIOCO_PID" 2>/dev/null && wait "$GIOCO_PID" 2>/dev/null
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    GIOCO_PID="" XVFB_PID=""
}
trap 'ferma; rm -rf "$TMP"' EXIT

if [ -n "$SF" ]; then
    mkdir -p "$TMP/sf2"
    if [ "$SF" != nessuno ]; then
        [ -f "$SF" ] || { echo "no soundfont $SF" >&2; exit 1; }
        cp "$SF" "$TMP/sf2/"
    fi
fi

una_misura() {
    rm -f "$TMP/display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$TMP/display" >"$TMP/xvfb.log" 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 100); do [ -s "$TMP/display" ] && break; sleep 0.05; done
    [ -s "$TMP/display" ] || { echo "Xvfb did not start" >&2; return 1; }
    export DISPLAY=":$(head -n1 "$TMP/display")"
    if [ -n "$SF" ]; then
        # Only the chosen soundfont where the program looks for one, seen by it alone.
        (cd "$TMP" && SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null exec unshare -m sh -c \
            "mount --bind '$TMP/sf2' /usr/share/sounds/sf2 && exec '$BUILD/didiv'") >"$TMP/gioco.log" 2>&1 &
    else
        (cd "$TMP" && SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null exec "$BUILD/didiv") >"$TMP/gioco.log" 2>&1 &
    fi
    GIOCO_PID=$!
    "$CRONO" "$GIOCO_PID" "$QUIETE"
    local rc=$?
    ferma
    return $rc
}

una_misura >/dev/null || { echo "warm-up run failed" >&2; sed 's/^/  didiv: /' "$TMP/gioco.log" >&2; exit 1; }
: >"$TMP/risultati"
for i in $(seq "$RUNS"); do
    riga=$(una_misura) || { echo "run $i failed" >&2; sed 's/^/  didiv: /' "$TMP/gioco.log" >&2; exit 1; }
    echo "run $i: $riga"
    echo "$riga" >>"$TMP/risultati"
done
mediana() {  # FIELD_NAME
    awk -v k="$1" '{ for (i = 1; i < NF; ++i) if ($i == k) print $(i + 1) }' "$TMP/risultati" | sort -g |
        awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
echo "median of $RUNS: first frame $(mediana primo_fotogramma_ms) ms (CPU $(mediana cpu_avvio_ms) ms), resident $(mediana rss_mb) MB" \
     "(peak $(mediana picco_mb) MB), CPU idle $(mediana cpu_pct) %"
