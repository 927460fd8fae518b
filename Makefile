# Each target installs what it needs, so a fresh checkout needs nothing else.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps build run test bench assets clean

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

clean:
	rm -rf $(BUILD)
