#!/usr/bin/env bash
# A long randomised fuzzing campaign, one target after the other, each from its committed
# inputs with a new random seed; not part of the test command, whose fuzzing is fixed.
#   tools/fuzz-campaign.sh BUILD_DIR [TARGET...]   (PW_FUZZ_CAMPAIGN_SECONDS, default 600 each)
# Each finding is kept as BUILD_DIR/NAME-crash-* (or -leak-, -timeout-, -oom-). Fix the fault,
# then commit the input to fuzz/corpus/NAME/ with a name that says what it found: from then on
# tools/fuzz.sh replays it on every run.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
exec "$root/tools/fuzz.sh" --campaign "${PW_FUZZ_CAMPAIGN_SECONDS:-600}" "$@"
