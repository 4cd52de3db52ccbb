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
Words = namedtuple("Words", "voice frame text table notification alert button escape backspace undo dash plus "
                             "quoted ellipsis asterisk")
WORDS = {
    "fr": Words(voice="fr", frame="cadre", text="texte", table="tableau avec 9 lignes 9 colonnes",
                notification="notification", alert="alerte", button="bouton", escape="échap",
                backspace="retour arrière", undo="annuler", dash="-", plus="pluss",
                quoted=("guillemet ouvert", "guillemet fermé"), ellipsis="points de suspension",
                asterisk="astérisque"),
    # Orca's English words, spoken with the French voice that the C session's setting gives Carrelix, whose
    # Speech Dispatcher symbols name the punctuation in French.
    "en": Words(voice="fr", frame="frame", text="text", table="table with 9 rows 9 columns",
                notification="notification", alert="alert", button="push button", escape="escape",
                backspace="backspace", undo="undo", dash="-", plus="pluss",
                quoted=("guillemet ouvert", "guillemet fermé"), ellipsis="dot dot dot", asterisk="astérisque"),
}


class Not:
    """Text that must not be heard during the step."""

    def __init__(self, pattern):
        self.pattern = pattern


def whole(text):
    """An utterance that is exactly text: nothing said before or after it in the same breath."""
    return re.compile(rf"(?<![^\n]){re.escape(text)}(?![^\n])")


def cell(content, row, col):
    """A cell as the grid names it: its content first, then its place."""
    return f"{content}, ligne {row}, colonne {col}, carré {(row - 1) // 3 * 3 + (col - 1) // 3 + 1}"


def last(text):
    """The step's last utterance is exactly text."""
    return re.compile(rf"(?<![^\n]){re.escape(text)}\Z")


def only(text):
    """The step's one utterance is exactly text: nothing before it, nothing after."""
    return re.compile(rf"\A{re.escape(text)}\Z")


# A step: what it shows, the keys sent (xdotool names; "ctrl+n" is a chord; REFOCUS gives the window
# the keyboard again, as a window manager does when a dialog closes; Click(row, col) clicks that cell),
# and what must be heard after them: texts (substrings) or regular expressions, in this order, and
# Not() for what must not be.
Step = namedtuple("Step", "title keys expected")
REFOCUS = "(the window manager gives the main window the focus)"
Click = namedtuple("Click", "row col")


