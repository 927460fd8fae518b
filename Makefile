# Each target installs what it needs, so a fresh checkout needs nothing else.
BUILD ?= build
JOBS ?= $(shell nproc)
# ON (as CI sets it) makes every compiler warning an error.
VARNE_WERROR ?= OFF

.PHONY: all deps configure build run test bench assets fuzz soak format format-check clean \
	windows test-windows package test-package dist

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

# The Debian package dist/3d-varne_<version>_amd64.deb, built in a folder of its own with
# Debian's compiler and linker flags (hardening included); packaging/ has the rest.
DEB_BUILD ?= build-deb
VERSION := $(shell sed -n 's/^project.* VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
DEB := dist/3d-varne_$(VERSION)_amd64.deb
DEB_FLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get

package:
	@scripts/install-deps.sh package
	@[ -f $(DEB_BUILD)/CMakeCache.txt ] || cmake -S . -B $(DEB_BUILD) -G Ninja \
		-DCMAKE_BUILD_TYPE=Release -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
		-DCMAKE_CXX_FLAGS="$$($(DEB_FLAGS) CPPFLAGS) $$($(DEB_FLAGS) CXXFLAGS)" \
		-DCMAKE_EXE_LINKER_FLAGS="$$($(DEB_FLAGS) LDFLAGS)" >/dev/null
	@cmake --build $(DEB_BUILD) -j $(JOBS) --target 3d-varne package-docs
	@cd $(DEB_BUILD) && cpack >/dev/null
	@mkdir -p dist && mv $(DEB_BUILD)/$(notdir $(DEB)) $(DEB) && echo "Wrote $(DEB)"

# As root: installs the package, uses it as a fresh user would, and purges it again.
test-package: package
	scripts/test-package.sh $(DEB)

# The package, the Windows zip and the source tarball of the commit checked out.
dist: package windows
	@git archive --format=tar.gz --prefix=3d-varne-$(VERSION)/ -o dist/3d-varne-$(VERSION).tar.gz HEAD
	@echo "Wrote dist/3d-varne-$(VERSION).tar.gz"

clean:
	rm -rf $(BUILD) $(WIN_BUILD) $(DEB_BUILD) dist
