# Each target installs what it needs, so a fresh checkout needs nothing else.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps build run test bench assets fuzz soak clean

all: build

deps:
	@scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
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

clean:
	rm -rf $(BUILD)
