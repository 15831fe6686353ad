#pragma once
// What the game core needs from the desktop: the clock, random numbers, pending events,
// message boxes, the pointer, the program's directory and ending the process. The real
// program implements it with FLTK; tests with a scripted, recording fake.

#include <string>

namespace didiv {

// Message box styles and answers, numbered as the game's original toolkit numbered them.
enum StileMsg : int {
    vbOKOnly = 0,
    vbRetryCancel = 5,
    vbYesNo = 4,
    vbCritical = 16,
    vbDefaultButton2 = 256,
};
enum RispostaMsg : int { vbOK = 1, vbCancel = 2, vbRetry = 4, vbYes = 6, vbNo = 7 };

// Seconds from `inizio` to `adesso`, two readings of Timer(). That clock starts again at
// midnight, so a negative difference is a span that crossed it.
inline float secondi_da(float inizio, float adesso) {
    float d = adesso - inizio;
    if (d < 0) d += 86400.0f;
    return d;
}

// Thrown by a platform whose End() must return control to a test instead of exiting.
struct FineProcesso {};

class Piattaforma {
public:
    virtual ~Piattaforma() = default;

    // Seconds since local midnight, single precision.
    virtual float Timer() = 0;
    // Uniform in [0, 1), the same sequence at every run.
    virtual float Rnd() = 0;
    // Lets pending input, paint and timer events run now.
    virtual void DoEvents() = 0;
    // Modal; an empty title shows the program's title. Answers one of RispostaMsg.
    virtual int MsgBox(const std::string& testo, int stile, const std::string& titolo) = 0;
    // One step up or down of the pointer's show count.
    virtual void ShowCursor(bool mostra) = 0;
    // Ends the process at once: nothing more runs.
    [[noreturn]] virtual void End() = 0;
    // The directory of the program, and the change of current directory.
    virtual std::string AppPath() = 0;
    virtual void ChDir(const std::string& percorso) = 0;
    // Shows the game window (not modal); it stays up until the process ends.
    virtual void MostraFinestraGioco() = 0;
};

}  // namespace didiv
