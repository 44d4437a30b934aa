#!/usr/bin/env bash
# The running ticker under Xvfb: CPU while an item scrolls and while idle, resident memory after start,
# and the time from start to the first painted frame, each printed with its target. CPU and memory are
# measured in the same run for bench_barepanel, a bare Qt widget repainting a 160 x 16 panel on the
# scroller's rhythm, and the X server's CPU beside each, since our scroll steps are done in the server.
# Usage: bench/bench_window.sh <folder holding sorvanta, modules/, bench_barepanel and Images/>
#        [start-up runs (default 5)]
set -euo pipefail

build=$(cd "${1:?usage: bench_window.sh <folder holding sorvanta, modules/, bench_barepanel and Images/> [start-up runs]}" && pwd)
runs=${2:-5}
work=$(mktemp -d)
ticks=$(getconf CLK_TCK)
marker=SORVANTA-BENCH
xvfb_pid="" server_pid="" ticker_pid="" bare_pid="" launched_ns=0

cleanup() {
    for pid in $ticker_pid $bare_pid $server_pid $xvfb_pid; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Polls a command every 10 ms for up to $1 seconds; false when it never succeeded.
wait_for() {
    local seconds=$1
    shift
    for ((i = 0; i < seconds * 100; ++i)); do
        "$@" && return 0
        sleep 0.01
    done
    return 1
}

# A display number that no other X server has locked; Xvfb refuses one taken meanwhile and exits.
start_display() {
    for ((n = 100; n < 200; ++n)); do
        [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp 2>"$work/xvfb.log" &
        xvfb_pid=$!
        wait_for 10 display_settled "$n"
        if kill -0 "$xvfb_pid" 2>/dev/null && [[ -S /tmp/.X11-unix/X$n ]]; then
            export DISPLAY=":$n"
            return 0
        fi
        wait "$xvfb_pid" 2>/dev/null || true
    done
    echo "no free display for Xvfb" >&2
    return 1
}

display_settled() { [[ -S /tmp/.X11-unix/X$1 ]] || ! kill -0 "$xvfb_pid" 2>/dev/null; }

# One page whose only item is thousands of pixels wide: a single pass lasts well over a minute.
start_server() {
    mkdir -p "$work/site"
    local sentence="$marker 東海道線は信号トラブルの影響で上下線に遅れが出ています。" item=""
    for _ in {1..12}; do item+="$sentence "; done
    printf '<html><head><meta charset="utf-8"></head><body><p><b>%s</b></p></body></html>\n' "$item" \
        >"$work/site/news.html"
    python3 -u -m http.server 0 --bind 127.0.0.1 --directory "$work/site" >"$work/server.log" 2>&1 &
    server_pid=$!
    wait_for 10 grep -q ' port ' "$work/server.log" || { echo "the page server did not start" >&2; return 1; }
    port=$(sed -n 's/.* port \([0-9]*\) .*/\1/p' "$work/server.log")
}

# A program folder for /singleuser: the program, its sound module and skins, the three data files and
# the settings.
prepare_folder() {
    local folder=$1 loadAtFirst=$2
    mkdir -p "$folder"
    cp -r "$build/sorvanta" "$build/modules" "$folder/"
    cp -r "$build/Images" "$folder/"
    printf '"1","http://127.0.0.1:%s/news.html","bench","","",""\r\n' "$port" >"$folder/url.txt"
    printf '"1","","<b>","</b>",""\r\n' >"$folder/filter.txt"
    printf '遅れ' >"$folder/keywords.txt"
    printf '[Sorvanta 1.00]\r\nLoadAtFirst=%s\r\nNotify=Yes\r\nAutoReload=No\r\nFixWindowPosition=No\r\n' \
        "$loadAtFirst" >"$folder/Sorvanta.ini"
}

viewable() { xdotool search --onlyvisible --class '^Sorvanta$' >/dev/null 2>&1; }

# Starts the ticker of a program folder and waits for its window; sets ticker_pid, launched_ns (the
# wall clock just before the launch) and, in ms from then to the window seen from outside, mapped_ms.
# Extra arguments go into its environment. A start that dies (the X server now and then refuses a
# connection) is tried again.
start_ticker() {
    local folder=$1
    shift
    mkdir -p "$work/home/.config"
    install -d -m 700 "$work/runtime"
    for _ in 1 2 3; do
        launched_ns=$(date +%s%N)
        env HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime" \
            QT_QPA_PLATFORM=xcb "$@" "$folder/sorvanta" /singleuser 2>"$work/ticker.err" &
        ticker_pid=$!
        if wait_for 10 viewable; then
            mapped_ms=$((($(date +%s%N) - launched_ns) / 1000000))
            kill -0 "$ticker_pid" 2>/dev/null && return 0
        fi
        stop_ticker
        echo "(the ticker did not come up: $(head -n 1 "$work/ticker.err"); starting it again)" >&2
    done
    echo "the ticker did not start; it said:" >&2
    tail -n 5 "$work/ticker.err" >&2
    return 1
}

# Also waits for the X server to take the window away, so the next start is not seen too early.
stop_ticker() {
    kill "$ticker_pid" 2>/dev/null || true
    wait "$ticker_pid" 2>/dev/null || true
    ticker_pid=""
    wait_for 5 gone || true
}

gone() { ! viewable; }

# CPU time of the whole process in microseconds and the threads it had. The kernel keeps each
# thread's run time to the nanosecond in schedstat; utime + stime in /proc/<pid>/stat come in 10 ms
# ticks (0.1 % of 10 s, too coarse for the idle target) but keep the time of threads that ended.
cpu_sample() {
    local line fields
    read -r line <"/proc/$1/stat"
    read -ra fields <<<"${line##*) }"
    echo "$((fields[11] + fields[12])) $(cat /proc/"$1"/task/*/schedstat | awk '{ s += $1 } END { printf "%d", s / 1000 }')"
    ls "/proc/$1/task"
}

# Percent of one core used between two samples $1 and $2 taken $3 seconds apart.
cpu_between() {
    local ended ticks0 us0 ticks1 us1
    ended=$(comm -23 <(tail -n +2 <<<"$1" | sort) <(tail -n +2 <<<"$2" | sort))
    read -r ticks0 us0 <<<"$1"
    read -r ticks1 us1 <<<"$2"
    if [[ -z $ended ]]; then
        awk -v us=$((us1 - us0)) -v s="$3" 'BEGIN { printf "%.2f", us / 1e4 / s }'
    else
        awk -v t=$((ticks1 - ticks0)) -v hz="$ticks" -v s="$3" 'BEGIN { printf "%.1f", 100 * t / hz / s }'
    fi
}

# Percent of one core that each process named after the first argument used over the next $1 seconds,
# printed on one line.
cpu_percents() {
    local seconds=$1 pid figures=()
    shift
    local -A before=()
    for pid in "$@"; do before[$pid]=$(cpu_sample "$pid"); done
    sleep "$seconds"
    for pid in "$@"; do figures+=("$(cpu_between "${before[$pid]}" "$(cpu_sample "$pid")" "$seconds")"); done
    echo "${figures[*]}"
}

rss_mb() { awk '/^VmRSS:/ { printf "%.1f", $2 * 1024 / 1e6 }' "/proc/$1/status"; }

verdict() { # figure, target: "met" when the figure is below the target
    awk -v f="$1" -v t="$2" 'BEGIN { print (f < t) ? "met" : "missed" }'
}

median() { tr ' ' '\n' | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# The window takes the item's text as its title for as long as a pass runs.
scrolling() { xdotool search --name "$marker" >/dev/null 2>&1; }

bare_viewable() { xdotool search --onlyvisible --name "^bench-barepanel$1\$" >/dev/null 2>&1; }

# Starts the bare widget, scrolling or with --idle, and waits for its window; sets bare_pid.
start_bare() {
    local mode=${1:-}
    for _ in 1 2 3; do
        "$build/bench_barepanel" ${mode:+--idle} 2>"$work/bare.err" &
        bare_pid=$!
        if wait_for 10 bare_viewable "${mode:+ idle}" && kill -0 "$bare_pid" 2>/dev/null; then
            return 0
        fi
        stop_bare
        echo "(the bare widget did not come up: $(head -n 1 "$work/bare.err"); starting it again)" >&2
    done
    echo "the bare widget did not start" >&2
    return 1
}

stop_bare() {
    kill "$bare_pid" 2>/dev/null || true
    wait "$bare_pid" 2>/dev/null || true
    bare_pid=""
}

measure_scrolling_cpu() {
    prepare_folder "$work/scroll" Yes
    start_ticker "$work/scroll" || return 1
    wait_for 20 scrolling || { echo "scrolling CPU: no item started scrolling" && stop_ticker && return 1; }
    sleep 1
    local ours ours_x ours_rss bare bare_x bare_rss
    read -r ours ours_x <<<"$(cpu_percents 10 "$ticker_pid" "$xvfb_pid")"
    ours_rss=$(rss_mb "$ticker_pid")
    scrolling || { echo "scrolling CPU: the pass ended inside the 10 s" && stop_ticker && return 1; }
    stop_ticker
    start_bare || return 1
    sleep 1
    read -r bare bare_x <<<"$(cpu_percents 10 "$bare_pid" "$xvfb_pid")"
    bare_rss=$(rss_mb "$bare_pid")
    stop_bare
    echo "scrolling CPU over 10 s: $ours % of one core (target under 1 %): $(verdict "$ours" 1);" \
        "the bare Qt widget: $bare %"
    echo "X server CPU meanwhile: $ours_x % beside the ticker, $bare_x % beside the bare widget"
    echo "resident memory while scrolling: $ours_rss MB; the bare Qt widget: $bare_rss MB"
}

measure_idle() {
    prepare_folder "$work/idle" No
    start_ticker "$work/idle" || return 1
    sleep 3
    local rss percent bare_rss bare_percent
    rss=$(rss_mb "$ticker_pid")
    percent=$(cpu_percents 10 "$ticker_pid")
    stop_ticker
    start_bare idle || return 1
    sleep 3
    bare_rss=$(rss_mb "$bare_pid")
    bare_percent=$(cpu_percents 10 "$bare_pid")
    stop_bare
    echo "idle CPU over 10 s: $percent % of one core (target under 0.1 %): $(verdict "$percent" 0.1);" \
        "the bare Qt widget: $bare_percent %"
    echo "resident memory 3 s after start: $rss MB (target under 40 MB): $(verdict "$rss" 40);" \
        "the bare Qt widget: $bare_rss MB"
}

# Asked through SORVANTA_REPORT_FIRST_PAINT, the program writes the wall-clock moment of its first
# paint in microseconds; both it and the window seen from outside count from just before the launch.
measure_first_paint() {
    prepare_folder "$work/start" No
    local painted=() mapped=() painted_us
    for ((run = 0; run < runs; ++run)); do
        start_ticker "$work/start" SORVANTA_REPORT_FIRST_PAINT=1 || return 1
        mapped+=("$mapped_ms")
        wait_for 10 grep -q '^first-paint-at-us ' "$work/ticker.err" ||
            { echo "first paint: not reported" && stop_ticker && return 1; }
        painted_us=$(sed -n 's/^first-paint-at-us //p' "$work/ticker.err")
        painted+=("$(((painted_us * 1000 - launched_ns) / 1000000))")
        stop_ticker
    done
    local ms
    ms=$(echo "${painted[*]}" | median)
    echo "first paint after start: median $ms ms of $runs runs (${painted[*]}) (target under 300 ms):" \
        "$(verdict "$ms" 300)"
    echo "window on screen, seen from outside: median $(echo "${mapped[*]}" | median) ms (${mapped[*]})"
}

start_display
start_server
status=0
measure_scrolling_cpu || status=1
measure_idle || status=1
measure_first_paint || status=1
exit $status
