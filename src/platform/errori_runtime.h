#pragma once
// Run-time errors as the game's original platform numbered them. Every failure the game
// can meet (a missing file, a bad picture, an overflow, an empty sound slot) is one of
// these; the trapping procedures report them and go on.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace didiv {

enum CodiceErrore : int32_t {
    ERR_CHIAMATA_NON_VALIDA = 5,
    ERR_OVERFLOW = 6,
    ERR_INDICE = 9,
    ERR_FILE_NON_TROVATO = 53,
    ERR_PERIFERICA_NON_DISPONIBILE = 68,
    ERR_OGGETTO_NON_IMPOSTATO = 91,
    ERR_FORMATO_FILE = 321,
    ERR_COMPONENTE = 429,
    ERR_IMMAGINE_NON_VALIDA = 481,
};

// The platform's Italian description of an error number.
std::string descrizione_errore(int32_t numero);

class ErroreRuntime : public std::runtime_error {
public:
    ErroreRuntime(int32_t numero, std::string descrizione);
    explicit ErroreRuntime(int32_t numero);

    int32_t numero() const { return numero_; }
    const std::string& descrizione() const { return descrizione_; }

private:
    int32_t numero_;
    std::string descrizione_;
};

[[noreturn]] void solleva(int32_t numero);

}  // namespace didiv
