"""Reads the running program through AT-SPI and drives it by keyboard alone.

Started by scripts/check-accessibility inside its own X server and session
bus; the argument is the program's process id. Prints what a screen reader
finds and exits with 1 when a check fails.
"""
import subprocess
import sys
import time

import re

import pyatspi

FAILURES = []
MAX_DEPTH = 40
RESULT = re.compile(r"^(Depotwert|Kapital|Dividende|Zuwachs|Zuwachs in %) -?[0-9]")


def check(ok, text):
    print(("  ok    " if ok else "  FAIL  ") + text)
    if not ok:
        FAILURES.append(text)


def states(node):
    try:
        return node.getState()
    except Exception:
        return None


def has(node, state):
    current = states(node)
    return current is not None and current.contains(state)


def children(node):
    try:
        return [node.getChildAtIndex(i) for i in range(node.childCount)]
    except Exception:
        return []


def walk(node, depth=0, into_tables=True):
    """Every showing node below `node`, depth first."""
    if node is None or depth > MAX_DEPTH or not has(node, pyatspi.STATE_SHOWING) and depth > 0:
        return
    yield node
    if not into_tables and node.getRole() == pyatspi.ROLE_TABLE:
        return
    for child in children(node):
        yield from walk(child, depth + 1, into_tables)


def label(node):
    return "%s '%s'" % (node.getRoleName(), node.name)


def press_action(node):
    try:
        actions = node.queryAction()
    except NotImplementedError:
        return None
    for i in range(actions.nActions):
        if actions.getName(i) in ("press", "Press", "click"):
            return i
    return None


def unnamed(root):
    """Focusable or pressable controls that a screen reader cannot name."""
    found = []
    for node in walk(root):
        pressable = node.getRole() in (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_LINK)
        if (has(node, pyatspi.STATE_FOCUSABLE) or pressable) and not node.name.strip():
            path = []
            parent = node
            while parent is not None and parent != root:
                path.append(parent.getRoleName())
                parent = parent.parent
            found.append(" < ".join(path))
    return found


def print_unnamed(title, root):
    missing = unnamed(root)
    print("%s: controls without a name: %s" % (title, len(missing)))
    for entry in missing:
        print("    " + entry)
    check(not missing, "%s names all its controls" % title)


def application(pid):
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in children(desktop):
            try:
                if app.get_process_id() == pid:
                    return app
            except Exception:
                pass
        time.sleep(0.2)
    sys.exit("the program did not appear on the accessibility bus")


def window(app, prefix, timeout=15):
    end = time.time() + timeout
    while time.time() < end:
        for node in children(app):
            if node.name.startswith(prefix) and has(node, pyatspi.STATE_SHOWING):
                return node
        time.sleep(0.2)
    return None


def gone(app, prefix, timeout=5):
    end = time.time() + timeout
    while time.time() < end:
        if not any(node.name.startswith(prefix) and has(node, pyatspi.STATE_SHOWING) for node in children(app)):
            return True
        time.sleep(0.2)
    return False


def focused(root):
    """The focused control; a page tab counts only while its tab list has the focus (the bridge marks the
    current tab focused in any case)."""
    for node in walk(root, into_tables=False):
        if not has(node, pyatspi.STATE_FOCUSED) or node.getRole() in (pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG):
            continue
        if node.getRole() == pyatspi.ROLE_PAGE_TAB and not has(node.parent, pyatspi.STATE_FOCUSED):
            continue
        return node
    return None


def key(*names):
    for name in names:
        subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)
        time.sleep(0.25)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "60", text], check=True)
    time.sleep(0.3)


def activate(pid):
    found = subprocess.run(["xdotool", "search", "--sync", "--pid", str(pid), "--name", "Fundorix"],
                           capture_output=True, text=True).stdout.split()
    if found:
        activated = subprocess.run(["xdotool", "windowactivate", "--sync", found[-1]], capture_output=True)
        if activated.returncode != 0:
            subprocess.run(["xdotool", "windowfocus", "--sync", found[-1]], check=False)
        time.sleep(0.5)


