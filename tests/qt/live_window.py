# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
"""The real program under its own X server, seen and driven as a screen reader
sees it: through the accessibility bus of a D-Bus session of its own. Typing
and pasting go through the X server, as a user's keyboard and clipboard do.
The X server is the one that xvfb_run.sh started for the check; the caption
and the application's title are the build's, QUORVEL_CAPTION and
QUORVEL_APP_TITLE in the environment."""

import glob
import json
import os
import shutil
import signal
import subprocess
import tempfile
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

from Xlib import X, display, protocol  # noqa: E402
from Xlib.ext import xtest  # noqa: E402

CAPTION = os.environ["QUORVEL_CAPTION"]
APP_TITLE = os.environ["QUORVEL_APP_TITLE"]
ENTRY_NAMES = ("收入金额", "各项社会保险费", "免征额")
ENTRY_CAPTIONS = ("收入金额：", "各项社会保险费：", "免\u3000\u3000征\u3000\u3000额：")  # their labels
RESULT_NAME = "您应交纳的个人所得税为"
BUTTON_NAME = "计  算"
START_ENTRIES = ("", "0", "3500")  # Text1..Text3 as the window opens
NOTICE_1 = "您输入的不是数字！\n-----------------------\nError: Check your input is not a number"

POLL = 0.02  # seconds between two looks at something the program is doing


class Failure(AssertionError):
    pass


def wait_for(what, probe, timeout=20.0):
    """Polls probe until it returns something true, and returns that."""
    deadline = time.monotonic() + timeout
    while True:
        found = probe()
        if found:
            return found
        if time.monotonic() > deadline:
            raise Failure(f"timed out waiting for {what}")
        time.sleep(POLL)


def children(accessible):
    """The children still there: one that went away while being read is None."""
    found = (accessible.get_child_at_index(i) for i in range(accessible.get_child_count()))
    return [child for child in found if child is not None]


def text_of(accessible):
    # Through the Text interface by name: newer bindings give the accessible a
    # get_text of its own that takes no range.
    return Atspi.Text.get_text(accessible, 0, -1)


def labels_of(accessible):
    """The names of what the accessible says it is labelled by."""
    return [relation.get_target(i).get_name()
            for relation in accessible.get_relation_set()
            if relation.get_relation_type() == Atspi.RelationType.LABELLED_BY
            for i in range(relation.get_n_targets())]


def action_names(accessible):
    return [accessible.get_action_name(i) for i in range(accessible.get_n_actions())]


def press(accessible):
    """Runs the accessible's press action, as a screen reader's user does."""
    names = action_names(accessible)
    if "Press" not in names:
        raise Failure(f"{accessible.get_name()!r} has no press action, only {names}")
    accessible.do_action(names.index("Press"))


def started(command, env, log):
    """Starts a server that writes where it listens to the pipe that stands
    for {pipe} in its command; returns the process and that line."""
    read, write = os.pipe()
    process = subprocess.Popen([word.format(pipe=write) for word in command], pass_fds=[write],
                               env=env, stdout=log, stderr=log)
    os.close(write)
    with os.fdopen(read) as pipe:
        line = pipe.readline().strip()
    if not line:
        raise Failure(f"{command[0]} did not start")
    return process, line


def keysym(character):
    return ord(character) if ord(character) < 0x100 else 0x1000000 + ord(character)


class Session:
    """A desktop session of the test's own: a folder, an X server, a D-Bus
    session with its accessibility bus. Tests running side by side share
    nothing, not even the accessibility bus's socket in the runtime folder.
    Each character to be typed gets a key before any program starts: a key
    bound while the program runs may reach it before the new keyboard map."""

    def __init__(self, typed=""):
        self.typed = typed

    def __enter__(self):
        self.folder = tempfile.TemporaryDirectory()
        self.work = self.folder.name
        runtime = os.path.join(self.work, "runtime")
        os.mkdir(runtime, 0o700)
        self.log = open(os.path.join(self.work, "servers.log"), "w")
        env = dict(os.environ, XDG_RUNTIME_DIR=runtime)
        self.bus, address = started(
            ["dbus-daemon", "--session", "--nofork", "--print-address={pipe}"], env, self.log)
        try:
            self._start_display(env)
        except BaseException:
            self.bus.terminate()
            self.bus.wait()
            raise
        # This process reads the accessibility bus through the session bus.
        os.environ.update(DBUS_SESSION_BUS_ADDRESS=address, XDG_RUNTIME_DIR=runtime)
        return self

    def _start_display(self, env):
        # The server keeps the bound keys when the last client leaves (-noreset).
        self.display_server = None
        self.display = os.environ["DISPLAY"]
        self._bind_keys()

    def program_env(self):
        """Where the program shows its window."""
        return {"DISPLAY": self.display}

    def _bind_keys(self):
        x = display.Display(self.display)
        first = x.display.info.min_keycode
        mapping = x.get_keyboard_mapping(first, x.display.info.max_keycode - first + 1)
        free = [first + i for i, row in enumerate(mapping) if not any(row)]
        for character in sorted(set(self.typed)):
            code = x.keysym_to_keycode(keysym(character))
            if code == 0 or x.keycode_to_keysym(code, 0) != keysym(character):
                x.change_keyboard_mapping(free.pop(), [(keysym(character),) * 2])
        x.sync()
        x.close()

    def __exit__(self, *exception):
        for server in (self.display_server, self.bus):
            if server is not None:
                server.terminate()
                server.wait()
        self.log.close()
        self.folder.cleanup()


