#!/usr/bin/env bash
# A learner's run through the real window, driven by xdotool under Xvfb: a 12-word dictionary and tests of 4.
# Three tests across a restart of the program ask 12 different words; then a test with one wrong answer, after
# which the next test asks that word first. The word being asked is the recording the program holds open; each
# judged answer is checked against the last answer in the word history.
# Usage: tools/learner-run.sh [build folder]; needs xvfb-run, xdotool and python3.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
program=$(cd "${1:-$source_dir/build}" && pwd)/quillora
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
mkdir -p "$root/work/Default" "$root/home/.local/share/Brindlecot/Quillora"
for word in apple book bottle bread brother chair cloud door evening family father flower; do
    cp "$source_dir/Default/$word.wav" "$root/work/Default/"
done
cp -r "$source_dir/help" "$root/work/"
printf 'tip=0\ntest_number=4\n' > "$root/home/.local/share/Brindlecot/Quillora/settings.conf"

cat > "$root/session.sh" <<'SESSION'
set -euo pipefail
history=$HOME/.local/share/Brindlecot/Quillora/history.sqlite
answers() { python3 -c 'import sqlite3,sys; print(sqlite3.connect(sys.argv[1]).execute("select count(*) from answers").fetchone()[0])' "$history" 2>/dev/null || echo 0; }
last() { python3 -c 'import sqlite3,sys; print(sqlite3.connect(sys.argv[1]).execute("select w.word from answers a join words w on w.id=a.word order by a.id desc limit 1").fetchone()[0])' "$history"; }
playing() { ls -l "/proc/$pid/fd" 2>/dev/null | grep -o 'Default/[^/]*\.wav' | tail -1 | sed 's#Default/##; s#\.wav##'; }
start() {
    (cd "$WORK" && exec "$PROGRAM" >> "$ROOT/program.log" 2>&1) &
    pid=$!
    for _ in $(seq 100); do main=$(xdotool search --onlyvisible --name '^Quillora$' 2>/dev/null | tail -1 || true); [ -n "$main" ] && break; sleep 0.2; done
    sleep 1
    xdotool mousemove --window "$main" 300 200 click 1; sleep 0.3
}
stop() { kill "$pid"; wait "$pid" 2>/dev/null || true; }
# One test of 4; the words in $1 (space-separated positions) are answered wrongly. Prints the words asked.
test4() {
    local wrong=" $1 " asked=() q before word typed
    xdotool key F5
    for q in 1 2 3 4; do
        sleep 1.5
        word=$(playing)
        [ -n "$word" ] || { echo "no recording open at question $q" >&2; exit 1; }
        typed=$word
        [[ $wrong == *" $q "* ]] && typed=zzz
        before=$(answers)
        xdotool type --delay 30 "$typed"
        for _ in $(seq 20); do # Enter is taken once the word has been heard
            xdotool key Return; sleep 0.5
            [ "$(answers)" -gt "$before" ] && break
        done
        [ "$(last)" = "$word" ] || { echo "judged $(last), but $word was open" >&2; exit 1; }
        asked+=("$word")
        xdotool key Return # the next word, or the score
    done
    echo "${asked[@]}"
}
start
t1=$(test4 ""); t2=$(test4 "")
stop; start # a program start between tests
t3=$(test4 "")
echo "test 1: $t1"; echo "test 2: $t2"; echo "test 3 (after a restart): $t3"
distinct=$(echo $t1 $t2 $t3 | tr ' ' '\n' | sort -u | wc -l)
echo "different words in tests 1 to 3: $distinct"
t4=$(test4 "1"); missed=${t4%% *}
t5=$(test4 "")
import -window root "$ROOT/shot.png" 2>/dev/null || true
stop
echo "test 4, first answered wrongly: $t4"; echo "test 5: $t5"
[ "$distinct" = 12 ] || { echo "FAIL: tests 1 to 3 repeated a word"; exit 1; }
[ "${t5%% *}" = "$missed" ] || { echo "FAIL: test 5 did not ask $missed first"; exit 1; }
echo "learner run: passed"
SESSION

cd "$root"
env -u XDG_DATA_HOME -u XDG_CONFIG_HOME -u XDG_CONFIG_DIRS -u QT_QPA_PLATFORM HOME="$root/home" ROOT="$root" \
    WORK="$root/work" PROGRAM="$program" xvfb-run -a -s "-screen 0 1024x768x24" bash "$root/session.sh"
