#!/usr/bin/env bash
# Set-up, build, run and test ZEL on Debian 12.
#   bash scripts/zel.sh run    install what is missing, build (Release), start zel32 on the sample dataset
#   bash scripts/zel.sh test   install what is missing, check the include direction, build, run every
#                              test through CTest
set -euo pipefail

cd "$(dirname "$0")/.."
ROOT=$(pwd)
MODE=${1:-run}
BUILD=${ZEL_BUILD_DIR:-$ROOT/build-release}
FUZZ_BUILD=${ZEL_FUZZ_BUILD_DIR:-$ROOT/build-fuzz}
SAMPLE=$ROOT/examples/shaft_diameter.QCS

PACKAGES=(build-essential pkg-config cmake ninja-build qt6-base-dev qt6-base-dev-tools qt6-svg-dev
          libgtest-dev libgmock-dev libbenchmark-dev libboost-dev fonts-noto-cjk fonts-ipafont-gothic
          xvfb xauth xdotool poppler-utils qt6-translations-l10n clang libclang-rt-14-dev python3
          libxlsxwriter-dev libquazip1-qt6-dev desktop-file-utils libexpat1-dev)

install_missing() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return
    fi
    echo "== Installing: ${missing[*]}"
    local SUDO=""
    if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; fi
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
    echo "== Building (Release) in $BUILD"
    cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$BUILD" -j "$(nproc)"
}

run_program() {
    if [ -n "${DISPLAY:-}" ]; then
        exec "$BUILD/zel32" "$SAMPLE"
    fi
    mkdir -p "$ROOT/out"
    local shot=$ROOT/out/zel32-screenshot.png
    echo "== No display: running zel32 under Xvfb and saving a screenshot"
    xvfb-run -a -s "-screen 0 1280x800x24" "$BUILD/zel32" --screenshot "$shot" "$SAMPLE"
    echo "== Screenshot of zel32 with $SAMPLE: $shot"
}

fuzz_smoke() {
    if ! command -v clang++ >/dev/null; then
        echo "== clang++ not found: fuzz targets skipped"
        return
    fi
    echo "== Building the fuzz targets (clang, libFuzzer)"
    CXX=clang++ cmake -S "$ROOT" -B "$FUZZ_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DZEL_WITH_QT=OFF -DZEL_BUILD_TESTS=OFF -DZEL_BUILD_BENCH=OFF -DZEL_BUILD_FUZZ=ON >/dev/null
    cmake --build "$FUZZ_BUILD" -j "$(nproc)"
    # Each target fuzzes for 30 s; as many run at once as there are cores.
    local failed=0 passed=0 jobs=0 slots
    slots=$(nproc)
    local results
    results=$(mktemp -d)
    for f in "$FUZZ_BUILD"/fuzz/fuzz_*; do
        [ -x "$f" ] || continue
        local name
        name=$(basename "$f")
        echo "== $name: 30 s of fuzzing"
        (
            corpus=$(mktemp -d)
            [ -d "$ROOT/fuzz/corpus/$name" ] && cp -r "$ROOT/fuzz/corpus/$name/." "$corpus/"
            if "$f" -max_total_time=30 -rss_limit_mb=2048 -print_final_stats=0 "$corpus" >"$results/$name.log" 2>&1; then
                touch "$results/$name.passed"
            fi
            rm -rf "$corpus"
        ) &
        jobs=$((jobs + 1))
        if [ "$jobs" -ge "$slots" ]; then
            wait -n || true
            jobs=$((jobs - 1))
        fi
    done
    wait || true
    for log in "$results"/*.log; do
        [ -e "$log" ] || continue
        local name
        name=$(basename "$log" .log)
        if [ -e "$results/$name.passed" ]; then
            passed=$((passed + 1))
        else
            failed=$((failed + 1))
            echo "== $name failed:"
            tail -40 "$log"
        fi
    done
    rm -rf "$results"
    echo "fuzz: $passed passed, $failed failed"
    [ "$failed" -eq 0 ]
}

case "$MODE" in
run)
    install_missing
    build
    echo "== Registering the KORU32 control for this user"
    "$BUILD/koru_register" "$BUILD/libKORU32.so"
    run_program
    ;;
test)
    install_missing
    echo "== Checking that includes point downward only"
    python3 "$ROOT/scripts/check_includes.py"
    build
    echo "== Running the tests"
    (cd "$BUILD" && ctest --output-on-failure -j "$(nproc)")
    fuzz_smoke
    ;;
*)
    echo "usage: bash scripts/zel.sh run|test" >&2
    exit 2
    ;;
esac
