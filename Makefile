# SPDX-FileCopyrightText: 2026 The librilo_widget authors
# SPDX-License-Identifier: MIT

# The project's entry points. CMake does the real work; these targets install
# what is missing, configure once and build.
#
#   make gallery         build and run the widget gallery
#   make test            build and run every autotest (the Python bindings' pytest suite included)
#   make python          build the Python bindings (PyQt5; PyQt6 with QT=6) into $(BUILD)/python/site
#   make python-example  run the Python example application on the bindings of $(BUILD)
#   make test-sanitize   the autotests in an ASan/UBSan build
#   make test-valgrind   the autotests under valgrind memcheck
#   make test-coinstall  install the Qt 5 and the Qt 6 build into one prefix and
#                        build and run an outside project against each
#   make bench           Release benchmarks: table, bench/results/*.csv, docs/perf/*.png
#   make bench-callgrind instruction counts of the benchmarks (QtTest -callgrind)
#   make bench-smoke     build the benchmarks (in $(BUILD)) and run each once at the smallest size
#   make docs            the API documentation (Doxygen), undocumented members as errors
#   make translations    refresh translations/*.ts from the code and forms
#   make check-windows   compile every library source and every public header with the
#                        32-bit MinGW cross compiler (syntax only, against Qt 5's headers)
#   make fuzz            the libFuzzer targets, from their seed corpora (clang)
#   make fuzz-long       the same with 10^6 runs of each
#   make reuse           check the licence and copyright information of every file
#   make check-format    check that every tracked .cpp/.h file is formatted as .clang-format says
#   make clean           remove the build folders
#
# QT=6 builds against Qt 6 instead of Qt 5, in folders of its own (build-qt6,
# build-asan-qt6, ...): make test QT=6, make gallery QT=6, make build QT=6.

QT           ?= 5
ifeq ($(QT),5)
QT_SUFFIX    :=
else ifeq ($(QT),6)
QT_SUFFIX    := -qt6
else
$(error QT must be 5 or 6)
endif
BUILD        ?= build$(QT_SUFFIX)
BUILD_ASAN   ?= build-asan$(QT_SUFFIX)
BUILD_BENCH  ?= build-bench$(QT_SUFFIX)
BUILD_FUZZ   ?= build-fuzz$(QT_SUFFIX)
FUZZ_RUNS    ?= 200000
FUZZ_API_RUNS ?= 100000
JOBS         ?= $(shell nproc)
CMAKE_FLAGS  ?=
QT_FLAGS     := -DRILO_WIDGET_QT_MAJOR=$(QT)
# ccache, where installed, makes rebuilds in fresh folders (CI, QT=6) cheap.
ifneq ($(shell command -v ccache),)
QT_FLAGS     += -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
# Paths relative to the checkout, so that a fresh clone elsewhere reuses the
# cache that another checkout filled.
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := 1
endif
GALLERY_ARGS ?=
EXAMPLE_ARGS ?=

.PHONY: all deps deps-extra configure build gallery test python python-example test-sanitize test-valgrind docs translations check-windows fuzz fuzz-long clean \
        test-coinstall reuse check-format bench-build bench bench-callgrind bench-smoke

all: build

deps:
	@scripts/install-deps.sh

deps-extra:
	@scripts/install-deps.sh --extra

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja $(QT_FLAGS) $(CMAKE_FLAGS)

configure: $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

gallery: build
	$(BUILD)/examples/gallery/rilo-widget-gallery $(GALLERY_ARGS)

test: build
	ctest --test-dir $(BUILD) -LE memcheck --output-on-failure -j $(JOBS)

# The bindings are part of the normal build; this target builds only them (and
# the library they wrap). They run with Debian's interpreter and PyQt.
PYTHON ?= /usr/bin/python3

python: configure
	cmake --build $(BUILD) -j $(JOBS) --target python

python-example: python
	PYTHONPATH=$(CURDIR)/$(BUILD)/python/site RILO_PYQT=PyQt$(QT) $(PYTHON) examples/python/supply_panel.py $(EXAMPLE_ARGS)

$(BUILD_ASAN)/build.ninja: | deps-extra
	cmake -S . -B $(BUILD_ASAN) -G Ninja -DRILO_WIDGET_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug $(QT_FLAGS) $(CMAKE_FLAGS)

test-sanitize: $(BUILD_ASAN)/build.ninja
	cmake --build $(BUILD_ASAN) -j $(JOBS)
	ctest --test-dir $(BUILD_ASAN) -LE memcheck --output-on-failure -j $(JOBS)

test-valgrind: deps-extra build
	cmake -S . -B $(BUILD) >/dev/null
	ctest --test-dir $(BUILD) -L memcheck --no-tests=error --output-on-failure -j $(JOBS)

$(BUILD_BENCH)/build.ninja: | deps
	cmake -S . -B $(BUILD_BENCH) -G Ninja -DCMAKE_BUILD_TYPE=Release -DRILO_WIDGET_BUILD_BENCH=ON \
	    -DRILO_WIDGET_BUILD_TESTS=OFF -DRILO_WIDGET_BUILD_EXAMPLES=OFF $(QT_FLAGS) $(CMAKE_FLAGS)

