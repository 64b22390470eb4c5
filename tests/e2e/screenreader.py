#!/usr/bin/python3
"""Both exercises done through the accessibility interface alone, as a screen reader does them.

Run inside a session bus of its own (dbus-run-session): it starts a private X server and the
accessibility bus, tells the desktop that assistive technology is on, starts the program and
drives it only through AT-SPI (pyatspi): windows found by name, buttons and sentence labels
pressed through their actions, answers put in through the editable-text interface, roles
picked through the entries of each role box, verdicts read from each box's description.
    dbus-run-session -- /usr/bin/python3 screenreader.py PROGRAM
"""

import os
import signal
import subprocess
import sys
import tempfile
import time

import pyatspi

PROGRAM = sys.argv[1]
passed, failed = 0, 0


def check(condition, what):
    global passed, failed
    if condition:
        passed += 1
    else:
        failed += 1
        print(f"FAIL: {what}", flush=True)
    return condition


def wait_for(find, timeout=10.0):
    """What `find` returns once it is something, or None after `timeout` seconds."""
    end = time.monotonic() + timeout
    while True:
        try:
            found = find()
        except Exception:  # the accessible tree changes under a window being built
            found = None
        if found or time.monotonic() > end:
            return found
        time.sleep(0.1)


def descendant(root, role, name):
    return pyatspi.findDescendant(
        root, lambda a: a is not None and a.getRoleName() == role and a.name == name)


def window(application, name):
    return wait_for(lambda: next((w for w in application if w is not None and w.name == name), None))


def actions(accessible):
    try:
        action = accessible.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def act(accessible, name):
    action = accessible.queryAction()
    for i in range(action.nActions):
        if action.getName(i) == name:
            return action.doAction(i)
    raise AssertionError(f"{accessible.name!r} offers no {name} action")


def press(root, name):
    button = descendant(root, "push button", name)
    if check(button is not None, f"a button named {name!r}"):
        act(button, "Press")


def text_of(accessible):
    return accessible.queryText().getText(0, -1)


def descriptions_become(boxes, expected, what):
    got = wait_for(lambda: [b.description for b in boxes] == expected and expected, timeout=5)
    return check(got, f"{what}: {[b.description for b in boxes]} is not {expected}")


def selected_entry(combo):
    for i in range(combo.childCount):
        child = combo.getChildAtIndex(i)
        if child.getRoleName() == "list item" and child.getState().contains(pyatspi.STATE_SELECTED):
            return child.name
    return None


def start_display():
    # -noreset: without it the server resets whenever its last client leaves, and refuses
    # connections meanwhile.
    server = subprocess.Popen(["Xvfb", "-displayfd", "1", "-noreset", "-screen", "0",
                               "1280x800x24", "-nolisten", "tcp"],
                              stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    display = ":" + server.stdout.readline().decode().strip()
    wait_for(lambda: subprocess.run(["xdpyinfo", "-display", display],
                                    capture_output=True).returncode == 0)
    return server, display


def main():
    scratch = tempfile.TemporaryDirectory()
    runtime = os.path.join(scratch.name, "runtime")
    os.mkdir(runtime, 0o700)
    os.environ.update(HOME=scratch.name, XDG_RUNTIME_DIR=runtime)
    server, display = start_display()
    os.environ["DISPLAY"] = display
    bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                           stderr=subprocess.DEVNULL)
    # What a screen reader does when it starts: tell the desktop that it is listening.
    wait_for(lambda: subprocess.run(
        ["gdbus", "call", "--session", "--dest", "org.a11y.Bus", "--object-path",
         "/org/a11y/bus", "--method", "org.freedesktop.DBus.Properties.Set", "org.a11y.Status",
         "IsEnabled", "<true>"], capture_output=True).returncode == 0)
    program = subprocess.Popen([PROGRAM])
    try:
        road()
    finally:
        program.send_signal(signal.SIGTERM)
        program.wait(10)
        bus.terminate()
        bus.wait(10)
        server.terminate()
        server.wait(10)
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


