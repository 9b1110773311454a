# Korvex: `make run` builds Korvex and runs it on the bundled example;
# `make test` builds with sanitizers and runs every test; `make fuzz` runs
# the pipeline fuzzer (clang) for FUZZ_SECONDS.

JOBS ?= $(shell nproc 2>/dev/null || echo 2)
RELEASE_DIR := build/release
TEST_DIR := build/test
EXAMPLES := examples/axi_lite examples/fifo examples/variants
FUZZ_DIR := build/fuzz
FUZZ_SECONDS ?= 60

.PHONY: run test fuzz bench bench-compare build deps-run deps-test clean

deps-run:
	@scripts/ensure_deps.sh g++ cmake make

deps-test:
	@scripts/ensure_deps.sh g++ cmake make libgtest-dev

build: deps-run
	@cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release -DKORVEX_TESTS=OFF >/dev/null
	@cmake --build $(RELEASE_DIR) -j$(JOBS)

run: build
	@for ex in $(EXAMPLES); do scripts/run_example.sh $(RELEASE_DIR)/korvex $$ex || exit 1; echo; done

test: deps-test
	@cmake -S . -B $(TEST_DIR) -DCMAKE_BUILD_TYPE=Debug -DKORVEX_SANITIZE=ON >/dev/null
	@cmake --build $(TEST_DIR) -j$(JOBS)
	@cd $(TEST_DIR) && ctest --output-on-failure -j$(JOBS)

fuzz:
	@cmake -S fuzz -B $(FUZZ_DIR) -DCMAKE_CXX_COMPILER=clang++ >/dev/null
	@cmake --build $(FUZZ_DIR) -j$(JOBS)
	@fuzz/run.sh $(FUZZ_DIR) $(FUZZ_SECONDS) || { $(MAKE) --no-print-directory build && \
	  echo "Judging the finds without sanitizers:" && fuzz/triage.sh $(FUZZ_DIR) $(RELEASE_DIR)/korvex; }

bench: build
	@bench/run.sh $(RELEASE_DIR)/korvex

# Korvex against the peer preprocessors (verilator, iverilog, m4, Jinja2) at
# BENCH_LINES lines, and on many small files one process each; needs
# hyperfine. Not part of `make test`.
BENCH_LINES ?= 1000000
bench-compare: build
	@bench/compare $(RELEASE_DIR)/korvex $(BENCH_LINES)

clean:
	rm -rf build