def scenario(w):
    """The steps, with the words w of the session's language. On every move the cell's content comes
    first, then its place, once; the grid's name and shape when the focus enters it; what the program
    tells, without punctuation read aloud; and Where Am I current after each kind of change."""
    refusal = f"{w.notification} 5 refusé, "
    return [
        Step("the window gets the focus", [REFOCUS],
             [f"Sans titre {w.dash} Le Carrelix {w.frame}", whole("Grille."), whole(w.table),
              last(f"{cell('vide', 1, 1)} {w.text}.")]),
        # The cell left behind now holds the 5: screen readers learn it without a word.
        Step("an accepted digit moves on", ["5"],
             [whole("5"), last(f"{cell('vide', 1, 2)} {w.text}."), Not("ligne 1, colonne 1")]),
        # The digit comes and goes in one key: the cell's name is not told again.
        Step("a digit refused by its row", ["5"], [last(refusal + "déjà dans la ligne."), Not("ligne 1, colonne 2")]),
        Step("the down arrow", ["Down"], [only(f"{cell('vide', 2, 2)} {w.text}.")]),
        Step("a digit refused by its box", ["5"], [last(refusal + "déjà dans le carré.")]),
        Step("down again", ["Down"], [only(f"{cell('vide', 3, 2)} {w.text}.")]),
        Step("and again, into the fourth box", ["Down"], [only(f"{cell('vide', 4, 2)} {w.text}.")]),
        Step("the left arrow", ["Left"], [only(f"{cell('vide', 4, 1)} {w.text}.")]),
        Step("a digit refused by its column", ["5"], [last(refusal + "déjà dans la colonne, ligne 1.")]),
        Step("Tab", ["Tab"], [last(f"{cell('vide', 4, 2)} {w.text}.")]),
        Step("a second digit", ["3"], [last(f"{cell('vide', 4, 3)} {w.text}.")]),
        # Its digit first, once: no "selected" for the text that the cell selects as it gets the focus.
        Step("back onto a filled cell", ["Left"], [only(f"{cell('3', 4, 2)} {w.text}.")]),
        # Orca says the character deleted, and learns the cell's new name without a word.
        Step("Backspace empties it", ["BackSpace"], [w.backspace, last("3"), Not("ligne")]),
        Step("Where Am I (keypad Enter) is current", ["KP_Enter"], [whole(f"{cell('vide', 4, 2)} {w.text}.")]),
        Step("Annuler puts the 3 back", ["ctrl+z"], [whole(w.undo), last("3"), Not("ligne")]),
        Step("Where Am I again", ["KP_Enter"], [whole(f"{cell('3', 4, 2)} {w.text}.")]),
        Step("the mouse", [Click(5, 5)], [only(f"{cell('vide', 5, 5)} {w.text}.")]),
        Step("back with the mouse", [Click(4, 2)], [only(f"{cell('3', 4, 2)} {w.text}.")]),
        # Annuler empties a cell that the focus left and goes back to it. Orca takes the change of the
        # cell's text for the focus arriving and says nothing of the cell: a notice tells it.
        Step("a digit beside", ["Right", "7"], [last(f"{cell('vide', 4, 4)} {w.text}.")]),
        Step("Annuler takes it back", ["ctrl+z"], [last(f"{w.notification} {cell('vide', 4, 3)}."), Not("7,")]),
        Step("Where Am I there", ["KP_Enter"], [whole(f"{cell('vide', 4, 3)} {w.text}.")]),
        Step("back to the 3", ["Left"], [only(f"{cell('3', 4, 2)} {w.text}.")]),
        Step("the row", ["ctrl+shift+l"], [last(f"{w.notification} Ligne 4. vide, 3, {', '.join(['vide'] * 7)}.")]),
        Step("the column", ["ctrl+shift+k"],
             [last(f"{w.notification} Colonne 2. vide, vide, vide, 3, {', '.join(['vide'] * 5)}.")]),
        Step("the box", ["ctrl+shift+b"], [last(f"{w.notification} Carré 4. vide, 3, {', '.join(['vide'] * 7)}.")]),
        Step("the grid's state", ["ctrl+shift+g"],
             [last(f"{w.notification} Grille, 2 chiffres, 79 cases vides. Plusieurs solutions.")]),
        Step("Indice finds no single solution", ["ctrl+h"],
             [last(f"{w.notification} Pas d'indice, la grille a plusieurs solutions.")]),
        Step("Couper empties the grid", ["ctrl+x"],
             [last(f"{w.notification} Grille coupée, aucun chiffre."), Not("ligne")]),
        Step("Where Am I after Couper", ["KP_Enter"], [whole(f"{cell('vide', 4, 2)} {w.text}.")]),
        Step("Coller puts it back", ["ctrl+v"], [last(f"{w.notification} Grille collée, 2 chiffres."), Not("ligne")]),
        Step("Where Am I after Coller", ["KP_Enter"], [whole(f"{cell('3', 4, 2)} {w.text}.")]),
        # Screen readers get the question's text without its quotation marks, which Orca would read aloud.
        Step("New asks whether to save", ["ctrl+n"],
             [f"{w.alert} Le Carrelix.",
              re.compile(r"Voulez.*enregistrer les modifications apportées à Sans titre (\? )?"
                         r"Si vous n'enregistrez pas, vos modifications seront perdues\."),
              f"Enregistrer {w.button}.", Not(w.quoted[0])]),
        Step("Escape answers Annuler", ["Escape"], [w.escape, Not("Ne pas enregistrer"), Not("Grille vide")]),
        # The title's mark of a changed grid is read aloud.
        Step("back in the grid", [REFOCUS],
             [f"Sans titre {w.asterisk} {w.dash} Le Carrelix {w.frame}", last(f"{cell('3', 4, 2)} {w.text}.")]),
        # The shortcut comes with each item; Qt 6.4's menus give Orca 43 no menu name to say (see the README).
        Step("the File menu", ["alt+f"], [whole(f"Nouveau Ctrl {w.plus} N."), Not("Fichier")]),
        Step("its next item", ["Down"], [whole(f"Ouvrir {w.ellipsis} Ctrl {w.plus} O.")]),
        Step("Escape leaves the menu", ["Escape"], [whole("Fichier.")]),
        Step("Escape again, back to the grid", ["Escape"], [last(f"{cell('3', 4, 2)} {w.text}.")]),
        # Flat review reads an empty cell's name and a filled cell's digit.
        Step("Orca's line review (keypad Up)", ["KP_Up"],
             [f"{cell('vide', 4, 1)} 3 {cell('vide', 4, 3)}", cell("vide", 4, 9)]),
        Step("New again", ["ctrl+n"], [f"{w.alert} Le Carrelix."]),
        Step("its access key for Ne pas enregistrer", ["alt+n"], [whole(f"{w.notification} Grille vide.")]),
        Step("back in the emptied grid", [REFOCUS], [last(f"{cell('vide', 4, 2)} {w.text}.")]),
        Step("Where Am I after New", ["KP_Enter"], [whole(f"{cell('vide', 4, 2)} {w.text}.")]),
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
        self.program_process = None
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

    def write_settings(self, french):
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
        if not french:
            # Orca speaks with the voice of its settings or of its own locale, whatever the program says:
            # the setting that the README tells a user to make, a French voice for Carrelix alone.
            family = {"name": "fr", "lang": "fr", "dialect": "", "gender": None, "variant": None}
            voices = {kind: {"established": True, "family": family} for kind in ("default", "system", "hyperlink")}
            voices["uppercase"] = {"established": True, "family": family, "average-pitch": 7.0}
            carrelix = {"general": {"voices": voices}, "pronunciations": {}, "keybindings": {}}
            os.makedirs(os.path.join(orca, "app-settings"), exist_ok=True)
            with open(os.path.join(orca, "app-settings", "carrelix.conf"), "w") as conf:
                json.dump({"profiles": {"default": carrelix}}, conf, indent=4)

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
        if isinstance(key, Click):
            x, y = self.cell_centre(key)
            subprocess.run(["xdotool", "mousemove", "--sync", str(x), str(y), "click", "1"], check=True)
            return
        *modifiers, name = key.split("+")
        if not modifiers:
            subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)
            return
        subprocess.run(["xdotool", "keydown", "--clearmodifiers", *modifiers], check=True)
        time.sleep(CHORD_HOLD_S)
        subprocess.run(["xdotool", "key", name], check=True)
        time.sleep(CHORD_HOLD_S)
        subprocess.run(["xdotool", "keyup", *modifiers], check=True)

    def cell_centre(self, click):
        """The screen position of the cell's centre, as the accessibility bus tells it."""
        place = f", ligne {click.row}, colonne {click.col},"
        app = application(self.program_process.pid)
        cells = [node for node in descendants(app) if node.name and place in node.name] if app else []
        if len(cells) != 1:
            raise Failure(f"{len(cells)} cells named with {place!r} on the accessibility bus")
        box = cells[0].queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return box.x + box.width // 2, box.y + box.height // 2

    def run(self):
        # Orca speaks, and names roles, in the language of the locale it runs in.
        french = os.environ.get("LC_ALL", "").startswith("fr")
        words = WORDS["fr" if french else "en"]
        self.write_settings(french)
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
        self.program_process = self.start("program", [self.program], env)
        self.window = self.wait_for_window(self.program_process)
        steps = scenario(words)
        slowest = (0, "")
        for number, step in enumerate(steps, 1):
            for key in step.keys:
                self.press(key)
            utterances = self.listen(step.expected)
            if self.log:
                print(f"  {number:2} {step.title} ({' '.join(map(str, step.keys))}):", flush=True)
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


def application(pid):
    """The application of that process on the accessibility bus, or None."""
    for app in pyatspi.Registry.getDesktop(0):
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:  # An application that went away as we looked.
            continue
    return None


def on_accessibility_bus(pid):
    return application(pid) is not None


def descendants(node):
    for child in node:
        if child is not None:
            yield child
            yield from descendants(child)


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
