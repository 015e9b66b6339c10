# Quick start on a fresh Debian 12 machine:
#   make run    install what is missing, build, stage, start the program
#   make test   the same set-up, then the whole test suite
BUILD ?= build
STAGE := $(BUILD)/stage
JOBS ?= $(shell nproc)
# A compiler cache, where one is installed, makes rebuilds of other checkouts cheap.
LAUNCHER := $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

.PHONY: all deps configure build run test bench translations clean package

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

# Optional: the Debian package build/larkspan_<version>_amd64.deb, checked by
# lintian. `apt-get install ./build/larkspan_*.deb` installs it.
package: build
	rm -f $(BUILD)/larkspan_*.deb
	cd $(BUILD) && cpack -G DEB
	lintian --fail-on error $(BUILD)/larkspan_*.deb

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
	rm -rf $(BUILD)

# Refreshes the screenshots in docs/screenshots: the main window in each
# state, English and Chinese, rendered offscreen from the staged program.
.PHONY: screenshots
screenshots: configure
	cmake --build $(BUILD) -j $(JOBS) --target screenshots_refresh
