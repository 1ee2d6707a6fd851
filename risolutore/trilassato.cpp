#include "trilassato.h"

#include <algorithm>
#include <bit>

namespace {

constexpr int Dieci = TStato::ValoriPerSeme;
constexpr int CampiPerParola = 5;
constexpr int BitCampo = 12;
constexpr int BitCarta = 6;
constexpr std::uint64_t Vincente = std::uint64_t{1} << 63;
// Where each card's field lies in the key: its word, and its place there.
constexpr auto Parola = [] {
    std::array<std::uint8_t, TStato::Carte> parola{};
    for (int carta = 0; carta < TStato::Carte; ++carta) {
        parola[static_cast<std::size_t>(carta)] = static_cast<std::uint8_t>(carta / CampiPerParola);
    }
    return parola;
}();
constexpr auto Spostamento = [] {
    std::array<std::uint8_t, TStato::Carte> spostamento{};
    for (int carta = 0; carta < TStato::Carte; ++carta) {
        spostamento[static_cast<std::size_t>(carta)] =
            static_cast<std::uint8_t>(carta % CampiPerParola * BitCampo);
    }
    return spostamento;
}();

std::size_t Dispersione(const std::array<std::uint64_t, 8>& chiave) {
    std::uint64_t h = 0;
    for (const std::uint64_t parola : chiave) {
        h = (h ^ parola) * 0x9e3779b97f4a7c15ull;
        h ^= h >> 31;
    }
    return static_cast<std::size_t>(h);
}

} // namespace

void TRilassato::Svuota() {
    note = 0;
    if (esiti.size() > PostiTenuti) {
        esiti.assign(PostiIniziali, TChiaveRilassata{});
        timbri.assign(PostiIniziali, 0);
    }
    if (++timbro == 0) { // after 2^32 deals the old stamps could come back
        std::fill(timbri.begin(), timbri.end(), 0);
        timbro = 1;
    }
}

std::size_t TRilassato::Posto(const TChiaveRilassata& chiave) const {
    const std::size_t maschera = esiti.size() - 1;
    for (std::size_t i = Dispersione(chiave) & maschera;; i = (i + 1) & maschera) {
        const TChiaveRilassata& posto = esiti[i];
        if (timbri[i] != timbro ||
            ((posto[0] & ~Vincente) == chiave[0] &&
             std::equal(posto.begin() + 1, posto.end(), chiave.begin() + 1))) {
            return i;
        }
    }
}

void TRilassato::Annota(std::size_t posto, const TChiaveRilassata& chiave, bool vinta) {
    esiti[posto] = chiave;
    esiti[posto][0] |= vinta ? Vincente : 0;
    timbri[posto] = timbro;
    if (2 * ++note > esiti.size()) {
        Ingrandisci();
    }
}

void TRilassato::Ingrandisci() {
    std::vector<TChiaveRilassata> vecchi(2 * esiti.size());
    std::vector<std::uint32_t> vecchiTimbri(vecchi.size());
    vecchi.swap(esiti);
    vecchiTimbri.swap(timbri);
    for (std::size_t i = 0; i < vecchi.size(); ++i) {
        if (vecchiTimbri[i] == timbro) {
            TChiaveRilassata chiave = vecchi[i];
            chiave[0] &= ~Vincente;
            const std::size_t posto = Posto(chiave);
            esiti[posto] = vecchi[i];
            timbri[posto] = timbro;
        }
    }
}

bool TRilassato::PuoNuocere(const TStato& stato, const TMossa& mossa) {
    if (mossa.scopri || TStato::Angolo(mossa.a)) {
        return false;
    }
    if (TStato::Angolo(mossa.da)) {
        return true; // a move back from a corner is no move of the relaxed game
    }
    if (stato.Cima(mossa.a) < 0) {
        return stato.Coperta(mossa.da) >= 0; // a ten: only leaving a face-down card is a choice
    }
    return stato.Base(mossa.a) == stato.Cima(mossa.a); // onto a lone card
}

bool TRilassato::Perduta(const TStato& stato) {
    TPosizioneRilassata tavolo;
    int i = 0;
    for (int p = 0; p < TStato::Pozzi; ++p) {
        if (TStato::Angolo(p)) {
            if (stato.Cima(p) >= 0) {
                const int valore = TStato::Valore(stato.Cima(p));
                tavolo.altezza[TStato::Seme(stato.Cima(p))] = static_cast<std::int8_t>(valore);
                tavolo.suiAngoli += valore;
            }
            continue;
        }
        tavolo.coperta[i] = static_cast<std::int8_t>(stato.Coperta(p));
        tavolo.base[i] = static_cast<std::int8_t>(stato.Base(p));
        if (stato.Cima(p) >= 0) {
            tavolo.Copri(i, stato.Cima(p));
        } else {
            tavolo.cima[i] = -1;
        }
        ++i;
    }
    passi = 0;
    return Vincibile(tavolo, (1u << PozziTavolo) - 1) == TVerdetto::Persa;
}

