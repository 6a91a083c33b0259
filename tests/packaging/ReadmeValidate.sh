#!/bin/sh
# The README's --validate example is what the program prints: the lines after
# "$ ardel --validate FILE" in the README's block are compared with the output of that
# command, run in the examples folder, and the status must say errors (2).
# Usage: ReadmeValidate.sh PROGRAM README EXAMPLES_DIR
set -u
program=$1
readme=$2
examples=$3
command='$ ardel --validate harbour_survey_faults.bfl'

shown=$(awk -v command="$command" '
    $0 == command { inside = 1; next }
    inside && /^```/ { exit }
    inside { print }' "$readme")
[ -n "$shown" ] || { echo "the README shows no output after \"$command\""; exit 1; }
printed=$(cd "$examples" && "$program" --validate harbour_survey_faults.bfl)
status=$?
if [ "$printed" != "$shown" ]; then
    echo "the README's --validate example differs from the program's output:"
    echo "--- README:"
    printf '%s\n' "$shown"
    echo "--- program:"
    printf '%s\n' "$printed"
    exit 1
fi
[ "$status" -eq 2 ] || { echo "status $status, expected 2"; exit 1; }
echo "README --validate example: passed"
