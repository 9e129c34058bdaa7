# SPDX-License-Identifier: GPL-3.0-or-later
# The README's two commands: `make run` and `make test`. Everything else is a convenience.

BUILD_DIR ?= build
FUZZ_DIR ?= build-fuzz
JOBS ?= 2
# CI builds treat warnings as errors; local builds only warn.
WERROR := $(if $(CI),ON,OFF)
LAUNCHER := $(if $(shell command -v ccache 2>/dev/null),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache,)
# Let ccache share results between checkouts in different folders (CI clones afresh).
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := true

.PHONY: all deps configure build run test bench fuzz format clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DTINTMERE_WERROR=$(WERROR) $(LAUNCHER) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/src/tintmere

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

bench: build
	scripts/run-benchmarks $(BUILD_DIR)

fuzz: deps
	scripts/fuzz $(FUZZ_DIR) 60

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(FUZZ_DIR)
