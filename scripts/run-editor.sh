#!/usr/bin/env bash
# The planner's demo (scripts/run.sh: SAMPLE1 installed into build/run/, the controls registered),
# started as the objectives editor TRD: the local objectives typed here are those the planner schedules.
exec "$(dirname "$0")/run.sh" TRD
