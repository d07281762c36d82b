// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
// The password and login dialogs, driven with real key and mouse events.
#include "qtmessages.h"

#include <corvad-common-qt5/logindialog.h>
#include <corvad-common-qt5/nativeiconprovider.h>
#include <corvad-common-qt5/passworddialog.h>

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QtTest>

#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>
#include <utility>

using namespace CorvadQt5;

namespace {


template <typename Child>
Child *child(QWidget *dialog, const char *name)
{
    return dialog->findChild<Child *>(QLatin1String(name));
}

QLineEdit *field(QWidget *dialog, const char *name)
{
    return child<QLineEdit>(dialog, name);
}

QPushButton *button(QWidget *dialog, const char *name)
{
    return child<QPushButton>(dialog, name);
}

QStringList ownSlots(const QMetaObject *meta)
{
    QStringList found;
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        if (meta->method(i).methodType() == QMetaMethod::Slot)
            found << QString::fromLatin1(meta->method(i).methodSignature());
    }
    return found;
}

// Types into a field after clearing it with real keys.
void type(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

// Runs \a dialog's modal loop; \a act finds the active modal widget and ends it.
template <typename Act>
void whenModal(QObject *context, Act act)
{
    QTimer::singleShot(0, context, [act] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        act(dialog);
    });
}

// The width the dialog gets once a style sheet gives its fields a minimum width.
int widthWithFieldsOf(int minimum)
{
    qApp->setStyleSheet(QStringLiteral("QLineEdit { min-width: %1px; }").arg(minimum));
    return PasswordDialog().width();
}

// Secrets only ever stand in the program's read-only data, which the scan below passes over:
// whatever it finds came from typing them.
constexpr const char *Secrets[] = {
    "Kq7#vW2!pL9@xR4$", "Tz5%mB8^nD1&yH6*", "Gf3(jP0)sN7_cV2+", "Wd9=kL4[qA6]rE1{",
    "Mx2}bU8;hS5:oI3<", "Yp6>eC1~tZ9~uF4|",
    "Qc4@rT9#bV2$wN7%", "Jn0,aQ7.gX3/wK8'"};
constexpr int Control = 7; // never typed
constexpr int Run = 8; // characters in a row that count as a trace

// The addresses in this process's writable memory where Run characters in a row of \a secret
// stand as UTF-8, or as UTF-16 at a fixed stride of up to 64 bytes (a contiguous string, or
// one character in each record of an array).
// Byte by byte over a few hundred megabytes: not instrumented, or the sanitizers' build takes
// minutes.
#if defined(__SANITIZE_ADDRESS__)
#define CORVADQT5_UNINSTRUMENTED __attribute__((no_sanitize_address))
#else
#define CORVADQT5_UNINSTRUMENTED
#endif

// Whether Run characters of \a run stand at \a at, \a stride bytes apart.
CORVADQT5_UNINSTRUMENTED inline bool standsAt(const unsigned char *buffer, qsizetype length,
                                              qsizetype at, const char *run, qsizetype stride,
                                              bool utf16)
{
    for (int k = 0; k < Run; ++k) {
        const qsizetype p = at + k * stride;
        if (p + 1 >= length || buffer[p] != static_cast<unsigned char>(run[k])
            || (utf16 && buffer[p + 1] != 0))
            return false;
    }
    return true;
}

