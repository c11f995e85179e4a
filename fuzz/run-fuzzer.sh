#!/usr/bin/env bash
# run-fuzzer.sh TARGET SECONDS [SEED-FOLDER]: runs a libFuzzer target for the
# given time on a scratch copy of its seed corpus (the seeds stay untouched).
# Exits non-zero when the target crashes, leaks, hangs or trips a sanitizer.
set -euo pipefail
target=$1
seconds=$2
seeds=${3:-}
work=$(mktemp -d "${TMPDIR:-/tmp}/tavoro-fuzz-XXXXXX")
trap 'rm -rf "$work"' EXIT
artifacts=${TAVORO_FUZZ_ARTIFACTS:-$PWD/fuzz-artifacts}
mkdir -p "$work/corpus" "$artifacts"
if [ -n "$seeds" ] && [ -d "$seeds" ]; then cp -r "$seeds"/. "$work/corpus/"; fi
"$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
  -artifact_prefix="$artifacts/$(basename "$target")-" -print_final_stats=1 "$work/corpus"
