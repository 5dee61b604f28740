# make run / make test do the whole set-up on a fresh Debian machine:
# install the packages, configure, build, then run. make run needs only the
# packages of the programs and builds only lodex, lodex-cli and tarrow; make
# test adds the rest on the same build folder. Every build's settings are the
# presets of CMakePresets.json, which an IDE reads too; the folders below are
# theirs.
BUILD         = build
BUILD_ASAN    = build-asan
BUILD_TSAN    = build-tsan
BUILD_FUZZ    = build-fuzz
BUILD_CLANG   = build-clang
BUILD_RELEASE = build-release
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=
CTEST_ARGS ?=

.PHONY: all setup setup-run setup-package programs build run test test-asan test-tsan bench bench-synth \
  fuzz package check-package check-format check-layers check-clang check-release translations clean

all: build

# The packages: run for building and running the programs, package for the
# manual pages and the Debian package, test for everything else.
setup-run:
	@scripts/install-deps.sh run
setup-package:
	@scripts/install-deps.sh run package
setup:
	@scripts/install-deps.sh run package test

# The first configuration leaves the tests and benchmarks out; build turns
# them on in the same folder (configuring again only then).
$(BUILD)/build.ninja: | setup-run
	cmake --preset default -DLODEX_TESTS=OFF -DLODEX_BENCH=OFF $(CMAKE_ARGS)

programs: setup-run $(BUILD)/build.ninja
	cmake --build --preset programs -j $(JOBS)

run: programs
	@scripts/run-example.sh $(BUILD)/bin

build: setup
	@grep -qs '^LODEX_TESTS:BOOL=ON' $(BUILD)/CMakeCache.txt && grep -qs '^LODEX_BENCH:BOOL=ON' $(BUILD)/CMakeCache.txt \
	  || cmake --preset default -DLODEX_TESTS=ON -DLODEX_BENCH=ON $(CMAKE_ARGS)
	cmake --build --preset default -j $(JOBS)

test: build
	ctest --preset default -j $(JOBS) $(CTEST_ARGS)

$(BUILD_ASAN)/build.ninja: | setup
	cmake --preset asan $(CMAKE_ARGS)

test-asan: setup $(BUILD_ASAN)/build.ninja
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS) $(CTEST_ARGS)

# The tests that start threads, under ThreadSanitizer (the list is the tsan
# test preset's; scripts/tsan.supp says what is suppressed and why).
$(BUILD_TSAN)/build.ninja: | setup
	cmake --preset tsan $(CMAKE_ARGS)

test-tsan: setup $(BUILD_TSAN)/build.ninja
	cmake --build --preset tsan -j $(JOBS)
	ctest --preset tsan -j $(JOBS) $(CTEST_ARGS)

bench: build
	@for b in $(BUILD)/bin/bench_*; do echo "== $$b"; $$b --benchmark_counters_tabular=true; done

# The automatic synthesis against ABC's LUT counts on the classic functions
# (BENCH_DIR: a folder of *.pla files with the README table of ABC's figures).
BENCH_DIR ?= ../shared/bench
bench-synth: build
	@python3 scripts/synth-bench.py --cli $(BUILD)/bin/lodex-cli --bench $(BENCH_DIR)

$(BUILD_FUZZ)/build.ninja: | setup
	cmake --preset fuzz $(CMAKE_ARGS)

fuzz: setup $(BUILD_FUZZ)/build.ninja
	cmake --build --preset fuzz -j $(JOBS)
	@echo "Fuzzers: $(BUILD_FUZZ)/bin/fuzz_*  (run e.g. $(BUILD_FUZZ)/bin/fuzz_shc fuzz/corpus/shc)"

# The Debian package of the programs, in $(BUILD)/package. Configuring again
# finds help2man if make run came first.
package: setup-package $(BUILD)/build.ninja
	cmake -S . -B $(BUILD)
	cmake --build --preset programs -j $(JOBS)
	cmake --build --preset default -j $(JOBS) --target manpages
	rm -f $(BUILD)/package/*.deb
	cpack --config $(BUILD)/CPackConfig.cmake

# The package installed on this machine with dpkg -i, run, and removed.
check-package: setup package
	scripts/check-install.sh --deb $(BUILD)/package/lodex_*.deb

# The code as .clang-format lays it out.
check-format: setup
	@scripts/check-format.sh

# The English translation gets every text of the interface that the sources
# mark; new ones arrive unfinished, for translations/lodex_en.ts to be
# completed by hand or in Qt Linguist.
translations: setup-run
	@python3 scripts/translations.py update

# Every include runs down the layers (the order is written in the script),
# and only ui/ includes Qt.
check-layers:
	@python3 scripts/check-layers.py

# Everything built with clang, and a Release build with GCC, warnings as
# errors in both.
check-clang: setup
	cmake --preset clang $(CMAKE_ARGS)
	cmake --build --preset clang -j $(JOBS)

check-release: setup
	cmake --preset release $(CMAKE_ARGS)
	cmake --build --preset release -j $(JOBS)

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_TSAN) $(BUILD_FUZZ) $(BUILD_CLANG) $(BUILD_RELEASE)
