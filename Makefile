# make run   installs what is missing, builds and starts the program
# make test  installs what is missing, builds and runs every test
# make lint  checks the formatting (clang-format) and the core (clang-tidy)
JOBS ?= $(shell nproc)
# Warnings fail the build in CI (CI=true); make WERROR=ON does the same locally.
WERROR ?= $(if $(filter true,$(CI)),ON,OFF)
CONFIGURE_FLAGS = -DZELPOR_WARNINGS_AS_ERRORS=$(WERROR)

.PHONY: run test build deps sanitize clean bench fuzz package lint

deps:
	@scripts/ensure-deps.sh

build: deps
	cmake --preset release $(CONFIGURE_FLAGS)
	cmake --build --preset release -j $(JOBS)

run: build
	cd "$(CURDIR)" && ./build/bin/zelpor

test: build
	ctest --test-dir build --output-on-failure -j $(JOBS)

sanitize: deps
	cmake --preset sanitize $(CONFIGURE_FLAGS)
	cmake --build --preset sanitize -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=0 ctest --test-dir build-sanitize --output-on-failure -j $(JOBS)

# Benchmarks and start-up against a bare Qt main window; writes docs/performance.md.
bench: deps
	@scripts/ensure-deps.sh --bench
	cmake --preset bench
	cmake --build --preset bench -j $(JOBS)
	python3 bench/perf_report.py --bin build-bench/bin --out docs/performance.md

# The Debian package (build/zelpor_<version>_<arch>.deb), unpacked and started.
# help2man must be there before the build is configured: it makes the manual page.
package: deps
	@scripts/ensure-deps.sh --package
	$(MAKE) build
	scripts/check-package.sh build

fuzz:
	scripts/run-fuzzers.sh

lint: deps
	@scripts/ensure-deps.sh --lint
	cmake --preset release $(CONFIGURE_FLAGS) >/dev/null
	JOBS=$(JOBS) scripts/lint.sh

clean:
	rm -rf build build-debug build-sanitize build-bench build-fuzz
