# The two commands a newcomer needs: `make play` and `make test`.
BUILD := build
JOBS  := $(shell nproc 2>/dev/null || echo 2)
# Extra CMake arguments, e.g. make test CMAKE_ARGS=-DDRIFTER_WERROR=ON
CMAKE_ARGS ?=

WINDOWS_BUILD := build-windows

.PHONY: play test build setup bench package clean windows windows-test

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

# The Debian package of the installed game, in $(BUILD)/.
package: build
	cd $(BUILD) && cpack

clean:
	rm -rf $(BUILD) $(WINDOWS_BUILD)

# drifter.exe, its tests and drifter-windows.zip, cross-built with MinGW-w64.
# The tunes come from the native build (a cross build cannot run its tools).
windows:
	@tools/setup.sh windows
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS) --log-level=NOTICE > /dev/null
	cmake --build $(BUILD) -j $(JOBS) --target music
	@cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-toolchain.cmake \
	  -DCMAKE_BUILD_TYPE=Release $(CMAKE_ARGS) --log-level=NOTICE > /dev/null
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)

# The Windows tests, under Wine.
windows-test: windows
	cd $(WINDOWS_BUILD) && ctest --output-on-failure
