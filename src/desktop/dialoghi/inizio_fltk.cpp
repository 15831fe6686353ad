// The start dialog and its help windows drawn with FLTK: a thin skin that forwards every
// click to the dialog's logic and shows its state.

#include "desktop/dialoghi/inizio_fltk.h"

#include <FL/Enumerations.H>
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Round_Button.H>
#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Text_Display.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/inizio.h"
#include "resources/testi_dialoghi.h"

namespace didiv {

namespace {

using namespace dialoghi;

// DejaVu Sans in its condensed width stands in for the dialogs' sans serif: the texts were
// set to fill their boxes in a narrow face, and the wide one runs over them.
constexpr Fl_Font kSans = FL_FREE_FONT + 20;
constexpr Fl_Font kSansGrassetto = FL_FREE_FONT + 21;

constexpr Fl_Font kSansLargo = FL_FREE_FONT + 22;
constexpr Fl_Font kSansGrassettoLargo = FL_FREE_FONT + 23;

// The option buttons' captions keep the blanks of the wide face: the list is laid over the
// blanks of "Gioca per ... secondi" and must leave both words in sight.
constexpr Fl_Labeltype kDidascaliaOpzione = FL_FREE_LABELTYPE;

double larghezza_didascalia(const char* t, Fl_Font f, int dimensione, bool disegna, int x, int y) {
    const Fl_Font largo = f == kSansGrassetto ? kSansGrassettoLargo : kSansLargo;
    fl_font(largo, dimensione);
    const double blank = fl_width(' ');
    fl_font(f, dimensione);
    double avanzamento = 0;
    std::string_view v(t ? t : "");
    while (!v.empty()) {
        size_t n = v[0] == ' ' ? v.find_first_not_of(' ') : v.find(' ');
        if (n == std::string_view::npos) n = v.size();
        if (v[0] == ' ') {
            avanzamento += blank * static_cast<double>(n);
        } else {
            const std::string pezzo(v.substr(0, n));
            if (disegna) fl_draw(pezzo.c_str(), x + static_cast<int>(avanzamento + 0.5), y);
            avanzamento += fl_width(pezzo.c_str());
        }
        v.remove_prefix(n);
    }
    return avanzamento;
}

void disegna_didascalia(const Fl_Label* l, int x, int y, int, int h, Fl_Align) {
    fl_font(l->font, l->size);
    fl_color(l->color);
    const int base = y + (h - fl_height()) / 2 + fl_height() - fl_descent();
    larghezza_didascalia(l->value, l->font, l->size, true, x, base);
}

void misura_didascalia(const Fl_Label* l, int& w, int& h) {
    w = static_cast<int>(larghezza_didascalia(l->value, l->font, l->size, false, 0, 0) + 0.5);
    fl_font(l->font, l->size);
    h = fl_height();
}

void prepara_caratteri() {
    Fl::set_font(kSans, " DejaVu Sans Condensed");
    Fl::set_font(kSansGrassetto, "BDejaVu Sans Condensed");
    Fl::set_font(kSansLargo, " DejaVu Sans");
    Fl::set_font(kSansGrassettoLargo, "BDejaVu Sans");
    Fl::set_labeltype(kDidascaliaOpzione, disegna_didascalia, misura_didascalia);
}

// The line step of the dialogs' texts: 16 pixels at 13, 13 at 11, as the boxes were measured.
int passo_righe(int dimensione) { return dimensione + dimensione / 4; }

void applica(Fl_Widget* w, Carattere c) {
    w->labelfont(c.grassetto ? kSansGrassetto : kSans);
    w->labelsize(px_punti(c.punti));
}

Fl_Color colore(uint32_t rgb) {
    return fl_rgb_color(static_cast<uchar>(rgb >> 16), static_cast<uchar>(rgb >> 8), static_cast<uchar>(rgb));
}

// What a window's close box or button does runs as a copy: closing a help window runs the
// pending events, which delete the window, and the function it holds, while that still runs.
void esegui_copia(const std::function<void()>& f) {
    const std::function<void()> copia = f;
    copia();
}

void richiama(Fl_Widget*, void* f) { esegui_copia(*static_cast<const std::function<void()>*>(f)); }

// A fixed dialog border: no resizing, no minimize or maximize button, centred on the screen.
// The close box stays; what it does is the window's callback.
class FinestraDialogo : public Fl_Double_Window {
public:
    FinestraDialogo(Dimensione client, std::string_view titolo)
        : Fl_Double_Window(px(client.width), px(client.height)) {
        copy_label(std::string(titolo).c_str());
        size_range(w(), h(), w(), h());
        callback(
            [](Fl_Widget* w, void*) {
                auto* f = static_cast<FinestraDialogo*>(w);
                // Esc is not a way out of these windows; the close box is.
                if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;
                if (f->abilitato && f->alla_chiusura) esegui_copia(f->alla_chiusura);
            },
            nullptr);
        end();
    }

