// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
//
// What the plugin classes hand out belongs to C++: a plugin manager's handles, the plugins
// they hold and those plugins' icon providers. release() deletes the lot, so the manager
// remembers every wrapper it handed out and invalidates it then: Python raises RuntimeError
// instead of reaching freed memory. Anything else handed out keeps its owner's wrapper
// alive, so a plugin outlives no handle and an icon provider no plugin.
#pragma once

#include <sbkpython.h>

#include <basewrapper.h>

#include <QHash>

namespace CorvadPySide {

inline QHash<PyObject *, const void *> &managed() // wrapper -> its manager
{
    static QHash<PyObject *, const void *> wrappers;
    return wrappers;
}

inline void manage(PyObject *wrapper, const void *manager)
{
    if (!managed().contains(wrapper)) {
        Py_INCREF(wrapper);
        managed().insert(wrapper, manager);
    }
}

// \a wrapper is what shiboken made of what \a owner's function returned.
inline void handOut(PyObject *wrapper, PyObject *owner)
{
    if (!wrapper || wrapper == Py_None)
        return;
    if (const void *manager = managed().value(owner))
        manage(wrapper, manager);
    else if (!Shiboken::Object::hasOwnership(reinterpret_cast<SbkObject *>(wrapper)))
        Shiboken::Object::keepReference(reinterpret_cast<SbkObject *>(wrapper), "corvad.owner",
                                        owner);
}

// \a handles is the list of wrappers that pluginHandles() returns.
inline void manageAll(PyObject *handles, const void *manager)
{
    // The functions, not the macros: PySide may build for the limited API, which lacks these.
    for (Py_ssize_t i = 0; handles && i < PyList_Size(handles); ++i)
        manage(PyList_GetItem(handles, i), manager);
}

inline void forgetManaged(const void *manager)
{
    for (auto it = managed().begin(); it != managed().end();) {
        if (it.value() != manager) {
            ++it;
            continue;
        }
        PyObject *wrapper = it.key();
        it = managed().erase(it);
        Shiboken::Object::invalidate(wrapper);
        Py_DECREF(wrapper);
    }
}

} // namespace CorvadPySide
