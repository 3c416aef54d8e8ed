#!/usr/bin/env python3
"""A person at the real program: every dialog, message box and file dialog a push button of a form opens, opened and
answered with real X input events (XTest, through xdotool) at the place on the screen where the button is.

The program runs under an Xvfb of its own beside the drawing-tool stand-in, with a runtime folder of its own. The
window channel (wnddrive) only says where a control lies and what the program shows; it never acts. What is covered
comes from the program itself: every object kind of the drawings in tests/data/forms gets "param", every window
command is started, each form of the frame is reached through its toolbar button, and every shown and enabled push
button of the form is clicked. For each window a click opens:
  - it is drawn (its screenshot is more than one flat colour),
  - a dialog answers a real click on its Cancel button (the working files stay as they were) and, opened again, one
    on its OK button; a message box answers the Enter key, a file dialog Escape,
  - the frame takes input again afterwards.
The first dialog of each run is also opened from the keyboard (Space on the button that has the focus again).
Standard error must hold no warning of the toolkit.

usage: person_input.py --build BUILD_DIR [--shard I/N] [--only NAME] [--keep]
"""
import argparse
import glob
import hashlib
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE = os.path.dirname(os.path.dirname(HERE))
FORMS_DATA = os.path.join(SOURCE, "tests", "data", "forms")
PLANT_DATA = os.path.join(SOURCE, "tests", "data", "plantforms")

IDOK, IDCANCEL = 1, 2
NO_ID = 65535
TOOLKIT_WARNING = re.compile(r"(Gtk|Gdk|GLib|GLib-GObject|Pango|GdkPixbuf)-(CRITICAL|WARNING)")


def resource_ids():
    """The command ids of the program's resources, by name."""
    ids = {}
    with open(os.path.join(SOURCE, "resources", "ResourceIds.h"), encoding="utf-8") as header:
        for line in header:
            m = re.match(r"#define (\w+) (\d+)", line)
            if m:
                ids[m.group(1)] = int(m.group(2))
    return ids


IDS = resource_ids()
# The toolbar commands that show another form of the frame.
FORM_COMMANDS = sorted(v for k, v in IDS.items() if k.startswith("ID_SHOW_"))
# The toolbar commands that end the run.
ENDING_COMMANDS = {IDS["ID_SAVE_AND_CLOSE"], IDS["ID_TERMINATE"]}


class Failure(Exception):
    pass


def contains(outer, inner):
    ox, oy, ow, oh = outer
    ix, iy, iw, ih = inner
    return ox <= ix and oy <= iy and ix + iw <= ox + ow and iy + ih <= oy + oh and (ow, oh) != (iw, ih)


def drawing_cases():
    """("param", drawing, name, id) for one object of each kind of the test drawings, then every window command."""
    cases, seen = [], set()
    for drawing in sorted(glob.glob(os.path.join(FORMS_DATA, "*.xml"))):
        text = open(drawing, encoding="utf-8").read()
        for m in re.finditer(r"<object>\s*<type>[^<]*</type>\s*<id>(\d+)</id>\s*<name>([^<$]+)\$(\d+)</name>", text):
            kind = m.group(2)
            if kind in seen:
                continue
            seen.add(kind)
            cases.append(("param", drawing, m.group(2) + "$" + m.group(3), m.group(1)))
    lists = os.path.join(PLANT_DATA, "lists.xml")
    for command in ("parser", "paraimport", "funcview", "funcorder", "msgorder", "canlogging"):
        cases.append((command, lists, None, None))
    return cases


