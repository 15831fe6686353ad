// The shape of each message box style: buttons, default and what Esc answers.

#include <gtest/gtest.h>

#include "desktop/finestra/messaggio.h"
#include "platform/piattaforma.h"

namespace didiv {
namespace {

TEST(FormaMessaggio, ButtonsDefaultAndEscapeOfEachStyle) {
    auto rc = forma_messaggio(vbRetryCancel + vbCritical, "Fiorlo5.0");
    ASSERT_EQ(rc.pulsanti.size(), 2u);
    EXPECT_STREQ(rc.pulsanti[0].etichetta, "Riprova");
    EXPECT_EQ(rc.pulsanti[0].risposta, vbRetry);
    EXPECT_STREQ(rc.pulsanti[1].etichetta, "Annulla");
    EXPECT_EQ(rc.pulsanti[1].risposta, vbCancel);
    EXPECT_EQ(rc.predefinito, 0);
    EXPECT_EQ(rc.risposta_esc, vbCancel);
    EXPECT_TRUE(rc.icona_stop);
    EXPECT_EQ(rc.titolo, "Fiorlo5.0");

    auto yn = forma_messaggio(vbYesNo + vbDefaultButton2, "Uscita dal gioco");
    ASSERT_EQ(yn.pulsanti.size(), 2u);
    EXPECT_STREQ(yn.pulsanti[0].etichetta, "S\xC3\xAC");
    EXPECT_EQ(yn.pulsanti[0].risposta, vbYes);
    EXPECT_EQ(yn.pulsanti[1].risposta, vbNo);
    EXPECT_EQ(yn.predefinito, 1);
    EXPECT_EQ(yn.risposta_esc, vbNo);
    EXPECT_FALSE(yn.icona_stop);
    EXPECT_EQ(forma_messaggio(vbYesNo, "x").predefinito, 0);

    auto ok = forma_messaggio(vbOKOnly, "");
    ASSERT_EQ(ok.pulsanti.size(), 1u);
    EXPECT_EQ(ok.pulsanti[0].risposta, vbOK);
    EXPECT_EQ(ok.risposta_esc, vbOK);
    EXPECT_EQ(ok.titolo, "Didiv Fiorlo");
}

}  // namespace
}  // namespace didiv
