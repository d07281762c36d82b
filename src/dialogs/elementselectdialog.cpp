// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#include <corvad-common-qt5/elementselectdialog.h>

#include "base/accountwalker.h"
#include "base/qtmajor.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QVBoxLayout>

#include <grp.h>
#include <pwd.h>

namespace CorvadQt5 {
namespace {

enum Kind { NoKind = 0, UserKind = 1, GroupKind = 2, OtherKind = 3 };

constexpr int KindRole = Qt::UserRole;
constexpr int IdRole = Qt::UserRole + 1;

bool isOffered(unsigned int id, const QSet<unsigned int> &excluded)
{
    return !(id >= 1 && id <= 299) && !excluded.contains(id);
}

// The data goes in before the item joins the list: an item constructed with the list as its
// parent is looked up in the whole list while its text is set, which makes a fill quadratic.
void appendAccount(QListWidget *list, const char *name, Kind kind, unsigned int id)
{
    auto *item = new QListWidgetItem(nullptr, QListWidgetItem::Type);
    item->setData(Qt::DisplayRole, QString::fromLocal8Bit(name));
    item->setData(KindRole, int(kind));
    item->setData(IdRole, id);
    list->addItem(item);
}

} // namespace

ElementSelectDialog::ElementSelectDialog(const QList<unsigned int> &excludedUserIds,
                                         const QList<unsigned int> &excludedGroupIds, Mode mode,
                                         QWidget *parent)
    : QDialog(parent, Qt::WindowFlags()), m_excludedUserIds(excludedUserIds),
      m_excludedGroupIds(excludedGroupIds)
{
    setWindowTitle(tr("Choose element"));
    m_mode = mode;
    auto *layout = new QVBoxLayout(this);

    QRadioButton *user = nullptr;
    if (mode != UserMode && mode != GroupMode) {
        auto *typeBox = new QGroupBox(tr("Type"), this);
        typeBox->setObjectName(QStringLiteral("type"));
        auto *typeLayout = new QHBoxLayout(typeBox);
        m_kindGroup = new QButtonGroup(this);
        const struct
        {
            QString text;
            const char *objectName;
            Kind kind;
        } kinds[] = {{tr("User"), "user", UserKind},
                     {tr("Group"), "group", GroupKind},
                     {tr("Other"), "other", OtherKind}};
        for (const auto &kind : kinds) {
            auto *button = new QRadioButton(kind.text, this);
            button->setObjectName(QLatin1String(kind.objectName));
            typeLayout->addWidget(button);
            m_kindGroup->addButton(button, kind.kind);
        }
        user = qobject_cast<QRadioButton *>(m_kindGroup->button(UserKind));
        m_other = qobject_cast<QRadioButton *>(m_kindGroup->button(OtherKind));
        layout->addWidget(typeBox);
    }

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("list"));

    layout->addWidget(m_list);

    m_buttonBox = new QDialogButtonBox(Qt::Horizontal, this);
    m_buttonBox->setObjectName(QStringLiteral("buttons"));
    m_done = m_buttonBox->addButton(tr("Done"), QDialogButtonBox::AcceptRole);
    m_buttonBox->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    layout->addWidget(m_buttonBox);

    if (m_kindGroup) // the click carries the kind as the button's id
        connect(m_kindGroup, QtMajor::buttonGroupIdClicked(), this, "1rebuildFor( int )");
    connect(m_buttonBox, "2accepted()", this, "1accept()");
    connect(m_buttonBox, "2rejected()", this, "1reject()");
    connect(m_list, "2itemSelectionChanged()", this, "1selectionChanged()");

    // Checking a button by program emits no buttonClicked, so the list is filled explicitly.
    if (mode == GroupMode) {
        rebuildFor(GroupKind);
    } else {
        if (user)
            user->setChecked(true);
        rebuildFor(UserKind);
    }
    selectionChanged();
}

ElementSelectDialog::~ElementSelectDialog() = default;

int ElementSelectDialog::type()
{
    if (otherIsChecked())
        return OtherKind;
    const QList<QListWidgetItem *> selected = m_list->selectedItems();
    return selected.isEmpty() ? NoKind : selected.first()->data(KindRole).toInt();
}

int ElementSelectDialog::id()
{
    if (otherIsChecked())
        return -1;
    const QList<QListWidgetItem *> selected = m_list->selectedItems();
    return selected.isEmpty() ? -1 : selected.first()->data(IdRole).toInt();
}

QString ElementSelectDialog::name()
{
    if (otherIsChecked())
        return tr("other");
    const QList<QListWidgetItem *> selected = m_list->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->data(Qt::DisplayRole).toString();
}

void ElementSelectDialog::setOtherIsEnabled(bool enabled)
{
    if (m_other)
        m_other->setEnabled(enabled);
}

void ElementSelectDialog::updateEnables()
{
    m_done->setEnabled(!m_list->selectedItems().isEmpty() || otherIsChecked());
}

void ElementSelectDialog::selectionChanged()
{
    updateEnables();
}

void ElementSelectDialog::rebuildFor(int kind)
{
    m_list->clear();
    // Long translations of the "other" entry must wrap: the list is disabled then, and so is
    // any scroll bar that would reveal the rest. Account lists keep the cheaper fixed layout.
    const bool other = kind == OtherKind;
    m_list->setWordWrap(other);
    m_list->setResizeMode(other ? QListView::Adjust : QListView::Fixed);
    m_list->setHorizontalScrollBarPolicy(other ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    switch (kind) {
    case UserKind:
        m_list->setEnabled(true);
        m_list->setAccessibleName(tr("Users"));
        fillWithUsers();
        break;
    case GroupKind:
        m_list->setEnabled(true);
        m_list->setAccessibleName(tr("Groups"));
        fillWithGroups();
        break;
    case OtherKind:
        m_list->setEnabled(false);
        m_list->setAccessibleName(tr("Other"));
        new QListWidgetItem(tr("Any user or group"), m_list);
        break;
    default:
        break;
    }
    updateEnables();
}

void ElementSelectDialog::fillWithUsers()
{
    const QSet<unsigned int> excluded(m_excludedUserIds.cbegin(), m_excludedUserIds.cend());
    Accounts::forEachUser([this, &excluded](const passwd &entry) {
        if (isOffered(entry.pw_uid, excluded))
            appendAccount(m_list, entry.pw_name, UserKind, entry.pw_uid);
        return true;
    });
}

void ElementSelectDialog::fillWithGroups()
{
    const QSet<unsigned int> excluded(m_excludedGroupIds.cbegin(), m_excludedGroupIds.cend());
    Accounts::forEachGroup([this, &excluded](const group &entry) {
        if (isOffered(entry.gr_gid, excluded))
            appendAccount(m_list, entry.gr_name, GroupKind, entry.gr_gid);
        return true;
    });
}

bool ElementSelectDialog::otherIsChecked() const
{
    return m_other && m_other->isChecked();
}

} // namespace CorvadQt5
