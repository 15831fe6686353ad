#include "desktop/finestra/piattaforma_fltk.h"

#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>
#include <FL/x.H>
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
// X names its event types as macros; the game's handlers share two of the names.
#undef KeyPress
#undef KeyRelease
#include <sys/time.h>
#include <unistd.h>

#include <bit>
#include <chrono>
#include <climits>
#include <cstring>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <stdexcept>
#include <string_view>
#include <utility>
#include <vector>

#include "game/form1.h"
#include "platform/errori_runtime.h"
#include "desktop/finestra/avvio_gioco.h"
#include "desktop/finestra/finestre_chiuse.h"
#include "desktop/finestra/ingresso.h"
#include "desktop/finestra/messaggio.h"
#include "resources/catalogo.h"
#include "resources/pacchetto.h"

namespace didiv {

namespace {

constexpr int kClienteW = 480;
constexpr int kClienteH = 540;

double adesso() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

[[noreturn]] void termina(int codice) {
    std::fflush(nullptr);
    if (fl_display) XFlush(fl_display);
    _exit(codice);
}

// An icon as the toolkit wants it; black is see-through for a pointer, as on the desktop
// the game was drawn for.
std::unique_ptr<Fl_RGB_Image> immagine_icona(const Superficie& s, bool nero_trasparente,
                                              std::vector<uchar>& dati) {
    const int w = s.ScaleWidth(), h = s.ScaleHeight();
    const int d = nero_trasparente ? 4 : 3;
    dati.assign(static_cast<size_t>(w) * h * d, 0);
    uchar* o = dati.data();
    for (int y = 0; y < h; ++y) {
        for (const uint32_t* p = s.riga(y); p < s.riga(y) + w; ++p) {
            *o++ = static_cast<uchar>(*p >> 16);
            *o++ = static_cast<uchar>(*p >> 8);
            *o++ = static_cast<uchar>(*p);
            if (nero_trasparente) *o++ = (*p & 0xFFFFFF) ? 255 : 0;
        }
    }
    return std::make_unique<Fl_RGB_Image>(dati.data(), w, h, d);
}

// No maximise or minimise button, a fixed border: a dialog frame for window managers that
// read the Motif hints.
void bordo_fisso(Fl_Window& w) {
    struct {
        unsigned long flags, functions, decorations;
        long input_mode;
        unsigned long status;
    } hints = {1 | 2, 4 | 32 /* move, close */, 2 | 8 /* border, title */, 0, 0};
    const Atom a = XInternAtom(fl_display, "_MOTIF_WM_HINTS", False);
    XChangeProperty(fl_display, fl_xid(&w), a, a, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(&hints), 5);
}

}  // namespace

class FinestraGioco;

// A rectangle of the game's picture to send to the display.
struct Area {
    int x = 0, y = 0, w = 0, h = 0;
    const Superficie* s = nullptr;
};

struct PiattaformaFltk::Interno : GestoreEventi {
    explicit Interno(bool trattieni_rilasci) : traduttore(*this, trattieni_rilasci) {}

    bool rilevabile = false;
    std::unique_ptr<Form1> form;
    std::unique_ptr<FinestraGioco> finestra;
    TraduttoreIngresso traduttore;
    int conteggio_cursore = 0;
    int modali = 0;    // our message boxes open
    int occupato = 0;  // game code running: a tick, a handler, start-up
    bool timer_programmato = false;
    double scadenza_timer = 0;
    bool filtro_programmato = false;

    // What X shows of the game's picture, to send only the pixels a frame changed.
    std::vector<uint32_t> mostrato;
    uint64_t versione_mostrata = 0;  // of form->finestra, when last compared or drawn

    bool cursore_noto = false;
    int cursore_puntatore = 0;
    const Superficie* cursore_icona = nullptr;
    bool cursore_nascosto = false;
    std::vector<uchar> dati_cursore, dati_icona;
    std::unique_ptr<Fl_RGB_Image> immagine_cursore, immagine_finestra;

    bool bloccato() const { return modali > 0 || !form; }

    // Every entry into the game goes through here: the process ending never unwinds into
    // the toolkit, a run-time error that escapes a handler is reported like a trapped one,
    // and the window shows the result.
    template <class F>
    void esegui(const char* etichetta, F&& f) {
        ++occupato;
        try {
            try {
                f();
            } catch (const ErroreRuntime& e) {
                if (form) gestione_errore(form->modulo, e.numero(), e.descrizione(), etichetta);
            }
        } catch (const FineProcesso&) {
            termina(0);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "didiv: %s: %s\n", etichetta, e.what());
            termina(70);
        }
        --occupato;
        consegna_rilasci();
        aggiorna();
    }

