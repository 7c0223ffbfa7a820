#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds and runs the sound benchmark; prints its figures.
# Usage: bench/sound.sh [build folder]   (default: build)
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$here/build"}
cmake -S "$here" -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target sound_bench
# ALSA and SDL talk on stderr while searching for a device; the figures go to stdout.
"$build/bench/sound/sound_bench" 2>/dev/null
