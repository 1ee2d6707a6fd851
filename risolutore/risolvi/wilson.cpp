#include "wilson.h"

#include <algorithm>
#include <cmath>

TIntervallo IntervalloWilson(std::uint64_t successi, std::uint64_t prove, double z) {
    if (prove == 0) {
        return {0, 1};
    }
    const double n = static_cast<double>(prove);
    const double p = static_cast<double>(successi) / n;
    const double z2 = z * z;
    const double centro = (p + z2 / (2 * n)) / (1 + z2 / n);
    const double raggio = z / (1 + z2 / n) * std::sqrt(p * (1 - p) / n + z2 / (4 * n * n));
    return {std::max(0.0, centro - raggio), std::min(1.0, centro + raggio)};
}
