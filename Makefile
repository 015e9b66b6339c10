# Quick start on a fresh Debian 12 machine:
#   make run    install what is missing, build, stage, start the program
#   make test   the same set-up, then the whole test suite
BUILD ?= build
STAGE := $(BUILD)/stage
JOBS ?= $(shell nproc)
# A compiler cache, where one is installed, makes rebuilds of other checkouts cheap.
LAUNCHER := $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Every date and time the build writes (the resources' file times, the
# change log, the metadata, the manual page) is the last commit's, so that
# the same commit always gives the same files.
SOURCE_DATE_EPOCH ?= $(shell git log -1 --format=%ct 2>/dev/null || stat -c %Y CMakeLists.txt)
export SOURCE_DATE_EPOCH

.PHONY: all deps configure build run test bench translations clean package package-check sanitizer-deps \
	fuzz sanitize

all: build

deps:
	@./deps/install-missing.sh

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(LAUNCHER)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(STAGE) && ./larkspan

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j 2

# Optional: the Debian package build/larkspan_<version>-<revision>_amd64.deb,
# checked by lintian. `apt-get install ./build/larkspan_*.deb` installs it.
package: build
	rm -f $(BUILD)/larkspan_*.deb
	cd $(BUILD) && cpack -G DEB
	lintian -I --pedantic --fail-on error,warning $(BUILD)/larkspan_*.deb

# Optional, and slow: builds the package twice from nothing in the same
# folder ($(REPRO_BUILD)/tree, without the tests and without the compiler
# cache, whose objects may come from other builds), and fails unless both
# packages are byte for byte the same.
REPRO_BUILD ?= build-repro
package-check: deps
	rm -rf $(REPRO_BUILD)
	for run in first second; do \
		rm -rf $(REPRO_BUILD)/tree && \
		cmake -S . -B $(REPRO_BUILD)/tree -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLARKSPAN_TESTS=OFF && \
		cmake --build $(REPRO_BUILD)/tree -j $(JOBS) && \
		(cd $(REPRO_BUILD)/tree && cpack -G DEB -B $(CURDIR)/$(REPRO_BUILD)/$$run) || exit 1; \
	done
	cmp $(REPRO_BUILD)/first/larkspan_*.deb $(REPRO_BUILD)/second/larkspan_*.deb
	@echo "Both builds gave the same package: $$(sha256sum $(REPRO_BUILD)/first/larkspan_*.deb)"

# Optional, and not part of `make test`: the instrumented builds, each in a
# folder of its own and built with clang, which they install when missing.
#   make fuzz       every fuzz target of fuzz/ under libFuzzer with the address
#                   and undefined-behaviour sanitizers, FUZZ_SECONDS each
#   make sanitize   the whole program and test suite with the address, leak
#                   and undefined-behaviour sanitizers, then the suite
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 300
SANITIZE_BUILD ?= build-sanitize
SANITIZERS := $(CURDIR)/tools/sanitizers
SANITIZER_ENV := ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1 \
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1:suppressions=$(SANITIZERS)/ubsan.supp \
	LSAN_OPTIONS=suppressions=$(SANITIZERS)/lsan.supp:print_suppressions=0

sanitizer-deps: deps
	@./deps/install-missing.sh deps/debian-packages-sanitize.txt

fuzz: sanitizer-deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
		-DLARKSPAN_FUZZERS=ON $(LAUNCHER)
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzzers
	./fuzz/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

sanitize: sanitizer-deps
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
		-DLARKSPAN_SANITIZE=ON $(LAUNCHER)
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && $(SANITIZER_ENV) QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j 2

# Every benchmark on the offscreen platform, then the device list once more in
# the program's own look.
bench: build
	@for b in $(BUILD)/bench/bench_*; do \
		if [ -f "$$b" ] && [ -x "$$b" ]; then QT_QPA_PLATFORM=offscreen "$$b" || exit 1; fi; \
	done
	@QT_QPA_PLATFORM=offscreen $(BUILD)/bench/bench_devicelist -look

# Refreshes the translation catalogues from the code and forms.
translations:
	./tools/update-translations.sh

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD) $(SANITIZE_BUILD) $(REPRO_BUILD)

# Refreshes the screenshots in docs/screenshots: the main window in each
# state, English and Chinese, rendered offscreen from the staged program.
.PHONY: screenshots
screenshots: configure
	cmake --build $(BUILD) -j $(JOBS) --target screenshots_refresh