    // A disabled window ignores the mouse and keys but keeps its looks.
    bool abilitato = true;
    std::function<void()> alla_chiusura;

    void mostra() {
        if (!shown()) position((Fl::w() - w()) / 2, (Fl::h() - h()) / 2);
        show();  // also raises a window already shown
        togli_riduci_ingrandisci();
    }

    // Shown transient for `sopra`, so that a window manager keeps it in front of that window
    // even when the other is clicked. The toolkit writes the hint before mapping, but for the
    // window it showed last; name the owner itself once the window exists.
    void mostra_sopra(Fl_Window& sopra) {
        set_non_modal();
        mostra();
        if (sopra.shown()) XSetTransientForHint(fl_display, fl_xid(this), fl_xid(&sopra));
    }

    int handle(int e) override {
        if (!abilitato) {
            switch (e) {
                case FL_PUSH: case FL_RELEASE: case FL_DRAG: case FL_MOUSEWHEEL:
                case FL_KEYDOWN: case FL_KEYUP: case FL_SHORTCUT: case FL_PASTE: case FL_DND_ENTER:
                    return 1;
                default:
                    break;
            }
        }
        return Fl_Double_Window::handle(e);
    }

private:
    void togli_riduci_ingrandisci() {
        struct {
            unsigned long flags, functions, decorations;
            long input_mode;
            unsigned long status;
        } suggerimenti{1 | 2, 4 | 32, 2 | 8 | 16, 0, 0};  // move and close; border, title, menu
        Atom a = XInternAtom(fl_display, "_MOTIF_WM_HINTS", False);
        XChangeProperty(fl_display, fl_xid(this), a, a, 32, PropModeReplace,
                        reinterpret_cast<unsigned char*>(&suggerimenti), 5);
    }
};

// A command button that a focused Enter presses too, as the space bar does.
class Pulsante : public Fl_Button {
public:
    Pulsante(const Posizione& p, std::string_view testo, Carattere c)
        : Fl_Button(px(p.left), px(p.top), px(p.width), px(p.height)) {
        copy_label(std::string(testo).c_str());
        applica(this, c);
    }
    int handle(int e) override {
        if (e == FL_KEYBOARD && Fl::focus() == this &&
            (Fl::event_key() == FL_Enter || Fl::event_key() == FL_KP_Enter)) {
            do_callback();
            return 1;
        }
        return Fl_Button::handle(e);
    }
};

// A frame with its caption on the top edge.
class Cornice : public Fl_Group {
public:
    using Fl_Group::Fl_Group;
    void draw() override {
        fl_font(labelfont(), labelsize());
        const int alto = fl_height();
        const int largo = static_cast<int>(fl_width(label())) + 4;
        fl_color(color());
        fl_rectf(x(), y(), w(), h());
        fl_draw_box(FL_ENGRAVED_FRAME, x(), y() + alto / 2, w(), h() - alto / 2, color());
        fl_color(color());
        fl_rectf(x() + 6, y(), largo, alto);
        fl_color(labelcolor());
        fl_draw(label(), x() + 8, y() + fl_height() - fl_descent());
        draw_children();
    }
};

// A drop-down list that takes no typing: a white field with the chosen item and the arrow.
class Elenco : public Fl_Choice {
public:
    using Fl_Choice::Fl_Choice;
    void draw() override {
        const bool attivo = active_r();
        fl_draw_box(FL_DOWN_BOX, x(), y(), w(), h(), attivo ? FL_WHITE : FL_BACKGROUND_COLOR);
        const int dx = Fl::box_dx(FL_DOWN_BOX), dy = Fl::box_dy(FL_DOWN_BOX);
        const int hh = h() - 2 * dy;
        const int freccia = hh;  // a square arrow button
        const int bx = x() + w() - dx - freccia;
        fl_draw_box(FL_UP_BOX, bx, y() + dy, freccia, hh, FL_BACKGROUND_COLOR);
        fl_color(attivo ? FL_BLACK : fl_inactive(FL_BLACK));
        const int cx = bx + freccia / 2, cy = y() + h() / 2;
        fl_polygon(cx - 4, cy - 2, cx + 4, cy - 2, cx, cy + 2);
        if (const Fl_Menu_Item* m = mvalue()) {
            fl_font(textfont(), textsize());
            fl_color(attivo ? textcolor() : fl_inactive(textcolor()));
            fl_push_clip(x() + dx, y() + dy, bx - x() - dx, hh);
            fl_draw(m->label(), x() + dx + 3, y() + dy, bx - x() - dx - 3, hh, FL_ALIGN_LEFT);
            fl_pop_clip();
        }
        if (Fl::focus() == this && attivo) draw_focus(FL_DOWN_BOX, x() + dx, y() + dy, bx - x() - 2 * dx, hh);
    }
};

// A label: its text from the top left corner, wrapped at blanks to the label's width.
class Etichetta : public Fl_Box {
public:
    Etichetta(const Posizione& p, std::string_view testo, Carattere c)
        : Fl_Box(px(p.left), px(p.top), px(p.width), px(p.height)), testo_(testo) {
        box(FL_NO_BOX);
        applica(this, c);
    }
    void draw() override {
        fl_font(labelfont(), labelsize());
        fl_color(active_r() ? labelcolor() : fl_inactive(labelcolor()));
        fl_push_clip(x(), y(), w(), h());
        const int passo = passo_righe(labelsize());
        int riga_y = y() + passo - fl_descent() - (passo - fl_height()) / 2;
        std::string riga;
        size_t i = 0;
        while (i < testo_.size()) {
            size_t fine = testo_.find(' ', i);
            fine = fine == std::string::npos ? testo_.size() : fine + 1;
            const std::string parola = testo_.substr(i, fine - i);
            std::string prova = riga + parola;
            // A blank at the end of a line takes no room.
            std::string senza = prova;
            while (!senza.empty() && senza.back() == ' ') senza.pop_back();
            if (!riga.empty() && fl_width(senza.c_str()) > w()) {
                fl_draw(riga.c_str(), x(), riga_y);
                riga_y += passo;
                riga = parola;
            } else {
                riga = std::move(prova);
            }
            i = fine;
        }
        if (!riga.empty()) fl_draw(riga.c_str(), x(), riga_y);
        fl_pop_clip();
    }

private:
    std::string testo_;
};

Fl_Box* etichetta(const Posizione& p, std::string_view testo, Carattere c) {
    return new Etichetta(p, testo, c);
}

class FinestraSoluzione : public FinestraDialogo {
public:
    FinestraSoluzione(const Soluzione& s, std::function<void()> chiudi)
        : FinestraDialogo(kClientSoluzione, kTitoloSoluzione) {
        begin();
        // "Chiudi" first in tab order.
        auto* ok = new Pulsante(kOKSoluzione, kTestoOKSoluzione, kPredefinito);
        ok->callback(richiama, &chiudi_);
        const Posizione& p = kText1Soluzione;
        testo_ = new Fl_Text_Display(px(p.left), px(p.top), px(p.width), px(p.height));
        testo_->box(FL_DOWN_BOX);
        testo_->color(FL_WHITE);
        testo_->textfont(kSansGrassetto);
        testo_->textsize(px_punti(kCarattereText1.punti));
        testo_->wrap_mode(Fl_Text_Display::WRAP_AT_BOUNDS, 0);
        testo_->scrollbar_align(FL_ALIGN_RIGHT);
        testo_->buffer(&buffer_);
        buffer_.text(s.Text1.c_str());
        testo_->insert_position(0);
        testo_->scroll(0, 0);
        end();
        chiudi_ = std::move(chiudi);
        alla_chiusura = chiudi_;
    }
    ~FinestraSoluzione() override {
        clear();  // the text box goes before the buffer it shows
    }

private:
    Fl_Text_Buffer buffer_;
    Fl_Text_Display* testo_ = nullptr;
    std::function<void()> chiudi_;
};

class FinestraComandi : public FinestraDialogo {
public:
    explicit FinestraComandi(std::function<void()> chiudi)
        : FinestraDialogo(kClientComandi, kTitoloComandi), chiudi_(std::move(chiudi)) {
        begin();
        auto* ok = new Pulsante(kOKComandi, kTestoOKComandi, kPredefinito);
        ok->callback(richiama, &chiudi_);
        for (const RigaComandi& r : righe_comandi()) {
            if (r.azione >= 0)
                etichetta({kSinistraAzioni, r.top, kLarghezzaAzioni, kAltezzaRighe}, r.testo_azione,
                          kCarattereComandi);
            Fl_Box* t = etichetta({kSinistraTasti, r.top, r.larghezza_tasti, kAltezzaRighe}, r.testo_tasti,
                                  kCarattereComandi);
            t->labelcolor(colore(kColoreTasti));
        }
        end();
        alla_chiusura = chiudi_;
    }

private:
    std::function<void()> chiudi_;
};

class SchermoFltk : public SchermoInizio {
public:
    explicit SchermoFltk(std::function<void()> gioca) : gioca_(std::move(gioca)) {}
    ~SchermoFltk() override {
        for (auto*& w : aiuti_) {
            if (w) Fl::delete_widget(w);
            w = nullptr;
        }
    }

