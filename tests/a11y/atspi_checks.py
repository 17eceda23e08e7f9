# SPDX-License-Identifier: MIT
"""Reads the running program through the desktop's accessibility bus, as a screen reader does.

Each command waits (up to E2E_TIMEOUT seconds) until the bus shows what it expects and fails
with a description of what it saw otherwise. What to expect is read from the forms themselves.
"""
import os
import re
import sys
import time
import xml.etree.ElementTree as ElementTree

import pyatspi
from gi.repository import Atspi

TIMEOUT = float(os.environ.get("E2E_TIMEOUT", "30"))
SOURCE_DIR = os.environ["SOURCE_DIR"]

# The role each kind of control must have on the bus.
ROLE_OF_CLASS = {
    "LinkButton": "link",
    "QPushButton": "push button",
    "QCheckBox": "check box",
    "QLineEdit": "text",
    "QGroupBox": "panel",
    "QAction": "menu item",
}
# Containers that a screen reader does not present as something of their own, and the parts of
# a control that its role and place name well enough.
UNNAMED_ROLES = {"filler", "menu bar", "popup menu", "separator", "scroll bar"}


def caption(text):
    """A control's caption as shown: '&' marks the access key, '&&' is one ampersand."""
    return re.sub(r"&(.)", r"\1", text)


def form(name):
    """(object name, class, caption, parent object name) of every control of a form."""
    root = ElementTree.parse(os.path.join(SOURCE_DIR, "src", name)).getroot()
    # A control of the program's own class counts as the Qt class it extends, unless its role
    # is a different one.
    extends = {custom.findtext("class"): custom.findtext("extends")
               for custom in root.iter("customwidget")}
    controls = []

    def visit(element, parent):
        for child in element:
            if child.tag in ("widget", "action"):
                cls = child.get("class", "QAction")
                if cls not in ROLE_OF_CLASS:
                    cls = extends.get(cls, cls)
                text = None
                for prop in child.findall("property"):
                    if prop.get("name") in ("text", "title") and prop.find("string") is not None:
                        text = prop.find("string").text or ""
                        # A label shows an ampersand as it is; other controls mark a key with it.
                        if not cls.endswith("Label"):
                            text = caption(text)
                controls.append((child.get("name"), cls, text, parent))
                visit(child, child.get("name"))
            else:
                visit(child, parent)

    visit(root, None)
    return controls


def prompts():
    """The referral fields' prompts, from the code that defines them."""
    with open(os.path.join(SOURCE_DIR, "src", "farewell", "referraltext.h"), encoding="utf-8") as f:
        return re.findall(r'\w+Prompt\(\)\s*\{\s*return [\w:]+\("(?:\w+", ")?([^"]*)"\)', f.read())


def states(obj):
    return obj.getState()


def showing(obj):
    return states(obj).contains(pyatspi.STATE_SHOWING)


def actions(obj):
    try:
        action = obj.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def walk(obj):
    yield obj
    for child in obj:
        if child is not None:
            yield from walk(child)


def describe(obj):
    return "%s %r" % (obj.getRoleName(), obj.name)


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "cubomancer":
            # This script runs no event loop, so cached states would never be brought up to date.
            app.set_cache_mask(Atspi.Cache.NONE)
            return app
    return None


def wait(what, probe):
    deadline = time.monotonic() + TIMEOUT
    while True:
        try:
            found = probe()
        except Exception as error:  # the program may be changing its tree under us
            found, last = None, error
        if found:
            return found
        if time.monotonic() > deadline:
            sys.exit("expected %s" % what)
        time.sleep(0.1)


def window(title, role):
    def probe():
        app = application()
        for top in app or []:
            if top is not None and top.name == title and top.getRoleName() == role and showing(top):
                return top
        return None

    return wait("a showing %s %r" % (role, title), probe)


def focused():
    app = application()
    for top in app or []:
        for obj in walk(top):
            if states(obj).contains(pyatspi.STATE_FOCUSED):
                return obj
    return None


