# The two commands for a new user: `make run` and `make test`.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
# Extra CMake options for a fresh configure, e.g. -DQOR_WERROR=ON (CI).
CMAKE_OPTIONS ?=
# Seconds each fuzz target runs (empty: scripts/run-fuzzers decides), and
# which targets (empty: all), e.g. make fuzz FUZZ_SECONDS=300.
FUZZ_SECONDS ?=
FUZZ_TARGETS ?=

.PHONY: run test sanitize build deps configure fuzz bench package clean

run: build
	$(BUILD_DIR)/qor-spanisch

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
		ctest --output-on-failure -j $(JOBS)

# The Debian package of the program and its sample installation, in $(BUILD_DIR)/.
package: build
	cd $(BUILD_DIR) && cpack -G DEB

# The whole suite again, built with AddressSanitizer and UBSan (build-asan/).
sanitize: deps
	JOBS=$(JOBS) scripts/sanitizer-tests

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

configure: deps
	@test -f $(BUILD_DIR)/build.ninja || \
		cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_OPTIONS)

deps:
	@scripts/install-deps

# Every benchmark, then one table of the figures (as in docs/PERFORMANCE.md).
bench: build
	@bench/run-all.sh $(BUILD_DIR)

fuzz: deps
	scripts/run-fuzzers $(FUZZ_SECONDS) $(FUZZ_TARGETS)

clean:
	rm -rf $(BUILD_DIR)
