# SPDX-License-Identifier: GPL-3.0-or-later
# The README's two commands: `make run` and `make test`. Everything else is a convenience.

BUILD_DIR ?= build
FUZZ_DIR ?= build-fuzz
ASAN_DIR ?= build-asan
JOBS ?= 2
# CI builds treat warnings as errors; local builds only warn.
WERROR := $(if $(CI),ON,OFF)
LAUNCHER := $(if $(shell command -v ccache 2>/dev/null),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache,)
# Let ccache share results between checkouts in different folders (CI clones afresh).
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := true

CONFIGURE = cmake -S . -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTINTMERE_WERROR=$(WERROR) \
    $(LAUNCHER)

.PHONY: all deps test-deps configure build run test sanitize bench fuzz format clean

all: build

# What building and running need.
deps:
	@scripts/install-deps run

# That, plus the test, benchmark and fuzz tools.
test-deps:
	@scripts/install-deps test

configure: test-deps
	@$(CONFIGURE) -B $(BUILD_DIR) -DBUILD_TESTING=ON -DTINTMERE_BUILD_BENCHMARKS=ON >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

# Only the program: a first configuration leaves the tests and benchmarks out, so nothing
# beyond the run packages is needed; a folder configured by `make test` keeps its tests.
run: deps
	@$(CONFIGURE) -B $(BUILD_DIR) \
	    $(if $(wildcard $(BUILD_DIR)/CMakeCache.txt),,-DBUILD_TESTING=OFF -DTINTMERE_BUILD_BENCHMARKS=OFF) >/dev/null
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target tintmere
	$(BUILD_DIR)/src/tintmere

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# The unit and widget tests of the lower layers built with AddressSanitizer and
# UndefinedBehaviorSanitizer, in a folder of their own.
sanitize: test-deps
	@$(CONFIGURE) -B $(ASAN_DIR) -DTINTMERE_SANITIZE=ON -DTINTMERE_BUILD_BENCHMARKS=OFF >/dev/null
	@cmake --build $(ASAN_DIR) -j $(JOBS) --target tests-core tests-model tests-views
	cd $(ASAN_DIR) && ctest --output-on-failure -j $(JOBS) -L '^(core|model|views)$$'

bench: build
	scripts/run-benchmarks $(BUILD_DIR)

fuzz: test-deps
	scripts/fuzz $(FUZZ_DIR) 60

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(BUILD_DIR)-program-only $(FUZZ_DIR) $(ASAN_DIR)
