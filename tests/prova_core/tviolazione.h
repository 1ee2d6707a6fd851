#pragma once

#include <stdexcept>

// A broken rule of the game, named in words. The toolkit's checks throw it;
// the random-games test reports it with its game, the fuzzer's entry stops on
// it so that the input that led here is kept.
class TViolazione : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline void Pretendi(bool condizione, const char* regola) {
    if (!condizione) {
        throw TViolazione(regola);
    }
}
