#include "banco.h"

namespace didiv::test {
namespace {

TEST(GestioneErrore, MessageTextByteForByte) {
    EXPECT_EQ(testo_errore(9, "Indice non incluso nell'intervallo", "Form1_timer1"),
              "Si è verificato l'errore n.  9 nella funzione 'FORM1_TIMER1': Indice non incluso "
              "nell'intervallo. Fare clic su 'Riprova' per continuare, su 'Annulla' per terminare il "
              "programma.");
    EXPECT_EQ(testo_errore(-5, "x", "creasuoni"),
              "Si è verificato l'errore n. -5 nella funzione 'CREASUONI': x. Fare clic su 'Riprova' "
              "per continuare, su 'Annulla' per terminare il programma.");
}

TEST(GestioneErrore, RetryCancelCriticalWithItsTitleAndCancelEnds) {
    Banco b;
    gestione_errore(b.modulo, 6, "Overflow", "Form1_tasti");
    ASSERT_EQ(b.piattaforma.messaggi.size(), 1u);
    EXPECT_EQ(b.piattaforma.messaggi[0].stile, vbRetryCancel | vbCritical);
    EXPECT_EQ(b.piattaforma.messaggi[0].titolo, "Fiorlo5.0");
    EXPECT_FALSE(b.piattaforma.terminato);
    b.piattaforma.risposte.push_back(vbCancel);
    EXPECT_THROW(gestione_errore(b.modulo, 6, "Overflow", "Form1_tasti"), FineProcesso);
    EXPECT_TRUE(b.piattaforma.terminato);
}

TEST(GestioneErrore, TrapGoesOnWithTheNextStepAndReportsEachFailure) {
    Banco b;
    Trappola t(b.modulo, "Form1_libri");
    std::vector<int> fatti;
    t([&] { fatti.push_back(1); });
    t([&] { solleva(ERR_INDICE); });
    t([&] { fatti.push_back(3); });
    t([&] { solleva(ERR_OVERFLOW); });
    EXPECT_EQ(fatti, (std::vector<int>{1, 3}));
    ASSERT_EQ(b.piattaforma.messaggi.size(), 2u);
    EXPECT_NE(b.piattaforma.messaggi[1].testo.find("n.  6 nella funzione 'FORM1_LIBRI'"), std::string::npos);
}

}  // namespace
}  // namespace didiv::test
