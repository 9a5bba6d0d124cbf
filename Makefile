# make run   installs what is missing, builds and starts the program
# make test  installs what is missing, builds and runs every test
JOBS ?= $(shell nproc)

.PHONY: run test build deps sanitize clean bench fuzz package

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

# Benchmarks and start-up against a bare Qt window; writes docs/performance.md.
bench: deps
	@scripts/ensure-deps.sh --bench
	cmake --preset bench
	cmake --build --preset bench -j $(JOBS)
	python3 bench/perf_report.py --bin build-bench/bin --out docs/performance.md
	python3 bench/startup_report.py --bin build-bench/bin --out docs/startup.md

# The Debian package (build/zelpor_<version>_<arch>.deb), unpacked and started.
# help2man must be there before the build is configured: it makes the manual page.
package: deps
	@scripts/ensure-deps.sh --package
	$(MAKE) build
	scripts/check-package.sh build

fuzz:
	scripts/run-fuzzers.sh

clean:
	rm -rf build build-debug build-sanitize build-bench build-fuzz
