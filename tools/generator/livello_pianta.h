#pragma once
// The plan of the level: every floor, ladder, flight of steps, pit and hot spot of the
// collision map, in world coordinates (map row = world row + 400). The map painter and the
// world picture both follow it, and so does the test that checks the generated map.

namespace didiv::livello {

constexpr int LARGHEZZA = 2200;
constexpr int ALTEZZA = 800;
constexpr int RIGA_ZERO = 400;  // map row of world row 0

// A floor: its feet row F and the range of pos_x (multiples of 5) it carries him.
struct Pavimento {
    const char* nome;
    int F;
    int x0, x1;
};

// A ladder: he climbs it from every pos_x from x0 to x1 (multiples of 5), between the floors
// whose feet rows are U and L, both even. Its columns are white only on the odd rows, which
// are all the climb probes read: one above the upper floor down to one below the lower one.
// The walk, jump and trigger probes read his feet rows, which stay even, so they never find
// a ladder; the floors at both ends carry him to each of its columns. `a_pioli`: a wooden
// ladder in the world picture (the plant and the rope are pictures of their own scenes).
struct Scala {
    const char* nome;
    int x0, x1;
    int U, L;
    bool a_pioli;
};

// Stairs going down to the right, starting from pos_x x0 on the floor F0.
struct Gradinata {
    const char* nome;
    int x0, F0, n;
};

// A pit: one green column, rows y0 to y1.
struct Pozzo {
    const char* nome;
    int x, y0, y1;
};

// A hot spot's magenta patch (both ends included), but for the rows of a ladder through it.
struct Zona {
    const char* nome;
    int x0, x1, y0, y1;
};

struct Punto {
    int x, y;
};

inline constexpr Pavimento PAVIMENTI[] = {
    {"terra", 284, -10, 280},
    {"L1", 188, 265, 455},
    {"L2", 8, 440, 490},
    {"L3", -176, 460, 890},
    {"orlo del pozzo", -91, 975, 980},
    {"cripta", 298, 835, 1050},
    {"uscita", 162, 985, 1000},
    {"bordo sinistro", 172, 1010, 1310},
    {"sporgenza", 172, 1390, 1415},
    {"bordo destro", 172, 1505, 1880},
    {"fondo del pozzo 2", 392, 1425, 1550},
    {"scaffale 3 medio", -52, 1660, 1865},
    {"scaffale 3 alto", -232, 1660, 2000},
};

// Four columns where both floors reach them. Three for the rope, the middle one 40 px left
// of the rope's picture, and three for the plant, from under its stem rightwards, the way
// the narrow exit corridor above it leads (the stone pit's column bars the way left).
inline constexpr Scala SCALE[] = {
    {"A", 265, 280, 188, 284, true},
    {"B", 440, 455, 8, 188, true},
    {"C", 475, 490, -176, 8, true},
    {"pianta", 985, 995, 162, 298, false},
    {"corda", 1470, 1480, 172, 392, false},
    {"D", 1695, 1710, -52, 172, true},
    {"E", 1775, 1790, -232, -52, true},
};

inline constexpr Gradinata GRADINATE[] = {
    {"gradini di pietra", 890, -176, 17},
    {"gradini dell'uscita", 1000, 162, 2},
};

inline constexpr Pozzo POZZI[] = {
    {"pozzo di pietra", 994, -90, 226},
    {"pozzo 2", 1500, 177, 358},
};

// Beyond the floors' own white: the walkway over the mouth of shaft 2 from the rope's top
// (one way, right, so that no jump lands on it before the rope is up), and the point that
// lets a jump from the right rim land on the ledge.
inline constexpr Punto BIANCHI_EXTRA[] = {
    {1421, 172}, {1484, 172}, {1489, 172}, {1494, 172}, {1499, 172}, {1504, 172},
};

inline constexpr Zona ZONE[] = {
    {"pagina 1", 118, 124, 149, 180},
    {"pagina 2", 399, 432, 171, 182},
    {"ombrello", 467, 479, 10, 29},
    {"vaso", 339, 349, -146, -122},
    {"mosca", 35, 49, 241, 266},
    {"seme", 836, 848, 160, 189},
    {"forchetta", 980, 992, 223, 247},  // the plant's columns cross it
    {"nuvola", 946, 957, 193, 217},
    {"pagina 7", 905, 916, 132, 156},
    {"libro giungla", 1441, 1454, 5, 29},
    {"corda", 1738, 1750, -172, -148},
    {"flauto", 1804, 1817, -18, 6},
    {"costume", 1488, 1517, 360, 385},
};

// Where the eleven special books stand (their spines' top-left corner and size): the
// world picture shows ordinary spines there, the bookshelf layer their glowing ones.
struct Dorso {
    const char* nome;
    int x, y, w, h;
};
inline constexpr Dorso DORSI_SPECIALI[] = {
    {"pagina 1", 114, 149, 17, 32},   {"ombrello", 466, 10, 14, 20},
    {"vaso", 338, -146, 13, 25},      {"mosca", 34, 241, 17, 26},
    {"seme", 835, 160, 15, 30},       {"forchetta", 979, 223, 15, 25},
    {"nuvola", 945, 193, 14, 25},     {"pagina 7", 904, 132, 14, 25},
    {"libro giungla", 1440, 5, 15, 25}, {"corda", 1737, -172, 14, 25},
    {"flauto", 1803, -18, 15, 25},
};

}  // namespace didiv::livello
