// The start dialog and its help windows on a headless desktop.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "dialogs/inizio.h"
#include "platform/piattaforma_finta.h"
#include "resources/testi_dialoghi.h"

namespace didiv::test {
namespace {

const char* nome(Aiuto a) { return a == Aiuto::Comandi ? "Comandi" : "Soluzione"; }

class SchermoFinto : public SchermoInizio {
public:
    explicit SchermoFinto(Registro& r) : registro(r) {}
    Registro& registro;
    bool inizio_abilitato = true;
    bool inizio_aperto = true;
    std::vector<Aiuto> aiuti_aperti;
    bool gioco_aperto = false;

    void abilita_inizio(bool a) override {
        inizio_abilitato = a;
        registro.push_back(a ? "abilita Inizio" : "disabilita Inizio");
    }
    void porta_davanti_inizio() override { registro.push_back("davanti Inizio"); }
    void scarica_inizio() override {
        inizio_aperto = false;
        registro.push_back("scarica Inizio");
    }
    void mostra_aiuto(Aiuto a) override {
        aiuti_aperti.push_back(a);
        registro.push_back(std::string("mostra ") + nome(a));
    }
    bool aiuto_visibile(Aiuto a) override {
        return std::find(aiuti_aperti.begin(), aiuti_aperti.end(), a) != aiuti_aperti.end();
    }
    void porta_davanti_aiuto(Aiuto a) override { registro.push_back(std::string("davanti ") + nome(a)); }
    void scarica_aiuto(Aiuto a) override {
        std::erase(aiuti_aperti, a);
        registro.push_back(std::string("scarica ") + nome(a));
    }
    void mostra_gioco() override {
        gioco_aperto = true;
        registro.push_back("mostra form1");
    }
    bool gioco_abilitato() override { return gioco_aperto; }
    void porta_davanti_gioco() override { registro.push_back("davanti form1"); }
};

struct BancoInizio {
    Registro registro;
    PiattaformaFinta piattaforma{registro};
    AudioFinto audio{registro};
    ModuloTres modulo{piattaforma, audio};
    SchermoFinto schermo{registro};
    Inizio inizio{modulo, schermo};