def text_of(node):
    if node.getRole() == pyatspi.ROLE_COMBO_BOX:
        edits = [child for child in children(node) if child.getRole() == pyatspi.ROLE_TEXT]
        if edits:
            node = edits[0]
    try:
        return node.queryText().getText(0, -1)
    except Exception:
        return node.name


def find(root, role, name=None, prefix=None):
    for node in walk(root):
        if node.getRole() == role and (name is None or node.name == name) \
                and (prefix is None or node.name.startswith(prefix)):
            return node
    return None


def page_tabs(main):
    tabs = find(main, pyatspi.ROLE_PAGE_TAB_LIST)
    return [child.name for child in children(tabs) if child.getRole() == pyatspi.ROLE_PAGE_TAB] if tabs else []


def current_page(main):
    """The page tab list is named after the page it shows."""
    tabs = find(main, pyatspi.ROLE_PAGE_TAB_LIST)
    return tabs.name if tabs else None


def turn_to(main, page):
    for _ in range(len(page_tabs(main)) + 1):
        if current_page(main) == page:
            return True
        key("ctrl+Next")
    return current_page(main) == page


def report_names(main):
    print("Main window, page Plan:")
    fields = [find(main, pyatspi.ROLE_TEXT, name) for name in
              ("Anlagensumme", "jährl.Anstieg/Zins %", "mtl.Anlagebetrag", "jahrl.Anlagebetrag",
               "Wieviele Jahre?", "Dividende in %")]
    box = find(main, pyatspi.ROLE_COMBO_BOX, "Zinsverrechnung")
    named = sum(1 for field in fields if field is not None) + (1 if box else 0)
    print("    fields named by their captions: %d of 7" % named)
    check(named == 7, "the seven fields are named by their captions")
    arrows = [node.name for node in walk(main) if node.getRole() == pyatspi.ROLE_PUSH_BUTTON
              and (node.name.endswith(" erhöhen") or node.name.endswith(" verringern"))]
    print("    spinner buttons: " + ", ".join(arrows))
    check(len(arrows) == 12, "two named buttons per spinner (%d)" % len(arrows))
    values = [node.name for node in walk(main) if RESULT.match(node.name)]
    print("    results: " + " | ".join(values))
    check(len(values) == 5 and values[0].startswith("Depotwert "), "each result value is read with its caption")


def chart_and_info(main):
    depot = find(main, pyatspi.ROLE_PUSH_BUTTON, prefix="Depotwert ")
    final = depot.name.split(" ", 1)[1] if depot else "?"
    turn_to(main, "Diagramm")
    chart = find(main, pyatspi.ROLE_CHART)
    description = chart.description if chart else ""
    print("Page Diagramm: chart '%s': %s" % (chart.name if chart else "-", description))
    check(final in description, "the chart's description holds the final depot value %s" % final)
    turn_to(main, "Info")
    link = find(main, pyatspi.ROLE_LINK)
    check(link is not None and has(link, pyatspi.STATE_FOCUSABLE), "the Info link takes the focus")


def pages_without_names(main):
    for page in page_tabs(main):
        turn_to(main, page)
        print_unnamed("Main window, page %s" % page, main)
    if "Netto" not in page_tabs(main):
        print("Main window, page Netto: not present in this build")
    turn_to(main, "Plan")


def start_up_faults(main):
    print("Keyboard: the start-up compounding box and an emptied field")
    box = find(main, pyatspi.ROLE_COMBO_BOX, "Zinsverrechnung")
    first = focused(main)
    check(first is not None and first.name == "Anlagensumme", "the focus starts in Anlagensumme")
    key("Tab", "Tab", "Down")
    check(box is not None and text_of(box) == "jährlich",
          "Tab, Tab, Down keeps 'jährlich' (%s)" % (text_of(box) if box else "-"))
    key("shift+Tab", "shift+Tab", "ctrl+a", "BackSpace")
    type_text("25000")
    field = find(main, pyatspi.ROLE_TEXT, "Anlagensumme")
    check(field is not None and text_of(field) == "25000",
          "typing 25000 into an emptied Anlagensumme gives %s" % text_of(field))
    key("ctrl+a")
    type_text("10000")


