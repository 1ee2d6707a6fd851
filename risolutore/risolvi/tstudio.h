#pragma once

#include "tcieco.h"
#include "trisolutore.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

// What the study keeps of one deal.
struct TRiga {
    std::uint64_t seme = 0;
    TEsito esito = TEsito::Ignota;
    std::uint64_t posizioni = 0;
    int tentativi = 0;
    std::uint32_t passi = 0; // steps of the win, turns included
    double secondi = 0;
    double processore = 0; // seconds of its thread on a processor
    std::string soluzione; // TSequenza, when asked for
};

// Many deals on several threads: each thread takes the next seed, solves it
// (or plays it as TCieco, who cannot see the face-down cards), has the game
// replay a win, and hands back its row. Knows seeds, threads and figures, not the
// game.
class TStudio {
public:
    TStudio(std::uint64_t primo, std::uint64_t ultimo, unsigned fili, TLimiti limiti,
            bool soluzioni = false);
    ~TStudio();
    TStudio(const TStudio&) = delete;
    TStudio& operator=(const TStudio&) = delete;

    // Before Avvia: play as TCieco with this method, leave out the seeds
    // already done, and hand each row over as soon as it is decided.
    void Cieco(TMetodo metodo);
    void Salta(std::set<std::uint64_t> fatte);
    void SuRiga(std::function<void(const TRiga&)> consegna);
    // Before Avvia: write a certificate of at most `limite` positions for
    // each unwinnable deal into `cartella`.
    void Certifica(std::string cartella, std::size_t limite) {
        certificati = std::move(cartella);
        limiteCertificato = limite;
    }

    void Avvia();
    // Asks the threads to stop; a deal being solved is dropped, not counted.
    void Ferma() { fermo = true; }
    void Attendi();
    bool Finito() const { return attivi == 0; }

    std::uint64_t Totale() const { return ultimo - primo + 1 - saltate; }
    std::uint64_t Decise() const { return decise; }
    // Wins the game itself would not replay: any is a fault of the solver.
    std::uint64_t Smentite() const { return smentite; }
    // The unwinnable deals by their certificate: written, too large to write,
    // won after all (a fault of the solver), and the first file not written.
    std::uint64_t Certificate() const { return certificate; }
    std::uint64_t Troppe() const { return troppe; }
    std::uint64_t Contraddette() const { return contraddette; }
    std::string GuastoCertificati();
    // The rows decided so far, by seed.
    std::vector<TRiga> Righe();

private:
    void Lavora();
    void CertificaUna(std::uint64_t seme);

    const std::uint64_t primo;
    const std::uint64_t ultimo;
    const unsigned numeroFili;
    const TLimiti limiti;
    const bool soluzioni;
    bool cieco = false;
    TMetodo metodo;
    std::set<std::uint64_t> salta;
    std::uint64_t saltate = 0;
    std::function<void(const TRiga&)> consegna;
    std::atomic<std::uint64_t> prossimo;
    std::atomic<std::uint64_t> decise{0};
    std::atomic<std::uint64_t> smentite{0};
    std::string certificati;
    std::size_t limiteCertificato = 0;
    std::atomic<std::uint64_t> certificate{0};
    std::atomic<std::uint64_t> troppe{0};
    std::atomic<std::uint64_t> contraddette{0};
    std::string guasto; // under `guardia`
    std::atomic<unsigned> attivi{0};
    std::atomic<bool> fermo{false};
    std::mutex guardia;
    std::vector<TRiga> righe;
    std::vector<std::thread> fili;
};
