// Watches the game window's play field for a while and prints one line per new frame:
// the time, the view's scroll found by matching the field against the world picture, and
// the box of the pixels that differ from the world there (the professor, a railing, a
// glowing spine), then each patch of them apart as "| pixels x0 y0 x1 y1", largest first.
// The end-to-end tests read these lines; so does a person checking the walk. With a
// directory as fourth argument it also saves every new field as a PPM.
// Usage: didiv_sonda WINDOW_ID SECONDS gameb2.bmp [DIR]

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int kCampoX = 40, kCampoY = 40, kCampo = 400;

struct Immagine {
    int w = 0, h = 0;
    std::vector<uint32_t> px;  // 0x00RRGGBB, top row first
    uint32_t at(int x, int y) const { return px[static_cast<size_t>(y) * w + x]; }
};

bool leggi_bmp(const char* nome, Immagine& im) {
    std::ifstream f(nome, std::ios::binary);
    std::vector<unsigned char> b((std::istreambuf_iterator<char>(f)), {});
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return false;
    auto u32 = [&](size_t o) { return b[o] | b[o + 1] << 8 | b[o + 2] << 16 | static_cast<uint32_t>(b[o + 3]) << 24; };
    const uint32_t dati = u32(10);
    im.w = static_cast<int>(u32(18));
    const int h = static_cast<int>(u32(22));
    if (b[28] != 24 || im.w <= 0 || h == 0) return false;
    im.h = h < 0 ? -h : h;
    const size_t riga = (static_cast<size_t>(im.w) * 3 + 3) & ~size_t{3};
    if (dati + riga * im.h > b.size()) return false;
    im.px.resize(static_cast<size_t>(im.w) * im.h);
    for (int y = 0; y < im.h; ++y) {
        const unsigned char* r = &b[dati + riga * (h < 0 ? y : im.h - 1 - y)];
        for (int x = 0; x < im.w; ++x)
            im.px[static_cast<size_t>(y) * im.w + x] = r[3 * x] | r[3 * x + 1] << 8 | r[3 * x + 2] << 16;
    }
    return true;
}

double adesso() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

