#pragma once

#include <cstdint>

struct TIntervallo {
    double basso = 0;
    double alto = 0;
};

// The Wilson score interval of a share of `successi` out of `prove`, at the
// confidence that the normal quantile `z` gives (1.96: 95 %).
TIntervallo IntervalloWilson(std::uint64_t successi, std::uint64_t prove,
                             double z = 1.959963984540054);
