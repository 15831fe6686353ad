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

// A ladder: white columns from one above the upper floor to four below the lower one.
struct Scala {
    const char* nome;
    int colonne[2];
    int n_colonne;
    int U, L;
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

// A hot spot's magenta patch (both ends included); colonna_libera stays out of it.
struct Zona {
    const char* nome;
    int x0, x1, y0, y1;
    int colonna_libera;
};

struct Punto {
    int x, y;
};

inline constexpr Pavimento PAVIMENTI[] = {
    {"terra", 284, -10, 275},
    {"L1", 188, 270, 445},
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

inline constexpr Scala SCALE[] = {
    {"A", {270, 275}, 2, 188, 284},
    {"B", {440, 445}, 2, 8, 188},
    {"C", {485, 490}, 2, -176, 8},
    {"pianta", {985, 0}, 1, 162, 298},
    {"corda", {1475, 0}, 1, 172, 392},
    {"D", {1700, 1705}, 2, -52, 172},
    {"E", {1780, 1785}, 2, -232, -52},
};

inline constexpr Gradinata GRADINATE[] = {
    {"gradini di pietra", 890, -176, 17},
    {"gradini dell'uscita", 1000, 162, 2},
};

inline constexpr Pozzo POZZI[] = {
    {"pozzo di pietra", 994, -90, 226},
    {"pozzo 2", 1500, 177, 358},
};

// Beyond the floors' own white: the walkway over the mouth of shaft 2 at the rope's top, and
// the point that lets a jump from the right rim land on the ledge.
inline constexpr Punto BIANCHI_EXTRA[] = {
    {1421, 172}, {1489, 172}, {1494, 172}, {1499, 172}, {1504, 172},
};

inline constexpr Zona ZONE[] = {
    {"pagina 1", 118, 124, 149, 180, -1},
    {"pagina 2", 399, 432, 171, 182, -1},
    {"ombrello", 467, 479, 10, 29, -1},
    {"vaso", 339, 349, -146, -122, -1},
    {"mosca", 35, 49, 241, 266, -1},
    {"seme", 836, 848, 160, 189, -1},
    {"forchetta", 980, 992, 223, 247, 985},
    {"nuvola", 946, 957, 193, 217, -1},
    {"pagina 7", 905, 916, 132, 156, -1},
    {"libro giungla", 1441, 1454, 5, 29, -1},
    {"corda", 1738, 1750, -172, -148, -1},
    {"flauto", 1804, 1817, -18, 6, -1},
    {"costume", 1488, 1517, 360, 385, -1},
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
