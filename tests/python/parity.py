# SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
# SPDX-License-Identifier: LGPL-2.1-or-later
"""The public names of the library's modules for the bindings of one Qt major (PyQt's and
PySide's), each listed in a process of its own, as the two cannot share one. Fails where
they differ, saying which names one binding lacks.

usage: python3 parity.py BINDING BINDING
"""
import json
import os
import subprocess
import sys

# Run with the binding under test: reads names from standard input and prints, as JSON, the
# names its module defines (every name at module level but the containers the binding also has
# in QtCore, and those each class adds to what the binding gives every enum and widget) and
# which of the names read it cannot resolve.
LISTING = r"""
import json
import sys
from binding import QtCore, QtWidgets, cc
machinery = set(dir(QtCore.QEvent.Type)) | set(dir(QtWidgets.QWidget))
names = []
for name, value in vars(cc).items():
    if not name.startswith("_") and not hasattr(QtCore, name):  # the binding's own containers
        names.append(name)
        members = vars(value) if isinstance(value, type) else {}
        names += [name + "." + member for member in members
                  if not member.startswith("_") and member not in machinery]


def resolves(path):
    value = cc
    for part in path.split("."):
        if not hasattr(value, part):
            return False
        value = getattr(value, part)
    return True


print(json.dumps({"names": names,
                  "missing": [name for name in json.load(sys.stdin) if not resolves(name)]}))
"""


def run(binding, names):
    here = os.path.dirname(os.path.abspath(__file__))
    environment = dict(os.environ, CORVADQT5_BINDING=binding,
                       PYTHONPATH=os.pathsep.join([here, os.environ.get("PYTHONPATH", "")]))
    output = subprocess.run([sys.executable, "-c", LISTING], env=environment, check=True,
                            input=json.dumps(names), stdout=subprocess.PIPE,
                            universal_newlines=True).stdout
    return json.loads(output)


def main():
    first, second = sys.argv[1], sys.argv[2]
    ours = run(first, [])["names"]
    theirs = run(second, ours)
    missing = {second: theirs["missing"], first: run(first, theirs["names"])["missing"]}
    for binding in (first, second):
        for name in missing[binding]:
            print("%s lacks %s" % (binding, name))
    print("%d names in %s, %d in %s" % (len(ours), first, len(theirs["names"]), second))
    return 1 if missing[first] or missing[second] else 0


if __name__ == "__main__":
    sys.exit(main())
