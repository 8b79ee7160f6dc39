# SPDX-License-Identifier: MIT
"""Maskwell as a screen reader's client sees it, through AT-SPI.

Started by AtSpiCheck.sh in a session of its own: starts the program, then
walks its tree, drives it with real keys (xdotool) and through its
accessibility actions, and listens to its events as a screen reader does.
Every wait is for an event or a state, with a time limit; nothing sleeps for
a fixed time. Exits 0 when every check passed.
"""

import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

LIMIT = 10.0  # seconds for any one thing to happen on a loaded machine

INTERACTIVE = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TEXT,
    pyatspi.ROLE_ENTRY, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_SLIDER,
    pyatspi.ROLE_MENU, pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_CHECK_MENU_ITEM,
    pyatspi.ROLE_RADIO_MENU_ITEM, pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_PAGE_TAB_LIST,
    pyatspi.ROLE_LINK, pyatspi.ROLE_LIST_ITEM, pyatspi.ROLE_LIST, pyatspi.ROLE_DIALOG,
}

failures = []
events = []


def check(ok, what):
    print(("ok: " if ok else "FAILED: ") + what, flush=True)
    if not ok:
        failures.append(what)
    return ok


class Failed(Exception):
    pass


def pump():
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(condition, what, limit=LIMIT):
    """Runs the event loop until condition() holds; fails the check after limit."""
    end = time.monotonic() + limit
    while True:
        pump()
        result = condition()
        if result:
            return result
        if time.monotonic() > end:
            check(False, what + " (waited %.0f s)" % limit)
            for record in [r for r in events if "focused" in r["type"]][-14:]:
                print("  last events: %s %s %r %s" % (record["type"], pyatspi.Role(record["role"]),
                                                     record["name"], record["detail1"]))
            raise Failed(what)
        time.sleep(0.01)


def on_event(event):
    try:
        source = event.source
        record = {"type": event.type, "role": source.getRole(), "name": source.name,
                  "detail1": event.detail1, "source": source}
        if event.type.endswith("accessible-description"):
            record["description"] = source.description
        events.append(record)
    except Exception:  # an object that is gone already
        pass


def event_since(start, kind, role=None, name=None, detail1=None, test=None):
    for record in events[start:]:
        if (record["type"].startswith(kind) and (role is None or record["role"] == role)
                and (name is None or record["name"] == name)
                and (detail1 is None or record["detail1"] == detail1)
                and (test is None or test(record))):
            return record
    return None


def focused_since(start, role, name):
    return event_since(start, "object:state-changed:focused", role, name, 1)


def keys(*names):
    subprocess.run(["xdotool", "key", "--clearmodifiers", *names], check=True)


def nodes(root):
    yield root
    for i in range(root.childCount):
        child = root.getChildAtIndex(i)
        if child is not None:
            yield from nodes(child)


def find(root, role, name):
    for node in nodes(root):
        if node.getRole() == role and node.name == name:
            return node
    return None


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def unnamed_interactive(root):
    found = []
    for node in nodes(root):
        states = node.getState()
        if (node.getRole() in INTERACTIVE or states.contains(pyatspi.STATE_FOCUSABLE)) \
                and not node.name.strip():
            parent = node.parent
            found.append("%s in %s %r" % (node.getRoleName(),
                                         parent.getRoleName() if parent else "-",
                                         parent.name if parent else ""))
    return found


def action_names(node):
    action = node.queryAction()
    return [action.getName(i) for i in range(action.nActions)]


def do_action(node, name):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) == name:
            return action.doAction(i)
    raise Failed("%s %r has no action %s" % (node.getRoleName(), node.name, name))


def clipboard():
    out = subprocess.run(["xclip", "-selection", "clipboard", "-o"], capture_output=True,
                         text=True, timeout=5)
    return out.stdout if out.returncode == 0 else None


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "Maskwell":
            return app
    return None


def window(app, role, name):
    for i in range(app.childCount):
        child = app.getChildAtIndex(i)
        if child is not None and child.getRole() == role and child.name == name \
                and child.getState().contains(pyatspi.STATE_SHOWING):
            return child
    return None


def give_window_the_keyboard(pid):
    found = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--all", "--pid",
                            str(pid), "--name", "Maskwell"], capture_output=True, text=True,
                           timeout=LIMIT)
    wid = found.stdout.split()[0]
    subprocess.run(["xdotool", "windowactivate", "--sync", wid], capture_output=True,
                   timeout=LIMIT)
    subprocess.run(["xdotool", "windowfocus", "--sync", wid], capture_output=True,
                   timeout=LIMIT)


