#!/usr/bin/env bash
# End to end on a private Xvfb: copy before any generate leaves the system
# clipboard holding only the empty text, whatever another program put there.
set -euo pipefail
cd "$(dirname "$0")/../.."
source tests/e2e/support/display.sh
source tests/e2e/support/app.sh
trap 'stop_app; stop_private_display' EXIT

start_private_display
printf 'before' | xclip -selection clipboard
expect_clipboard "before"
start_app

# The focus starts on Command2: Space presses it.
xdotool key space
expect_clipboard ""

# A result edited by hand is copied as it stands.
click_control Command1
click_control Text2
xdotool key End BackSpace
xdotool type --delay 10 -- " ok"
click_control Command2
expect_clipboard "壹拾贰万叁仟肆佰伍拾陆圆柒角捌分 ok"

quit_app_by_menu
echo "PASS: copy before generate, copy of an edited result"
