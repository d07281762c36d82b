// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
// The password and login dialogs, driven with real key and mouse events.
#include "display/outerdisplay.h"
#include "qtmessages.h"

#include <corvad-common-qt5/common.h>
#include <corvad-common-qt5/logindialog.h>
#include <corvad-common-qt5/nativeiconprovider.h>
#include <corvad-common-qt5/passworddialog.h>

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QStyle>
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

// Types into a field after clearing it with real keys, a key per character: a character
// outside the BMP comes as one key with both halves, as keyboards and input methods send it.
void type(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    for (int i = 0; i < text.size(); ++i) {
        const int length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, text.mid(i, length),
                            Qt::NoModifier);
        i += length - 1;
    }
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
// whatever it finds came from entering them. 32 characters: longer than any buffer of undo
// records a field frees on the way.
constexpr const char *Secrets[] = {
    ">Qf4NOVx_q!udbG+[!a,3kTL}]{+P{sj", "B?27V+Gh=~iw<@$Zt8GDeQTQ9:~(;HA!",
    "(btb5cgO->Bp#a0^mlq12/Ii0[AYq3I4", "he.ME;BciNe^BGXwecRO=V&?D7o}HoSf",
    ">9r3R@sUybdZc&kpFz)w?hXi=o5L5nvI", "fBP*hd]i+8e;<N2gM#&IY!!&J=R_V2|V",
    "RcKe01DvMSQOr_CB!jXn(G0^lc-ngMP]", "~+^/*b4e@#VeM>^l&d75u)?D_tG}=>z9",
    "/DTyd%Q@(mz!4>iQYi3O0Yr4_|E:%fv]", "E68q8f.id:?h:Ab/h%xW69cn+#$@0A2Z",
    "Rx~=;{F%ZcdmNTVi<#DNiBVI-=</MmTF", "qoN+AH,Y.tAkr7<<pPs(6z2#.45;f7CR",
    "e<d1b9Taxy3.:(@AVajJ$AvQ{F^NXj+R", "C=K2dJT*dn2NogZS8soe2rzewn>..nDY",
    "7CI*$E<o?qf^??Rz_}Enr7n~&vcFU.S5", ")&1qmZXU+yi]f{vQ?}?yST/IkJcd-T&&",
    "ef2QN0,9QY[QIkStyn:4B)wNjXz6aE+l", "Y&YJ:TNgsBXP%SwHN=!#dAlB-}bC0oWK",
    "u8#Lr_2Wm;dK!xQv7@pN0f]Zc4=Ht&oE"};
constexpr int Control = 17; // never entered
constexpr int Run = 8; // characters in a row that count as a trace

// 600 characters: past the room Qt keeps when a text grows at its front.
struct LongSecret
{
    char text[601] = {};
    constexpr LongSecret()
    {
        unsigned state = 20261210;
        for (int i = 0; i < 600; ++i) {
            state = state * 1103515245u + 12345u;
            text[i] = char('!' + (state >> 16) % 94);
        }
    }
};
constexpr LongSecret Long;
constexpr int LongIndex = -1;

const char *secretAt(int index)
{
    return index == LongIndex ? Long.text : Secrets[index];
}

// The addresses in this process's writable memory where Run characters in a row of \a secret,
// in its order or the reverse, stand as UTF-8, or as UTF-16 at a fixed stride of up to 64
// bytes (a contiguous string, or one character in each record of an array).
// Byte by byte over a few hundred megabytes: neither instrumented nor left unoptimised by the
// sanitizers' debug build, or each scan there takes most of a minute.
#if defined(__SANITIZE_ADDRESS__)
#define CORVADQT5_UNINSTRUMENTED __attribute__((no_sanitize_address, optimize("O2")))
#else
#define CORVADQT5_UNINSTRUMENTED
#endif

// A run: where in the secret it starts, and which way it reads (1 or -1).
struct RunOf
{
    const char *start;
    int step;
};

