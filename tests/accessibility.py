#!/usr/bin/python3
# Listens on the accessibility bus as a screen reader does while the driver takes a test in the main window.
import queue
import subprocess
import sys
import threading
import time

import pyatspi
from gi.repository import GLib

driver = sys.argv[1]
heard = []  # (event, object role, the object's name) in the order they came
failures = []


def on_event(event):
    try:
        heard.append((event.type, event.source.getRoleName(), event.source.name or ""))
    except Exception:  # the object may be gone already
        pass


for kind in ("object:property-change:accessible-name", "object:property-change:accessible-description",
             "object:state-changed:focused", "object:announcement"):
    pyatspi.Registry.registerEventListener(on_event, kind)


def pump(seconds, until=lambda: False):
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < end and not until():
        while context.pending():
            context.iteration(False)
        time.sleep(0.01)
    return until()


program = subprocess.Popen([driver], stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True, bufsize=1)
lines = queue.Queue()
threading.Thread(target=lambda: [lines.put(line.rstrip("\n")) for line in program.stdout], daemon=True).start()


def reply(seconds=60):
    answer = []
    pump(seconds, lambda: answer or (not lines.empty() and answer.append(lines.get())))
    if not answer:
        sys.exit("the driver did not answer")
    return answer[0]


def send(command):
    program.stdin.write(command + "\n")
    program.stdin.flush()
    answer = reply()
    if answer.startswith("failed"):
        sys.exit(f"{command}: {answer}")
    return answer


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    return next((app for app in desktop if app is not None and app.name == "quillora"), None)


def frame(title):
    app = application()
    return next((window for window in app if window is not None and window.name == title), None)


def controls(root):
    """Every widget a user can operate, below root."""
    roles = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON,
             pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_COMBO_BOX,
             pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE, pyatspi.ROLE_TREE_TABLE,
             pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_SLIDER}
    found, stack = [], [root]
    while stack:
        node = stack.pop()
        if node is None:
            continue
        if node.getRole() in roles and node.getState().contains(pyatspi.STATE_SHOWING):
            found.append(node)
        # Not into the rows of a list: its items are named by their own text.
        if node.getRole() not in (pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE, pyatspi.ROLE_TREE_TABLE):
            stack.extend(node[i] for i in range(node.childCount))
    return found


def unnamed(root, only_buttons=False):
    return [f"{node.getRoleName()} #{node.getIndexInParent()} in {node.parent.name or node.parent.getRoleName()}"
            for node in controls(root)
            if not (node.name or "").strip() and (not only_buttons or node.getRole() == pyatspi.ROLE_PUSH_BUTTON)]


if reply() != "ready":
    sys.exit("the driver did not start")
if not pump(20, lambda: application() is not None):
    print("SKIP: the program never appeared on the accessibility bus")
    program.kill()
    sys.exit(77)

main = frame("Quillora")
missing = unnamed(main)
if missing:
    failures.append("main window controls without a name: " + ", ".join(missing))
print(f"main window: {len(controls(main))} controls, all named" if not missing else failures[-1])
# The toolbar shows pictures only: its buttons say what their tooltips say.
if "Start a test (F5)" not in [node.name for node in controls(main)]:
    failures.append("the toolbar's Start is not named by its tooltip")

words = send("test").split()[1:]
pump(2)
right, wrong = words
spelt = lambda word: " ".join(word)
expected = [f"OK. {spelt(right)}. Correct: 1, wrong: 0.", f"Wrong: {wrong}. {spelt(wrong)}. Correct: 1, wrong: 1.",
            "Finish. Score: 1 right, 1 wrong."]
for text in expected:
    events = sorted({event for event, role, name in heard if name == text})
    if events:
        print(f'heard "{text}" through: {", ".join(events)}')
    else:
        failures.append(f'never heard "{text}"')
if failures and "never heard" in failures[-1]:
    print("what was heard:", *[f"  {event} {role} {name!r}" for event, role, name in heard], sep="\n")

for action in ("Dictionaries", "Settings", "Statistics"):
    title = send("open " + action)[len("opened "):]
    pump(1, lambda: frame(title) is not None)
    window = frame(title)
    if window is None:
        failures.append(f"the {action} window is not on the bus")
        continue
    buttons = [node for node in controls(window) if node.getRole() == pyatspi.ROLE_PUSH_BUTTON]
    missing = unnamed(window, only_buttons=True)
    print(f"{action}: {len(buttons)} buttons" + (", all named" if not missing else ""))
    if missing or not buttons:
        failures.append(f"{action} buttons without a name: " + ", ".join(missing or ["no buttons found"]))
    send("close")

program.stdin.write("quit\n")
program.stdin.flush()
program.wait(10)
for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
