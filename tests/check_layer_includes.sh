#!/usr/bin/env bash
# Fails when a source file includes a folder of a layer above its own, or a Qt header outside
# the view and the entry point. The layers, lowest first:
layers=(base model detg fitting io form runner qt app)
set -u
src=${1:?usage: check_layer_includes.sh SRC_DIR}
declare -A rank
for i in "${!layers[@]}"; do rank[${layers[$i]}]=$i; done
local_include='^[[:space:]]*#[[:space:]]*include[[:space:]]*"([a-z_]+)/'
qt_include='^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q'
faults=0
while IFS=: read -r file line text; do
  rel=${file#"$src"/}
  own=${rel%%/*}
  if [ -z "${rank[$own]:-}" ]; then
    echo "$rel: folder '$own' is no layer"; faults=$((faults + 1)); continue
  fi
  if [[ $text =~ $local_include ]]; then
    target=${BASH_REMATCH[1]}
    if [ -z "${rank[$target]:-}" ] || [ "${rank[$target]}" -gt "${rank[$own]}" ]; then
      echo "$rel:$line: layer '$own' may not include '$target'"; faults=$((faults + 1))
    fi
  fi
  if [[ $text =~ $qt_include ]] && [ "$own" != qt ] && [ "$own" != app ]; then
    echo "$rel:$line: Qt header outside the view"; faults=$((faults + 1))
  fi
done < <(grep -rnE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include' "$src")
if [ "$faults" -gt 0 ]; then echo "$faults layering faults"; exit 1; fi
echo "layering: every include goes to its own layer or one below"