    void crea(Inizio& logica) {
        logica_ = &logica;
        inizio_ = std::make_unique<FinestraDialogo>(kClientInizio, kTitoloInizio);
        inizio_->alla_chiusura = [this] { logica_->chiudi_inizio(); };
        inizio_->begin();
        auto collega = [this](Fl_Widget* w, Clic clic) {
            azioni_.push_back({this, clic});
            w->callback(
                [](Fl_Widget*, void* d) {
                    auto* a = static_cast<Azione*>(d);
                    a->clic(*a->schermo->logica_);
                    a->schermo->sincronizza();
                },
                &azioni_.back());
        };
        azioni_.reserve(4);
        // Children in tab order.
        for (const Controllo& c : controlli_inizio()) {
            if (c.tipo == TipoControllo::pulsante) {
                auto* b = new Pulsante(c.pos, c.testo, c.carattere);
                collega(b, clic_pulsante(c.nome));
            } else if (c.tipo == TipoControllo::etichetta) {
                etichetta(c.pos, c.nome == "Label1" ? kTestoLabel1Inizio : kTestoLabel2Inizio, c.carattere);
            } else if (c.tipo == TipoControllo::cornice) {
                crea_cornice(c);
            }
        }
        inizio_->end();
    }

    void mostra_inizio() {
        sincronizza();
        inizio_->mostra();
    }

