#pragma once
// Helpers for the tests of books, the inventory and the bar: a game started on the bench,
// a collision map painted by the test, and mouse gestures.

#include <unistd.h>

#include <filesystem>
#include <string>

#include "banco.h"
#include "platform/bmp.h"

namespace didiv::test {

struct BancoOggetti : ::testing::Test {
    Banco b;

    Form1& f() { return b.f(); }

    void SetUp() override {
        ASSERT_TRUE(b.avvia());
        // A black map: every test paints the few pixels it needs.
        f().Picture8 = Superficie(2200, 800);
        b.azzera_registro();
        b.piattaforma.messaggi.clear();
    }

    // Map pixels of world rectangle x0..x1, y0..y1 (both ends included).
    void dipingi(int x0, int x1, int y0, int y1, Colore c = MAPPA_MAGENTA) {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) f().Picture8.PSet(x, y + 400, c);
    }

    // The pointer over world point (wx, wy) of the present view.
    void punta_mondo(float wx, float wy) {
        muovi(wx - static_cast<float>(f().scroll_x) + 40, wy - static_cast<float>(f().scroll_y) + 40);
    }
    void muovi(float X, float Y) { b.evento([&] { f().Form_MouseMove(0, 0, X, Y); }); }
    void clic() { b.evento([&] { f().Form_Click(); }); }
    void premi(float X, float Y) { b.evento([&] { f().Form_MouseDown(1, 0, X, Y); }); }
    void rilascia(float X = 0, float Y = 0) { b.evento([&] { f().Form_MouseUp(1, 0, X, Y); }); }

    void metti(std::initializer_list<const char*> parole) {
        int i = 0;
        for (auto& s : f().inventario) s.clear();
        for (const char* p : parole) f().inventario[static_cast<size_t>(i++)] = p;
        f().ultimo_oggetto = i - 1;
    }

    // Drags the object of slot 0 from the bar and drops it at window (X, Y).
    void usa(float X, float Y, float X_barra = 90) {
        premi(X_barra, 470);
        muovi(X, Y);
        rilascia(X, Y);
    }

    int suonati(const std::string& file) { return b.conta(file + " Play 0"); }
};

// A pair that covers its whole rectangle with one colour, so that where it lands is plain.
inline std::array<Superficie, 2> coppia_piena(int w, int h, Colore c) {
    return {Superficie(w, h, 0), Superficie(w, h, c)};
}

// Runs the rest of a test in a directory of its own, with only the files it copies there.
struct CartellaTemporanea {
    std::filesystem::path prima = std::filesystem::current_path();
    std::filesystem::path dir;
    explicit CartellaTemporanea(const std::string& nome)
        : dir(std::filesystem::temp_directory_path() / ("didiv_" + nome + std::to_string(::getpid()))) {
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        std::filesystem::current_path(dir);
    }
    void copia(const std::string& file) {
        std::filesystem::copy_file(prima / file, dir / file);
    }
    ~CartellaTemporanea() {
        std::filesystem::current_path(prima);
        std::filesystem::remove_all(dir);
    }
};

}  // namespace didiv::test
