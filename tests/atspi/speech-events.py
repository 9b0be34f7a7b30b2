# SPDX-License-Identifier: GPL-3.0-or-later
# What a screen reader hears of a trial, as AT-SPI events: each question and
# result is a notification that shows, named with the words to speak.
#   x-session.sh --wm --a11y WORK speech-events.py PROGRAM SAMPLE_FOLDER WORK
import shutil, subprocess, sys, threading, time

import pyatspi
from gi.repository import GLib

program, samples, folder = sys.argv[1], sys.argv[2], sys.argv[3] + "/folder"
shutil.rmtree(folder, ignore_errors=True)
shutil.copytree(samples, folder)
spoken, asked = [], []


def on_showing(event):
    if event.detail1 == 1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
        event.source.clear_cache()  # the name changed since it was first read
        spoken.append(event.source.name)


# Keys from a thread of its own: the main loop must go on answering the bus.
def trial():
    def keys(*names):
        for name in names:
            subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)
            time.sleep(1.0)
    out = subprocess.run(["xdotool", "search", "--sync", "--name", "KTQ Trial"],
                         capture_output=True, text=True).stdout.split()
    time.sleep(1.5)
    subprocess.run(["xdotool", "windowactivate", "--sync", out[0]])
    keys("alt+Down", "Return", "Tab", "space", "space")  # the pool, Prepare.., Start
    asked.extend(spoken)
    keys("1")
    GLib.idle_add(pyatspi.Registry.stop)


pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
app = subprocess.Popen([program], cwd=folder)
threading.Thread(target=trial, daemon=True).start()
GLib.timeout_add_seconds(60, pyatspi.Registry.stop)
pyatspi.Registry.start()
app.terminate()
app.wait()

result = spoken[len(asked):]
print("spoken:", spoken)
ok = (asked and asked[-1].startswith("Question: ") and "  D: " in asked[-1] and result
      and (result[0] == "Right." or result[0].startswith("Wrong. The answer is ")))
sys.exit(0 if ok else 1)
