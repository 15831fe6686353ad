#pragma once
// How the desktop's raw input becomes the events the game's handlers were written for:
// virtual-key codes, the Shift mask, Windows-1252 characters, key repeat without the X
// server's false releases, and the double click timed the Windows way. Plain logic, fed
// with toolkit key numbers and times, so that it can be driven by synthetic events.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace didiv {

// Shift argument bits of key and mouse events.
constexpr int MASCHERA_SHIFT = 1;
constexpr int MASCHERA_CTRL = 2;
constexpr int MASCHERA_ALT = 4;

// Virtual-key code of a toolkit key number (FL_Left, 'a', FL_Shift_L...); 0 when the key has none.
int codice_tasto(int tasto_fl);

// The Shift mask of a key event from the toolkit's modifier state. A modifier's own key-down
// already holds its bit, its key-up no longer does.
int maschera_tasto(int stato_fl, int codice, bool premuto);

// The Shift mask of a mouse event.
int maschera_mouse(int stato_fl);

// Button of a press or release (1 left, 2 right, 4 middle) from the toolkit's button number.
int pulsante_mouse(int pulsante_fl);
// Buttons held, as a mask, from the toolkit's modifier state.
int pulsanti_premuti(int stato_fl);

// The Windows-1252 code of one character given as UTF-8; '?' when it has none.
std::optional<int> carattere_1252(std::string_view utf8);

// The key-press code that a key-down gives, or nothing for keys that type no character
// (arrows, modifiers, function keys) and for Alt combinations.
std::optional<int> carattere_tasto(int tasto_fl, std::string_view testo_utf8, int maschera);

// One key event as the toolkit gave it, already translated.
struct EventoTasto {
    bool premuto = true;
    int tasto = 0;    // toolkit key number: identifies the key across press and release
    int codice = 0;   // virtual-key code
    int shift = 0;
    std::optional<int> carattere;  // key-press code, on presses only
    double t = 0;     // seconds
};

// Drops the releases that the X server's autorepeat slips between repeated presses when it
// cannot be told to stop. A release is held back for a while; a press of the same key within
// it proves it false. Any other key event first lets the held releases through, so the order
// of real events never changes. With `trattieni` false every event passes at once.
class FiltroRipetizione {
public:
    explicit FiltroRipetizione(bool trattieni, double attesa = 0.100)
        : trattieni_(trattieni), attesa_(attesa) {}

    // The events to deliver now, in order, for one arriving event.
    std::vector<EventoTasto> arriva(const EventoTasto& e);
    // The held releases whose wait has ended by `adesso`.
    std::vector<EventoTasto> scaduti(double adesso);
    // Every held release, for an event of another kind (a mouse press) that must follow them.
    std::vector<EventoTasto> svuota();
    // When the first held release falls due.
    std::optional<double> prossima_scadenza() const;
    bool trattiene() const { return trattieni_; }

private:
    bool trattieni_;
    double attesa_;
    std::vector<EventoTasto> sospesi_;
};

// A key release that reached one of our message boxes: the toolkit's key number and
// modifier state.
struct RilascioTasto {
    int tasto = 0;
    int stato = 0;
};

// Which key events a message box acts on. A key already down when it opened, and the
// autorepeat of that key, does nothing there until the key is let go; that release is kept
// for the game, which had the press. Every other key acts on the box as usual.
class TastiMessaggio {
public:
    // `tenuti`: the toolkit key numbers of the keys the game holds.
    explicit TastiMessaggio(std::vector<int> tenuti = {}) : tenuti_(std::move(tenuti)) {}

    bool agisce(bool premuto, int tasto, int stato);
    // The releases kept for the game, in the order they came.
    const std::vector<RilascioTasto>& rilasci() const { return rilasci_; }

private:
    std::vector<int> tenuti_;
    std::vector<RilascioTasto> rilasci_;
};

// What a mouse press is: the first of a pair or the second, which the game sees as a
// double click instead of a press and a click.
enum class TipoPressione { semplice, doppia };

// The double click: a second press of the same button within 500 ms of the first and a few
// pixels of it. The pair is spent: a third press starts over.
class RilevatoreDoppioClic {
public:
    static constexpr double kTempo = 0.500;
    static constexpr int kScarto = 2;  // pixels each way

    TipoPressione premi(int pulsante, int x, int y, double t);
    // Whether the release of the press just made gives a click.
    bool clic_al_rilascio() const { return ultima_ == TipoPressione::semplice; }

private:
    bool primo_valido_ = false;
    int pulsante_ = 0;
    int x_ = 0, y_ = 0;
    double t_ = 0;
    TipoPressione ultima_ = TipoPressione::semplice;
};

// The game window's event handlers, as the translator calls them.
class GestoreEventi {
public:
    virtual ~GestoreEventi() = default;
    virtual void KeyDown(int KeyCode, int Shift) = 0;
    virtual void KeyPress(int KeyAscii) = 0;
    virtual void KeyUp(int KeyCode, int Shift) = 0;
    virtual void MouseDown(int Button, int Shift, float X, float Y) = 0;
    virtual void MouseUp(int Button, int Shift, float X, float Y) = 0;
    virtual void MouseMove(int Button, int Shift, float X, float Y) = 0;
    virtual void Click() = 0;
    virtual void DblClick() = 0;
};

// Turns the toolkit's events of the game window into the handlers' calls, in the desktop's
// order: KeyDown then KeyPress for a key that types, one KeyUp at the real release;
// MouseDown, MouseUp, Click, and for the second press of a double click DblClick instead
// of MouseDown and Click.
class TraduttoreIngresso {
public:
    TraduttoreIngresso(GestoreEventi& g, bool trattieni_rilasci) : g_(g), filtro_(trattieni_rilasci) {}

    void tasto(bool premuto, int tasto_fl, std::string_view testo_utf8, int stato_fl, double t);
    void premi(int pulsante_fl, int stato_fl, int x, int y, double t);
    void rilascia(int pulsante_fl, int stato_fl, int x, int y);
    void muovi(int stato_fl, int x, int y);
    // Lets the held key releases through whose wait has ended.
    void scadenza(double adesso);
    std::optional<double> prossima_scadenza() const { return filtro_.prossima_scadenza(); }

    // The keys whose press the game has had and whose release has not come yet.
    std::vector<int> tasti_tenuti() const;
    // Releases that one of our message boxes kept. They wait for `consegna_rilasci`, or
    // go before the next event, behind the releases held back from before the box.
    void rilasci_dopo_messaggio(const std::vector<RilascioTasto>& r);
    void consegna_rilasci();
    bool rilasci_in_attesa() const { return !dopo_messaggio_.empty(); }

private:
    void consegna(const std::vector<EventoTasto>& ev);
    void consegna_sospesi();

    GestoreEventi& g_;
    FiltroRipetizione filtro_;
    RilevatoreDoppioClic doppio_;
    int clic_attesi_ = 0;  // buttons whose release gives a click
    std::vector<int> tenuti_;  // in the order pressed
    std::vector<RilascioTasto> dopo_messaggio_;
};

}  // namespace didiv
