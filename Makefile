# make run / make test do the whole set-up on a fresh Debian machine:
# install the packages, configure, build, then run.
BUILD      ?= build
BUILD_ASAN ?= build-asan
BUILD_FUZZ ?= build-fuzz
BUILD_CLANG   ?= build-clang
BUILD_RELEASE ?= build-release
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=
CTEST_ARGS ?=

.PHONY: all setup build run test test-asan bench bench-synth fuzz check-format check-layers check-clang check-release clean

all: build

setup:
	@scripts/install-deps.sh

$(BUILD)/build.ninja: | setup
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLODEX_WERROR=ON $(CMAKE_ARGS)

build: setup $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@scripts/run-example.sh $(BUILD)/bin

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS) $(CTEST_ARGS)

$(BUILD_ASAN)/build.ninja: | setup
	cmake -S . -B $(BUILD_ASAN) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLODEX_SANITIZE=ON -DLODEX_BENCH=OFF -DLODEX_WERROR=ON $(CMAKE_ARGS)

test-asan: setup $(BUILD_ASAN)/build.ninja
	cmake --build $(BUILD_ASAN) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(BUILD_ASAN) --output-on-failure -j $(JOBS) $(CTEST_ARGS)

bench: build
	@for b in $(BUILD)/bin/bench_*; do echo "== $$b"; $$b --benchmark_counters_tabular=true; done

# The automatic synthesis against ABC's LUT counts on the classic functions
# (BENCH_DIR: a folder of *.pla files with the README table of ABC's figures).
BENCH_DIR ?= ../shared/bench
bench-synth: build
	@python3 scripts/synth-bench.py --cli $(BUILD)/bin/lodex-cli --bench $(BENCH_DIR)

$(BUILD_FUZZ)/build.ninja: | setup
	CXX=clang++ cmake -S . -B $(BUILD_FUZZ) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLODEX_FUZZ=ON -DLODEX_TESTS=OFF -DLODEX_BENCH=OFF

fuzz: setup $(BUILD_FUZZ)/build.ninja
	cmake --build $(BUILD_FUZZ) -j $(JOBS)
	@echo "Fuzzers: $(BUILD_FUZZ)/bin/fuzz_*  (run e.g. $(BUILD_FUZZ)/bin/fuzz_shc fuzz/corpus/shc)"

# The code as .clang-format lays it out.
check-format: setup
	@scripts/check-format.sh

# Every include runs down the layers (the order is written in the script),
# and only ui/ includes Qt.
check-layers:
	@python3 scripts/check-layers.py

# Everything built with clang, and a Release build with GCC, warnings as
# errors in both.
check-clang: setup
	CXX=clang++ cmake -S . -B $(BUILD_CLANG) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLODEX_WERROR=ON $(CMAKE_ARGS)
	cmake --build $(BUILD_CLANG) -j $(JOBS)

check-release: setup
	cmake -S . -B $(BUILD_RELEASE) -G Ninja -DCMAKE_BUILD_TYPE=Release -DLODEX_WERROR=ON $(CMAKE_ARGS)
	cmake --build $(BUILD_RELEASE) -j $(JOBS)

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_FUZZ) $(BUILD_CLANG) $(BUILD_RELEASE)