// Whether the run stands at \a at, \a stride bytes apart.
CORVADQT5_UNINSTRUMENTED inline bool standsAt(const unsigned char *buffer, qsizetype length,
                                              qsizetype at, RunOf run, qsizetype stride,
                                              bool utf16)
{
    for (int k = 0; k < Run; ++k) {
        const qsizetype p = at + k * stride;
        if (p + 1 >= length || buffer[p] != static_cast<unsigned char>(run.start[k * run.step])
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
    // The runs each byte may start, both ways.
    const qsizetype size = qsizetype(strlen(secret));
    QList<RunOf> runsStartingWith[256];
    bool starts[256] = {};
    for (qsizetype first = 0; first + Run <= size; ++first) {
        const RunOf runs[] = {{secret + first, 1}, {secret + size - 1 - first, -1}};
        for (const RunOf &run : runs) {
            runsStartingWith[static_cast<unsigned char>(*run.start)].append(run);
            starts[static_cast<unsigned char>(*run.start)] = true;
        }
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
                for (const RunOf &run : std::as_const(runsStartingWith[buffer[i]])) {
                    trace = trace || standsAt(buffer, length, i, run, 1, false);
                    // UTF-16: the high byte of each character is zero.
                    for (qsizetype stride = 2; !trace && buffer[i + 1] == 0 && stride <= 64; stride += 2)
                        trace = standsAt(buffer, length, i, run, stride, true);
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

// Types a secret (or \a count characters of it) key by key, each key's character taken
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

// Whether \a copy holds \a secret, compared a character at a time: Qt's comparisons with
// Latin-1 text spill characters to the stack.
bool holds(const QString &copy, const char *secret)
{
    const qsizetype size = qsizetype(strlen(secret));
    if (copy.size() != size)
        return false;
    for (qsizetype i = 0; i < size; ++i) {
        if (copy.at(int(i)).unicode() != static_cast<unsigned char>(secret[i]))
            return false;
    }
    return true;
}

// Text offered by another program, as the clipboard or a drag brings it in: made when asked
// for, from read-only data, so the process holds no copy of it but the one it asked for.
class ForeignText : public QMimeData
{
public:
    explicit ForeignText(const char *text) : m_text(text) {}

    QStringList formats() const override { return {QStringLiteral("text/plain")}; }

protected:
#if QT_VERSION_MAJOR >= 6
    QVariant retrieveData(const QString &mimeType, QMetaType) const override
#else
    QVariant retrieveData(const QString &mimeType, QVariant::Type) const override
#endif
    {
        if (!mimeType.startsWith(QLatin1String("text/plain")))
            return {};
        return QString::fromLatin1(m_text);
    }

private:
    const char *m_text;
};

// The middle of the place for the cursor before \a position.
QPoint pointAt(QLineEdit *edit, int position)
{
    const int cursor = edit->cursorPosition();
    edit->setCursorPosition(position);
    const QPoint point = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
    edit->setCursorPosition(cursor);
    return point;
}

// The ways a user enters a password; each leaves the field holding the whole secret.
enum class Entry {
    Typed,
    SelectAllErasedRetyped,
    WordErasedRetyped,
    TypedAtTheFront,
    MouseSelectionReplaced,
    DoubleClickReplaced,
    PastedByKey,
    PastedFromTheMenu,
    PastedByMiddleClick,
    Dropped,
    UndoneRedoneRetyped,
    Composed,
    TypedRevealed,
};

// Turns on the password aids named for as long as it lives.
struct AidsOn
{
    explicit AidsOn(int aids) { set(aids); }
    ~AidsOn() { set(0); }
    AidsOn(const AidsOn &) = delete;
    AidsOn &operator=(const AidsOn &) = delete;
    static void set(int aids)
    {
        for (Common::PasswordAid aid : {Common::CapsLockWarning, Common::RevealPassword})
            Common::setPasswordAidEnabled(aid, aids & aid);
    }
};

// The eye in \a edit, where it has one.
QAction *revealOf(QLineEdit *edit)
{
    for (QAction *action : edit->actions()) {
        if (action->objectName() == QLatin1String("reveal"))
            return action;
    }
    return nullptr;
}

// Replaces what the user selected with the same characters of \a secret, typed.
void retypeSelection(QLineEdit *edit, const char *secret)
{
    QVERIFY2(edit->selectedText().size() >= Run, "the mouse selected too little to tell");
    typeSecret(edit, secret + edit->selectionStart(), edit->selectedText().size());
}

void enter(QLineEdit *edit, Entry entry, const char *secret)
{
    const int size = int(strlen(secret)), half = size / 2;
    QClipboard *clipboard = QGuiApplication::clipboard();
    switch (entry) {
    case Entry::Typed:
        typeSecret(edit, secret);
        break;
    case Entry::SelectAllErasedRetyped:
        typeSecret(edit, secret);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Backspace);
        typeSecret(edit, secret);
        break;
    case Entry::WordErasedRetyped:
        typeSecret(edit, secret);
        QTest::keyClick(edit, Qt::Key_Backspace, Qt::ControlModifier);
        typeSecret(edit, secret);
        break;
    case Entry::TypedAtTheFront:
        typeSecret(edit, secret + half);
        QTest::keyClick(edit, Qt::Key_Home);
        typeSecret(edit, secret, half);
        break;
    case Entry::MouseSelectionReplaced: {
        typeSecret(edit, secret);
        const QPoint from = pointAt(edit, 4), to = pointAt(edit, size - 4);
        QTest::mousePress(edit, Qt::LeftButton, {}, from);
        // QTest's own move carries no button on Qt 5: this is a drag.
        QMouseEvent drag(QEvent::MouseMove, to, edit->mapToGlobal(to), Qt::NoButton,
                         Qt::LeftButton, {});
        QApplication::sendEvent(edit, &drag);
        QTest::mouseRelease(edit, Qt::LeftButton, {}, to);
        retypeSelection(edit, secret);
        break;
    }
    case Entry::DoubleClickReplaced:
        typeSecret(edit, secret);
        QTest::mouseDClick(edit, Qt::LeftButton, {}, pointAt(edit, half));
        retypeSelection(edit, secret);
        break;
    case Entry::PastedByKey:
        typeSecret(edit, secret, half);
        clipboard->setMimeData(new ForeignText(secret + half));
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        break;
    case Entry::PastedFromTheMenu: {
        typeSecret(edit, secret, half);
        clipboard->setMimeData(new ForeignText(secret + half));
        QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(1, 1),
                                  edit->mapToGlobal(QPoint(1, 1)));
        QApplication::sendEvent(edit, &request);
        QWidget *menu = QApplication::activePopupWidget();
        QVERIFY(menu);
        QTest::keyClick(menu, Qt::Key_P); // &Paste
        break;
    }
    case Entry::PastedByMiddleClick:
        typeSecret(edit, secret, half);
        clipboard->setMimeData(new ForeignText(secret + half), QClipboard::Selection);
        QTest::mouseClick(edit, Qt::MiddleButton, {}, pointAt(edit, half));
        break;
    case Entry::Dropped: {
        typeSecret(edit, secret, half);
        ForeignText dragged(secret + half);
        const QPoint at = pointAt(edit, half);
        QDragEnterEvent enter(at, Qt::CopyAction, &dragged, Qt::LeftButton, {});
        QApplication::sendEvent(edit, &enter);
        QDragMoveEvent move(at, Qt::CopyAction, &dragged, Qt::LeftButton, {});
        QApplication::sendEvent(edit, &move);
        QDropEvent drop(at, Qt::CopyAction, &dragged, Qt::LeftButton, {});
        QApplication::sendEvent(edit, &drop);
        QVERIFY(drop.isAccepted());
        break;
    }
    case Entry::UndoneRedoneRetyped:
        typeSecret(edit, secret);
        QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        typeSecret(edit, secret);
        break;
    case Entry::TypedRevealed: {
        // Shown half typed, then typed on while shown and drawn again, then hidden.
        QAction *reveal = revealOf(edit->parentWidget()->findChild<QLineEdit *>(QStringLiteral("password")));
        typeSecret(edit, secret, half);
        if (reveal)
            reveal->trigger();
        edit->grab();
        typeSecret(edit, secret + half);
        edit->grab();
        if (reveal)
            reveal->trigger();
        break;
    }
    case Entry::Composed:
        // As a compose sequence or an input method brings a character: shown while it is
        // composed, then committed.
        for (int i = 0; i < size; ++i) {
            QInputMethodEvent composing(QString(QLatin1Char(secret[i])), {});
            QApplication::sendEvent(edit, &composing);
            QInputMethodEvent committed;
            committed.setCommitString(QString(QLatin1Char(secret[i])));
            QApplication::sendEvent(edit, &committed);
        }
        break;
    }
}

// What an application's own accessibility handler hears of the text of each widget: the
// text each event inserts or removes, in order. It was installed before any dialog existed.
struct Heard
{
    QObject *object;
    QAccessible::Event type;
    QString text;
};
QList<Heard> heard;

void listen(QAccessibleEvent *event)
{
    switch (event->type()) {
    case QAccessible::TextInserted:
        heard.append({event->object(), event->type(),
                      static_cast<QAccessibleTextInsertEvent *>(event)->textInserted()});
        break;
    case QAccessible::TextRemoved:
        heard.append({event->object(), event->type(),
                      static_cast<QAccessibleTextRemoveEvent *>(event)->textRemoved()});
        break;
    case QAccessible::TextUpdated: {
        auto *update = static_cast<QAccessibleTextUpdateEvent *>(event);
        heard.append({event->object(), event->type(), update->textRemoved() + update->textInserted()});
        break;
    }
    default:
        break;
    }
}

// What the aids for the password fields do, as a user meets them.
enum class Aid {
    None,
    CapsLockWarned,
    ShownAndHidden,
    HiddenOnFocusLoss,
    HiddenWhenIdle,
    ProgramTextNeverShown,
    ConfirmationFollows,
};

// Presses Caps Lock the way this platform lets a test: through the X server (xdotool) on X11
// and through weston's seat on Wayland, or as a key event carrying the lock elsewhere; and
// presses it again at the end where it was left on.
class CapsLockKey
{
public:
    ~CapsLockKey()
    {
        if (m_presses % 2)
            press(nullptr);
    }

    bool real() const { return platform() != QLatin1String("other"); }

    // For the docs: \a dialog as the display shows it, kept where CORVADQT5_SHOTS names a
    // folder, as passworddialog-aids-PLATFORM.png.
    static void keepShot(QWidget *dialog)
    {
        const QString dir = qEnvironmentVariable("CORVADQT5_SHOTS");
        QImage shot;
        if (dir.isEmpty()) {
            return;
        } else if (platform() == QLatin1String("xcb")) {
            const QRect frame = dialog->frameGeometry();
            shot = dialog->screen()
                       ->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
                       .toImage();
        } else if (platform() == QLatin1String("wayland")) {
            shot = outerScreenshot();
        }
        shot.save(dir + QStringLiteral("/passworddialog-aids-") + platform() + QStringLiteral(".png"));
    }

    void press(QWidget *focused)
    {
        ++m_presses;
        if (platform() == QLatin1String("xcb")) {
            QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("Caps_Lock")});
        } else if (platform() == QLatin1String("wayland")) {
            // weston gives the keyboard to the window clicked last: the dialog, in the middle.
            // On Wayland the key after Caps Lock tells which way it went.
            runOnOuterDisplay(QStringLiteral("xdotool"),
                              QStringLiteral("mousemove 512 384 click 1 sleep 0.3 key Caps_Lock Shift_L")
                                  .split(QLatin1Char(' ')));
        } else if (focused) {
            const quint32 lock = m_presses % 2 ? 0x2 : 0;
            QKeyEvent shift(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier, 50, 0xffe1, lock);
            QApplication::sendEvent(focused, &shift);
        }
    }

private:
    static QString platform()
    {
        const QString name = QGuiApplication::platformName();
        return name == QLatin1String("xcb") || name.startsWith(QLatin1String("wayland"))
                   ? name.left(name == QLatin1String("xcb") ? 3 : 7)
                   : QStringLiteral("other");
    }

    int m_presses = 0;
};

QImage look(QWidget *widget)
{
    return widget->grab().toImage();
}

} // namespace

