#!/usr/bin/env bash
# Checks that a program answers like a command-line tool:
#   --help     usage on standard output, nothing on standard error, exit 0
#   --version  "NAME VERSION" (or the bare VERSION) on standard output, exit 0
#   each wrong command line given after "--"  usage on standard error, nothing on standard
#              output, exit 2 (arguments of one wrong line are separated by blanks)
# usage: check-command-line.sh PROGRAM NAME VERSION -- 'WRONG LINE' ...
set -uo pipefail
program=$1 name=$2 version=$3
shift 3
[ "${1:-}" = "--" ] && shift

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# run ARGS...: sets status, out and err
run() {
    "$program" "$@" >"$work/out" 2>"$work/err" </dev/null
    status=$?
    out=$(cat "$work/out")
    err=$(cat "$work/err")
}

run --help
[ "$status" -eq 0 ] || fail "--help exits with $status"
case "$out" in
    [Uu]"sage: $name "*) ;;
    *) fail "--help does not print the usage on standard output: '$out'" ;;
esac
[ -z "$err" ] || fail "--help writes to standard error: '$err'"

run --version
[ "$status" -eq 0 ] || fail "--version exits with $status"
[ "$out" = "$name $version" ] || [ "$out" = "$version" ] ||
    fail "--version prints '$out', not '$name $version'"

for line in "$@"; do
    # shellcheck disable=SC2086 # a wrong line is split into its arguments on purpose
    run $line
    [ "$status" -eq 2 ] || fail "'$line' exits with $status, not 2"
    [ -z "$out" ] || fail "'$line' writes to standard output: '$out'"
    case "$err" in
        *[Uu]"sage: $name "*) ;;
        *) fail "'$line' does not print the usage on standard error: '$err'" ;;
    esac
done

[ "$failures" -eq 0 ] && echo "$name: --help, --version and $# wrong command lines as expected"
[ "$failures" -eq 0 ]
