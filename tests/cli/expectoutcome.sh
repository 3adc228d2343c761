#!/bin/sh
# expectoutcome.sh STATUS PATTERN COMMAND [ARGUMENT...]
# Runs the command; passes when it ends with STATUS and its output matches the grep PATTERN.
expected=$1
pattern=$2
shift 2
output=$("$@")
status=$?
if [ "$status" != "$expected" ]; then
    echo "expected exit status $expected, saw $status" >&2
    exit 1
fi
printf '%s\n' "$output" | grep -q -- "$pattern" || {
    echo "expected output matching $pattern, saw:" >&2
    printf '%s\n' "$output" >&2
    exit 1
}