class WaylandSession(Session):
    """The same with a headless Wayland compositor in place of the X server,
    the window a Wayland client with the toolkit's own Wayland platform. The
    compositor refuses to run as root: then it runs as the unprivileged
    account that the test set-up made, in a runtime folder of that account."""

    COMPOSITOR_ACCOUNT = "quorvel-compositor"
    CONFIG = "xwayland disable\noutput HEADLESS-1 resolution 800x400 scale 1\n"

    def _start_display(self, env):
        self.display = None
        self.compositor_folder = tempfile.mkdtemp(dir=self.work)
        os.chmod(self.work, 0o755)  # the account reaches its folder through this one
        with open(os.path.join(self.compositor_folder, "config"), "w") as config:
            config.write(self.CONFIG)
        as_account = []
        if os.geteuid() == 0:
            shutil.chown(self.compositor_folder, self.COMPOSITOR_ACCOUNT)
            # It keeps root's right to read and search whatever it opens, also
            # when it asks whether it may (access(2)): a system made for a test
            # may sit in a folder that only root enters.
            as_account = ["setpriv", f"--reuid={self.COMPOSITOR_ACCOUNT}",
                          f"--regid={self.COMPOSITOR_ACCOUNT}", "--clear-groups",
                          "--securebits=+no_setuid_fixup", "--inh-caps=+dac_read_search",
                          "--ambient-caps=+dac_read_search"]
        os.chmod(self.compositor_folder, 0o700)
        self.display_server = subprocess.Popen(
            [*as_account, "sway", "--config", os.path.join(self.compositor_folder, "config")],
            env=dict(env, XDG_RUNTIME_DIR=self.compositor_folder, WLR_BACKENDS="headless",
                     WLR_LIBINPUT_NO_DEVICES="1", WLR_RENDERER="pixman"),
            stdout=self.log, stderr=self.log, cwd=self.compositor_folder)

        def ready():
            if self.display_server.poll() is not None:
                raise Failure(f"sway ended with status {self.display_server.returncode}")
            sockets = [path for path in glob.glob(os.path.join(self.compositor_folder, "wayland-*"))
                       if not path.endswith(".lock")]
            ipc = glob.glob(os.path.join(self.compositor_folder, "sway-ipc.*.sock"))
            return sockets and ipc and (sockets[0], ipc[0])

        self.wayland_display, self.sway_socket = wait_for("the compositor", ready)
        self.tool_env = dict(os.environ, XDG_RUNTIME_DIR=self.compositor_folder,
                             WAYLAND_DISPLAY=self.wayland_display, SWAYSOCK=self.sway_socket)

    def program_env(self):
        return {"WAYLAND_DISPLAY": self.wayland_display, "QT_QPA_PLATFORM": "wayland"}

    def swaymsg(self, *arguments):
        answer = subprocess.run(["swaymsg", *arguments], env=self.tool_env, capture_output=True,
                                text=True, check=True)
        return json.loads(answer.stdout)

    def view(self, pid):
        """The compositor's node of the window of that process."""
        def walk(node):
            if node.get("pid") == pid:
                return node
            for child in node.get("nodes", []) + node.get("floating_nodes", []):
                if found := walk(child):
                    return found
            return None
        return walk(self.swaymsg("-t", "get_tree"))

    def close(self, pid):
        """Asks the window to close, as the compositor does for its close box."""
        self.swaymsg(f"[pid={pid}]", "kill")

    def screenshot(self, rect, path):
        region = f"{rect['x']},{rect['y']} {rect['width']}x{rect['height']}"
        subprocess.run(["grim", "-g", region, path], env=self.tool_env, check=True)


