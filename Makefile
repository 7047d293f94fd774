# Thin front over the CMake presets. `make test` and `make run` do the whole set-up.
# `make install` installs to /usr/local, or PREFIX, inside DESTDIR when that is set;
# `make uninstall` takes the same PREFIX and DESTDIR. `make package` builds the Debian
# packages into build/package (its log in build/package.log). `make web` builds the web page into
# build/web, which any static server serves as it is.
.PHONY: all deps build web test test-default test-portable test-asan test-tsan fuzz test-web run bench bench-web install uninstall package clean

PREFIX ?= /usr/local

FUZZ_SECONDS ?= 30

all: build

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake --preset default >/dev/null
	cmake --build --preset default

web: deps
	cmake --preset web >/dev/null
	cmake --build --preset web

test: deps test-default test-portable test-asan test-tsan fuzz test-web

test-default: build
	ctest --preset default

test-portable: deps
	cmake --preset portable >/dev/null
	cmake --build --preset portable
	ctest --preset portable

test-asan: deps
	cmake --preset asan >/dev/null
	cmake --build --preset asan
	ctest --preset asan

test-tsan: deps
	cmake --preset tsan >/dev/null
	cmake --build --preset tsan
	ctest --preset tsan

fuzz: deps
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz
	bash scripts/run-fuzz.sh build/fuzz $(FUZZ_SECONDS)

test-web: web
	ctest --preset web

run: build
	bash scripts/run-program.sh build/default/ui/trommelquirl

bench: build bench-web
	bash scripts/run-bench.sh build/default

# The web page's figures against the native solver's: it needs both builds, and the page's part
# (bench/web/page-bench.mjs) the browser tests' packages.
bench-web: build web
	bash web/tests/install-packages.sh
	node bench/web/run-bench.mjs build/default build/web

# A build that is already there is only brought up to date. Whatever root makes in build/ (all
# of it after `sudo make install` in a fresh clone, the install manifest otherwise) goes to the
# owner of the source tree, so that a later `make` as that user can write there.
install:
	@[ -f build/default/build.ninja ] || $(MAKE) build
	cmake --build build/default
	DESTDIR="$(DESTDIR)" cmake --install build/default --prefix "$(PREFIX)"
	@[ "$$(id -u)" != 0 ] || chown -R --reference=. build

uninstall:
	@DESTDIR="$(DESTDIR)" bash scripts/uninstall.sh build/default "$(PREFIX)"

# Works as the first command in a fresh clone: build/ may not be there yet.
package: deps
	@mkdir -p build
	bash scripts/build-package.sh build/package >build/package.log 2>&1 || { tail -n 30 build/package.log; exit 1; }
	@[ "$$(id -u)" != 0 ] || chown -R --reference=. build
	@ls build/package/*.deb

clean:
	rm -rf build
