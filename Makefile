# The two commands a fresh Debian machine needs: `make run` and `make test`.
# Each installs what is missing first.

.PHONY: run test bench package deps configure build test-linux test-asan test-fuzz

deps:
	@scripts/install-deps.sh

build: deps
	cmake --preset linux
	cmake --build --preset linux

run: build
	@scripts/run.sh

test: test-linux test-asan test-fuzz

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

bench: deps
	cmake --preset bench
	cmake --build --preset bench
	scripts/bench.sh
