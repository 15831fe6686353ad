// The game window on a private virtual display: the frame timer's rhythm, no tick while a
// message box waits, and the answers our message box gives to the keyboard.

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "game/modulo.h"
#include "desktop/finestra/avvio_gioco.h"
#include "desktop/finestra/finestre_chiuse.h"
#include "desktop/finestra/piattaforma_fltk.h"
#include "platform/piattaforma_finta.h"

// After the test framework: the X headers define names it uses.
#include <FL/x.H>

namespace didiv {
namespace {

double adesso() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

// A display of our own, so no window ever opens on the developer's screen.
void avvia_xvfb() {
    int tubo[2];
    ASSERT_EQ(pipe(tubo), 0);
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        close(tubo[0]);
        const std::string fd = std::to_string(tubo[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten",
               "tcp", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(tubo[1]);
    // The server writes the number and the newline apart; closing the pipe before the
    // newline has come would end the server.
    std::string numero;
    while (numero.find('\n') == std::string::npos) {
        pollfd p{tubo[0], POLLIN, 0};
        ASSERT_EQ(poll(&p, 1, 60000), 1) << "Xvfb gave no display number";
        char buf[16];
        const ssize_t n = read(tubo[0], buf, sizeof buf);
        ASSERT_GT(n, 0) << "Xvfb did not start (is it installed?)";
        numero.append(buf, static_cast<size_t>(n));
    }
    close(tubo[0]);
    const std::string schermo = std::string(":").append(numero, 0, numero.find('\n'));
    setenv("DISPLAY", schermo.c_str(), 1);
}

// The desktop, with the clock readings watched: each tick reads the clock once.
class PiattaformaSonda : public PiattaformaFltk {
public:
    std::vector<double> letture;
    size_t ritardo_alla = 0;  // the reading during which the tick runs late, 0 for none

    float Timer() override {
        letture.push_back(adesso());
        if (ritardo_alla != 0 && letture.size() == ritardo_alla)
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
        return PiattaformaFltk::Timer();
    }
};

struct Ambiente {
    Registro registro;
    PiattaformaSonda piattaforma;
    AudioFinto audio{registro};
    ModuloTres modulo{piattaforma, audio};
};

Ambiente& ambiente() {
    static Ambiente* a = [] {
        avvia_xvfb();
        auto* n = new Ambiente;
        n->modulo.tempo_limite = 30000;
        avvia_gioco(n->modulo);
        return n;
    }();
    return *a;
}

// Runs the event loop until the condition holds; false if it never does within a minute,
// far longer than any loaded machine needs.
template <class Condizione>
bool attendi(Condizione pronta) {
    const double fine = adesso() + 60;
    while (!pronta()) {
        if (adesso() > fine) return false;
        Fl::wait(0.01);
    }
    return true;
}

// A key event as the toolkit would deliver it to the window.
void tasto_a(Fl_Window* w, int evento, int tasto) {
    if (!w) return;
    static char vuoto[] = "";
    Fl::e_keysym = tasto;
    Fl::e_text = vuoto;
    Fl::e_length = 0;
    Fl::e_state = 0;
    Fl::handle(evento, w);
}

struct TastoNelMessaggio {
    int evento;
    int tasto;
};

// Types the keys one by one, one per turn of the box's event loop, once the box is up and
// has been up for `tenuta` seconds.
struct Tasti {
    std::vector<TastoNelMessaggio> eventi;
    double tenuta = 0;
    size_t i = 0;
    double su = 0;  // when the box was first seen up
    static void cb(void* d) {
        auto* t = static_cast<Tasti*>(d);
        if (t->i >= t->eventi.size()) return;
        if (Fl::modal()) {
            if (t->su == 0) t->su = adesso();
            if (adesso() - t->su >= t->tenuta) {
                const TastoNelMessaggio e = t->eventi[t->i++];
                tasto_a(Fl::modal(), e.evento, e.tasto);
            }
        }
        Fl::repeat_timeout(0.01, cb, d);
    }
};

int chiedi_eventi(int stile, std::vector<TastoNelMessaggio> eventi, double tenuta = 0) {
    Tasti t{std::move(eventi), tenuta};
    Fl::add_timeout(0.01, Tasti::cb, &t);
    const int r = ambiente().piattaforma.MsgBox("Una prova.", stile, "Prova");
    Fl::remove_timeout(Tasti::cb, &t);
    return r;
}

int chiedi(int stile, const std::vector<int>& tasti, double tenuta = 0) {
    std::vector<TastoNelMessaggio> eventi;
    for (int k : tasti) eventi.push_back({FL_KEYDOWN, k});
    return chiedi_eventi(stile, std::move(eventi), tenuta);
}

TEST(FinestraGioco, TicksComeOneIntervalAfterTheEndOfTheLastOneEvenAfterALateOne) {
    auto& a = ambiente();
    a.piattaforma.letture.clear();
    a.piattaforma.ritardo_alla = 5;
    const auto& l = a.piattaforma.letture;
    attendi([&] { return l.size() >= 12; });
    a.piattaforma.ritardo_alla = 0;
    ASSERT_GE(l.size(), 10u) << "the frame timer does not run";
    for (size_t i = 1; i < l.size(); ++i) {
        // 60 ms after the end of the previous tick, never a catch-up burst.
        EXPECT_GE(l[i] - l[i - 1], 0.058) << "ticks " << i - 1 << " and " << i;
    }
    EXPECT_GE(l[5] - l[4], 0.258) << "the tick after a late one came early";
}

TEST(FinestraGioco, NoTickWhileOurMessageBoxWaitsAndTicksGoOnAfterIt) {
    auto& a = ambiente();
    a.piattaforma.letture.clear();
    ASSERT_TRUE(attendi([&] { return !a.piattaforma.letture.empty(); })) << "the frame timer does not run";
    a.piattaforma.letture.clear();
    const double t0 = adesso();
    EXPECT_EQ(chiedi(vbRetryCancel + vbCritical, {FL_Escape}, 0.4), vbCancel);
    EXPECT_GE(adesso() - t0, 0.35);
    EXPECT_TRUE(a.piattaforma.letture.empty()) << a.piattaforma.letture.size() << " ticks ran";
    // A loaded machine may be slow to deliver them, but they must come.
    EXPECT_TRUE(attendi([&] { return a.piattaforma.letture.size() >= 2; })) << "ticks did not resume";
}

TEST(FinestraGioco, MessageBoxAnswersReturnEscapeAndTab) {
    ambiente();
    EXPECT_EQ(chiedi(vbRetryCancel + vbCritical, {FL_Enter}), vbRetry);
    EXPECT_EQ(chiedi(vbRetryCancel + vbCritical, {FL_Tab, FL_Enter}), vbCancel);
    EXPECT_EQ(chiedi(vbYesNo + vbDefaultButton2, {FL_Enter}), vbNo);
    EXPECT_EQ(chiedi(vbYesNo + vbDefaultButton2, {FL_Escape}), vbNo);
    EXPECT_EQ(chiedi(vbYesNo, {FL_Enter}), vbYes);
    EXPECT_EQ(chiedi(vbOKOnly, {FL_Escape}), vbOK);
}

TEST(FinestraGioco, AKeyHeldWhenTheBoxOpensActsNotOnItAndItsReleaseReachesTheGame) {
    auto& a = ambiente();
    const auto passo = a.audio.buffer.at("step.wav");
    Fl_Window* gioco = Fl::first_window();
    ASSERT_NE(gioco, nullptr);
    Fl::focus(gioco);
    tasto_a(gioco, FL_KEYDOWN, FL_Right);
    ASSERT_EQ(passo->stato, 5) << "Right did not start the walk";
    // Three repeats of Right would take the focus to "Annulla"; the release comes while the
    // box is open; Return then presses the default button.
    EXPECT_EQ(chiedi_eventi(vbRetryCancel + vbCritical,
                            {{FL_KEYDOWN, FL_Right}, {FL_KEYDOWN, FL_Right}, {FL_KEYDOWN, FL_Right},
                             {FL_KEYUP, FL_Right}, {FL_KEYDOWN, FL_Enter}}),
              vbRetry);
    EXPECT_EQ(passo->stato, 0) << "the game did not get the release: he walks on";
    // The key is the box's again once let go: a new press there acts.
    tasto_a(gioco, FL_KEYDOWN, FL_Right);
    ASSERT_EQ(passo->stato, 5);
    EXPECT_EQ(chiedi_eventi(vbRetryCancel + vbCritical,
                            {{FL_KEYUP, FL_Right}, {FL_KEYDOWN, FL_Right}, {FL_KEYDOWN, FL_Enter}}),
              vbCancel);
    EXPECT_EQ(passo->stato, 0);
}

// Everything the server has to say so far, handled.
void smaltisci_eventi() {
    XSync(fl_display, False);
    Fl::check();
}

TEST(FinestraGioco, TheEndOfOurOwnWindowIsKeptFromTheToolkitAndAForeignOnesIsNot) {
    ambiente();
    struct Prova : Fl_Window {
        bool disegnata = false;
        Prova() : Fl_Window(10, 10, 60, 40, "prova") { end(); }
        void draw() override {
            Fl_Window::draw();
            disegnata = true;
        }
    } w;
    w.show();
    ASSERT_TRUE(attendi([&] { return w.disegnata; })) << "the window was never drawn";
    const int prima = fini_ignorate();
    w.hide();
    smaltisci_eventi();
    EXPECT_EQ(fini_ignorate(), prima + 1);

    // A window someone else made (an input method server's) still reaches the toolkit.
    const Window altra = XCreateSimpleWindow(fl_display, RootWindow(fl_display, fl_screen), 0, 0, 8, 8, 0, 0, 0);
    XSelectInput(fl_display, altra, StructureNotifyMask);
    XMapWindow(fl_display, altra);
    smaltisci_eventi();
    XDestroyWindow(fl_display, altra);
    smaltisci_eventi();
    EXPECT_EQ(fini_ignorate(), prima + 1);
}

}  // namespace
}  // namespace didiv
