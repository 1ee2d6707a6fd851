#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

enum class TCertificazione { Scritta, Troppe, Vinta, Guasto };

// Writes the certificate of deal `seme`, which the solver called unwinnable,
// as `cartella`/K.svct. Troppe: more than `limite` positions; Vinta: a win
// lies within reach after all; Guasto: the file could not be written (`errore`).
TCertificazione Certifica(const std::string& cartella, std::uint64_t seme, std::size_t limite,
                          std::string& errore);
