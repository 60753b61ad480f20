# The project's entry points. CMake does the real work; these targets install
# what is missing, configure once and build.
#
#   make gallery         build and run the widget gallery
#   make test            build and run every autotest
#   make test-sanitize   the autotests in an ASan/UBSan build
#   make test-valgrind   the autotests under valgrind memcheck
#   make bench           Release benchmarks: table, bench/results/*.csv, docs/perf/*.png
#   make bench-callgrind instruction counts of the benchmarks (QtTest -callgrind)
#   make bench-smoke     build the benchmarks and run each once at the smallest size
#   make clean           remove the build folders

BUILD        ?= build
BUILD_ASAN   ?= build-asan
BUILD_BENCH  ?= build-bench
JOBS         ?= $(shell nproc)
CMAKE_FLAGS  ?=
GALLERY_ARGS ?=

.PHONY: all deps deps-extra configure build gallery test test-sanitize test-valgrind clean \
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

bench-smoke: bench-build
	QT_QPA_PLATFORM=offscreen $(BUILD_BENCH)/bench/rilo-bench --smoke
	QT_QPA_PLATFORM=offscreen RILO_BENCH_SMOKE=1 $(BUILD_BENCH)/bench/rilo-bench-callgrind -silent

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_BENCH)
