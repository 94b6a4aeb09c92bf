#!/usr/bin/env bash
# Stress test of the vote hand-over with real processes (not part of the default test run):
#   bash scripts/stress-votes.sh [REPETITIONS] [BUILD_FOLDER]      (default: 100 build)
# Each repetition runs four probes on a generated race day (1 March 2025, the quinella page of a race with
# ◎ on horses 1-3, voted by marovix-cli):
#   A  a slow plug-in (it reads its vote file 2 s after it starts): two races voted 1 s apart;
#   B  20 pairs of manual votes, the two votes of a pair from two command-line processes at once, to a
#      plug-in that reads its file 0.1 s after it starts;
#   C  three votes whose marovix-cli is killed (kill -9) at a random moment;
#   D  the paper-trading plug-in killed (kill -9) at a random moment of a vote run.
# The plug-in scripts record what they placed. At the end the script prints the counts: votes placed,
# day-log blocks, and the mismatches, which must be 0: a placed vote whose lines no block of the day log
# shows, a race placed twice or another race's lines placed (A, B: placed and logged votes must be the
# same), and yen gone from the paper account without a log line (D). Exit status 1 when a count is off.
set -euo pipefail
cd "$(dirname "$0")/.."
reps=${1:-100}
build=$(realpath "${2:-build}")
cli=$build/bin/marovix-cli
[ -x "$cli" ] || { echo "no $cli: build first" >&2; exit 2; }
work=$(mktemp -d /tmp/marovix-stress-XXXXXX)
trap 'rm -rf "$work"' EXIT
at=(--at "2025/03/01 08:00:00")
day=2025年03月01日

echo "== a race day in $work"
"$cli" feedgen --from 20250301 --to 20250301 --seed 17 --meeting-days 20250301 --out "$work/feed" >/dev/null
"$cli" --at "2025/03/02 00:00:00" download --app-folder "$work/master" --feed "$work/feed" --setup \
  --from "2025/02/22 00:00:00" >/dev/null
for kv in "KaimeSet ShihyoSet 2" "BuyBaken UR 1" "KaimeSet DefaultAmountUR 1000"; do
  set -- $kv
  "$cli" settings --app-folder "$work/master" --section "$1" --key "$2" --value "$3" >/dev/null
done

# An application folder and a plug-in folder for a probe; the plug-in is a script that waits $2 seconds,
# then appends the vote file it was given and "---" to placed.txt in one write.
probe() {
  local name=$1 delay=$2
  mkdir -p "$work/$name/plugin/kaime"
  cp -r "$work/master" "$work/$name/app"
  cat >"$work/$name/plugin/VQMTohyoPlugIn2.exe" <<EOF
#!/bin/sh
sleep $delay
record=\$(cat "\$1"; echo ---)
printf '%s\n' "\$record" >> '$work/$name/placed.txt'
EOF
  chmod 755 "$work/$name/plugin/VQMTohyoPlugIn2.exe"
  "$cli" settings --app-folder "$work/$name/app" --section Dir --key VQMTohyo2 --value "$work/$name/plugin" >/dev/null
}

# The arguments of marovix-cli vote of race-list entry $2 in probe $1, into the array `args`.
voteArgs() {
  args=("${at[@]}" vote --app-folder "$work/$1/app" --day "$day" --race "$2" --page 4
    --click-mark 1:18 --click-mark 2:18 --click-mark 3:18 --wait-limit 120)
}
# marovix-cli vote of race-list entry $2 in probe $1.
vote() {
  voteArgs "$1" "$2"
  "$cli" "${args[@]}" >/dev/null 2>&1
}

# Waits until no plug-in run of probe $1 holds the vote lock.
settle() { flock -w 120 "$work/$1/plugin/kaime/Marovix.lock" true; }

probe A 2
probe B 0.1
probe C 0
failed=0 killed=0

echo "== $reps repetitions"
for ((r = 0; r < reps; r++)); do
  # A: two races of the day, the second voted 1 s after the first.
  first=$((r % 24)) second=$(((r + 7) % 24))
  vote A "$first" || { echo "A $r: first vote not handed over"; failed=$((failed + 1)); }
  sleep 1
  vote A "$second" || { echo "A $r: second vote not handed over"; failed=$((failed + 1)); }

  # B: 20 pairs, the votes of a pair at once.
  for ((p = 0; p < 20; p++)); do
    vote B $(((r + p) % 24)) &
    one=$!
    vote B $(((r + p + 12) % 24)) &
    two=$!
    wait $one || { echo "B $r/$p: a vote not handed over"; failed=$((failed + 1)); }
    wait $two || { echo "B $r/$p: a vote not handed over"; failed=$((failed + 1)); }
  done

  # C: marovix-cli itself killed at a random moment of its run (it takes about 0.15 s), three times.
  for ((k = 0; k < 3; k++)); do
    voteArgs C $(((r + 5 * k) % 24))
    "$cli" "${args[@]}" >/dev/null 2>&1 &
    victim=$!
    sleep "0.$(printf '%03d' $((RANDOM % 160)))"
    kill -9 $victim 2>/dev/null || true
    wait $victim 2>/dev/null && status=0 || status=$?
    if [ "$status" -eq 137 ]; then killed=$((killed + 1)); fi
  done
