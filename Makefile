# Thin front over the CMake presets. `make test` and `make run` do the whole set-up.
# `make install` installs to /usr/local, or PREFIX, inside DESTDIR when that is set;
# `make uninstall` takes the same PREFIX and DESTDIR. `make package` builds the Debian
# packages into build/package (its log in build/package.log).
.PHONY: all deps build test test-default test-portable test-asan test-tsan fuzz run bench install uninstall package clean

PREFIX ?= /usr/local

FUZZ_SECONDS ?= 30

all: build

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake --preset default >/dev/null
	cmake --build --preset default

test: deps test-default test-portable test-asan test-tsan fuzz

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

run: build
	bash scripts/run-program.sh build/default/ui/trommelquirl

bench: build
	bash scripts/run-bench.sh build/default

# A build that is already there is only brought up to date, so that `sudo make install` after
# `make` leaves no files owned by root in it; the install manifest goes back to its owner.
install:
	@[ -f build/default/build.ninja ] || $(MAKE) build
	cmake --build build/default
	DESTDIR="$(DESTDIR)" cmake --install build/default --prefix "$(PREFIX)"
	@[ "$$(id -u)" != 0 ] || chown --reference=build/default build/default/install_manifest.txt

uninstall:
	@DESTDIR="$(DESTDIR)" bash scripts/uninstall.sh build/default "$(PREFIX)"

package: deps
	@mkdir -p build
	bash scripts/build-package.sh build/package >build/package.log 2>&1 || { tail -n 30 build/package.log; exit 1; }
	@ls build/package/*.deb

clean:
	rm -rf build
