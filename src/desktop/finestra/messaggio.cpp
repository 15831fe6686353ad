#include "desktop/finestra/messaggio.h"
// Before the toolkit's headers: X names two of its event types as the handlers are named.
#include "desktop/finestra/ingresso.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <memory>

#include "platform/piattaforma.h"

namespace didiv {

FormaMessaggio forma_messaggio(int stile, const std::string& titolo) {
    FormaMessaggio f;
    const bool secondo = stile & vbDefaultButton2;
    switch (stile & 7) {
        case vbRetryCancel:
            f.pulsanti = {{"Riprova", vbRetry}, {"Annulla", vbCancel}};
            f.risposta_esc = vbCancel;
            break;
        case vbYesNo:
            f.pulsanti = {{"S\xC3\xAC", vbYes}, {"No", vbNo}};
            f.risposta_esc = vbNo;
            break;
        default:
            f.pulsanti = {{"OK", vbOK}};
            f.risposta_esc = vbOK;
            break;
    }
    f.predefinito = secondo && f.pulsanti.size() > 1 ? 1 : 0;
    f.icona_stop = (stile & 0x70) == vbCritical;
    f.titolo = titolo.empty() ? kTitoloProgramma : titolo;
    return f;
}

namespace {

constexpr int kMargine = 16;
constexpr int kIcona = 32;
constexpr int kLarghezzaTesto = 380;
constexpr int kPulsanteW = 88, kPulsanteH = 26, kSpazioPulsanti = 8;
constexpr Fl_Font kCarattere = FL_HELVETICA;
constexpr int kCorpo = 14;

// The red disc with a white cross of a critical message.
class IconaStop : public Fl_Widget {
public:
    IconaStop(int x, int y) : Fl_Widget(x, y, kIcona, kIcona) {}
    void draw() override {
        fl_color(fl_rgb_color(150, 20, 20));
        fl_pie(x(), y(), w(), h(), 0, 360);
        fl_color(fl_rgb_color(215, 40, 35));
        fl_pie(x() + 2, y() + 2, w() - 4, h() - 4, 0, 360);
        fl_color(FL_WHITE);
        fl_line_style(FL_SOLID | FL_CAP_ROUND, 4);
        const int a = 10, b = w() - 11;
        fl_line(x() + a, y() + a, x() + b, y() + b);
        fl_line(x() + b, y() + a, x() + a, y() + b);
        fl_line_style(0);
    }
};

// The message text, wrapped; drawn without the toolkit's label symbols so an '@' or '&'
// shows as itself.
class Testo : public Fl_Widget {
public:
    Testo(int x, int y, int w, int h, std::string t) : Fl_Widget(x, y, w, h), t_(std::move(t)) {}
    void draw() override {
        fl_font(kCarattere, kCorpo);
        fl_color(FL_BLACK);
        fl_draw(t_.c_str(), x(), y(), w(), h(),
                FL_ALIGN_LEFT | FL_ALIGN_TOP | FL_ALIGN_INSIDE | FL_ALIGN_WRAP, nullptr, 0);
    }

private:
    std::string t_;
};

class FinestraMessaggio : public Fl_Double_Window {
public:
    FinestraMessaggio(const std::string& testo, FormaMessaggio f)
        : Fl_Double_Window(100, 100), f_(std::move(f)) {
        copy_label(f_.titolo.c_str());
        fl_font(kCarattere, kCorpo);
        int tw = kLarghezzaTesto, th = 0;
        fl_measure(testo.c_str(), tw, th, 0);
        const int testo_x = kMargine + (f_.icona_stop ? kIcona + kMargine : 0);
        const int corpo_h = std::max(th, f_.icona_stop ? kIcona : 0);
        const int n = static_cast<int>(f_.pulsanti.size());
        const int fila_w = n * kPulsanteW + (n - 1) * kSpazioPulsanti;
        const int W = std::max({testo_x + tw + kMargine, fila_w + 2 * kMargine, 240});
        const int pulsanti_y = kMargine + corpo_h + kMargine + 4;
        const int H = pulsanti_y + kPulsanteH + kMargine - 4;
        size(W, H);
        begin();
        if (f_.icona_stop) new IconaStop(kMargine, kMargine);
        // A single line stands level with the icon's middle, as on the original desktop.
        const int testo_y = f_.icona_stop && th < kIcona ? kMargine + (kIcona - th) / 2 : kMargine;
        new Testo(testo_x, testo_y, tw, th, testo);
        int x = (W - fila_w) / 2;
        for (int i = 0; i < n; ++i) {
            auto* b = new Fl_Button(x, pulsanti_y, kPulsanteW, kPulsanteH, f_.pulsanti[i].etichetta);
            b->labelsize(kCorpo);
            b->callback(cb_pulsante, this);
            pulsanti_.push_back(b);
            x += kPulsanteW + kSpazioPulsanti;
        }
        end();
        callback(cb_chiudi, this);
        set_modal();
        risposta_ = f_.risposta_esc;
    }

