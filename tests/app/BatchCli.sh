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

# A RINEX 3 observation file of station CEDA on 2024-01-05 (GPS time), or a navigation file.
header_line() { printf '%-60s%-20s\n' "$1" "$2"; }
observation_file() {
    {
        header_line "     3.04           OBSERVATION DATA    G" "RINEX VERSION / TYPE"
        header_line "CEDA00USA" "MARKER NAME"
        header_line "5832K01234          TRIMBLE NETR9       5.45" "REC # / TYPE / VERS"
        header_line "CR519               ASH700936B_M    NONE" "ANT # / TYPE"
        header_line "  1112162.1860 -4842853.6130  3985496.0470" "APPROX POSITION XYZ"
        header_line "        1.5000        0.0000        0.0000" "ANTENNA: DELTA H/E/N"
        header_line "  2024     1     5    $2     0    0.0000000     GPS" "TIME OF FIRST OBS"
        header_line "  2024     1     5    23    59   30.0000000     GPS" "TIME OF LAST OBS"
        header_line "" "END OF HEADER"
    } >"$1"
}
antex_file() {
    {
        header_line "     1.4            M" "ANTEX VERSION / SYST"
        header_line "" "END OF HEADER"
        header_line "" "START OF ANTENNA"
        header_line "ASH700936B_M    NONE" "TYPE / SERIAL NO"
        header_line "   G01" "START OF FREQUENCY"
        header_line "      0.50      0.20     90.00" "NORTH / EAST / UP"
        header_line "   G01" "END OF FREQUENCY"
        header_line "" "END OF ANTENNA"
    } >"$1"
}

case $case in
version)
    run --version
    expect_status 0
    expect_out "Ardel 5.5.5"
    expect_no_err
    ;;
help)
    run --help
    expect_status 0
    grep -q -- "--convert IN OUT" "$out" || fail "usage lacks --convert"
    grep -q -- "--import-rinex PROJECT FILE" "$out" || fail "usage lacks --import-rinex"
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
    expect_no_out
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
import-rinex)
    dir=$(mktemp -d)
    trap 'rm -rf "$out" "$err" "$dir"' EXIT
    observation_file "$dir/ceda.rnx" " 0"
    observation_file "$dir/ceda12.rnx" "12"
    antex_file "$dir/igs.atx"
    header_line "     3.04           N: GNSS NAV DATA    G: GPS" "RINEX VERSION / TYPE" >"$dir/brdc.rnx"
    run --import-rinex "$dir/new.bfl" "$dir/ceda.rnx" --initials JDS --antex "$dir/igs.atx"
    expect_status 0
    expect_out "$dir/ceda.rnx: session 0001 R0044ACEDA 2024-01-04 23:59 - 2024-01-05 23:59 (station 0001 new, instrument 001 new, antenna 001 new)"
    grep -q '^000070\*27\*00012401042359 1590' "$dir/new.bfl" || fail "no *27* record with the height 1.590"
    run --import-rinex "$dir/new.bfl" "$dir/ceda.rnx" --antex "$dir/igs.atx"
    expect_status 1
    expect_out "$dir/ceda.rnx: skipped: session 0001 2024-01-04 23:59 is already in the project"
    run --import-rinex "$dir/new.bfl" "$dir/brdc.rnx" "$dir/ceda12.rnx" --cable 5 --antex "$dir/igs.atx"
    expect_status 2
    expect_out "$dir/brdc.rnx: error: not an observation file (navigation)
$dir/ceda12.rnx: session 0001 R0054ACEDA 2024-01-05 11:59 - 2024-01-05 23:59 (station 0001 existing, instrument 001 existing, antenna 001 existing)"
    [ "$(grep -c '\*25\*' "$dir/new.bfl")" -eq 2 ] || fail "the second session was not written"
    run --import-rinex "$dir/missing/new.bfl" "$dir/ceda.rnx"
    expect_status 3
    run --import-rinex "$dir/new.bfl" --cable
    expect_status 64
    ;;
unknown-option)
    run --frobnicate
    expect_status 64
    expect_no_out
    grep -q "^Usage: ardel" "$err" || fail "no usage on standard error"
    ;;
*)
    fail "no such case"
    ;;
esac
