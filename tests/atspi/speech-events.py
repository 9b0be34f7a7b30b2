# What a screen reader hears of a trial, read as AT-SPI events: every
# question and every result is a notification that becomes showing, named
# with the words to speak.
import os
import subprocess
import sys
import threading
import time

import pyatspi
from gi.repository import GLib

program, folder = sys.argv[1], sys.argv[2]
spoken = []


def on_showing(event):
    if event.detail1 == 1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
        event.source.clear_cache()  # the name changed since it was first read
        spoken.append(event.source.name)


def keys(*names):
    for name in names:
        subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)
        time.sleep(1.0)


# The keys are given from a thread of their own: the main loop must go on
# answering the accessibility bus while the program runs.
def trial():
    window = subprocess.run(["xdotool", "search", "--sync", "--name", "KTQ Trial"],
                            capture_output=True, text=True, check=True).stdout.split()[0]
    time.sleep(1.5)
    subprocess.run(["xdotool", "windowactivate", "--sync", window])
    # The pool chooser has the focus; Prepare.. hands it on to Start.
    keys("alt+Down", "Return", "Tab", "space", "space")
    result["question"] = list(spoken)
    keys("1")
    time.sleep(0.5)
    GLib.idle_add(pyatspi.Registry.stop)


pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
app = subprocess.Popen([program], cwd=folder)
result = {}
threading.Thread(target=trial, daemon=True).start()
GLib.timeout_add_seconds(60, pyatspi.Registry.stop)
pyatspi.Registry.start()
app.terminate()
app.wait()

question = result.get("question", [])
failures = []
if not question or not question[-1].startswith("Question: ") or "  D: " not in question[-1]:
    failures.append("no question spoken after Start: %r" % question)
after = spoken[len(question):]
if not after or not (after[0] == "Right." or after[0].startswith("Wrong. The answer is ")):
    failures.append("no result spoken after answering: %r" % after)
for f in failures:
    print("FAIL:", f)
print("spoken:", spoken)
sys.exit(1 if failures else 0)