CORVADQT5_UNINSTRUMENTED QList<quintptr> tracesOf(const char *secret)
{
    constexpr qsizetype Chunk = 1 << 20, Reach = 64 * Run;
    auto *buffer = static_cast<unsigned char *>(
        mmap(nullptr, Chunk + Reach, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
    if (buffer == MAP_FAILED)
        return {0};
    QFile maps(QStringLiteral("/proc/self/maps"));
    const int mem = open("/proc/self/mem", O_RDONLY | O_CLOEXEC);
    QList<QPair<quintptr, quintptr>> regions;
    if (mem >= 0 && maps.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : maps.readAll().split('\n')) {
            const QList<QByteArray> fields = line.simplified().split(' ');
            const QList<QByteArray> range = fields.value(0).split('-');
            if (range.size() != 2 || !fields.value(1).startsWith("rw"))
                continue;
            const quintptr from = range[0].toULongLong(nullptr, 16), to = range[1].toULongLong(nullptr, 16);
            // AddressSanitizer's shadow (its low part lies at 0x7fff8000 on x86-64, the rest
            // is larger than anything scanned): no data there.
            if (from == 0x7fff8000 || to - from >= (quintptr(1) << 30))
                continue;
            // The scanner's own buffer, which the kernel may have merged with a neighbour.
            const quintptr own = quintptr(buffer), ownEnd = own + quintptr(Chunk + Reach);
            if (from < own && own < to)
                regions.append({from, own});
            if (from < ownEnd && ownEnd < to)
                regions.append({ownEnd, to});
            if (ownEnd <= from || to <= own)
                regions.append({from, to});
        }
    }
    if (regions.isEmpty()) { // nothing could be scanned, which must not pass for no trace
        if (mem >= 0)
            close(mem);
        munmap(buffer, Chunk + Reach);
        return {0};
    }
    // The runs each byte may start.
    QList<int> runsStartingWith[256];
    bool starts[256] = {};
    for (int first = 0; secret[first + Run - 1]; ++first) {
        runsStartingWith[static_cast<unsigned char>(secret[first])].append(first);
        starts[static_cast<unsigned char>(secret[first])] = true;
    }
    QList<quintptr> found;
    for (const auto &region : std::as_const(regions)) {
        for (quintptr at = region.first; at < region.second; at += Chunk) {
            // Short where the region shrank since maps was read (the heap trimmed by a
            // free), nothing where it cannot be read at all ([vvar]): what was read is scanned.
            const qsizetype wanted = qMin<qsizetype>(Chunk + Reach, region.second - at);
            const qsizetype length = pread(mem, buffer, size_t(wanted), off_t(at));
            if (length <= 0)
                break;
            const qsizetype last = qMin<qsizetype>(Chunk, length);
            for (qsizetype i = 0; i < last; ++i) {
                if (!starts[buffer[i]])
                    continue;
                bool trace = false;
                for (int first : std::as_const(runsStartingWith[buffer[i]])) {
                    trace = trace || standsAt(buffer, length, i, secret + first, 1, false);
                    // UTF-16: the high byte of each character is zero.
                    for (qsizetype stride = 2; !trace && buffer[i + 1] == 0 && stride <= 64; stride += 2)
                        trace = standsAt(buffer, length, i, secret + first, stride, true);
                }
                if (trace)
                    found.append(at + quintptr(i));
            }
        }
    }
    if (mem >= 0)
        close(mem);
    munmap(buffer, Chunk + Reach);
    return found;
}

// Types a secret (or its first \a count characters) key by key, each key's character taken
// from read-only data.
void typeSecret(QLineEdit *edit, const char *secret, int count = -1)
{
    for (int i = 0; secret[i] && i != count; ++i)
        QTest::keyClick(edit, secret[i]);
}

// What a caller does with its copy: overwrite it in place, then drop it.
void wipeAndDrop(QString &copy)
{
    if (copy.isDetached())
        std::fill(copy.begin(), copy.end(), QChar());
    copy = QString();
}

} // namespace

class CredentialDialogsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();

    // First, while the process is small: it scans all of its memory, many times over under
    // the sanitizers, whose allocator keeps what was freed.
    void noTraceOfTheSecret_data();
    void noTraceOfTheSecret();

    void oneSlotEach();
    void structure_data();
    void structure();
    void titles_data();
    void titles();
    void windowIconIsTheKey();

    void passwordEnabling_data();
    void passwordEnabling();
    void passwordAcceptCalledDirectly_data();
    void passwordAcceptCalledDirectly();
    void returnPressesAcceptOnlyWhenEnabled();
    void getPassword_data();
    void getPassword();

    void loginEnabling_data();
    void loginEnabling();
    void loginFocus_data();
    void loginFocus();
    void loginAcceptsUnconditionally();
    void loginKeepsTextAfterCancel();

    void centredEvenWhenLargerThanTheScreen();
    void randomInputKeepsTheRule_data();
    void randomInputKeepsTheRule();
};

