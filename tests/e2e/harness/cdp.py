#!/usr/bin/env python3
"""Headless Chromium for the end-to-end harness's web back end, driven over
its DevTools protocol through a pipe (--remote-debugging-pipe), so that no
port is opened and no client library is needed.

    cdp.py URL WIDTH HEIGHT PROFILE_DIR [phone]

Opens URL in a page of WIDTH x HEIGHT, as a phone's touch screen with
"phone", says "ok", and then answers one
command a line on standard input with one line on standard output: "ok",
a tab and the value (a text with backslashes doubled and line breaks as
\n, anything else as JSON), or "error", a tab and what went wrong:

    eval JS              the value of the expression, promises awaited
    click X Y            a left click at page coordinates
    tap X Y              a finger's tap there
    key KEY              one key: Tab, space, Return, KP_Enter, Escape, Home,
                         End, BackSpace, Down, F10, shift+End, ctrl+v ...
    type TEXT            TEXT typed where the focus is
    clipboard granted|denied
                         what the page may do with the clipboard
    screenshot FILE      the page as a PNG
    reload               loads the page again, and waits for it
    requests             every URL the page asked for
    closed               whether the page has gone
"""
import base64
import json
import os
import subprocess
import sys

KEYS = {
    "Tab": ("Tab", "Tab", 9, ""),
    "space": (" ", "Space", 32, " "),
    "Return": ("Enter", "Enter", 13, "\r"),
    "KP_Enter": ("Enter", "NumpadEnter", 13, "\r"),
    "Escape": ("Escape", "Escape", 27, ""),
    "Home": ("Home", "Home", 36, ""),
    "End": ("End", "End", 35, ""),
    "BackSpace": ("Backspace", "Backspace", 8, ""),
    "Down": ("ArrowDown", "ArrowDown", 40, ""),
    "Up": ("ArrowUp", "ArrowUp", 38, ""),
    "F10": ("F10", "F10", 121, ""),
    "v": ("v", "KeyV", 86, "v"),
    "a": ("a", "KeyA", 65, "a"),
}
MODIFIERS = {"alt": 1, "ctrl": 2, "shift": 8}
EDIT_COMMANDS = {("ctrl", "v"): "paste", ("ctrl", "a"): "selectAll"}