class LiveWindow:
    """The program, started in a locale, with its window found on the bus."""

    def __init__(self, program, session, locale="zh_CN.UTF-8", wrapper=()):
        work = session.work
        self.env = dict(os.environ, LANG=locale, LC_ALL=locale,
                        QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        for variable in ("LANGUAGE", "QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"):
            self.env.pop(variable, None)
        self.env.update(session.program_env())
        # A folder of its own for whatever the program might leave behind.
        self.leftovers = tempfile.mkdtemp(dir=work)
        self.env.update(TMPDIR=self.leftovers, XDG_RUNTIME_DIR=self.leftovers)
        self.log = open(os.path.join(work, "program.log"), "a")
        self.process = subprocess.Popen([*wrapper, program], env=self.env, stdout=self.log,
                                        stderr=self.log, start_new_session=True)
        self.x = None
        try:
            self._find(session, wrapper)
        except BaseException:
            self.stop()
            raise

    def __enter__(self):
        return self

    def __exit__(self, *exception):
        self.stop()

    def _find(self, session, wrapper):
        self.application = wait_for("the program on the accessibility bus", self._application,
                                    timeout=120 if wrapper else 20)
        # Every look goes to the program: a cached state would miss a click.
        self.application.set_cache_mask(Atspi.Cache.NONE)
        self.frame = wait_for("the window", lambda: self._window(CAPTION))
        controls = {c.get_name(): c for c in children(self.frame)}
        try:
            self.entries = [controls[name] for name in ENTRY_NAMES]
            self.result = controls[RESULT_NAME]
            self.button = controls[BUTTON_NAME]
        except KeyError as missing:
            raise Failure(f"no control {missing} among {sorted(controls)}") from None
        if session.display is not None:
            self.x = display.Display(session.display)
            self.x_window = wait_for("the X window", self._x_window)

    def _application(self):
        if self.process.poll() is not None:
            raise Failure(f"the program ended with status {self.process.returncode}")
        desktop = Atspi.get_desktop(0)
        for application in children(desktop):
            if application.get_process_id() == self.process.pid:
                return application
        return None

    def _window(self, name):
        found = [w for w in children(self.application) if w.get_name() == name]
        return found[0] if found else None

    def _x_window(self):
        name = self.x.intern_atom("_NET_WM_NAME")
        for window in self.x.screen().root.query_tree().children:
            caption = window.get_full_property(name, 0)
            if caption and caption.value.decode() == CAPTION:
                return window
        return None

    # What a screen reader reads and does.

    def texts(self):
        return [text_of(entry) for entry in [*self.entries, self.result]]

    def set_entries(self, *texts):
        for entry, text in zip(self.entries, texts):
            if not entry.set_text_contents(text):
                raise Failure(f"{entry.get_name()} refused {text!r}")

    def notices(self):
        """The message boxes open now, as (accessible, title, prompt)."""
        found = []
        for window in children(self.application):
            try:
                if window.get_role() not in (Atspi.Role.ALERT, Atspi.Role.DIALOG):
                    continue
                prompts = [text for text in map(lambda c: c.get_name(), children(window)) if text]
                found.append((window, window.get_name(), "\n".join(prompts)))
            except GLib.GError:
                continue  # it closed while being read
        return found

    def notice(self):
        """Waits for exactly one message box and returns (accessible, title, prompt)."""
        found = wait_for("a notice", self.notices)
        if len(found) != 1:
            raise Failure(f"{len(found)} notices open at once")
        return found[0]

    def close_notice(self, notice):
        buttons = [b for b in children(notice) if b.get_role() == Atspi.Role.PUSH_BUTTON]
        for panel in children(notice):
            buttons += [b for b in children(panel) if b.get_role() == Atspi.Role.PUSH_BUTTON]
        if len(buttons) != 1:
            raise Failure(f"the notice has {len(buttons)} buttons")
        press(buttons[0])
        wait_for("the notice to close", lambda: not self.notices())

    def click(self, text4=None):
        """Presses 计  算 and answers every notice it shows, in turn. Returns the
        notices' prompts and Text4 as the click left it: once it reads text4,
        when that is given, for Text4 may change after the last notice."""
        press(self.button)
        # The button is down from the press until the click runs, and the
        # program answers the bus only between events or inside a notice.
        wait_for("the click", lambda: not self.button.get_state_set().contains(
            Atspi.StateType.PRESSED))
        prompts = []
        while found := self.notices():
            if len(found) != 1:
                raise Failure(f"{len(found)} notices open at once")
            notice, title, prompt = found[0]
            if title != APP_TITLE:
                raise Failure(f"a notice titled {title!r}")
            prompts.append(prompt)
            self.close_notice(notice)
        if text4 is not None:
            try:
                wait_for(f"Text4 to read {text4!r}", lambda: text_of(self.result) == text4, 5)
            except Failure:
                pass  # the caller compares and reports
        return prompts, text_of(self.result)

    def compute(self, *texts, text4=None):
        self.set_entries(*texts)
        return self.click(text4)

    # What a user's keyboard and clipboard do.

    def focus(self, entry):
        self.x_window.set_input_focus(X.RevertToParent, X.CurrentTime)
        self.x.sync()
        if not entry.grab_focus():
            raise Failure(f"{entry.get_name()} takes no focus")
        wait_for("the focus", lambda: entry.get_state_set().contains(Atspi.StateType.FOCUSED))

    def xdotool(self, *arguments):
        subprocess.run(["xdotool", *arguments], env=self.env, check=True)

    def type_into(self, entry, text):
        """Types text into the emptied entry, key by key, on keys the session
        bound to its characters."""
        entry.set_text_contents("")
        self.focus(entry)
        for character in text:
            code = self.x.keysym_to_keycode(keysym(character))
            if self.x.keycode_to_keysym(code, 0) != keysym(character):
                raise Failure(f"no key of its own for {character!r}")
            xtest.fake_input(self.x, X.KeyPress, code)
            xtest.fake_input(self.x, X.KeyRelease, code)
        self.x.sync()
        try:
            wait_for(f"{text!r} in {entry.get_name()}", lambda: text_of(entry) == text, 5)
        except Failure:
            got = text_of(entry)
            raise Failure(f"typed {text!r} into {entry.get_name()}, got {got!r}") from None

    def paste_into(self, entry, data):
        """Offers data on the clipboard, as another program does, and pastes it
        with Ctrl+V into the emptied entry."""
        entry.set_text_contents("")
        owner = subprocess.Popen(["xclip", "-selection", "clipboard", "-quiet"],
                                 stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                                 stderr=subprocess.DEVNULL, env=self.env)
        owner.stdin.write(data)
        owner.stdin.close()
        wait_for("the clipboard", lambda: subprocess.run(
            ["xclip", "-selection", "clipboard", "-o", "-t", "TARGETS"], env=self.env,
            capture_output=True).returncode == 0)
        try:
            self.focus(entry)
            self.xdotool("key", "ctrl+v")
            # The program reads the whole clipboard within the key press.
            return wait_for("the paste", lambda: text_of(entry), timeout=10)
        finally:
            owner.terminate()
            owner.wait()

    def close_window(self):
        """Asks the window to close, as a window manager does for its close box."""
        protocols = self.x.intern_atom("WM_PROTOCOLS")
        event = protocol.event.ClientMessage(
            window=self.x_window, client_type=protocols,
            data=(32, [self.x.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]))
        self.x_window.send_event(event)
        self.x.sync()

    def wait_exit(self, timeout=20):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise Failure("the program did not end") from None

    def alive(self):
        return self.process.poll() is None

    def stop(self):
        if self.alive():
            os.killpg(self.process.pid, signal.SIGKILL)
            self.process.wait()
        if self.x is not None:
            self.x.close()
            self.x = None


def driver(calculator, separators, runs):
    """The headless driver's answers to runs of (Text1, Text2, Text3, Text4),
    with a locale's separators (decimal, group)."""
    lines = "".join(json.dumps(dict(zip(("Text1", "Text2", "Text3", "Text4"), run))) + "\n"
                    for run in runs)
    answer = subprocess.run([calculator, "--decimal", separators[0], "--group", separators[1]],
                            input=lines, capture_output=True, text=True, check=True)
    return [json.loads(line) for line in answer.stdout.splitlines()]


def expected_from(answer):
    """What the window shows for one answer of the driver: the prompts of its
    notices, CR read as a line break, and Text4 at the end."""
    prompts = [notice["prompt"] for notice in answer["notices"]]
    if answer["error"]:
        prompts.append(answer["error"]["prompt"])
    return [p.replace("\r", "\n") for p in prompts], answer["Text4"]


class Checks:
    """Counts failed checks and says what failed, so one run reports them all."""

    def __init__(self):
        self.failed = 0

    def equal(self, what, got, expected):
        if got != expected:
            self.failed += 1
            print(f"FAIL {what}: got {got!r}, expected {expected!r}")
        else:
            print(f"ok   {what}")

    def true(self, what, condition, detail=""):
        self.equal(what + (f" ({detail})" if detail else ""), bool(condition), True)

    def exit_status(self):
        return 1 if self.failed else 0
