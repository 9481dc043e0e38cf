#!/usr/bin/env bash
# Runs a list of input files as a Slurm job array: every array task takes one shard of the list,
# runs it on the cores Slurm gave it and writes its own manifest. Submit it from a folder that
# every node sees, for example
#
#   sbatch --array=1-8 --cpus-per-task=4 scripts/slurm-array.sh fields/*.inp
#
# and find the manifests in manifest-1.csv .. manifest-8.csv. Any further vantorel-run options go
# in the variable VANTOREL_OPTIONS (for example VANTOREL_OPTIONS="--yes --skip-done"); the program
# is taken from VANTOREL_RUN, else from the PATH.
#SBATCH --job-name=vantorel
#SBATCH --output=vantorel-%A_%a.log
set -euo pipefail

if [ -z "${SLURM_ARRAY_TASK_ID:-}" ] || [ -z "${SLURM_ARRAY_TASK_COUNT:-}" ]; then
  echo "slurm-array.sh: submit with sbatch --array=1-N; SLURM_ARRAY_TASK_ID is not set" >&2
  exit 2
fi
# The shards count from 1, as --array=1-N does; an array from 0 is shifted.
first=${SLURM_ARRAY_TASK_MIN:-1}
shard=$((SLURM_ARRAY_TASK_ID - first + 1))
program=${VANTOREL_RUN:-vantorel-run}
# shellcheck disable=SC2086
exec "$program" ${VANTOREL_OPTIONS:-} --jobs "${SLURM_CPUS_PER_TASK:-1}" \
  --shard "$shard/$SLURM_ARRAY_TASK_COUNT" --manifest "manifest-$shard.csv" "$@"
