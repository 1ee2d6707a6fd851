// The fuzzer's entry: the bytes are a deal and a sequence of gestures.
#include "tlettorebyte.h"
#include "tpartitaguidata.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t quanti) {
    TLettoreByte lettore(dati, quanti);
    TPartitaGuidata partita(lettore);
    partita.Gioca();
    return 0;
}
