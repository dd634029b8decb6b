#!/usr/bin/env bash
# End to end on a private Xvfb: the notices, found by their titles and
# answered with Enter, in the order the conversion shows them, and the help menu.
set -euo pipefail
cd "$(dirname "$0")/../.."
source tests/e2e/support/display.sh
source tests/e2e/support/app.sh
trap 'stop_app; stop_private_display' EXIT

start_private_display
start_app

# 1.a23: the two-decimals warning, then the failure; Text2 ends up empty.
type_into_text1 "1.a23"
click_control Command1
answer_box "警告"
box=$(wait_window "错误")
screenshot e2e-failure-notice root
xdotool windowfocus --sync "$box" key Return
click_control Command2
expect_clipboard ""

# 12a empties a result that was there.
type_into_text1 "5"
click_control Command1
click_control Command2
expect_clipboard "伍圆整"
type_into_text1 "12a"
click_control Command1
answer_box "错误"
click_control Command2
expect_clipboard ""

# The help menu: the usage note and the author notice carry the
# application title; after them the window goes on working.
choose_menu_item 1
answer_box "青禾笺"
choose_menu_item 2
answer_box "青禾笺"
type_into_text1 ".5"
click_control Command1
click_control Command2
expect_clipboard "伍角整"

quit_app_by_menu
echo "PASS: notices and the help menu"
