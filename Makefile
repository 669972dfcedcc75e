# Set-up and everyday commands. `make run` and `make test` install what they need first.
BUILD ?= build
TEST_BUILD ?= build-test
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps run test bench fuzz clean

all: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTINTO_TESTS=OFF $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

deps:
	@bash scripts/install-deps.sh

run: all
	bash scripts/run-demo.sh $(BUILD)

test: deps
	cmake -S . -B $(TEST_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTINTO_SANITIZE=ON -DTINTO_TESTS=ON $(CMAKE_FLAGS)
	cmake --build $(TEST_BUILD) -j $(JOBS)
	cd $(TEST_BUILD) && ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTINTO_TESTS=OFF -DTINTO_BENCH=ON
	cmake --build build-bench -j $(JOBS)
	bash bench/run.sh build-bench

# Each fuzz target runs FUZZ_SECONDS on its corpus (fuzz/corpus/<target>); new inputs go to
# build-fuzz/corpus, findings to build-fuzz/findings (see fuzz/run.sh). FUZZ_TARGETS picks
# some of them.
FUZZ_SECONDS ?= 180
FUZZ_TARGETS ?= $(notdir $(wildcard fuzz/corpus/*))
fuzz:
	@bash scripts/install-deps.sh fuzz
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTINTO_TESTS=OFF -DTINTO_FUZZ=ON
	cmake --build build-fuzz -j $(JOBS) --target tinto-fuzz
	CC=clang CXX=clang++ cmake -S . -B build-fuzz-memory -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTINTO_TESTS=OFF -DTINTO_FUZZ=ON -DTINTO_FUZZ_ASAN=OFF
	cmake --build build-fuzz-memory -j $(JOBS) --target tinto-fuzz
	bash fuzz/run.sh build-fuzz build-fuzz-memory $(FUZZ_SECONDS) $(FUZZ_TARGETS)

clean:
	rm -rf $(BUILD) $(TEST_BUILD) build-bench build-fuzz build-fuzz-memory
