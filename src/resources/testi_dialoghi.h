#pragma once
// The built-in layouts and texts of the start dialog and its two help windows. Positions
// and sizes are kept in twips, as the layouts were drawn; the screen has 15 twips a pixel.

#include <cstdint>
#include <span>
#include <string_view>

namespace didiv::dialoghi {

constexpr int kTwipPerPixel = 15;
constexpr int px(int twip) { return twip / kTwipPerPixel; }

// Font sizes in points become pixels at 96 dots per inch.
constexpr int px_punti(double punti) { return static_cast<int>(punti * 4.0 / 3.0 + 0.5); }

struct Posizione {
    int left, top, width, height;  // twips
};

struct Dimensione {
    int width, height;  // twips
};

struct Carattere {
    double punti;
    bool grassetto;
};
constexpr Carattere kPredefinito{8.25, false};
constexpr Carattere kGrassetto{8.25, true};
constexpr Carattere kGrassettoGrande{9.75, true};

// ---- Inizio ------------------------------------------------------------------------------
constexpr std::string_view kTitoloInizio = "Didiv di Fiorlo (versioni 4.0 e 5.0)";
constexpr Dimensione kClientInizio{6030, 5145};

enum class TipoControllo { pulsante, etichetta, cornice, opzione, elenco };

struct Controllo {
    std::string_view nome;
    int indice;  // member of a control array, -1 for a single control
    TipoControllo tipo;
    Posizione pos;  // inside Frame1 for the option buttons and the list
    std::string_view testo;
    Carattere carattere;
};

// In tab order.
std::span<const Controllo> controlli_inizio();
const Controllo& controllo_inizio(std::string_view nome, int indice = -1);

std::span<const std::string_view> voci_combo1();
constexpr uint32_t kColoreCombo1 = 0x0000FF;  // 0x00RRGGBB

extern const std::string_view kTestoLabel1Inizio;
extern const std::string_view kTestoLabel2Inizio;

// ---- Comandi -----------------------------------------------------------------------------
constexpr std::string_view kTitoloComandi = "Riepilogo dei comandi di gioco";
constexpr Dimensione kClientComandi{7770, 4725};

constexpr int kSinistraAzioni = 120;
constexpr int kLarghezzaAzioni = 2775;
constexpr int kSinistraTasti = 3120;
constexpr int kAltezzaRighe = 255;
constexpr uint32_t kColoreTasti = 0x0000C0;  // dark blue
constexpr Carattere kCarattereComandi = kGrassettoGrande;

struct RigaComandi {
    int top;
    int azione;  // member of Label1, -1 where the row only goes on with the keys
    std::string_view testo_azione;
    int tasti;   // member of Label2
    std::string_view testo_tasti;
    int larghezza_tasti;
};
std::span<const RigaComandi> righe_comandi();

constexpr Posizione kOKComandi{6360, 4200, 1215, 375};
constexpr std::string_view kTestoOKComandi = "OK";

// ---- Soluzione ---------------------------------------------------------------------------
constexpr std::string_view kTitoloSoluzione = "Soluzione completa";
constexpr Dimensione kClientSoluzione{6030, 2835};
constexpr Posizione kText1Soluzione{240, 240, 5535, 1935};
constexpr Carattere kCarattereText1 = kGrassettoGrande;
constexpr Posizione kOKSoluzione{4560, 2280, 1215, 375};
constexpr std::string_view kTestoOKSoluzione = "Chiudi";

// The caption of the hidden store from which the text box is filled.
extern const std::string_view kTestoSoluzione;

// Characters, not bytes, of a UTF-8 text.
std::size_t caratteri_utf8(std::string_view s);

}  // namespace didiv::dialoghi
