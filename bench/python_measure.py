# SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
# SPDX-License-Identifier: LGPL-2.1-or-later
"""bench_python's Python side: python3 python_measure.py BINDING UID,UID,...

BINDING is PyQt5, PyQt6, PySide2 or PySide6 (python/binding.py, on PYTHONPATH, imports
it). Prints seconds per lookup of Common.nameByUid and of pwd.getpwuid(uid).pw_name over the
ids given (fastest of seven interleaved rounds), then the chooser's fill (fastest of five).
"""
import os
import pwd
import sys
import time

os.environ["CORVADQT5_BINDING"], uids = sys.argv[1], [int(uid) for uid in sys.argv[2].split(",")]
from binding import QtWidgets, cc  # noqa: E402 (the binding is named first)

app = QtWidgets.QApplication(sys.argv[:1])


def seconds(work):
    started = time.perf_counter()
    work()
    return time.perf_counter() - started


def library():
    for uid in uids:
        cc.Common.nameByUid(uid)


def standard():
    for uid in uids:
        pwd.getpwuid(uid).pw_name


assert cc.Common.nameByUid(uids[-1]) == (pwd.getpwuid(uids[-1]).pw_name, True)
rounds = [(seconds(library), seconds(standard)) for _ in range(7)]
fill = min(seconds(lambda: cc.ElementSelectDialog([], [], cc.ElementSelectDialog.Mode.UserMode))
           for _ in range(5))
print(min(r[0] for r in rounds) / len(uids), min(r[1] for r in rounds) / len(uids), fill)