Q_DECLARE_METATYPE(Aid)
Q_DECLARE_METATYPE(Entry)

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

    void passwordAids_data();
    void passwordAids();
    void accessibilityHearsMasks_data();
    void accessibilityHearsMasks();
    void centredEvenWhenLargerThanTheScreen();
    void randomInputKeepsTheRule_data();
    void randomInputKeepsTheRule();
};

void CredentialDialogsTest::initTestCase()
{
    QtMessages::collect();
    QAccessible::installUpdateHandler(listen); // as an application's own, before any dialog
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
    QTest::addColumn<int>("erased"); // Backspaces in the password field afterwards
    QTest::addColumn<bool>("enabled");

    const QString clef = QString::fromUtf8("\xF0\x9D\x84\x9E"); // U+1D11E, two halves
    QTest::newRow("plain, one character") << false << QStringLiteral("x") << QString() << 0 << true;
    QTest::newRow("plain, typed and deleted") << false << QString() << QString() << 0 << false;
    QTest::newRow("plain, blanks") << false << QStringLiteral(" ") << QString() << 0 << true;
    // One key erases a whole character, both halves of it, as in Qt's own fields.
    QTest::newRow("plain, a character past the BMP erased") << false << clef << QString() << 1
                                                            << false;
    QTest::newRow("confirm, equal")
        << true << QStringLiteral("secret") << QStringLiteral("secret") << 0 << true;
    QTest::newRow("confirm, equal past the BMP")
        << true << QStringLiteral("a") + clef << QStringLiteral("a") + clef << 0 << true;
    QTest::newRow("confirm, different")
        << true << QStringLiteral("secret") << QStringLiteral("secrex") << 0 << false;
    QTest::newRow("confirm, case differs")
        << true << QStringLiteral("Secret") << QStringLiteral("secret") << 0 << false;
    QTest::newRow("confirm, trailing blank")
        << true << QStringLiteral("secret") << QStringLiteral("secret ") << 0 << false;
    QTest::newRow("confirm, confirmation only")
        << true << QString() << QStringLiteral("secret") << 0 << false;
    QTest::newRow("confirm, both cleared") << true << QString() << QString() << 0 << false;
    QTest::newRow("confirm, last character erased")
        << true << QStringLiteral("secrets") << QStringLiteral("secret") << 1 << true;
}

