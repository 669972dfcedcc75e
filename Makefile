# Set-up and everyday commands. `make run` and `make test` install what they need first.
BUILD ?= build
TEST_BUILD ?= build-test
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps run test bench bench-windows soak fuzz clean windows windows-deps test-windows dist format format-check tidy

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

# The native Windows program, cross-built: libjpeg-turbo from Debian's source package,
# the generators for this machine, then Tinto.exe with mingw-w64.
WIN_BUILD ?= build-windows
WIN_PREFIX = $(abspath $(WIN_BUILD))/prefix-i686
WIN_CMAKE = cmake -S . -B $(WIN_BUILD)/cross -G Ninja -DCMAKE_BUILD_TYPE=Release \
	-DCMAKE_TOOLCHAIN_FILE=$(abspath cmake/mingw-w64-i686.cmake) \
	-DTINTO_HOST_TOOLS=$(abspath $(WIN_BUILD))/host \
	-DJPEG_INCLUDE_DIR=$(WIN_PREFIX)/include -DJPEG_LIBRARY=$(WIN_PREFIX)/lib/libjpeg.a

windows-deps:
	@bash scripts/install-deps.sh windows

windows: windows-deps
	bash scripts/cross-libjpeg.sh $(WIN_BUILD)/libjpeg $(WIN_PREFIX)
	cmake -S . -B $(WIN_BUILD)/host -G Ninja -DCMAKE_BUILD_TYPE=Release -DTINTO_HOST_TOOLS_ONLY=ON
	cmake --build $(WIN_BUILD)/host -j $(JOBS)
	$(WIN_CMAKE) -DTINTO_TESTS=OFF
	cmake --build $(WIN_BUILD)/cross -j $(JOBS) --target tinto
	cp $(WIN_BUILD)/cross/Tinto.exe $(WIN_BUILD)/Tinto.exe
	@echo "Built $(WIN_BUILD)/Tinto.exe"

test-windows: windows
	@bash scripts/install-deps.sh windows-test
	$(WIN_CMAKE) -DTINTO_TESTS=ON
	cmake --build $(WIN_BUILD)/cross -j $(JOBS)
	cd $(WIN_BUILD)/cross && ctest --output-on-failure -j $(JOBS)

# Tinto.exe under Wine against the plainest Win32 program with the same window and timers
# (bench/windows/reference_window.cpp), on one virtual display and in the Wine prefix of
# the Windows tests: start-up, idle CPU and wake-ups, playback (see bench/windows/wine_bench.sh).
bench-windows: windows
	@bash scripts/install-deps.sh windows-test
	$(WIN_CMAKE) -DTINTO_TESTS=OFF -DTINTO_BENCH=ON
	cmake --build $(WIN_BUILD)/cross -j $(JOBS) --target tinto reference_window
	bash bench/windows/wine_bench.sh $(WIN_BUILD)

# The downloads: dist/QuiroEDIT-<version>-windows.zip (Tinto.exe of `make windows`),
# dist/quiro-edit-<version>-linux-x86_64.tar.gz (a release build in build-dist), each with
# the player's readmes and the licence, and dist/SHA256SUMS (see scripts/dist.sh).
dist: deps windows
	bash scripts/dist.sh $(WIN_BUILD)/Tinto.exe $(JOBS)

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

# Formatting by the project's .clang-format: `make format` applies it, `make format-check`
# (also a test of `make test`) fails on any file that drifts.
format:
	bash scripts/format-check.sh --fix

format-check:
	bash scripts/format-check.sh

# clang-tidy (the root .clang-tidy) over the program's sources, on the test build's
# compile_commands.json: fails on any finding.
tidy: deps
	cmake -S . -B $(TEST_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTINTO_SANITIZE=ON -DTINTO_TESTS=ON $(CMAKE_FLAGS)
	cmake --build $(TEST_BUILD) -j $(JOBS)
	bash scripts/tidy.sh $(TEST_BUILD)

clean:
	rm -rf $(BUILD) $(TEST_BUILD) build-bench build-fuzz build-fuzz-memory $(WIN_BUILD) build-dist dist
