#!/bin/bash
# The onsei command against the reviewed variant readings: every row read back
# with "onsei read --variant N", and "onsei variants" listing exactly the rows
# of each text, in order.
#   cli_variants.sh ONSEI variant_readings.tsv
set -u
onsei=$1
table=$2
failures=0
declare -A listed
while IFS=$'\t' read -r text variant reading; do
  [[ -z $text || $text == \#* ]] && continue
  got=$("$onsei" read --variant "$variant" "$text") || { echo "FAIL: $text #$variant: $got"; failures=$((failures + 1)); continue; }
  if [[ $got != "$reading" ]]; then
    echo "FAIL: $text #$variant: $got, expected $reading"
    failures=$((failures + 1))
  fi
  listed[$text]+="$variant	$reading"$'\n'
done < "$table"
for text in "${!listed[@]}"; do
  # Readings 1, 2, ... up to the first that repeats one (out of range: the usual).
  expected=$(printf '%s' "${listed[$text]}" | sort -n | awk -F'\t' 'seen[$2]++ { exit } { print $2 }')
  got=$("$onsei" variants "$text")
  if [[ $got != "$expected" ]]; then
    echo "FAIL: onsei variants $text:"
    echo "$got"
    failures=$((failures + 1))
  fi
done
# A reading number that is not one is refused; say takes VARIANT in the tag.
for bad in 0 -1 x 2x ""; do
  if "$onsei" read --variant "$bad" "<NUMK VAL=7 COUNTER=じ>" > /dev/null 2>&1; then
    echo "FAIL: --variant '$bad' was accepted"
    failures=$((failures + 1))
  fi
done
echo "${#listed[@]} texts checked, $failures failures"
[[ $failures -eq 0 ]]
