# Two commands set everything up on a fresh Debian 12 or 13 machine:
#   make run   installs what is missing, builds and starts the game
#   make test  installs what is missing, builds and runs every test
# The trees are CMake's presets (CMakePresets.json): plain in build/,
# sanitize in build-asan/, fuzz in build-fuzz/.
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test test-plain check build-sanitize test-sanitize build-fuzz fuzz bench install package clean format

all: build

# Once per make invocation, before any branch runs beside another: apt runs
# one at a time. The makes that `test` starts are told it is done.
deps:
ifndef DIPENDENZE_PRONTE
	@bash tools/install-deps.sh
endif

# A tree left by a generator other than the presets' Ninja, or made from
# other sources (the fuzz tree was once a project of its own), is set up
# again rather than refused.
NUOVO_ALBERO = { grep -qsx 'CMAKE_GENERATOR:INTERNAL=Ninja' $(1)/CMakeCache.txt && \
	grep -qsx 'CMAKE_HOME_DIRECTORY:INTERNAL=$(CURDIR)' $(1)/CMakeCache.txt; } || \
	rm -rf $(1)/CMakeCache.txt $(1)/CMakeFiles

configure: deps
	@$(call NUOVO_ALBERO,build)
	@cmake --preset plain >/dev/null

build: configure
	@cmake --build --preset plain -j $(JOBS)

# Only the game and its pictures: no tests, no benchmarks.
run: configure
	@cmake --build --preset plain -j $(JOBS) --target solvintra
	./build/solvintra

# The plain suite, the engine under the fuzzer, then the whole suite again
# under the address and undefined-behaviour sanitizers. CI reads the closing
# ctest summary, so the sanitized run comes last.
#
# The sanitized and fuzz trees are built from the start, beside the plain
# build and then the plain suite, at the lowest priority: they take only the
# processor time those leave (the plain build's steps that wait on one
# another, the plain suite's waits on X servers and child processes), so the
# plain build and suite run as they would alone.
test: deps
	@$(MAKE) --no-print-directory -j3 check build-sanitize build-fuzz BUILD_ASIDE=1 DIPENDENZE_PRONTE=1
	@$(MAKE) --no-print-directory fuzz DIPENDENZE_PRONTE=1
	@$(MAKE) --no-print-directory test-sanitize DIPENDENZE_PRONTE=1

# ctest orders each suite by the times it recorded in the tree's own
# Testing/Temporary/CTestCostData.txt; a fresh tree by the costs that the
# long tests carry in tests/CMakeLists.txt.
test-plain:
	ctest --preset plain -j $(JOBS)

# The quick inner loop: rebuild what changed and run the plain suite, without
# the set-up check, the fuzzer or the sanitized build.
check:
	@test -f build/build.ninja || $(MAKE) --no-print-directory configure
	@cmake --build --preset plain -j $(JOBS)
	@$(MAKE) --no-print-directory test-plain

# Builds the preset $(1) into the tree $(2); beside other work (BUILD_ASIDE)
# at the lowest priority, its output kept in $(2)/build.log and shown if it
# fails.
ifdef BUILD_ASIDE
COSTRUISCI = nice -n 19 cmake --build --preset $(1) -j $(JOBS) >$(2)/build.log 2>&1 || \
	{ cat $(2)/build.log; exit 1; }
else
COSTRUISCI = cmake --build --preset $(1) -j $(JOBS)
endif

# Only what the sanitized suite runs: no benchmarks.
build-sanitize: deps
	@$(call NUOVO_ALBERO,build-asan)
	@cmake --preset sanitize >/dev/null
	@$(call COSTRUISCI,sanitize,build-asan)

# Any report fails its test, leaks included (the test preset's environment);
# the one leak of a system library that the tests can meet is suppressed by
# name in tests/lsan.supp.
test-sanitize: build-sanitize
	ctest --preset sanitize -j $(JOBS)

FUZZ_SECONDS ?= 60

# libFuzzer on the engine, the settings file and the pictures, side by side; a
# crash input lands in that target's regressioni/ and is replayed by every
# later run.
build-fuzz: deps
	@$(call NUOVO_ALBERO,build-fuzz)
	@cmake --preset fuzz -DSOLVINTRA_FUZZ_SECONDI=$(FUZZ_SECONDS) >/dev/null
	@$(call COSTRUISCI,fuzz,build-fuzz)

fuzz: build-fuzz
	ctest --preset fuzz -j $(JOBS)

# The figures of docs/performance.md: the engine, one drag move, start-up.
bench: configure
	@cmake --build --preset plain -j $(JOBS) --target bench_core bench_trascinamento misura_avvio
	./build/bench/bench_core
	for s in 1 2; do QT_SCALE_FACTOR=$$s ./build/bench/trascinamento/bench_trascinamento; done
	xvfb-run -a -s "-screen 0 2048x1600x24 -noreset" env QT_QPA_PLATFORM=xcb sh -c \
		'for s in 1 2; do QT_SCALE_FACTOR=$$s ./build/bench/trascinamento/bench_trascinamento; done'
	./build/bench/avvio/misura_avvio

PREFIX ?= /usr/local

# The game with its pictures, the command, its manual page, the menu entry,
# the icons and the metainfo under $(PREFIX) (make install PREFIX=~/.local for
# one user); DESTDIR stages them. The command goes to $(PREFIX)/games under
# /usr and /usr/local, whose games folders are on Debian's PATH, and to
# $(PREFIX)/bin under any other prefix.
install: build
	cmake --install build --prefix $(PREFIX)

# The Debian package, written into build/; the packaging test also has
# lintian check it.
package: build
	cpack --preset package

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