class Person:
    """The program on an X display of its own, and a person's mouse and keyboard."""

    def __init__(self, build, keep):
        self.build = build
        self.keep = keep
        self.root = tempfile.mkdtemp(prefix="morv9274-person-")
        self.home = os.path.join(self.root, "home")
        os.makedirs(os.path.join(self.home, "para"))
        runtime = os.path.join(self.root, "run")
        os.mkdir(runtime, 0o700)
        self.env = dict(os.environ)
        for name in ("WAYLAND_DISPLAY", "MORV9274_HEADLESS"):
            self.env.pop(name, None)
        self.env.update(MORV9274_HOME=self.home, XDG_RUNTIME_DIR=runtime, NO_AT_BRIDGE="1",
                        GSETTINGS_BACKEND="memory", ASAN_OPTIONS="detect_leaks=0")
        self.xvfb = self.start_xvfb()
        self.standin = subprocess.Popen(
            [self.tool("tools/vorna-standin"), "--record", self.path("record.txt"), "--ready-file",
             self.path("standin-ready")], env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.wait_for(lambda: os.path.exists(self.path("standin-ready")), 10, "the stand-in did not start")
        self.program = None
        self.stderr_name = None
        self.runs = 0
        self.verbose = False

    def close(self):
        self.stop_program()
        for process in (self.standin, self.xvfb):
            process.kill()
            process.wait()
        if not self.keep:
            shutil.rmtree(self.root, ignore_errors=True)

    def tool(self, relative):
        return os.path.join(self.build, relative)

    def path(self, relative):
        return os.path.join(self.home, relative)

    def start_xvfb(self):
        # Servers starting side by side can pick the same free display number; the one that loses exits at once.
        # A few fresh starts end that race.
        for attempt in range(5):
            time.sleep(0.2 * attempt)
            read, write = os.pipe()
            xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24", "-nolisten",
                                     "tcp"], pass_fds=(write,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            os.close(write)
            number = b""
            while not number.endswith(b"\n"):
                chunk = os.read(read, 16)
                if not chunk:
                    break
                number += chunk
            os.close(read)
            if number.endswith(b"\n"):
                self.env["DISPLAY"] = ":" + number.decode().strip()
                return xvfb
            xvfb.kill()
            xvfb.wait()
        raise Failure("Xvfb did not start")

    @staticmethod
    def wait_for(condition, seconds, why):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if condition():
                return
            time.sleep(0.05)
        raise Failure(why)

    # ---- the program ----

    def command_file(self, command, name=None, object_id=None):
        lines = ["-cmd", command, "-engpath", self.path("plant.evl"), "-xmlpath", self.path("VORNA.xml")]
        if name:
            lines += ["-name", name]
        if object_id:
            lines += ["-id", object_id]
        with open(self.path("command.txt"), "wb") as out:
            out.write(("\r\n".join(lines) + "\r\n").encode("cp1252"))
        return self.path("command.txt")

    def use_drawing(self, drawing):
        shutil.copyfile(drawing, self.path("VORNA.xml"))
        env = dict(self.env, MORV9274_HEADLESS="1")
        for command in ("new", "open"):
            subprocess.run([self.tool("shell/morv9274"), "-cmdfile", self.command_file(command)], env=env,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=120, check=True)

    def start_program(self, command, name, object_id):
        self.runs += 1
        self.stderr_name = os.path.join(self.root, "stderr-%d.txt" % self.runs)
        with open(self.stderr_name, "wb") as err:
            self.program = subprocess.Popen(
                [self.tool("shell/morv9274"), "-cmdfile", self.command_file(command, name, object_id)],
                env=self.env, stdout=subprocess.DEVNULL, stderr=err)
        if self.drive("--wait", "120000", "--window", "frame", "tree")[0] != 0:
            shown = self.drive("--wait", "2000", "tree")[1].splitlines()[:3]
            errors = open(self.stderr_name, encoding="utf-8", errors="replace").read().splitlines()[-3:]
            raise Failure("the frame of %s %s did not come up (running: %s, shown: %s, stderr: %s)"
                          % (command, name or "", self.running(), shown, errors))
        self.settle()

    def stop_program(self):
        if self.program and self.program.poll() is None:
            self.program.kill()
            self.program.wait()
        self.check_stderr()
        self.program = None

    def running(self):
        return self.program is not None and self.program.poll() is None

    def check_stderr(self):
        if not self.stderr_name or not os.path.exists(self.stderr_name):
            return
        text = open(self.stderr_name, encoding="utf-8", errors="replace").read()
        warnings = [line for line in text.splitlines() if TOOLKIT_WARNING.search(line)]
        self.stderr_name = None
        if warnings:
            raise Failure("the toolkit warned %d times, first: %s" % (len(warnings), warnings[0]))

    def drive(self, *args):
        run = subprocess.run([self.tool("tools/wnddrive"), *args], env=self.env, capture_output=True, timeout=180)
        return run.returncode, run.stdout.decode("utf-8", "replace")

    def settle(self):
        """Lets the X server deliver the input, the program's queue run empty (a read through the channel is answered
        only then) and the toolkit draw."""
        time.sleep(0.15)
        self.drive("--wait", "2000", "boxes")
        time.sleep(0.05)

    def caption_becomes(self, caption, seconds=5):
        """Waits until the active dialog's caption is `caption` (None: the frame is active again)."""
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if self.active_caption() == caption:
                return True
            time.sleep(0.1)
        return False

    def x(self, *args):
        return subprocess.run(list(args), env=self.env, capture_output=True, timeout=60).stdout.decode()

    # ---- what a person sees ----

    def where(self, control, window="active"):
        # The program is up: a control that is not there is not waited for.
        status, out = self.drive("--wait", "0", "--window", window, "where", str(control))
        if status != 0:
            return None
        x, y, w, h = (int(v) for v in out.split())
        return x, y, w, h

    def active_caption(self):
        """The caption of the running modal dialog, or None when the frame is the active window."""
        status, out = self.drive("--wait", "2000", "tree")
        if status != 0 or not out:
            return None
        first = out.splitlines()[0]
        return first.split('"')[1] if first.startswith("#32770") else None

    def boxes(self):
        return self.drive("--wait", "2000", "boxes")[1].splitlines()

    def shown_windows(self):
        """The shown top-level windows with a title (menus and tool tips of the toolkit have none)."""
        windows = set(self.x("xdotool", "search", "--onlyvisible", "--name", ".").split())
        # The toolkit's own helper windows carry the program's bare name.
        return {w for w in windows if self.x("xdotool", "getwindowname", w).strip() != "morv9274"}

    def drawn(self, window, name):
        """Whether the window shows more than one flat colour (a window the toolkit never drew is black)."""
        shot = os.path.join(self.root, name + ".png")
        colours = 0
        deadline = time.monotonic() + 5
        while time.monotonic() < deadline:
            out = self.x(self.tool("tests/wxbackend/xtool"), "shot", window, shot).split()
            colours = int(out[2]) if len(out) == 4 else 0
            if colours > 8:
                return True
            time.sleep(0.1)
        return False

    # ---- a person's hands ----

    def click_at(self, rect):
        x, y, w, h = rect
        self.x("xdotool", "mousemove", "--sync", str(x + w // 2), str(y + h // 2), "click", "1")
        self.settle()

    def close_popups(self):
        """A click that opened a combo box's list (it holds the pointer) is undone with Escape, as a person would."""
        windows = self.x("xdotool", "search", "--onlyvisible", "--name", "^morv9274$").split()
        if windows:
            self.key("Escape")

    def key(self, name):
        self.x("xdotool", "key", name)
        self.settle()

    # ---- the working files ----

    def working_files(self):
        digests = {}
        for name in sorted(os.listdir(self.path("para"))):
            full = os.path.join(self.path("para"), name)
            if os.path.isfile(full):
                with open(full, "rb") as f:
                    digests[name] = hashlib.sha1(f.read()).hexdigest()
        return digests


class Walk:
    """One case: the forms of one command, every push button of every form."""

    def __init__(self, person, case):
        self.p = person
        self.command, self.drawing, self.name, self.object_id = case
        self.label = self.command + (" " + self.name if self.name else "")
        self.opened = []
        self.keyboard_done = False

    def start(self):
        self.p.stop_program()
        try:
            self.p.start_program(self.command, self.name, self.object_id)
        except Failure as failure:
            # Seen a few times in full parallel runs and never alone: said, and tried once more.
            print("WARN %s: %s; started again" % (self.label, failure), flush=True)
            self.p.stop_program()
            self.p.start_program(self.command, self.name, self.object_id)

    def run(self):
        self.p.use_drawing(self.drawing)
        self.start()
        done = set()
        for command in [None] + FORM_COMMANDS:
            if command is not None and not self.show_form(command):
                continue
            form = self.shown_form()
            for second in (False, True):
                if second and not self.pick_last_items():
                    break
                for control, text in self.push_buttons():
                    key = (form, control)
                    if key in done:
                        continue
                    done.add(key)
                    self.try_button(command, control, text)
        self.p.stop_program()
        return self.opened

    def show_form(self, command):
        """Reaches a form with a real click on its toolbar button; false when the frame has no such button."""
        rect = self.p.where(command, "frame")
        if rect is None:
            return False
        self.p.click_at(rect)
        self.ensure_frame_answers("after the form switch %d" % command)
        return True

    def shown_form(self):
        """The caption of the frame's shown form (its first text)."""
        status, out = self.p.drive("--wait", "2000", "--window", "frame", "tree")
        return next((line for line in self.shown_lines(out) if line.strip().startswith("Static")), "")

    @staticmethod
    def shown_lines(tree):
        """The lines of the shown views of a frame's tree."""
        lines, hidden_depth = [], None
        for line in tree.splitlines():
            depth = (len(line) - len(line.lstrip())) // 2
            if hidden_depth is not None and depth > hidden_depth:
                continue
            hidden_depth = depth if line.rstrip().endswith("hidden") else None
            if hidden_depth is None:
                lines.append(line)
        return lines

    def pick_last_items(self):
        """When the form has disabled buttons, the person picks the last item of each combo box with the keyboard (a
        click opens the list, End and Enter choose): a choice may enable them. Whether any button was disabled."""
        status, out = self.p.drive("--wait", "2000", "--window", "frame", "tree")
        lines = self.shown_lines(out)
        if not any(re.match(r'\s*Button \d+ ".*" disabled', line) for line in lines):
            return False
        for line in lines:
            m = re.match(r'\s*ComboBox (\d+) "(.*)"(.*)$', line)
            if not m or "disabled" in m.group(3):
                continue
            rect = self.p.where(int(m.group(1)), "frame")
            if rect is None:
                continue
            self.p.click_at(rect)
            self.p.key("End")
            self.p.key("Return")
            self.clear_boxes("%s: a pick in %s" % (self.label, m.group(1)))
            if not self.p.running():
                raise Failure("%s: the program ended after a pick in %s" % (self.label, m.group(1)))
        return True

    def push_buttons(self):
        """The shown and enabled buttons of the form with an id, but group boxes (which hold other controls)."""
        status, out = self.p.drive("--wait", "2000", "--window", "frame", "tree")
        controls = []
        for line in self.shown_lines(out):
            m = re.match(r'\s*(\w+) (\d+) "(.*)"(.*)$', line)
            if m and int(m.group(2)) != NO_ID and "disabled" not in m.group(4):
                controls.append((m.group(1), int(m.group(2)), m.group(3), m.group(4)))
        rects = {}
        deadline = time.monotonic() + 5
        while controls and time.monotonic() < deadline:
            # A form shown for the first time gets its widgets now: wait until the toolkit shows them.
            rects = {control: self.p.where(control, "frame") for _, control, _, _ in controls}
            if any(rects.values()):
                break
            time.sleep(0.2)
        buttons = []
        for kind, control, text, flags in controls:
            rect = rects[control]
            if kind != "Button" or "checked" in flags or rect is None:
                continue
            if any(other != control and r is not None and contains(rect, r) for other, r in rects.items()):
                continue
            buttons.append((control, text))
        return buttons

    def ensure_frame_answers(self, when):
        if not self.p.running():
            raise Failure("%s: the program ended %s" % (self.label, when))
        if self.p.active_caption() is not None:
            raise Failure("%s: a dialog is still up %s" % (self.label, when))

    def restart_at(self, command):
        """A button ended the run (a save, a transfer): the walk goes on in a new run."""
        self.start()
        if command is not None:
            self.show_form(command)

    def try_button(self, command, control, text):
        if self.p.verbose:
            print("     ", self.label, "button", control, text, flush=True)
        before_windows = self.p.shown_windows()
        before_boxes = len(self.p.boxes())
        rect = self.p.where(control, "frame")
        if rect is None:
            return
        self.p.click_at(rect)
        what = "%s: %s (%d)" % (self.label, text, control)
        # Whatever the click opens may take a moment to be mapped (a file dialog reads its folder first).
        deadline = time.monotonic() + 1.5
        while True:
            if not self.p.running():
                self.restart_at(command)
                return
            caption = self.p.active_caption()
            if caption is not None:
                self.answer_dialog(what, caption, command, control)
                break
            if len(self.p.boxes()) > before_boxes:
                self.answer_box(what, before_windows)
                break
            if self.p.shown_windows() - before_windows:
                self.answer_file_dialog(what, before_windows)
                break
            if time.monotonic() > deadline:
                return
            time.sleep(0.1)
        self.ensure_frame_answers("after " + what)

    def new_window(self, before, what):
        new = []
        self.p.wait_for(lambda: new.extend(self.p.shown_windows() - before) or new, 5,
                        "%s: no window was mapped" % what)
        return new[0]

    def answer_dialog(self, what, caption, command, control):
        files = self.p.working_files()
        self.expect_drawn(what, caption)
        self.opened.append("dialog %r from %s" % (caption, what))
        cancel = self.cancel_dialog(what, caption)
        if self.p.working_files() != files:
            raise Failure("%s: Cancel of %r changed the working files" % (what, caption))
        self.try_dialog_buttons(what, caption, control)
        if not self.keyboard_done:
            # The button has the focus again: Space opens the dialog from the keyboard.
            self.keyboard_done = True
            self.p.key("space")
            if not self.p.caption_becomes(caption):
                raise Failure("%s: Space on the focused button did not open %r" % (what, caption))
            self.p.key("Escape")
            self.clear_boxes(what)
            if not self.p.caption_becomes(None):
                raise Failure("%s: Escape did not close %r" % (what, caption))
        # Again, ended by OK this time.
        self.p.click_at(self.p.where(control, "frame"))
        if not self.p.caption_becomes(caption):
            raise Failure("%s: a second click did not open %r" % (what, caption))
        ok = self.p.where(IDOK)
        if ok is None:
            self.p.key("Return")
        else:
            self.p.click_at(ok)
        self.clear_boxes(what)
        if self.p.active_caption() is not None and cancel is not None:
            # OK refused the values (a box said why): the dialog stays for the person, who cancels.
            self.p.click_at(self.p.where(IDCANCEL))
        if not self.p.running():
            self.restart_at(command)

    def try_dialog_buttons(self, what, caption, control):
        """Opens the dialog again and clicks each of its other push buttons once: what they open (a message box, a
        file dialog, a dialog of its own) is drawn and answers too. The dialog is cancelled at the end."""
        self.p.click_at(self.p.where(control, "frame"))
        if not self.p.caption_becomes(caption):
            raise Failure("%s: a click did not open %r again" % (what, caption))
        # The person types into each edit field first (a character it refuses shows a box), which may enable
        # buttons that act on the text.
        status, out = self.p.drive("--wait", "2000", "tree")
        for m in re.finditer(r'^\s*Edit (\d+) "[^"]*"(.*)$', out, re.M):
            rect = self.p.where(int(m.group(1)))
            if rect is None or "disabled" in m.group(2):
                continue
            windows, boxes = self.p.shown_windows(), len(self.p.boxes())
            self.p.click_at(rect)
            self.p.x("xdotool", "type", "--delay", "30", "7")
            self.p.settle()
            if len(self.p.boxes()) > boxes:
                self.answer_box("%s, typing in %s" % (what, m.group(1)), windows)
        status, out = self.p.drive("--wait", "2000", "tree")
        buttons = [int(m.group(1)) for m in re.finditer(r'^\s*Button (\d+) "[^"]*"(.*)$', out, re.M)
                   if int(m.group(1)) not in (IDOK, IDCANCEL, NO_ID) and "disabled" not in m.group(2)
                   and "checked" not in m.group(2)]
        for button in buttons:
            rect = self.p.where(button)
            if rect is None or self.p.active_caption() != caption:
                continue
            windows, boxes = self.p.shown_windows(), len(self.p.boxes())
            self.p.click_at(rect)
            self.p.close_popups()
            inner = "%s, then %d in %r" % (what, button, caption)
            if self.p.verbose:
                print("       ", inner, flush=True)
            deadline = time.monotonic() + 2.0
            while time.monotonic() < deadline:
                if len(self.p.boxes()) > boxes:
                    self.answer_box(inner, windows)
                    break
                now = self.p.active_caption()
                if now not in (caption, None):
                    self.expect_drawn(inner, now)
                    self.opened.append("dialog %r from %s" % (now, inner))
                    self.p.key("Escape")
                    self.clear_boxes(inner)
                    break
                if now == caption and self.p.shown_windows() - windows:
                    self.answer_file_dialog(inner, windows)
                    break
                time.sleep(0.1)
            if not self.p.running():
                raise Failure("%s: the program ended" % inner)
        if self.p.active_caption() == caption:
            self.cancel_dialog(what, caption)
        elif not self.p.caption_becomes(None):
            raise Failure("%s: the dialog %r stayed after Cancel" % (what, caption))

    def cancel_dialog(self, what, caption):
        """A real click on the dialog's Cancel button (Escape where it has none); the button's place, or None."""
        cancel = self.p.where(IDCANCEL)
        if cancel is None:
            self.p.key("Escape")
        else:
            self.p.click_at(cancel)
        self.clear_boxes(what)
        if not self.p.caption_becomes(None):
            raise Failure("%s: the dialog %r stayed after Cancel" % (what, caption))
        return cancel

    def clear_boxes(self, what):
        """Answers with Enter every message box that came up, after checking that it is drawn."""
        for _ in range(5):
            windows = [w for w in self.p.shown_windows() if self.is_box(w)]
            if not windows:
                return
            if not self.p.drawn(windows[0], "box"):
                raise Failure("%s: a message box was never drawn" % what)
            self.click_box_button(windows[0])

    def is_box(self, window):
        name = self.p.x("xdotool", "getwindowname", window).strip()
        return name.startswith("morv9274 - ") or re.match(r"^(Messaggio|Nachricht|Message)", name) is not None

    def expect_drawn(self, what, caption):
        status, out = self.p.drive("--wait", "2000", "tree")
        m = re.search(r'Button (\d+) ', out)
        rect = self.p.where(int(m.group(1))) if m else None
        if rect is None:
            raise Failure("%s: the dialog %r shows no button on the screen" % (what, caption))
        window = self.p.x(self.p.tool("tests/wxbackend/xtool"), "at", str(rect[0] + 2), str(rect[1] + 2)).split()
        if not window or not self.p.drawn(window[0], "dialog"):
            raise Failure("%s: the dialog %r was never drawn" % (what, caption))

    def click_box_button(self, window):
        """A real click on a message box's first button: the buttons fill the box's bottom row, left to right."""
        geometry = dict(line.split("=") for line in
                        self.p.x("xdotool", "getwindowgeometry", "--shell", window).split() if "=" in line)
        x, y, w, h = (int(geometry[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))
        self.p.click_at((x + w // 4 - 2, y + h - 14, 4, 4))

    def answer_box(self, what, before):
        window = self.new_window(before, what)
        if not self.p.drawn(window, "box"):
            raise Failure("%s: the message box was never drawn" % what)
        self.opened.append("message box from %s" % what)
        self.click_box_button(window)
        if window in self.p.shown_windows():
            raise Failure("%s: the message box stayed after a click on its button" % what)

    def answer_file_dialog(self, what, before):
        window = self.new_window(before, what)
        if not self.p.drawn(window, "file"):
            name = self.p.x("xdotool", "getwindowname", window).strip()
            raise Failure("%s: the file dialog %r was never drawn" % (what, name))
        self.opened.append("file dialog from %s" % what)
        self.p.key("Escape")
        if window in self.p.shown_windows():
            raise Failure("%s: the file dialog stayed after Escape" % what)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", required=True)
    parser.add_argument("--shard", default="0/1")
    parser.add_argument("--only")
    parser.add_argument("--keep", action="store_true")
    parser.add_argument("--verbose", action="store_true")
    args = parser.parse_args()
    for program in ("Xvfb", "xdotool"):
        if shutil.which(program) is None:
            print("%s is not installed (scripts/install-deps.sh installs it)" % program)
            return 77
    index, count = (int(v) for v in args.shard.split("/"))
    cases = [c for i, c in enumerate(drawing_cases()) if i % count == index]
    if args.only:
        cases = [c for c in cases if args.only in (c[0], c[2] or "")]
    failures, opened = [], 0
    person = Person(os.path.abspath(args.build), args.keep)
    person.verbose = args.verbose
    try:
        for case in cases:
            walk = Walk(person, case)
            started = time.monotonic()
            try:
                found = walk.run()
            except Failure as failure:
                if not str(failure).startswith(walk.label):
                    failure = Failure("%s: %s" % (walk.label, failure))
                failures.append(str(failure))
                print("FAIL", failure, flush=True)
                person.stop_program() if person.program else None
                continue
            opened += len(found)
            print("ok   %-40s %3d windows opened, %.1f s" % (walk.label, len(found), time.monotonic() - started),
                  flush=True)
            for line in found:
                print("       " + line)
    finally:
        person.close()
    print("%d cases, %d windows opened and answered, %d failures" % (len(cases), opened, len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
