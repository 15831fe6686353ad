// Pointing at the books that matter, opening their pages and taking their objects.

#include "oggetti_aiuto.h"

namespace didiv::test {
namespace {

struct Pagine : BancoOggetti {
    void SetUp() override {
        BancoOggetti::SetUp();
        dipingi(0, 2199, 100, 100);                     // a magenta row to point along
        dipingi(0, 2199, 120, 120, MAPPA_BIANCO);       // and a floor row to leave it
    }
    void su(float mx) { punta_mondo(mx, 100); }
    void via() { punta_mondo(500, 120); }

    // The window's play field shows exactly this picture.
    bool finestra_mostra(const Superficie& pagina) {
        for (int y = 0; y < 400; ++y)
            for (int x = 0; x < 400; ++x)
                if (f().finestra.Point(40 + x, 40 + y) != pagina.Point(x, y)) return false;
        return true;
    }
};

TEST_F(Pagine, BoundsOfASpotAreExcluded) {
    for (float mx : {117.0f, 125.0f}) {
        su(mx);
        EXPECT_FALSE(f().pagina1_attiva) << mx;
        via();
    }
    EXPECT_EQ(suonati("attiva.wav"), 0);
    su(118);
    EXPECT_TRUE(f().pagina1_attiva);
    EXPECT_EQ(suonati("attiva.wav"), 1);
    su(124);
    EXPECT_TRUE(f().pagina1_attiva);
}

TEST_F(Pagine, MagentaOutsideEverySpotChangesNothing) {
    for (float mx : {10.0f, 200.0f, 700.0f, 1200.0f, 2100.0f}) su(mx);
    EXPECT_EQ(suonati("attiva.wav"), 0);
    EXPECT_FALSE(f().pagina1_attiva);
    EXPECT_EQ(f().stato_mosca, 0);
}

TEST_F(Pagine, AnItemLightsOnceAndGoesOutOverAnotherColour) {
    su(40);
    EXPECT_EQ(f().stato_mosca, 1);
    EXPECT_EQ(suonati("attiva.wav"), 1);
    // Still sounding, or ended: an item only sounds again after it has gone out.
    su(41);
    b.audio.finisci("attiva.wav");
    su(42);
    EXPECT_EQ(suonati("attiva.wav"), 1);

    b.azzera_registro();
    via();
    EXPECT_EQ(f().stato_mosca, 0);
    EXPECT_EQ(b.registro, (Registro{"attiva.wav Stop", "attiva.wav SetCurrentPosition 0"}));
}

TEST_F(Pagine, PagesOneAndSevenSoundAgainEachTimeTheSoundHasEnded) {
    su(910);
    EXPECT_TRUE(f().pagina7_attiva);
    su(911);
    EXPECT_EQ(suonati("attiva.wav"), 1);
    b.audio.finisci("attiva.wav");
    su(912);
    EXPECT_EQ(suonati("attiva.wav"), 2);
    via();
    EXPECT_FALSE(f().pagina7_attiva);
}

TEST_F(Pagine, OpenAndTakenStatesSurviveTheHover) {
    f().stato_vaso = 2;
    f().stato_ombrello = 3;
    su(340);
    su(470);
    via();
    EXPECT_EQ(f().stato_vaso, 2);
    EXPECT_EQ(f().stato_ombrello, 3);
    EXPECT_EQ(suonati("attiva.wav"), 0);
}

TEST_F(Pagine, TheHiddenPageIsPointedOnlyOnceRevealedAndSilently) {
    su(410);
    EXPECT_EQ(f().stato_pagina2, 0);
    f().stato_pagina2 = 1;
    su(410);
    EXPECT_EQ(f().stato_pagina2, 2);
    EXPECT_EQ(suonati("attiva.wav"), 0);
    via();
    EXPECT_EQ(f().stato_pagina2, 2);
    // Pointed once, the next click anywhere reads it, and only once.
    clic();
    EXPECT_EQ(f().stato_pagina2, 3);
    EXPECT_FALSE(f().Timer1.Enabled);
    EXPECT_TRUE(finestra_mostra(LoadPicture("lib2.bmp")));
    clic();
    EXPECT_TRUE(f().Timer1.Enabled);
    EXPECT_EQ(f().ultimo_oggetto, -1);
}

TEST_F(Pagine, TheJungleBookAnswersOnlyFromTheLedge) {
    f().scroll_x = 1200;
    struct Caso { float pos_x; int atteso; };
    for (Caso c : {Caso{1359, 0}, Caso{1360, 1}, Caso{1419, 1}, Caso{1420, 0}}) {
        f().pos_x = c.pos_x;
        su(1447);
        EXPECT_EQ(f().stato_libro, c.atteso) << c.pos_x;
        via();
    }
}

TEST_F(Pagine, ThePointerOverTheBarStillReadsTheMap) {
    f().scroll_y = -200;
    dipingi(30, 60, 260, 260);
    muovi(80, 500);  // world y 260 under the bar
    EXPECT_EQ(f().stato_mosca, 1);
}

TEST_F(Pagine, TwoSpotsOpenTogetherAndAreTakenInCollectingOrder) {
    su(470);  // umbrella, page 3 of the page order
    su(340);  // vase, page 4
    EXPECT_EQ(suonati("attiva.wav"), 1);  // still sounding from the first
    clic();
    EXPECT_FALSE(f().Timer1.Enabled);
    EXPECT_EQ(f().stato_ombrello, 2);
    EXPECT_EQ(f().stato_vaso, 2);
    EXPECT_EQ(f().Picture63, LoadPicture("lib5.bmp"));
    EXPECT_TRUE(finestra_mostra(f().Picture63));

    b.azzera_registro();
    clic();
    EXPECT_TRUE(f().Timer1.Enabled);
    EXPECT_EQ(f().ultimo_oggetto, 1);
    EXPECT_EQ(f().inventario[0], "vaso");
    EXPECT_EQ(f().inventario[1], "ombrello");
    EXPECT_EQ(f().inventario[2], "");
    EXPECT_EQ(f().stato_ombrello, 3);
    EXPECT_EQ(f().stato_vaso, 3);
    EXPECT_EQ(suonati("flub.wav"), 2);
}

TEST_F(Pagine, PageOrderDiffersFromTestOrderAtTheEnd) {
    // Tested last but opened before the flute, rope and jungle book.
    f().pos_x = 1400;
    for (float mx : {1447.0f, 1745.0f, 1810.0f, 1500.0f}) su(mx);
    clic();
    EXPECT_EQ(f().Picture63, LoadPicture("lib13.bmp"));
    clic();
    EXPECT_EQ(f().inventario, (std::array<std::string, 5>{"tarzan", "flauto", "corda", "libro", ""}));
}

TEST_F(Pagine, TheFlyIsDrawnOverItsOwnPage) {
    su(40);
    clic();
    EXPECT_EQ(f().stato_mosca, 2);
    EXPECT_FALSE(f().Timer1.Enabled);
    const Superficie pagina = LoadPicture("lib3.bmp");
    const auto& mosca = f().Picture37;
    int coperti = 0;
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 400; ++x) {
            const int fx = 40 + x - 240, fy = 40 + y - 290;
            Colore atteso = pagina.Point(x, y);
            if (mosca[0].Point(fx, fy) == 0) atteso = mosca[1].Point(fx, fy), ++coperti;
            ASSERT_EQ(f().finestra.Point(40 + x, 40 + y), atteso) << x << "," << y;
        }
    EXPECT_GT(coperti, 300);  // a fly, not an empty mask