void CredentialDialogsTest::initTestCase()
{
    QtMessages::collect();
}

void CredentialDialogsTest::cleanup()
{
    QString messages;
    QVERIFY2(QtMessages::none(&messages), qPrintable(messages));
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void CredentialDialogsTest::oneSlotEach()
{
    QCOMPARE(ownSlots(&PasswordDialog::staticMetaObject),
             QStringList{QStringLiteral("lineEditTextChanged(QString)")});
    QCOMPARE(ownSlots(&LoginDialog::staticMetaObject),
             QStringList{QStringLiteral("lineEditTextChanged()")});
    QCOMPARE(PasswordDialog::staticMetaObject.className(), "CorvadQt5::PasswordDialog");
    QCOMPARE(LoginDialog::staticMetaObject.className(), "CorvadQt5::LoginDialog");
}

void CredentialDialogsTest::structure_data()
{
    QTest::addColumn<int>("kind"); // 0 plain password, 1 confirmation, 2 login
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("plain") << 0 << QStringList{QStringLiteral("Password:|password")};
    QTest::newRow("confirmation") << 1
                                  << QStringList{QStringLiteral("Password:|password"),
                                                 QStringLiteral("Confirm password:|confirmation")};
    QTest::newRow("login") << 2
                           << QStringList{QStringLiteral("Login:|login"),
                                          QStringLiteral("Password:|password")};
}

// Rows of label then field, then Accept and Cancel 10 pixels apart in the middle.
void CredentialDialogsTest::structure()
{
    QFETCH(int, kind);
    QFETCH(QStringList, rows);

    QScopedPointer<QDialog> dialog(kind == 2 ? static_cast<QDialog *>(new LoginDialog)
                                             : new PasswordDialog(nullptr, QString(), kind == 1));
    auto *main = qobject_cast<QVBoxLayout *>(dialog->layout());
    QVERIFY(main);
    QCOMPARE(main->count(), rows.size() + 1);
    for (int i = 0; i < rows.size(); ++i) {
        QLayout *row = main->itemAt(i)->layout();
        auto *label = qobject_cast<QLabel *>(row->itemAt(0)->widget());
        QVERIFY(label);
        QCOMPARE(label->text() + QLatin1Char('|') + row->itemAt(1)->widget()->objectName(),
                 rows[i]);
    }
    QLayout *buttons = main->itemAt(rows.size())->layout();
    QCOMPARE(buttons->count(), 5);
    QCOMPARE(buttons->itemAt(1)->widget(), button(dialog.data(), "accept"));
    QCOMPARE(buttons->itemAt(2)->spacerItem()->sizeHint().width(), 10);
    QCOMPARE(buttons->itemAt(3)->widget(), button(dialog.data(), "cancel"));
    QCOMPARE(button(dialog.data(), "accept")->text(), QStringLiteral("Accept"));
    QCOMPARE(button(dialog.data(), "cancel")->text(), QStringLiteral("Cancel"));
    QVERIFY(!button(dialog.data(), "accept")->isEnabled());
    QCOMPARE(field(dialog.data(), "password")->echoMode(), QLineEdit::Password);
    if (kind == 2)
        QCOMPARE(field(dialog.data(), "login")->echoMode(), QLineEdit::Normal);
    if (kind == 1)
        QCOMPARE(field(dialog.data(), "confirmation")->echoMode(), QLineEdit::Password);
}

void CredentialDialogsTest::titles_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("login");

    QTest::newRow("null") << QString() << QStringLiteral("Password request")
                          << QStringLiteral("Autentification");
    QTest::newRow("empty") << QStringLiteral("") << QStringLiteral("Password request")
                           << QStringLiteral("Autentification");
    QTest::newRow("blanks are a title")
        << QStringLiteral("  ") << QStringLiteral("  ") << QStringLiteral("  ");
    QTest::newRow("own title") << QStringLiteral("Vault") << QStringLiteral("Vault")
                               << QStringLiteral("Vault");
}

