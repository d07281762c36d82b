// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#include "gallerywindow.h"

#include "language.h"

#include <corvad-common-qt5/common.h>
#include <corvad-common-qt5/elementselectdialog.h>
#include <corvad-common-qt5/iconprovider.h>
#include <corvad-common-qt5/logindialog.h>
#include <corvad-common-qt5/passworddialog.h>
#include <corvad-common-qt5/popuplistwidget.h>
#include <corvad-common-qt5/popupwidget.h>

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <unistd.h>

using namespace CorvadQt5;

namespace {

// Qt 6.2 renamed a locale's country its territory and deprecated the old name.
QString nativeTerritoryName(const QLocale &locale)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 2, 0)
    return locale.nativeTerritoryName();
#else
    return locale.nativeCountryName();
#endif
}

struct NamedIcon
{
    int id;
    const char *name;
};

const NamedIcon icons[] = {{IconOpen, "IconOpen"},
                           {IconPrinter, "IconPrinter"},
                           {IconExport, "IconExport"},
                           {IconAbout, "IconAbout"},
                           {IconHelp, "IconHelp"},
                           {IconCancel, "IconCancel"},
                           {IconUser, "IconUser"},
                           {IconGroup, "IconGroup"},
                           {IconKey, "IconKey"},
                           {IconExportAlt, "IconExportAlt"},
                           {IconUnknown, "IconUnknown"},
                           {IconPlus, "IconPlus"},
                           {IconMinus, "IconMinus"},
                           {IconConnect, "IconConnect"},
                           {IconDisconnect, "IconDisconnect"},
                           {IconGears, "IconGears"},
                           {IconRefresh, "IconRefresh"},
                           {IconTxt, "IconTxt"}};

QPushButton *addButton(QLayout *layout, const QString &text, QObject *receiver, const char *slot)
{
    auto *button = new QPushButton(text);
    QObject::connect(button, SIGNAL(clicked()), receiver, slot);
    layout->addWidget(button);
    return button;
}

QString shown(const QString &text)
{
    return text.isNull() ? QStringLiteral("(null)") : QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

GalleryWindow::GalleryWindow(QWidget *parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral(CORVADQT5_LIBRARY_NAME " gallery"));
    setWindowIcon(Common::ptr()->iconProvider()->iconById(IconGears));
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(languageRow());
    m_pages = new QTabWidget;
    m_pages->addTab(dialogsPage(), QStringLiteral("Dialogs"));
    m_pages->addTab(popupsPage(), QStringLiteral("Popups"));
    m_pages->addTab(iconsPage(), QStringLiteral("Icons"));
    m_pages->addTab(desktopPage(), QStringLiteral("Help and about"));
    m_pages->addTab(accountsPage(), QStringLiteral("Accounts"));
    layout->addWidget(m_pages);
    m_result = new QLabel(QStringLiteral("Try something: what comes back is shown here."));
    m_result->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_result);
}

// The dialogs opened after a change speak the chosen language.
QLayout *GalleryWindow::languageRow()
{
    auto *row = new QHBoxLayout;
    auto *languages = new QComboBox;
    languages->setObjectName(QStringLiteral("language"));
    languages->addItem(QStringLiteral("System language"), QString());
    languages->addItem(QStringLiteral("English"), QStringLiteral("en"));
    for (const QString &code : Language::shipped()) {
        const QLocale locale(code);
        QString name = locale.nativeLanguageName();
        if (code.contains(QLatin1Char('_')))
            name += QStringLiteral(" (") + nativeTerritoryName(locale) + QLatin1Char(')');
        languages->addItem(name + QStringLiteral(" - ") + code, code);
    }
    connect(languages, SIGNAL(activated(int)), this, SLOT(languageChosen(int)));
    auto *label = new QLabel(QStringLiteral("Language of the dialogs:"));
    label->setBuddy(languages);
    row->addWidget(label);
    row->addWidget(languages, 1);
    return row;
}

void GalleryWindow::languageChosen(int index)
{
    const auto *languages = findChild<QComboBox *>(QStringLiteral("language"));
    const QString code = languages->itemData(index).toString();
    report(Language::use(code) ? QStringLiteral("Dialogs now open in ") + languages->itemText(index)
                               : QStringLiteral("No catalogue found for ") + code);
}

