#include "desktop/finestra/ingresso.h"

#include <FL/Enumerations.H>

#include <algorithm>
#include <cstdlib>
#include <cstdint>
#include <utility>

namespace didiv {

namespace {

// The Alt key right of the space bar on many layouts.
constexpr int kIsoLevel3Shift = 0xfe03;

// Italian layout keys whose Windows codes are the OEM ones.
constexpr std::pair<int, int> kOem[] = {
    {';', 186}, {'=', 187}, {',', 188}, {'-', 189}, {'.', 190}, {'/', 191}, {'`', 192},
    {'[', 219}, {'\\', 220}, {']', 221}, {'\'', 222}, {'+', 187}, {'<', 226},
    {0xe8, 186} /* è */, {0xe9, 186} /* é */, {0xf2, 192} /* ò */, {0xe0, 222} /* à */,
    {0xf9, 191} /* ù */, {0xec, 221} /* ì */,
};

// Unicode code points of the Windows-1252 characters 0x80 to 0x9F.
constexpr std::pair<uint32_t, int> kSpeciali1252[] = {
    {0x20AC, 0x80}, {0x201A, 0x82}, {0x0192, 0x83}, {0x201E, 0x84}, {0x2026, 0x85},
    {0x2020, 0x86}, {0x2021, 0x87}, {0x02C6, 0x88}, {0x2030, 0x89}, {0x0160, 0x8A},
    {0x2039, 0x8B}, {0x0152, 0x8C}, {0x017D, 0x8E}, {0x2018, 0x91}, {0x2019, 0x92},
    {0x201C, 0x93}, {0x201D, 0x94}, {0x2022, 0x95}, {0x2013, 0x96}, {0x2014, 0x97},
    {0x02DC, 0x98}, {0x2122, 0x99}, {0x0161, 0x9A}, {0x203A, 0x9B}, {0x0153, 0x9C},
    {0x017E, 0x9E}, {0x0178, 0x9F},
};

bool tasto_lettera(int t) { return t >= 'a' && t <= 'z'; }

}  // namespace

int codice_tasto(int t) {
    if (tasto_lettera(t)) return t - 'a' + 'A';
    if (t >= 'A' && t <= 'Z') return t;
    if (t >= '0' && t <= '9') return t;
    if (t == ' ') return 32;
    if (t >= FL_F + 1 && t <= FL_F + 24) return 112 + (t - FL_F - 1);
    if (t >= FL_KP + '0' && t <= FL_KP + '9') return 96 + (t - FL_KP - '0');
    switch (t) {
        case FL_Left: return 37;
        case FL_Up: return 38;
        case FL_Right: return 39;
        case FL_Down: return 40;
        case FL_Shift_L: case FL_Shift_R: return 16;
        case FL_Control_L: case FL_Control_R: return 17;
        case FL_Alt_L: case FL_Alt_R: case kIsoLevel3Shift: return 18;
        case FL_Enter: case FL_KP_Enter: return 13;
        case FL_Escape: return 27;
        case FL_BackSpace: return 8;
        case FL_Tab: return 9;
        case FL_Pause: return 19;
        case FL_Caps_Lock: return 20;
        case FL_Page_Up: return 33;
        case FL_Page_Down: return 34;
        case FL_End: return 35;
        case FL_Home: return 36;
        case FL_Print: return 44;
        case FL_Insert: return 45;
        case FL_Delete: return 46;
        case FL_Meta_L: return 91;
        case FL_Meta_R: return 92;
        case FL_Menu: return 93;
        case FL_KP + '*': return 106;
        case FL_KP + '+': return 107;
        case FL_KP + '-': return 109;
        case FL_KP + '.': case FL_KP + ',': return 110;
        case FL_KP + '/': return 111;
        case FL_Num_Lock: return 144;
        case FL_Scroll_Lock: return 145;
        default: break;
    }
    for (auto [k, c] : kOem)
        if (k == t) return c;
    return 0;
}

int maschera_tasto(int stato, int codice, bool premuto) {
    int m = maschera_mouse(stato);
    const int proprio = codice == 16 ? MASCHERA_SHIFT : codice == 17 ? MASCHERA_CTRL
                      : codice == 18 ? MASCHERA_ALT : 0;
    return premuto ? (m | proprio) : (m & ~proprio);
}

int maschera_mouse(int stato) {
    int m = 0;
    if (stato & FL_SHIFT) m |= MASCHERA_SHIFT;
    if (stato & FL_CTRL) m |= MASCHERA_CTRL;
    if (stato & FL_ALT) m |= MASCHERA_ALT;
    return m;
}

int pulsante_mouse(int p) {
    switch (p) {
        case FL_LEFT_MOUSE: return 1;
        case FL_RIGHT_MOUSE: return 2;
        case FL_MIDDLE_MOUSE: return 4;
        default: return 0;
    }
}

int pulsanti_premuti(int stato) {
    int m = 0;
    if (stato & FL_BUTTON1) m |= 1;
    if (stato & FL_BUTTON3) m |= 2;
    if (stato & FL_BUTTON2) m |= 4;
    return m;
}

std::optional<int> carattere_1252(std::string_view s) {
    if (s.empty()) return std::nullopt;
    const auto b = [&](size_t i) { return static_cast<uint8_t>(s[i]); };
    uint32_t cp;
    size_t n;
    if (b(0) < 0x80) {
        cp = b(0);
        n = 1;
    } else if ((b(0) & 0xE0) == 0xC0) {
        cp = b(0) & 0x1F;
        n = 2;
    } else if ((b(0) & 0xF0) == 0xE0) {
        cp = b(0) & 0x0F;
        n = 3;
    } else if ((b(0) & 0xF8) == 0xF0) {
        cp = b(0) & 0x07;
        n = 4;
    } else {
        return '?';
    }
    if (s.size() < n) return '?';
    for (size_t i = 1; i < n; ++i) {
        if ((b(i) & 0xC0) != 0x80) return '?';
        cp = (cp << 6) | (b(i) & 0x3F);
    }
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
    for (auto [u, c] : kSpeciali1252)
        if (u == cp) return c;
    return '?';
}

std::optional<int> carattere_tasto(int t, std::string_view testo, int maschera) {
    const bool ctrl = maschera & MASCHERA_CTRL;
    // Alt combinations are menu keys on the desktop the game was written for.
    if (maschera & MASCHERA_ALT) return std::nullopt;
    switch (t) {
        case FL_Escape: return 27;
        case FL_Enter: case FL_KP_Enter: return ctrl ? 10 : 13;
        case FL_BackSpace: return ctrl ? 127 : 8;
        case FL_Tab: return ctrl ? std::nullopt : std::optional<int>(9);
        default: break;
    }
    if (ctrl) {
        if (tasto_lettera(t)) return t - 'a' + 1;
        return std::nullopt;
    }
    // Keys of the toolkit's own range type nothing, except the keypad's digits and signs.
    const bool tastierino = t >= FL_KP && t <= FL_KP_Last;
    if (t >= 0xfe00 && t <= 0xffff && !tastierino) return std::nullopt;
    auto c = carattere_1252(testo);
    if (c && *c < 32) return std::nullopt;
    return c;
}

std::vector<EventoTasto> FiltroRipetizione::arriva(const EventoTasto& e) {
    std::vector<EventoTasto> fuori;
    if (!trattieni_) {
        fuori.push_back(e);
        return fuori;
    }
    if (e.premuto) {
        // A press of a key whose release is held back: that release was the autorepeat's,
        // unless its wait had ended already and only its delivery was late.
        auto falso = std::find_if(sospesi_.begin(), sospesi_.end(), [&](const EventoTasto& s) {
            return s.tasto == e.tasto && e.t - s.t < attesa_;
        });
        if (falso != sospesi_.end()) sospesi_.erase(falso);
        fuori = svuota();
        fuori.push_back(e);
    } else {
        // Releases of other keys keep their place in front of this one.
        fuori = svuota();
        sospesi_.push_back(e);
    }
    return fuori;
}

std::vector<EventoTasto> FiltroRipetizione::scaduti(double adesso) {
    std::vector<EventoTasto> fuori;
    // Held releases leave in arrival order; a later one never overtakes an earlier one.
    while (!sospesi_.empty() && sospesi_.front().t + attesa_ <= adesso) {
        fuori.push_back(sospesi_.front());
        sospesi_.erase(sospesi_.begin());
    }
    return fuori;
}

std::vector<EventoTasto> FiltroRipetizione::svuota() {
    std::vector<EventoTasto> fuori;
    fuori.swap(sospesi_);
    return fuori;
}

std::optional<double> FiltroRipetizione::prossima_scadenza() const {
    if (sospesi_.empty()) return std::nullopt;
    return sospesi_.front().t + attesa_;
}

bool TastiMessaggio::agisce(bool premuto, int tasto, int stato) {
    auto t = std::find(tenuti_.begin(), tenuti_.end(), tasto);
    if (t == tenuti_.end()) return true;
    if (!premuto) {
        tenuti_.erase(t);
        rilasci_.push_back({tasto, stato});
    }
    return false;
}

TipoPressione RilevatoreDoppioClic::premi(int pulsante, int x, int y, double t) {
    const bool doppio = primo_valido_ && pulsante == pulsante_ && t - t_ <= kTempo && t >= t_ &&
                        std::abs(x - x_) <= kScarto && std::abs(y - y_) <= kScarto;
    if (doppio) {
        primo_valido_ = false;
        ultima_ = TipoPressione::doppia;
    } else {
        primo_valido_ = true;
        pulsante_ = pulsante;
        x_ = x;
        y_ = y;
        t_ = t;
        ultima_ = TipoPressione::semplice;
    }
    return ultima_;
}

void TraduttoreIngresso::tasto(bool premuto, int tasto_fl, std::string_view testo, int stato,
                               double t) {
    EventoTasto e;
    e.premuto = premuto;
    e.tasto = tasto_fl;
    e.codice = codice_tasto(tasto_fl);
    e.shift = maschera_tasto(stato, e.codice, premuto);
    if (premuto) e.carattere = carattere_tasto(tasto_fl, testo, e.shift);
    e.t = t;
    consegna_rilasci();
    consegna(filtro_.arriva(e));
}

void TraduttoreIngresso::consegna(const std::vector<EventoTasto>& ev) {
    for (const auto& e : ev) {
        auto tenuto = std::find(tenuti_.begin(), tenuti_.end(), e.tasto);
        if (e.premuto) {
            if (tenuto == tenuti_.end()) tenuti_.push_back(e.tasto);
            g_.KeyDown(e.codice, e.shift);
            if (e.carattere) g_.KeyPress(*e.carattere);
        } else {
            if (tenuto != tenuti_.end()) tenuti_.erase(tenuto);
            g_.KeyUp(e.codice, e.shift);
        }
    }
}

void TraduttoreIngresso::consegna_sospesi() {
    consegna_rilasci();
    consegna(filtro_.svuota());
}

void TraduttoreIngresso::consegna_rilasci() {
    if (dopo_messaggio_.empty()) return;
    // Releases the filter still holds from before the box go first.
    consegna(filtro_.svuota());
    // One at a time: a handler may open another box, whose releases queue behind these.
    while (!dopo_messaggio_.empty()) {
        const RilascioTasto r = dopo_messaggio_.front();
        dopo_messaggio_.erase(dopo_messaggio_.begin());
        EventoTasto e;
        e.premuto = false;
        e.tasto = r.tasto;
        e.codice = codice_tasto(r.tasto);
        e.shift = maschera_tasto(r.stato, e.codice, false);
        consegna({e});
    }
}

void TraduttoreIngresso::scadenza(double adesso) { consegna(filtro_.scaduti(adesso)); }

std::vector<int> TraduttoreIngresso::tasti_tenuti() const {
    std::vector<int> v;
    for (int k : tenuti_) {
        const bool rilasciato = std::any_of(dopo_messaggio_.begin(), dopo_messaggio_.end(),
                                            [&](const RilascioTasto& r) { return r.tasto == k; });
        if (!rilasciato) v.push_back(k);
    }
    return v;
}

void TraduttoreIngresso::rilasci_dopo_messaggio(const std::vector<RilascioTasto>& r) {
    dopo_messaggio_.insert(dopo_messaggio_.end(), r.begin(), r.end());
}

void TraduttoreIngresso::premi(int pulsante_fl, int stato, int x, int y, double t) {
    consegna_sospesi();
    const int b = pulsante_mouse(pulsante_fl);
    if (b == 0) return;
    const auto X = static_cast<float>(x), Y = static_cast<float>(y);
    if (doppio_.premi(b, x, y, t) == TipoPressione::semplice) {
        clic_attesi_ |= b;
        g_.MouseDown(b, maschera_mouse(stato), X, Y);
    } else {
        clic_attesi_ &= ~b;
        g_.DblClick();
    }
}

void TraduttoreIngresso::rilascia(int pulsante_fl, int stato, int x, int y) {
    consegna_sospesi();
    const int b = pulsante_mouse(pulsante_fl);
    if (b == 0) return;
    const bool clic = clic_attesi_ & b;
    clic_attesi_ &= ~b;
    g_.MouseUp(b, maschera_mouse(stato), static_cast<float>(x), static_cast<float>(y));
    if (clic) g_.Click();
}

void TraduttoreIngresso::muovi(int stato, int x, int y) {
    consegna_sospesi();
    g_.MouseMove(pulsanti_premuti(stato), maschera_mouse(stato), static_cast<float>(x),
                 static_cast<float>(y));
}

}  // namespace didiv
