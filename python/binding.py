# SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
# SPDX-License-Identifier: LGPL-2.1-or-later
"""The binding the Python tests run against, named by CORVADQT5_BINDING: PyQt5, PyQt6,
PySide2 or PySide6. Gives its QtCore and QtWidgets, the library's module for it, and what
sip or shiboken says of a wrapper's lifetime."""
import importlib
import os

NAME = os.environ.get("CORVADQT5_BINDING", "PyQt5")
PYQT = NAME.startswith("PyQt")
MODULE = NAME + ".CorvadCommon" if PYQT else "CorvadCommon" + NAME
QtCore = importlib.import_module(NAME + ".QtCore")
QtWidgets = importlib.import_module(NAME + ".QtWidgets")
cc = importlib.import_module(MODULE)

if PYQT:
    _sip = importlib.import_module(NAME + ".sip")
    isdeleted, ispyowned = _sip.isdeleted, _sip.ispyowned
else:
    _shiboken = importlib.import_module("shiboken" + NAME[-1])
    ispyowned = _shiboken.ownedByPython

    def isdeleted(wrapper):
        return not _shiboken.isValid(wrapper)