def dialog_opened(app, caption, what, title):
    """Checks that the dialog `caption` opened, lists its unnamed controls and closes it by Escape."""
    dialog = window(app, caption, timeout=5)
    check(dialog is not None, what)
    if dialog is not None:
        print_unnamed(title, dialog)
        key("Escape")
        gone(app, caption)


def search_by_enter(app, main):
    print("Keyboard: the depot value's search by Enter")
    for _ in range(7):
        key("Tab")
    now = focused(main)
    check(now is not None and now.name.startswith("Depotwert "),
          "Tab from Anlagensumme reaches the depot value (%s)" % (label(now) if now else "-"))
    key("Return")
    dialog_opened(app, "Berechnung des jährl.Anlagebetrags", "Enter on the focused depot value opens its search",
                  "Input box")


def leave_grid(main):
    print("Keyboard: leaving the grid")
    check(turn_to(main, "Ein- und Abgänge"), "Ctrl+PgDn reaches the page Ein- und Abgänge")
    grid = find(main, pyatspi.ROLE_TABLE)
    for _ in range(6):
        if has(grid, pyatspi.STATE_FOCUSED):
            break
        key("Tab")
    check(has(grid, pyatspi.STATE_FOCUSED), "Tab reaches the grid")
    key("Tab", "Tab")
    # A cell that becomes current opens its editor, which then has the focus.
    now = focused(main)
    check(now is None or now.getRole() in (pyatspi.ROLE_TABLE, pyatspi.ROLE_TABLE_CELL, pyatspi.ROLE_TEXT),
          "Tab moves between the cells (focus on %s)" % (label(now) if now else "a cell editor"))
    key("ctrl+Tab")
    now = focused(main)
    check(not has(grid, pyatspi.STATE_FOCUSED) and now is not None,
          "Ctrl+Tab leaves the grid (focus now on %s)" % (label(now) if now else "-"))
    turn_to(main, "Plan")


def preview_round(app, main):
    print("Keyboard: the preview")
    key("alt+r", "a")
    preview = window(app, "Report Preview", timeout=20)
    check(preview is not None, "Alt+R, A opens the preview")
    if preview is None:
        return
    time.sleep(2)
    print_unnamed("Preview", preview)
    buttons = [node.name for node in walk(preview) if node.getRole() == pyatspi.ROLE_PUSH_BUTTON
               and has(node, pyatspi.STATE_ENABLED) and has(node, pyatspi.STATE_SHOWING)]
    reached = set()
    for _ in range(len(buttons) + 12):
        key("Tab")
        now = focused(preview)
        if now is not None:
            reached.add(now.name)
    missing = [name for name in buttons if name not in reached]
    print("    enabled buttons: %d, reached by Tab: %d" % (len(buttons), len(buttons) - len(missing)))
    check(not missing, "every enabled button of the preview takes the focus%s"
          % (" (missing: %s)" % ", ".join(missing) if missing else ""))
    key("ctrl+f")
    dialog_opened(app, "Search for Text", "Ctrl+F opens the search", "Search dialog")
    key("Escape")
    check(gone(app, "Report Preview"), "Escape closes the preview")


def main():
    pid = int(sys.argv[1])
    try:
        pyatspi.setCacheLevel(pyatspi.CACHE_NONE)
    except Exception:
        pass
    app = application(pid)
    main_window = window(app, "Wendlich's Fundorix")
    if main_window is None:
        sys.exit("no main window on the accessibility bus")
    activate(pid)
    start_up_faults(main_window)
    report_names(main_window)
    pages_without_names(main_window)
    chart_and_info(main_window)
    turn_to(main_window, "Plan")
    activate(pid)
    for _ in range(12):
        now = focused(main_window)
        if now is not None and now.name == "Anlagensumme":
            break
        key("Tab")
    search_by_enter(app, main_window)
    leave_grid(main_window)
    preview_round(app, main_window)
    print("%d check(s) failed" % len(FAILURES) if FAILURES else "all checks passed")
    return 1 if FAILURES else 0


if __name__ == "__main__":
    sys.exit(main())
