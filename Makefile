# Two commands do all set-up on a fresh Debian 12 machine:
#   make run    install what is missing, build, start VeltrannCalc on the shipped data
#   make test   install what is missing, build, start a CUPS server, run every test headless

BUILD      ?= build
ASAN_BUILD ?= build-asan
COV_BUILD  ?= build-cov
JOBS       ?= $(shell nproc)
SUDO       := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)

PACKAGES := g++ make cmake ninja-build pkg-config \
            qt6-base-dev qt6-base-dev-tools qt6-base-private-dev qt6-svg-dev libgl-dev \
            cups cups-client cups-bsd printer-driver-cups-pdf ghostscript \
            poppler-utils xvfb xauth fonts-dejavu-core fonts-liberation2
# Qt's own texts of the standard dialogs in the program's languages
PACKAGES += qt6-translations-l10n
# clang with libFuzzer for the INI reader's fuzz target
PACKAGES += clang libclang-rt-14-dev

.PHONY: all deps build build-asan run test bench fuzz coverage clean

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; \
	done); \
	if [ -n "$$missing" ]; then \
	    echo "Installing: $$missing"; \
	    $(SUDO) apt-get update -qq && \
	    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

$(ASAN_BUILD)/build.ninja:
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVC_SANITIZE=ON -DVC_BUILD_GUI=OFF -DVC_BUILD_BENCH=OFF

build-asan: deps $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/VeltrannCalc

test: build build-asan
	scripts/run-tests.sh $(BUILD) $(ASAN_BUILD)

bench: build
	scripts/run-bench.sh $(BUILD)
	scripts/compare-pages.sh $(BUILD)

# Both fuzz targets for longer than the test run gives them (FUZZ_SECONDS each).
FUZZ_SECONDS ?= 600
fuzz: deps
	scripts/fuzz-ini.sh $(BUILD)-fuzz $(FUZZ_SECONDS)
	scripts/fuzz-rtf.sh $(BUILD)-fuzz $(FUZZ_SECONDS)

# Line coverage of src/ and app/ by the whole test suite, measured with gcovr (PER_TEST=1: per test too).
$(COV_BUILD)/build.ninja:
	cmake -S . -B $(COV_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVC_COVERAGE=ON -DVC_BUILD_BENCH=OFF

coverage: PACKAGES += gcovr
coverage: deps $(COV_BUILD)/build.ninja
	cmake --build $(COV_BUILD) -j $(JOBS)
	PER_TEST=$(PER_TEST) scripts/coverage.sh $(COV_BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(COV_BUILD)
	rm -rf $(BUILD)-fuzz
