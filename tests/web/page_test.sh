#!/usr/bin/env bash
# What only the page has to show, read from the page in headless Chromium:
# Form1 as the desktop programs build it (QHJ_FORM1_LAYOUT), under the
# described names; labelled boxes; no request outside the page's folder; a
# manifest to install it by; and the page again with no server, once a
# first visit has let the service worker keep it.
set -uo pipefail
source "$QHJ_SOURCE_DIR/scripts/lib/checks.sh"
source "$QHJ_FORM1_LAYOUT"
source "$QHJ_SOURCE_DIR/tests/e2e/harness/form1_texts.sh"
QHJ_HARNESS_DIR=$QHJ_SOURCE_DIR/tests/e2e/harness
source "$QHJ_HARNESS_DIR/web.sh"
SCREEN_W=1280 SCREEN_H=800
QHJ_WORK=$(mktemp -d)
server_pid=""
trap 'backend_session_stop; [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null; wait; rm -rf "$QHJ_WORK"' EXIT

open_browser "file://$QHJ_WEB_SITE/index.html" || give_up "the page opens from file://"
for name in "${!FORM1_RECT[@]}"; do
    rect=$(js "(c => (r => [r.left - c.left, r.top - c.top, r.width, r.height].map(Math.round).join(' '))(document.getElementById('$name').getBoundingClientRect()))(document.getElementById('client').getBoundingClientRect())")
    check_eq "$name is where Form1 puts it" "$rect" "${FORM1_RECT[$name]}"
    shown=$(js "(e => e.tagName === 'INPUT' ? e.value : e.textContent)(document.getElementById('$name'))")
    check_eq "$name shows its caption" "$shown" "${FORM1_TEXT[$name]}"
done
for name in "$FORM1_MENU_NAME" "${FORM1_MENU_ITEMS[@]}"; do
    check "the menu's $name is there" test "$(js "document.getElementById('$name') !== null")" = true
done
check_eq "the menu's caption" "$(js "document.getElementById('$FORM1_MENU_NAME').textContent")" "$FORM1_MENU_CAPTION"
check_eq "the tab order" "$(js "[...document.querySelectorAll('#client [tabindex]')].sort((a, b) => a.tabIndex - b.tabIndex).map(e => e.id).join(' ')")" "${FORM1_TAB_ORDER[*]}"
for box in Text1 Text2; do
    check "$box is labelled for screen readers" test -n "$(js "(e => e.labels.length && e.getAttribute('aria-label') && e.labels[0].textContent.startsWith(e.getAttribute('aria-label')) ? 'yes' : '')(document.getElementById('$box'))")"
done
check "宋体 is asked for first" test "$(js "/^\"?宋体\"?,/.test(getComputedStyle(document.getElementById('Text1')).fontFamily)")" = true
# Through a file: a pipe would run cdp where the browser's pipes are closed.
cdp requests >"$QHJ_WORK/requests" || fail "the browser lists the requests"
outside=$(python3 -c '
import json, sys
site = "file://" + sys.argv[1] + "/"
print(" ".join(url for url in json.load(open(sys.argv[2])) if not (url.startswith(site) or url.startswith("data:"))))' "$QHJ_WEB_SITE" "$QHJ_WORK/requests")
check_eq "no request outside the page's folder" "$outside" ""
check "the manifest names 青禾笺 and its icons are there" python3 -c '
import json, os, sys
manifest = json.load(open(sys.argv[1] + "/manifest.webmanifest"))
assert manifest["name"] == "青禾笺", manifest["name"]
assert manifest["display"] == "standalone" and manifest["theme_color"], manifest
for icon in manifest["icons"]:
    assert os.path.isfile(sys.argv[1] + "/" + icon["src"]), icon["src"]' "$QHJ_WEB_SITE"
backend_session_stop

# On a phone: the whole window on its screen, wide enough to read, the menu
# too once a tap opens it, and its last item reached by touch.
SCREEN_W=390 SCREEN_H=844
open_browser "file://$QHJ_WEB_SITE/index.html" phone || give_up "the page opens on a phone"
rect_of() { js "(r => $2)(document.getElementById('$1').getBoundingClientRect())"; }
check_eq "on a phone, the window spans the screen's width" "$(rect_of Form1 "Math.round(r.width)")" "$SCREEN_W"
on_screen() {
    for name in "$@"; do
        check_eq "on a phone, $name is on the screen" \
            "$(rect_of "$name" "r.left >= 0 && r.top >= 0 && r.right <= innerWidth && r.bottom <= innerHeight")" true
    done
}
on_screen "${!FORM1_RECT[@]}" "$FORM1_MENU_NAME"
cdp tap $(rect_of "$FORM1_MENU_NAME" "[r.x + r.width / 2, r.y + r.height / 2].join(' ')") >/dev/null
on_screen "${FORM1_MENU_ITEMS[@]}"
cdp tap $(rect_of "${FORM1_MENU_ITEMS[-1]}" "[r.x + r.width / 2, r.y + r.height / 2].join(' ')") >/dev/null
check_eq "a tap on the menu's last item ends the page" "$(js "document.body.classList.contains('ended')")" true
check_eq "the figures box asks for a decimal keypad" "$(js "document.getElementById('Text1').inputMode")" decimal
backend_session_stop
SCREEN_W=1280 SCREEN_H=800

# Served once over HTTP, then with the server gone.
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 -m http.server --bind 127.0.0.1 --directory "$QHJ_WEB_SITE" "$port" >"$QHJ_WORK/server.log" 2>&1 &
server_pid=$!
for _ in $(seq 1 50); do
    python3 -c 'import socket, sys; socket.create_connection(("127.0.0.1", int(sys.argv[1])))' "$port" 2>/dev/null && break
    sleep 0.1
done
open_browser "http://127.0.0.1:$port/index.html" || give_up "the page opens from a web server"
check "the service worker takes the page" test "$(js "navigator.serviceWorker.ready.then(() => new Promise(r => navigator.serviceWorker.controller ? r(true) : navigator.serviceWorker.addEventListener('controllerchange', () => r(true))))")" = true
kill "$server_pid"
wait "$server_pid" 2>/dev/null
server_pid=""
cdp reload >/dev/null
check_eq "with the server gone, the page opens again" "$(js "document.getElementById('caption').textContent")" "$FORM1_CAPTION"
js "document.getElementById('Command1').click()" >/dev/null
sleep 0.5
check_eq "and converts" "$(js "document.getElementById('Text2').value")" "壹拾贰万叁仟肆佰伍拾陆圆柒角捌分整"
finish