void CredentialDialogsTest::passwordEnabling()
{
    QFETCH(bool, confirmation);
    QFETCH(QString, password);
    QFETCH(QString, confirm);
    QFETCH(int, erased);
    QFETCH(bool, enabled);

    PasswordDialog dialog(nullptr, QString(), confirmation);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    // Type something first, so that an empty result means "typed and deleted again".
    type(field(&dialog, "password"), QStringLiteral("abc"));
    if (confirmation)
        type(field(&dialog, "confirmation"), QStringLiteral("abc"));
    if (confirmation)
        type(field(&dialog, "confirmation"), confirm);
    type(field(&dialog, "password"), password);
    for (int i = 0; i < erased; ++i)
        QTest::keyClick(field(&dialog, "password"), Qt::Key_Backspace);
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

void CredentialDialogsTest::accessibilityHearsMasks_data()
{
    QTest::addColumn<int>("kind"); // 0 plain password, 1 confirmation, 2 login
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("masked");
    QTest::newRow("password") << 0 << QStringLiteral("password") << true;
    QTest::newRow("confirmation") << 1 << QStringLiteral("confirmation") << true;
    QTest::newRow("login's password") << 2 << QStringLiteral("password") << true;
    QTest::newRow("login's name, as typed") << 2 << QStringLiteral("login") << false;
}

// A screen reader hears a mask character for every character typed into a password field or
// taken out of it, and nothing of the text; other fields are heard as they always were. The
// application's own handler, installed before the library's, still hears every event.
void CredentialDialogsTest::accessibilityHearsMasks()
{
    QFETCH(int, kind);
    QFETCH(QString, name);
    QFETCH(bool, masked);
    // Qt's bridge turns on once it has reached the accessibility bus, which the runner that
    // sets this starts.
    if (qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON")
        && !QTest::qWaitFor([] { return QAccessible::isActive(); }, 10000))
        QFAIL("Qt's accessibility bridge never reached the accessibility bus");
    if (!QAccessible::isActive())
        QSKIP("no accessibility bridge here: it needs a session bus with the accessibility bus "
              "(tests/display/run-with-accessibility.sh)");

    QScopedPointer<QDialog> dialog(kind == 2 ? static_cast<QDialog *>(new LoginDialog)
                                             : new PasswordDialog(nullptr, QString(), kind == 1));
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.data()));
    QLineEdit *edit = field(dialog.data(), qPrintable(name));
    heard.clear();
    const char *typed = "k3Y!q9Zp";
    typeSecret(edit, typed);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Backspace);

    QString inserted, removed;
    for (const Heard &event : std::as_const(heard)) {
        if (event.object != edit)
            continue;
        QVERIFY2(event.type != QAccessible::TextUpdated, "a reset of the text was heard");
        (event.type == QAccessible::TextInserted ? inserted : removed) += event.text;
    }
    const QChar mask(edit->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, edit));
    QCOMPARE(inserted, masked ? QString(8, mask) : QString::fromLatin1(typed, 8));
    QCOMPARE(removed, masked ? QString(8, mask)
                             : QString::fromLatin1(typed + 7, 1) + QString::fromLatin1(typed, 7));
}

