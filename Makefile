# The two commands a new user needs: `make run` and `make test`.
.PHONY: all deps build web bench-web run test nogui windows package asan fuzz bench bench-startup format clean

JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 30

all: build

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake --preset dev
	cmake --build --preset dev -j $(JOBS)

# Starts the window in the examples folder, whose preset file fills the Name list.
run: build
	mkdir -p examples
	cd examples && ../build/dev/src/app/varnholt

# The page in build/web/: open build/web/index.html, or copy the folder to any
# static web host.
web: deps
	cmake --preset web
	cmake --build --preset web -j $(JOBS)

# The accessibility checker for the page's test, from the lock file.
build/npm/node_modules/axe-core/axe.min.js: tests/web/package.json tests/web/package-lock.json
	mkdir -p build/npm
	cp tests/web/package.json tests/web/package-lock.json build/npm/
	cd build/npm && npm ci --no-audit --no-fund

test: build web build/npm/node_modules/axe-core/axe.min.js
	ctest --preset dev -j $(JOBS) --output-on-failure --no-tests=error
	ctest --preset web -j $(JOBS) --output-on-failure --no-tests=error

# The core and varnholt-calc alone, as on a machine without Qt.
nogui: deps
	cmake --preset nogui
	cmake --build --preset nogui -j $(JOBS)
	ctest --preset nogui -j $(JOBS) --output-on-failure --no-tests=error

# The core, varnholt-calc and their tests cross-built for Windows with
# mingw-w64, the tests and varnholt-calc's end-to-end runs under Wine.
windows: deps
	cmake --preset windows
	cmake --build --preset windows -j $(JOBS)
	ctest --preset windows -j $(JOBS) --output-on-failure --no-tests=error
	WINEPREFIX=$(CURDIR)/build/windows/wine-prefix /usr/lib/wine/wineserver -k || true

# The Debian package: build/varnholt_<version>_<arch>.deb.
package: build web
	cpack --config build/dev/CPackConfig.cmake -B build

asan: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS) --output-on-failure --no-tests=error

fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)
	bash scripts/run-fuzzers.sh build/fuzz $(FUZZ_SECONDS)

bench: build
	bash scripts/run-benches.sh build/dev

# The page's figures in headless Chromium: opening, Calculate, ranking.
bench-web: web
	/usr/bin/python3 scripts/measure-web.py build/web

# The window's start-up time and memory against a bare dialog (hyperfine).
bench-startup: build
	bash scripts/bench-startup.sh build/dev

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
