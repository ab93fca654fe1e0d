#!/usr/bin/env bash
# Times `strcrypt -f list` against `strcrypt -f raw` on the same 16 MB input in one run.
set -euo pipefail
strcrypt=${1:?usage: cli_list_vs_raw.sh PATH/TO/strcrypt}
input=$(mktemp)
trap 'rm -f "$input"' EXIT
head -c $((16 << 20)) /dev/urandom > "$input"
hyperfine --warmup 1 --runs 5 \
  "$strcrypt encrypt --encoding gbk -p secret -f raw < $input > /dev/null" \
  "$strcrypt encrypt --encoding gbk -p secret -f list < $input > /dev/null"