bench-build: $(BUILD_BENCH)/build.ninja
	cmake --build $(BUILD_BENCH) -j $(JOBS)

bench: bench-build
	QT_QPA_PLATFORM=offscreen $(BUILD_BENCH)/bench/rilo-bench --csv bench/results/latest.csv
	$(BUILD_BENCH)/bench/rilo-bench-plot bench/results/latest.csv docs/perf/bench.png

bench-callgrind: deps-extra bench-build
	bench/callgrind.sh $(BUILD_BENCH) bench/results/callgrind.txt

# In the everyday build folder, so that CI reuses the library that `make test`
# built and only compiles the benchmarks themselves.
bench-smoke: configure
	cmake -S . -B $(BUILD) -DRILO_WIDGET_BUILD_BENCH=ON >/dev/null
	cmake --build $(BUILD) -j $(JOBS) --target rilo-bench rilo-bench-callgrind rilo-bench-plot
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/rilo-bench --smoke
	QT_QPA_PLATFORM=offscreen RILO_BENCH_SMOKE=1 $(BUILD)/bench/rilo-bench-callgrind -silent

docs: deps-extra configure
	cmake -S . -B $(BUILD) >/dev/null
	cmake --build $(BUILD) --target rilo_widget_docs
	@echo "API documentation: $(BUILD)/docs/html/index.html"

translations: deps
	scripts/update-translations.sh

# The 32-bit Windows side as far as this machine can check it: the platform
# source compiled, every library source and every public header compiled for
# syntax with the MinGW cross compiler against Qt 5's headers
# (scripts/check-windows.sh says what that proves). Uses the Qt 5 build folder
# for the generated headers.
WIN32_CXX ?= i686-w64-mingw32-g++

check-windows: deps-extra
	$(MAKE) configure QT=5
	WIN32_CXX=$(WIN32_CXX) JOBS=$(JOBS) scripts/check-windows.sh build

# The fuzzers write new inputs into their corpus folders, so they run on
# copies and the committed seeds stay as they are; an input that breaks
# something is kept in the build folder. The whole fuzz build carries the
# sanitizers, so the API fuzzer checks the library's own memory use.
$(BUILD_FUZZ)/build.ninja: | deps-extra
	CC=clang CXX=clang++ cmake -S . -B $(BUILD_FUZZ) -G Ninja -DRILO_WIDGET_BUILD_FUZZ=ON -DRILO_WIDGET_SANITIZE=ON \
	    -DRILO_WIDGET_BUILD_TESTS=OFF -DRILO_WIDGET_BUILD_EXAMPLES=OFF -DRILO_WIDGET_BUILD_DESIGNER=OFF $(QT_FLAGS) $(CMAKE_FLAGS)

FUZZ_ENV = QT_QPA_PLATFORM=offscreen \
    LSAN_OPTIONS=suppressions=$(CURDIR)/fuzz/lsan.supp:print_suppressions=0

fuzz: deps-extra $(BUILD_FUZZ)/build.ninja
	cmake --build $(BUILD_FUZZ) -j $(JOBS) --target rilo_fuzz_ipaddress rilo_fuzz_api
	corpus=$$(mktemp -d) && cp fuzz/corpus/* "$$corpus"/ && \
	    { $(FUZZ_ENV) $(BUILD_FUZZ)/fuzz/fuzz_ipaddress -runs=$(FUZZ_RUNS) -max_len=256 \
	        -artifact_prefix=$(BUILD_FUZZ)/ "$$corpus"; status=$$?; \
	      rm -rf "$$corpus"; exit $$status; }
	corpus=$$(mktemp -d) && cp fuzz/corpus-api/* "$$corpus"/ && \
	    { $(FUZZ_ENV) $(BUILD_FUZZ)/fuzz/fuzz_api -runs=$(FUZZ_API_RUNS) -max_len=128 -timeout=10 \
	        -artifact_prefix=$(BUILD_FUZZ)/ "$$corpus"; status=$$?; \
	      rm -rf "$$corpus"; exit $$status; }

fuzz-long:
	$(MAKE) fuzz FUZZ_RUNS=1000000 FUZZ_API_RUNS=1000000

# Both builds installed into one prefix: no file may be installed by both, and
# an outside project builds and runs against each (tests/consumer/run.cmake).
test-coinstall: deps
	$(MAKE) build QT=5
	$(MAKE) build QT=6
	cmake -DMODE=coinstall -DBUILD_DIR=$(CURDIR)/build -DPEER_BUILD_DIR=$(CURDIR)/build-qt6 \
	    -DWORK_DIR=$(CURDIR)/build/coinstall -P tests/consumer/run.cmake

reuse: deps-extra
	reuse lint

check-format: deps-extra
	scripts/check-format.sh

clean:
	rm -rf build build-qt6 build-asan build-asan-qt6 build-fuzz build-fuzz-qt6 build-bench build-bench-qt6