class Browser:
    def __init__(self, width, height, profile):
        to_browser_r, self.to_browser = os.pipe()
        self.from_browser, from_browser_w = os.pipe()
        os.set_inheritable(to_browser_r, True)
        os.set_inheritable(from_browser_w, True)

        def pipes():
            os.dup2(to_browser_r, 3)
            os.dup2(from_browser_w, 4)

        self.process = subprocess.Popen(
            ["chromium", "--headless=new", "--no-sandbox", "--disable-gpu", "--remote-debugging-pipe",
             "--no-first-run", "--no-default-browser-check", "--disable-extensions",
             "--disable-background-networking", "--disable-component-update", "--disable-sync",
             "--user-data-dir=" + profile, "--window-size=%d,%d" % (width, height), "about:blank"],
            preexec_fn=pipes, pass_fds=(3, 4), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(to_browser_r)
        os.close(from_browser_w)
        self.buffer = b""
        self.next_id = 0
        self.session = None
        self.requests = []
        self.closed = False
        self.loads = 0

    def send(self, method, params=None, session=True):
        self.next_id += 1
        message = {"id": self.next_id, "method": method, "params": params or {}}
        if session and self.session:
            message["sessionId"] = self.session
        os.write(self.to_browser, json.dumps(message).encode() + b"\0")
        while True:
            reply = self.receive()
            if reply.get("id") == self.next_id:
                if "error" in reply:
                    raise RuntimeError("%s: %s" % (method, reply["error"].get("message")))
                return reply.get("result", {})

    def receive(self):
        while b"\0" not in self.buffer:
            chunk = os.read(self.from_browser, 65536)
            if not chunk:
                raise RuntimeError("the browser went away")
            self.buffer += chunk
        raw, self.buffer = self.buffer.split(b"\0", 1)
        message = json.loads(raw)
        method = message.get("method")
        if method == "Network.requestWillBeSent":
            self.requests.append(message["params"]["request"]["url"])
        elif method == "Page.loadEventFired":
            self.loads += 1
        elif method in ("Target.targetDestroyed", "Target.detachedFromTarget", "Inspector.detached"):
            self.closed = True
        return message

    def open(self, url, width, height, phone):
        self.send("Target.setDiscoverTargets", {"discover": True}, session=False)
        target = self.send("Target.createTarget", {"url": "about:blank"}, session=False)["targetId"]
        self.session = self.send("Target.attachToTarget", {"targetId": target, "flatten": True},
                                 session=False)["sessionId"]
        self.send("Browser.grantPermissions", {"permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]},
                  session=False)
        for domain in ("Page", "Runtime", "Network"):
            self.send(domain + ".enable")
        self.send("Emulation.setDeviceMetricsOverride",
                  {"width": width, "height": height, "deviceScaleFactor": 3 if phone else 1, "mobile": phone})
        if phone:
            self.send("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 5})
        self.send("Emulation.setFocusEmulationEnabled", {"enabled": True})
        self.send("Page.navigate", {"url": url})
        self.evaluate("new Promise(r => document.readyState === 'complete' ? r() : addEventListener('load', r))")

    def reload(self):
        loads = self.loads
        self.send("Page.reload", {"ignoreCache": False})
        while self.loads == loads:
            self.receive()

    def evaluate(self, expression):
        result = self.send("Runtime.evaluate", {"expression": expression, "awaitPromise": True,
                                                "returnByValue": True, "userGesture": True})
        if "exceptionDetails" in result:
            details = result["exceptionDetails"]
            raise RuntimeError(details.get("exception", {}).get("description") or details.get("text"))
        return result.get("result", {}).get("value")

    def click(self, x, y):
        for kind in ("mousePressed", "mouseReleased"):
            self.send("Input.dispatchMouseEvent",
                      {"type": kind, "x": x, "y": y, "button": "left", "clickCount": 1})

    def tap(self, x, y):
        self.send("Input.dispatchTouchEvent", {"type": "touchStart", "touchPoints": [{"x": x, "y": y}]})
        self.send("Input.dispatchTouchEvent", {"type": "touchEnd", "touchPoints": []})

    def key(self, name):
        parts = name.split("+")
        modifiers = 0
        for part in parts[:-1]:
            modifiers |= MODIFIERS[part]
        key, code, vk, text = KEYS[parts[-1]]
        down = {"type": "keyDown" if text and not modifiers & 2 else "rawKeyDown", "key": key, "code": code,
                "windowsVirtualKeyCode": vk, "modifiers": modifiers}
        if text and not modifiers & 2:
            down["text"] = text
        command = EDIT_COMMANDS.get(tuple(parts))
        if command:
            down["commands"] = [command]
        self.send("Input.dispatchKeyEvent", down)
        self.send("Input.dispatchKeyEvent", {"type": "keyUp", "key": key, "code": code,
                                             "windowsVirtualKeyCode": vk, "modifiers": modifiers})

    def clipboard(self, setting):
        for name in ("clipboard-write", "clipboard-read"):
            self.send("Browser.setPermission", {"permission": {"name": name}, "setting": setting}, session=False)

    def screenshot(self, path):
        data = self.send("Page.captureScreenshot", {"format": "png"})["data"]
        with open(path, "wb") as out:
            out.write(base64.b64decode(data))

    def quit(self):
        try:
            self.send("Browser.close", session=False)
        except RuntimeError:
            pass
        try:
            self.process.wait(10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()


def shown(value):
    if isinstance(value, str):
        return value.replace("\\", "\\\\").replace("\n", "\\n")
    return json.dumps(value, ensure_ascii=False)


def main():
    url, width, height, profile = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), sys.argv[4]
    browser = Browser(width, height, profile)
    try:
        browser.open(url, width, height, sys.argv[5:] == ["phone"])
        print("ok", flush=True)
        for line in sys.stdin:
            verb, _, rest = line.rstrip("\n").partition(" ")
            try:
                if verb == "eval":
                    value = browser.evaluate(rest)
                elif verb == "click":
                    x, y = rest.split()
                    value = browser.click(float(x), float(y))
                elif verb == "tap":
                    x, y = rest.split()
                    value = browser.tap(float(x), float(y))
                elif verb == "key":
                    value = browser.key(rest)
                elif verb == "type":
                    value = browser.send("Input.insertText", {"text": rest})
                elif verb == "clipboard":
                    value = browser.clipboard(rest)
                elif verb == "screenshot":
                    value = browser.screenshot(rest)
                elif verb == "reload":
                    value = browser.reload()
                elif verb == "requests":
                    value = browser.requests
                elif verb == "closed":
                    if not browser.closed:
                        try:
                            browser.send("Runtime.evaluate", {"expression": "1"})
                        except RuntimeError:
                            browser.closed = True
                    value = browser.closed
                else:
                    raise RuntimeError("no such command: " + verb)
                print("ok\t" + shown(value), flush=True)
            except RuntimeError as error:
                print("error\t" + shown(str(error)), flush=True)
    finally:
        browser.quit()


if __name__ == "__main__":
    main()
