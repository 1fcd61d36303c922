#!/bin/sh

# SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The installed tool's contract seen from a shell: bad input exits 2 with one line on standard
# error and nothing on standard output; good input exits 0.
tool="$1"
work=$(mktemp -d "${TMPDIR:-/tmp}/kovarin-cli.XXXXXX") || exit 1
trap 'rm -rf "$work"' EXIT
trap 'exit 1' HUP INT TERM
fail=0
check_refused() {
  out=$("$tool" "$@" 2>"$work/err"); status=$?
  lines=$(wc -l < "$work/err")
  if [ "$status" -ne 2 ] || [ -n "$out" ] || [ "$lines" -ne 1 ]; then
    echo "not refused properly: $* (status $status, stdout '$out', $lines error lines)"; fail=1
  fi
}
check_refused arrange "Zh 2h 3h 4h 5h 6h 7h 8h 9h Th Jh Qh Kh"
check_refused rng --seed x --count 3
check_refused start --seed 1 --opponents 9 --option chi
check_refused nonsense
printf '{"seats": [' > "$work/in.json"
check_refused settle --option chi "$work/in.json"
# A trash back claimed as a straight flush, and thirteen ranks in mixed suits claimed as a
# thirteen-card straight flush: categories above what the cards make.
honest='{"back":{"cards":["Ah","Ad","Ac","3h","3d"],"category":6},"middle":{"cards":["4h","4d","4s","2d","8d"],"category":3},"front":{"cards":["Qh","Qd","9d"],"category":1}}'
printf '{"seats":[{"back":{"cards":["2h","5d","7c","9s","Jh"],"category":8},"middle":{"cards":["Ks","Kc","Tc","8h","6h"],"category":1},"front":{"cards":["Qs","Jc","5c"],"category":0}},%s]}' "$honest" > "$work/in.json"
check_refused settle --option chi "$work/in.json"
mixed='["As","2h","3c","4c","5d","6s","7h","8h","9s","Th","Jd","Qs","Kd"]'
printf '{"seats":[%s,{"back":{"cards":%s,"category":15},"middle":{"cards":%s,"category":15},"front":{"cards":%s,"category":15}}]}' "$honest" "$mixed" "$mixed" "$mixed" > "$work/in.json"
check_refused settle --option set "$work/in.json"
check_refused arena --a normal --b hard --deals 2
check_refused arena --a first --b random --deals 0
check_refused arena --a first --b random --deals 2 --threads 0
check_refused arena-table --strategies first,first --deals 2
out=$("$tool" arena --a first --b random --deals 20 --seed 3 --option set 2>"$work/err") || fail=1
case "$out" in
  '{"a":"first","b":"random","option":"set","deals":20,"mean":'*) ;;
  *) echo "arena gave '$out'"; fail=1 ;;
esac
[ -s "$work/err" ] && { echo "arena wrote to standard error"; fail=1; }
out=$("$tool" rng --seed 1 --count 5) || fail=1
[ "$out" = "[41,18467,6334,26500,19169]" ] || { echo "rng gave $out"; fail=1; }
[ "$fail" -eq 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit $fail
