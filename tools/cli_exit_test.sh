#!/bin/sh
# The installed tool's contract seen from a shell: bad input exits 2 with one line on standard
# error and nothing on standard output; good input exits 0.
tool="$1"
fail=0
check_refused() {
  out=$("$tool" "$@" 2>/tmp/kovarin-cli-err.$$); status=$?
  lines=$(wc -l < /tmp/kovarin-cli-err.$$)
  if [ "$status" -ne 2 ] || [ -n "$out" ] || [ "$lines" -ne 1 ]; then
    echo "not refused properly: $* (status $status, stdout '$out', $lines error lines)"; fail=1
  fi
}
check_refused arrange "Zh 2h 3h 4h 5h 6h 7h 8h 9h Th Jh Qh Kh"
check_refused rng --seed x --count 3
check_refused start --seed 1 --opponents 9 --option chi
check_refused nonsense
printf '{"seats": [' > /tmp/kovarin-cli-in.$$
check_refused settle --option chi /tmp/kovarin-cli-in.$$
out=$("$tool" rng --seed 1 --count 5) || fail=1
[ "$out" = "[41,18467,6334,26500,19169]" ] || { echo "rng gave $out"; fail=1; }
rm -f /tmp/kovarin-cli-err.$$ /tmp/kovarin-cli-in.$$
[ "$fail" -eq 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit $fail