done
settle A
settle B
settle C

echo "== D: the paper-trading plug-in killed at random moments"
"$cli" plugin --install "$work/D" --balance 100000000 >/dev/null
printf '20250301,06,11,TAN,NORMAL,100,07,\r\n20250301,06,11,UMAFUKU,NORMAL,300,01-08,\r\n' >"$work/D/kaime/250301.csv"
for ((r = 0; r < reps; r++)); do
  "$work/D/VQMTohyoPlugIn2.exe" "$work/D/kaime/250301.csv" &
  victim=$!
  sleep "0.0$(printf '%02d' $((RANDOM % 15)))"
  kill -9 $victim 2>/dev/null || true
  wait $victim 2>/dev/null || true
done

echo "== counts"
echo "C: marovix-cli killed before it ended: $killed of $((3 * reps))"
python3 - "$work" "$failed" <<'EOF'
import collections, glob, re, sys

work, failed = sys.argv[1], int(sys.argv[2])

def read(path):
    try:
        with open(path, 'rb') as f:
            return f.read().decode('cp932').replace('\r', '').split('\n')
    except FileNotFoundError:
        return []

def blocks(name):
    lines, found = [], []
    for path in sorted(glob.glob(f'{work}/{name}/app/log/*.log')):
        lines += read(path)
    for i, line in enumerate(lines):
        if line.endswith(']投票実行'):
            votes, at = [], i + 3
            while at < len(lines) and lines[at] != '***':
                votes.append(lines[at])
                at += 1
            found.append(tuple(votes))
    return found

def placed(name):
    found, current = [], []
    for line in read(f'{work}/{name}/placed.txt'):
        if line == '---':
            found.append(tuple(current))
            current = []
        elif line:
            current.append(line)
    return found

total = {'placed': 0, 'blocks': 0, 'mismatches': 0}
for name, exact in (('A', True), ('B', True), ('C', False)):
    p, b = collections.Counter(placed(name)), collections.Counter(blocks(name))
    # Every placed vote has a block of its very lines; A and B place exactly what they log.
    missing = sum((p - b).values())
    extra = sum((b - p).values()) if exact else 0
    # A vote file holds one race: lines of two races in one placement are crossed votes.
    crossed = sum(n for vote, n in p.items() if len({line[:15] for line in vote}) != 1)
    mismatches = missing + extra + crossed
    print(f'{name}: votes placed {sum(p.values())}, blocks logged {sum(b.values())}, '
          f'mismatches {mismatches} (no block {missing}, block not placed {extra}, crossed {crossed})')
    total['placed'] += sum(p.values())
    total['blocks'] += sum(b.values())
    total['mismatches'] += mismatches

# D: the yen gone from the balance, against the stakes the log says were taken (entries not cancelled).
logged = 0
entries = []
for path in sorted(glob.glob(f'{work}/D/logs/*.log')):
    entries += read(path)
for i, line in enumerate(entries):
    m = re.match(r'■結果 受付:(\d+)件 不可:.*購入金額:(\d+)円', line)
    if m:
        cancelled = i + 1 < len(entries) and entries[i + 1].startswith('[取消]')
        logged += 0 if cancelled else int(m.group(2))
balance = 100000000
for line in read(f'{work}/D/VQMTohyoPlugIn2.ini'):
    if line.startswith('Balance='):
        balance = int(line.split('=', 1)[1])
taken = 100000000 - balance
unlogged = max(0, taken - logged)
runs = sum(1 for line in entries if line.startswith('■投票 '))
print(f'D: plug-in runs logged {runs}, yen taken {taken}, yen logged {logged}, yen taken without a log line {unlogged}')
total['mismatches'] += unlogged
print(f"TOTAL: votes placed {total['placed']}, blocks logged {total['blocks']}, mismatches {total['mismatches']}, "
      f"votes not handed over {failed}")
sys.exit(1 if total['mismatches'] or failed else 0)
EOF
