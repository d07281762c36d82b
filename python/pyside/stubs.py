# SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
# SPDX-License-Identifier: LGPL-2.1-or-later
"""Writes the type stubs of a PySide6 module beside it with PySide6's own generator:
python3 stubs.py MODULE_FILE

The generator that Debian 13 ships refers to two modules it does not import; they are given
to it here.
"""
import logging
import os
import sys
import warnings

import PySide6
import shiboken6  # noqa: F401 (makes shibokensupport importable)
from shibokensupport.signature.lib import pyi_generator

pyi_generator.os, pyi_generator.PySide6 = os, PySide6
# Defaults it cannot spell, which the stubs show as "...".
logging.disable(logging.WARNING)
warnings.simplefilter("ignore", RuntimeWarning)
sys.argv[1:] = ["--quiet", sys.argv[1]]
pyi_generator.main()