// The field shows the world from (sx, sy + 400) of the picture.
int scarti(const Immagine& mondo, const std::vector<uint32_t>& campo, int sx, int sy,
           const std::vector<int>& campioni, int limite) {
    int n = 0;
    for (int c : campioni) {
        const int i = c % kCampo, j = c / kCampo;
        const int wx = sx + i, wy = sy + 400 + j;
        if (wx < 0 || wy < 0 || wx >= mondo.w || wy >= mondo.h || mondo.at(wx, wy) != campo[c])
            if (++n > limite) return n;
    }
    return n;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "use: %s WINDOW_ID SECONDS gameb2.bmp [DIR]\n", argv[0]);
        return 2;
    }
    const Window w = std::strtoul(argv[1], nullptr, 0);
    const double durata = std::atof(argv[2]);
    Immagine mondo;
    if (!leggi_bmp(argv[3], mondo)) {
        std::fprintf(stderr, "cannot read %s\n", argv[3]);
        return 1;
    }
    const std::string cartella = argc > 4 ? argv[4] : "";
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "no display\n");
        return 1;
    }

    std::vector<int> pochi, molti;
    for (int k = 0; k < 24; ++k) pochi.push_back(((k * 97 + 13) % 380 + 10) * kCampo + (k * 151 + 7) % 380 + 10);
    for (int j = 5; j < kCampo; j += 13)
        for (int i = 3; i < kCampo; i += 11) molti.push_back(j * kCampo + i);

    std::vector<uint32_t> campo(kCampo * kCampo), prima;
    int sx = 0, sy = 0;
    bool noto = false;
    const double t0 = adesso();
    int n = 0;
    while (adesso() - t0 < durata) {
        XImage* im = XGetImage(d, w, kCampoX, kCampoY, kCampo, kCampo, AllPlanes, ZPixmap);
        if (!im) {
            std::fprintf(stderr, "no image of the window\n");
            return 1;
        }
        for (int y = 0; y < kCampo; ++y)
            for (int x = 0; x < kCampo; ++x) campo[y * kCampo + x] = XGetPixel(im, x, y) & 0xFFFFFF;
        XDestroyImage(im);
        if (campo == prima) {
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
            continue;
        }
        prima = campo;
        const double t = adesso() - t0;

        // Near the last scroll first, then everywhere.
        auto cerca = [&](int x0, int x1, int y0, int y1) {
            int migliore = 1 << 30;
            for (int y = y0; y <= y1; ++y)
                for (int x = x0; x <= x1; ++x) {
                    if (scarti(mondo, campo, x, y, pochi, 6) > 6) continue;
                    const int s = scarti(mondo, campo, x, y, molti, static_cast<int>(molti.size()) / 4);
                    if (s < migliore) {
                        migliore = s;
                        sx = x;
                        sy = y;
                    }
                }
            return migliore <= static_cast<int>(molti.size()) / 4;
        };
        bool trovato = noto && cerca(sx - 40, sx + 40, sy - 40, sy + 40);
        if (!trovato) trovato = cerca(-kCampo, mondo.w, -400 - kCampo, 400);
        noto = trovato;

        int x0 = kCampo, y0 = kCampo, x1 = -1, y1 = -1, diversi = 0;
        std::vector<char> maschera(campo.size(), 0);
        if (trovato) {
            for (int j = 0; j < kCampo; ++j)
                for (int i = 0; i < kCampo; ++i) {
                    const int wx = sx + i, wy = sy + 400 + j;
                    const bool fuori = wx < 0 || wy < 0 || wx >= mondo.w || wy >= mondo.h;
                    if (fuori || mondo.at(wx, wy) != campo[j * kCampo + i]) {
                        ++diversi;
                        maschera[j * kCampo + i] = 1;
                        if (i < x0) x0 = i;
                        if (i > x1) x1 = i;
                        if (j < y0) y0 = j;
                        if (j > y1) y1 = j;
                    }
                }
            std::printf("%.3f scroll %d %d diff %d box %d %d %d %d", t, sx, sy, diversi, x0, y0, x1, y1);
            // Each patch of differing pixels apart (gaps of up to two pixels join), largest first.
            std::vector<int> etichetta(maschera.size(), 0);
            struct Pezzo { int n, x0, y0, x1, y1; };
            std::vector<Pezzo> pezzi;
            std::vector<int> coda;
            for (int c = 0; c < kCampo * kCampo; ++c) {
                if (!maschera[c] || etichetta[c]) continue;
                Pezzo p{0, kCampo, kCampo, -1, -1};
                etichetta[c] = 1;
                coda.assign(1, c);
                while (!coda.empty()) {
                    const int q = coda.back();
                    coda.pop_back();
                    const int i = q % kCampo, j = q / kCampo;
                    ++p.n;
                    p.x0 = std::min(p.x0, i); p.x1 = std::max(p.x1, i);
                    p.y0 = std::min(p.y0, j); p.y1 = std::max(p.y1, j);
                    for (int dj = -2; dj <= 2; ++dj)
                        for (int di = -2; di <= 2; ++di) {
                            const int a = i + di, b = j + dj;
                            if (a < 0 || b < 0 || a >= kCampo || b >= kCampo) continue;
                            const int r = b * kCampo + a;
                            if (maschera[r] && !etichetta[r]) {
                                etichetta[r] = 1;
                                coda.push_back(r);
                            }
                        }
                }
                if (p.n >= 20) pezzi.push_back(p);
            }
            std::sort(pezzi.begin(), pezzi.end(), [](const Pezzo& a, const Pezzo& b) { return a.n > b.n; });
            for (const auto& p : pezzi) std::printf(" | %d %d %d %d %d", p.n, p.x0, p.y0, p.x1, p.y1);
            std::printf("\n");
        } else {
            std::printf("%.3f scroll ? ?\n", t);
        }
        std::fflush(stdout);
        if (!cartella.empty()) {
            char nome[64];
            std::snprintf(nome, sizeof nome, "/f%04d.ppm", n);
            std::ofstream f(cartella + nome, std::ios::binary);
            f << "P6\n" << kCampo << " " << kCampo << "\n255\n";
            for (uint32_t p : campo) {
                const char rgb[3] = {static_cast<char>(p >> 16), static_cast<char>(p >> 8), static_cast<char>(p)};
                f.write(rgb, 3);
            }
        }
        ++n;
    }
    XCloseDisplay(d);
    return 0;
}
