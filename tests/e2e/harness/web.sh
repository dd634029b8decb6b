# The harness's web back end: the page (QHJ_WEB_SITE/index.html, opened
# from file://) in headless Chromium, driven over its DevTools protocol by
# cdp.py. The page is no X window, so this file gives the harness's
# primitives (harness.sh) through the browser; the scenarios stay as they
# are. The browser's clipboard is its own.

QHJ_CDP_PID=""
# What another program put on the clipboard before the browser started:
# the browser's clipboard takes it as the page opens.
QHJ_PENDING_CLIPBOARD=""

# One command to the browser; its value on standard output, false on an
# error.
cdp() {
    local status value
    printf '%s\n' "$*" >&"${QHJ_CDP[1]}"
    IFS=$'\t' read -r -t 30 status value <&"${QHJ_CDP[0]}" || { echo "the browser did not answer: $*" >&2; return 1; }
    if [ "$status" != ok ]; then
        echo "browser: $value" >&2
        return 1
    fi
    printf '%b' "${value//%/%%}"
}

# JavaScript as one line: the page's own state, answered as text.
js() {
    cdp eval "$*"
}

backend_session_start() {
    :
}

backend_session_stop() {
    if [ -n "$QHJ_CDP_PID" ]; then
        exec {QHJ_CDP[1]}>&-
        wait "$QHJ_CDP_PID" 2>/dev/null
        QHJ_CDP_PID=""
    fi
}

# URL in a browser of its own, the size of the harness's screen; a phone's
# touch screen with "phone" after it.
open_browser() {
    local ready
    coproc QHJ_CDP { exec python3 "$QHJ_HARNESS_DIR/cdp.py" "$1" "$SCREEN_W" "$SCREEN_H" "$QHJ_WORK/profile" \
        ${2:+"$2"} 2>"$QHJ_WORK/browser.log"; }
    QHJ_CDP_PID=$QHJ_CDP_PID
    IFS= read -r -t 60 ready <&"${QHJ_CDP[0]}"
    if [ "$ready" != ok ]; then
        sed 's/^/  browser: /' "$QHJ_WORK/browser.log" >&2
        return 1
    fi
}

backend_start() {
    open_browser "file://$QHJ_WEB_SITE/index.html" || return 1
    PROGRAM_PID=$QHJ_CDP_PID
    PROGRAM_WINDOW=page
    if [ -n "$QHJ_PENDING_CLIPBOARD" ]; then
        put_clipboard "$QHJ_PENDING_CLIPBOARD"
        QHJ_PENDING_CLIPBOARD=""
    fi
    read -r WINDOW_X WINDOW_Y WINDOW_W WINDOW_H <<<"$(js "(r => [r.left, r.top, r.width, r.height].map(Math.round).join(' '))(document.getElementById('Form1').getBoundingClientRect())")"
    read -r CLIENT_X CLIENT_Y <<<"$(js "(r => [r.left, r.top].map(Math.round).join(' '))(document.getElementById('client').getBoundingClientRect())")"
    [ -n "$CLIENT_Y" ]
}

backend_stop() {
    backend_session_stop
    PROGRAM_PID=""
}

# The page runs until 退出软件 ends it, or the browser closes it.
backend_running() {
    [ -n "$QHJ_CDP_PID" ] || return 1
    [ "$(cdp closed)" = false ] && [ "$(js "document.body.classList.contains('ended')")" = false ]
}

backend_reap() {
    return 0
}

backend_no_window_left() {
    [ "$(cdp closed)" = true ] || [ "$(js "document.body.inert")" = true ]
}

# The page's own caption bar; the browser's title collapses the spaces.
backend_window_caption() {
    js "document.getElementById('caption').textContent"
}

backend_click_at() {
    cdp click "$1" "$2" >/dev/null
}

backend_key() {
    cdp key "$1" >/dev/null
}

backend_type() {
    cdp type "$1" >/dev/null
}

backend_choose_menu_item() {
    js "document.getElementById('$FORM1_MENU_NAME').click()" >/dev/null
    js "document.querySelectorAll('#menu button')[$1 - 1].click()" >/dev/null
}

backend_notice_title() {
    js "(d => d.open ? document.getElementById('notice-title').textContent : '')(document.getElementById('notice'))"
}

backend_notice_size() {
    read -r NOTICE_W NOTICE_H <<<"$(js "(r => [r.width, r.height].map(Math.round).join(' '))(document.getElementById('notice').getBoundingClientRect())")"
}

# With a moment after it, as a person takes: the command that showed the
# notice ends only after the notice closes, and until then the page takes
# no other command.
backend_answer() {
    press Return
}

backend_clipboard() {
    if [ -z "$QHJ_CDP_PID" ]; then
        printf '%s' "$QHJ_PENDING_CLIPBOARD"
        return
    fi
    js "navigator.clipboard.readText()"
}

backend_clipboard_readable() {
    cdp eval "navigator.clipboard.readText()" >/dev/null
}

backend_put_clipboard() {
    if [ -z "$QHJ_CDP_PID" ]; then
        QHJ_PENDING_CLIPBOARD=$1
        return
    fi
    js "navigator.clipboard.writeText($(python3 -c 'import json, sys; print(json.dumps(sys.argv[1]))' "$1"))" >/dev/null
}

# The page as the browser draws it, whatever the geometry.
backend_screenshot() {
    cdp screenshot "$1" >/dev/null
}

# The browser refuses the page the clipboard until it is let go.
backend_click_with_clipboard_held() {
    cdp clipboard denied >/dev/null && click "$1"
}

backend_release_clipboard() {
    cdp clipboard granted >/dev/null
}

# What this back end cannot do, and why.
backend_can() {
    case $1 in
    close) echo "a page is closed with its tab, not by the program" ;;
    clipboard-outlives-program) echo "the page's clipboard is the browser's, which outlives any page" ;;
    esac
    return 1
}
