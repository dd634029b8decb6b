# The two commands a fresh Debian machine needs: `make run` and `make test`.
# Each installs what is missing first: `make run` only what building and
# opening the window takes, `make test` everything the tests use as well.

.PHONY: run test bench format package release check-release deps-run deps-web deps-release deps-test build \
	test-linux test-asan test-fuzz build-windows test-windows package-windows web test-web python deps-python \
	test-python java test-java

deps-run:
	@scripts/install-deps.sh run

deps-web:
	@scripts/install-deps.sh web

deps-release:
	@scripts/install-deps.sh release

deps-test:
	@scripts/install-deps.sh test

# The window alone, without the tests and what they need.
build: deps-run
	cmake --preset run
	cmake --build --preset run

run: build
	@scripts/run.sh

# Every suite, each to its end, then one summary of what ran and what was
# skipped, and why (scripts/test.sh). Each suite's ctest writes its results
# to build-results/<suite>.xml for that summary.
RESULTS := $(CURDIR)/build-results

test: deps-test
	@scripts/test.sh $(RESULTS) test-linux test-asan test-fuzz test-windows test-web test-python test-java

test-linux: deps-test
	cmake --preset linux
	cmake --build --preset linux
	ctest --preset linux --output-junit $(RESULTS)/linux.xml

test-asan: deps-test
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan --output-junit $(RESULTS)/asan.xml

test-fuzz: deps-test
	cmake --preset fuzz
	cmake --build --preset fuzz
	ctest --preset fuzz --output-junit $(RESULTS)/fuzz.xml

# Lays the C++ sources out as .clang-format says; `make test` checks it.
format: deps-test
	@scripts/format.sh

# Everything a release publishes, in build/release/: the .deb, the Windows
# archive and installers, the page, the npm, Python and Java packages, the source
# tarball and their checksums, the same bytes from any checkout of the same
# commit (scripts/release.sh). The date it is made with holds for the
# builds it packs as well. It installs only what building these takes: no
# test tool, no Wine, no browser.
release: export SOURCE_DATE_EPOCH := $(shell bash -c 'source scripts/lib/source_date.sh && qhj_source_date_epoch .')
release: deps-release build-windows web python java
	cmake --preset release
	umask 022 && cmake --build --preset release --target package
	@scripts/release.sh

# Builds the release twice, from two fresh clones in two folders one after
# the other, and compares every file (scripts/check-release.sh).
check-release: deps-test
	@scripts/check-release.sh

# The web window and the npm package, compiled with emscripten: the site
# in build-web/site/, which opens from file:// and from any static server,
# and build-web/qinghejian-<npm version>.tgz (1.00 is 1.0.0).
WEB_ENV := NODE_PATH=/usr/share/nodejs

web: deps-web
	$(WEB_ENV) cmake --preset web
	$(WEB_ENV) cmake --build --preset web
	@scripts/pack-npm.sh build-web

# The page in headless Chromium through the end-to-end scenarios, and the
# npm package installed and used (tests/web, a CTest project of its own
# built with the host compiler).
test-web: deps-test web
	cmake --build --preset web --target cross_tests
	cmake -S tests/web -B build-web/tests -G Ninja -DQHJ_WEB_BUILD="$(CURDIR)/build-web"
	cmake --build build-web/tests
	ctest --test-dir build-web/tests --output-on-failure --no-tests=error \
		--output-junit $(RESULTS)/web.xml

# The tests of one package, tests/$(1), a CTest project of its own, on what
# `make $(1)` built in build-$(1) (given as QHJ_$(2)_BUILD), two at a time.
define run_test_project
cmake -S tests/$(1) -B build-$(1)/tests -G Ninja -DQHJ_$(2)_BUILD="$(CURDIR)/build-$(1)"
ctest --test-dir build-$(1)/tests -j 2 --output-on-failure --no-tests=error --output-junit $(RESULTS)/$(1).xml
endef

# The Python package qinghejian, in build-python/dist/: one wheel for
# CPython 3.9 and later, and the sdist it is built from.
python: deps-python
	cmake --preset python
	cmake --build --preset python
	$(WEB_ENV) cmake --preset web
	$(WEB_ENV) cmake --build --preset web --target qhj_core_wasm
	@scripts/pack-python.sh build-python build-web/wasm/qinghejian.wasm

deps-python:
	@scripts/install-deps.sh python

# The wheel's contents, the sdist built by pip, and the wheel in a fresh
# virtual environment of every CPython 3.9 or later the machine has, each
# running the cases by pytest (tests/python, a CTest project of its own).
test-python: deps-test python
	$(call run_test_project,python,PYTHON)

# The Java library, in build-java/java/: qinghejian-<npm version>.jar with
# the natives for Linux on x86-64 and ARM64 (by zig, for glibc 2.17 on) and
# for Windows (cross-built in the windows preset), and the core as
# WebAssembly for every other platform, run by Chicory (fetched by Maven
# from src/java/pom.xml); its -sources and -javadoc jars, and its pom. And
# in build-java/sql/, qinghejian-sql-<npm version>.jar, the SQL functions
# for Hive, Spark and Flink, over it (src/sql).
java: deps-release
	cmake --preset windows
	cmake --build --preset windows --target qhj_java
	scripts/build-zig.sh build-java/zig-x86_64 x86_64 qhj_java -DQHJ_JAVA=ON
	scripts/build-zig.sh build-java/zig-aarch64 aarch64 qhj_java -DQHJ_JAVA=ON
	$(WEB_ENV) cmake --preset web
	$(WEB_ENV) cmake --build --preset web --target qhj_core_wasm
	scripts/fetch-java-deps.sh build-java
	cmake --preset java
	cmake --build --preset java
	scripts/build-sql-jar.sh build-java

# The jar's contents and loading, and the cases by JUnit 5 under every JDK
# the machine has; and the SQL functions and the wheel's Arrow path on a
# Spark standalone cluster on loopback and in Flink's MiniCluster, each row
# against qinghejian-convert (tests/java, a CTest project of its own, which
# runs tests/sql's cluster test beside the ARM64 one).
test-java: deps-test python java
	cmake --preset linux
	cmake --build --preset linux --target qinghejian-convert
	$(call run_test_project,java,JAVA)

# The .deb, from the tested build, in build/packages/. Made under umask 022
# whatever the builder's: the package keeps the modes the build writes, and
# folders of mode 700 would shut everyone else out of the program.
package: deps-test
	cmake --preset linux
	umask 022 && cmake --build --preset linux --target package

# The native Windows programs, cross-built with mingw-w64 for 64-bit and
# 32-bit Windows, and their tests: the files' imports and resources, then
# the programs under Wine on a private display (tests/wine, a CTest project
# of its own built with the host compiler).
build-windows: deps-release
	cmake --preset windows
	cmake --build --preset windows
	cmake --preset windows-x86
	cmake --build --preset windows-x86

test-windows: deps-test build-windows
	cmake --build --preset windows --target cross_tests
	cmake -S tests/wine -B build-windows/wine-tests -G Ninja \
		-DQHJ_WINDOWS_BUILDS="$(CURDIR)/build-windows;$(CURDIR)/build-windows-x86"
	cmake --build build-windows/wine-tests
	ctest --test-dir build-windows/wine-tests --output-on-failure --no-tests=error \
		--output-junit $(RESULTS)/windows.xml

# The release archive of both Windows builds, in build-windows/.
package-windows: build-windows
	@scripts/package-windows.sh build-windows build-windows-x86 build-windows

bench: deps-test build-windows web python java
	cmake --preset bench
	cmake --build --preset bench
	scripts/bench.sh
