# Builds, tests and runs Vantorel through CMake. Every target that builds installs what is missing first.

BUILD_DIR      ?= build
SANITIZE_DIR   ?= build-sanitize
FUZZ_DIR       ?= build-fuzz
FUZZ_SECONDS   ?= 180
JOBS           ?= $(shell nproc)
CMAKE_GENERATOR = $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")
EXAMPLE        ?= examples/monthly-drained-field.inp
PREFIX         ?= /usr/local

export QT_QPA_PLATFORM ?= offscreen

.PHONY: deps configure build python test run gui screenshots install package sanitize fuzz-build fuzz fuzz-replay bench clean

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) $(CMAKE_GENERATOR) -DCMAKE_BUILD_TYPE=Release >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

# The Python module vantorel, into $(BUILD_DIR)/python (also part of build).
python: configure
	@cmake --build $(BUILD_DIR) --target vantorel_python -j $(JOBS)

test: build
	@cd $(BUILD_DIR) && ctest -j $(JOBS) --output-on-failure --timeout 600

EXAMPLE_OUT     = $(BUILD_DIR)/examples/$(notdir $(EXAMPLE:.inp=.out))

run: build
	@mkdir -p $(BUILD_DIR)/examples
	@$(BUILD_DIR)/app/vantorel-run --check $(EXAMPLE)
	@echo
	@$(BUILD_DIR)/app/vantorel-run --yes --output=$(EXAMPLE_OUT) --graphs=$(BUILD_DIR)/examples/graphs --graph-format=png $(EXAMPLE)
	@echo
	@echo "The output of the example is in $(EXAMPLE_OUT), its graphs are in $(BUILD_DIR)/examples/graphs."

# The desktop program on this desktop; the tests' offscreen platform is not passed on to it.
gui: build
	@$(if $(filter environment,$(origin QT_QPA_PLATFORM)),,env -u QT_QPA_PLATFORM) $(BUILD_DIR)/app/vantorel

screenshots:
	@scripts/screenshot $(BUILD_DIR)/screenshots

# Installs the programs, desktop entry, icon, file types, man pages and examples under PREFIX
# (DESTDIR is honoured for staging).
install: build
	@cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# The Debian package $(BUILD_DIR)/vantorel_<version>_<arch>.deb.
package: build
	@cd $(BUILD_DIR) && cpack -G DEB

sanitize: deps
	@cmake -S . -B $(SANITIZE_DIR) $(CMAKE_GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTOREL_SANITIZE=ON >/dev/null
	@cmake --build $(SANITIZE_DIR) -j $(JOBS)
	@cd $(SANITIZE_DIR) && \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan-suppressions.txt:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest -j $(JOBS) --output-on-failure --timeout 1200

# The fuzz targets need clang and libFuzzer, so they have a build tree of their own.
fuzz-build: deps
	@cmake -S . -B $(FUZZ_DIR) $(CMAKE_GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DVANTOREL_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ_DIR) -j $(JOBS)

fuzz: fuzz-build
	@scripts/run-fuzzers $(FUZZ_DIR) $(FUZZ_SECONDS)

fuzz-replay: fuzz-build
	@scripts/run-fuzzers $(FUZZ_DIR) 60

bench: build
	@$(BUILD_DIR)/bench/vantorel_bench
	@$(BUILD_DIR)/bench/vantorel_plot_bench

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR)
