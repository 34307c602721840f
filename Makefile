# make run   install what is missing, build, start Velunto on the sample topic folder
# make test  install what is missing, build with sanitizers, run every test
# make bench build and run the benchmarks (optimised build)
# make fuzz  build the libFuzzer targets with clang and run each for a while

JOBS ?= $(shell nproc)
CMAKE_GEN := -G Ninja
TEST_DIR := build/test
RUN_DIR := build/release
FUZZ_DIR := build/fuzz
FUZZ_SECONDS ?= 60

.PHONY: setup run test bench fuzz clean format

setup:
	@scripts/setup-deps.sh

$(TEST_DIR)/build.ninja:
	cmake -S . -B $(TEST_DIR) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DVELUNTO_SANITIZE=ON \
	  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g"

test: setup $(TEST_DIR)/build.ninja
	cmake --build $(TEST_DIR) -j $(JOBS)
	cd $(TEST_DIR) && ctest --output-on-failure -j $(JOBS)

$(RUN_DIR)/build.ninja:
	cmake -S . -B $(RUN_DIR) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELUNTO_TESTS=OFF \
	  -DVELUNTO_BENCH=ON

build: setup $(RUN_DIR)/build.ninja
	cmake --build $(RUN_DIR) -j $(JOBS) --target velunto velunto-tool

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display found (DISPLAY and WAYLAND_DISPLAY are empty)."; \
	  echo "Start Velunto on a desktop, or under a virtual display: xvfb-run -a make run"; \
	  exit 1; fi
	$(RUN_DIR)/src/velunto data/beispiele

bench: build
	cmake --build $(RUN_DIR) -j $(JOBS)
	@for b in $(RUN_DIR)/bench/bench_*; do [ -x "$$b" ] && "$$b" || exit 1; done

fuzz:
	@scripts/setup-deps.sh --fuzz
	cmake -S . -B $(FUZZ_DIR) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_COMPILER=clang++ -DVELUNTO_FUZZ=ON -DVELUNTO_TESTS=OFF
	cmake --build $(FUZZ_DIR) -j $(JOBS)
	@for f in $(FUZZ_DIR)/fuzz/fuzz_*; do \
	  name=$$(basename $$f); corpus=fuzz/corpus/$${name#fuzz_}; \
	  mkdir -p build/fuzz-work/$$name; \
	  $$f build/fuzz-work/$$name $$corpus -max_total_time=$(FUZZ_SECONDS) -rss_limit_mb=2048 \
	    -artifact_prefix=fuzz/crashes/ || exit 1; done

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build