QWidget *GalleryWindow::dialogsPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *aids = new QHBoxLayout;
    auto *capsLock = new QCheckBox(QStringLiteral("Warn of Caps Lock"));
    connect(capsLock, SIGNAL(toggled(bool)), this, SLOT(warnOfCapsLock(bool)));
    auto *reveal = new QCheckBox(QStringLiteral("Offer to show the password"));
    connect(reveal, SIGNAL(toggled(bool)), this, SLOT(offerReveal(bool)));
    aids->addWidget(capsLock);
    aids->addWidget(reveal);
    layout->addLayout(aids);
    addButton(layout, QStringLiteral("Ask for a password"), this, SLOT(askPassword()));
    addButton(layout, QStringLiteral("Ask for a new password, typed twice"), this,
              SLOT(askConfirmedPassword()));
    addButton(layout, QStringLiteral("Ask for a login"), this, SLOT(askLogin()));
    addButton(layout, QStringLiteral("Ask for a login, prefilled with yours"), this,
              SLOT(askPrefilledLogin()));
    addButton(layout, QStringLiteral("Choose a user"), this, SLOT(chooseUser()));
    addButton(layout, QStringLiteral("Choose a group"), this, SLOT(chooseGroup()));
    addButton(layout, QStringLiteral("Choose a user, a group or other"), this,
              SLOT(chooseAnything()));
    layout->addStretch();
    return page;
}

QWidget *GalleryWindow::popupsPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    addButton(layout, QStringLiteral("Calendar popup, closes when the pointer leaves"), this,
              SLOT(popupOnLeave()));
    addButton(layout, QStringLiteral("Calendar popup, closes when another window is activated"),
              this, SLOT(popupOnDeactivate()));
    addButton(layout, QStringLiteral("Popup list, closes when the pointer leaves"), this,
              SLOT(popupList()));
    layout->addWidget(new QLabel(QStringLiteral("A double click closes every popup frame.")));
    layout->addStretch();
    return page;
}

QWidget *GalleryWindow::iconsPage()
{
    IconProvider *provider = Common::ptr()->iconProvider();
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    int cell = 0;
    for (const NamedIcon &icon : icons) {
        auto *image = new QLabel;
        image->setPixmap(provider->iconById(icon.id).pixmap(32, 32));
        image->setMinimumSize(32, 32);
        grid->addWidget(image, cell / 3, (cell % 3) * 2);
        grid->addWidget(
            new QLabel(QStringLiteral("%1 %2").arg(icon.id).arg(QLatin1String(icon.name))),
            cell / 3, (cell % 3) * 2 + 1);
        ++cell;
    }
    const NamedIcon merged[][2] = {{{IconUser, "user"}, {IconPlus, "plus"}},
                                   {{IconGroup, "group"}, {IconMinus, "minus"}},
                                   {{IconOpen, "open"}, {IconRefresh, "refresh"}}};
    for (const auto &pair : merged) {
        auto *image = new QLabel;
        image->setPixmap(provider->mergedIconByIds(pair[0].id, pair[1].id).pixmap(32, 32));
        grid->addWidget(image, cell / 3, (cell % 3) * 2);
        grid->addWidget(
            new QLabel(QStringLiteral("merged %1 + %2")
                           .arg(QLatin1String(pair[0].name), QLatin1String(pair[1].name))),
            cell / 3, (cell % 3) * 2 + 1);
        ++cell;
    }
    return page;
}

QWidget *GalleryWindow::desktopPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    addButton(layout, QStringLiteral("Help contents"), this, SLOT(showHelp()))
        ->setIcon(Common::ptr()->iconProvider()->iconById(IconHelp));
    addButton(layout, QStringLiteral("About this application"), this, SLOT(showAbout()))
        ->setIcon(Common::ptr()->iconProvider()->iconById(IconAbout));
    layout->addStretch();
    return page;
}

