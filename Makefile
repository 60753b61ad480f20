# The project's entry points. CMake does the real work; these targets install
# what is missing, configure once and build.
#
#   make gallery         build and run the widget gallery
#   make test            build and run every autotest (the Python bindings' pytest suite included)
#   make python          build the Python bindings (PyQt5) into $(BUILD)/python/site
#   make python-example  run the Python example application on the bindings of $(BUILD)
#   make test-sanitize   the autotests in an ASan/UBSan build
#   make test-valgrind   the autotests under valgrind memcheck
#   make bench           Release benchmarks: table, bench/results/*.csv, docs/perf/*.png
#   make bench-callgrind instruction counts of the benchmarks (QtTest -callgrind)
#   make bench-smoke     build the benchmarks (in $(BUILD)) and run each once at the smallest size
#   make docs            the API documentation (Doxygen), undocumented members as errors
#   make translations    refresh translations/*.ts from the code and forms
#   make check-windows   compile the Windows-only sources with the 32-bit MinGW cross compiler
#   make fuzz            the libFuzzer targets, from their seed corpus (clang)
#   make clean           remove the build folders

BUILD        ?= build
BUILD_ASAN   ?= build-asan
BUILD_BENCH  ?= build-bench
BUILD_FUZZ   ?= build-fuzz
FUZZ_RUNS    ?= 200000
JOBS         ?= $(shell nproc)
CMAKE_FLAGS  ?=
GALLERY_ARGS ?=
EXAMPLE_ARGS ?=

.PHONY: all deps deps-extra configure build gallery test python python-example test-sanitize test-valgrind docs translations check-windows fuzz clean \
        bench-build bench bench-callgrind bench-smoke

all: build

deps:
	@scripts/install-deps.sh

deps-extra:
	@scripts/install-deps.sh --extra

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

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
	PYTHONPATH=$(CURDIR)/$(BUILD)/python/site $(PYTHON) examples/python/supply_panel.py $(EXAMPLE_ARGS)

$(BUILD_ASAN)/build.ninja: | deps-extra
	cmake -S . -B $(BUILD_ASAN) -G Ninja -DRILO_WIDGET_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug $(CMAKE_FLAGS)

test-sanitize: $(BUILD_ASAN)/build.ninja
	cmake --build $(BUILD_ASAN) -j $(JOBS)
	ctest --test-dir $(BUILD_ASAN) -LE memcheck --output-on-failure -j $(JOBS)

test-valgrind: deps-extra build
	cmake -S . -B $(BUILD) >/dev/null
	ctest --test-dir $(BUILD) -L memcheck --no-tests=error --output-on-failure -j $(JOBS)

$(BUILD_BENCH)/build.ninja: | deps
	cmake -S . -B $(BUILD_BENCH) -G Ninja -DCMAKE_BUILD_TYPE=Release -DRILO_WIDGET_BUILD_BENCH=ON \
	    -DRILO_WIDGET_BUILD_TESTS=OFF -DRILO_WIDGET_BUILD_EXAMPLES=OFF $(CMAKE_FLAGS)

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
	cmake --build $(BUILD) --target docs
	@echo "API documentation: $(BUILD)/docs/html/index.html"

translations: deps
	scripts/update-translations.sh

# The Qt-free Windows sources (window flashing) compile for 32-bit Windows,
# where FLASHWINFO must be 20 bytes; Qt for Windows is not needed for that.
WIN32_CXX ?= i686-w64-mingw32-g++

check-windows: deps-extra
	$(WIN32_CXX) -std=c++17 -Wall -Wextra -Werror -c src/util/windowflash_win.cpp -o /dev/null

# The fuzzer writes new inputs into its corpus folder, so it runs on a copy
# and the committed seeds stay as they are; an input that breaks something is
# kept in the build folder.
$(BUILD_FUZZ)/build.ninja: | deps-extra
	CC=clang CXX=clang++ cmake -S . -B $(BUILD_FUZZ) -G Ninja -DRILO_WIDGET_BUILD_FUZZ=ON \
	    -DRILO_WIDGET_BUILD_TESTS=OFF -DRILO_WIDGET_BUILD_EXAMPLES=OFF $(CMAKE_FLAGS)

fuzz: deps-extra $(BUILD_FUZZ)/build.ninja
	cmake --build $(BUILD_FUZZ) -j $(JOBS) --target fuzz_ipaddress
	corpus=$$(mktemp -d) && cp fuzz/corpus/* "$$corpus"/ && \
	    { $(BUILD_FUZZ)/fuzz/fuzz_ipaddress -runs=$(FUZZ_RUNS) -max_len=256 \
	        -artifact_prefix=$(BUILD_FUZZ)/ "$$corpus"; status=$$?; \
	      rm -rf "$$corpus"; exit $$status; }

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_FUZZ) $(BUILD_BENCH)
