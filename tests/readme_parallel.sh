#!/usr/bin/env bash
# readme_parallel.sh BIN README: README's command for many inputs at once,
# run as it stands on a folder of campsum inputs with the programs of BIN on
# the PATH; every output must be what campsum writes for that input alone.
set -euo pipefail
bin=$(cd "$1" && pwd) readme=$2
command='parallel '"'"'campsum < {} > {.}.out'"'"' ::: inputs/*.in'
grep -qxF "    $command" "$readme" || { echo "README does not show: $command" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/inputs"
for i in $(seq 1 8); do
  printf '1\n%d\n%s\nQ 0 %d\nA 0 %d\nQ 0 0\nE\n' "$i" "$(seq -s ' ' 1 "$i")" $((i - 1)) "$i" \
    >"$work/inputs/case$i.in"
done
(cd "$work" && PATH="$bin:$PATH" eval "$command")
for f in "$work"/inputs/*.in; do
  "$bin/campsum" <"$f" | cmp - "${f%.in}.out" || { echo "differs: $(basename "$f")" >&2; exit 1; }
done
echo "readme_parallel: $(ls "$work"/inputs/*.out | wc -l) outputs, each as campsum writes it alone"
