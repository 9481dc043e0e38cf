# Builds, tests and runs Vantorel through CMake. Every target that builds installs what is missing first.

BUILD_DIR      ?= build
SANITIZE_DIR   ?= build-sanitize
FUZZ_DIR       ?= build-fuzz
HEADLESS_DIR   ?= build-headless
WINDOWS_DIR    ?= build-windows
VERSION         = $(shell grep -m1 -o 'Vantorel VERSION [0-9.]*' CMakeLists.txt | cut -d' ' -f3)
FUZZ_SECONDS   ?= 180
JOBS           ?= $(shell nproc)
CMAKE_GENERATOR = $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")
EXAMPLE        ?= examples/monthly-drained-field.inp
PREFIX         ?= /usr/local
# The Python the module is built for (the build tree's, see python/CMakeLists.txt).
PYTHON         ?= /usr/bin/python3

export QT_QPA_PLATFORM ?= offscreen

.PHONY: deps configure build python wheel test run gui screenshots install package sanitize fuzz-build fuzz fuzz-replay \
        bench headless headless-test windows windows-test windows-zip clean

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) $(CMAKE_GENERATOR) -DCMAKE_BUILD_TYPE=Release >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

# The Python module vantorel, into $(BUILD_DIR)/python (also part of build).
python: configure
	@cmake --build $(BUILD_DIR) --target vantorel_python -j $(JOBS)

# The module as a wheel for PYTHON, $(BUILD_DIR)/dist/vantorel-<version>-<tags>.whl, made by pip from
# pyproject.toml with the module of the build tree; nothing is downloaded.
wheel: python
	@rm -f $(BUILD_DIR)/dist/vantorel-*.whl
	@VANTOREL_BUILD_DIR=$(abspath $(BUILD_DIR)) $(PYTHON) -m pip wheel --no-build-isolation --no-deps --no-index \
	  --quiet --wheel-dir $(BUILD_DIR)/dist .
	@ls $(BUILD_DIR)/dist/vantorel-*.whl

test: build
	@cd $(BUILD_DIR) && ctest -j $(JOBS) --output-on-failure --timeout 600

EXAMPLE_OUT     = $(BUILD_DIR)/examples/$(notdir $(EXAMPLE:.inp=.out))

# Builds only what the example needs: the runner, not the window, the tests or the benchmarks.
run: configure
	@cmake --build $(BUILD_DIR) --target vantorel-run -j $(JOBS)
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

# Installs the programs, desktop entry, icon, file types, AppStream data, man pages, examples and
# the Python module under PREFIX (DESTDIR is honoured for staging).
install: build
	@cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# The Debian packages $(BUILD_DIR)/vantorel_<version>_<arch>.deb (the programs) and
# $(BUILD_DIR)/python3-vantorel_<version>_<arch>.deb (the Python module).
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

# The core, the runner and the Python module without Qt (no window, no pictures), in a tree of
# their own; headless-test runs its tests and compares its files with those of the full build.
headless: deps
	@cmake -S . -B $(HEADLESS_DIR) $(CMAKE_GENERATOR) -DCMAKE_BUILD_TYPE=Release -DVANTOREL_GUI=OFF >/dev/null
	@cmake --build $(HEADLESS_DIR) -j $(JOBS)

headless-test: headless build
	@cd $(HEADLESS_DIR) && ctest -j $(JOBS) --output-on-failure --timeout 600
	@scripts/compare-runners --no-pictures "$(BUILD_DIR)/app/vantorel-run" "$(HEADLESS_DIR)/app/vantorel-run"

# vantorel-run.exe for 64-bit Windows, cross-built with MinGW-w64 (static, one file) into
# $(WINDOWS_DIR)/: the runner of the build without the window. windows-test runs it under wine
# beside the Linux build and compares their files and messages (see docs/WINDOWS.md).
windows:
	@scripts/install-deps windows
	@cmake -S . -B $(WINDOWS_DIR) $(CMAKE_GENERATOR) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
	  -DCMAKE_BUILD_TYPE=Release -DVANTOREL_GUI=OFF -DVANTOREL_PYTHON=OFF \
	  -DCMAKE_RUNTIME_OUTPUT_DIRECTORY=$(abspath $(WINDOWS_DIR)) >/dev/null
	@cmake --build $(WINDOWS_DIR) --target vantorel-run -j $(JOBS)

windows-test: windows headless
	@scripts/compare-runners "$(abspath $(HEADLESS_DIR))/app/vantorel-run" \
	  "$(CURDIR)/scripts/wine-run $(abspath $(WINDOWS_DIR))/vantorel-run.exe"

WINDOWS_ZIP     = $(WINDOWS_DIR)/vantorel-$(VERSION)-windows-x86_64.zip

windows-zip: windows
	@rm -rf $(WINDOWS_DIR)/zip $(WINDOWS_ZIP)
	@mkdir -p $(WINDOWS_DIR)/zip/vantorel-$(VERSION)/examples
	@cp $(WINDOWS_DIR)/vantorel-run.exe $(WINDOWS_DIR)/zip/vantorel-$(VERSION)/
	@cp README.md docs/WINDOWS.md $(WINDOWS_DIR)/zip/vantorel-$(VERSION)/
	@cp -R examples/. $(WINDOWS_DIR)/zip/vantorel-$(VERSION)/examples/
	@cd $(WINDOWS_DIR)/zip && zip -qrX ../$(notdir $(WINDOWS_ZIP)) vantorel-$(VERSION)
	@echo "$(WINDOWS_ZIP)"

bench: build
	@$(BUILD_DIR)/bench/vantorel_bench
	@$(BUILD_DIR)/bench/vantorel_plot_bench

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR) $(HEADLESS_DIR) $(WINDOWS_DIR)
