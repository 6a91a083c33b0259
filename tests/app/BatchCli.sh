#!/bin/sh
# Runs the built program in batch mode as a shell user would and checks its standard
# output, standard error and exit status.
# Usage: BatchCli.sh PROGRAM CLEAN_BFILE CASE
set -u
program=$1
clean=$2
case=$3
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT

run() {
    "$program" "$@" >"$out" 2>"$err"
    status=$?
}
fail() {
    echo "$case: $*"
    echo "--- standard output:"
    cat "$out"
    echo "--- standard error:"
    cat "$err"
    exit 1
}
expect_status() { [ "$status" -eq "$1" ] || fail "exit status $status, expected $1"; }
expect_out() { printf '%s\n' "$1" | cmp -s - "$out" || fail "unexpected standard output"; }
expect_no_out() { [ ! -s "$out" ] || fail "standard output should be empty"; }
expect_no_err() { [ ! -s "$err" ] || fail "standard error should be empty"; }

case $case in
version)
    run -V
    expect_status 0
    expect_out "Ardel 5.5.5"
    expect_no_err
    ;;
help)
    run -h
    expect_status 0
    grep -q -- "--convert IN OUT" "$out" || fail "usage lacks --convert"
    expect_no_err
    ;;
check)
    run --check "$clean"
    expect_status 0
    expect_no_out
    expect_no_err
    ;;
check-missing)
    run --check "$clean.missing"
    expect_status 2
    expect_out "Error: The Input File Does Not Exist"
    ;;
validate)
    run --validate "$clean"
    expect_status 0
    expect_out "no problems found"
    expect_no_err
    ;;
validate-missing)
    run --validate "$clean.missing"
    expect_status 2
    expect_out "$clean.missing: error: The Input File Does Not Exist"
    ;;
validate-usage)
    run --validate
    expect_status 64
    expect_no_out
    grep -q -- "--validate FILE" "$err" || fail "usage lacks --validate"
    ;;
unknown-option)
    # Never a file to open, also not beside one: the window does not start.
    for option in --frobnicate -x; do
        run "$clean" "$option"
        expect_status 64
        expect_no_out
        grep -q "^Usage: ardel" "$err" || fail "no usage on standard error for $option"
    done
    ;;
*)
    fail "no such case"
    ;;
esac
