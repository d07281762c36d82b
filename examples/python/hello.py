#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
# SPDX-License-Identifier: LGPL-2.1-or-later
"""A password typed twice, then the user's name: the README's small application in Python.

For Qt 5, import from PyQt5 instead of PyQt6; for PySide6, from PySide6.QtWidgets and
CorvadCommonPySide6 (PySide2 and CorvadCommonPySide2 for Qt 5). Nothing else changes.
"""
import os
import sys

from PyQt6.QtWidgets import QApplication, QMessageBox
from PyQt6.CorvadCommon import Common, PasswordDialog


def main():
    app = QApplication.instance() or QApplication(sys.argv)  # lives while main() runs
    password = PasswordDialog.getPassword(None, "", True)
    if password is None:
        return 1  # cancelled
    me, found = Common.nameByUid(os.getuid())
    QMessageBox.information(None, "hello", (me if found else "you") + " chose a password")
    return 0


if __name__ == "__main__":
    sys.exit(main())
