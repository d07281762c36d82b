# SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
# SPDX-License-Identifier: LGPL-2.1-or-later
"""Runs examples/python/hello.py with a binding (the first argument: PyQt5, PyQt6, PySide2
or PySide6) as a user would: types a password twice, reads the greeting, closes it. Prints
what it saw; fails unless the example ends with 0 after both windows and greets the user by
name. The example imports PyQt6's modules; they become the binding's.

usage: python3 run_example.py BINDING EXAMPLE
"""
import os
import pwd
import sys

os.environ["CORVADQT5_BINDING"], example = sys.argv[1], sys.argv[2]
from binding import MODULE, NAME, QtCore, QtWidgets  # noqa: E402 (the binding is named first)

app = QtWidgets.QApplication(sys.argv[:1])
seen = []


def answer():
    dialog = QtWidgets.QApplication.activeModalWidget()
    if isinstance(dialog, QtWidgets.QMessageBox):
        seen.append(dialog.text())
        dialog.accept()
        return
    if dialog is not None and not seen:
        edits = dialog.findChildren(QtWidgets.QLineEdit)
        for edit in edits:
            edit.setText("s3cret")
        dialog.findChild(QtWidgets.QPushButton, "accept").click()
        seen.append("%d fields" % len(edits))
    QtCore.QTimer.singleShot(20, answer)


QtCore.QTimer.singleShot(0, answer)
with open(example, encoding="utf-8") as source:
    code = source.read().replace("PyQt6.CorvadCommon", MODULE).replace("PyQt6", NAME)
namespace = {"__name__": "hello", "__file__": example}
exec(compile(code, example, "exec"), namespace)
status = namespace["main"]()
print(" / ".join(seen))
greeting = pwd.getpwuid(os.getuid()).pw_name + " chose a password"
sys.exit(0 if status == 0 and seen == ["2 fields", greeting] else 1)
