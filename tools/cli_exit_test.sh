#!/bin/sh
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
out=$("$tool" rng --seed 1 --count 5) || fail=1
[ "$out" = "[41,18467,6334,26500,19169]" ] || { echo "rng gave $out"; fail=1; }
[ "$fail" -eq 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit $fail