void CredentialDialogsTest::passwordAids_data()
{
    QTest::addColumn<int>("kind"); // 0 plain password, 1 confirmation, 2 login
    QTest::addColumn<Aid>("aid");
    QTest::newRow("off: no warning, no eye") << 1 << Aid::None;
    QTest::newRow("Caps Lock warned of") << 1 << Aid::CapsLockWarned;
    QTest::newRow("shown and hidden") << 0 << Aid::ShownAndHidden;
    QTest::newRow("hidden when the fields lose the focus") << 1 << Aid::HiddenOnFocusLoss;
    QTest::newRow("hidden after 30 seconds without a key") << 0 << Aid::HiddenWhenIdle;
    QTest::newRow("text the program set never shown") << 2 << Aid::ProgramTextNeverShown;
    QTest::newRow("the confirmation follows") << 1 << Aid::ConfirmationFollows;
}

void CredentialDialogsTest::passwordAids()
{
    QFETCH(int, kind);
    QFETCH(Aid, aid);
    const AidsOn on(aid == Aid::None ? 0 : Common::CapsLockWarning | Common::RevealPassword);
    QScopedPointer<QDialog> dialog(kind == 2 ? static_cast<QDialog *>(new LoginDialog)
                                             : new PasswordDialog(nullptr, QString(), kind == 1));
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.data()));
    // Going from the window manager's hands to the dialog takes the fields' focus away once.
    QTRY_VERIFY(dialog->isActiveWindow());
    QLineEdit *password = field(dialog.data(), "password");
    QLineEdit *confirmation = field(dialog.data(), "confirmation");
    QAction *reveal = revealOf(password);
    auto *warning = dialog->findChild<QLabel *>(QStringLiteral("capsLockWarning"));
    password->setFocus();
    QTRY_VERIFY(password->hasFocus());
    const QString show = QStringLiteral("Show password"), hide = QStringLiteral("Hide password");
    if (aid == Aid::None) {
        QVERIFY(!warning);
        QVERIFY(password->actions().isEmpty());
        return;
    }
    QVERIFY(warning && !warning->isVisible());
    QVERIFY(reveal && !reveal->icon().isNull());
    QCOMPARE(reveal->text(), show);

    switch (aid) {
    case Aid::None:
        break;
    case Aid::CapsLockWarned: {
        CapsLockKey capsLock;
        capsLock.press(password);
        if (!capsLock.real()) {
            // Where the window system does not tell, a key's modifiers are not trusted.
            QTest::qWait(50);
            QVERIFY(!warning->isVisible());
            break;
        }
        QTRY_VERIFY(warning->isVisible());
        QCOMPARE(warning->text(), QStringLiteral("Caps Lock is on"));
        QCOMPARE(password->accessibleDescription(), warning->text());
        QTest::keyClicks(confirmation, QStringLiteral("Tr0ub4dor&3"));
        QTest::keyClicks(password, QStringLiteral("Tr0ub4dor&3"));
        reveal->trigger();
        QTest::qWait(300); // drawn and on the screen
        capsLock.keepShot(dialog.data());
        reveal->trigger();
        button(dialog.data(), "cancel")->setFocus();
        QTRY_VERIFY(!warning->isVisible());
        QCOMPARE(password->accessibleDescription(), QString());
        confirmation->setFocus();
        QTRY_VERIFY(warning->isVisible());
        QCOMPARE(confirmation->accessibleDescription(), warning->text());
        capsLock.press(confirmation);
        QTRY_VERIFY(!warning->isVisible());
        break;
    }
    case Aid::ShownAndHidden: {
        QTest::keyClicks(password, QStringLiteral("abc"));
        const QImage masked = look(password);
        reveal->trigger();
        QCOMPARE(reveal->text(), hide);
        const QImage shownAbc = look(password);
        QVERIFY(shownAbc != masked);
        QTest::keyClick(password, Qt::Key_Backspace);
        QTest::keyClick(password, Qt::Key_D);
        const QImage shownAbd = look(password);
        QVERIFY2(shownAbd != shownAbc, "the characters themselves are not drawn");
        reveal->trigger();
        QCOMPARE(reveal->text(), show);
        QCOMPARE(look(password), masked);
        break;
    }
    case Aid::HiddenOnFocusLoss:
        QTest::keyClicks(password, QStringLiteral("abc"));
        reveal->trigger();
        confirmation->setFocus();
        QTRY_VERIFY(confirmation->hasFocus());
        QCOMPARE(reveal->text(), hide);
        button(dialog.data(), "cancel")->setFocus();
        QTRY_COMPARE(reveal->text(), show);
        break;
    case Aid::HiddenWhenIdle: {
        QTest::keyClicks(password, QStringLiteral("abc"));
        reveal->trigger();
        auto *idle = dialog->findChild<QTimer *>(QStringLiteral("revealIdle"));
        QVERIFY(idle && idle->isActive());
        QCOMPARE(idle->interval(), 30000);
        QTest::qWait(100);
        const int before = idle->remainingTime();
        QTest::keyClick(password, Qt::Key_D);
        QVERIFY2(idle->remainingTime() > before, "a key does not start the wait again");
        idle->start(1);
        QTRY_COMPARE(reveal->text(), show);
        break;
    }
    case Aid::ProgramTextNeverShown: {
        password->setText(QStringLiteral("prefilled"));
        const QImage masked = look(password);
        QVERIFY(!reveal->isEnabled());
        reveal->trigger();
        QCOMPARE(reveal->text(), show);
        QCOMPARE(look(password), masked);
        // Once the user replaced it, what the user typed may be shown; until the program sets
        // text again.
        password->selectAll();
        QTest::keyClicks(password, QStringLiteral("typed"));
        QVERIFY(reveal->isEnabled());
        reveal->trigger();
        QCOMPARE(reveal->text(), hide);
        password->setText(QStringLiteral("prefilled"));
        QCOMPARE(reveal->text(), show);
        QCOMPARE(look(password), masked);
        break;
    }
    case Aid::ConfirmationFollows: {
        QTest::keyClicks(password, QStringLiteral("abc"));
        QTest::keyClicks(confirmation, QStringLiteral("abc"));
        QVERIFY(revealOf(confirmation) == nullptr);
        const QImage masked = look(confirmation);
        reveal->trigger();
        QVERIFY(look(confirmation) != masked);
        reveal->trigger();
        QCOMPARE(look(confirmation), masked);
        break;
    }
    }
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