QWidget *GalleryWindow::accountsPage()
{
    auto *page = new QWidget;
    auto *form = new QFormLayout(page);
    const unsigned int uid = ::getuid();
    form->addRow(QStringLiteral("Your login:"), new QLabel(Common::nameByUid(uid)));
    form->addRow(QStringLiteral("Your home:"), new QLabel(Common::homeDirByUid(uid)));
    form->addRow(QStringLiteral("Users from 1000 up, and root:"),
                 new QLabel(QString::number(Common::userCount(1000))));
    form->addRow(QStringLiteral("Groups from 1000 up, and root:"),
                 new QLabel(QString::number(Common::groupCount(1000))));
    form->addRow(
        QStringLiteral("A name not yet in the list:"),
        new QLabel(Common::uniqueName(QStringLiteral("report"),
                                      {QStringLiteral("report"), QStringLiteral("report0")})));
    form->addRow(
        QStringLiteral("A long text, shortened:"),
        new QLabel(Common::ptr()->shortedString(QStringLiteral("Common building blocks"), 12)));
    return page;
}

void GalleryWindow::report(const QString &text)
{
    m_result->setText(text);
}

void GalleryWindow::warnOfCapsLock(bool on)
{
    Common::setPasswordAidEnabled(Common::CapsLockWarning, on);
}

void GalleryWindow::offerReveal(bool on)
{
    Common::setPasswordAidEnabled(Common::RevealPassword, on);
}

void GalleryWindow::askPassword()
{
    report(QStringLiteral("getPassword: ") + shown(PasswordDialog::getPassword(this)));
}

void GalleryWindow::askConfirmedPassword()
{
    report(QStringLiteral("getPassword with confirmation: ") +
           shown(PasswordDialog::getPassword(this, QStringLiteral("New password"), true)));
}

void GalleryWindow::askLogin()
{
    LoginDialog dialog(this);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    report(QStringLiteral("%1: login %2, password of %3 characters")
               .arg(accepted ? QStringLiteral("Accepted") : QStringLiteral("Rejected"),
                    shown(dialog.login()))
               .arg(dialog.password().size()));
}

void GalleryWindow::askPrefilledLogin()
{
    LoginDialog dialog(this, QStringLiteral("Sign in again"), Common::nameByUid(::getuid()));
    const bool accepted = dialog.exec() == QDialog::Accepted;
    report(QStringLiteral("%1: login %2")
               .arg(accepted ? QStringLiteral("Accepted") : QStringLiteral("Rejected"),
                    shown(dialog.login())));
}

void GalleryWindow::choose(int mode)
{
    ElementSelectDialog dialog({}, {}, ElementSelectDialog::Mode(mode), this);
    if (dialog.exec() != QDialog::Accepted) {
        report(QStringLiteral("Chooser cancelled"));
        return;
    }
    report(QStringLiteral("type %1, id %2, name %3")
               .arg(dialog.type())
               .arg(dialog.id())
               .arg(shown(dialog.name())));
}

void GalleryWindow::chooseUser()
{
    choose(ElementSelectDialog::UserMode);
}

void GalleryWindow::chooseGroup()
{
    choose(ElementSelectDialog::GroupMode);
}

void GalleryWindow::chooseAnything()
{
    choose(ElementSelectDialog::AllMode);
}

void GalleryWindow::popupFrame(int mode)
{
    auto *popup = new PopupWidget(PopupWidget::Mode(mode), this);
    auto *calendar = new QCalendarWidget;
    popup->setWidget(calendar);
    connect(popup, &PopupWidget::done, this, [this, popup, calendar] {
        report(QStringLiteral("Popup closed on %1")
                   .arg(calendar->selectedDate().toString(Qt::ISODate)));
        popup->deleteLater();
    });
    popup->popup();
}

void GalleryWindow::popupOnLeave()
{
    popupFrame(PopupWidget::CloseOnLeave);
}

void GalleryWindow::popupOnDeactivate()
{
    popupFrame(PopupWidget::CloseOnDeactivate);
}

void GalleryWindow::popupList()
{
    auto *list = new PopupListWidget(this);
    list->addItems({QStringLiteral("Red"), QStringLiteral("Green"), QStringLiteral("Blue")});
    connect(list, &PopupListWidget::editingFinished, this, [this, list] {
        const QListWidgetItem *item = list->currentItem();
        report(QStringLiteral("List left with %1")
                   .arg(item ? item->text() : QStringLiteral("nothing chosen")));
        list->deleteLater();
    });
    list->popup();
}

void GalleryWindow::showHelp()
{
    Common::ptr()->callApplicationHelpWindow(this, {});
}

void GalleryWindow::showAbout()
{
    Common::ptr()->callApplicationAboutWindow(this, {});
}
