#!/usr/bin/env bash
# Runs a list of input files as a Slurm job array: array task K runs shard K of N of the list on
# the CPUs Slurm gave it and writes manifest-K.csv. Submit it from a folder that every node sees:
#
#   sbatch --array=1-8 --cpus-per-task=4 scripts/slurm-array.sh fields/*.inp
#
# For an array 1-N without a step, N is the array's size. Any other array says N in the variable
# VANTOREL_SHARDS, so that a task resubmitted alone, or a stepped or sparse array, runs the same
# shard it would have run in the whole array:
#
#   sbatch --array=5 --export=ALL,VANTOREL_SHARDS=8 scripts/slurm-array.sh fields/*.inp
#
# Any further vantorel-run options go in VANTOREL_OPTIONS (for example "--yes --skip-done"); the
# program is taken from VANTOREL_RUN, else from the PATH.
#SBATCH --job-name=vantorel
#SBATCH --output=vantorel-%A_%a.log
set -euo pipefail

fail() {
  echo "slurm-array.sh: $*" >&2
  exit 2
}
whole() { [[ $1 =~ ^[0-9]+$ ]]; }

task=${SLURM_ARRAY_TASK_ID:-}
whole "$task" || fail "SLURM_ARRAY_TASK_ID is not set: submit with sbatch --array=..."
if [ -n "${VANTOREL_SHARDS:-}" ]; then
  shards=$VANTOREL_SHARDS
  whole "$shards" || fail "VANTOREL_SHARDS must be a whole number, not '$shards'"
elif [ "${SLURM_ARRAY_TASK_MIN:-}" = 1 ] && [ "${SLURM_ARRAY_TASK_MAX:-}" = "${SLURM_ARRAY_TASK_COUNT:-}" ]; then
  shards=$SLURM_ARRAY_TASK_COUNT
else
  fail "this array is not 1-N without a step (task $task of ${SLURM_ARRAY_TASK_MIN:-?}-${SLURM_ARRAY_TASK_MAX:-?}, ${SLURM_ARRAY_TASK_COUNT:-?} tasks): give the number of shards in VANTOREL_SHARDS"
fi
if [ "$task" -lt 1 ] || [ "$task" -gt "$shards" ]; then
  fail "array task $task is not a shard of 1-$shards: the task IDs are the shards 1 to N"
fi

jobs=()
# Without it Slurm binds the task to one CPU, which the runner counts by itself.
[ -n "${SLURM_CPUS_PER_TASK:-}" ] && jobs=(--jobs "$SLURM_CPUS_PER_TASK")
program=${VANTOREL_RUN:-vantorel-run}
# shellcheck disable=SC2086
exec "$program" ${VANTOREL_OPTIONS:-} "${jobs[@]}" --shard "$task/$shards" --manifest "manifest-$task.csv" "$@"
