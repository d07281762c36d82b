// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

// A password handed to Python. PyQt's and PySide's own conversions leave the QString they
// were given, and their decoders' buffers, to be freed as they are; here the str is made in
// one allocation of its final size (PyUnicode_FromWideChar, in the limited API too), from a
// buffer of ours, and that and the QString are overwritten. What Python does with the str
// afterwards is Python's.
#include <Python.h>

#include <QString>

#include <string.h>

namespace CorvadPython {

static_assert(sizeof(wchar_t) == sizeof(uint), "wchar_t holds UCS-4 on Linux");

inline PyObject *secretToPython(QString &secret)
{
    auto characters = secret.toUcs4();
    PyObject *text = PyUnicode_FromWideChar(reinterpret_cast<const wchar_t *>(characters.constData()),
                                            characters.size());
    explicit_bzero(characters.data(), size_t(characters.size()) * sizeof(uint));
    if (secret.isDetached())
        explicit_bzero(secret.data(), size_t(secret.size()) * sizeof(QChar));
    return text;
}

} // namespace CorvadPython
