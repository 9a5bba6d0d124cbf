# make run   installs what is missing, builds and starts the program
# make test  installs what is missing, builds and runs every test
JOBS ?= $(shell nproc)

.PHONY: run test build deps sanitize clean bench fuzz

deps:
	@scripts/ensure-deps.sh

build: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)

run: build
	cd "$(CURDIR)" && ./build/bin/zelpor

test: build
	ctest --test-dir build --output-on-failure -j $(JOBS)

sanitize: deps
	cmake --preset sanitize
	cmake --build --preset sanitize -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=0 ctest --test-dir build-sanitize --output-on-failure -j $(JOBS)

bench: deps
	cmake --preset bench
	cmake --build --preset bench -j $(JOBS)
	./build-bench/bin/zelpor_bench

fuzz:
	scripts/run-fuzzers.sh

clean:
	rm -rf build build-debug build-sanitize build-bench build-fuzz
