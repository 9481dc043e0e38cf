#!/usr/bin/env bash
# check-slurm-array.sh SCRIPT RUNNER EXAMPLE: scripts/slurm-array.sh with the variables Slurm sets
# for a whole array 1-N, a task resubmitted alone and a stepped array, set here by hand.
set -euo pipefail
script=$1
export VANTOREL_RUN=$2
example=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"
for n in 1 2 3 4 5 6; do cp "$example" "field-$n.inp"; done
inputs=(field-1.inp field-2.inp field-3.inp field-4.inp field-5.inp field-6.inp)
status=0

# array ID MIN MAX COUNT [VANTOREL_SHARDS]: runs the task into log-ID; its exit status.
array() {
  env -u VANTOREL_SHARDS SLURM_ARRAY_TASK_ID=$1 SLURM_ARRAY_TASK_MIN=$2 SLURM_ARRAY_TASK_MAX=$3 \
    SLURM_ARRAY_TASK_COUNT=$4 ${5:+VANTOREL_SHARDS=$5} VANTOREL_OPTIONS=--yes \
    bash "$script" "${inputs[@]}" >"log-$1" 2>&1
}
# ran ID MIN MAX COUNT SHARDS FILE...: the task ran and its manifest-ID.csv lists exactly these
# inputs, completed.
ran() {
  local id=$1
  if ! array "$1" "$2" "$3" "$4" "$5"; then
    echo "task $id failed:"
    cat "log-$id"
    status=1
    return
  fi
  shift 5
  local listed wanted=""
  listed=$(tail -n +2 "manifest-$id.csv" | cut -d, -f1,3 | tr -d '\r' | tr '\n' ' ')
  for file in "$@"; do wanted+="$file,completed "; done
  [ "$listed" = "$wanted" ] || { echo "manifest-$id.csv lists '$listed', not '$wanted'"; status=1; }
}
# refused ID MIN MAX COUNT SHARDS TEXT: the task exited with 2, saying TEXT and running nothing.
refused() {
  local code=0
  array "$1" "$2" "$3" "$4" "$5" || code=$?
  if [ $code -ne 2 ] || ! grep -q "$6" "log-$1" || [ -e "manifest-$1.csv" ]; then
    echo "task $1 was not refused with '$6' (status $code):"
    cat "log-$1"
    status=1
  fi
}

# --array=1-3: N is the array's size.
ran 2 1 3 3 "" field-2.inp field-5.inp
# --array=5 resubmitted alone: N must be given, and then it is shard 5 of 6.
refused 5 5 5 1 "" VANTOREL_SHARDS
ran 5 5 5 1 6 field-5.inp
# --array=1-6:2: the task IDs 1, 3 and 5 are shards of six.
refused 3 1 5 3 "" VANTOREL_SHARDS
ran 3 1 5 3 6 field-3.inp
# A task beyond the shards.
refused 7 7 7 1 6 "not a shard of 1-6"
exit $status