void CredentialDialogsTest::titles()
{
    QFETCH(QString, title);
    QFETCH(QString, password);
    QFETCH(QString, login);
    QCOMPARE(PasswordDialog(nullptr, title).windowTitle(), password);
    QCOMPARE(LoginDialog(nullptr, title).windowTitle(), login);
}

void CredentialDialogsTest::windowIconIsTheKey()
{
    NativeIconProvider icons;
    const QImage key = icons.iconById(IconKey).pixmap(32).toImage();
    QCOMPARE(PasswordDialog().windowIcon().pixmap(32).toImage(), key);
    QCOMPARE(LoginDialog().windowIcon().pixmap(32).toImage(), key);
}

void CredentialDialogsTest::passwordEnabling_data()
{
    QTest::addColumn<bool>("confirmation");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("confirm");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("plain, one character") << false << QStringLiteral("x") << QString() << true;
    QTest::newRow("plain, typed and deleted") << false << QString() << QString() << false;
    QTest::newRow("plain, blanks") << false << QStringLiteral(" ") << QString() << true;
    QTest::newRow("confirm, equal")
        << true << QStringLiteral("secret") << QStringLiteral("secret") << true;
    QTest::newRow("confirm, different")
        << true << QStringLiteral("secret") << QStringLiteral("secrex") << false;
    QTest::newRow("confirm, case differs")
        << true << QStringLiteral("Secret") << QStringLiteral("secret") << false;
    QTest::newRow("confirm, trailing blank")
        << true << QStringLiteral("secret") << QStringLiteral("secret ") << false;
    QTest::newRow("confirm, confirmation only")
        << true << QString() << QStringLiteral("secret") << false;
    QTest::newRow("confirm, both cleared") << true << QString() << QString() << false;
}

void CredentialDialogsTest::passwordEnabling()
{
    QFETCH(bool, confirmation);
    QFETCH(QString, password);
    QFETCH(QString, confirm);
    QFETCH(bool, enabled);

    PasswordDialog dialog(nullptr, QString(), confirmation);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    // Type something first, so that an empty result means "typed and deleted again".
    type(field(&dialog, "password"), QStringLiteral("abc"));
    if (confirmation)
        type(field(&dialog, "confirmation"), QStringLiteral("abc"));
    type(field(&dialog, "password"), password);
    if (confirmation)
        type(field(&dialog, "confirmation"), confirm);
    QCOMPARE(button(&dialog, "accept")->isEnabled(), enabled);
}

void CredentialDialogsTest::passwordAcceptCalledDirectly_data()
{
    QTest::addColumn<bool>("confirmation");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("confirm");
    QTest::addColumn<int>("result"); // -1: still open

    QTest::newRow("plain, empty stays open") << false << QString() << QString() << -1;
    QTest::newRow("plain, typed") << false << QStringLiteral("x") << QString()
                                  << int(QDialog::Accepted);
    // Confirmation tests equality alone: two empty fields are accepted.
    QTest::newRow("confirm, both empty")
        << true << QString() << QString() << int(QDialog::Accepted);
    QTest::newRow("confirm, different stays open")
        << true << QStringLiteral("a") << QStringLiteral("b") << -1;
}

void CredentialDialogsTest::passwordAcceptCalledDirectly()
{
    QFETCH(bool, confirmation);
    QFETCH(QString, password);
    QFETCH(QString, confirm);
    QFETCH(int, result);

    PasswordDialog dialog(nullptr, QString(), confirmation);
    dialog.show();
    field(&dialog, "password")->setText(password);
    if (confirmation)
        field(&dialog, "confirmation")->setText(confirm);
    dialog.accept();
    QCOMPARE(dialog.isVisible(), result == -1);
    if (result != -1)
        QCOMPARE(dialog.result(), result);
}