def session(program):
    for kind in ("object:state-changed", "object:property-change:accessible-description",
                 "object:text-changed", "focus:"):
        pyatspi.Registry.registerEventListener(on_event, kind)

    started = time.monotonic()
    process = subprocess.Popen([program])
    try:
        app = wait_for(application, "Maskwell appears on the accessibility bus")
        main = wait_for(lambda: window(app, pyatspi.ROLE_FRAME, "Maskwell v1.14"),
                        "the main window is a frame named by its title")
        host_range = find(main, pyatspi.ROLE_TEXT, "Subnet host address range")
        subnet_id = find(main, pyatspi.ROLE_TEXT, "Subnet ID")
        broadcast = find(main, pyatspi.ROLE_TEXT, "Subnet broadcast")
        wait_for(lambda: text_of(host_range), "the first results are shown")
        give_window_the_keyboard(process.pid)
        wait_for(lambda: main.getState().contains(pyatspi.STATE_ACTIVE)
                 and find(main, pyatspi.ROLE_TEXT, "IP address, octet 1 of 4")
                 .getState().contains(pyatspi.STATE_FOCUSED),
                 "the window is active with the focus in the first octet")
        run(app, main, host_range, subnet_id, broadcast)
    except Failed:
        pass
    finally:
        process.terminate()
        process.wait(timeout=LIMIT)
    print("%d checks failed, %.1f s" % (len(failures), time.monotonic() - started))
    return 1 if failures else 0


def results(host_range, subnet_id, broadcast):
    return "Host range %s, subnet ID %s, broadcast %s" % (
        text_of(host_range), text_of(subnet_id), text_of(broadcast))


