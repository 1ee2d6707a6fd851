#include "tstudio.h"

#include "certifica.h"
#include "tsequenza.h"
#include "tverifica.h"

#include <algorithm>
#include <chrono>
#include <ctime>

TStudio::TStudio(std::uint64_t primo, std::uint64_t ultimo, unsigned fili, TLimiti limiti,
                 bool soluzioni)
    : primo(primo), ultimo(ultimo), numeroFili(std::max(fili, 1u)), limiti(limiti),
      soluzioni(soluzioni), prossimo(primo) {}

TStudio::~TStudio() {
    Ferma();
    Attendi();
}

namespace {

double SecondiDelFilo() {
    timespec adesso{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &adesso);
    return static_cast<double>(adesso.tv_sec) + static_cast<double>(adesso.tv_nsec) * 1e-9;
}

} // namespace

void TStudio::Cieco(TMetodo scelto) {
    cieco = true;
    metodo = scelto;
}

void TStudio::Salta(std::set<std::uint64_t> fatte) {
    salta = std::move(fatte);
    saltate = static_cast<std::uint64_t>(
        std::distance(salta.lower_bound(primo), salta.upper_bound(ultimo)));
}

void TStudio::SuRiga(std::function<void(const TRiga&)> funzione) {
    consegna = std::move(funzione);
}

void TStudio::Avvia() {
    attivi = numeroFili;
    for (unsigned i = 0; i < numeroFili; ++i) {
        fili.emplace_back([this] { Lavora(); });
    }
}

void TStudio::Attendi() {
    for (std::thread& filo : fili) {
        filo.join();
    }
    fili.clear();
}

std::vector<TRiga> TStudio::Righe() {
    std::lock_guard blocco(guardia);
    std::vector<TRiga> copia = righe;
    std::sort(copia.begin(), copia.end(),
              [](const TRiga& x, const TRiga& y) { return x.seme < y.seme; });
    return copia;
}

void TStudio::Lavora() {
    TLimiti propri = limiti;
    propri.fermo = &fermo;
    TRisolutore risolutore(propri);
    TCieco giocatore(metodo, &fermo);
    while (!fermo) {
        const std::uint64_t seme = prossimo++;
        if (seme > ultimo || seme < primo) {
            break;
        }
        if (salta.contains(seme)) {
            continue;
        }
        const auto inizio = std::chrono::steady_clock::now();
        const double processore = SecondiDelFilo();
        const TStato stato = TStato::DaSeme(seme);
        const TRisposta risposta = cieco ? giocatore.Gioca(stato) : risolutore.Risolvi(stato);
        const std::chrono::duration<double> durata = std::chrono::steady_clock::now() - inizio;
        if (fermo) {
            break;
        }
        const TRiga riga{seme,
                         risposta.esito,
                         risposta.posizioni,
                         risposta.tentativi,
                         static_cast<std::uint32_t>(risposta.mosse.size()),
                         durata.count(),
                         SecondiDelFilo() - processore,
                         soluzioni ? TSequenza::Scrivi(risposta.mosse) : std::string()};
        {
            std::lock_guard blocco(guardia);
            righe.push_back(riga);
            if (consegna) {
                consegna(riga);
            }
        }
        if (risposta.esito == TEsito::Vinta && !RigiocaVinta(seme, risposta.mosse)) {
            ++smentite;
        }
        if (risposta.esito == TEsito::Impossibile && !certificati.empty()) {
            CertificaUna(seme);
        }
        ++decise;
    }
    --attivi;
}

void TStudio::CertificaUna(std::uint64_t seme) {
    std::string errore;
    switch (::Certifica(certificati, seme, limiteCertificato, errore)) {
    case TCertificazione::Scritta:
        ++certificate;
        break;
    case TCertificazione::Troppe:
        ++troppe;
        break;
    case TCertificazione::Vinta:
        ++contraddette;
        break;
    case TCertificazione::Guasto: {
        std::lock_guard blocco(guardia);
        if (guasto.empty()) {
            guasto = errore;
        }
        Ferma();
        break;
    }
    }
}

std::string TStudio::GuastoCertificati() {
    std::lock_guard blocco(guardia);
    return guasto;
}
