// solvintra-verifica: checks the certificates solvintra-risolvi writes for
// the deals it calls unwinnable, with nothing but the game's own rules.
#include "tverificatore.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr int ErroreArgomenti = 2;

const char* const Aiuto = R"(Uso: solvintra-verifica [OPZIONE]... FILE...
Controlla i certificati che solvintra-risolvi --certificati scrive per le
partite impossibili, con le sole regole del gioco: rifà dalla distribuzione
ogni posizione del certificato, controlla che nessuna sia vinta e che ogni
mossa da ciascuna porti a un'altra posizione del certificato. Per ogni file
scrive una riga: la partita e le posizioni; per un certificato sbagliato, la
partita, la posizione, il controllo mancato e il tavolo.

  -h, --help               mostra questo aiuto ed esce
  -V, --version            mostra la versione ed esce

Stato di uscita: 0 se ogni certificato è giusto, 1 se uno è sbagliato, 2 per
un errore negli argomenti o un file che non si legge.
)";

std::string Descrivi(const TErroreCertificato& errore) {
    std::string testo;
    if (errore.seme) {
        testo += "partita " + std::to_string(*errore.seme) + ", ";
    }
    if (errore.numero) {
        testo += "posizione " + std::to_string(*errore.numero) + ", ";
    }
    testo += errore.what();
    if (errore.posizione) {
        testo += "\n" + errore.posizione->Tavolo();
    }
    return testo;
}

// 0: proved; 1: a check failed; 2: the file cannot be read.
int Controlla(const char* percorso) {
    std::ifstream file(percorso, std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "solvintra-verifica: %s: %s\n", percorso, std::strerror(errno));
        return ErroreArgomenti;
    }
    const std::vector<std::uint8_t> byte{std::istreambuf_iterator<char>(file),
                                         std::istreambuf_iterator<char>()};
    try {
        const TVerificatore::TEsito esito = TVerificatore::Verifica(byte);
        std::printf("%s: partita %llu impossibile, %llu posizioni verificate\n", percorso,
                    static_cast<unsigned long long>(esito.seme),
                    static_cast<unsigned long long>(esito.posizioni));
        return 0;
    } catch (const TErroreCertificato& errore) {
        std::fprintf(stderr, "solvintra-verifica: %s: %s\n", percorso, Descrivi(errore).c_str());
        return EXIT_FAILURE;
    }
}

} // namespace

int main(int argc, char** argv) {
    std::vector<const char*> file;
    for (int i = 1; i < argc; ++i) {
        const std::string argomento = argv[i];
        if (argomento == "-h" || argomento == "--help") {
            std::fputs(Aiuto, stdout);
            return 0;
        }
        if (argomento == "-V" || argomento == "--version") {
            std::printf("solvintra-verifica %s\n", SOLVINTRA_VERSIONE);
            return 0;
        }
        if (argomento.size() > 1 && argomento[0] == '-') {
            std::fprintf(stderr, "solvintra-verifica: opzione sconosciuta: '%s'\n", argv[i]);
            return ErroreArgomenti;
        }
        file.push_back(argv[i]);
    }
    if (file.empty()) {
        std::fprintf(stderr, "solvintra-verifica: manca il certificato da controllare\n");
        return ErroreArgomenti;
    }
    int stato = 0;
    for (const char* percorso : file) {
        stato = std::max(stato, Controlla(percorso));
    }
    return stato;
}
