#!/usr/bin/env bash
# Start-up time and peak memory of the program's window against a bare dialog,
# both offscreen, in one hyperfine run. The program may take at most 1.15 times
# the bare dialog's median time and peak memory. A bare dialog with one line of
# text runs alongside to show the share of the font machinery, which any window
# with text pays once.
set -euo pipefail
build=${1:-build/dev}
app="$build/bench/startup_app"
bare="$build/bench/startup_bare"
text="$build/bench/startup_text"
export QT_QPA_PLATFORM=offscreen
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

hyperfine --warmup 5 --runs ${STARTUP_RUNS:-40} -N --export-json "$work/times.json" \
  --command-name window "$app" --command-name bare "$bare" --command-name text "$text"

median_rss() {
  for _ in 1 2 3 4 5 6 7; do "$1" --rss; done | sort -n | sed -n 4p
}
app_rss=$(median_rss "$app")
bare_rss=$(median_rss "$bare")
text_rss=$(median_rss "$text")

python3 - "$work/times.json" "$app_rss" "$bare_rss" "$text_rss" <<'PY'
import json, sys
results = {r["command"]: r for r in json.load(open(sys.argv[1]))["results"]}
window, bare = results["window"]["median"], results["bare"]["median"]
app_rss, bare_rss, text_rss = int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4])
text = results["text"]["median"]
print(f"median start: window {window*1000:.1f} ms, bare {bare*1000:.1f} ms, ratio {window/bare:.3f} (limit 1.15)")
print(f"peak memory: window {app_rss/1024:.1f} MiB, bare {bare_rss/1024:.1f} MiB, ratio {app_rss/bare_rss:.3f} (limit 1.15)")
print(f"bare dialog with one line of text: {text*1000:.1f} ms, {text_rss/1024:.1f} MiB")
ok = window / bare <= 1.15 and app_rss / bare_rss <= 1.15
print("within limits" if ok else "OVER LIMIT")
sys.exit(0 if ok else 1)
PY
