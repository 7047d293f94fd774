# Thin front over the CMake presets. `make test` and `make run` do the whole set-up.
.PHONY: all deps build test test-default test-portable test-asan test-tsan fuzz run bench clean

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

clean:
	rm -rf build
