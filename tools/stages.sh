#!/usr/bin/env bash
# Runs the stages of the whole proof, each a make target of its own, and ends with the table
# of their times. The first stages run one after the other; then the lanes run side by side,
# each its stages in turn, so that the core a real-time game or a browser leaves idle while
# it waits on the clock builds and checks something else. Each stage has a time limit and a
# log of its own (shown whole when it fails); a failed stage ends its lane, not the others.
#   tools/stages.sh LOG_DIR "FIRST STAGES" "LANE ONE" ["LANE TWO"...]
# A stage is a make target, with its limit in seconds after a colon: "e2e:600".
set -uo pipefail
LOGS=$1
FIRST=$2
shift 2
MAKE=${MAKE:-make}
DEFAULT_LIMIT=1800
mkdir -p "$LOGS"
rm -f "$LOGS"/*.log "$LOGS"/*.time
started=$(date +%s)

# Runs one stage within its limit; its line "stage lane seconds result" goes to its .time
# file, the table's row.
run_stage() {
    local lane=$1 stage=${2%%:*} limit=${2#*:} begun status result
    [ "$limit" = "$2" ] && limit=$DEFAULT_LIMIT
    begun=$(date +%s)
    echo "[$lane] $stage: started (limit ${limit} s, log $LOGS/$stage.log)"
    timeout --kill-after=20 "$limit" $MAKE --no-print-directory STAGED=1 "$stage" \
        >"$LOGS/$stage.log" 2>&1 </dev/null
    status=$?
    case $status in
    0) result=ok ;;
    124 | 137) result="stopped at its limit of ${limit} s" ;;
    *) result="failed ($status)" ;;
    esac
    echo "$stage $lane $(($(date +%s) - begun)) $result" >"$LOGS/$stage.time"
    echo "[$lane] $stage: $result after $(($(date +%s) - begun)) s"
    if [ "$status" != 0 ]; then
        echo "----- $stage's log:"
        cat "$LOGS/$stage.log"
        echo "----- end of $stage's log"
    fi
    return "$status"
}

# The stages of one lane in turn, up to the first that fails.
run_lane() {
    local lane=$1 stage
    for stage in $2; do run_stage "$lane" "$stage" || return 1; done
}

# The table: each stage's seconds in the order they ended, each lane's, and the whole.
table() {
    echo
    printf '%-14s %-6s %8s  %s\n' stage lane seconds result
    local file lane
    for file in $(ls -tr "$LOGS"/*.time 2>/dev/null); do
        read -r stage lane seconds result <"$file"
        printf '%-14s %-6s %8s  %s\n' "$stage" "$lane" "$seconds" "$result"
    done
    for lane in $(cat "$LOGS"/*.time 2>/dev/null | awk '$2 != "first" { print $2 }' | sort -u); do
        printf '%-14s %-6s %8s\n' "lane $lane" "" \
            "$(cat "$LOGS"/*.time | awk -v l="$lane" '$2 == l { s += $3 } END { print s }')"
    done
    printf '%-14s %-6s %8s\n' "make test" "" "$(($(date +%s) - started))"
}

status=0
run_lane first "$FIRST" || status=1
if [ "$status" = 0 ]; then
    lanes=()
    n=0
    for lane in "$@"; do
        n=$((n + 1))
        run_lane "$n" "$lane" &
        lanes+=($!)
    done
    for pid in "${lanes[@]}"; do wait "$pid" || status=1; done
fi
table | tee "$LOGS/table.txt"
exit "$status"