def road():
    application = wait_for(lambda: next(
        (a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "eserciziario"),
        None))
    if not check(application is not None, "the program is on the accessibility bus"):
        return

    welcome = window(application, "BENVENUTO")
    if not check(welcome is not None, "the welcome box is found by its name"):
        return
    check(descendant(welcome, "label", "Benvenuto Nell'eserciziario interattivo creato da "
                     "Zerbalto. Selezionare l'esercizio") is not None,
          "the welcome text is readable")
    press(welcome, "OK")

    main_window = window(application, "Prova Esercizi Zerbalto")
    if not check(main_window is not None, "the main window follows the welcome box"):
        return
    press(main_window, "Verbi all'infinito")
    press(main_window, "Analisi Logica")

    verbs = window(application, "Inserisci il Verbo al modo infinito")
    if check(verbs is not None, "the verb window opens"):
        verb_road(verbs)
    menu = window(application, "Analisi logica")
    if check(menu is not None, "the sentence menu opens"):
        sentence_road(application, menu)


def verb_road(verbs):
    names = ["Infinito di Cossi", "Infinito di Andassimo", "Infinito di Uscimmo",
             "Infinito di Andaste"]
    boxes = [descendant(verbs, "text", name) for name in names]
    if not check(all(boxes), f"answer boxes named {names}"):
        return
    answers = ["cuocere", "Andare", "uscire", "andare"]
    for box, answer in zip(boxes, answers):
        box.queryEditableText().setTextContents(answer)
    check([text_of(b) for b in boxes] == answers, "the answers are in their boxes")
    press(verbs, "Verifica Risposte")
    descriptions_become(boxes, ["testo verde", "testo rosso", "testo verde", "testo verde"],
                        "verdicts in the verb window")
    press(verbs, "Reset")
    descriptions_become(boxes, ["testo nel colore normale"] * 4, "after Reset")
    check([text_of(b) for b in boxes] == answers, "Reset keeps the answers")


def sentence_road(application, menu):
    instruction = descendant(menu, "label", "Fai L'analisi grammaticali delle seguenti frasi")
    first = descendant(menu, "label", "1. La capra divora le foglie delle piante")
    if not check(instruction and first, "the menu's labels are readable"):
        return
    check(actions(instruction) == [], "the instruction offers nothing to press")
    check("Press" in actions(first), "a sentence offers Press")
    act(first, "Press")

    sentence = window(application, "Prima frase")
    if not check(sentence is not None, "the first sentence opens from its label"):
        return
    chunks = [descendant(sentence, "text", f"Parte {r} della frase") for r in range(1, 9)]
    roles = [descendant(sentence, "combo box", f"Funzione logica della parte {r}")
             for r in range(1, 9)]
    check(all(chunks), "chunk boxes named Parte 1 to 8 della frase")
    if not check(all(roles), "role boxes named Funzione logica della parte 1 to 8"):
        return
    check(text_of(chunks[0]) == "La Capra", "the first chunk is readable")

    # Rows 1 to 4: Soggetto, Predicato Verbale, the second "Complemento Oggetto" (entry 6), and
    # a wrong role. Entry i is the role box's child 1 + i, after its edit field.
    picks = [0, 1, 6, 2]
    for row, entry in enumerate(picks):
        act(roles[row].getChildAtIndex(1 + entry), "Press")
    for row, entry in enumerate(picks):
        name = f"Funzione logica della parte {row + 1}"
        check(wait_for(lambda: roles[row].name == name, 3),
              f"row {row + 1} keeps its name after a pick, not {roles[row].name!r}")
    check([selected_entry(r) for r in roles[:4]] == ["Soggetto", "Predicato Verbale",
                                                     "Complemento Oggetto", "Predicato Nominale"],
          "each pick is the role box's selected entry")
    press(sentence, "Verifica risposte")
    descriptions_become(roles, ["testo verde chiaro"] * 3 + ["testo rosso"] + [""] * 4,
                        "verdicts in the first sentence")
    press(sentence, "Resetta")
    descriptions_become(roles, ["testo nero"] * 8, "after Resetta")
    check(selected_entry(roles[2]) == "Complemento Oggetto", "Resetta keeps the picks")
    for button in ["Verifica risposte", "Resetta"]:
        check(descendant(sentence, "push button", button) is not None, f"a button {button!r}")


if __name__ == "__main__":
    sys.exit(main())
