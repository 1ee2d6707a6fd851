#include "certifica.h"

#include "guasto.h"
#include "tcertificato.h"

#include <cstdio>

TCertificazione Certifica(const std::string& cartella, std::uint64_t seme, std::size_t limite,
                          std::string& errore) {
    const TCertificato::TProva prova = TCertificato::Scrivi(seme, limite);
    if (prova.fine != TCertificato::TFine::Chiuso) {
        return prova.fine == TCertificato::TFine::Vinta ? TCertificazione::Vinta
                                                        : TCertificazione::Troppe;
    }
    const std::vector<std::uint8_t>& byte = prova.byte;
    const std::string percorso = cartella + "/" + std::to_string(seme) + ".svct";
    std::FILE* file = std::fopen(percorso.c_str(), "wb");
    const bool scritto =
        file != nullptr && std::fwrite(byte.data(), 1, byte.size(), file) == byte.size();
    if (file == nullptr || std::fclose(file) != 0 || !scritto) {
        errore = Guasto(percorso);
        return TCertificazione::Guasto;
    }
    return TCertificazione::Scritta;
}
