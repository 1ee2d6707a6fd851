#pragma once

// Each part of the engine's tests runs as its own Qt Test class; the one
// executable runs them all and fails when any of them fails.
int EseguiTestBase(int argc, char** argv);
int EseguiTestRegole(int argc, char** argv);
int EseguiTestDistribuzione(int argc, char** argv);
int EseguiTestGesti(int argc, char** argv);
int EseguiTestPartiteCasuali(int argc, char** argv);
