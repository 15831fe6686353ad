// Taking an object from the bar, dropping it on the scene and what each object does there.

#include <algorithm>

#include "oggetti_aiuto.h"

namespace didiv::test {
namespace {

using Inventario = BancoOggetti;

TEST_F(Inventario, APressOnTheBarPicksTheSlotUnderIt) {
    metti({"mosca", "vaso", "ombrello", "seme", "nuvola"});
    struct Caso { float X; int slot; };
    for (Caso c : {Caso{0, 0}, Caso{39, 0}, Caso{139, 0}, Caso{140, 1}, Caso{239.5f, 1}, Caso{340, 3},
                   Caso{439, 3}, Caso{440, 4}, Caso{479, 4}}) {
        premi(c.X, 441);
        EXPECT_EQ(f().indice_preso, c.slot) << c.X;
        EXPECT_EQ(f().nome_preso, f().inventario[static_cast<size_t>(c.slot)]);
        EXPECT_EQ(f().preso_y, 441);
        f().indice_preso = -1;
    }
    EXPECT_EQ(b.piattaforma.conteggio_cursore, -9);
}

TEST_F(Inventario, AnEmptySlotDragsNothingAndDropsNothing) {
    metti({"mosca"});
    premi(190, 470);
    EXPECT_EQ(f().indice_preso, 1);
    EXPECT_EQ(f().nome_preso, "");
    muovi(300, 100);
    rilascia();
    EXPECT_EQ(f().indice_preso, -1);
    EXPECT_TRUE(std::none_of(b.registro.begin(), b.registro.end(), [](const std::string& s) {
        return s.find("Play") != std::string::npos || s.find("ShowCursor") != std::string::npos;
    }));
}

TEST_F(Inventario, ASecondPressDuringADragIsIgnored) {
    metti({"mosca", "vaso"});
    premi(90, 470);
    premi(190, 470);
    EXPECT_EQ(f().nome_preso, "mosca");
    EXPECT_EQ(b.piattaforma.conteggio_cursore, -1);
}

TEST_F(Inventario, ARefusedObjectKeepsItsSlotAndThePointerComesBack) {
    metti({"mosca", "vaso"});
    usa(200, 200, 190);
    EXPECT_EQ(suonati("noway.wav"), 1);
    EXPECT_EQ(f().ultimo_oggetto, 1);
    EXPECT_EQ(f().inventario[1], "vaso");
    EXPECT_EQ(f().indice_preso, -1);
    EXPECT_EQ(f().nome_preso, "");
    EXPECT_EQ(b.piattaforma.conteggio_cursore, 0);
}

TEST_F(Inventario, UsingTheMiddleOfThreeClosesTheGap) {
    metti({"vaso", "mosca", "seme"});
    f().scroll_x = 600;
    f().scroll_y = -300;
    usa(100, 50, 190);  // the fly, to the spider
    EXPECT_EQ(f().fase_ragno, 2);
    EXPECT_EQ(f().ultimo_oggetto, 1);
    EXPECT_EQ(f().inventario, (std::array<std::string, 5>{"vaso", "seme", "", "", ""}));
}

TEST_F(Inventario, UsingTheOnlyObjectEmptiesTheInventory) {
    metti({"mosca"});
    f().scroll_x = 600;
    f().scroll_y = -300;
    usa(100, 50);
    EXPECT_EQ(f().ultimo_oggetto, -1);
    EXPECT_EQ(f().inventario[0], "");
    premi(90, 470);
    EXPECT_EQ(f().nome_preso, "");
}

// One drop of the object in slot 0 at window (X, Y) in a fresh inventory; true if used.
struct Regole : Inventario {
    bool prova(const char* parola, float X, float Y) {
        metti({parola, "seme"});
        b.azzera_registro();
        usa(X, Y);
        const bool usato = f().ultimo_oggetto == 0;
        EXPECT_EQ(suonati("noway.wav"), usato ? 0 : 1) << parola << " " << X << "," << Y;
        return usato;
    }
};

TEST_F(Regole, TheFlyGoesToTheSpiderHighUpOnTheLeft) {
    f().scroll_x = 600;  // dx = X + 560
    f().scroll_y = -300; // wy = Y - 340
    EXPECT_FALSE(prova("mosca", 40, 50));
    EXPECT_FALSE(prova("mosca", 190, 50));
    EXPECT_FALSE(prova("mosca", 100, 80));
    EXPECT_EQ(f().fase_ragno, 0);
    EXPECT_TRUE(prova("mosca", 189, 79));
    EXPECT_EQ(f().fase_ragno, 2);
    EXPECT_EQ(suonati("mosca.wav"), 1);
}

TEST_F(Regole, TheVaseNeedsTheOpenFallAndMeasuresHeightAgainstTheView) {
    f().scroll_x = 800;  // dx = X + 760
    f().scroll_y = -81;  // vy = Y + 41, while wy would be Y - 121
    f().fase_caduta = 4;
    EXPECT_FALSE(prova("vaso", 250, 360));
    f().fase_caduta = 5;
    EXPECT_FALSE(prova("vaso", 229, 360));
    EXPECT_FALSE(prova("vaso", 300, 360));
    EXPECT_FALSE(prova("vaso", 250, 339));
    EXPECT_FALSE(prova("vaso", 250, 399));
    EXPECT_FALSE(f().vaso_posato);
    EXPECT_TRUE(prova("vaso", 230, 340));
    EXPECT_TRUE(f().vaso_posato);
    EXPECT_TRUE(prova("vaso", 299, 398));
    EXPECT_EQ(suonati("succ.wav"), 1);
}

TEST_F(Regole, TheUmbrellaOpensOverTheProfessorWhateverTheHeight) {
    f().scroll_x = 700;
    f().pos_x = 880;
    EXPECT_FALSE(prova("ombrello", 220, 100));
    f().pos_x = 900;  // dx from 840 to 920 around him
    EXPECT_FALSE(prova("ombrello", 179, 100));
    EXPECT_FALSE(prova("ombrello", 261, 100));
    EXPECT_EQ(f().fase_caduta, 0);
    for (float X : {180.0f, 260.0f}) {
        f().fase_caduta = 1;
        EXPECT_TRUE(prova("ombrello", X, X / 2));
        EXPECT_EQ(f().fase_caduta, 3);
    }
    EXPECT_TRUE(prova("ombrello", 200, 520));  // dropped back on the bar
}

TEST_F(Regole, SeedCloudAndForkNeedThePotAndEachItsHeight) {
    f().scroll_x = 800;
    f().scroll_y = -81;
    struct Caso { const char* parola; float Y_basso; bool Form1::*campo; };
    for (Caso c : {Caso{"seme", 340, &Form1::seme_posato}, Caso{"nuvola", 220, &Form1::nuvola_posata},
                   Caso{"forchetta", 260, &Form1::forchetta_posata}}) {
        f().vaso_posato = false;
        EXPECT_FALSE(prova(c.parola, 250, 380)) << c.parola;
        f().vaso_posato = true;
        EXPECT_FALSE(prova(c.parola, 250, c.Y_basso - 1)) << c.parola;
        EXPECT_FALSE(prova(c.parola, 250, 399)) << c.parola;
        EXPECT_FALSE(prova(c.parola, 229, 380)) << c.parola;
        EXPECT_FALSE(prova(c.parola, 300, 380)) << c.parola;
        EXPECT_FALSE(f().*c.campo);
        EXPECT_TRUE(prova(c.parola, 230, c.Y_basso)) << c.parola;
        EXPECT_TRUE(f().*c.campo);
    }
}

TEST_F(Regole, TheRopeIsLaidLowInTheShaftsAndTheFluteRaisesIt) {
    f().scroll_x = 1200;  // dx = X + 1160
    EXPECT_FALSE(prova("flauto", 250, 400));  // no rope yet
    EXPECT_FALSE(prova("corda", 140, 400));
    EXPECT_FALSE(prova("corda", 340, 400));
    EXPECT_FALSE(prova("corda", 250, 370));
    EXPECT_EQ(f().fase_corda, 0);
    EXPECT_TRUE(prova("corda", 141, 371));
    EXPECT_EQ(f().fase_corda, 1);
    EXPECT_FALSE(prova("flauto", 250, 320));
    EXPECT_FALSE(prova("flauto", 340, 400));
    EXPECT_TRUE(prova("flauto", 339, 321));
    EXPECT_EQ(f().fase_corda, 2);
    EXPECT_FALSE(prova("flauto", 250, 400));  // risen already
}

TEST_F(Regole, APressAndReleaseOnTheBarIsADropThere) {
    metti({"corda"});
    f().scroll_x = 1300;
    premi(90, 470);  // dx 1350, wy 430
    rilascia(90, 470);
    EXPECT_EQ(f().fase_corda, 1);
    EXPECT_EQ(f().ultimo_oggetto, -1);
}

TEST_F(Regole, TheJungleBookOpensTheJungleAcrossTheChasm) {
    f().scroll_x = 1800;  // dx = X + 1760
    f().scroll_y = -300;  // wy = Y - 340
    EXPECT_FALSE(prova("libro", 120, 100));
    EXPECT_FALSE(prova("libro", 300, -10));
    EXPECT_EQ(f().fase_giungla, 0);
    EXPECT_TRUE(prova("libro", 121, -9));
    EXPECT_EQ(f().fase_giungla, 1);
    const char* file[] = {"j1.bmp", "j2.bmp", "j3.bmp"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(f().Picture72[static_cast<size_t>(i)], LoadPicture(file[i])) << i;
        EXPECT_GT(f().Picture72[static_cast<size_t>(i)].ScaleHeight(), 500);
    }
}

TEST_F(Regole, AMissingJungleFrameIsReportedAndTheJungleStillOpens) {
    f().scroll_x = 1800;
    const Superficie vecchia = f().Picture72[1];
    {
        CartellaTemporanea cartella("giungla");
        cartella.copia("j1.bmp");
        cartella.copia("j3.bmp");
        EXPECT_TRUE(prova("libro", 300, 300));
    }
    EXPECT_EQ(f().fase_giungla, 1);
    EXPECT_EQ(f().Picture72[1], vecchia);
    EXPECT_EQ(f().Picture72[2], LoadPicture("j3.bmp"));
    ASSERT_EQ(b.piattaforma.messaggi.size(), 1u);
    EXPECT_NE(b.piattaforma.messaggi[0].testo.find("'FORM1_MOUSEUP'"), std::string::npos);
}

TEST_F(Regole, TheCostumeLooksOnlyAtTheProfessorAndTheJungle) {
    f().pos_x = 1865;
    f().pos_y = 56;
    EXPECT_FALSE(prova("tarzan", 300, 300));
    f().fase_giungla = 1;
    f().pos_x = 1855;
    EXPECT_FALSE(prova("tarzan", 300, 300));
    f().pos_x = 1865;
    f().pos_y = -5;
    EXPECT_FALSE(prova("tarzan", 300, 300));
    EXPECT_FALSE(f().finale_attivo);
    f().pos_y = 56;
    EXPECT_TRUE(prova("tarzan", 0, 0));
    EXPECT_TRUE(f().finale_attivo);
}

TEST_F(Regole, ADragUnderWayWhenTheGameEndsIsStillDropped) {
    metti({"mosca"});
    f().scroll_x = 600;
    f().scroll_y = -300;
    premi(90, 470);
    muovi(100, 50);
    f().fine_partita = true;
    muovi(400, 400);  // no longer tracked
    rilascia();
    EXPECT_EQ(f().fase_ragno, 2);
}

TEST_F(Regole, TheStormStartsOnTheFourthPlacementInAnyOrder) {
    std::array<std::string, 3> ordine{"forchetta", "nuvola", "seme"};
    do {
        SCOPED_TRACE(ordine[0] + " " + ordine[1] + " " + ordine[2]);
        f().vaso_posato = f().seme_posato = f().nuvola_posata = f().forchetta_posata = false;
        f().fase_pianta = 0;
        f().scroll_x = 800;
        f().scroll_y = -81;
        f().fase_caduta = 5;
        metti({"vaso"});
        usa(250, 380);
        for (size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(f().fase_pianta, 0) << i;
            metti({ordine[i].c_str()});
            usa(250, 380);
            EXPECT_EQ(f().ultimo_oggetto, -1);
        }
        EXPECT_EQ(f().fase_pianta, 1);
    } while (std::next_permutation(ordine.begin(), ordine.end()));
}

TEST_F(Regole, TheStormTestRunsOnEveryDropButNeverTurnsThePlantBack) {
    f().vaso_posato = f().seme_posato = f().nuvola_posata = f().forchetta_posata = true;
    EXPECT_FALSE(prova("mosca", 200, 200));
    EXPECT_EQ(f().fase_pianta, 1);
    f().fase_pianta = 3;
    prova("mosca", 200, 200);
    EXPECT_EQ(f().fase_pianta, 3);
}

}  // namespace
}  // namespace didiv::test