    // The key releases a message box kept follow the game code that opened it, never run
    // inside it (in a DoEvents of the unload, say, after the sounds are gone).
    void consegna_rilasci() {
        if (occupato == 0 && !bloccato()) traduttore.consegna_rilasci();
    }

    void aggiorna();
    void ridisegna_se_cambiata();
    void ricorda_mostrato(const Superficie& s, const Area& a);
    void aggiorna_cursore();
    void sincronizza_timer();
    void programma_timer(double secondi);
    void scatta_timer();
    void programma_filtro();
    void chiudi();

    static void cb_timer(void* d) {
        auto* in = static_cast<Interno*>(d);
        in->timer_programmato = false;
        in->scatta_timer();
    }
    static void cb_filtro(void* d) {
        auto* in = static_cast<Interno*>(d);
        in->filtro_programmato = false;
        if (!in->bloccato()) in->traduttore.scadenza(adesso());
        in->programma_filtro();
    }

    void KeyDown(int k, int s) override {
        esegui("Form1_keydown", [&] { form->Form_KeyDown(k, s); });
    }
    void KeyPress(int a) override {
        esegui("Form1_keypress", [&] { form->Form_KeyPress(a); });
    }
    void KeyUp(int k, int s) override {
        esegui("Form1_keyup", [&] { form->Form_KeyUp(k, s); });
    }
    void MouseDown(int b, int s, float x, float y) override {
        esegui("Form1_mousedown", [&] { form->Form_MouseDown(b, s, x, y); });
    }
    void MouseUp(int b, int s, float x, float y) override {
        esegui("Form1_mouseup", [&] { form->Form_MouseUp(b, s, x, y); });
    }
    void MouseMove(int b, int s, float x, float y) override {
        esegui("Form1_mousemove", [&] { form->Form_MouseMove(b, s, x, y); });
    }
    void Click() override {
        esegui("Form1_click", [&] { form->Form_Click(); });
    }
    void DblClick() override {
        esegui("Form1_dblclick", [&] { form->Form_DblClick(); });
    }
};

// Double-buffered: the toolkit sends a large picture to the server in several chunks, and
// a screen read between two of them would show half of one frame over the last.
class FinestraGioco : public Fl_Double_Window {
public:
    FinestraGioco(PiattaformaFltk::Interno& in, int x, int y)
        : Fl_Double_Window(x, y, kClienteW, kClienteH, Form1::Caption), in_(in) {
        end();
        color(FL_BLACK);
        size_range(kClienteW, kClienteH, kClienteW, kClienteH);
        xclass("didiv");
        callback(cb_chiudi, &in);
    }

    void draw() override {
        const Superficie* s = in_.form ? &std::as_const(in_.form->finestra) : nullptr;
        const int w = s ? std::min(s->ScaleWidth(), this->w()) : 0;
        const int h = s ? std::min(s->ScaleHeight(), this->h()) : 0;
        if (w < this->w() || h < this->h()) {
            fl_color(FL_BLACK);
            fl_rectf(0, 0, this->w(), this->h());
        }
        if (w <= 0 || h <= 0) return;
        // Only the box around what was exposed or changed, all of it, so that the record of
        // what the display shows stays true.
        Area a;
        fl_clip_box(0, 0, w, h, a.x, a.y, a.w, a.h);
        if (a.w <= 0 || a.h <= 0) return;
        fl_push_no_clip();
        if (!disegna_diretto(*s, a)) fl_draw_image(riga, &a, a.x, a.y, a.w, a.h, 3);
        fl_pop_clip();
        in_.ricorda_mostrato(*s, a);
    }

