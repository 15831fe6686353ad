#pragma once
// The professor, drawn from a pose: one head, one coat, one set of proportions for every
// picture that shows him. Positions are canvas pixels; side views face right (mirror the
// finished picture for the left-hand poses).

#include <cairo.h>

#include <cstdint>

namespace didiv::gen::professore {

namespace colori {
constexpr uint32_t pelle = 0xF0C8A0, pelle_ombra = 0xD6A47C, guance = 0xE59A84;
constexpr uint32_t capelli = 0xF6F4EE, capelli_ombra = 0xCDC8BC;
constexpr uint32_t pantaloni = 0x4A4A50, pantaloni_ombra = 0x36363B;
constexpr uint32_t scarpe = 0x1E1A18, scarpe_luce = 0x4F4640;
constexpr uint32_t papillon = 0xC0392B, papillon_ombra = 0x8E2A20;
constexpr uint32_t camicia = 0xF6F1E4, camicia_ombra = 0xDCD3BF;
constexpr uint32_t bottoni = 0xC9A36A;
constexpr uint32_t leopardo = 0xE0A84A, leopardo_ombra = 0xB9822E, macchie = 0x4A2E16;
}  // namespace colori

// The proportions of the model sheet: hip to sole, hip to shoulder, hip to the head's centre.
constexpr double kAncaSuolo = 31, kAncaSpalla = 33, kAncaTesta = 51, kRaggioTesta = 12;

struct Punto {
    double x, y;
};

enum class Vestito { giacca, leopardo };

// What the hands hold, drawn between them.
enum class InMano { niente, flauto };

// Seen from the side, facing right. The far limbs are the ones behind his body.
struct PosaFianco {
    Punto anca{40, 85};
    double inclina = 0;              // lean of the body, degrees forward
    Punto caviglia_vicina{41, 111};  // ankles, absolute
    Punto caviglia_lontana{39, 111};
    double piede_vicino = 0, piede_lontano = 0;  // toe rotation, degrees (positive: toe down)
    Punto mano_vicina{42, 76};       // hands, absolute
    Punto mano_lontana{38, 76};
    InMano in_mano = InMano::niente;
    double falda = 0;                // coat tails blown back, pixels
    bool occhi_chiusi = false;
    Vestito vestito = Vestito::giacca;
};

// Seen from the front (davanti) or the back. "destra" is the professor's own right.
struct PosaFronte {
    Punto anca{40, 85};
    bool retro = false;
    double inclina_testa = 0;        // degrees, clockwise on the canvas
    Punto caviglia_destra{35, 111};
    Punto caviglia_sinistra{45, 111};
    Punto mano_destra{25, 78};
    Punto mano_sinistra{55, 78};
    bool seduto = false;             // legs towards the viewer, soles showing
    bool stordito = false;           // eyes as spirals, glasses askew
    Vestito vestito = Vestito::giacca;
};

void disegna_fianco(cairo_t* cr, const PosaFianco& p);
void disegna_fronte(cairo_t* cr, const PosaFronte& p);

// Where the shoulders are for a pose (to place hands within reach: arm 25 px, leg 26 px).
Punto spalla_fianco(const PosaFianco& p);

// Makes the drawn shape hard-edged with a 1 px ink outline: alpha cut at one half, then every
// shape pixel that touches the ground becomes ink. Call it last, before taking the pair.
void indurisci(cairo_t* cr);

}  // namespace didiv::gen::professore
