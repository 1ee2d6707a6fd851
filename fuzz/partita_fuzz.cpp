// The fuzzer's entry: the bytes are a deal and a sequence of gestures.
#include "tlettorebyte.h"
#include "tpartitaguidata.h"
#include "tviolazione.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t quanti) {
    TLettoreByte lettore(dati, quanti);
    TPartitaGuidata partita(lettore);
    try {
        partita.Gioca();
    } catch (const TViolazione& violazione) {
        // Say which rule broke and stop, so that the fuzzer keeps the input.
        std::fprintf(stderr, "invariant broken: %s\n", violazione.what());
        std::abort();
    }
    return 0;
}
