# Set-up and everyday commands. `make run` and `make test` install what they need first.
BUILD ?= build
TEST_BUILD ?= build-test
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps run test bench clean

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

clean:
	rm -rf $(BUILD) $(TEST_BUILD) build-bench
