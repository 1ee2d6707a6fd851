// The fuzzer's entry for the certificates' checker: the bytes are a
// certificate. It must answer, at once, that the certificate holds or which
// check failed; a crash, a read past the bytes or an allocation the bytes
// cannot back is a fault.
#include "tverificatore.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* byte, std::size_t quanti) {
    try {
        TVerificatore::Verifica({byte, quanti});
    } catch (const TErroreCertificato&) {
    }
    return 0;
}