def run(app, main, host_range, subnet_id, broadcast):
    inversed = find(main, pyatspi.ROLE_CHECK_BOX, "Use Inversed Mask")
    mask = find(main, pyatspi.ROLE_COMBO_BOX, "Subnet mask")
    bits = find(main, pyatspi.ROLE_COMBO_BOX, "Mask bits")
    check(bits is not None and mask is not None,
          "the mask lists are named by their captions, not by their rows")

    def shown_row(combo):
        return [n.name for n in nodes(combo)
                if n.getRole() == pyatspi.ROLE_LIST_ITEM
                and n.getState().contains(pyatspi.STATE_SELECTED)]

    # Tab through the address to the mask bits list, passing the Subnet Info
    # tab. (How many Tabs the octets take is the address control's business.)
    mark = len(events)
    for _ in range(8):
        before_tab = len(events)
        keys("Tab")
        wait_for(lambda: event_since(before_tab, "object:state-changed:focused", detail1=1),
                 "Tab moves the focus")
        if focused_since(before_tab, pyatspi.ROLE_COMBO_BOX, "Mask bits"):
            break
    check(focused_since(mark, pyatspi.ROLE_PAGE_TAB, "Subnet Info") is not None,
          "Tab from the address passes the Subnet Info tab")
    check(bits.getState().contains(pyatspi.STATE_FOCUSED), "and reaches the mask bits list")

    # The inversed mask by keyboard: its state is heard at each toggle.
    for checked in (1, 0):
        mark = len(events)
        keys("ctrl+i")
        wait_for(lambda: event_since(mark, "object:state-changed:checked",
                                     pyatspi.ROLE_CHECK_BOX, "Use Inversed Mask", checked),
                 "Ctrl+I %s the inversed mask, and the check box says so"
                 % ("checks" if checked else "unchecks"))
        check(inversed.getState().contains(pyatspi.STATE_CHECKED) == bool(checked),
              "the check box reads %s" % ("checked" if checked else "unchecked"))
        check(shown_row(mask)[:1] != [] and shown_row(mask)[0].startswith("0.") == bool(checked),
              "the subnet mask list shows %s" % shown_row(mask))

    # A new mask is heard on the list that has the focus.
    before = text_of(host_range)
    check(bits.description == results(host_range, subnet_id, broadcast),
          "the focused mask bits list describes the results: %r" % bits.description)
    mark = len(events)
    keys("Down")
    heard = wait_for(lambda: event_since(
        mark, "object:property-change:accessible-description", pyatspi.ROLE_COMBO_BOX,
        "Mask bits"), "a new mask rewrites the focused list's description")
    check(text_of(host_range) != before and heard["description"] ==
          results(host_range, subnet_id, broadcast),
          "it is heard as %r" % heard["description"])

    # A row chosen through the interface is a user's pick.
    row = find(bits, pyatspi.ROLE_LIST_ITEM, "28")
    mark = len(events)
    do_action(row, "Toggle")
    wait_for(lambda: event_since(mark, "object:property-change:accessible-description",
                                 pyatspi.ROLE_COMBO_BOX, "Mask bits",
                                 test=lambda r: text_of(host_range) in r["description"]),
             "choosing row 28 of the list through its action recomputes")
    check(text_of(host_range) == "192.168.0.1 - 192.168.0.14" and shown_row(bits) == ["28"],
          "the pick shows %s for mask bits %s" % (text_of(host_range), shown_row(bits)))

    # F6 reaches the results, Down the next, Escape goes back.
    mark = len(events)
    keys("F6")
    wait_for(lambda: focused_since(mark, pyatspi.ROLE_TEXT, "Subnet host address range"),
             "F6 takes the focus to the host range")
    keys("Down")
    wait_for(lambda: focused_since(mark, pyatspi.ROLE_TEXT, "Subnet ID"),
             "Down moves to the subnet ID")
    check(subnet_id.getState().contains(pyatspi.STATE_READ_ONLY) or
          not subnet_id.getState().contains(pyatspi.STATE_EDITABLE), "the result is read-only")
    mark = len(events)
    keys("Escape")
    wait_for(lambda: focused_since(mark, pyatspi.ROLE_COMBO_BOX, "Mask bits"),
             "Escape goes back to the mask bits list")

    # Page switches are heard on the tabs.
    mark = len(events)
    keys("shift+Tab")
    wait_for(lambda: focused_since(mark, pyatspi.ROLE_PAGE_TAB, "Subnet Info"),
             "Shift+Tab goes back to the Subnet Info tab")
    for key, tab in (("Right", "Address Info"), ("Left", "Subnet Info")):
        mark = len(events)
        keys(key)
        wait_for(lambda: focused_since(mark, pyatspi.ROLE_PAGE_TAB, tab)
                 and event_since(mark, "object:state-changed:selected", pyatspi.ROLE_PAGE_TAB,
                                 tab, 1),
                 "%s switches to %s, and the tab is focused and selected" % (key, tab))
    address_type = find(main, pyatspi.ROLE_COMBO_BOX, "Address type")
    check(address_type is not None, "the Address Info page was built and is in the tree")

    # A copy button through its action, and its key.
    copy = find(main, pyatspi.ROLE_PUSH_BUTTON, "Copy subnet ID")
    check(copy.queryAction().getKeyBinding(0) == "Ctrl+4",
          "the copy button tells its key: %r" % copy.queryAction().getKeyBinding(0))
    check("(Ctrl+4)" in copy.description, "and its description shows it")
    do_action(copy, "Press")
    wait_for(lambda: clipboard() == text_of(subnet_id),
             "pressing it through its action puts the subnet ID on the clipboard")

    # Edit > Paste Address with text that is no address: the action returns
    # at once, and the notice comes after it.
    holder = subprocess.Popen(["xclip", "-quiet", "-selection", "clipboard", "-i"],
                              stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL, text=True)
    holder.stdin.write("no address here")
    holder.stdin.close()
    wait_for(lambda: clipboard() == "no address here", "the clipboard holds text that is no address")
    address = [text_of(find(main, pyatspi.ROLE_TEXT, "IP address, octet %d of 4" % i))
               for i in range(1, 5)]
    paste = find(main, pyatspi.ROLE_MENU_ITEM, "Paste Address")
    called = time.monotonic()
    do_action(paste, "Press")
    check(time.monotonic() - called < LIMIT / 2, "the Paste Address action returns at once")
    notice = wait_for(lambda: next((app.getChildAtIndex(i) for i in range(app.childCount)
                                    if app.getChildAtIndex(i).getRole() in
                                    (pyatspi.ROLE_ALERT, pyatspi.ROLE_DIALOG)
                                    and app.getChildAtIndex(i).getState().contains(
                                        pyatspi.STATE_SHOWING)), None),
                      "the notice opens after it")
    do_action(find(notice, pyatspi.ROLE_PUSH_BUTTON, "OK"), "Press")
    wait_for(lambda: not notice.getState().contains(pyatspi.STATE_SHOWING),
             "its OK closes it")
    holder.terminate()
    holder.wait(timeout=LIMIT)
    check([text_of(find(main, pyatspi.ROLE_TEXT, "IP address, octet %d of 4" % i))
           for i in range(1, 5)] == address, "the address is as it was")

    # Nothing a user acts on is unnamed, on either page.
    check(unnamed_interactive(main) == [],
          "every interactive node of the main window has a name: %s" % unnamed_interactive(main))

    # About: a dialog with a focused OK and a link.
    do_action(find(main, pyatspi.ROLE_MENU_ITEM, "About"), "Press")
    about = wait_for(lambda: window(app, pyatspi.ROLE_DIALOG, "About Maskwell"),
                     "About opens as a dialog")
    ok = find(about, pyatspi.ROLE_PUSH_BUTTON, "OK")
    wait_for(lambda: ok.getState().contains(pyatspi.STATE_FOCUSED), "its OK has the focus")
    links = [n for n in nodes(about) if n.getRole() == pyatspi.ROLE_LINK]
    check(len(links) == 1 and links[0].name.startswith("maskwell.")
          and links[0].getState().contains(pyatspi.STATE_FOCUSABLE)
          and action_names(links[0]) == ["Press"],
          "the web address is a focusable link: %s" % [l.name for l in links])
    check(unnamed_interactive(about) == [],
          "every interactive node of About has a name: %s" % unnamed_interactive(about))
    mark = len(events)
    keys("Tab")
    wait_for(lambda: focused_since(mark, pyatspi.ROLE_LINK, links[0].name),
             "Tab moves from OK to the link")
    keys("Escape")
    wait_for(lambda: window(app, pyatspi.ROLE_FRAME, "Maskwell v1.14")
             and not about.getState().contains(pyatspi.STATE_SHOWING),
             "Escape closes About and the main window is back")


if __name__ == "__main__":
    sys.exit(session(sys.argv[1]))