    int handle(int e) override {
        switch (e) {
            case FL_FOCUS:
            case FL_UNFOCUS:
                // Effects are heard only while the game window is the active one.
                if (in_.form) in_.form->modulo.audio.FinestraAttiva(e == FL_FOCUS);
                return 1;
            case FL_ENTER:
            case FL_LEAVE:
                return 1;
            case FL_KEYDOWN:
            case FL_SHORTCUT:
            case FL_KEYUP:
                // Input waits while one of our boxes is open: deactivating would not stop it.
                if (in_.bloccato()) return 1;
                in_.traduttore.tasto(e != FL_KEYUP, Fl::event_key(),
                                     std::string_view(Fl::event_text(), Fl::event_length()),
                                     Fl::event_state(), adesso());
                in_.programma_filtro();
                return 1;
            case FL_PUSH:
                if (in_.bloccato()) return 1;
                in_.traduttore.premi(Fl::event_button(), Fl::event_state(), Fl::event_x(),
                                     Fl::event_y(), adesso());
                return 1;
            case FL_RELEASE:
                if (in_.bloccato()) return 1;
                in_.traduttore.rilascia(Fl::event_button(), Fl::event_state(), Fl::event_x(),
                                        Fl::event_y());
                return 1;
            case FL_DRAG:
            case FL_MOVE:
                if (in_.bloccato()) return 1;
                in_.traduttore.muovi(Fl::event_state(), Fl::event_x(), Fl::event_y());
                return 1;
            default:
                return Fl_Double_Window::handle(e);
        }
    }

private:
    // On a true-colour display with 32-bit pixels laid out as 0x00RRGGBB, the buffer is the
    // image X wants: it goes to the server as it is, with no conversion.
    static bool disegna_diretto(const Superficie& s, Area& a) {
        static const bool adatto = [] {
            const XVisualInfo* v = fl_visual;
            return v && v->c_class == TrueColor && (v->depth == 24 || v->depth == 32) &&
                   v->red_mask == 0xFF0000 && v->green_mask == 0x00FF00 && v->blue_mask == 0x0000FF;
        }();
        a.s = &s;
        if (!adatto || !fl_window) return false;
        XImage* im = XCreateImage(fl_display, fl_visual->visual, static_cast<unsigned>(fl_visual->depth), ZPixmap, 0,
                                  reinterpret_cast<char*>(const_cast<uint32_t*>(s.riga(0))),
                                  static_cast<unsigned>(s.ScaleWidth()), static_cast<unsigned>(s.ScaleHeight()), 32,
                                  static_cast<int>(s.passo() * 4));
        if (!im) return false;
        const bool va = im->bits_per_pixel == 32;
        if (va) {
            im->byte_order = std::endian::native == std::endian::little ? LSBFirst : MSBFirst;
            XPutImage(fl_display, fl_window, fl_gc, im, a.x, a.y, a.x, a.y, static_cast<unsigned>(a.w),
                      static_cast<unsigned>(a.h));
        }
        im->data = nullptr;  // ours, not X's to free
        XDestroyImage(im);
        return va;
    }

    // One row of the window buffer as RGB bytes; x and y count from the area's corner.
    static void riga(void* d, int x, int y, int w, uchar* buf) {
        const Area& a = *static_cast<const Area*>(d);
        const uint32_t* p = a.s->riga(a.y + y) + a.x + x;
        for (int i = 0; i < w; ++i, ++p) {
            *buf++ = static_cast<uchar>(*p >> 16);
            *buf++ = static_cast<uchar>(*p >> 8);
            *buf++ = static_cast<uchar>(*p);
        }
    }
    static void cb_chiudi(Fl_Widget*, void* d) { static_cast<PiattaformaFltk::Interno*>(d)->chiudi(); }

    PiattaformaFltk::Interno& in_;
};

void PiattaformaFltk::Interno::chiudi() {
    // Escape belongs to the game's key handlers, never to the toolkit's close shortcut.
    if (Fl::event() == FL_SHORTCUT || Fl::event() == FL_KEYBOARD) return;
    if (bloccato()) return;
    esegui("Form1_unload", [&] { form->Unload(); });
}

void PiattaformaFltk::Interno::aggiorna() {
    ridisegna_se_cambiata();
    aggiorna_cursore();
    sincronizza_timer();
}