    int risposta() const { return risposta_; }
    Fl_Button* predefinito() { return pulsanti_[f_.predefinito]; }

    int handle(int e) override {
        if (e == FL_KEYBOARD || e == FL_SHORTCUT) {
            const int k = Fl::event_key();
            if (k == FL_Escape) {
                rispondi(f_.risposta_esc);
                return 1;
            }
            if (k == FL_Enter || k == FL_KP_Enter) {
                // Enter presses the button that has the focus, the default one at first.
                Fl_Button* b = predefinito();
                for (auto* p : pulsanti_)
                    if (Fl::focus() == p) b = p;
                b->do_callback();
                return 1;
            }
        }
        return Fl_Double_Window::handle(e);
    }

    void draw() override {
        Fl_Double_Window::draw();
        // The focused button carries the default frame, as the desktop shows it.
        for (auto* p : pulsanti_) {
            if (Fl::focus() == p) {
                fl_color(FL_BLACK);
                fl_rect(p->x() - 1, p->y() - 1, p->w() + 2, p->h() + 2);
            }
        }
    }

private:
    void rispondi(int r) {
        risposta_ = r;
        hide();
    }
    static void cb_pulsante(Fl_Widget* w, void* d) {
        auto* f = static_cast<FinestraMessaggio*>(d);
        for (size_t i = 0; i < f->pulsanti_.size(); ++i)
            if (f->pulsanti_[i] == w) f->rispondi(f->f_.pulsanti[i].risposta);
    }
    static void cb_chiudi(Fl_Widget*, void* d) {
        auto* f = static_cast<FinestraMessaggio*>(d);
        f->rispondi(f->f_.risposta_esc);
    }

    FormaMessaggio f_;
    std::vector<Fl_Button*> pulsanti_;
    int risposta_;
};

// The keys of the box open now.
TastiMessaggio* tasti_aperti = nullptr;

int smista(int e, Fl_Window* w) {
    if ((e == FL_KEYDOWN || e == FL_KEYUP) && tasti_aperti &&
        !tasti_aperti->agisce(e == FL_KEYDOWN, Fl::event_key(), Fl::event_state()))
        return 1;
    return Fl::handle_(e, w);
}

// Key events go through `tasti` while it lives; the toolkit would give them to the focused
// button before the box could look at them.
class Smistamento {
public:
    explicit Smistamento(TastiMessaggio& tasti)
        : tasti_prima_(tasti_aperti), prima_(Fl::event_dispatch()) {
        tasti_aperti = &tasti;
        Fl::event_dispatch(smista);
    }
    ~Smistamento() {
        tasti_aperti = tasti_prima_;
        Fl::event_dispatch(prima_);
    }
    Smistamento(const Smistamento&) = delete;
    Smistamento& operator=(const Smistamento&) = delete;

private:
    TastiMessaggio* tasti_prima_;
    Fl_Event_Dispatch prima_;
};

}  // namespace

int mostra_messaggio(const std::string& testo, int stile, const std::string& titolo,
                     Fl_Window* sopra, TastiMessaggio& tasti) {
    fl_open_display();
    Smistamento smistamento(tasti);
    Fl_Group::current(nullptr);  // the box is a window of its own, never a child
    FinestraMessaggio w(testo, forma_messaggio(stile, titolo));
    int cx, cy;
    if (sopra && sopra->shown()) {
        cx = sopra->x() + sopra->w() / 2;
        cy = sopra->y() + sopra->h() / 2;
    } else {
        int X, Y, W, H;
        Fl::screen_work_area(X, Y, W, H);
        cx = X + W / 2;
        cy = Y + H / 2;
    }
    w.position(cx - w.w() / 2, cy - w.h() / 2);
    w.show();
    w.predefinito()->take_focus();
    while (w.shown()) Fl::wait();
    return w.risposta();
}

}  // namespace didiv