void CredentialDialogsTest::returnPressesAcceptOnlyWhenEnabled()
{
    PasswordDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QLineEdit *password = field(&dialog, "password");
    password->setFocus();
    QTest::keyClick(password, Qt::Key_Return);
    QVERIFY(dialog.isVisible());
    QTest::keyClicks(password, QStringLiteral("pw"));
    QTest::keyClick(password, Qt::Key_Return);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void CredentialDialogsTest::getPassword_data()
{
    QTest::addColumn<bool>("confirmation");
    QTest::addColumn<int>("ending"); // 0 Accept clicked, 1 Cancel, 2 Escape, 3 closed
    QTest::addColumn<QString>("expected");

    QTest::newRow("accepted") << false << 0 << QStringLiteral("s3cret");
    QTest::newRow("accepted with confirmation") << true << 0 << QStringLiteral("s3cret");
    QTest::newRow("cancelled") << false << 1 << QString();
    QTest::newRow("escape") << true << 2 << QString();
    QTest::newRow("closed") << false << 3 << QString();
}

void CredentialDialogsTest::getPassword()
{
    QFETCH(bool, confirmation);
    QFETCH(int, ending);
    QFETCH(QString, expected);

    whenModal(this, [ending, confirmation](QDialog *dialog) {
        QTest::keyClicks(field(dialog, "password"), QStringLiteral("s3cret"));
        if (confirmation)
            QTest::keyClicks(field(dialog, "confirmation"), QStringLiteral("s3cret"));
        if (ending == 0)
            QTest::mouseClick(button(dialog, "accept"), Qt::LeftButton);
        else if (ending == 1)
            QTest::mouseClick(button(dialog, "cancel"), Qt::LeftButton);
        else if (ending == 2)
            QTest::keyClick(dialog, Qt::Key_Escape);
        else
            dialog->close();
    });
    const QString password = PasswordDialog::getPassword(nullptr, QString(), confirmation);
    QCOMPARE(password, expected);
    QCOMPARE(password.isNull(), expected.isNull());
}

void CredentialDialogsTest::loginEnabling_data()
{
    QTest::addColumn<QString>("login");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("login alone") << QStringLiteral("alice") << QString() << false;
    QTest::newRow("password alone") << QString() << QStringLiteral("pw") << false;
    QTest::newRow("both") << QStringLiteral("alice") << QStringLiteral("pw") << true;
    QTest::newRow("blanks count") << QStringLiteral(" ") << QStringLiteral(" ") << true;
}

void CredentialDialogsTest::loginEnabling()
{
    QFETCH(QString, login);
    QFETCH(QString, password);
    QFETCH(bool, enabled);

    LoginDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    type(field(&dialog, "login"), QStringLiteral("x"));
    type(field(&dialog, "password"), QStringLiteral("x"));
    QVERIFY(button(&dialog, "accept")->isEnabled());
    type(field(&dialog, "login"), login);
    type(field(&dialog, "password"), password);
    QCOMPARE(button(&dialog, "accept")->isEnabled(), enabled);
}

void CredentialDialogsTest::loginFocus_data()
{
    QTest::addColumn<QString>("prefilled");
    QTest::addColumn<QString>("focused");

    QTest::newRow("no login") << QString() << QStringLiteral("login");
    QTest::newRow("prefilled") << QStringLiteral("alice") << QStringLiteral("password");
    QTest::newRow("prefilled with blanks") << QStringLiteral("  ") << QStringLiteral("password");
}

// A prefilled login runs no slot: Accept waits for the first character of the password.
void CredentialDialogsTest::loginFocus()
{
    QFETCH(QString, prefilled);
    QFETCH(QString, focused);

    LoginDialog dialog(nullptr, QString(), prefilled);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(QApplication::focusWidget()->objectName(), focused);
    QCOMPARE(dialog.login(), prefilled.isNull() ? QStringLiteral("") : prefilled);
    QVERIFY(!button(&dialog, "accept")->isEnabled());
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("p"));
    QCOMPARE(button(&dialog, "accept")->isEnabled(), !prefilled.isEmpty());
}

