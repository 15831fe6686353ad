// The controls: arrow keys and modifiers, key release, the mouse press on the play field and
// its release, the music switch, the quit question and closing the finished game.

#include "banco.h"

namespace didiv::test {
namespace {

constexpr int SINISTRA = 37, SU = 38, DESTRA = 39, GIU = 40;

struct Comandi : Banco {
    Comandi() {
        EXPECT_TRUE(avvia());
        azzera_registro();
    }
    bool giu(int tasto, int shift = 0) {
        return evento([&] { f().Form_KeyDown(tasto, shift); });
    }
    bool su(int tasto = DESTRA) {
        return evento([&] { f().Form_KeyUp(tasto, 0); });
    }
    bool carattere(int c) {
        return evento([&] { f().Form_KeyPress(c); });
    }
    bool premi(float x, float y, int shift = 0) {
        return evento([&] { f().Form_MouseDown(1, shift, x, y); });
    }
    bool rilascia() {
        return evento([&] { f().Form_MouseUp(1, 0, 0, 0); });
    }
    bool nessuna_richiesta() {
        const Form1& g = f();
        return !g.va_destra && !g.va_sinistra && !g.sale && !g.scende && !g.salta_destra &&
               !g.salta_sinistra;
    }
    const Superficie* icona(int n) { return &f().Picture30[static_cast<size_t>(n)]; }
};

TEST(Tasti, OgniFrecciaLaSuaRichiestaSuonoIconaEDirezione) {
    struct Caso {
        int tasto;
        bool Form1::*richiesta;
        const char* suono;
        int icona;
        int direzione;
    };
    const Caso casi[] = {
        {DESTRA, &Form1::va_destra, "step.wav Play 1", 1, 1},
        {SINISTRA, &Form1::va_sinistra, "step.wav Play 1", 2, 0},
        {SU, &Form1::sale, "stairs.wav Play 1", 3, 2},
        {GIU, &Form1::scende, "stairs.wav Play 1", 4, 2},
    };
    for (const auto& c : casi) {
        Comandi b;
        b.f().direzione = 7;
        b.giu(c.tasto);
        EXPECT_TRUE(b.f().*c.richiesta) << c.tasto;
        EXPECT_EQ(b.conta(c.suono), 1) << c.tasto;
        EXPECT_EQ(b.f().MousePointer, vbCustom);
        EXPECT_EQ(b.f().MouseIcon, b.icona(c.icona)) << c.tasto;
        EXPECT_EQ(b.f().direzione, c.direzione);
    }
    Comandi b;
    b.giu(65);
    EXPECT_TRUE(b.nessuna_richiesta());
    EXPECT_EQ(b.f().MousePointer, vbArrow);
    EXPECT_TRUE(b.registro.empty());
}

TEST(Tasti, ConUnModificatoreSaltaSenzaSuono) {
    for (int shift : {1, 2, 4}) {
        Comandi b;
        b.f().pos_x = 100;
        b.giu(DESTRA, shift);
        EXPECT_TRUE(b.f().salta_destra);
        EXPECT_FALSE(b.f().va_destra);
        EXPECT_EQ(b.f().meta_salto, 190);
        EXPECT_EQ(b.f().direzione, 1);
        EXPECT_EQ(b.f().MouseIcon, b.icona(1));
        EXPECT_TRUE(b.registro.empty());
    }
    Comandi b;
    b.f().pos_x = 100;
    b.giu(SINISTRA, 2);
    EXPECT_TRUE(b.f().salta_sinistra);
    EXPECT_EQ(b.f().meta_salto, 16);
    EXPECT_EQ(b.f().direzione, 0);
    EXPECT_EQ(b.f().MouseIcon, b.icona(2));
    // Up and Down ignore the modifier.
    b.f().salta_sinistra = false;
    b.giu(SU, 1);
    EXPECT_TRUE(b.f().sale);
}

TEST(Tasti, DuranteCadutaOSaltoOFinePartitaNienteCambia) {
    for (int stato = 0; stato < 3; ++stato) {
        Comandi b;
        b.f().cade = stato == 0;
        b.f().salta_sinistra = stato == 1;
        b.f().fine_partita = stato == 2;
        b.f().direzione = 5;
        for (int tasto : {DESTRA, SINISTRA, SU, GIU}) b.giu(tasto);
        EXPECT_FALSE(b.f().va_destra || b.f().va_sinistra || b.f().sale || b.f().scende);
        EXPECT_EQ(b.f().direzione, 5);
        EXPECT_EQ(b.f().MousePointer, vbArrow);
        EXPECT_TRUE(b.registro.empty());
    }
}

TEST(Tasti, DueFrecceInsiemeEIlPrimoRilascioLeFerma) {
    Comandi b;
    b.giu(DESTRA);
    b.giu(SU);
    EXPECT_TRUE(b.f().va_destra);
    EXPECT_TRUE(b.f().sale);
    b.tick();
    EXPECT_EQ(b.f().pos_x, -5);  // the walk comes first
    EXPECT_EQ(b.f().pos_y, 168);
    EXPECT_EQ(b.f().fase_caduta, 1);
    b.su(SU);
    EXPECT_TRUE(b.nessuna_richiesta());
    EXPECT_EQ(b.audio.buffer["step.wav"]->stato, 0);
    EXPECT_EQ(b.audio.buffer["stairs.wav"]->stato, 0);
    EXPECT_EQ(b.f().MousePointer, vbArrow);
    EXPECT_EQ(b.f().fase_caduta, 0);
}

TEST(Tasti, UnSaltoChiestoCamminandoAspettaLaFineDelCammino) {
    Comandi b;
    b.giu(DESTRA);
    b.tick();
    b.giu(DESTRA, 1);  // target -5 + 90
    EXPECT_EQ(b.f().meta_salto, 85);
    for (int i = 0; i < 20; ++i) b.tick();
    EXPECT_EQ(b.f().pos_x, 95);  // still walking
    EXPECT_TRUE(b.f().salta_destra);
    b.su(DESTRA);
    b.tick();  // already past the target: ends at once
    EXPECT_FALSE(b.f().salta_destra);
    EXPECT_EQ(b.f().pos_x, 105);
}

TEST(Tasti, IlRilascioNonFermaISaltiELaFase3Resta) {
    Comandi b;
    b.f().salta_destra = true;
    b.f().fase_caduta = 3;
    b.su(16);  // Shift
    EXPECT_TRUE(b.f().salta_destra);
    EXPECT_EQ(b.f().fase_caduta, 3);
}

TEST(Tasti, UnSuonoMancanteTaceETuttoIlResto) {
    Comandi b;
    b.f().suono_stairs.svuota();  // its file was reported when the slots were filled
    b.giu(SU);
    EXPECT_TRUE(b.piattaforma.messaggi.empty());
    EXPECT_TRUE(b.f().sale);
    EXPECT_EQ(b.f().MouseIcon, b.icona(3));
    b.su(SU);
    EXPECT_TRUE(b.piattaforma.messaggi.empty());
    EXPECT_FALSE(b.f().sale);
    EXPECT_EQ(b.f().MousePointer, vbArrow);
}

TEST(Musica, SoloLaEmmeMinuscola) {
    Comandi b;
    ASSERT_TRUE(b.f().musica_attiva);
    b.carattere(77);
    EXPECT_TRUE(b.f().musica_attiva);
    EXPECT_EQ(b.audio.musica_in_corso, "intro3.mid");
    b.carattere(109);
    EXPECT_FALSE(b.f().musica_attiva);
    EXPECT_EQ(b.audio.musica_in_corso, "");
    const int avvii = b.audio.musica_avvii;
    b.carattere(109);
    EXPECT_TRUE(b.f().musica_attiva);
    EXPECT_EQ(b.audio.musica_in_corso, "intro3.mid");
    EXPECT_EQ(b.audio.musica_avvii, avvii + 1);
    EXPECT_EQ(b.conta("musica LoadSegment intro3.mid"), 1);  // from its beginning
}

TEST(Uscita, EscConNoLasciaTuttoComEra) {
    Comandi b;
    EXPECT_TRUE(b.carattere(27));
    ASSERT_EQ(b.piattaforma.messaggi.size(), 1u);
    const auto& m = b.piattaforma.messaggi[0];
    EXPECT_EQ(m.testo, "Si desidera terminare la partita in corso?");
    EXPECT_EQ(m.titolo, "Uscita dal gioco");
    EXPECT_EQ(m.stile, vbYesNo | vbDefaultButton2);
    EXPECT_FALSE(b.f().fine_partita);
    EXPECT_FALSE(b.piattaforma.terminato);
    EXPECT_TRUE(b.f().Timer1.Enabled);
}

TEST(Uscita, EscConSiTermina) {
    Comandi b;
    b.piattaforma.risposte.push_back(vbYes);
    EXPECT_FALSE(b.carattere(27));
    EXPECT_TRUE(b.f().fine_partita);
    EXPECT_TRUE(b.piattaforma.terminato);
    EXPECT_GE(b.conta("musica StopMusica"), 1);  // through the window's unload
}

TEST(Uscita, APartitaFinitaLeFrecceNoGliAltriTastiChiudono) {
    Comandi b;
    b.f().fine_partita = true;
    EXPECT_TRUE(b.giu(DESTRA));
    EXPECT_FALSE(b.f().va_destra);
    EXPECT_FALSE(b.piattaforma.terminato);
    EXPECT_FALSE(b.giu(32));  // Space
    EXPECT_TRUE(b.piattaforma.terminato);

    Comandi c;
    c.f().fine_partita = true;
    EXPECT_FALSE(c.giu(16));  // Shift alone
    Comandi d;
    d.f().fine_partita = true;
    EXPECT_FALSE(d.carattere(77));
    Comandi e;
    EXPECT_TRUE(e.evento([&] { e.f().Form_DblClick(); }));
    e.f().fine_partita = true;
    EXPECT_FALSE(e.evento([&] { e.f().Form_DblClick(); }));
    EXPECT_TRUE(e.piattaforma.terminato);
}

TEST(Uscita, DuranteIlFinaleTastiEMouseNonFannoNulla) {
    Comandi b;
    b.f().finale_attivo = true;
    b.f().fine_partita = true;
    EXPECT_TRUE(b.giu(32));
    EXPECT_TRUE(b.carattere(27));
    EXPECT_TRUE(b.premi(400, 100));
    EXPECT_TRUE(b.piattaforma.messaggi.empty());
    EXPECT_FALSE(b.piattaforma.terminato);
    // The release of a key still ends the walk; the mouse release does nothing.
    b.f().va_destra = true;
    b.f().fase_caduta = 1;
    b.rilascia();
    EXPECT_TRUE(b.f().va_destra);
    b.su();
    EXPECT_FALSE(b.f().va_destra);
    EXPECT_EQ(b.f().fase_caduta, 0);
}

// The professor's box at (100, 100) on the play field: (140, 140) in the window.
struct Mouse : Comandi {
    Mouse() {
        f().pos_x = 300;
        f().pos_y = 150;
        f().scroll_x = 200;
        f().scroll_y = 50;
    }
};

TEST(Mouse, LaPressioneSceglieLaFrecciaDallaPosizione) {
    struct Caso {
        float x, y;
        bool Form1::*richiesta;
    };
    const Caso casi[] = {
        {200.5f, 0, &Form1::va_destra},   // more than 60 right of the box's left edge
        {200, 300, &Form1::scende},       // on him: down
        {134.5f, 300, &Form1::va_sinistra},
        {135, 300, &Form1::scende},
        {150, 100.5f, &Form1::scende},    // lower than 40 above his top
        {150, 100, &Form1::sale},
        {150, 0, &Form1::sale},
    };
    for (const auto& c : casi) {
        Mouse m;
        m.premi(c.x, c.y);
        EXPECT_TRUE(m.f().*c.richiesta) << c.x << "," << c.y;
    }
    Mouse m;
    m.premi(300, 0, 1);
    EXPECT_TRUE(m.f().salta_destra);
    EXPECT_EQ(m.f().meta_salto, 390);
}

TEST(Mouse, A440CamminaA441EDellaBarra) {
    Mouse m;
    m.premi(400, 440);
    EXPECT_TRUE(m.f().va_destra);
    Mouse n;
    n.premi(400, 441);
    EXPECT_TRUE(n.nessuna_richiesta());
    EXPECT_EQ(n.conta("step.wav Play 1"), 0);
}

TEST(Mouse, IlRilascioFermaCamminoEScalaERimetteLaFreccia) {
    Mouse m;
    m.premi(400, 100);
    m.tick();
    EXPECT_EQ(m.f().fase_caduta, 1);
    m.f().scende = true;
    m.f().salta_sinistra = true;
    m.rilascia();
    EXPECT_FALSE(m.f().va_destra || m.f().scende);
    EXPECT_TRUE(m.f().salta_sinistra);
    EXPECT_EQ(m.audio.buffer["step.wav"]->stato, 0);
    EXPECT_EQ(m.f().MousePointer, vbArrow);
    EXPECT_EQ(m.f().fase_caduta, 0);
    // Nothing happens while the game is over or an object is being dragged.
    Mouse n;
    n.f().indice_preso = 2;
    n.premi(400, 100);
    EXPECT_TRUE(n.nessuna_richiesta());
    n.f().indice_preso = -1;
    n.f().fine_partita = true;
    n.premi(400, 100);
    EXPECT_TRUE(n.nessuna_richiesta());
}

}  // namespace
}  // namespace didiv::test