// 10,000 random keys, pastes and clicks on the fields (seeded), each sent to a plain field of
// Qt's too: the dialogs' fields edit exactly as those do, Accept is enabled exactly when the
// plain fields' entry is complete, and the login dialog's password is the plain field's text.
// Return is tried only while Accept is disabled, when it must do nothing; nothing else sent
// can end the dialog.
void CredentialDialogsTest::randomInputKeepsTheRule()
{
    QFETCH(int, kind);
    QScopedPointer<QDialog> dialog(kind == 2 ? static_cast<QDialog *>(new LoginDialog)
                                             : new PasswordDialog(nullptr, QString(), kind == 1));
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog.data()));
    const QList<QLineEdit *> fields = dialog->findChildren<QLineEdit *>();
    QPushButton *accept = button(dialog.data(), "accept");
    QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));

    QHash<QLineEdit *, QLineEdit *> plain;
    for (QLineEdit *edit : fields) {
        plain[edit] = new QLineEdit(edit->text(), dialog.data());
        plain[edit]->setEchoMode(edit->echoMode());
    }
    const auto plainText = [&](const char *name) {
        QLineEdit *edit = field(dialog.data(), name);
        return edit ? plain[edit]->text() : QString();
    };
    const auto complete = [&] {
        const QString password = plainText("password");
        if (kind == 2)
            return !plainText("login").isEmpty() && !password.isEmpty();
        return !password.isEmpty() && (kind == 0 || plainText("confirmation") == password);
    };
    const auto sameAsPlain = [&](QLineEdit *edit) {
        const QLineEdit *other = plain[edit];
        return edit->text().size() == other->text().size()
            && edit->cursorPosition() == other->cursorPosition()
            && edit->selectionStart() == other->selectionStart()
            && edit->selectionLength() == other->selectionLength()
            && (kind != 2 || static_cast<LoginDialog *>(dialog.data())->password()
                                 == plainText("password"));
    };

    QRandomGenerator random(quint32(1000 + kind));
    const QPair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
        {Qt::Key_A, {}}, {Qt::Key_B, {}}, {Qt::Key_Space, {}}, {Qt::Key_Backspace, {}},
        {Qt::Key_Delete, {}}, {Qt::Key_Left, {}}, {Qt::Key_Home, {}}, {Qt::Key_End, {}},
        {Qt::Key_Backspace, {}}, {Qt::Key_Delete, {}},
        {Qt::Key_A, Qt::ControlModifier}, // select all
        {Qt::Key_V, Qt::ControlModifier}, // paste
        {Qt::Key_Z, Qt::ControlModifier}, // undo, which empties a password field
        {Qt::Key_Backspace, Qt::ControlModifier}}; // erase a word
    QLineEdit *target = fields[0];
    for (int event = 0; event < 10000; ++event) {
        const int choice = int(random.bounded(int(std::size(keys)) + 4));
        if (choice < int(std::size(keys))) {
            Qt::KeyboardModifiers modifiers = keys[choice].second;
            if (!modifiers && random.bounded(4) == 0)
                modifiers = Qt::ShiftModifier;
            QTest::keyClick(target, keys[choice].first, modifiers);
            QTest::keyClick(plain[target], keys[choice].first, modifiers);
        } else if (choice < int(std::size(keys)) + 3) {
            QTest::mouseClick(target = fields[int(random.bounded(fields.size()))], Qt::LeftButton);
            plain[target]->setCursorPosition(target->cursorPosition());
        } else if (!accept->isEnabled()) {
            QTest::keyClick(target, Qt::Key_Return);
        }
        QVERIFY2(accept->isEnabled() == complete(),
                 qPrintable(QStringLiteral("after event %1").arg(event)));
        QVERIFY2(sameAsPlain(target), qPrintable(QStringLiteral("after event %1").arg(event)));
        QVERIFY(dialog->isVisible());
    }
    QGuiApplication::clipboard()->clear();
}