    // The widgets show the state of the dialog's logic.
    void sincronizza() {
        if (!logica_->caricato) return;
        opzioni_[0]->value(logica_->Option1[0]);
        opzioni_[1]->value(logica_->Option1[1]);
        combo_->value(logica_->Combo1.ListIndex);
        if (logica_->Combo1.Enabled) combo_->activate(); else combo_->deactivate();
    }

    void abilita_inizio(bool a) override { inizio_->abilitato = a; }
    void porta_davanti_inizio() override { inizio_->mostra(); }
    void scarica_inizio() override { inizio_->hide(); }

    void mostra_aiuto(Aiuto a) override {
        auto chiudi = [this] {
            logica_->chiudi_aiuto();
            sincronizza();
        };
        FinestraDialogo*& w = aiuti_[indice(a)];
        if (a == Aiuto::Comandi)
            w = new FinestraComandi(chiudi);
        else
            w = new FinestraSoluzione(*logica_->soluzione, chiudi);
        // Both are centred: one the dialog covers when clicked would leave it disabled for good.
        w->mostra_sopra(*inizio_);
    }
    bool aiuto_visibile(Aiuto a) override {
        FinestraDialogo* w = aiuti_[indice(a)];
        return w && w->visible();
    }
    void porta_davanti_aiuto(Aiuto a) override { aiuti_[indice(a)]->mostra(); }
    void scarica_aiuto(Aiuto a) override {
        FinestraDialogo*& w = aiuti_[indice(a)];
        if (!w) return;
        w->hide();
        Fl::delete_widget(w);  // its own button may be running now
        w = nullptr;
    }

