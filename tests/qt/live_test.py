#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
"""The real window as its users and a screen reader meet it, under the X server
of tests/with_x.sh and as a Wayland client, through the accessibility bus of
dbus-run-session's D-Bus session, held to the driver's answers. The environment
names the program, the driver, a module to preload (QUORVEL_PRELOAD), memcheck's
suppressions to run it under memcheck, and the build's caption, title and app_id.
Usage: dbus-run-session -- live_test.py [PYTEST ARGUMENT...]"""

import glob
import json
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from types import SimpleNamespace

import gi
import pytest

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402
from Xlib import X, display, protocol  # noqa: E402
from Xlib.ext import xtest  # noqa: E402

CAPTION = os.environ["QUORVEL_CAPTION"]
MEMCHECK = os.environ.get("QUORVEL_MEMCHECK")
# A wait ends as soon as its state arrives; the deadline only bounds one whose
# state never comes, also with every core busy and under memcheck.
DEADLINE = 600 if MEMCHECK else 90
POLL = 0.02  # seconds between two looks at what the program does
ENTRIES = {"收入金额": "收入金额：", "各项社会保险费": "各项社会保险费：",
           "免征额": "免\u3000\u3000征\u3000\u3000额："}  # by name, with their labels
VALID = ("6000", "500", "3500")
CLIENT_SIZE = (554, 199)
# The users' locales, with the separators (decimal, group) that the system
# writes numbers with in them.
LOCALES = {"zh_CN.UTF-8": (".", ","), "en_US.UTF-8": (".", ","), "de_DE.UTF-8": (",", "."),
           "fr_FR.UTF-8": (",", "\u202f")}
TYPED = ("10,000", "6000,5", "6.000", "10 000", "10\u202f000", "６０００", "1,00")
PASTES = {"megabyte": (b"1234567890" * 104858)[:1 << 20],
          "right-to-left marks": "\u200f\u202e6000\u202c\u200f".encode(),
          "combining marks": "6\u0301000\u0308".encode(), "emoji": "💰6000😀".encode(),
          "binary junk": bytes(range(1, 256)) * 3}
WORK = tempfile.TemporaryDirectory()
LOGS = {}  # what a failed check shows the end of: {name: (path, whether its writer runs)}


def wait_for(what, probe, until=bool):
    """Looks with probe until until(what it saw) holds, and returns what it saw."""
    deadline = time.monotonic() + DEADLINE
    while not until(seen := probe()):
        assert time.monotonic() < deadline, f"timed out waiting for {what}; last seen: {seen!r}"
        time.sleep(POLL)
    return seen


def children(accessible):
    """The children still there: one that went away while being read is None."""
    found = (accessible.get_child_at_index(i) for i in range(accessible.get_child_count()))
    return [child for child in found if child is not None]


def text_of(accessible):
    # Through the Text interface by name: newer bindings give the accessible a
    # get_text of its own that takes no range.
    return Atspi.Text.get_text(accessible, 0, -1)


def press(accessible):
    """Runs the accessible's press action, as a screen reader's user does."""
    names = [accessible.get_action_name(i) for i in range(accessible.get_n_actions())]
    assert "Press" in names, f"{accessible.get_name()!r} has only the actions {names}"
    accessible.do_action(names.index("Press"))


def keysym(character):
    return ord(character) if ord(character) < 0x100 else 0x1000000 + ord(character)


def view(sway, pid, title=CAPTION):
    """The compositor's node of the window of that process and title."""
    nodes = [json.loads(subprocess.run(["swaymsg", "-t", "get_tree"], env=sway.tool_env,
                                       capture_output=True, check=True).stdout)]
    while nodes:
        if (node := nodes.pop()).get("pid") == pid and node.get("name") == title:
            return node
        nodes += node.get("nodes", []) + node.get("floating_nodes", [])
    return None


