// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

//! \file
//! ElementSelectDialog: the choice of a local user, a local group or "other".

#include <corvad-common-qt5/corvadqt5_export.h>

#include <QDialog>
#include <QList>

class QButtonGroup;
class QDialogButtonBox;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace CorvadQt5 {

/*!
 * A modal choice of a local user, a local group or "other". Users and groups come straight
 * from the account databases, in database order; the ids 1 to 299 and the excluded ids are
 * not offered. Only accounts that the databases enumerate are listed: a directory service
 * that refuses enumeration contributes none.
 *
 * \code
 * CorvadQt5::ElementSelectDialog dialog({0}, {}, CorvadQt5::ElementSelectDialog::AllMode, this);
 * dialog.setOtherIsEnabled(false);
 * if (dialog.exec() == QDialog::Accepted)
 *     grant(dialog.type(), dialog.id(), dialog.name());
 * \endcode
 *
 * Child widgets carry the object names "type", "user", "group", "other", "list" and "buttons".
 */
class CORVADQT5_EXPORT ElementSelectDialog : public QDialog
{
    Q_OBJECT

public:
    //! What the dialog offers to choose.
    enum Mode : int {
        UserMode = 0,  //!< users only
        GroupMode = 1, //!< groups only
        AllMode = 2    //!< users, groups or "other", chosen with radio buttons
    };

    //! Any \a mode other than UserMode and GroupMode behaves as AllMode.
    ElementSelectDialog(const QList<unsigned int> &excludedUserIds,
                        const QList<unsigned int> &excludedGroupIds, Mode mode = AllMode,
                        QWidget *parent = nullptr);
    ~ElementSelectDialog() override;

    //! 3 for "other", 1 for a user, 2 for a group, 0 when nothing is chosen.
    int type();
    //! The chosen user or group id (its 32 bits as int); -1 for "other" or nothing chosen.
    int id();
    //! The chosen account's name, the translated "other", or a null string when nothing
    //! is chosen.
    QString name();
    //! Enables or disables the "Other" button (AllMode only); its checked state is kept.
    void setOtherIsEnabled(bool enabled);
    //! Enables "Done" while an item is selected or "Other" is checked.
    void updateEnables();

private Q_SLOTS:
    void selectionChanged();
    void rebuildFor(int kind);

private:
    void fillWithUsers();
    void fillWithGroups();
    bool otherIsChecked() const;

    Mode m_mode = AllMode;
    QButtonGroup *m_kindGroup = nullptr;
    QListWidget *m_list = nullptr;
    QDialogButtonBox *m_buttonBox = nullptr;
    QRadioButton *m_other = nullptr;
    QPushButton *m_done = nullptr;
    QList<unsigned int> m_excludedUserIds;
    QList<unsigned int> m_excludedGroupIds;
};

} // namespace CorvadQt5
