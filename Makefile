# Each target installs what it needs, so a fresh checkout needs nothing else.
BUILD ?= build
JOBS ?= $(shell nproc)
# ON (as CI sets it) makes every compiler warning an error.
VARNE_WERROR ?= OFF

.PHONY: all deps configure build run test bench assets fuzz soak format format-check clean \
	windows test-windows

all: build

deps:
	@scripts/install-deps.sh

# Ninja builds quietly; a folder configured with another generator is made afresh.
configure: deps
	@if [ -f $(BUILD)/CMakeCache.txt ] && ! grep -q '^CMAKE_GENERATOR:INTERNAL=Ninja$$' $(BUILD)/CMakeCache.txt; then rm -rf $(BUILD); fi
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DVARNE_WERROR=$(VARNE_WERROR) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# Only what the demo needs, then the demo.
run: configure
	@cmake --build $(BUILD) -j $(JOBS) --target 3d-varne
	$(BUILD)/3d-varne

test: build
	scripts/with-display.sh ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

bench: build
	scripts/bench.sh $(BUILD)

assets: build
	scripts/assets.sh $(BUILD)

# Every file reader under libFuzzer for FUZZ_SECONDS each (build folder build-fuzz).
FUZZ_SECONDS ?= 60
fuzz: deps
	scripts/fuzz.sh $(FUZZ_SECONDS)

# The real scene for SOAK_FRAMES scripted frames: memory flat, transforms finite. Not in CI.
SOAK_FRAMES ?= 20000
soak: build
	scripts/soak.sh $(BUILD) $(SOAK_FRAMES)

# Formats every C++ file as .clang-format says; format-check only lists those that are not.
format: deps
	@scripts/check-format.sh --fix

format-check: deps
	@scripts/check-format.sh

# Windows: cross-built with MinGW-w64 over libraries built from Debian's sources
# (cached outside the tree), packed as dist/3d-varne-windows.zip, tested under Wine.
WIN_BUILD ?= build-win
WIN_ZIP ?= dist/3d-varne-windows.zip

windows:
	@scripts/install-deps.sh windows
	@JOBS=$(JOBS) scripts/windows/build-deps.sh
	@[ -f $(WIN_BUILD)/CMakeCache.txt ] || cmake -S . -B $(WIN_BUILD) -G Ninja \
		-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(WIN_BUILD) -j $(JOBS) --target 3d-varne
	@scripts/windows/package.sh $(WIN_BUILD) $(WIN_ZIP)

# The Linux demo runs too: the Windows start-up log is checked against its own.
test-windows: windows configure
	@cmake --build $(WIN_BUILD) -j $(JOBS) --target unit_tests
	@cmake --build $(BUILD) -j $(JOBS) --target 3d-varne
	scripts/windows/test.sh $(WIN_BUILD) $(WIN_ZIP) $(BUILD)/3d-varne

clean:
	rm -rf $(BUILD) $(WIN_BUILD) dist
