#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Listens to what the Orca screen reader says while a blind user's keys are typed into the grid.

Runs inside the session that .ci/orca-check makes (its own session bus, X server, HOME and XDG
directories, locale): starts Speech Dispatcher with an output module that appends each text it is
given, with its voice's language, to WORKDIR/spoken.txt instead of sounding it; then Orca, with its
own settings and its debug log in WORKDIR/orca-debug.txt; then PROGRAM. It sends each step's keys
with xdotool, waits until Orca has finished speaking, and checks what was heard against the step's
expectations, in order. Orca's debug log is the cross-check: every text heard must be one that Orca
logged as spoken, in the same order, and a text not heard is reported with what the log has of it.

Usage: orca_session.py WORKDIR PROGRAM [--log]   (--log prints each step's speech with its delay)
Run it with /usr/bin/python3 (Orca's own Python, with Debian's python3-pyatspi); xdotool sends the keys.
"""
import json
import os
import re
import signal
import subprocess
import sys
import time
from collections import namedtuple

import pyatspi

ORCA_WAIT_S = 30
WINDOW_WAIT_S = 20
STEP_WAIT_S = 10  # for the first expected text; Orca's Where Am I alone waits 0.5 s for a second press
QUIET_S = 0.6  # speech is over once nothing more has come for this long
POLL_S = 0.05
STOP_WAIT_S = 10
# A modifier is held this long before and after the key, as a hand does. Pressed at once, Alt+F reaches
# the program while Orca still answers for the Alt key: the menu opens and closes at once.
CHORD_HOLD_S = 0.3

# What Orca and Speech Dispatcher add to the program's texts, in the session's language: Orca's role
# names and messages, and the names that Speech Dispatcher's symbol tables give to punctuation at
# Orca's default level ("most").
Words = namedtuple("Words", "voice frame text selected deleted notification alert button escape dash quoted "
                             "ellipsis asterisk plus")
WORDS = {
    "fr": Words(voice="fr", frame="cadre", text="texte", selected="sélectionné",
                deleted="La sélection a été supprimée", notification="notification", alert="alerte", button="bouton",
                escape="échap", dash="-", quoted=("guillemet ouvert", "guillemet fermé"),
                ellipsis="points de suspension", asterisk="astérisque", plus="pluss"),
    "en": Words(voice="en", frame="frame", text="text", selected="selected", deleted="Selection deleted",
                notification="notification", alert="alert", button="push button", escape="escape", dash="dash",
                quoted=("double left pointing angle bracket", "double right pointing angle bracket"),
                ellipsis="dot dot dot", asterisk="star", plus="plus"),
}


class Not:
    """Text that must not be heard during the step."""

    def __init__(self, pattern):
        self.pattern = pattern


def whole(text):
    """An utterance that is exactly text: nothing said before or after it in the same breath."""
    return re.compile(rf"(?<![^\n]){re.escape(text)}(?![^\n])")


def place(row, col):
    return f"Ligne {row}, colonne {col}, carré {(row - 1) // 3 * 3 + (col - 1) // 3 + 1}"


# A step: what it shows, the keys sent (xdotool names; "ctrl+n" is a chord; REFOCUS gives the window
# the keyboard again, as a window manager does when a dialog closes), and what must be heard after
# them: texts (substrings) or regular expressions, in this order, and Not() for what must not be.
Step = namedtuple("Step", "title keys expected")
REFOCUS = "(the window manager gives the main window the focus)"


def scenario(w):
    """The steps, with the words w of the session's language. What the program makes Orca say today; the
    reasons of a refusal without punctuation read aloud."""
    refusal = f"{w.notification} 5 refusé, "
    return [
        Step("the window gets the focus", [REFOCUS],
             [f"Sans titre {w.dash} Le Carrelix {w.frame}", whole(f"{place(1, 1)} {w.text}."), whole("vide.")]),
        Step("an accepted digit moves on", ["5"], ["5", whole(f"{place(1, 2)} {w.text}."), whole("vide.")]),
        Step("a digit refused by its row", ["5"], [whole(refusal + "déjà dans la ligne.")]),
        Step("the down arrow", ["Down"], [whole(f"{place(2, 2)} {w.text}."), "vide."]),
        Step("a digit refused by its box", ["5"], [whole(refusal + "déjà dans le carré.")]),
        Step("down again", ["Down"], [place(3, 2), "vide."]),
        Step("and again, into the fourth box", ["Down"], [place(4, 2), "vide."]),
        Step("the left arrow", ["Left"], [whole(f"{place(4, 1)} {w.text}."), "vide."]),
        Step("a digit refused by its column", ["5"],
             [whole(refusal + "déjà dans la colonne, ligne 1.")]),
        Step("Tab", ["Tab"], [whole(f"{place(4, 2)} {w.text}."), "vide."]),
        Step("a second digit", ["3"], [place(4, 3), "vide."]),
        # The selected digit and "selected" come twice: first for the text selected as the cell gets
        # the focus, then with the cell, whose description is its digit again.
        Step("back onto a filled cell", ["Left"],
             [whole("3"), whole(w.selected), whole(f"{place(4, 2)} {w.text}."), whole(f"{w.selected}."),
              whole("chiffre 3.")]),
        Step("Backspace empties it", ["BackSpace"], [w.deleted]),
        # Stale: the description was set as the focus arrived.
        Step("Where Am I (keypad Enter)", ["KP_Enter"], [whole(f"{place(4, 2)} {w.text}."), whole("chiffre 3.")]),
        # Screen readers get the question's text without its quotation marks, which Orca would read aloud.
        Step("New asks whether to save", ["ctrl+n"],
             [f"{w.alert} Le Carrelix.",
              re.compile(r"Voulez.*enregistrer les modifications apportées à Sans titre (\? )?"
                         r"Si vous n'enregistrez pas, vos modifications seront perdues\."),
              f"Enregistrer {w.button}.", Not(w.quoted[0])]),
        Step("Escape answers Annuler", ["Escape"], [w.escape, Not("Ne pas enregistrer")]),
        # The title's mark of a changed grid is read aloud.
        Step("back in the grid", [REFOCUS],
             [f"Sans titre {w.asterisk} {w.dash} Le Carrelix {w.frame}", place(4, 2)]),
        # The shortcut comes with each item; Qt 6.4's menus give Orca 43 no menu name to say.
        Step("the File menu", ["alt+f"], [whole(f"Nouveau Ctrl {w.plus} N."), Not("Fichier")]),
        Step("its next item", ["Down"], [whole(f"Ouvrir {w.ellipsis} Ctrl {w.plus} O.")]),
        Step("Escape leaves the menu", ["Escape"], [whole("Fichier.")]),
        Step("Escape again, back to the grid", ["Escape"], [place(4, 2)]),
        # Flat review reads the cells' names, even that of the cell holding a 3.
        Step("Orca's line review (keypad Up)", ["KP_Up"], [whole(" ".join(place(4, col) for col in range(1, 10)))]),
    ]


def describe(pattern):
    return f"/{pattern.pattern}/" if isinstance(pattern, re.Pattern) else repr(pattern)


class Failure(Exception):
    """The session cannot go on."""


class Session:
    def __init__(self, workdir, program, log):
        self.workdir = workdir
        self.program = program
        self.log = log
        self.spoken = os.path.join(workdir, "spoken.txt")
        self.debug_log = os.path.join(workdir, "orca-debug.txt")
        self.read_to = 0
        self.processes = []
        self.window = None
        self.failures = []  # (message, the expected text that was not heard, or None)

    def path(self, name):
        return os.path.join(self.workdir, name)

    def start(self, name, command, env=None):
        """Starts a process in a process group of its own, so that whatever it starts goes with it."""
        output = open(self.path(f"{name}.out"), "wb")
        process = subprocess.Popen(command, stdout=output, stderr=subprocess.STDOUT, env=env, start_new_session=True)
        self.processes.append((name, process))
        return process

    def stop_all(self):
        """Ends the processes one by one, the last started first: Orca writes out its debug log as it ends,
        and it needs Speech Dispatcher to end well."""
        for name, process in reversed(self.processes):
            try:
                os.killpg(process.pid, signal.SIGTERM)
                process.wait(STOP_WAIT_S)
            except ProcessLookupError:
                pass
            except subprocess.TimeoutExpired:
                print(f"orca-check: {name} did not end within {STOP_WAIT_S} s: killed", flush=True)
                os.killpg(process.pid, signal.SIGKILL)
                process.wait()

    def write_settings(self):
        """Speech Dispatcher's settings and its capturing output module, and Orca's settings."""
        # Where an autospawned server would look too.
        config = os.path.join(os.environ["XDG_CONFIG_HOME"], "speech-dispatcher")
        os.makedirs(config, exist_ok=True)
        # Debian's own symbol tables, so that punctuation is spoken as a user's Speech Dispatcher speaks it.
        symbols = "".join(f'SymbolsPreprocFile "{name}.dic"\n' for name in
                          ("gender-neutral", "font-variants", "symbols", "emojis", "orca", "orca-chars"))
        with open(os.path.join(config, "speechd.conf"), "w") as conf:
            conf.write(f'LogDir "{self.workdir}"\nSymbolsPreproc "char"\n{symbols}'
                       f'AddModule "capture" "sd_generic" "{config}/capture.conf"\nDefaultModule capture\n'
                       # The module opens an audio device it never uses: ALSA's null device always opens.
                       'AudioOutputMethod "alsa"\nAudioALSADevice "null"\n'
                       # Should Orca lose it, it must not start one with the user's synthesizer.
                       'DisableAutoSpawn\n')
        with open(os.path.join(config, "capture.conf"), "w") as conf:
            # One line per text: its voice's language, a tab, the text with its line breaks made spaces
            # ($DATA comes quoted for the shell). No delimiter cuts a text in several.
            conf.write(r"""GenericExecuteSynth "{ printf '%s\\t%s' '$LANGUAGE' '$DATA' | tr '\\n' ' '; echo; } >> """
                       + self.spoken + '"\nGenericMaxChunkLength 100000\nGenericDelimiters "`"\n')
            for language in ("fr", "en"):
                conf.write(f'AddVoice "{language}" "MALE1" "{language}"\n'
                           f'GenericLanguage "{language}" "{language}" "utf-8"\n')
        orca = os.path.join(os.environ["XDG_DATA_HOME"], "orca")
        os.makedirs(orca, exist_ok=True)
        # A user's first settings, written by hand so that Orca has no first start; speech on, punctuation
        # at its default level, the desktop keyboard layout.
        general = {"enableSpeech": True, "speechServerFactory": "speechdispatcherfactory",
                   "verbalizePunctuationStyle": 1, "keyboardLayout": 1, "orcaModifierKeys": ["Insert", "KP_Insert"],
                   "enableBraille": False}
        profile = {"profile": ["Default", "default"], "pronunciations": {}, "keybindings": {}}
        settings = {"general": general, "pronunciations": {}, "keybindings": {}, "profiles": {"default": profile}}
        with open(os.path.join(orca, "user-settings.conf"), "w") as conf:
            json.dump(settings, conf, indent=4)

    def heard(self):
        """The utterances spoken since the last call, as (language, text)."""
        if not os.path.exists(self.spoken):
            return []
        with open(self.spoken, "rb") as spoken:
            spoken.seek(self.read_to)
            data = spoken.read()
        complete = data[: data.rfind(b"\n") + 1]
        self.read_to += len(complete)
        return [tuple(line.split("\t", 1)) for line in complete.decode("utf-8", "replace").splitlines()]

    def listen(self, expected, wait_s=STEP_WAIT_S):
        """Collects utterances until the expected texts have all been heard, or wait_s has passed, and then
        until QUIET_S passes without more; returns them with their delays from now."""
        start = time.monotonic()
        utterances = []
        last = None
        while True:
            now = time.monotonic()
            for language, text in self.heard():
                utterances.append((now - start, language, text))
                last = now
            done = match(expected, [u[2] for u in utterances])[0] is None
            quiet = now - (last or start) >= QUIET_S
            if quiet and (done or now - start >= wait_s):
                return utterances
            time.sleep(POLL_S)

    def wait_for_window(self, process):
        """The program's window, once it shows and the program is on the accessibility bus, where Orca
        learns of it: a window that gets the focus before that is presented by no one."""
        end = time.monotonic() + WINDOW_WAIT_S
        while time.monotonic() < end:
            search = ["xdotool", "search", "--onlyvisible", "--pid", str(process.pid), "--name", "Carrelix"]
            found = subprocess.run(search, capture_output=True, text=True).stdout.split()
            if found and on_accessibility_bus(process.pid):
                return found[0]
            if process.poll() is not None:
                raise Failure(f"the program ended with status {process.returncode} before showing its window")
            time.sleep(0.1)
        raise Failure("the program's window did not show, or the program did not reach the accessibility bus")

    def press(self, key):
        if key == REFOCUS:
            subprocess.run(["xdotool", "windowfocus", "--sync", self.window], check=True)
            return
        *modifiers, last = key.split("+")
        if not modifiers:
            subprocess.run(["xdotool", "key", "--clearmodifiers", last], check=True)
            return
        subprocess.run(["xdotool", "keydown", "--clearmodifiers", *modifiers], check=True)
        time.sleep(CHORD_HOLD_S)
        subprocess.run(["xdotool", "key", last], check=True)
        time.sleep(CHORD_HOLD_S)
        subprocess.run(["xdotool", "keyup", *modifiers], check=True)

    def run(self):
        # Orca speaks, and names roles, in the language of the locale it runs in.
        words = WORDS["fr" if os.environ.get("LC_ALL", "").startswith("fr") else "en"]
        self.write_settings()
        config = os.path.join(os.environ["XDG_CONFIG_HOME"], "speech-dispatcher")
        self.start("speech-dispatcher", ["speech-dispatcher", "--run-single", "--timeout", "0", "--config-dir", config])
        orca = self.start("orca", ["orca", f"--debug-file={self.debug_log}"])
        if not self.listen([re.compile(".")], ORCA_WAIT_S):
            if orca.poll() is not None:
                with open(self.path("orca.out"), encoding="utf-8", errors="replace") as output:
                    raise Failure(f"Orca ended with status {orca.returncode} as it started: {output.read().strip()!r}")
            raise Failure("Orca said nothing as it started: is Speech Dispatcher's capturing module working?")
        env = dict(os.environ, QT_QPA_PLATFORM="xcb")
        env.pop("WAYLAND_DISPLAY", None)
        self.window = self.wait_for_window(self.start("program", [self.program], env))
        steps = scenario(words)
        slowest = (0, "")
        for number, step in enumerate(steps, 1):
            for key in step.keys:
                self.press(key)
            utterances = self.listen(step.expected)
            if self.log:
                print(f"  {number:2} {step.title} ({' '.join(step.keys)}):", flush=True)
                for delay, voice, text in utterances:
                    print(f"       {delay:4.2f} s [{voice}] {text!r}", flush=True)
            if utterances:
                slowest = max(slowest, (utterances[-1][0], step.title))
            self.check(f"step {number} \"{step.title}\"", step.expected, utterances, words.voice)
        print(f"orca-check: {len(steps)} steps; Orca had said all within {slowest[0]:.2f} s of the keys "
              f"(at the slowest: {slowest[1]})", flush=True)

    def check(self, where, expected, utterances, voice):
        texts = [u[2] for u in utterances]
        missing, after = match(expected, texts)
        if missing is not None:
            after = f" after {describe(after)}" if after is not None else ""
            self.failures.append((f"{where}: {describe(missing)} not heard{after}; heard {texts}", missing))
        heard = [n.pattern for n in expected if isinstance(n, Not) and found(n.pattern, as_one(texts))]
        if heard:
            self.failures.append((f"{where}: {describe(heard[0])} was heard; heard {texts}", None))
        voices = {u[1] for u in utterances} - {voice}
        if voices:
            heard_in = ", ".join(f"[{u[1]}] {u[2]!r}" for u in utterances)
            self.failures.append((f"{where}: spoken with a {'/'.join(sorted(voices))} voice, not {voice}; "
                                  f"heard {heard_in}", None))

    def report(self):
        """The failures, told with what Orca's debug log has (complete once Orca has ended)."""
        logged = orca_speech(self.debug_log) if os.path.exists(self.debug_log) else []
        messages = []
        for message, missing in self.failures:
            said = [text for text in logged if missing is not None and found(missing, as_one([text]))]
            messages.append(f"{message}; Orca's debug log has it spoken: {said[-1]!r}" if said else message)
        return messages + self.cross_check(logged)

    def cross_check(self, logged):
        """Everything heard must be, in order, what Orca's debug log says it spoke."""
        if not os.path.exists(self.spoken):
            return []
        with open(self.spoken, encoding="utf-8", errors="replace") as spoken:
            heard = [line.split("\t", 1)[-1] for line in spoken.read().splitlines()]
        logged = iter(logged)
        for text in heard:
            words = re.findall(r"\w+", text)
            if words and not any(is_subsequence(re.findall(r"\w+", said), words) for said in logged):
                return [f"heard {text!r}, which Orca's debug log does not have spoken in that place"]
        return []


