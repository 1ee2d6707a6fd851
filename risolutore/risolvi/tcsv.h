#pragma once

#include "tstudio.h"

#include <cstdio>

// The CSV of a study, one deal a line: the same columns for the solver's rows
// and the blind player's, which differ only in the name of a loss.
class TCsv {
public:
    static const char* Intestazione(bool soluzioni);
    static void Scrivi(std::FILE* file, const TRiga& riga, bool cieco, bool soluzioni);
};
