"""What a screen reader sees of the real qinghejian, through AT-SPI.

Run by accessibility_test.sh on a private display and D-Bus session, with
the program started for accessibility. Prints the tree it walked, and one
line a check; exits non-zero when a check failed or none ran.
"""
import os
import sys
import time

import pyatspi

passed = failed = 0


def check(what, ok):
    global passed, failed
    if ok:
        passed += 1
        print(f"ok - {what}")
    else:
        failed += 1
        print(f"FAILED - {what}")
    return ok


def walk(node, depth=0, found=None):
    """Prints the tree below node and returns its nodes in order."""
    found = [] if found is None else found
    try:
        role = node.getRoleName()
        name = node.name
    except Exception:  # a node that went away while we looked
        return found
    print(f"{'  ' * depth}{role}: {name!r}")
    found.append(node)
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            walk(child, depth + 1, found)
    return found


def collect(node, out=None):
    """The nodes below node, without printing them."""
    out = [] if out is None else out
    out.append(node)
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            collect(child, out)
    return out


def alerts(app):
    return find(collect(app), pyatspi.ROLE_ALERT)


def said_by(alert):
    """What an alert says: its nodes' names and its description."""
    return [n.name for n in collect(alert)] + [alert.description]


def find(nodes, role, name=None):
    return [n for n in nodes if n.getRole() == role and (name is None or n.name == name)]


def wait_for(what, timeout=10):
    until = time.time() + timeout
    while time.time() < until:
        result = what()
        if result:
            return result
        time.sleep(0.2)
    return None


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "qinghejian":
            return app
    return None


def press(node):
    actions = node.queryAction()
    for i in range(actions.nActions):
        if actions.getName(i) in ("Press", "press", "click"):
            return actions.doAction(i)
    return actions.doAction(0)


def text_of(node):
    t = node.queryText()
    return t.getText(0, t.characterCount)


app = wait_for(application)
if not check("the program is on the accessibility bus", app is not None):
    sys.exit(1)

print("The tree:")
nodes = walk(app)
frames = find(nodes, pyatspi.ROLE_FRAME)
check("a frame, captioned as the window", len(frames) == 1 and "青禾笺" in frames[0].name and "BY:墨桐青岚" in frames[0].name)
for caption in ("生成大写", "复制"):
    check(f"the button {caption}", len(find(nodes, pyatspi.ROLE_PUSH_BUTTON, caption)) == 1)
texts = {name: find(nodes, pyatspi.ROLE_TEXT, name) for name in ("输入数字", "大写数字")}
for name, found in texts.items():
    check(f"a text box named {name}", len(found) == 1)
menus = find(nodes, pyatspi.ROLE_MENU, "帮助") + find(nodes, pyatspi.ROLE_POPUP_MENU, "帮助")
check("the menu 帮助, opened from the menu bar", len(menus) == 1 and bool(find(nodes, pyatspi.ROLE_MENU_BAR)))
if menus:
    items = [menus[0].getChildAtIndex(i).name for i in range(menus[0].childCount)]
    check(f"帮助 holds 使用说明, 软件作者, 退出软件 (it holds {items})", items == ["使用说明", "软件作者", "退出软件"])

if texts["输入数字"] and texts["大写数字"]:
    entry, result = texts["输入数字"][0], texts["大写数字"][0]
    check("输入数字 holds 123456.78", text_of(entry) == "123456.78")
    press(find(nodes, pyatspi.ROLE_PUSH_BUTTON, "生成大写")[0])
    check("pressing 生成大写 puts the capitals into 大写数字",
          wait_for(lambda: text_of(result) == "壹拾贰万叁仟肆佰伍拾陆圆柒角捌分整") is not None)

    # Each notice of the window's table, as an alert that says its prompt
    # and has one button.
    table = os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../support/window_cases.tsv")
    with open(table, encoding="utf-8") as f:
        rows = [line.rstrip("\n").split("\t") for line in f if line.strip() and not line.startswith("#")]
    check(f"the table of window cases holds cases ({len(rows)})", len(rows) > 0)
    for name, amount, _, notices, *reach in rows:
        if not notices or any(reach):
            continue
        entry.queryEditableText().setTextContents(amount)
        press(find(nodes, pyatspi.ROLE_PUSH_BUTTON, "生成大写")[0])
        # In order: each alert says its own prompt before the next comes.
        for notice in notices.split("|"):
            prompt = notice.split(":", 1)[1]
            saying = lambda: [a for a in alerts(app) if any(prompt in text for text in said_by(a))]
            shown = wait_for(saying)
            if not check(f"{name} ({amount}): an alert says {prompt}", bool(shown)):
                break
            ok_buttons = find(walk(shown[0], 1), pyatspi.ROLE_PUSH_BUTTON, "确定")
            if check(f"{name}: the alert has one button, 确定", len(ok_buttons) == 1):
                press(ok_buttons[0])
        check(f"{name}: 确定 closes the last", wait_for(lambda: not alerts(app)) is not None)

print(f"{passed} passed, {failed} failed")
sys.exit(0 if passed > 0 and failed == 0 else 1)
