#include "platform/errori_runtime.h"

namespace didiv {

std::string descrizione_errore(int32_t numero) {
    switch (numero) {
    case ERR_CHIAMATA_NON_VALIDA: return "Chiamata di routine o argomento non validi";
    case ERR_OVERFLOW: return "Overflow";
    case ERR_INDICE: return "Indice non incluso nell'intervallo";
    case ERR_FILE_NON_TROVATO: return "Impossibile trovare il file";
    case ERR_PERIFERICA_NON_DISPONIBILE: return "Periferica non disponibile";
    case ERR_FORMATO_FILE: return "Formato di file non valido";
    case ERR_OGGETTO_NON_IMPOSTATO: return "Variabile oggetto o variabile del blocco With non impostata";
    case ERR_COMPONENTE: return "Il componente ActiveX non può creare l'oggetto";
    case ERR_IMMAGINE_NON_VALIDA: return "Immagine non valida";
    default: return "Errore definito dall'applicazione o dall'oggetto";
    }
}

ErroreRuntime::ErroreRuntime(int32_t numero, std::string descrizione)
    : std::runtime_error(descrizione), numero_(numero), descrizione_(std::move(descrizione)) {}

ErroreRuntime::ErroreRuntime(int32_t numero) : ErroreRuntime(numero, descrizione_errore(numero)) {}

void solleva(int32_t numero) { throw ErroreRuntime(numero); }

}  // namespace didiv
