#!/usr/bin/env bash
# Builds the XML reader's fuzz target with clang (libFuzzer, ASan, UBSan) in
# build/fuzz and runs it for about a minute from the seeds. Exits non-zero
# when the run finds a crash; the input is left in build/fuzz/artifacts.
#   tools/fuzz/run_fuzz.sh [seconds]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out="$root/build/fuzz"
seconds=${1:-60}
mkdir -p "$out/corpus" "$out/artifacts"

sources=("$root"/config/xml/*.cpp "$root/config/text.cpp" "$root/config/seams.cpp"
         "$root/tests/fakes/iconv_code_pages.cpp" "$root/tests/fakes/xml_walk.cpp"
         "$root/tools/fuzz/xml_fuzz.cpp")
clang++ -std=c++17 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -fno-omit-frame-pointer -Wall -Wextra -Werror -I"$root" -I"$root/tests" \
    "${sources[@]}" -o "$out/xml_fuzz"

# Seeds: the edge cases, the regression inputs and any language files.
seeds=("$root/tools/fuzz/seeds")
[ -d "$root/tests/fixtures/xml" ] && seeds+=("$root/tests/fixtures/xml")
[ -d "$root/resources/Language" ] && seeds+=("$root/resources/Language")

cd "$out"
"$out/xml_fuzz" -max_total_time="$seconds" -max_len=8192 -timeout=10 -rss_limit_mb=2048 \
    -dict="$root/tools/fuzz/xml.dict" -artifact_prefix="$out/artifacts/" \
    -print_final_stats=1 "$out/corpus" "${seeds[@]}"