    BancoInizio() {
        modulo.tempo_limite = 1234;  // proves that "Gioca" writes it
        inizio.Form_Load();
    }
    int gioca() {
        inizio.clic_gioca();
        return modulo.tempo_limite;
    }
    int indice_di(const std::string& voce) const {
        auto& v = inizio.Combo1.voci;
        return static_cast<int>(std::find(v.begin(), v.end(), voce) - v.begin());
    }
};

TEST(Inizio, ApreConGiocoLiberoEdElencoDisabilitatoSu30) {
    BancoInizio b;
    EXPECT_TRUE(b.inizio.Option1[0]);
    EXPECT_FALSE(b.inizio.Option1[1]);
    EXPECT_FALSE(b.inizio.Combo1.Enabled);
    EXPECT_EQ(b.inizio.Combo1.Text(), "30");
    const std::vector<std::string> attese{"30",  "60",  "90",  "120", "180", "240", "300",
                                          "400", "500", "600", "700", "800", "900"};
    EXPECT_EQ(b.inizio.Combo1.voci, attese);
}

TEST(Inizio, TempoLimiteScelto) {
    {
        BancoInizio b;  // free play, list untouched
        EXPECT_EQ(b.gioca(), 0);
    }
    {
        BancoInizio b;  // timed play, list untouched
        b.inizio.clic_opzione(1);
        EXPECT_TRUE(b.inizio.Combo1.Enabled);
        EXPECT_EQ(b.gioca(), 30);
    }
    {
        BancoInizio b;  // the largest limit
        b.inizio.clic_opzione(1);
        b.inizio.scegli_voce(b.indice_di("900"));
        EXPECT_EQ(b.gioca(), 900);
    }
    {
        BancoInizio b;  // every item converts to its own number
        b.inizio.clic_opzione(1);
        b.inizio.scegli_voce(b.indice_di("120"));
        EXPECT_EQ(b.gioca(), 120);
    }
}

TEST(Inizio, TornareAlGiocoLiberoLasciaLaVoceMaDa0) {
    BancoInizio b;
    b.inizio.clic_opzione(1);
    b.inizio.scegli_voce(b.indice_di("900"));
    b.inizio.clic_opzione(0);
    EXPECT_FALSE(b.inizio.Combo1.Enabled);
    EXPECT_EQ(b.inizio.Combo1.Text(), "900");
    b.inizio.scegli_voce(b.indice_di("60"));  // a disabled list cannot be changed
    EXPECT_EQ(b.inizio.Combo1.Text(), "900");
    EXPECT_EQ(b.gioca(), 0);
}

TEST(Inizio, GiocaChiudeInizioPrimaDiAprireIlGioco) {
    BancoInizio b;
    b.gioca();
    const Registro atteso{"scarica Inizio", "mostra form1", "DoEvents", "davanti form1"};
    EXPECT_EQ(b.registro, atteso);
    EXPECT_FALSE(b.inizio.caricato);
    // Nothing returns to the dialog afterwards.
    b.registro.clear();
    b.inizio.clic_gioca();
    b.inizio.clic_riepilogo();
    b.inizio.clic_esci();
    b.inizio.chiudi_inizio();
    EXPECT_TRUE(b.registro.empty());
}

TEST(Inizio, EsciEChiusuraTerminanoSenzaFinestraDiGioco) {
    {
        BancoInizio b;
        EXPECT_THROW(b.inizio.clic_esci(), FineProcesso);
        EXPECT_TRUE(b.piattaforma.terminato);
        EXPECT_FALSE(b.schermo.gioco_aperto);
        EXPECT_EQ(b.registro, Registro{"End"});
    }
    {
        BancoInizio b;
        EXPECT_THROW(b.inizio.chiudi_inizio(), FineProcesso);
        EXPECT_FALSE(b.schermo.gioco_aperto);
    }
}

TEST(Inizio, UnaFinestraDiAiutoDisabilitaInizioFinoAllaChiusura) {
    for (Aiuto a : {Aiuto::Comandi, Aiuto::Soluzione}) {
        SCOPED_TRACE(nome(a));
        BancoInizio b;
        b.inizio.clic_opzione(1);
        b.inizio.scegli_voce(b.indice_di("300"));
        b.registro.clear();
        a == Aiuto::Comandi ? b.inizio.clic_riepilogo() : b.inizio.clic_soluzione();
        const Registro apertura{"disabilita Inizio", std::string("mostra ") + nome(a), "DoEvents",
                                std::string("davanti ") + nome(a)};
        EXPECT_EQ(b.registro, apertura);
        EXPECT_FALSE(b.inizio.Enabled);

        // Clicks on the disabled dialog do nothing: no second help window, no game, no end.
        b.registro.clear();
        b.inizio.clic_riepilogo();
        b.inizio.clic_soluzione();
        b.inizio.clic_opzione(0);
        b.inizio.scegli_voce(0);
        b.inizio.clic_gioca();
        EXPECT_NO_THROW(b.inizio.clic_esci());
        EXPECT_NO_THROW(b.inizio.chiudi_inizio());
        EXPECT_TRUE(b.registro.empty());
        EXPECT_EQ(b.schermo.aiuti_aperti.size(), 1u);

        b.inizio.chiudi_aiuto();
        const Registro chiusura{std::string("scarica ") + nome(a), "abilita Inizio", "DoEvents",
                                "davanti Inizio"};
        EXPECT_EQ(b.registro, chiusura);
        EXPECT_TRUE(b.inizio.Enabled);
        EXPECT_TRUE(b.schermo.inizio_abilitato);
        EXPECT_TRUE(b.schermo.aiuti_aperti.empty());

        // The choice of play time is as it was, and the dialog takes clicks again.
        EXPECT_TRUE(b.inizio.Option1[1]);
        EXPECT_EQ(b.inizio.Combo1.Text(), "300");
        EXPECT_EQ(b.gioca(), 300);
    }
}

TEST(Inizio, UnaSecondaChiusuraDellAiutoNonFaNulla) {
    BancoInizio b;
    b.inizio.clic_riepilogo();
    b.inizio.chiudi_aiuto();
    b.registro.clear();
    b.inizio.chiudi_aiuto();
    EXPECT_TRUE(b.registro.empty());
}

// The solution as the player must read it, typed out independently of the game's copy.
const std::string kSoluzioneAttesa =
    "Dalla prima libreria prendere la mosca. Salire le scale a pioli della seconda libreria, "
    "prendere l'ombrello e il vaso. Arrivati in cima, recuperare la mosca dalla barra degli "
    "oggetti e darla al ragno che la inseguirà e lascerà il passaggio libero. All'inizio della "
    "discesa dei gradini di pietra, recuperare l'ombrello e darlo al professore: lo userà come "
    "paracadute per frenare la discesa nel vano sotterraneo dopo il crollo del passaggio. Nella "
    "libreria del vano sotterraneo prendere il seme, la forchetta e la nuvola. Mettere il vaso "
    "alla base del cunicolo verticale, mettere il seme nel vaso, la nuvola sul vaso e infine la "
    "forchetta nel vaso: scoppierà un temporale che innaffiando il vaso farà crescere la pianta "
    "di fagioli magici. Usare la pianta come scala per uscire dal cunicolo e proseguire a destra "
    "fino al pozzo verticale. Saltare dall'altro lato (Maiusc+ freccia a destra) e nella "
    "libreria al centro tra i due pozzi prendere il libro della giungla. Saltare anche il "
    "secondo pozzo verticale e nella libreria seguente prendere il flauto  e la corda. Poi "
    "tornare indietro e lasciarsi cadere nel pozzo verticale. Aprire il libro che si trova sul  "
    "fondo e prendere il costume da Tarzan. Mettere la corda sul fondo del pozzo ed dare il "
    "flauto al professore che lo userà per incantarla. Risalire utilizzando la corda come "
    "scala. Proseguire fino al baratro successivo senza salire sulla libreria. Giunti quasi "
    "sull'orlo, prendere il libro della giungla e metterlo vicino al baratro: si aprirà "
    "magicamente un paesaggio che mostra una foresta. Prendere il costume da Tarzan e darlo al "
    "professore...Il gioco è terminato. ";

TEST(Soluzione, IlTestoECompletoACarattere) {
    BancoInizio b;
    b.inizio.clic_soluzione();
    ASSERT_TRUE(b.inizio.soluzione);
    const std::string& t = b.inizio.soluzione->Text1;
    EXPECT_EQ(t, kSoluzioneAttesa);
    EXPECT_EQ(dialoghi::caratteri_utf8(t), 1623u);
    EXPECT_NE(t.find("flauto  e la corda"), std::string::npos);
    EXPECT_NE(t.find("sul  fondo"), std::string::npos);
    EXPECT_NE(t.find("ed dare"), std::string::npos);
}

TEST(Soluzione, SiRiempieAOgniApertura) {
    BancoInizio b;
    b.inizio.clic_soluzione();
    b.inizio.soluzione->Text1 = "altro";
    b.inizio.chiudi_aiuto();
    EXPECT_FALSE(b.inizio.soluzione);
    b.inizio.clic_soluzione();
    EXPECT_EQ(b.inizio.soluzione->Text1, kSoluzioneAttesa);
}

TEST(TestiDialoghi, TestiDiInizio) {
    using namespace dialoghi;
    EXPECT_EQ(caratteri_utf8(kTestoLabel1Inizio), 479u);
    EXPECT_TRUE(kTestoLabel1Inizio.starts_with("Il gioco contenuto nelle versioni 4.0 e 5.0 di Fiorlo"));
    EXPECT_NE(kTestoLabel1Inizio.find("in stile \"Arcade\", di moda"), std::string_view::npos);
    EXPECT_NE(kTestoLabel1Inizio.find("più e meglio si leggeva, più tempo"), std::string_view::npos);
    EXPECT_TRUE(kTestoLabel1Inizio.ends_with("dei piccoli lettori. "));
    EXPECT_EQ(kTestoLabel2Inizio,
              "La versione qui riprodotta permette di giocare liberamente, oppure di impostare un "
              "tempo massimo dopo il quale, se non sarà stata raggiunta la fine del percorso, sarà "
              "necessario ricomincialo dall'inizio.");
    EXPECT_EQ(controllo_inizio("Option1", 1).testo, "Gioca per" + std::string(15, ' ') + "secondi");
    EXPECT_EQ(kTitoloInizio, "Didiv di Fiorlo (versioni 4.0 e 5.0)");
}

TEST(TestiDialoghi, TabellaDeiComandi) {
    using namespace dialoghi;
    auto righe = righe_comandi();
    ASSERT_EQ(righe.size(), 12u);
    // Typographic apostrophes where the table has them, straight ones in "Tasto 'M'".
    EXPECT_EQ(righe[3].testo_tasti, "FRECCIA GIU\xE2\x80\x99 O MOUSE");
    EXPECT_EQ(righe[7].testo_tasti, "PUNTARE CON MOUSE L\xE2\x80\x99OGGETTO,");
    EXPECT_EQ(righe[9].testo_tasti, "L\xE2\x80\x99OGGETTO SU AREA GIOCO, RILASCIARE");
    EXPECT_EQ(righe[11].testo_tasti, "Tasto 'M'");
    EXPECT_EQ(righe[6].testo_tasti, "CLIC CON IL MOUSE SU LIBIRI ATTIVI");
    // Members in order, rows going down, the actions numbered 0..8 with gaps where the keys
    // run on, and every key label wide enough for nothing but itself.
    int azione = 0, top = 0;
    for (size_t i = 0; i < righe.size(); ++i) {
        EXPECT_EQ(righe[i].tasti, static_cast<int>(i));
        EXPECT_GT(righe[i].top, top);
        top = righe[i].top;
        if (righe[i].azione >= 0) {
            EXPECT_EQ(righe[i].azione, azione++);
        }
    }
    EXPECT_EQ(azione, 9);
    EXPECT_EQ(righe[8].azione, -1);
    EXPECT_EQ(righe[11].testo_azione, "ATT./DISATT. MUSICA");
}

// The twips of the tables against the pixels the windows were drawn at, and no control
// outside its window or frame: a typing slip in the tables shows up here.
TEST(TestiDialoghi, DisposizioniInPixel) {
    using namespace dialoghi;
    struct Px {
        int l, t, w, h;
        bool operator==(const Px&) const = default;
    };
    auto in_px = [](const Posizione& p) { return Px{px(p.left), px(p.top), px(p.width), px(p.height)}; };
    const std::vector<Px> attesi{{336, 240, 57, 25}, {272, 272, 121, 25}, {272, 304, 121, 25},
                                 {272, 240, 57, 25}, {8, 16, 385, 145},   {8, 232, 249, 97},
                                 {8, 168, 385, 57},  {16, 24, 217, 17},   {16, 56, 193, 17},
                                 {96, 53, 49, 21}};
    auto controlli = controlli_inizio();
    ASSERT_EQ(controlli.size(), attesi.size());
    auto dentro = [](const Posizione& p, int w, int h) {
        EXPECT_GE(p.left, 0);
        EXPECT_GE(p.top, 0);
        EXPECT_LE(p.left + p.width, w);
        EXPECT_LE(p.top + p.height, h);
    };
    const Posizione cornice = controllo_inizio("Frame1").pos;
    for (size_t i = 0; i < controlli.size(); ++i) {
        const Controllo& c = controlli[i];
        SCOPED_TRACE(std::string(c.nome));
        EXPECT_TRUE(in_px(c.pos) == attesi[i]);
        if (c.tipo == TipoControllo::opzione || c.tipo == TipoControllo::elenco) {
            dentro(c.pos, cornice.width, cornice.height);
        } else {
            dentro(c.pos, kClientInizio.width, kClientInizio.height);
        }
    }
    EXPECT_EQ(px(kClientInizio.width), 402);
    EXPECT_EQ(px(kClientInizio.height), 343);
    EXPECT_EQ(px(kClientComandi.width), 518);
    EXPECT_EQ(px(kClientComandi.height), 315);
    EXPECT_EQ(px(kClientSoluzione.width), 402);
    EXPECT_EQ(px(kClientSoluzione.height), 189);
    EXPECT_TRUE(in_px(kOKComandi) == (Px{424, 280, 81, 25}));
    EXPECT_TRUE(in_px(kText1Soluzione) == (Px{16, 16, 369, 129}));
    EXPECT_TRUE(in_px(kOKSoluzione) == (Px{304, 152, 81, 25}));
    for (const RigaComandi& r : righe_comandi())
        EXPECT_LE(kSinistraTasti + r.larghezza_tasti, kClientComandi.width) << r.testo_tasti;
    EXPECT_EQ(px_punti(8.25), 11);
    EXPECT_EQ(px_punti(9.75), 13);
}

}  // namespace
}  // namespace didiv::test
