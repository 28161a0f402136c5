#!/usr/bin/env bash
# The time from opening the page to the game's first picture (its title), in headless
# Chromium, the site served compressed by tools/serve.py as a host would (gzip, as most do;
# ENCODINGS=br,gzip for a host that sends the brotli copies): on a slow phone (150 ms round
# trip, 1.6 Mbit/s down, the processor slowed 4 times) and on an unthrottled desktop, each
# the median of 5 first visits.
#   tools/measure-web.sh SITE_DIR [RUNS]
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
SITE=${1:?usage: $0 SITE_DIR [RUNS]}
RUNS=${2:-5}
PORT=${EPEE_MEASURE_PORT:-8765}

(cd "$ROOT/tests/web" && npm ci --no-audit --no-fund >/dev/null)
/usr/bin/python3 "$ROOT/tools/serve.py" "$SITE" "$PORT" "${ENCODINGS:-gzip}" >/dev/null 2>&1 &
server=$!
trap 'kill $server' EXIT
for _ in $(seq 50); do
    curl -sf -o /dev/null "http://127.0.0.1:$PORT/" && break
    sleep 0.1
done
node "$ROOT/tests/web/measure.mjs" "http://127.0.0.1:$PORT/" "$RUNS"
