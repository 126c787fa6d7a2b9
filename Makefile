# The two commands a newcomer needs: `make play` and `make test`.
BUILD := build
JOBS  := $(shell nproc 2>/dev/null || echo 2)
# Most tests wait on a terminal, a pipe or a clock rather than the processor,
# so three run at once a core.
TEST_JOBS := $(shell echo $$(( $(JOBS) * 3 )))
# Extra CMake arguments, e.g. make test CMAKE_ARGS=-DDRIFTER_WERROR=ON
CMAKE_ARGS ?=

WINDOWS_BUILD := build-windows

.PHONY: play test build setup bench package package-check clean windows windows-test sanitize-build test-sanitize fuzz web web-serve web-test

play: build
	./$(BUILD)/drifter

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(TEST_JOBS)

build: setup
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS) --log-level=NOTICE > /dev/null
	cmake --build $(BUILD) -j $(JOBS)

setup:
	@tools/setup.sh

# Every benchmark; one that cannot measure a figure fails the run.
bench: build
	@for b in $(BUILD)/bench_*; do [ -x "$$b" ] || continue; "$$b" || exit 1; done

# The Debian package of the installed game, in $(BUILD)/. Its files are
# dated by the changelog unless SOURCE_DATE_EPOCH says otherwise, so the same
# sources give the same package.
SOURCE_DATE_EPOCH ?= $(shell dpkg-parsechangelog -l cmake/debian/changelog -STimestamp)
package: build
	cd $(BUILD) && SOURCE_DATE_EPOCH=$(SOURCE_DATE_EPOCH) cpack

# The package passes Debian's lintian, and packing it again gives the same file.
package-check: package
	SOURCE_DATE_EPOCH=$(SOURCE_DATE_EPOCH) tools/check_package.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(WINDOWS_BUILD) $(SANITIZE_BUILD) $(WEB_BUILD)

# drifter.exe, its tests and drifter-windows.zip, cross-built with MinGW-w64.
windows:
	@tools/setup.sh windows
	@cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-toolchain.cmake \
	  -DCMAKE_BUILD_TYPE=Release $(CMAKE_ARGS) --log-level=NOTICE > /dev/null
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)

# The Windows tests, under Wine.
windows-test: windows
	cd $(WINDOWS_BUILD) && ctest --output-on-failure -j $(JOBS)

# One clang build serves both checks below: AddressSanitizer and
# UndefinedBehaviorSanitizer on everything, the tests and the libFuzzer
# targets, in a folder of its own.
SANITIZE_BUILD := build-sanitize
SANITIZER_OPTIONS := ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan-suppressions.txt

sanitize-build:
	@tools/setup.sh fuzz
	@CXX=clang++ cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDRIFTER_FUZZ=ON -DDRIFTER_BENCH=OFF $(CMAKE_ARGS) --log-level=NOTICE > /dev/null
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)

# The tests once more under the sanitizers; any report ends the test that
# made it, so fails it. A core each: the sanitizers make the tunes slowly, and
# the splash's tune must still be made while the splash shows.
test-sanitize: sanitize-build
	cd $(SANITIZE_BUILD) && $(SANITIZER_OPTIONS) ctest --output-on-failure -j $(JOBS)

# Each fuzz target for FUZZ_SECONDS, as many at once as there are cores;
# fails on any crash, leak, timeout or sanitizer report (the input is kept
# under build-sanitize/findings/).
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := map save play key

fuzz: sanitize-build
	tools/run_fuzz.sh $(SANITIZE_BUILD) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

# The game in a browser page: build-web/site/ (index.html, the script, the
# wasm and the packed maps), compiled with Emscripten. Any static web server
# can serve the folder; web-serve serves it here, web-test plays it in a
# headless Chromium. Debian's Emscripten finds its optimizer's modules in
# /usr/share/nodejs.
WEB_BUILD := build-web
WEB_PORT ?= 8080
WEB_ENV := NODE_PATH=/usr/share/nodejs

web:
	@tools/setup.sh web
	@$(WEB_ENV) emcmake cmake -S . -B $(WEB_BUILD) -DCMAKE_BUILD_TYPE=Release -DDRIFTER_TESTS=OFF $(CMAKE_ARGS) --log-level=NOTICE > /dev/null
	$(WEB_ENV) cmake --build $(WEB_BUILD) -j $(JOBS) --target web_site

web-serve: web
	@echo "DRIFTER is served at http://127.0.0.1:$(WEB_PORT)/ (Ctrl+C stops)"
	python3 -m http.server $(WEB_PORT) --bind 127.0.0.1 --directory $(WEB_BUILD)/site

web-test: web
	node tools/web/test/play_in_browser.mjs $(WEB_BUILD)
