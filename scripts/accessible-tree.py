# Prints the accessible tree of the running item sheet as a screen reader finds it over AT-SPI, and fails unless
# every control is there by its name and role and the five commands take focus.
import sys
import time

import pyatspi

EXPECTED = [("label", "Name"), ("combo box", "Type"), ("combo box", "Avatar Class"), ("text", "Description"),
            ("text", "Price"), ("text", "Stack"), ("list", "Item Use Bonus"), ("push button", "Add Bonus"),
            ("push button", "Edit Bonus"), ("push button", "Remove Bonus"), ("push button", "Save"),
            ("push button", "Exit"), ("image", sys.argv[1])]


def editor():
    for _ in range(100):
        for application in pyatspi.Registry.getDesktop(0):
            if application is not None and application.name == "brindlework":
                return application
        time.sleep(0.1)
    sys.exit("accessible-tree: no brindlework on the accessibility bus")


found = {}


def walk(node, depth):
    role, name = node.getRoleName(), node.name
    focusable = node.getState().contains(pyatspi.STATE_FOCUSABLE)
    print("  " * depth + f"{role}: {name!r}" + (" [focusable]" if focusable else ""))
    found[(role, name)] = focusable
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            walk(child, depth + 1)


walk(editor(), 0)
missing = [entry for entry in EXPECTED if entry not in found]
unfocusable = [name for role, name in EXPECTED if role == "push button" and not found.get((role, name))]
if missing or unfocusable:
    sys.exit(f"accessible-tree: missing {missing}, commands that take no focus {unfocusable}")
print(f"accessible-tree: all {len(EXPECTED)} controls found by name and role; the five commands take focus")
