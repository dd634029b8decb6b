#!/usr/bin/env bash
# End to end on a private Xvfb: the start input, a typed amount, the system
# clipboard as another program reads it, and quitting through the menu.
set -euo pipefail
cd "$(dirname "$0")/../.."
source tests/e2e/support/display.sh
source tests/e2e/support/app.sh
trap 'stop_app; stop_private_display' EXIT

start_private_display
start_app
screenshot e2e-start

# The start input, "123456.78", generated and copied.
click_control Command1
click_control Command2
expect_clipboard "壹拾贰万叁仟肆佰伍拾陆圆柒角捌分整"
screenshot e2e-generated

# A typed amount replaces the result; the clipboard gets the new one.
type_into_text1 "1.05"
click_control Command1
click_control Command2
expect_clipboard "壹圆零角伍分整"

type_into_text1 "999999999999"
click_control Command1
click_control Command2
expect_clipboard "玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖圆整"

quit_app_by_menu
echo "PASS: generate, copy and quit"