void CredentialDialogsTest::loginAcceptsUnconditionally()
{
    LoginDialog dialog;
    dialog.show();
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.login(), QString());
    QCOMPARE(dialog.password(), QString());
}

void CredentialDialogsTest::loginKeepsTextAfterCancel()
{
    LoginDialog dialog;
    whenModal(this, [](QDialog *modal) {
        QTest::keyClicks(field(modal, "login"), QStringLiteral("alice"));
        QTest::keyClicks(field(modal, "password"), QStringLiteral("pw"));
        QTest::mouseClick(button(modal, "cancel"), Qt::LeftButton);
    });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QCOMPARE(dialog.login(), QStringLiteral("alice"));
    QCOMPARE(dialog.password(), QStringLiteral("pw"));
}

// Only the screen's size counts, and the halves truncate toward zero: 800 - 803 = -3 gives -1.
void CredentialDialogsTest::centredEvenWhenLargerThanTheScreen()
{
    const int screenWidth = QApplication::primaryScreen()->geometry().width();
    QCOMPARE(screenWidth, 800);
    int minimum = 800;
    minimum += 803 - widthWithFieldsOf(minimum);
    QCOMPARE(widthWithFieldsOf(minimum), 803);
    PasswordDialog dialog;
    qApp->setStyleSheet(QString());
    QCOMPARE(dialog.x(), -1);
    QCOMPARE(dialog.y(), (600 - dialog.height()) / 2);

    LoginDialog login;
    QCOMPARE(login.x(), (800 - login.width()) / 2);
    QVERIFY(login.x() > 0);
}

void CredentialDialogsTest::randomInputKeepsTheRule_data()
{
    QTest::addColumn<int>("kind"); // 0 plain password, 1 confirmation, 2 login
    QTest::newRow("password") << 0;
    QTest::newRow("password with confirmation") << 1;
    QTest::newRow("login") << 2;
}

// 10,000 random keys and clicks on the fields (seeded): after every one, Accept is enabled
// exactly when the entry is complete. Return is tried only while Accept is disabled, when it
// must do nothing; nothing else sent can end the dialog.
void CredentialDialogsTest::randomInputKeepsTheRule()
{
    QFETCH(int, kind);
    QScopedPointer<QDialog> dialog(kind == 2 ? static_cast<QDialog *>(new LoginDialog)
                                             : new PasswordDialog(nullptr, QString(), kind == 1));
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog.data()));
    const QList<QLineEdit *> fields = dialog->findChildren<QLineEdit *>();
    QPushButton *accept = button(dialog.data(), "accept");
    const auto complete = [&] {
        if (kind == 2)
            return !fields[0]->text().isEmpty() && !fields[1]->text().isEmpty();
        const QString password = field(dialog.data(), "password")->text();
        return !password.isEmpty() &&
               (kind == 0 || field(dialog.data(), "confirmation")->text() == password);
    };

    // Plain fields of Qt's that get the same keys: the dialogs' fields edit exactly as they do.
    QHash<QLineEdit *, QLineEdit *> plain;
    for (QLineEdit *edit : fields) {
        plain[edit] = new QLineEdit(edit->text(), dialog.data());
        plain[edit]->setEchoMode(edit->echoMode());
    }
    const auto sameAsPlain = [&](QLineEdit *edit) {
        const QLineEdit *other = plain[edit];
        return edit->text() == other->text() && edit->cursorPosition() == other->cursorPosition()
            && edit->selectionStart() == other->selectionStart()
            && edit->selectionLength() == other->selectionLength();
    };

    QRandomGenerator random(quint32(1000 + kind));
    const Qt::Key keys[] = {Qt::Key_A,         Qt::Key_B,     Qt::Key_Space, Qt::Key_Backspace,
                            Qt::Key_Delete,    Qt::Key_Left,  Qt::Key_Home,  Qt::Key_End,
                            Qt::Key_Backspace, Qt::Key_Delete};
    QLineEdit *target = fields[0];
    for (int event = 0; event < 10000; ++event) {
        const int choice = int(random.bounded(16));
        if (choice < int(std::size(keys))) {
            const auto modifier = random.bounded(4) == 0 ? Qt::ShiftModifier : Qt::NoModifier;
            QTest::keyClick(target, keys[choice], modifier);
            QTest::keyClick(plain[target], keys[choice], modifier);
        } else if (choice < 13) {
            QTest::mouseClick(target = fields[int(random.bounded(fields.size()))], Qt::LeftButton);
            plain[target]->setCursorPosition(target->cursorPosition());
        } else if (choice < 15) {
            QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier); // select all
            QTest::keyClick(plain[target], Qt::Key_A, Qt::ControlModifier);
        } else if (!accept->isEnabled()) {
            QTest::keyClick(target, Qt::Key_Return);
        }
        QVERIFY2(accept->isEnabled() == complete(),
                 qPrintable(QStringLiteral("after event %1").arg(event)));
        QVERIFY2(sameAsPlain(target), qPrintable(QStringLiteral("after event %1").arg(event)));
        QVERIFY(dialog->isVisible());
    }
}

