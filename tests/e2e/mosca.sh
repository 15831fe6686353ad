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

# The fly's book is world x 35..49, y 241..266; the view starts at 0,0 and the field at 40,40.
xdotool mousemove --window "$W" 82 293
sleep 0.4
schermata "$TMP/puntato.png"
# Its title label lies right of the spine, clear of the professor.
n=$(diversi "$TMP/prima.png" "$TMP/puntato.png" 150x32+95+291)
[ "$n" -gt 300 ] || fallisci "pointing at the fly's book lit no title ($n pixels changed)"

xdotool click 1
sleep 0.5
nessun_messaggio "after the click on the book"
schermata "$TMP/pagina.png"
convert "$BUILD/lib3.bmp" "$TMP/lib3.png"
convert -size 480x540 xc:black "$TMP/lib3.png" -geometry +40+40 -composite "$TMP/atteso.png"
# The page fills the field, but for the fly on it at (240, 290) of the window.
convert "$TMP/pagina.png" -fill black -draw "rectangle 240,290 320,340" "$TMP/pagina_senza.png"
convert "$TMP/atteso.png" -fill black -draw "rectangle 240,290 320,340" "$TMP/atteso_senza.png"
n=$(diversi "$TMP/atteso_senza.png" "$TMP/pagina_senza.png" $CAMPO)
[ "$n" = 0 ] || fallisci "the field is not the page lib3.bmp: $n pixels differ"
mosca=$(diversi "$TMP/atteso.png" "$TMP/pagina.png" 81x51+240+290)
[ "$mosca" -gt 200 ] || fallisci "no fly on the page ($mosca pixels)"

xdotool click 1
sleep 0.5
nessun_messaggio "after the click that collects"
schermata "$TMP/barra.png"
n=$(diversi "$TMP/prima.png" "$TMP/barra.png" $SLOT0)
[ "$n" -gt 200 ] || fallisci "the fly is not in the bar's first slot ($n pixels)"
n=$(diversi "$TMP/prima.png" "$TMP/barra.png" 300x60+140+440)
[ "$n" = 0 ] || fallisci "the other slots changed ($n pixels)"
[ "$(puntatore_visibile)" -gt 0 ] || fallisci "the pointer is hidden before the drag"

# Press on the fly, move over the field: the fly follows, its corner at the pointer.
xdotool mousemove --window "$W" 90 470
sleep 0.3
schermata "$TMP/sopra.png"
xdotool mousedown 1
sleep 0.2
xdotool mousemove --window "$W" 150 380
sleep 0.1
xdotool mousemove --window "$W" 200 300
sleep 0.5
schermata "$TMP/trascina.png"
nascosto=$(puntatore_visibile)
n=$(diversi "$TMP/sopra.png" "$TMP/trascina.png" $SLOT0)
# The professor turned at the press, so compare the field away from him only.
convert "$TMP/sopra.png" -crop 400x400+40+40 +repage -fill black -draw "rectangle 0,120 130,260" "$TMP/a.png"
convert "$TMP/trascina.png" -crop 400x400+40+40 +repage -fill black -draw "rectangle 0,120 130,260" "$TMP/b.png"
riquadro=$(compare "$TMP/a.png" "$TMP/b.png" -compose src -highlight-color white -lowlight-color black \
    "$TMP/c.png" 2>/dev/null; convert "$TMP/c.png" -threshold 50% -trim -format '%w %h %X %Y' info: 2>/dev/null)
xdotool mouseup 1
sleep 0.5
nessun_messaggio "after the drop"
schermata "$TMP/dopo.png"
[ "$nascosto" = 0 ] || fallisci "the pointer shows while the fly is carried"
[ "$n" -gt 200 ] || fallisci "the carried fly still shows in the bar ($n pixels)"
read -r lw lh lx ly <<<"$riquadro"
lx=${lx#+}
ly=${ly#+}
# The fly's picture is 61 x 29 with its top-left corner at the pointer (200, 300).
[ -n "$ly" ] && [ $(( lx + 40 )) -ge 200 ] && [ $(( ly + 40 )) -ge 300 ] && [ $(( lx + 40 + lw )) -le 261 ] &&
    [ $(( ly + 40 + lh )) -le 329 ] && [ "$lw" -ge 40 ] && [ "$lh" -ge 15 ] ||
    fallisci "the carried fly is not at the pointer: changed ${lw}x${lh} at field ${lx},${ly}"

[ "$(puntatore_visibile)" -gt 0 ] || fallisci "the pointer stays hidden after the drop"
n=$(diversi "$TMP/barra.png" "$TMP/dopo.png" $BARRA)
[ "$n" = 0 ] || fallisci "the refused fly is not back in its slot ($n pixels differ)"
echo "PASS: the fly's page, the fly in the bar, carried under the hidden pointer and back"
