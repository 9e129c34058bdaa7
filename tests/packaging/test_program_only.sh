#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What a packager builds: the tests and benchmarks off, in a clean folder. Configuring must
# look for nothing that only the tests or benchmarks need, and the program must build.
# Usage: test_program_only.sh SOURCE_DIR BUILD_DIR [cmake options...]
set -euo pipefail
source_dir=$1
build_dir=$2
shift 2

rm -rf "$build_dir"
# A required package that is disabled stops the configuration, so any find_package of these
# left outside the test and benchmark switches fails here.
cmake -S "$source_dir" -B "$build_dir" -G Ninja \
    -DBUILD_TESTING=OFF -DTINTMERE_BUILD_BENCHMARKS=OFF \
    -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON \
    -DCMAKE_DISABLE_FIND_PACKAGE_Python3=ON "$@" >"$build_dir.configure.log" 2>&1 || {
    cat "$build_dir.configure.log" >&2
    echo "program-only: configuring failed" >&2
    exit 1
}

status=0
for entry in Qt6Test_DIR benchmark_DIR GTest_DIR Python3_EXECUTABLE PYTHON3 XVFB_RUN XDOTOOL \
    DESKTOP_FILE_VALIDATE APPSTREAMCLI; do
    if grep -q "^$entry:" "$build_dir/CMakeCache.txt"; then
        echo "program-only: configuring looked for $entry" >&2
        status=1
    fi
done
if grep -q -e 'tst_' -e 'bench_' -e 'tintmere_test_support' "$build_dir/build.ninja"; then
    echo "program-only: tests or benchmarks are still built" >&2
    status=1
fi
[ "$status" -eq 0 ] || exit 1

cmake --build "$build_dir" --target tintmere tintmere-color -j 2
test -x "$build_dir/src/tintmere"
test -x "$build_dir/src/cli/tintmere-color"
echo "program-only: configured and built without test or benchmark packages"