void CredentialDialogsTest::noTraceOfTheSecret_data()
{
    // 0 plain password, 1 confirmation, 2 login, 3 plain with its second half pasted
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("secret");
    QTest::newRow("password, accepted") << 0 << true << 0;
    QTest::newRow("password, cancelled") << 0 << false << 1;
    QTest::newRow("confirmation, accepted") << 1 << true << 2;
    QTest::newRow("confirmation, cancelled") << 1 << false << 3;
    QTest::newRow("login, accepted") << 2 << true << 4;
    QTest::newRow("login, cancelled") << 2 << false << 5;
    QTest::newRow("password, half of it pasted") << 3 << true << 6;
}

// Once a dialog is gone, the only trace of what was typed into it is the copy the caller
// took; once the caller wipes that, none. The secret that was never typed must not be found
// either: the scan does not see its own needles.
void CredentialDialogsTest::noTraceOfTheSecret()
{
    QFETCH(int, kind);
    QFETCH(bool, accepted);
    QFETCH(int, secret);
    const char *typed = Secrets[secret];

    whenModal(this, [kind, accepted, typed](QDialog *dialog) {
        if (kind == 2)
            QTest::keyClicks(field(dialog, "login"), QStringLiteral("alice"));
        if (kind == 3) { // as the context menu's Paste does, with no key sent to the field
            typeSecret(field(dialog, "password"), typed, 8);
            QString pasted = QString::fromLatin1(typed + 8);
            field(dialog, "password")->insert(pasted);
            wipeAndDrop(pasted);
        } else {
            typeSecret(field(dialog, "password"), typed);
        }
        if (kind == 1)
            typeSecret(field(dialog, "confirmation"), typed);
        QTest::mouseClick(button(dialog, accepted ? "accept" : "cancel"), Qt::LeftButton);
    });
    QString copy;
    if (kind == 2) {
        auto *dialog = new LoginDialog;
        if (dialog->exec() == QDialog::Accepted)
            copy = dialog->password();
        delete dialog;
    } else {
        copy = PasswordDialog::getPassword(nullptr, QString(), kind == 1);
    }
    QCOMPARE(copy.isNull(), !accepted);

    const quintptr from = quintptr(copy.constData()), to = from + quintptr(copy.size()) * 2;
    const QList<quintptr> traces = tracesOf(typed);
    for (quintptr at : traces)
        QVERIFY2(at >= from && at < to, qPrintable(QString::number(at, 16)));
    QCOMPARE(traces.isEmpty(), !accepted);

    wipeAndDrop(copy);
    QCOMPARE(tracesOf(typed), QList<quintptr>());
    QCOMPARE(tracesOf(Secrets[Control]), QList<quintptr>());
}

QTEST_MAIN(CredentialDialogsTest)
#include "tst_credentialdialogs.moc"