    clic();
    EXPECT_EQ(f().inventario[0], "mosca");
    EXPECT_EQ(f().stato_mosca, 3);
}

TEST_F(Pagine, AnEarlierPageCoversTheFlyAndALaterOneReplacesIt) {
    su(120);
    su(40);
    clic();
    EXPECT_TRUE(finestra_mostra(LoadPicture("lib3.bmp")));  // no fly left on it

    clic();
    via();
    su(40);  // taken already: nothing to open
    EXPECT_EQ(f().stato_mosca, 3);
    f().stato_mosca = 1;
    su(840);
    clic();
    EXPECT_TRUE(finestra_mostra(LoadPicture("lib6.bmp")));
}

TEST_F(Pagine, AClickWithNothingPendingChangesNothing) {
    clic();
    EXPECT_TRUE(f().Timer1.Enabled);
    // A click on a shown page resumes the game even with nothing to take.
    f().Timer1.Enabled = false;
    clic();
    EXPECT_TRUE(f().Timer1.Enabled);
    EXPECT_EQ(f().ultimo_oggetto, -1);
    EXPECT_EQ(suonati("flub.wav"), 0);
}

TEST_F(Pagine, APageOnlySpotCanBeReadAgain) {
    su(120);
    clic();
    EXPECT_EQ(f().Picture63, LoadPicture("lib1.bmp"));
    clic();
    EXPECT_TRUE(f().pagina1_attiva);
    clic();
    EXPECT_FALSE(f().Timer1.Enabled);
}

TEST_F(Pagine, AfterTheGameAClickClosesTheWindowAndDuringTheFinaleDoesNothing) {
    su(40);
    f().finale_attivo = true;
    clic();
    EXPECT_TRUE(f().Timer1.Enabled);
    EXPECT_EQ(f().stato_mosca, 1);

    f().fine_partita = true;
    su(340);  // the hover sleeps too
    EXPECT_EQ(f().stato_vaso, 0);
    EXPECT_FALSE(b.evento([&] { f().Form_Click(); }));
    EXPECT_TRUE(b.piattaforma.terminato);
}

TEST_F(Pagine, AMissingPageIsReportedAndThePauseStillHappens) {
    su(340);
    const Superficie prima = f().Picture63;
    {
        CartellaTemporanea vuota("pagine");
        clic();
    }
    ASSERT_EQ(b.piattaforma.messaggi.size(), 1u);
    EXPECT_NE(b.piattaforma.messaggi[0].testo.find("'FORM1_CLICK'"), std::string::npos);
    EXPECT_NE(b.piattaforma.messaggi[0].testo.find(" 53"), std::string::npos);
    EXPECT_FALSE(f().Timer1.Enabled);
    EXPECT_EQ(f().stato_vaso, 2);
    EXPECT_EQ(f().Picture63, prima);
}

TEST_F(Pagine, AFullInventoryLeavesTheObjectOnItsPageUntilASlotIsFree) {
    metti({"mosca", "vaso", "ombrello", "seme", "nuvola"});
    su(985);
    clic();
    clic();
    EXPECT_EQ(f().stato_forchetta, 2);
    EXPECT_EQ(f().ultimo_oggetto, 4);
    EXPECT_EQ(suonati("flub.wav"), 0);
    EXPECT_EQ(suonati("noway.wav"), 1);  // the player hears that it did not fit
    EXPECT_TRUE(f().Timer1.Enabled);

    metti({"mosca", "vaso", "ombrello", "seme"});
    su(120);
    clic();
    clic();
    EXPECT_EQ(f().stato_forchetta, 3);
    EXPECT_EQ(f().inventario[4], "forchetta");
    EXPECT_EQ(suonati("flub.wav"), 1);
    EXPECT_EQ(suonati("noway.wav"), 1);
}

TEST_F(Pagine, TheLastFreeSlotTakesTheFirstObjectAndTheNextIsRefusedAloud) {
    metti({"mosca", "vaso", "ombrello", "seme"});
    su(950);  // the cloud's book, then the fork's beside it
    su(985);
    clic();
    b.azzera_registro();
    clic();
    EXPECT_EQ(f().inventario[4], "forchetta");
    EXPECT_EQ(f().stato_forchetta, 3);
    EXPECT_EQ(f().stato_nuvola, 2);
    EXPECT_EQ(b.registro, (Registro{"flub.wav Play 0", "noway.wav Play 0"}));
}

TEST_F(Pagine, WhileDraggingTheMoveOnlyTracksTheObject) {
    f().indice_preso = 0;
    su(40);
    EXPECT_EQ(f().stato_mosca, 0);
    EXPECT_EQ(f().preso_x, 80);
    EXPECT_EQ(f().preso_y, 140);
}

// From the start: point at the fly's book, read its page, take the fly and carry it.
TEST_F(Pagine, FromTheStartTheFlyGoesFromItsBookToThePointer) {
    const auto& mosca = f().Picture37;
    auto mostra_mosca = [&](int x0, int y0) {
        for (int y = 0; y < 29; ++y)
            for (int x = 0; x < 61; ++x)
                if (mosca[0].Point(x, y) == 0 && f().finestra.Point(x0 + x, y0 + y) != mosca[1].Point(x, y))
                    return false;
        return true;
    };
    dipingi(35, 49, 241, 266);
    b.tick();
    muovi(82, 290);
    EXPECT_EQ(f().stato_mosca, 1);
    clic();
    EXPECT_EQ(f().Picture63, LoadPicture("lib3.bmp"));
    b.tick();  // paused: the page and its fly stay
    EXPECT_TRUE(mostra_mosca(240, 290));
    clic();
    b.tick();
    EXPECT_EQ(f().inventario[0], "mosca");
    EXPECT_TRUE(mostra_mosca(40 + 20, 440 + 15));

    premi(90, 470);
    muovi(200, 150);
    b.tick();
    EXPECT_TRUE(mostra_mosca(200, 150));
    EXPECT_FALSE(mostra_mosca(40 + 20, 440 + 15));
    EXPECT_EQ(b.piattaforma.conteggio_cursore, -1);
}

}  // namespace
}  // namespace didiv::test
