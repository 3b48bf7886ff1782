#!/usr/bin/env bash
# The catalogue check fails on broken.po and names each kind of fault it holds.
#   check_finds_faults.sh <python3> <check_catalogue.py> <broken.po>
out=$("$1" "$2" "$3")
status=$?
echo "$out"
[ $status -ne 0 ] || { echo "FAIL: the check passed a broken catalogue"; exit 1; }
for fault in 'placeholders differ' 'markup differs' 'fuzzy:' 'translated in several ways' 'share the accelerator'; do
  grep -q "$fault" <<<"$out" || { echo "FAIL: no '$fault' reported"; exit 1; }
done
