# The project's commands; README.md says which to use.
BUILD ?= build
JOBS ?= $(shell nproc)
SECONDS ?= 60

.PHONY: all deps configure run test bench fuzz artwork install clean

all: configure
	cmake --build $(BUILD) -j $(JOBS)

deps:
	@tools/install-deps.sh

configure:
	@test -f $(BUILD)/build.ninja || cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release

run: deps all
	./$(BUILD)/chatmock

# Builds the plain and the sanitized suites and runs every one through ctest.
test: deps configure
	cmake --build $(BUILD) -j $(JOBS) --target all chatmock_tests chatmock_sanitized
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: deps configure
	cmake --build $(BUILD) -j $(JOBS) --target chatmock chatmock_benchmarks
	bench/run-benchmarks.sh $(BUILD)

fuzz: deps
	tests/fuzz/run-fuzz.sh $(SECONDS)

artwork: deps configure
	cmake --build $(BUILD) --target chatmock-artwork
	./$(BUILD)/chatmock-artwork assets

install: all
	cmake --install $(BUILD)

clean:
	rm -rf $(BUILD) build-fuzz