    void mostra_gioco() override { gioca_(); }
    // The game window is the one shown last.
    bool gioco_abilitato() override {
        Fl_Window* w = Fl::first_window();
        return w && w->active();
    }
    void porta_davanti_gioco() override {
        if (Fl_Window* w = Fl::first_window()) w->show();
    }

private:
    // A plain function, not a pointer to member: through a pointer to a non-virtual member,
    // GCC 12's vptr check of `a->schermo` reads a register that only the virtual path loads,
    // and the sanitizer build stops on whatever object that register held.
    using Clic = void (*)(Inizio&);
    struct Azione {
        SchermoFltk* schermo;
        Clic clic;
    };

    static Clic clic_pulsante(std::string_view nome) {
        if (nome == "OKButton") return [](Inizio& l) { l.clic_gioca(); };
        if (nome == "CancelButton") return [](Inizio& l) { l.clic_riepilogo(); };
        if (nome == "Command1") return [](Inizio& l) { l.clic_soluzione(); };
        return [](Inizio& l) { l.clic_esci(); };
    }

    static size_t indice(Aiuto a) { return a == Aiuto::Comandi ? 0 : 1; }

    Fl_Group* crea_cornice(const Controllo& c) {
        const int fx = px(c.pos.left), fy = px(c.pos.top);
        auto* g = new Cornice(fx, fy, px(c.pos.width), px(c.pos.height));
        g->copy_label(std::string(c.testo).c_str());
        applica(g, c.carattere);
        g->align(FL_ALIGN_TOP_LEFT | FL_ALIGN_INSIDE);
        for (int i = 0; i < 2; ++i) {
            const Controllo& o = controllo_inizio("Option1", i);
            auto* r = new Fl_Round_Button(fx + px(o.pos.left), fy + px(o.pos.top), px(o.pos.width), px(o.pos.height));
            r->copy_label(std::string(o.testo).c_str());
            r->type(FL_RADIO_BUTTON);
            r->labeltype(kDidascaliaOpzione);
            applica(r, o.carattere);
            r->callback(
                [](Fl_Widget*, void* d) {
                    auto* s = static_cast<SchermoFltk*>(d);
                    s->logica_->clic_opzione(s->opzioni_[1]->value() ? 1 : 0);
                    s->sincronizza();
                },
                this);
            opzioni_[static_cast<size_t>(i)] = r;
        }
        const Controllo& e = controllo_inizio("Combo1");
        combo_ = new Elenco(fx + px(e.pos.left), fy + px(e.pos.top), px(e.pos.width), px(e.pos.height));
        for (const std::string& v : logica_->Combo1.voci) combo_->add(v.c_str());
        combo_->textfont(e.carattere.grassetto ? kSansGrassetto : kSans);
        combo_->textsize(px_punti(e.carattere.punti));
        combo_->textcolor(colore(kColoreCombo1));
        combo_->callback(
            [](Fl_Widget*, void* d) {
                auto* s = static_cast<SchermoFltk*>(d);
                s->logica_->scegli_voce(s->combo_->value());
                s->sincronizza();
            },
            this);
        g->end();
        return g;
    }

    std::function<void()> gioca_;
    Inizio* logica_ = nullptr;
    std::unique_ptr<FinestraDialogo> inizio_;
    std::array<Fl_Round_Button*, 2> opzioni_{};
    Elenco* combo_ = nullptr;
    std::array<FinestraDialogo*, 2> aiuti_{};
    std::vector<Azione> azioni_;
};

}  // namespace

int esegui_inizio(ModuloTres& m, std::function<void()> gioca) {
    prepara_caratteri();
    SchermoFltk schermo(std::move(gioca));
    Inizio logica(m, schermo);
    schermo.crea(logica);
    logica.Form_Load();
    schermo.mostra_inizio();
    while (logica.caricato) Fl::wait();
    return 0;
}

}  // namespace didiv
