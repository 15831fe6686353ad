#!/bin/bash
# The spider's catch in the real program: the professor is walked up to the spider's passage
# by keys alone, without the fly, and Right is kept held through the catch. Once "Fine della
# partita!" shows, nothing moves on: the view stays where it was, and no walk carries him
# down the stone steps into the fall.
# Usage: bash ragno.sh BUILD_DIR

. "$(dirname "$0")/gioco_comune.bash" "$1"
MOSTRA="$BUILD/tools/didiv_mostra"
[ -x "$MOSTRA" ] || fallisci "no $MOSTRA"
"$MOSTRA" "$TMP/img" 1 Picture35 >/dev/null || fallisci "cannot write the banner's picture"
avvia_gioco

# Holds KEY until the field has stood still for a moment: the walk or climb has ended
# against the level (the key's repeat asks again and again, in vain).
PRIMA="" ADESSO=""
fermo_da_un_momento() {
    PRIMA=$ADESSO
    ADESSO=$(campo 0.6 | cut -d' ' -f2-)
    [ -n "$PRIMA" ] && [ "$ADESSO" = "$PRIMA" ]
}
tieni_fino_a_fermo() {
    PRIMA="" ADESSO=""
    xdotool keydown "$1"
    aspetta fermo_da_un_momento || { xdotool keyup "$1"; fallisci "$1 held for a minute and he still moves"; }
    xdotool keyup "$1"
}

# The banner lies whole at field (100, 171), window (140, 211).
banner_mostrato() {
    schermata "$TMP/s.png"
    convert "$TMP/s.png" -crop 200x58+140+211 +repage "$TMP/b.png" || fallisci "cannot crop"
    [ "$(compare -metric AE "$TMP/b.png" "$TMP/img/Picture35_0.png" null: 2>&1 | sed 's/ .*//')" = 0 ]
}

# Ladder A to the first floor, along it, ladder B, to ladder C and up to the passage's floor.
for tasto in Right Up Right Up Right Up; do
    tieni_fino_a_fermo "$tasto"
    nessun_messaggio "on the way up ($tasto)"
done
read -r sx sy _ < <(professore)
[ "$sx $sy" = "290 -400" ] || fallisci "view at $sx,$sy below the passage, not 290,-400"

# Into the passage with Right held: the spider comes down and catches him.
xdotool keydown Right
aspetta banner_mostrato || { xdotool keyup Right; fallisci "no \"Fine della partita!\" within a minute"; }

# Right still held: every frame from now on shows the same view.
"$BUILD/didiv_sonda" "$W" 3 "$BUILD/gameb2.bmp" >"$TMP/dopo.txt"
xdotool keyup Right
[ -n "${DIDIV_E2E_TRACCIA:-}" ] && cut -c1-90 "$TMP/dopo.txt" >&2
viste=$(awk '{ print $3, $4 }' "$TMP/dopo.txt" | sort -u)
[ "$(echo "$viste" | wc -l)" = 1 ] || fallisci "the view moved after the banner: $(echo $viste | tr '\n' ' ')"
[ "$viste" != "? ?" ] || fallisci "the field shows no part of the world after the banner"
banner_mostrato || fallisci "the banner is gone"
nessun_messaggio "after the catch"
echo "PASS: caught in the passage; the view stays at $viste after the banner with Right held"
