# Set-up and everyday commands. `make run` and `make test` install what they need first.
BUILD ?= build
TEST_BUILD ?= build-test
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps run test bench soak clean

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

bench:
	@bash scripts/install-deps.sh bench
	cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTINTO_TESTS=OFF -DTINTO_BENCH=ON
	cmake --build build-bench -j $(JOBS)
	bash bench/run.sh build-bench

# The long soak: 24 hours of fake time of random input over every window, under the
# sanitizers (make test runs 20 minutes of it).
soak: deps
	cmake -S . -B $(TEST_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTINTO_SANITIZE=ON -DTINTO_TESTS=ON $(CMAKE_FLAGS)
	cmake --build $(TEST_BUILD) -j $(JOBS) --target tests_sim demo_game
	TINTO_SOAK_MINUTES=$${TINTO_SOAK_MINUTES:-1440} $(TEST_BUILD)/tests/tests_sim --gtest_filter='Soak.*'

clean:
	rm -rf $(BUILD) $(TEST_BUILD) build-bench
