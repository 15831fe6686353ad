#!/bin/bash
# The fly from the start position, in the real program: the pointer on the fly's book lights
# its spine and title; a click shows the page "lib3.bmp" with the fly drawn on it; the next
# click puts the fly into the bar; pressing on it and moving carries it under the hidden
# pointer; the release brings both back.
# Usage: bash mosca.sh BUILD_DIR

. "$(dirname "$0")/gioco_comune.bash" "$1"
[ -f "$BUILD/lib3.bmp" ] || fallisci "no $BUILD/lib3.bmp"
avvia_gioco
CAMPO=400x400+40+40
BARRA=400x60+40+440
SLOT0=100x60+40+440

schermata "$TMP/prima.png"
TITOLO=150x32+95+291

# The fly's book is world x 35..49, y 241..266; the view starts at 0,0 and the field at 40,40.
# Each step waits until the window shows what the step is about.
xdotool mousemove --sync --window "$W" 82 293
# Its title label lies right of the spine, clear of the professor.
titolo_acceso() { schermata "$TMP/puntato.png"; n=$(diversi "$TMP/prima.png" "$TMP/puntato.png" $TITOLO); [ "$n" -gt 300 ]; }
aspetta titolo_acceso
[ "$n" -gt 300 ] || fallisci "pointing at the fly's book lit no title ($n pixels changed)"

convert "$BUILD/lib3.bmp" "$TMP/lib3.png"
convert -size 480x540 xc:black "$TMP/lib3.png" -geometry +40+40 -composite "$TMP/atteso.png"
# The page fills the field, but for the fly on it at (240, 290) of the window.
convert "$TMP/atteso.png" -fill black -draw "rectangle 240,290 320,340" "$TMP/atteso_senza.png"
pagina_mostrata() {
    schermata "$TMP/pagina.png"
    convert "$TMP/pagina.png" -fill black -draw "rectangle 240,290 320,340" "$TMP/pagina_senza.png"
    n=$(diversi "$TMP/atteso_senza.png" "$TMP/pagina_senza.png" $CAMPO)
    [ "$n" = 0 ]
}
xdotool click 1
aspetta pagina_mostrata
nessun_messaggio "after the click on the book"
[ "$n" = 0 ] || fallisci "the field is not the page lib3.bmp: $n pixels differ"
mosca=$(diversi "$TMP/atteso.png" "$TMP/pagina.png" 81x51+240+290)
[ "$mosca" -gt 200 ] || fallisci "no fly on the page ($mosca pixels)"

nella_barra() { schermata "$TMP/barra.png"; n=$(diversi "$TMP/prima.png" "$TMP/barra.png" $SLOT0); [ "$n" -gt 200 ]; }
# A second press at the same spot within half a second is a double click, which rightly does
# nothing here; a fast machine opens the page that soon. A player's hand moves between the
# two clicks: so does the pointer, past the double-click distance and still on the page.
xdotool mousemove --sync --window "$W" 88 293 click 1
aspetta nella_barra
nessun_messaggio "after the click that collects"
[ "$n" -gt 200 ] || fallisci "the fly is not in the bar's first slot ($n pixels)"
n=$(diversi "$TMP/prima.png" "$TMP/barra.png" 300x60+140+440)
[ "$n" = 0 ] || fallisci "the other slots changed ($n pixels)"
[ "$(puntatore_visibile)" -gt 0 ] || fallisci "the pointer is hidden before the drag"

# Onto the fly: the pointer has left the book once its title is out again.
titolo_spento() { schermata "$TMP/sopra.png"; n=$(diversi "$TMP/prima.png" "$TMP/sopra.png" $TITOLO); [ "$n" = 0 ]; }
xdotool mousemove --sync --window "$W" 90 470
aspetta titolo_spento || fallisci "the book's title stays lit with the pointer on the bar ($n pixels)"

# Press on the fly, move over the field: the fly follows, its corner at the pointer.
xdotool mousedown 1
xdotool mousemove --sync --window "$W" 150 380
xdotool mousemove --sync --window "$W" 200 300
portata() {
    schermata "$TMP/trascina.png"
    nascosto=$(puntatore_visibile)
    n=$(diversi "$TMP/sopra.png" "$TMP/trascina.png" $SLOT0)
    # The professor turned at the press, so compare the field away from him only.
    convert "$TMP/sopra.png" -crop 400x400+40+40 +repage -fill black -draw "rectangle 0,120 130,260" "$TMP/a.png"
    convert "$TMP/trascina.png" -crop 400x400+40+40 +repage -fill black -draw "rectangle 0,120 130,260" "$TMP/b.png"
    riquadro=$(compare "$TMP/a.png" "$TMP/b.png" -compose src -highlight-color white -lowlight-color black \
        "$TMP/c.png" 2>/dev/null; convert "$TMP/c.png" -threshold 50% -trim -format '%w %h %X %Y' info: 2>/dev/null)
    read -r lw lh lx ly <<<"$riquadro"
    lx=${lx#+}
    ly=${ly#+}
    [ "$nascosto" = 0 ] && [ "$n" -gt 200 ] && al_puntatore
}
# The fly's picture is 61 x 29 with its top-left corner at the pointer (200, 300).
al_puntatore() {
    [ -n "$ly" ] && [ $(( lx + 40 )) -ge 200 ] && [ $(( ly + 40 )) -ge 300 ] && [ $(( lx + 40 + lw )) -le 261 ] &&
        [ $(( ly + 40 + lh )) -le 329 ] && [ "$lw" -ge 40 ] && [ "$lh" -ge 15 ]
}
aspetta portata
xdotool mouseup 1
[ "$nascosto" = 0 ] || fallisci "the pointer shows while the fly is carried"
[ "$n" -gt 200 ] || fallisci "the carried fly still shows in the bar ($n pixels)"
al_puntatore || fallisci "the carried fly is not at the pointer: changed ${lw}x${lh} at field ${lx},${ly}"

# Released over the field, the fly is refused: back in its slot, and the pointer shows again.
lasciata() {
    schermata "$TMP/dopo.png"
    n=$(diversi "$TMP/barra.png" "$TMP/dopo.png" $BARRA)
    [ "$(puntatore_visibile)" -gt 0 ] && [ "$n" = 0 ]
}
aspetta lasciata
nessun_messaggio "after the drop"
[ "$(puntatore_visibile)" -gt 0 ] || fallisci "the pointer stays hidden after the drop"
[ "$n" = 0 ] || fallisci "the refused fly is not back in its slot ($n pixels differ)"
echo "PASS: the fly's page, the fly in the bar, carried under the hidden pointer and back"