def problems_of_tree(top, form_name):
    """What a screen reader would get wrong in this window, by the rules of the issue."""
    problems = []
    objects = list(walk(top))
    for obj in objects[1:]:
        st = states(obj)
        present = showing(obj) or st.contains(pyatspi.STATE_FOCUSABLE) or actions(obj)
        role = obj.getRoleName()
        if role in ("frame", "unknown", "invalid", "redundant object"):
            problems.append("%s has a role that does not say what it is" % describe(obj))
        if present and role not in UNNAMED_ROLES and not obj.name.strip():
            problems.append("%s has no name" % describe(obj))
        if role == "link" and showing(obj) and "Press" not in actions(obj):
            problems.append("%s has no Press action" % describe(obj))
    present = {(obj.getRoleName(), obj.name) for obj in objects}
    shown = {(obj.getRoleName(), obj.name) for obj in objects if showing(obj)}
    controls = form(form_name)

    def inside(member):
        names = {member}
        for name, cls, text, parent in controls:
            if parent in names:
                names.add(name)
        return names

    def expected(names):
        return {(ROLE_OF_CLASS[cls], text) for name, cls, text, parent in controls
                if name in names and cls in ROLE_OF_CLASS and text}

    # Controls that share one place: exactly one of them, with what it holds, is presented.
    covered = set()
    stacks = {"frmmain.ui": [("Frame1", "Frame2"), ("lblCobrand", "lblFullBrand")]}
    for stack in stacks.get(os.path.basename(form_name), []):
        seen = [member for member in stack if expected(inside(member)) & shown]
        if len(seen) != 1:
            problems.append("of %s, these are presented: %s" % (" and ".join(stack), seen))
        covered |= {name for member in stack if member not in seen for name in inside(member)}
    uncovered = {name for name, cls, text, parent in controls} - covered
    for role, text in expected(uncovered) - present:
        problems.append("%r is not on the bus as a %s" % (text, role))
    # Qt leaves a hidden widget on the bus, neither visible nor showing: no screen reader shows it.
    for role, text in expected(covered) & shown:
        problems.append("the covered %r is shown on the bus" % text)
    return problems


def main(command, *args):
    if command == "window":  # TITLE ROLE
        window(*args)
    elif command == "tree":  # TITLE ROLE FORM
        top = window(args[0], args[1])
        deadline = time.monotonic() + TIMEOUT
        while problems_of_tree(top, args[2]) and time.monotonic() < deadline:
            time.sleep(0.2)
        problems = problems_of_tree(top, args[2])
        if problems:
            sys.exit("\n".join(problems))
    elif command == "focused":  # ROLE NAME-PATTERN: prints the focused object's name
        def probe():
            obj = focused()
            if obj is not None and obj.getRoleName() == args[0] and re.fullmatch(args[1], obj.name):
                return obj.name
            return None
        print(wait("the focus on %s %r" % args, probe))
    elif command == "name":  # ROLE NAME-PATTERN: prints the name of a showing object
        def probe():
            for obj in walk(application()):
                if obj.getRoleName() == args[0] and re.fullmatch(args[1], obj.name) and showing(obj):
                    return obj.name
            return None
        print(wait("a showing %s %r" % args, probe))
    elif command == "announced":  # PATTERN: a notification has said it
        wait("a notification %r" % args[0], lambda: any(
            obj.getRoleName() == "notification" and re.fullmatch(args[0], obj.name)
            for obj in walk(application())))
    elif command == "press-links":  # TITLE ROLE: presses every showing link, prints how many
        top = window(args[0], args[1])
        links = [obj for obj in walk(top) if obj.getRoleName() == "link" and showing(obj)]
        for link in links:
            action = link.queryAction()
            action.doAction(actions(link).index("Press"))
        print(len(links))
    elif command == "dialog-says":  # TITLE: the dialog's description is its message, shown
        top = window(args[0], "dialog")
        labels = {obj.name for obj in walk(top) if obj.getRoleName() == "label" and showing(obj)}
        if not top.description or top.description not in labels:
            sys.exit("the dialog's description %r is none of its labels %s"
                     % (top.description, sorted(labels)))
        print(top.description)
    elif command == "prompts":
        print("\n".join(prompts()))
    else:
        sys.exit("unknown command " + command)


if __name__ == "__main__":
    main(*sys.argv[1:])