def on_accessibility_bus(pid):
    for app in pyatspi.Registry.getDesktop(0):
        try:
            if app is not None and app.get_process_id() == pid:
                return True
        except Exception:  # An application that went away as we looked.
            continue
    return False


def orca_speech(debug_log):
    """The texts that Orca's debug log says it sent to the speech server, in order: each followed by its voice,
    or by a list of voices when Orca speaks several pieces at once (a line of flat review)."""
    with open(debug_log, encoding="utf-8", errors="replace") as log:
        return re.findall(r"SPEECH OUTPUT: '(.*)'\s?\[?\{", log.read())


def is_subsequence(part, whole_list):
    """Whether the words of part come in whole_list in order (Speech Dispatcher adds punctuation's names)."""
    rest = iter(whole_list)
    return bool(part) and all(word in rest for word in part)


def found(pattern, text, start=0):
    """The end of pattern's first match in text from start, or None."""
    if isinstance(pattern, re.Pattern):
        hit = pattern.search(text, start)
        return hit.end() if hit else None
    at = text.find(pattern, start)
    return at + len(pattern) if at >= 0 else None


def as_one(texts):
    """The utterances as one text, a line each, with the runs of spaces that punctuation's names leave made one."""
    return "\n".join(" ".join(text.split()) for text in texts)


def match(expected, texts):
    """Matches the expected texts in order against the utterances; returns (the first one missing, the
    one matched before it), or (None, None) when all are there."""
    heard = as_one(texts)
    position = 0
    previous = None
    for pattern in expected:
        if isinstance(pattern, Not):
            continue
        end = found(pattern, heard, position)
        if end is None:
            return pattern, previous
        position = end
        previous = pattern
    return None, None


def main():
    workdir, program = sys.argv[1:3]
    session = Session(workdir, os.path.abspath(program), "--log" in sys.argv[3:])
    try:
        session.run()
    except Failure as failure:
        session.failures.append((str(failure), None))
    finally:
        session.stop_all()
    failures = session.report()
    for failure in failures:
        print(f"orca-check: FAIL: {failure}", flush=True)
    if failures:
        print(f"orca-check: the speech heard is in {session.spoken}, Orca's debug log in {session.debug_log}")
        sys.exit(1)


main()
