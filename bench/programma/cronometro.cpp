// Times the real program the way a player meets it: clicks "Gioca" in the start dialog,
// waits for the game window's first full frame (frame picture, bar and play field all
// drawn), then reads the process's resident memory in play and the CPU it takes over a spell
// in which nothing is pressed. One line of results on stdout.
// Usage: didiv_cronometro PID [SECONDS_QUIET]

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <dlfcn.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace {

constexpr const char* kTitoloInizio = "Didiv di Fiorlo (versioni 4.0 e 5.0)";
constexpr const char* kTitoloGioco = "Didiv di Fiorlo";
constexpr int kGiocaX = 364, kGiocaY = 252;  // the button's centre in the dialog

double adesso() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

void dormi(double s) { std::this_thread::sleep_for(std::chrono::duration<double>(s)); }

[[noreturn]] void fallisci(const char* perche) {
    std::fprintf(stderr, "didiv_cronometro: %s\n", perche);
    std::exit(1);
}

// A window may vanish or be unmapped between finding and reading it.
int ignora_errori(Display*, XErrorEvent*) { return 0; }

Window cerca(Display* d, const char* titolo) {
    Window radice, padre, *figli = nullptr;
    unsigned n = 0;
    Window trovata = 0;
    if (!XQueryTree(d, DefaultRootWindow(d), &radice, &padre, &figli, &n)) return 0;
    for (unsigned i = 0; i < n && !trovata; ++i) {
        char* nome = nullptr;
        if (XFetchName(d, figli[i], &nome) && nome) {
            XWindowAttributes a;
            if (std::strcmp(nome, titolo) == 0 && XGetWindowAttributes(d, figli[i], &a) &&
                a.map_state == IsViewable)
                trovata = figli[i];
            XFree(nome);
        }
    }
    if (figli) XFree(figli);
    return trovata;
}

// Share of the pixels of a rectangle of the window that are not black; -1 if unreadable.
double acceso(Display* d, Window w, int x, int y, int larghezza, int altezza) {
    XImage* im = XGetImage(d, w, x, y, static_cast<unsigned>(larghezza), static_cast<unsigned>(altezza),
                           AllPlanes, ZPixmap);
    if (!im) return -1;
    long n = 0;
    for (int j = 0; j < altezza; ++j)
        for (int i = 0; i < larghezza; ++i) n += (XGetPixel(im, i, j) & 0xFFFFFF) != 0;
    XDestroyImage(im);
    return static_cast<double>(n) / (static_cast<double>(larghezza) * altezza);
}

// Until the first tick the window shows the play field on black: the border and the bar
// come with the first presented frame.
bool fotogramma_intero(Display* d, Window w) {
    const double bordo = acceso(d, w, 0, 0, 480, 40);
    if (bordo <= 0.5) return false;
    return acceso(d, w, 0, 0, 40, 540) > 0.5 && acceso(d, w, 40, 440, 400, 60) > 0.5 &&
           acceso(d, w, 40, 40, 400, 400) > 0.5;
}

std::string campo_status(int pid, const char* chiave) {
    std::ifstream f("/proc/" + std::to_string(pid) + "/status");
    std::string riga;
    while (std::getline(f, riga))
        if (riga.rfind(chiave, 0) == 0) {
            std::istringstream s(riga.substr(std::strlen(chiave)));
            std::string valore;
            s >> valore;
            return valore;
        }
    return "";
}

// Time on a CPU of all the process's threads, in seconds, at nanosecond resolution.
double tempo_cpu(int pid) {
    namespace fs = std::filesystem;
    double s = 0;
    std::error_code ec;
    for (const auto& t : fs::directory_iterator("/proc/" + std::to_string(pid) + "/task", ec)) {
        std::ifstream f(t.path() / "schedstat");
        unsigned long long ns = 0;
        if (f >> ns) s += static_cast<double>(ns) / 1e9;
    }
    if (ec) fallisci("cannot read the process's threads");
    return s;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "use: %s PID [SECONDS_QUIET]\n", argv[0]);
        return 2;
    }
    const int pid = std::atoi(argv[1]);
    const double quiete = argc > 2 ? std::atof(argv[2]) : 10.0;
    Display* d = XOpenDisplay(nullptr);
    if (!d) fallisci("no display");
    XSetErrorHandler(ignora_errori);

    // The click goes through the test extension, as a real button would arrive.
    void* xtst = dlopen("libXtst.so.6", RTLD_NOW);
    using Premi = int (*)(Display*, unsigned, Bool, unsigned long);
    auto premi = xtst ? reinterpret_cast<Premi>(dlsym(xtst, "XTestFakeButtonEvent")) : nullptr;
    if (!premi) fallisci("no XTest (libXtst.so.6)");

    Window inizio = 0;
    for (double t = adesso(); !inizio && adesso() - t < 30; dormi(0.02)) inizio = cerca(d, kTitoloInizio);
    if (!inizio) fallisci("no start dialog");
    dormi(0.5);  // let it paint and settle
    int rx = 0, ry = 0;
    Window figlio;
    XTranslateCoordinates(d, inizio, DefaultRootWindow(d), kGiocaX, kGiocaY, &rx, &ry, &figlio);
    XWarpPointer(d, None, DefaultRootWindow(d), 0, 0, 0, 0, rx, ry);
    XSync(d, False);
    dormi(0.2);

    const double cpu_prima = tempo_cpu(pid);
    premi(d, 1, True, 0);
    premi(d, 1, False, 0);
    XSync(d, False);
    const double t0 = adesso();

    double primo = -1;
    while (adesso() - t0 < 60) {
        if (const Window w = cerca(d, kTitoloGioco); w && fotogramma_intero(d, w)) {
            primo = adesso() - t0;
            break;
        }
        dormi(0.001);
    }
    if (primo < 0) fallisci("no full frame within a minute");
    const double cpu_avvio = tempo_cpu(pid) - cpu_prima;

    // Out of the window's way, then let play settle before reading the memory.
    XWarpPointer(d, None, DefaultRootWindow(d), 0, 0, 0, 0, 0, 0);
    XSync(d, False);
    dormi(2.0);
    const std::string rss = campo_status(pid, "VmRSS:");
    const std::string picco = campo_status(pid, "VmHWM:");

    const double c0 = tempo_cpu(pid), w0 = adesso();
    dormi(quiete);
    const double cpu = 100.0 * (tempo_cpu(pid) - c0) / (adesso() - w0);

    // The CPU the program spent between the click and the frame is less at the mercy of a
    // busy machine than the wall time.
    std::printf("primo_fotogramma_ms %.1f cpu_avvio_ms %.1f rss_mb %.1f picco_mb %.1f cpu_pct %.2f\n",
                primo * 1000, cpu_avvio * 1000, std::atof(rss.c_str()) / 1024,
                std::atof(picco.c_str()) / 1024, cpu);
    XCloseDisplay(d);
    return 0;
}
