#!/bin/bash
# Builds the fuzz targets and runs each for the given number of seconds (default 30).
set -euo pipefail
seconds=${1:-30}
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2 --target fuzz_container fuzz_options fuzz_pictures skintool
build=build/fuzz
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$root/tests/fuzz/seeds.sh" "$build" "$work"
for target in container options pictures; do
    mkdir -p "$work/corpus-$target"
    echo "fuzz_$target: ${seconds}s"
    QT_QPA_PLATFORM=offscreen "$build/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len=65536 \
        -rss_limit_mb=2048 -print_final_stats=0 "$work/corpus-$target" "$work/seeds-$target" 2>"$work/log-$target" \
        || { tail -50 "$work/log-$target"; exit 1; }
    grep -E "^Done" "$work/log-$target" || tail -2 "$work/log-$target"
done
