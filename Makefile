# The two commands a newcomer needs: `make play` and `make test`.
BUILD := build
JOBS  := $(shell nproc 2>/dev/null || echo 2)
# Extra CMake arguments, e.g. make test CMAKE_ARGS=-DDRIFTER_WERROR=ON
CMAKE_ARGS ?=

WINDOWS_BUILD := build-windows

.PHONY: play test build setup bench package package-check clean windows windows-test test-sanitize fuzz

play: build
	./$(BUILD)/drifter

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

build: setup
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS) --log-level=NOTICE > /dev/null
	cmake --build $(BUILD) -j $(JOBS)

setup:
	@tools/setup.sh

bench: build
	@for b in $(BUILD)/bench_*; do [ -x "$$b" ] && "$$b"; done

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
	rm -rf $(BUILD) $(WINDOWS_BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD)

# drifter.exe, its tests and drifter-windows.zip, cross-built with MinGW-w64.
windows:
	@tools/setup.sh windows
	@cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-toolchain.cmake \
	  -DCMAKE_BUILD_TYPE=Release $(CMAKE_ARGS) --log-level=NOTICE > /dev/null
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)

# The Windows tests, under Wine.
windows-test: windows
	cd $(WINDOWS_BUILD) && ctest --output-on-failure

# The tests once more, built with AddressSanitizer and UndefinedBehaviorSanitizer
# in a folder of their own; any report ends the test that made it, so fails it.
SANITIZE_BUILD := build-asan
SANITIZER_OPTIONS := ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

test-sanitize: setup
	@cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDRIFTER_SANITIZE=ON $(CMAKE_ARGS) --log-level=NOTICE > /dev/null
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && $(SANITIZER_OPTIONS) ctest --output-on-failure -j $(JOBS)

# Each fuzz target for FUZZ_SECONDS, built with clang in its own folder; fails
# on any crash, leak, timeout or sanitizer report (the input is kept under
# build-fuzz/findings/).
FUZZ_BUILD := build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := map save play key

fuzz:
	@tools/setup.sh fuzz
	@CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDRIFTER_FUZZ=ON -DDRIFTER_TESTS=OFF $(CMAKE_ARGS) --log-level=NOTICE > /dev/null
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_seeds $(FUZZ_TARGETS:%=fuzz_%)
	tools/run_fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_TARGETS)
