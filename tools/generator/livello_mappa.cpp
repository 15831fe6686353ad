// The collision map. Probe columns fall on fixed residues (pos_x is a multiple of 5): the
// walk-right probe reads 4 mod 5, walk-left, ladders and the jump right 0 mod 5, the jump
// left 1 mod 5. A floor is white from x0 to x1 + 4 except x0 + 1 (so no jump left lands
// 5 short of its left end), plus x1 + 9 for the last step to the right. Rows: the feet rows
// of every floor are even, the ladder probes read odd ones.

#include "livello_mappa.h"

#include "livello_pianta.h"

namespace didiv::gen {

namespace {
constexpr Colore BIANCO = RGB(255, 255, 255);
constexpr Colore ROSSO = RGB(255, 0, 0);
constexpr Colore BLU = RGB(0, 0, 255);
constexpr Colore VERDE = RGB(0, 255, 0);
constexpr Colore MAGENTA = RGB(255, 0, 255);
}  // namespace

Superficie dipingi_mappa() {
    using namespace livello;
    Superficie m(LARGHEZZA, ALTEZZA);
    auto punto = [&](int x, int y, Colore c) { m.PSet(x, y + RIGA_ZERO, c); };

    for (const auto& p : PAVIMENTI) {
        punto(p.x0, p.F, BIANCO);
        for (int x = p.x0 + 2; x <= p.x1 + 4; ++x) punto(x, p.F, BIANCO);
        punto(p.x1 + 9, p.F, BIANCO);
    }
    for (const auto& g : GRADINATE) {
        for (int i = 0; i < g.n; ++i) punto(g.x0 + 5 * i + 14, g.F0 + 5 * i, ROSSO);
        for (int i = 1; i <= g.n; ++i) punto(g.x0 + 5 * (i - 1), g.F0 + 5 * i, BLU);
    }
    for (const auto& b : BIANCHI_EXTRA) punto(b.x, b.y, BIANCO);
    for (const auto& z : ZONE)
        for (int y = z.y0; y <= z.y1; ++y)
            for (int x = z.x0; x <= z.x1; ++x) punto(x, y, MAGENTA);
    // After the hot spots: a ladder through one takes every other row of it.
    for (const auto& s : SCALE)
        for (int x = s.x0; x <= s.x1; x += 5)
            for (int y = s.U - 1; y <= s.L + 1; y += 2) punto(x, y, BIANCO);
    // Last, so the one crossing with the exit corridor stays a pit.
    for (const auto& p : POZZI)
        for (int y = p.y0; y <= p.y1; ++y) punto(p.x, y, VERDE);
    return m;
}

}  // namespace didiv::gen
