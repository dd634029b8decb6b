#!/usr/bin/env bash
# Opens the window program once it exists.
set -euo pipefail
cd "$(dirname "$0")/.."
echo "The window is not built yet: only the conversion core and its tests exist so far."
