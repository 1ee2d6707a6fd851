#include "tcsv.h"

#include "tstampa.h"

const char* TCsv::Intestazione(bool soluzioni) {
    return soluzioni ? "partita,esito,posizioni,tentativi,passi,secondi,processore,soluzione"
                     : "partita,esito,posizioni,tentativi,passi,secondi,processore";
}

void TCsv::Scrivi(std::FILE* file, const TRiga& riga, bool cieco, bool soluzioni) {
    std::fprintf(file, "%llu,%s,%llu,%d,%u,%.6f,%.6f%s%s\n",
                 static_cast<unsigned long long>(riga.seme), TStampa::NomeEsito(riga.esito, cieco),
                 static_cast<unsigned long long>(riga.posizioni), riga.tentativi, riga.passi,
                 riga.secondi, riga.processore, soluzioni ? "," : "",
                 soluzioni ? riga.soluzione.c_str() : "");
}
