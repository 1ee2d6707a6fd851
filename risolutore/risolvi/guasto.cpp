#include "guasto.h"

#include <cerrno>
#include <cstring>

std::string Guasto(const std::string& percorso) {
    return percorso + ": " + std::strerror(errno);
}
