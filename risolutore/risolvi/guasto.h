#pragma once

#include <string>

// "FILE: what went wrong", from errno, for a file that could not be read or
// written.
std::string Guasto(const std::string& percorso);
