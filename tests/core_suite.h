#pragma once

// Each part of the engine's tests runs as its own Qt Test class; the one
// executable runs them all and fails when any of them fails.
int EseguiTestBase(int argc, char** argv);
int EseguiTestRegole(int argc, char** argv);
int EseguiTestDistribuzione(int argc, char** argv);
int EseguiTestGesti(int argc, char** argv);
int EseguiTestPartiteCasuali(int argc, char** argv);

#include <QTest>

#include <string>

using namespace std::string_literals;

// The toolkit speaks std::string; failed comparisons show its text.
namespace QTest {
template <> inline char* toString(const std::string& testo) {
    return qstrdup(testo.c_str());
}
} // namespace QTest