class Program:
    """A program of the build, started in a locale and found on the
    accessibility bus; stopped at the end if it still runs."""

    def __init__(self, screen, path, locale=("zh_CN.UTF-8", ".", ",")):
        self.screen, self.separators, self.x = screen, locale[1:], None
        self.leftovers = tempfile.mkdtemp(dir=WORK.name)  # whatever the program might leave
        self.env = {name: value for name, value in os.environ.items()
                    if name not in ("LANGUAGE", "QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY")}
        self.env.update(screen.env, LANG=locale[0], LC_ALL=locale[0], TMPDIR=self.leftovers,
                        XDG_RUNTIME_DIR=self.leftovers, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        if os.environ.get("QUORVEL_PRELOAD"):
            self.env["LD_PRELOAD"] = os.environ["QUORVEL_PRELOAD"]
        memcheck = ["valgrind", "--leak-check=full", "--errors-for-leak-kinds=definite",
                    "--error-exitcode=99", f"--suppressions={MEMCHECK}", "--num-callers=40"]
        with open(self.leftovers + ".log", "w") as log:
            self.process = subprocess.Popen(
                [*(memcheck if MEMCHECK else []), path], env=self.env,
                stdout=log, stderr=log, start_new_session=True)
        LOGS[f"the program's output, process {self.process.pid}"] = (log.name, self.alive)

        def application():
            self.check_alive()
            return next((a for a in children(Atspi.get_desktop(0))
                         if a.get_process_id() == self.process.pid), None)
        try:
            self.application = wait_for("the program on the accessibility bus", application)
            # Every look goes to the program: a cached state would miss a click.
            self.application.set_cache_mask(Atspi.Cache.NONE)
        except BaseException:
            self.stop()
            raise

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.stop()

    def alive(self):
        return self.process.poll() is None

    def check_alive(self):
        assert self.alive(), f"the program ended with status {self.process.returncode}"

    def stop(self):
        if self.alive():
            os.killpg(self.process.pid, signal.SIGKILL)
            self.process.wait()
        if self.x is not None:
            self.x.close()
            self.x = None

    def windows(self, title):
        """Its windows on screen of that title."""
        return [w for w in children(self.application)
                if w.get_name() == title and w.get_state_set().contains(Atspi.StateType.SHOWING)]

    def notices(self):
        """The message boxes open now, as (accessible, title, prompt)."""
        found = []
        for window in children(self.application):
            try:
                if window.get_role() in (Atspi.Role.ALERT, Atspi.Role.DIALOG):
                    prompt = "\n".join(filter(None, (c.get_name() for c in children(window))))
                    found.append((window, window.get_name(), prompt))
            except GLib.GError:
                continue  # it closed while being read
        assert len(found) <= 1, f"{len(found)} notices open at once"
        return found

    def close_notices(self):
        """Answers each notice that opens, in turn, until none is open once
        the program has read all input sent before; returns their prompts."""
        prompts = []
        while (self.settle() if self.x else None) or (found := self.notices()):
            prompts.append(self.answer_notice(*found[0]))
            wait_for("the notice to close", lambda: not self.notices())
        return prompts

    @staticmethod
    def answer_notice(notice, title, prompt):
        """Presses the OK of a notice of the program; returns its prompt."""
        assert title == os.environ["QUORVEL_APP_TITLE"]
        buttons = [b for child in children(notice) for b in [child, *children(child)]
                   if b.get_role() == Atspi.Role.PUSH_BUTTON]
        assert len(buttons) == 1, f"the notice has {len(buttons)} buttons"
        press(buttons[0])
        return prompt


class Window(Program):
    """The program, started in a locale with its separators, its window found
    on the accessibility bus and, under X, by its caption and process. Closed
    as by its close box at the end, it must end with status 0: no leak, no
    error of memcheck."""

    def __init__(self, screen, locale=("zh_CN.UTF-8", ".", ",")):
        super().__init__(screen, os.environ["QUORVEL_PROGRAM"], locale)
        try:
            self.frame = wait_for("the window", lambda: (self.windows(CAPTION) or [None])[0])
            controls = {c.get_name(): c for c in children(self.frame)}
            self.entries = [controls[name] for name in ENTRIES]
            self.result, self.button = controls["您应交纳的个人所得税为"], controls["计  算"]
            if "DISPLAY" in screen.env:
                self.x = display.Display()
                self.x_window = wait_for("the X window", self._x_window)
        except BaseException:
            self.stop()
            raise

    def __exit__(self, kind, *_):
        try:
            if kind is None and self.alive():
                self.close()
                assert self.process.wait(DEADLINE) == 0, "the program ended badly after a close"
        finally:
            self.stop()

    def _x_window(self):
        name, pid = self.x.intern_atom("_NET_WM_NAME"), self.x.intern_atom("_NET_WM_PID")
        return next((w for w in self.x.screen().root.query_tree().children
                     if (caption := w.get_full_property(name, 0)) and
                     caption.value.decode() == CAPTION and
                     w.get_full_property(pid, 0).value[0] == self.process.pid), None)

    def set_entries(self, *texts):
        for entry, text in zip(self.entries, texts):
            assert entry.set_text_contents(text), f"{entry.get_name()} refused {text!r}"

    def answer(self):
        """The driver's answer to the window's texts, with the window's
        separators: its notices' prompts, CR read as a line break, and Text4."""
        texts = [text_of(entry) for entry in [*self.entries, self.result]]
        answer = json.loads(subprocess.run(
            [os.environ["QUORVEL_CALC"], "--decimal", self.separators[0], "--group",
             self.separators[1]], capture_output=True, check=True,
            input=json.dumps(dict(zip(("Text1", "Text2", "Text3", "Text4"), texts))).encode()
            + b"\n").stdout)
        prompts = [notice["prompt"] for notice in answer["notices"]]
        prompts += [answer["error"]["prompt"]] if answer["error"] else []
        return [prompt.replace("\r", "\n") for prompt in prompts], answer["Text4"]

    def check_click(self):
        """Presses 计  算 with the texts that the window holds, answers the
        notices, holds all to the driver's answer; returns the notices' prompts."""
        prompts, text4 = self.answer()
        press(self.button)
        # The button is down from the press until the click runs, and the
        # program answers the bus only between events or inside a notice.
        wait_for("the click", lambda: not self.button.get_state_set().contains(
            Atspi.StateType.PRESSED))
        assert self.close_notices() == prompts
        wait_for(f"Text4 to read {text4!r}", lambda: text_of(self.result), lambda t: t == text4)
        return prompts

    def compute(self, *texts):
        self.set_entries(*texts)
        return self.check_click()

    def message(self, *data):
        self.x_window.send_event(protocol.event.ClientMessage(
            window=self.x_window, client_type=self.x.intern_atom("WM_PROTOCOLS"),
            data=(32, [*data, 0, 0, 0][:5])))
        self.x.sync()

    def close(self, title=CAPTION):
        """The desktop's close request to the window: a window manager's
        under X; the compositor's on Wayland, also to the notice by its title."""
        if self.x is None:
            pid = self.process.pid
            node = wait_for(f"{title} in the compositor's tree",
                            lambda: self.check_alive() or view(self.screen, pid, title))
            subprocess.run(["swaymsg", f"[con_id={node['id']}]", "kill"],
                           env=self.screen.tool_env, capture_output=True, check=True)
        else:
            assert title == CAPTION, "under X only the window is closed"
            self.message(self.x.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime)

    def settle(self):
        """Waits until the program has read all input sent before: it answers
        a window manager's ping after it."""
        self.x.screen().root.change_attributes(event_mask=X.StructureNotifyMask)
        ping = [self.x.intern_atom("_NET_WM_PING"), time.monotonic_ns() & 0xFFFFFFFF,
                self.x_window.id, 0, 0]
        self.message(*ping)

        def pong():
            self.check_alive()
            while self.x.pending_events():
                event = self.x.next_event()
                if event.type == X.ClientMessage and list(event.data[1]) == ping:
                    return True
            return False
        wait_for("the answer to a ping", pong)

    def focus(self, entry):
        """Raises the window over any other and gives the entry the focus."""
        self.x_window.configure(stack_mode=X.Above)
        self.x_window.set_input_focus(X.RevertToParent, X.CurrentTime)
        self.x.sync()
        assert entry.grab_focus(), f"{entry.get_name()} takes no focus"
        wait_for("the focus", lambda: entry.get_state_set().contains(Atspi.StateType.FOCUSED))

    def type_into(self, index, text):
        """Types text into the emptied entry, key by key, on the bound keys."""
        entry = self.entries[index]
        entry.set_text_contents("")
        self.focus(entry)
        for character in text:
            code = self.x.keysym_to_keycode(keysym(character))
            assert self.x.keycode_to_keysym(code, 0) == keysym(character), character
            xtest.fake_input(self.x, X.KeyPress, code)
            xtest.fake_input(self.x, X.KeyRelease, code)
        self.x.sync()
        wait_for(f"{text!r} in {entry.get_name()}", lambda: text_of(entry), lambda t: t == text)

    def paste_into(self, index, data):
        """Offers data on the clipboard, as another program does, and pastes it
        with Ctrl+V into the emptied entry."""
        entry = self.entries[index]
        entry.set_text_contents("")
        owner = subprocess.Popen(["xclip", "-selection", "clipboard", "-quiet"], env=self.env,
                                 stdin=subprocess.PIPE, stdout=subprocess.DEVNULL)
        owner.stdin.write(data)
        owner.stdin.close()
        try:
            wait_for("the clipboard", lambda: subprocess.run(
                ["xclip", "-selection", "clipboard", "-o", "-t", "TARGETS"], env=self.env,
                capture_output=True).returncode == 0)
            self.focus(entry)
            subprocess.run(["xdotool", "key", "ctrl+v"], env=self.env, check=True)
            # The program reads the whole clipboard within the key press.
            wait_for("the paste", lambda: text_of(entry))
        finally:
            owner.terminate()
            owner.wait()


@pytest.fixture(scope="session")
def x11():
    """The X server of with_x.sh, a key bound to each character that a check
    types before any program starts: a key bound while the program runs may
    reach it before the new keyboard map. The server keeps them (-noreset).
    The accessibility bus that the session bus starts gets a runtime folder."""
    os.environ["XDG_RUNTIME_DIR"] = tempfile.mkdtemp(dir=WORK.name)
    subprocess.run(["dbus-update-activation-environment", "XDG_RUNTIME_DIR"], check=True)
    LOGS["the X server's log"] = (os.environ["X_SERVER_LOG"], lambda: True)
    x = display.Display()
    first = x.display.info.min_keycode
    mapping = x.get_keyboard_mapping(first, x.display.info.max_keycode - first + 1)
    free = [first + i for i, row in enumerate(mapping) if not any(row)]
    # The typed amounts hold every locale's group separator.
    for sym in sorted({keysym(character) for character in "".join(TYPED)}):
        if x.keycode_to_keysym(x.keysym_to_keycode(sym), 0) != sym:
            x.change_keyboard_mapping(free.pop(), [(sym, sym)])
    x.sync()
    x.close()
    return SimpleNamespace(env={"DISPLAY": os.environ["DISPLAY"]}, closes_blocked=False)


@pytest.fixture(scope="session")
def wayland(x11):
    """A headless Wayland compositor. It refuses to run as root: then it runs
    as the account that the set-up made, in a runtime folder of that account,
    keeping root's right to read and search whatever it opens, also when it
    asks whether it may (access(2)): a system made for a test may sit in a
    folder that only root enters."""
    folder, account, as_account = tempfile.mkdtemp(), "quorvel-compositor", []
    with open(os.path.join(folder, "config"), "w") as config:
        config.write("xwayland disable\noutput HEADLESS-1 resolution 800x400 scale 1\n")
    if os.geteuid() == 0:
        shutil.chown(folder, account)
        as_account = ["setpriv", f"--reuid={account}", f"--regid={account}", "--clear-groups",
                      "--securebits=+no_setuid_fixup", "--inh-caps=+dac_read_search",
                      "--ambient-caps=+dac_read_search"]
    with open(os.path.join(WORK.name, "sway.log"), "w") as log:
        server = subprocess.Popen([*as_account, "sway", "--config", config.name], cwd=folder,
                                  env=dict(os.environ, XDG_RUNTIME_DIR=folder,
                                           WLR_BACKENDS="headless", WLR_LIBINPUT_NO_DEVICES="1",
                                           WLR_RENDERER="pixman"), stdout=log, stderr=log)
    LOGS["the compositor's log"] = (log.name, lambda: server.poll() is None)

    def sockets():
        assert server.poll() is None, f"sway ended with status {server.returncode}"
        found = [glob.glob(os.path.join(folder, name))
                 for name in ("wayland-[0-9]", "sway-ipc.*.sock")]
        return all(found) and [paths[0] for paths in found]
    socket, ipc = wait_for("the compositor", sockets)
    # The toolkit's Wayland platform before 6.7.1 closes a window on the
    # compositor's request even while a notice blocks it; X11's, and the later
    # ones, drop the request, as the toolkit does for any blocked window.
    qt_version = tuple(int(part) for part in os.environ["QUORVEL_QT_VERSION"].split("."))
    yield SimpleNamespace(env={"WAYLAND_DISPLAY": socket, "QT_QPA_PLATFORM": "wayland"},
                          tool_env=dict(os.environ, XDG_RUNTIME_DIR=folder,
                                        WAYLAND_DISPLAY=socket, SWAYSOCK=ipc),
                          closes_blocked=qt_version < (6, 7, 1))
    server.terminate()
    server.wait()
    shutil.rmtree(folder)


@pytest.fixture(scope="module")
def window(x11):
    """One window for the checks that do not end it."""
    with Window(x11) as window:
        yield window


@pytest.fixture(scope="module")
def shown(request):
    """A window as it opens, under X or as a Wayland client."""
    with Window(request.getfixturevalue(request.param)) as window:
        yield window


def x11_look(x11, path):
    """The window under X as the window manager and a user see it: its
    caption, mapped, its client area's size and its first paint, kept in path."""
    with Window(x11) as window:
        assert window.x_window.get_attributes().map_state == X.IsViewable
        geometry = window.x_window.get_geometry()
        assert (geometry.width, geometry.height) == CLIENT_SIZE
        client_pixels = os.path.join(os.path.dirname(__file__), "..", "client_pixels.sh")

        def look():
            subprocess.run(["import", "-window", str(window.x_window.id), path], check=True)
            return subprocess.run([client_pixels, path], capture_output=True, text=True)
        # Nothing touches the window meanwhile, so what is seen is its first
        # paint: looked at until it passes or the time is up.
        wait_for("the window's design at its pixels", look, lambda seen: seen.returncode == 0)
    return path


def test_x11_look(x11):
    x11_look(x11, os.path.abspath("screenshot.png"))


def test_wayland_look(wayland, x11):
    """The compositor knows the window by the desktop entry's id and its
    caption, and it looks as under X11 but for Text1, where the focus frame and
    the caret are: X11 shows it unfocused, without a window manager."""
    pictures = [os.path.abspath("screenshot-wayland.png"),
                x11_look(x11, os.path.join(WORK.name, "x11.png"))]
    with Window(wayland) as window:
        node = wait_for("the window in the compositor's tree",
                        lambda: view(wayland, window.process.pid))
        assert (node.get("app_id"), node.get("name")) == (os.environ["QUORVEL_APP_ID"], CAPTION)
        assert (node["window_rect"]["width"], node["window_rect"]["height"]) == CLIENT_SIZE

        def differing():
            node = view(wayland, window.process.pid)
            client = node["window_rect"]
            subprocess.run(["grim", "-g", f"{node['rect']['x'] + client['x']},"
                            f"{node['rect']['y'] + client['y']} {client['width']}x"
                            f"{client['height']}", pictures[0]], env=wayland.tool_env, check=True)
            masked = [picture + ".masked.png" for picture in pictures]
            for picture, mask in zip(pictures, masked):
                subprocess.run(["convert", picture, "-fill", "black", "-draw",
                                "rectangle 70,38 219,60", mask], check=True)
            # compare tells how many pixels differ on its error output.
            return subprocess.run(["compare", "-metric", "AE", *masked, "null:"],
                                  capture_output=True, text=True).stderr.strip()
        # The compositor may place the window anew after it first shows it.
        wait_for("the pixels of the X11 window", differing, lambda count: count == "0")


on_both = pytest.mark.parametrize("shown", ["x11", "wayland"], indirect=True)


@on_both
@pytest.mark.parametrize("name", ENTRIES, ids=["Text1", "Text2", "Text3"])
def test_entry_as_read(shown, name):
    entry = shown.entries[list(ENTRIES).index(name)]
    # Roles by their number: their names differ from release to release.
    assert entry.get_role() in (Atspi.Role.TEXT, Atspi.Role.ENTRY), entry.get_role_name()
    assert entry.get_state_set().contains(Atspi.StateType.EDITABLE)
    assert "EditableText" in entry.get_interfaces()
    assert [relation.get_target(i).get_name() for relation in entry.get_relation_set()
            if relation.get_relation_type() == Atspi.RelationType.LABELLED_BY
            for i in range(relation.get_n_targets())] == [ENTRIES[name]]


@on_both
def test_screen_reader(shown):
    """The window, the result box and the button as read, a press with the
    entries as the window opens, and a computation."""
    assert (shown.frame.get_role(), shown.frame.get_name()) == (Atspi.Role.FRAME, CAPTION)
    assert shown.result.get_role() == Atspi.Role.TEXT
    assert shown.button.get_role() == Atspi.Role.PUSH_BUTTON
    shown.check_click()
    shown.compute(*VALID)


@pytest.fixture(scope="module", params=LOCALES)
def local(request, x11):
    """A window in one of the users' locales."""
    with Window(x11, (request.param, *LOCALES[request.param])) as window:
        yield window


@pytest.mark.parametrize("typed", TYPED)
@pytest.mark.parametrize("entry, others", [(0, ("", "500", "3500")), (1, ("20000", "", "3500"))],
                         ids=["Text1", "Text2"])
def test_typed(local, entry, others, typed):
    local.set_entries(*others)
    local.type_into(entry, typed)
    local.check_click()


def test_wrong_grouping(local):
    local.set_entries(*VALID)
    local.type_into(0, f"1{local.separators[1]}00")
    assert local.check_click(), "a group of two digits taken for a number"


# One click of each outcome (under memcheck in the plain tree).
@pytest.mark.parametrize("entries", [VALID, ("", "500", "3500"), ("3000", "0", "3500"),
                                     ("6000", "0", "9e99")],
                         ids=["tax", "notice", "no tax", "overflow"])
def test_outcome(window, entries):
    window.compute(*entries)


@pytest.mark.parametrize("entry", range(3), ids=["Text1", "Text2", "Text3"])
@pytest.mark.parametrize("data", PASTES.values(), ids=PASTES)
def test_paste(window, data, entry):
    """Whatever another program offers, a megabyte too, the click answers as
    the driver does; only digits make a number (the limits: frm_main_test)."""
    window.set_entries(*VALID)
    window.paste_into(entry, data)
    prompts = window.check_click()
    assert data.isdigit() or prompts, "taken for a number"
    window.compute(*VALID)


def enter_held(window):
    window.focus(window.entries[0])
    return ["xdotool", "keydown", "Return", "sleep", "1.5", "keyup", "Return"]


def hundred_clicks(window):
    window.focus(window.button)
    box = window.button.get_extents(Atspi.CoordType.SCREEN)
    return ["xdotool", "mousemove", str(box.x + box.width // 2), str(box.y + box.height // 2),
            "click", "--repeat", "100", "--delay", "1", "1"]


@pytest.mark.parametrize("burst", [enter_held, hundred_clicks])
@pytest.mark.parametrize("entries", [("", "500", "3500"), VALID], ids=["notice", "tax"])
def test_burst(window, burst, entries):
    """Never two notices at once, and the answer in Text4 over an earlier tax."""
    window.compute("7000", "500", "3500")
    window.set_entries(*entries)
    text4 = window.answer()[1]
    command = subprocess.Popen(burst(window), env=window.env)
    while command.poll() is None:
        window.notices()
        time.sleep(POLL)
    assert command.returncode == 0
    window.close_notices()
    assert text_of(window.result) == text4
    window.compute(*VALID)


def close(window):
    window.close()
    return [0]


def close_over_notice(window):
    """The desktop's close while a notice is open is the toolkit's to take.
    Where it drops the request, the window and the notice stay, the notice
    still answers and the window still closes; Debian 12's Wayland platform
    closes the window itself."""
    window.set_entries("")
    prompts = window.answer()[0]
    press(window.button)
    wait_for("a notice", window.notices)
    window.close()
    if window.screen.closes_blocked:
        return [0]
    if window.x:
        # Answered after the program has read the close request.
        assert window.close_notices() == prompts, "the notice went with the close"
    else:
        # The compositor's close of the notice, which answers it as its OK
        # does, reaches the program after the window's.
        window.close(os.environ["QUORVEL_APP_TITLE"])
        wait_for("the notice to close", lambda: not window.notices())
    assert window.alive() and window.windows(CAPTION), "the window went with the close"
    window.compute(*VALID)
    window.close()
    return [0]


def sigterm(window):
    window.process.send_signal(signal.SIGTERM)
    return [0, -signal.SIGTERM]


@pytest.mark.parametrize("screen", ["x11", "wayland"])
@pytest.mark.parametrize("end", [close, close_over_notice, sigterm])
def test_end(request, end, screen):
    """The program ends, leaves nothing behind, and starts anew and computes."""
    with Window(request.getfixturevalue(screen)) as window:
        statuses = end(window)
        assert window.process.wait(DEADLINE) in statuses
        # Its children (a sanitizer's symbolizer) end soon after it.
        wait_for("no process left", lambda: subprocess.run(
            ["pgrep", "-s", str(window.process.pid)], capture_output=True, text=True).stdout,
            lambda left: left == "")
        assert os.listdir(window.leftovers) == []
    with Window(request.getfixturevalue(screen)) as window:
        window.compute(*VALID)


@pytest.mark.parametrize("screen", ["x11", "wayland"])
def test_start_failure(request, screen):
    """A start-up that fails once the window exists says why in an error box
    of its own, as the Windows program does, and its OK ends the program with
    status 1."""
    with Program(request.getfixturevalue(screen),
                 os.environ["QUORVEL_START_FAILURE_PROGRAM"]) as program:
        [notice] = wait_for("the notice", program.notices)
        assert notice[0].get_state_set().contains(Atspi.StateType.SHOWING)
        assert not program.windows(CAPTION), "the window outlived its start-up"
        assert program.answer_notice(*notice) == \
            f"程序无法启动！\n{'-' * 23}\nError: {os.environ['QUORVEL_START_FAILURE']}"
        assert program.process.wait(DEADLINE) == 1


class ShowLogs:
    """A failed check shows the end of the output of each program that ran in
    it, where a sanitizer or memcheck reports, and of its display server's log."""

    @pytest.hookimpl(hookwrapper=True)
    def pytest_runtest_makereport(self, item):
        report = (yield).get_result()
        for name, (path, running) in list(item.module.LOGS.items()):
            if report.failed:
                with open(path, errors="replace") as log:
                    report.sections.append((f"the end of {name}", "".join(log.readlines()[-150:])))
            if not running():
                del item.module.LOGS[name]


if __name__ == "__main__":
    sys.dont_write_bytecode = True  # nothing written beside the sources
    # The bindings warn of the only name of an action that both releases know.
    sys.exit(pytest.main(["-v", "-p", "no:cacheprovider", "-W", "ignore:Atspi.Action", __file__,
                          *sys.argv[1:]], plugins=[ShowLogs()]))
