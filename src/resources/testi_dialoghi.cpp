// The texts of the start dialog and its help windows, word for word as the player reads
// them: odd spellings and doubled blanks included.

#include "resources/testi_dialoghi.h"

#include <stdexcept>
#include <string>

namespace didiv::dialoghi {

namespace {

constexpr Controllo kInizio[] = {
    {"OKButton", -1, TipoControllo::pulsante, {5040, 3600, 855, 375}, "Gioca", kGrassetto},
    {"CancelButton", -1, TipoControllo::pulsante, {4080, 4080, 1815, 375}, "Riepilogo comandi", kPredefinito},
    {"Command1", -1, TipoControllo::pulsante, {4080, 4560, 1815, 375}, "Soluzione completa", kPredefinito},
    {"Command2", -1, TipoControllo::pulsante, {4080, 3600, 855, 375}, "Esci", kPredefinito},
    {"Label1", -1, TipoControllo::etichetta, {120, 240, 5775, 2175}, {}, kGrassettoGrande},
    {"Frame1", -1, TipoControllo::cornice, {120, 3480, 3735, 1455}, "Impostazioni", kGrassetto},
    {"Label2", -1, TipoControllo::etichetta, {120, 2520, 5775, 855}, {}, kGrassetto},
    {"Option1", 0, TipoControllo::opzione, {240, 360, 3255, 255}, "Didiv libero (senza limiti di tempo)", kGrassetto},
    // The list sits over the blanks of this caption.
    {"Option1", 1, TipoControllo::opzione, {240, 840, 2895, 255}, "Gioca per               secondi", kGrassetto},
    {"Combo1", -1, TipoControllo::elenco, {1440, 800, 735, 315}, {}, kGrassetto},
};

constexpr std::string_view kVociCombo1[] = {"30",  "60",  "90",  "120", "180", "240", "300",
                                            "400", "500", "600", "700", "800", "900"};

constexpr RigaComandi kComandi[] = {
    {120, 0, "CAMMINA AVANTI", 0, "FRECCIA DESTRA O MOUSE", 3135},
    {480, 1, "CAMMINA INDIETRO", 1, "FRECCIA SINISTRA O MOUSE", 3255},
    {840, 2, "SALE SUGLI SCAFFALI", 2, "FRECCIA SU O MOUSE", 3135},
    {1200, 3, "SCENDE DAGLI SCAFFALI", 3, "FRECCIA GIU’ O MOUSE", 3135},
    {1560, 4, "SALTA", 4, "MAIUSC + FRECCE O MOUSE", 3135},
    {1920, 5, "CERCA I LIBRI", 5, "PASSARE MOUSE SUGLI SCAFFALI", 3975},
    {2280, 6, "APRE I LIBRI", 6, "CLIC CON IL MOUSE SU LIBIRI ATTIVI", 4095},
    {2640, 7, "USA GLI OGGETTI", 7, "PUNTARE CON MOUSE L’OGGETTO,", 4095},
    {2880, -1, {}, 8, "PREMERE IL PULSANTE, TRASCINARE", 4335},
    {3120, -1, {}, 9, "L’OGGETTO SU AREA GIOCO, RILASCIARE", 4575},
    {3360, -1, {}, 10, "IL PULSANTE", 4575},
    {3720, 8, "ATT./DISATT. MUSICA", 11, "Tasto 'M'", 3975},
};

}  // namespace

std::span<const Controllo> controlli_inizio() { return kInizio; }

const Controllo& controllo_inizio(std::string_view nome, int indice) {
    for (const Controllo& c : kInizio)
        if (c.nome == nome && c.indice == indice) return c;
    throw std::out_of_range(std::string(nome));
}

std::span<const std::string_view> voci_combo1() { return kVociCombo1; }

std::span<const RigaComandi> righe_comandi() { return kComandi; }

const std::string_view kTestoLabel1Inizio =
    "Il gioco contenuto nelle versioni 4.0 e 5.0 di Fiorlo era un classico labirinto ad "
    "ostacoli ispirato ai giochi in stile \"Arcade\", di moda quando uscirono i primi PC. Nel "
    "programma il gioco era collegato al numero di letture completate ed ai risultati "
    "ottenuti dai bambini: più e meglio si leggeva, più tempo si aveva a disposizione per "
    "giocare. Il gioco non aveva grandi pretese e si proponeva solo di aumentare la "
    "motivazione all'uso del programma da parte dei piccoli lettori. ";

const std::string_view kTestoLabel2Inizio =
    "La versione qui riprodotta permette di giocare liberamente, oppure di impostare un "
    "tempo massimo dopo il quale, se non sarà stata raggiunta la fine del percorso, sarà "
    "necessario ricomincialo dall'inizio.";

const std::string_view kTestoSoluzione =
    "Dalla prima libreria prendere la mosca. Salire le scale a pioli della seconda libreria, "
    "prendere l'ombrello e il vaso. Arrivati in cima, recuperare la mosca dalla barra degli "
    "oggetti e darla al ragno che la inseguirà e lascerà il passaggio libero. All'inizio "
    "della discesa dei gradini di pietra, recuperare l'ombrello e darlo al professore: lo "
    "userà come paracadute per frenare la discesa nel vano sotterraneo dopo il crollo del "
    "passaggio. Nella libreria del vano sotterraneo prendere il seme, la forchetta e la "
    "nuvola. Mettere il vaso alla base del cunicolo verticale, mettere il seme nel vaso, la "
    "nuvola sul vaso e infine la forchetta nel vaso: scoppierà un temporale che innaffiando "
    "il vaso farà crescere la pianta di fagioli magici. Usare la pianta come scala per "
    "uscire dal cunicolo e proseguire a destra fino al pozzo verticale. Saltare dall'altro "
    "lato (Maiusc+ freccia a destra) e nella libreria al centro tra i due pozzi prendere il "
    "libro della giungla. Saltare anche il secondo pozzo verticale e nella libreria seguente "
    "prendere il flauto  e la corda. Poi tornare indietro e lasciarsi cadere nel pozzo "
    "verticale. Aprire il libro che si trova sul  fondo e prendere il costume da Tarzan. "
    "Mettere la corda sul fondo del pozzo ed dare il flauto al professore che lo userà per "
    "incantarla. Risalire utilizzando la corda come scala. Proseguire fino al baratro "
    "successivo senza salire sulla libreria. Giunti quasi sull'orlo, prendere il libro della "
    "giungla e metterlo vicino al baratro: si aprirà magicamente un paesaggio che mostra una "
    "foresta. Prendere il costume da Tarzan e darlo al professore...Il gioco è terminato. ";

std::size_t caratteri_utf8(std::string_view s) {
    std::size_t n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

}  // namespace didiv::dialoghi