TRilassato::TVerdetto TRilassato::Vincibile(TPosizioneRilassata tavolo, std::uint32_t daVedere) {
    tavolo.GiocaForzate(daVedere);
    if (tavolo.suiAngoli == TStato::Carte) {
        return TVerdetto::Vinta;
    }
    const TChiaveRilassata chiave = tavolo.Chiave();
    if (const std::size_t posto = Posto(chiave); timbri[posto] == timbro) {
        return (esiti[posto][0] & Vincente) != 0 ? TVerdetto::Vinta : TVerdetto::Persa;
    }
    if (++passi > PassiMassimi) {
        return TVerdetto::Ignoto;
    }
    TVerdetto verdetto = TVerdetto::Persa;
    for (int i = 0; i < PozziTavolo && verdetto != TVerdetto::Vinta; ++i) {
        const int carta = tavolo.cima[i];
        const bool dieci = tavolo.DieciLiberabile(i);
        if (dieci || tavolo.Accodabile(i, true)) {
            TPosizioneRilassata scelta = tavolo; // copied only for a choice there is
            if (dieci) {
                scelta.LiberaDieci(i);
            } else {
                scelta.Accoda(i, true);
            }
            // Here every forced move has been made, so after this choice one
            // may be made only where it left: its own pile (a face-down card
            // bared), the pile it went to, and the pile of the card that may
            // now join it.
            std::uint32_t mosse = 1u << i | 1u << scelta.pozzoDi[carta];
            if (TStato::Valore(carta) > 1) {
                mosse |= 1u << scelta.pozzoDi[carta - 1];
            }
            const TVerdetto figlia = Vincibile(scelta, mosse);
            verdetto = figlia == TVerdetto::Vinta ? figlia : std::min(verdetto, figlia);
        }
    }
    if (verdetto != TVerdetto::Ignoto) {
        // Looked up again: the search below may have moved the table.
        Annota(Posto(chiave), chiave, verdetto == TVerdetto::Vinta);
    }
    return verdetto;
}

// Piles are looked at again only when a move may have unlocked them. The forced
// moves never take one another's chance away, so the order does not change
// where they lead.
void TRilassato::TPosizioneRilassata::GiocaForzate(std::uint32_t daVedere) {
    while (daVedere != 0) {
        const int i = std::countr_zero(daVedere);
        daVedere &= daVedere - 1;
        while (GiocaForzata(i, daVedere)) {
        }
    }
}

bool TRilassato::TPosizioneRilassata::GiocaForzata(int i, std::uint32_t& sbloccati) {
    const int carta = cima[i];
    if (carta < 0) {
        if (coperta[i] < 0) {
            return false;
        }
        base[i] = coperta[i];
        Copri(i, coperta[i]);
        coperta[i] = -1;
        return true;
    }
    // To a corner, the next card of the suit may follow; onto a run, the card below.
    if (MandaAdAngolo(i)) {
        if (TStato::Valore(carta) < Dieci) {
            sbloccati |= 1u << pozzoDi[carta + 1];
        }
        return true;
    }
    if (Accoda(i, false)) {
        if (TStato::Valore(carta) > 1) {
            sbloccati |= 1u << pozzoDi[carta - 1];
        }
        return true;
    }
    return false;
}

bool TRilassato::TPosizioneRilassata::MandaAdAngolo(int i) {
    const int carta = cima[i];
    const int seme = TStato::Seme(carta);
    if (TStato::Valore(carta) != altezza[seme] + 1) {
        return false;
    }
    ++altezza[seme];
    ++suiAngoli;
    if (base[i] == carta) {
        Libera(i);
    } else {
        Copri(i, carta + 1);
    }
    return true;
}

// A lone card onto the next higher card of its suit; onto a lone card only
// when asked, since that card then stays where it is.
bool TRilassato::TPosizioneRilassata::Accoda(int i, bool ancheSolitaria) {
    if (!Accodabile(i, ancheSolitaria)) {
        return false;
    }
    const int carta = cima[i];
    Copri(pozzoDi[carta + 1], carta);
    Libera(i);
    return true;
}

bool TRilassato::TPosizioneRilassata::Accodabile(int i, bool ancheSolitaria) const {
    const int carta = cima[i];
    if (carta < 0 || base[i] != carta || TStato::Valore(carta) == Dieci) {
        return false;
    }
    const int j = pozzoDi[carta + 1];
    return cima[j] == carta + 1 && (ancheSolitaria || base[j] != cima[j]);
}

void TRilassato::TPosizioneRilassata::Copri(int i, int carta) {
    cima[i] = static_cast<std::int8_t>(carta);
    pozzoDi[carta] = static_cast<std::int8_t>(i);
}

void TRilassato::TPosizioneRilassata::Libera(int i) {
    base[i] = cima[i] = -1;
}

void TRilassato::TPosizioneRilassata::LiberaDieci(int i) {
    const int dieci = cima[i];
    const int j = Vuoto();
    base[j] = static_cast<std::int8_t>(dieci);
    Copri(j, dieci);
    Libera(i);
}

bool TRilassato::TPosizioneRilassata::DieciLiberabile(int i) const {
    const int dieci = cima[i];
    return coperta[i] >= 0 && dieci >= 0 && base[i] == dieci && TStato::Valore(dieci) == Dieci &&
           Vuoto() >= 0;
}

int TRilassato::TPosizioneRilassata::Vuoto() const {
    for (int j = 0; j < PozziTavolo; ++j) {
        if (coperta[j] < 0 && cima[j] < 0) {
            return j;
        }
    }
    return -1;
}

TRilassato::TChiaveRilassata TRilassato::TPosizioneRilassata::Chiave() const {
    TChiaveRilassata chiave{};
    for (int i = 0; i < PozziTavolo; ++i) {
        if (cima[i] >= 0) {
            const std::uint64_t campo = std::uint64_t(cima[i] + 1) | std::uint64_t(coperta[i] + 1)
                                                                         << BitCarta;
            const auto b = static_cast<std::size_t>(base[i]);
            chiave[Parola[b]] |= campo << Spostamento[b];
        }
    }
    return chiave;
}
