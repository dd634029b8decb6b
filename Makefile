# The two commands a fresh Debian machine needs: `make run` and `make test`.
# Each installs what is missing first.

.PHONY: run test bench package deps configure build test-linux test-asan test-fuzz \
	build-windows test-windows

deps:
	@scripts/install-deps.sh

build: deps
	cmake --preset linux
	cmake --build --preset linux

run: build
	@scripts/run.sh

test: test-linux test-asan test-fuzz test-windows

test-linux: build
	ctest --preset linux

test-asan: deps
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

test-fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz
	ctest --preset fuzz

package: build
	cmake --build --preset linux --target package

# The native Windows program, cross-built with mingw-w64, and its tests: the
# file's imports and resources, then the program under Wine on a private
# display (tests/wine, a CTest project of its own built with the host
# compiler).
build-windows: deps
	cmake --preset windows
	cmake --build --preset windows

test-windows: build-windows
	cmake -S tests/wine -B build-windows/wine-tests -G Ninja \
		-DQHJ_WINDOWS_BUILD=$(CURDIR)/build-windows
	cmake --build build-windows/wine-tests
	ctest --test-dir build-windows/wine-tests --output-on-failure --no-tests=error

bench: deps build-windows
	cmake --preset bench
	cmake --build --preset bench
	scripts/bench.sh