void PiattaformaFltk::Interno::ridisegna_se_cambiata() {
    // Only the pixels a frame changed are sent again; an expose from the system is drawn by
    // the toolkit.
    if (!finestra || !finestra->shown() || !form) return;
    const Superficie& s = std::as_const(form->finestra);
    if (s.versione() == versione_mostrata && !mostrato.empty()) return;
    versione_mostrata = s.versione();
    const int w = s.ScaleWidth(), h = s.ScaleHeight();
    if (mostrato.size() != static_cast<size_t>(w) * static_cast<size_t>(h)) {
        mostrato.assign(static_cast<size_t>(w) * static_cast<size_t>(h), 0);
        finestra->redraw();
        return;
    }
    int x0 = w, x1 = -1, y0 = h, y1 = -1;
    for (int y = 0; y < h; ++y) {
        const uint32_t* nuova = s.riga(y);
        const uint32_t* vecchia = mostrato.data() + static_cast<size_t>(y) * static_cast<size_t>(w);
        if (std::memcmp(nuova, vecchia, static_cast<size_t>(w) * 4) == 0) continue;
        int a = 0, b = w - 1;
        while (nuova[a] == vecchia[a]) ++a;
        while (nuova[b] == vecchia[b]) --b;
        x0 = std::min(x0, a);
        x1 = std::max(x1, b);
        y0 = std::min(y0, y);
        y1 = y;
    }
    if (y1 >= 0) finestra->damage(FL_DAMAGE_ALL, x0, y0, x1 - x0 + 1, y1 - y0 + 1);
}

void PiattaformaFltk::Interno::ricorda_mostrato(const Superficie& s, const Area& a) {
    const size_t w = static_cast<size_t>(s.ScaleWidth());
    if (mostrato.size() != w * static_cast<size_t>(s.ScaleHeight())) return;
    for (int y = a.y; y < a.y + a.h; ++y)
        std::memcpy(mostrato.data() + static_cast<size_t>(y) * w + static_cast<size_t>(a.x), s.riga(y) + a.x,
                    static_cast<size_t>(a.w) * 4);
}

void PiattaformaFltk::Interno::aggiorna_cursore() {
    if (!form || !finestra || !finestra->shown()) return;
    const bool nascosto = conteggio_cursore < 0;
    const int puntatore = form->MousePointer;
    const Superficie* icona = puntatore == vbCustom ? form->MouseIcon : nullptr;
    if (cursore_noto && nascosto == cursore_nascosto && puntatore == cursore_puntatore &&
        icona == cursore_icona)
        return;
    cursore_noto = true;
    cursore_nascosto = nascosto;
    cursore_puntatore = puntatore;
    cursore_icona = icona;
    if (nascosto) {
        finestra->cursor(FL_CURSOR_NONE);
    } else if (icona && !icona->vuota()) {
        immagine_cursore = immagine_icona(*icona, true, dati_cursore);
        finestra->cursor(immagine_cursore.get(), icona->ScaleWidth() / 2, icona->ScaleHeight() / 2);
    } else {
        finestra->cursor(FL_CURSOR_DEFAULT);
    }
}

void PiattaformaFltk::Interno::sincronizza_timer() {
    const bool vuole = form && form->Timer1.Enabled && form->Timer1.Interval > 0;
    if (vuole && !timer_programmato) {
        // The next tick is one interval after the end of this one: a late tick is never
        // followed by a catch-up burst.
        scadenza_timer = adesso() + form->Timer1.Interval / 1000.0;
        programma_timer(form->Timer1.Interval / 1000.0);
    } else if (!vuole && timer_programmato) {
        Fl::remove_timeout(cb_timer, this);
        timer_programmato = false;
    }
}

void PiattaformaFltk::Interno::programma_timer(double secondi) {
    Fl::remove_timeout(cb_timer, this);
    Fl::add_timeout(secondi, cb_timer, this);
    timer_programmato = true;
}

void PiattaformaFltk::Interno::scatta_timer() {
    if (!form || !form->Timer1.Enabled) return;
    const double ora = adesso();
    // The toolkit shortens a timeout set from inside a late one; hold to our own time.
    if (ora < scadenza_timer - 0.0005) {
        programma_timer(scadenza_timer - ora);
        return;
    }
    // No tick inside a tick or a handler, none while a message box waits for its answer.
    if (occupato > 0 || modali > 0) {
        scadenza_timer = ora + form->Timer1.Interval / 1000.0;
        programma_timer(form->Timer1.Interval / 1000.0);
        return;
    }
    esegui("Form1_timer1", [&] { form->Timer1_Timer(); });
}

