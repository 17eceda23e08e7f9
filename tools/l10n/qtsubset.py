#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Qt's own catalogue of a language, cut down to the texts the program can show.

The Windows program carries Qt's catalogues inside it. Of Qt's thousands of texts it shows only
the message boxes' buttons, the fields' context menus (with their shortcut names) and the word
that tells Qt a language reads from right to left; carrying all of them would cost 4.7 MB.
Usage: qtsubset.py LCONVERT QTBASE_XX.qm OUTPUT.qm
"""
import os
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

# Each context shown, with the texts shown of it where not all of them are: of the key names,
# those of the context menus' shortcuts.
SHOWN = {"QPlatformTheme": None, "QLineEdit": None, "QWidgetTextControl": None,
         "QGuiApplication": {"QT_LAYOUT_DIRECTION"},
         "QShortcut": {"Ctrl", "Shift", "Alt", "Meta", "Del", "Delete", "Ins", "Backspace"}}


def main():
    lconvert, source, output = sys.argv[1:4]
    with tempfile.TemporaryDirectory() as folder:
        whole = os.path.join(folder, "whole.ts")
        subset = os.path.join(folder, "subset.ts")
        subprocess.run([lconvert, "-i", source, "-o", whole], check=True)
        tree = ElementTree.parse(whole)
        root = tree.getroot()
        for context in list(root.iter("context")):
            name = context.findtext("name")
            if name not in SHOWN:
                root.remove(context)
                continue
            for message in list(context.iter("message")):
                if SHOWN[name] is not None and message.findtext("source") not in SHOWN[name]:
                    context.remove(message)
        tree.write(subset, encoding="utf-8", xml_declaration=True)
        subprocess.run([lconvert, "-i", subset, "-o", output], check=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
