// Prints the pointer's current picture as the X server shows it: its size, its hot spot and
// how many of its pixels are not see-through ("cursore W H hx hy visibili N"). With a file
// name it also writes the picture as a PPM on black. The virtual display draws no pointer
// into screenshots, so the end-to-end tests ask for it here.
// Usage: didiv_cursore [FILE.ppm]

#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

#include <cstdio>

int main(int argc, char** argv) {
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "no display\n");
        return 1;
    }
    int evento = 0, errore = 0;
    if (!XFixesQueryExtension(d, &evento, &errore)) {
        std::fprintf(stderr, "no XFIXES\n");
        return 1;
    }
    XFixesCursorImage* c = XFixesGetCursorImage(d);
    if (!c) {
        std::fprintf(stderr, "no pointer picture\n");
        return 1;
    }
    const int n = c->width * c->height;
    int visibili = 0;
    for (int i = 0; i < n; ++i)
        if ((c->pixels[i] >> 24) & 0xFF) ++visibili;
    std::printf("cursore %d %d %d %d visibili %d\n", c->width, c->height, c->xhot, c->yhot, visibili);
    if (argc > 1) {
        if (FILE* f = std::fopen(argv[1], "wb")) {
            std::fprintf(f, "P6\n%d %d\n255\n", c->width, c->height);
            for (int i = 0; i < n; ++i) {
                // Premultiplied ARGB: on black the colour is the stored one.
                const unsigned long p = c->pixels[i];
                const unsigned char rgb[3] = {static_cast<unsigned char>(p >> 16), static_cast<unsigned char>(p >> 8),
                                              static_cast<unsigned char>(p)};
                std::fwrite(rgb, 1, 3, f);
            }
            std::fclose(f);
        }
    }
    XFree(c);
    XCloseDisplay(d);
    return 0;
}