void PiattaformaFltk::Interno::programma_filtro() {
    const auto s = traduttore.prossima_scadenza();
    if (!s) {
        if (filtro_programmato) Fl::remove_timeout(cb_filtro, this);
        filtro_programmato = false;
        return;
    }
    Fl::remove_timeout(cb_filtro, this);
    // While a box is open the held releases wait for it to close.
    const double attesa = bloccato() ? 0.05 : std::max(0.0, *s - adesso());
    Fl::add_timeout(attesa, cb_filtro, this);
    filtro_programmato = true;
}

PiattaformaFltk::PiattaformaFltk() {
    fl_open_display();
    ignora_fine_finestre_proprie();
    // Before any window is shown: a held key then gives repeated presses and one release.
    Bool supportato = False;
    XkbSetDetectableAutoRepeat(fl_display, True, &supportato);
    const bool rilevabile = supportato == True;
    i_ = std::make_unique<Interno>(!rilevabile);
    i_->rilevabile = rilevabile;
}

PiattaformaFltk::~PiattaformaFltk() {
    Fl::remove_timeout(Interno::cb_timer, i_.get());
    Fl::remove_timeout(Interno::cb_filtro, i_.get());
}

bool PiattaformaFltk::ripetizione_rilevabile() const { return i_->rilevabile; }

float PiattaformaFltk::Timer() {
    timeval tv{};
    gettimeofday(&tv, nullptr);
    tm locale{};
    localtime_r(&tv.tv_sec, &locale);
    const double s = locale.tm_hour * 3600.0 + locale.tm_min * 60.0 + locale.tm_sec + tv.tv_usec / 1e6;
    return static_cast<float>(s);
}

void PiattaformaFltk::DoEvents() {
    // What the game drew so far is a pending paint.
    i_->ridisegna_se_cambiata();
    i_->aggiorna_cursore();
    Fl::check();
}

int PiattaformaFltk::MsgBox(const std::string& testo, int stile, const std::string& titolo) {
    struct Modale {
        int& n;
        explicit Modale(int& c) : n(c) { ++n; }
        ~Modale() { --n; }
    };
    // A key the game holds does nothing in the box; the game gets its release after it.
    TastiMessaggio tasti(i_->traduttore.tasti_tenuti());
    int risposta;
    {
        Modale modale(i_->modali);
        risposta = mostra_messaggio(testo, stile, titolo, i_->finestra.get(), tasti);
    }
    i_->traduttore.rilasci_dopo_messaggio(tasti.rilasci());
    i_->consegna_rilasci();
    return risposta;
}

void PiattaformaFltk::ShowCursor(bool mostra) {
    i_->conteggio_cursore += mostra ? 1 : -1;
    i_->aggiorna_cursore();
}

void PiattaformaFltk::End() { termina(0); }

std::string PiattaformaFltk::AppPath() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return std::filesystem::current_path().string();
    return exe.parent_path().string();
}

void PiattaformaFltk::ChDir(const std::string& percorso) {
    std::error_code ec;
    std::filesystem::current_path(percorso, ec);
    if (ec) throw ErroreRuntime(76, "Impossibile trovare il percorso");
}

void PiattaformaFltk::MostraFinestraGioco() {
    Interno& in = *i_;
    if (!in.finestra) {
        int X, Y, W, H;
        Fl::screen_work_area(X, Y, W, H);
        Fl_Group::current(nullptr);
        in.finestra = std::make_unique<FinestraGioco>(in, X + (W - kClienteW) / 2,
                                                      Y + (H - kClienteH) / 2);
        if (auto icona = immagine_incorporata(kNomeIcona, 0); icona && !icona->vuota()) {
            in.immagine_finestra = immagine_icona(*icona, false, in.dati_icona);
            in.finestra->icon(in.immagine_finestra.get());
        }
    }
    in.finestra->show();
    bordo_fisso(*in.finestra);
    Fl::focus(in.finestra.get());
    in.cursore_noto = false;
    in.aggiorna_cursore();
}

void PiattaformaFltk::avvia_gioco(ModuloTres& modulo) {
    if (i_->form) throw std::logic_error("the game window exists already");
    i_->form = std::make_unique<Form1>(modulo);
    i_->esegui("Form1_load", [&] { i_->form->Form_Load(); });
}

void avvia_gioco(ModuloTres& modulo) {
    auto* p = dynamic_cast<PiattaformaFltk*>(&modulo.piattaforma);
    if (!p) throw std::logic_error("the game window needs the FLTK desktop");
    p->avvia_gioco(modulo);
}

int ciclo_eventi() { return Fl::run(); }

}  // namespace didiv
