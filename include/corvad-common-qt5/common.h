// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

//! \file
//! Common: account queries, text helpers, icons and the help and about windows.

#include <corvad-common-qt5/corvadqt5_export.h>

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>

class QWidget;

//! Everything the library offers; the name is the same for the Qt 5 and the Qt 6 build.
namespace CorvadQt5 {

class DesktopIntegrationPlugin;
class IconProvider;
class NativeIconProvider;

/*!
 * The process-wide service object: account queries, two text helpers, the icon provider in
 * use and the desktop's help and about windows.
 *
 * The lookups by id or name ask the C library for the one entry by key, as login does:
 * the sources of nsswitch.conf in order, each answering with its first match, which is the
 * entry that a walk of the database would meet first. Names are compared byte for byte, so
 * a directory that answers "ALICE" with "alice" gives no match. The counts walk the whole
 * database and see only what it lists (directories may list nothing). Nothing is cached. A
 * missing entry is answered with a null string or with the id 4294967295 and reported
 * through the optional \a ok flag; a source that fails (a directory that is down) gives the
 * same answer and is reported once per database and error in the "corvad.accounts" logging
 * category.
 *
 * \code
 * bool found = false;
 * const unsigned int uid = CorvadQt5::Common::uidByName(QStringLiteral("alice"), &found);
 * const QString home = CorvadQt5::Common::homeDirByUid(uid);
 * CorvadQt5::Common::ptr()->callApplicationAboutWindow(mainWindow, {});
 * \endcode
 *
 * The first ptr() call builds the instance and scans the plugin directory; make it from the
 * GUI thread. The counts share the C library's one cursor per database, so run them on one
 * thread at a time.
 */
class CORVADQT5_EXPORT Common
{
public:
    //! The id that uidByName() and gidByName() answer when nothing matches.
    static constexpr unsigned int NotFound = 0xFFFFFFFFu;

    //! The single instance, built at the first call; never null. Plugin code that calls it
    //! while that first call is still scanning the plugin directory gets the same instance,
    //! already usable, before the first call has returned it.
    static Common *ptr();

    //! Login name of the first user with \a uid; a null string when there is none.
    static QString nameByUid(unsigned int uid, bool *ok = nullptr);
    //! Name of the first group with \a gid; a null string when there is none.
    static QString nameByGid(unsigned int gid, bool *ok = nullptr);
    //! Id of the first user named exactly \a name (case-sensitive); NotFound when none.
    static unsigned int uidByName(const QString &name, bool *ok = nullptr);
    //! Id of the first group named exactly \a name (case-sensitive); NotFound when none.
    static unsigned int gidByName(const QString &name, bool *ok = nullptr);
    //! Home directory of the first user with \a uid; a null string when there is none.
    static QString homeDirByUid(unsigned int uid);
    //! Number of user entries with an id at or above \a threshold, plus those with id 0.
    static int userCount(unsigned int threshold);
    //! Number of group entries with an id at or above \a threshold, plus those with id 0.
    static int groupCount(unsigned int threshold);

    //! \a name itself, or \a name followed by 0, 1, 2, ..., whichever first is not in \a list.
    static QString uniqueName(const QString &name, const QStringList &list);
    //! The first \a n characters of \a text and "..." when \a text is longer than \a n;
    //! otherwise a null string. A negative \a n keeps the whole text.
    QString shortedString(const QString &text, int n);

    //! Aids for the password fields of the password and login dialogs; all off by default.
    enum PasswordAid {
        //! A line under the fields while one has the focus and Caps Lock is on, where the
        //! window system tells (X11 from the start, Wayland from the first key)
        CapsLockWarning = 0x1,
        //! A button in the password field that shows what the user typed, until pressed again,
        //! the fields lose the focus, or 30 seconds pass without a key; text the program put
        //! into a field is never shown
        RevealPassword = 0x2
    };
    //! Turns \a aid on or off for the dialogs created from now on, getPassword()'s included.
    static void setPasswordAidEnabled(PasswordAid aid, bool enabled = true);
    //! Whether \a aid is on for the dialogs created from now on.
    static bool isPasswordAidEnabled(PasswordAid aid);

    //! The icon provider in use; owned by the library, never null.
    IconProvider *iconProvider();
    //! Opens the desktop's help contents for the application; \a options are handed on.
    void callApplicationHelpWindow(QWidget *parent, QMap<QString, QVariant> options);
    //! Opens the desktop's about window for the application; \a options are handed on.
    void callApplicationAboutWindow(QWidget *parent, QMap<QString, QVariant> options);

    ~Common() = default;

    Common(const Common &) = delete;
    Common &operator=(const Common &) = delete;

private:
    Common();

    DesktopIntegrationPlugin *m_plugin = nullptr;
    NativeIconProvider *m_nativeIconProvider = nullptr;

    static Common *m_ptr;
};

} // namespace CorvadQt5
