# Two commands set everything up on a fresh Debian 12 machine:
#   make run   installs what is missing, builds and starts the game
#   make test  installs what is missing, builds and runs every test
BUILD ?= build
JOBS  ?= $(shell nproc)

.PHONY: all deps configure build run test test-plain check build-sanitize test-sanitize build-fuzz fuzz bench install package clean format

all: build

deps:
	@bash tools/install-deps.sh

# Every tree is built with Ninja; a tree left by another generator is set up
# again rather than refused.
CONFIGURE = cmake -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
NUOVO_GENERATORE = grep -qsx 'CMAKE_GENERATOR:INTERNAL=Ninja' $(1)/CMakeCache.txt || \
	rm -rf $(1)/CMakeCache.txt $(1)/CMakeFiles

configure: deps
	@$(call NUOVO_GENERATORE,$(BUILD))
	@$(CONFIGURE) -S . -B $(BUILD) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# Only the game and its pictures: no tests, no benchmarks.
run: configure
	@cmake --build $(BUILD) -j $(JOBS) --target solvintra
	./$(BUILD)/solvintra

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
	@$(MAKE) --no-print-directory -j3 check build-sanitize build-fuzz BUILD_ASIDE=1
	@$(MAKE) --no-print-directory fuzz
	@$(MAKE) --no-print-directory test-sanitize

test-plain:
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The quick inner loop: rebuild what changed and run the plain suite, without
# the set-up check, the fuzzer or the sanitized build.
check:
	@test -f $(BUILD)/build.ninja || $(MAKE) --no-print-directory configure
	@cmake --build $(BUILD) -j $(JOBS)
	@$(MAKE) --no-print-directory test-plain

ASAN ?= build-asan
# Any report fails its test, leaks included; the one leak of a system library
# that the tests can meet is suppressed by name in tests/lsan.supp.
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1:strict_init_order=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

# Builds the tree $(1); beside other work (BUILD_ASIDE) at the lowest
# priority, its output kept in $(1)/build.log and shown if it fails.
ifdef BUILD_ASIDE
COSTRUISCI = nice -n 19 cmake --build $(1) -j $(JOBS) >$(1)/build.log 2>&1 || \
	{ cat $(1)/build.log; exit 1; }
else
COSTRUISCI = cmake --build $(1) -j $(JOBS)
endif

# Only what the sanitized suite runs: no benchmarks.
build-sanitize: deps
	@$(call NUOVO_GENERATORE,$(ASAN))
	@$(CONFIGURE) -S . -B $(ASAN) -DSOLVINTRA_SANITIZE=ON -DSOLVINTRA_BENCH=OFF >/dev/null
	@$(call COSTRUISCI,$(ASAN))

test-sanitize: build-sanitize
	cd $(ASAN) && $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS)

FUZZ ?= build-fuzz
FUZZ_SECONDS ?= 60

# libFuzzer on the engine, the settings file and the pictures, side by side; a
# crash input lands in that target's regressioni/ and is replayed by every
# later run.
build-fuzz: deps
	@$(call NUOVO_GENERATORE,$(FUZZ))
	@cmake -G Ninja -S fuzz -B $(FUZZ) -DCMAKE_CXX_COMPILER=clang++ \
		-DSOLVINTRA_FUZZ_SECONDI=$(FUZZ_SECONDS) >/dev/null
	@$(call COSTRUISCI,$(FUZZ))

fuzz: build-fuzz
	cd $(FUZZ) && ctest --output-on-failure -j $(JOBS)

# The figures of docs/performance.md: the engine, one drag move, start-up.
bench: deps
	@$(call NUOVO_GENERATORE,$(BUILD))
	@$(CONFIGURE) -S . -B $(BUILD) -DSOLVINTRA_BENCH=ON >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target bench_core bench_trascinamento misura_avvio
	./$(BUILD)/bench/bench_core
	for s in 1 2; do QT_SCALE_FACTOR=$$s ./$(BUILD)/bench/trascinamento/bench_trascinamento; done
	xvfb-run -a -s "-screen 0 2048x1600x24 -noreset" env QT_QPA_PLATFORM=xcb sh -c \
		'for s in 1 2; do QT_SCALE_FACTOR=$$s ./$(BUILD)/bench/trascinamento/bench_trascinamento; done'
	./$(BUILD)/bench/avvio/misura_avvio

PREFIX ?= /usr/local

# The game with its pictures, the command, its manual page, the menu entry,
# the icons and the metainfo under $(PREFIX) (make install PREFIX=~/.local for
# one user); DESTDIR stages them. The command goes to $(PREFIX)/games under
# /usr and /usr/local, whose games folders are on Debian's PATH, and to
# $(PREFIX)/bin under any other prefix.
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package, written into $(BUILD)/; the packaging test also has
# lintian check it.
package: build
	cmake --build $(BUILD) --target package

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