void CredentialDialogsTest::noTraceOfTheSecret_data()
{
    QTest::addColumn<int>("kind"); // 0 plain password, 1 confirmation, 2 login
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("secret");
    QTest::addColumn<Entry>("entry");
    QTest::newRow("password, accepted") << 0 << true << 0 << Entry::Typed;
    QTest::newRow("password, cancelled") << 0 << false << 1 << Entry::Typed;
    QTest::newRow("confirmation, accepted") << 1 << true << 2 << Entry::Typed;
    QTest::newRow("confirmation, cancelled") << 1 << false << 3 << Entry::Typed;
    QTest::newRow("login, accepted") << 2 << true << 4 << Entry::Typed;
    QTest::newRow("login, cancelled") << 2 << false << 5 << Entry::Typed;
    QTest::newRow("all selected, erased and retyped")
        << 1 << true << 6 << Entry::SelectAllErasedRetyped;
    QTest::newRow("erased by word and retyped") << 2 << true << 7 << Entry::WordErasedRetyped;
    QTest::newRow("typed at the front") << 0 << true << 8 << Entry::TypedAtTheFront;
    QTest::newRow("mouse selection retyped") << 0 << true << 9 << Entry::MouseSelectionReplaced;
    QTest::newRow("double click, retyped") << 2 << false << 10 << Entry::DoubleClickReplaced;
    QTest::newRow("half of it pasted by key") << 0 << true << 11 << Entry::PastedByKey;
    QTest::newRow("half of it pasted from the menu") << 1 << true << 12 << Entry::PastedFromTheMenu;
    QTest::newRow("half of it pasted by middle click")
        << 0 << true << 13 << Entry::PastedByMiddleClick;
    QTest::newRow("half of it dropped") << 2 << true << 14 << Entry::Dropped;
    QTest::newRow("undone, redone and retyped") << 0 << true << 15 << Entry::UndoneRedoneRetyped;
    QTest::newRow("composed") << 1 << true << 16 << Entry::Composed;
    QTest::newRow("long, typed at the front") << 0 << true << LongIndex << Entry::TypedAtTheFront;
    QTest::newRow("shown while typed") << 1 << true << 18 << Entry::TypedRevealed;
}

