// The desktop's raw input turned into the game's events, driven with synthetic events.

#include <FL/Enumerations.H>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "desktop/finestra/ingresso.h"

namespace didiv {
namespace {

TEST(CodiciTasto, VirtualKeyCodesOfTheKeysTheGameReads) {
    EXPECT_EQ(codice_tasto(FL_Left), 37);
    EXPECT_EQ(codice_tasto(FL_Up), 38);
    EXPECT_EQ(codice_tasto(FL_Right), 39);
    EXPECT_EQ(codice_tasto(FL_Down), 40);
    EXPECT_EQ(codice_tasto(FL_Shift_L), 16);
    EXPECT_EQ(codice_tasto(FL_Shift_R), 16);
    EXPECT_EQ(codice_tasto(FL_Control_R), 17);
    EXPECT_EQ(codice_tasto(FL_Alt_L), 18);
    EXPECT_EQ(codice_tasto(' '), 32);
    EXPECT_EQ(codice_tasto('m'), 77);  // the toolkit names letters in lower case
    EXPECT_EQ(codice_tasto('a'), 65);
    EXPECT_EQ(codice_tasto('7'), 55);
    EXPECT_EQ(codice_tasto(FL_Escape), 27);
    EXPECT_EQ(codice_tasto(FL_Enter), 13);
    EXPECT_EQ(codice_tasto(FL_KP_Enter), 13);
    EXPECT_EQ(codice_tasto(FL_BackSpace), 8);
    EXPECT_EQ(codice_tasto(FL_Tab), 9);
    EXPECT_EQ(codice_tasto(FL_F + 1), 112);
    EXPECT_EQ(codice_tasto(FL_F + 12), 123);
    EXPECT_EQ(codice_tasto(FL_KP + '5'), 101);
    EXPECT_EQ(codice_tasto(FL_Delete), 46);
    EXPECT_EQ(codice_tasto(0xe8), 186);  // è on the Italian layout
}

TEST(CodiciTasto, ShiftMaskIncludesAModifiersOwnKeyDownButNotItsKeyUp) {
    // The toolkit reports the state before the event: a modifier's own press lacks its bit.
    EXPECT_EQ(maschera_tasto(0, 16, true), 1);
    EXPECT_EQ(maschera_tasto(0, 17, true), 2);
    EXPECT_EQ(maschera_tasto(FL_SHIFT, 18, true), 5);
    EXPECT_EQ(maschera_tasto(FL_SHIFT, 16, false), 0);
    EXPECT_EQ(maschera_tasto(FL_SHIFT | FL_CTRL, 16, false), 2);
    EXPECT_EQ(maschera_tasto(FL_CTRL | FL_ALT, 39, true), 6);
    EXPECT_EQ(maschera_tasto(FL_CAPS_LOCK | FL_NUM_LOCK, 39, true), 0);
}

TEST(CodiciTasto, KeyPressCodesAreWindows1252) {
    EXPECT_EQ(carattere_tasto('m', "m", 0), 109);
    EXPECT_EQ(carattere_tasto('m', "M", MASCHERA_SHIFT), 77);
    EXPECT_EQ(carattere_tasto(0xe8, "\xC3\xA8", 0), 232);  // è
    EXPECT_EQ(carattere_tasto('e', "\xE2\x82\xAC", 0), 128);  // € on AltGr+E
    EXPECT_EQ(carattere_tasto(' ', " ", 0), 32);
    EXPECT_EQ(carattere_tasto(FL_Escape, "\x1b", 0), 27);
    EXPECT_EQ(carattere_tasto(FL_Enter, "\r", 0), 13);
    EXPECT_EQ(carattere_tasto(FL_BackSpace, "\b", 0), 8);
    EXPECT_EQ(carattere_tasto(FL_Tab, "\t", 0), 9);
    EXPECT_EQ(carattere_tasto(FL_KP + '5', "5", 0), 53);
}

TEST(CodiciTasto, KeysThatTypeNothingGiveNoKeyPress) {
    EXPECT_FALSE(carattere_tasto(FL_Left, "", 0));
    EXPECT_FALSE(carattere_tasto(FL_Right, "", MASCHERA_SHIFT));
    EXPECT_FALSE(carattere_tasto(FL_Shift_L, "", MASCHERA_SHIFT));
    EXPECT_FALSE(carattere_tasto(FL_Control_L, "", MASCHERA_CTRL));
    EXPECT_FALSE(carattere_tasto(FL_F + 1, "", 0));
    EXPECT_FALSE(carattere_tasto(FL_Delete, "\x7f", 0));
    EXPECT_FALSE(carattere_tasto('m', "m", MASCHERA_ALT));
}

TEST(CodiciTasto, CtrlWithALetterGivesItsControlCode) {
    EXPECT_EQ(carattere_tasto('a', "\x01", MASCHERA_CTRL), 1);
    EXPECT_EQ(carattere_tasto('m', "\r", MASCHERA_CTRL), 13);
    EXPECT_EQ(carattere_tasto('z', "", MASCHERA_CTRL | MASCHERA_SHIFT), 26);
    EXPECT_FALSE(carattere_tasto('5', "5", MASCHERA_CTRL));
}

TEST(CodiciTasto, Utf8BeyondWindows1252IsAQuestionMark) {
    EXPECT_EQ(carattere_1252("\xE4\xB8\xAD"), '?');      // a CJK character
    EXPECT_EQ(carattere_1252("\xC3"), '?');              // cut short
    EXPECT_EQ(carattere_1252("\xFF"), '?');              // no UTF-8 at all
    EXPECT_EQ(carattere_1252("\xC2\x80"), '?');          // a C1 control
    EXPECT_EQ(carattere_1252("\xC3\xA0"), 224);          // à
    EXPECT_EQ(carattere_1252("\xE2\x80\x99"), 0x92);     // ’
    EXPECT_FALSE(carattere_1252(""));
}

// Records the handlers' calls as text.
struct Registratore : GestoreEventi {
    std::vector<std::string> v;
    static std::string n(float f) { return std::to_string(static_cast<int>(f)); }
    void KeyDown(int k, int s) override { v.push_back("KeyDown " + std::to_string(k) + " " + std::to_string(s)); }
    void KeyPress(int a) override { v.push_back("KeyPress " + std::to_string(a)); }
    void KeyUp(int k, int s) override { v.push_back("KeyUp " + std::to_string(k) + " " + std::to_string(s)); }
    void MouseDown(int b, int s, float x, float y) override {
        v.push_back("MouseDown " + std::to_string(b) + " " + std::to_string(s) + " " + n(x) + " " + n(y));
    }
    void MouseUp(int b, int s, float x, float y) override {
        v.push_back("MouseUp " + std::to_string(b) + " " + std::to_string(s) + " " + n(x) + " " + n(y));
    }
    void MouseMove(int b, int s, float x, float y) override {
        v.push_back("MouseMove " + std::to_string(b) + " " + std::to_string(s) + " " + n(x) + " " + n(y));
    }
    void Click() override { v.push_back("Click"); }
    void DblClick() override { v.push_back("DblClick"); }
};

using V = std::vector<std::string>;

TEST(TastieraGioco, KeyDownKeyPressKeyUpInOrder) {
    Registratore r;
    TraduttoreIngresso t(r, false);
    t.tasto(true, 'm', "m", 0, 0.0);
    t.tasto(false, 'm', "m", 0, 0.1);
    t.tasto(true, FL_Right, "", 0, 0.2);
    t.tasto(false, FL_Right, "", 0, 0.3);
    t.tasto(true, FL_Shift_L, "", 0, 0.4);
    t.tasto(true, FL_Left, "", FL_SHIFT, 0.5);
    t.tasto(false, FL_Left, "", FL_SHIFT, 0.6);
    t.tasto(false, FL_Shift_L, "", FL_SHIFT, 0.7);
    t.tasto(true, FL_Escape, "\x1b", 0, 0.8);
    EXPECT_EQ(r.v, (V{"KeyDown 77 0", "KeyPress 109", "KeyUp 77 0", "KeyDown 39 0", "KeyUp 39 0",
                      "KeyDown 16 1", "KeyDown 37 1", "KeyUp 37 1", "KeyUp 16 0", "KeyDown 27 0",
                      "KeyPress 27"}));
}

TEST(TastieraGioco, HeldKeyWithTheServersHelpRepeatsKeyDownAndReleasesOnce) {
    Registratore r;
    TraduttoreIngresso t(r, false);
    for (int i = 0; i < 4; ++i) t.tasto(true, 'm', "m", 0, 0.5 + i * 0.03);
    t.tasto(false, 'm', "m", 0, 0.7);
    EXPECT_EQ(r.v, (V{"KeyDown 77 0", "KeyPress 109", "KeyDown 77 0", "KeyPress 109", "KeyDown 77 0",
                      "KeyPress 109", "KeyDown 77 0", "KeyPress 109", "KeyUp 77 0"}));
    EXPECT_FALSE(t.prossima_scadenza());
}

// The X server's own autorepeat: a release and a press with the same time per repeat.
TEST(TastieraGioco, FallbackDropsTheAutorepeatsFalseReleases) {
    Registratore r;
    TraduttoreIngresso t(r, true);
    t.tasto(true, FL_Right, "", 0, 0.0);
    for (int i = 1; i <= 20; ++i) {
        const double ti = 0.5 + i * 0.033;
        t.tasto(false, FL_Right, "", 0, ti);
        t.tasto(true, FL_Right, "", 0, ti);
        t.scadenza(ti + 0.01);  // timers in between find nothing due
    }
    const double rilascio = 0.5 + 20 * 0.033 + 0.2;
    t.tasto(false, FL_Right, "", 0, rilascio);
    t.scadenza(rilascio + 0.05);
    EXPECT_EQ(r.v.size(), 21u);
    ASSERT_TRUE(t.prossima_scadenza());
    EXPECT_NEAR(*t.prossima_scadenza(), rilascio + 0.1, 1e-9);
    t.scadenza(rilascio + 0.1);
    ASSERT_EQ(r.v.size(), 22u);
    EXPECT_EQ(r.v.back(), "KeyUp 39 0");
    for (size_t i = 0; i < 21; ++i) EXPECT_EQ(r.v[i], "KeyDown 39 0");
    EXPECT_FALSE(t.prossima_scadenza());
}

TEST(TastieraGioco, FallbackKeepsTheOrderOfRealEvents) {
    Registratore r;
    TraduttoreIngresso t(r, true);
    // Another key pressed right after a release: the release goes first.
    t.tasto(true, FL_Right, "", 0, 0.0);
    t.tasto(false, FL_Right, "", 0, 0.20);
    t.tasto(true, FL_Up, "", 0, 0.22);
    // A mouse press right after a release: the release goes first too.
    t.tasto(false, FL_Up, "", 0, 0.30);
    t.premi(FL_LEFT_MOUSE, 0, 50, 60, 0.31);
    // Two releases in a row leave in their order.
    t.tasto(true, 'a', "a", 0, 0.40);
    t.tasto(true, 'b', "b", 0, 0.41);
    t.tasto(false, 'a', "a", 0, 0.50);
    t.tasto(false, 'b', "b", 0, 0.51);
    t.scadenza(0.70);
    EXPECT_EQ(r.v, (V{"KeyDown 39 0", "KeyUp 39 0", "KeyDown 38 0", "KeyUp 38 0",
                      "MouseDown 1 0 50 60", "KeyDown 65 0", "KeyPress 97", "KeyDown 66 0",
                      "KeyPress 98", "KeyUp 65 0", "KeyUp 66 0"}));
}

TEST(TastieraGioco, FallbackKeepsARealReleaseWhoseDeliveryWasLate) {
    Registratore r;
    TraduttoreIngresso t(r, true);
    t.tasto(true, 'm', "m", 0, 0.0);
    t.tasto(false, 'm', "m", 0, 0.2);
    // The timer that should have let the release through was late: the next press is real.
    t.tasto(true, 'm', "m", 0, 0.45);
    EXPECT_EQ(r.v, (V{"KeyDown 77 0", "KeyPress 109", "KeyUp 77 0", "KeyDown 77 0", "KeyPress 109"}));
}

TEST(MouseGioco, ClickIsReportedOnTheRelease) {
    Registratore r;
    TraduttoreIngresso t(r, false);
    t.premi(FL_LEFT_MOUSE, 0, 100, 200, 1.0);
    t.muovi(FL_BUTTON1, 101, 201);
    t.rilascia(FL_LEFT_MOUSE, 0, 101, 201);
    EXPECT_EQ(r.v, (V{"MouseDown 1 0 100 200", "MouseMove 1 0 101 201", "MouseUp 1 0 101 201", "Click"}));
}

TEST(MouseGioco, DoubleClickReplacesTheSecondPressAndClick) {
    Registratore r;
    TraduttoreIngresso t(r, false);
    t.premi(FL_LEFT_MOUSE, 0, 100, 200, 1.0);
    t.rilascia(FL_LEFT_MOUSE, 0, 100, 200);
    t.premi(FL_LEFT_MOUSE, 0, 102, 198, 1.45);
    t.rilascia(FL_LEFT_MOUSE, 0, 102, 198);
    // A third press starts over.
    t.premi(FL_LEFT_MOUSE, 0, 102, 198, 1.6);
    t.rilascia(FL_LEFT_MOUSE, 0, 102, 198);
    EXPECT_EQ(r.v, (V{"MouseDown 1 0 100 200", "MouseUp 1 0 100 200", "Click", "DblClick",
                      "MouseUp 1 0 102 198", "MouseDown 1 0 102 198", "MouseUp 1 0 102 198", "Click"}));
}

TEST(MouseGioco, TooLateTooFarOrAnotherButtonIsNoDoubleClick) {
    RilevatoreDoppioClic d;
    EXPECT_EQ(d.premi(1, 10, 10, 0.0), TipoPressione::semplice);
    EXPECT_EQ(d.premi(1, 10, 10, 0.501), TipoPressione::semplice);  // too late
    EXPECT_EQ(d.premi(1, 13, 10, 0.6), TipoPressione::semplice);    // too far
    EXPECT_EQ(d.premi(2, 13, 10, 0.7), TipoPressione::semplice);    // another button
    EXPECT_EQ(d.premi(2, 15, 12, 0.8), TipoPressione::doppia);      // 2 pixels each way
    EXPECT_FALSE(d.clic_al_rilascio());
    EXPECT_EQ(d.premi(2, 15, 12, 0.9), TipoPressione::semplice);
    EXPECT_TRUE(d.clic_al_rilascio());
    EXPECT_EQ(d.premi(2, 15, 12, 1.4), TipoPressione::doppia);      // exactly 500 ms
}

TEST(MouseGioco, ButtonsModifiersAndCaptureOutsideTheWindow) {
    Registratore r;
    TraduttoreIngresso t(r, false);
    t.premi(FL_RIGHT_MOUSE, FL_SHIFT | FL_CTRL, 10, 20, 0.0);
    t.muovi(FL_BUTTON3 | FL_SHIFT | FL_CTRL, -15, 600);
    t.rilascia(FL_RIGHT_MOUSE, FL_SHIFT, -15, 600);
    t.premi(FL_MIDDLE_MOUSE, FL_ALT, 30, 40, 2.0);
    t.muovi(FL_BUTTON2 | FL_BUTTON1, 31, 41);
    t.muovi(0, 32, 42);
    EXPECT_EQ(r.v, (V{"MouseDown 2 3 10 20", "MouseMove 2 3 -15 600", "MouseUp 2 1 -15 600", "Click",
                      "MouseDown 4 4 30 40", "MouseMove 5 0 31 41", "MouseMove 0 0 32 42"}));
}

TEST(MouseGioco, ReleaseWithoutAPressInTheWindowGivesNoClick) {
    Registratore r;
    TraduttoreIngresso t(r, false);
    t.rilascia(FL_LEFT_MOUSE, 0, 5, 5);
    EXPECT_EQ(r.v, (V{"MouseUp 1 0 5 5"}));
}


TEST(TastiMessaggio, AKeyDownWhenTheBoxOpensDoesNothingThereUntilLetGo) {
    TastiMessaggio m({FL_Right, FL_Escape});
    // The autorepeat of a held key neither moves the focus nor answers.
    EXPECT_FALSE(m.agisce(true, FL_Right, 0));
    EXPECT_FALSE(m.agisce(true, FL_Escape, 0));
    EXPECT_FALSE(m.agisce(true, FL_Right, 0));
    // Keys pressed while the box is open act on it, and so do their releases.
    EXPECT_TRUE(m.agisce(true, FL_Tab, 0));
    EXPECT_TRUE(m.agisce(false, FL_Tab, 0));
    // The release of a held key is kept for the game; pressed again, the key is the box's.
    EXPECT_FALSE(m.agisce(false, FL_Right, FL_SHIFT));
    EXPECT_TRUE(m.agisce(true, FL_Right, 0));
    EXPECT_TRUE(m.agisce(false, FL_Right, 0));
    EXPECT_FALSE(m.agisce(true, FL_Escape, 0));
    ASSERT_EQ(m.rilasci().size(), 1u);
    EXPECT_EQ(m.rilasci()[0].tasto, FL_Right);
    EXPECT_EQ(m.rilasci()[0].stato, FL_SHIFT);
    EXPECT_FALSE(m.agisce(false, FL_Escape, 0));
    ASSERT_EQ(m.rilasci().size(), 2u);
    EXPECT_EQ(m.rilasci()[1].tasto, FL_Escape);
    EXPECT_TRUE(m.agisce(true, FL_Escape, 0));
}

TEST(TastiMessaggio, WithNoKeyHeldEveryKeyActs) {
    TastiMessaggio m;
    EXPECT_TRUE(m.agisce(true, FL_Right, 0));
    EXPECT_TRUE(m.agisce(false, FL_Right, 0));
    EXPECT_TRUE(m.agisce(true, FL_Enter, 0));
    EXPECT_TRUE(m.rilasci().empty());
}

TEST(TastieraGioco, KnowsTheKeysWhosePressTheGameHadAndNotTheRelease) {
    Registratore r;
    TraduttoreIngresso t(r, false);
    t.tasto(true, FL_Right, "", 0, 0.0);
    t.tasto(true, FL_Right, "", 0, 0.5);  // a repeat
    t.tasto(true, 'm', "m", 0, 0.6);
    t.tasto(true, FL_Shift_L, "", 0, 0.7);
    t.tasto(false, 'm', "m", 0, 0.8);
    EXPECT_EQ(t.tasti_tenuti(), (std::vector<int>{FL_Right, FL_Shift_L}));
    t.tasto(false, FL_Right, "", FL_SHIFT, 0.9);
    t.tasto(false, FL_Shift_L, "", FL_SHIFT, 1.0);
    EXPECT_TRUE(t.tasti_tenuti().empty());
}

TEST(TastieraGioco, FallbackHoldsAKeyWhoseReleaseMayBeTheAutorepeats) {
    Registratore r;
    TraduttoreIngresso t(r, true);
    t.tasto(true, FL_Right, "", 0, 0.0);
    t.tasto(false, FL_Right, "", 0, 0.5);
    // A box opening now must not take the press that may follow for a new one.
    EXPECT_EQ(t.tasti_tenuti(), (std::vector<int>{FL_Right}));
    t.scadenza(0.7);
    EXPECT_TRUE(t.tasti_tenuti().empty());
}

TEST(TastieraGioco, ReleasesKeptByABoxReachTheGameAfterItInTheirOrder) {
    Registratore r;
    TraduttoreIngresso t(r, false);
    t.tasto(true, FL_Right, "", 0, 0.0);
    t.tasto(true, FL_Shift_L, "", 0, 0.1);
    t.rilasci_dopo_messaggio({{FL_Shift_L, FL_SHIFT}, {FL_Right, 0}});
    EXPECT_TRUE(t.rilasci_in_attesa());
    // A second box opening before they are delivered finds those keys let go.
    EXPECT_TRUE(t.tasti_tenuti().empty());
    EXPECT_EQ(r.v, (V{"KeyDown 39 0", "KeyDown 16 1"}));
    t.consegna_rilasci();
    EXPECT_EQ(r.v, (V{"KeyDown 39 0", "KeyDown 16 1", "KeyUp 16 0", "KeyUp 39 0"}));
    EXPECT_FALSE(t.rilasci_in_attesa());
    t.consegna_rilasci();
    EXPECT_EQ(r.v.size(), 4u);
}

TEST(TastieraGioco, ReleasesKeptByABoxGoBeforeTheNextEventAndAfterHeldOnes) {
    Registratore r;
    TraduttoreIngresso t(r, true);
    t.tasto(true, FL_Up, "", 0, 0.0);
    t.tasto(true, FL_Right, "", 0, 0.1);
    t.tasto(false, FL_Up, "", 0, 0.2);  // held back by the fallback when the box opened
    t.rilasci_dopo_messaggio({{FL_Right, 0}});
    t.tasto(true, 'a', "a", 0, 0.25);
    EXPECT_EQ(r.v, (V{"KeyDown 38 0", "KeyDown 39 0", "KeyUp 38 0", "KeyUp 39 0", "KeyDown 65 0",
                      "KeyPress 97"}));
    Registratore r2;
    TraduttoreIngresso t2(r2, false);
    t2.tasto(true, FL_Right, "", 0, 0.0);
    t2.rilasci_dopo_messaggio({{FL_Right, 0}});
    t2.premi(FL_LEFT_MOUSE, 0, 10, 20, 0.5);
    EXPECT_EQ(r2.v, (V{"KeyDown 39 0", "KeyUp 39 0", "MouseDown 1 0 10 20"}));
}

}  // namespace
}  // namespace didiv
