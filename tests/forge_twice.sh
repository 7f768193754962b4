#!/bin/sh
# The forge is deterministic: a second run gives the same bytes as the data folder the
# build made. Usage: forge_twice.sh <forge> <content folder> <build folder>
set -e
forge=$1 content=$2 build=$3
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$forge" "$content" "$out"
# The build's stamp file is not the forge's own output.
if diff -r -q -x .forged "$build/data" "$out/data" && cmp -s "$build/icon32.ico" "$out/icon32.ico" \
  && diff -r -q "$build/icons" "$out/icons"; then
  echo "1 passed, 0 failed"
else
  echo "0 passed, 1 failed: the forge wrote different bytes the second time"
  exit 1
fi