// Once a dialog is gone, the only trace of what was entered into it is the copy the caller
// took; once the caller wipes that, none. The secret that was never entered must not be found
// either: the scan does not see its own needles.
void CredentialDialogsTest::noTraceOfTheSecret()
{
    QFETCH(int, kind);
    QFETCH(bool, accepted);
    QFETCH(int, secret);
    QFETCH(Entry, entry);
    const char *entered = secretAt(secret);
    if (entry == Entry::PastedByMiddleClick && !QGuiApplication::clipboard()->supportsSelection())
        QSKIP("this platform has no selection to paste with the middle button");

    const AidsOn aids(entry == Entry::TypedRevealed ? Common::RevealPassword : 0);
    bool placeholdersOnly = true;
    whenModal(this, [kind, accepted, entered, entry, &placeholdersOnly](QDialog *dialog) {
        if (kind == 2)
            QTest::keyClicks(field(dialog, "login"), QStringLiteral("alice"));
        enter(field(dialog, "password"), entry, entered);
        if (kind == 1)
            enter(field(dialog, "confirmation"), entry, entered);
        // Whatever the way in, the fields hold placeholders, none of the characters entered.
        for (QLineEdit *edit : {field(dialog, "password"), field(dialog, "confirmation")}) {
            for (QChar c : edit ? edit->text() : QString())
                placeholdersOnly = placeholdersOnly && (c.unicode() > 0xFF || !strchr(entered, c.toLatin1()));
        }
        QTest::mouseClick(button(dialog, accepted ? "accept" : "cancel"), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
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
    QGuiApplication::clipboard()->clear();
    if (QGuiApplication::clipboard()->supportsSelection())
        QGuiApplication::clipboard()->clear(QClipboard::Selection);
    QCOMPARE(copy.isNull(), !accepted);
    QVERIFY2(placeholdersOnly, "a character entered stands in a field");
    QVERIFY(!accepted || holds(copy, entered));
    // Qt's context menu reads the clipboard's text to enable its Paste, and frees that copy
    // as it is: where the allocator keeps what was freed (AddressSanitizer's quarantine), the
    // scan finds it. That copy is Qt's; the field got placeholders (checked above).
    if (entry == Entry::PastedFromTheMenu) {
        wipeAndDrop(copy);
        return;
    }

    const quintptr from = quintptr(copy.constData()), to = from + quintptr(copy.size()) * 2;
    const QList<quintptr> traces = tracesOf(entered);
    for (quintptr at : traces)
        QVERIFY2(at >= from && at < to, qPrintable(QString::number(at, 16)));
    QCOMPARE(traces.isEmpty(), !accepted);

    wipeAndDrop(copy);
    QCOMPARE(tracesOf(entered), QList<quintptr>());
    QCOMPARE(tracesOf(Secrets[Control]), QList<quintptr>());
}

QTEST_MAIN(CredentialDialogsTest)
#include "tst_credentialdialogs.moc"
