// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

//! \file
//! IconProvider and the icon numbers, IconId.

#include <corvad-common-qt5/corvadqt5_export.h>

#include <QIcon>

namespace CorvadQt5 {

//! Icon ids understood by the built-in provider; every other id gives the "unknown" image.
enum IconId : int {
    IconOpen = 1002,
    IconPrinter = 1011,
    IconExport = 1012,
    IconAbout = 1013,
    IconHelp = 1014,
    IconCancel = 1015,
    IconUser = 1016,
    IconGroup = 1017,
    IconKey = 1018,
    IconExportAlt = 1019,
    IconUnknown = 1020,
    IconPlus = 1021,
    IconMinus = 1022,
    IconConnect = 1023,
    IconDisconnect = 1024,
    IconGears = 1025,
    IconRefresh = 1026,
    IconTxt = 1027 //!< names no image in the built-in set: its icon is null
};

/*!
 * A source of icons by number. Subclasses map ids to icons; the base class merges two.
 *
 * \code
 * CorvadQt5::IconProvider *icons = CorvadQt5::Common::ptr()->iconProvider();
 * button->setIcon(icons->iconById(CorvadQt5::IconUser));
 * addUser->setIcon(icons->mergedIconByIds(CorvadQt5::IconUser, CorvadQt5::IconPlus));
 * \endcode
 *
 * The destructor is protected and not virtual: a provider cannot be deleted through an
 * IconProvider pointer.
 */
class CORVADQT5_EXPORT IconProvider
{
public:
    IconProvider() = default;

    //! The icon for \a id.
    virtual QIcon iconById(int id) = 0;

    /*!
     * The \a baseId icon (at most 64 x 64) with the \a overlayId icon drawn unscaled at its
     * top-left corner and clipped to it. A base without image gives a null icon; an overlay
     * without image leaves the base alone.
     */
    QIcon mergedIconByIds(int baseId, int overlayId);

protected:
    // Not virtual, so not public: a provider is never deleted through this class.
    ~IconProvider() = default;

private:
    Q_DISABLE_COPY(IconProvider)
};

} // namespace CorvadQt5
