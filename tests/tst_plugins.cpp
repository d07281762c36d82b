// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
// Plugin handles and the plugin manager, with test plugins and hostile files copied into the
// test build's plugin directory.
#include "plugins/craftedelf.h"

#include <corvad-common-qt5/pluginhandle.h>
#include <corvad-common-qt5/pluginmanager.h>

#include <QDir>
#include <QLibrary>
#include <QtTest>

#include <dlfcn.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

using namespace CorvadQt5;

namespace {

const QString PluginDir = QStringLiteral(CORVADQT5_TEST_PLUGIN_DIR);

struct Destruction
{
    QString file;
    bool libraryStillMapped;
};
QList<Destruction> destructions;
QStringList loads;
QStringList messages;

struct Mapping
{
    quintptr start;
    quintptr end;
    QString file;
};

// The kernel names the file a mapping came from, whatever name it was loaded under.
QList<Mapping> mappings()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return {};
    QList<Mapping> list;
    for (const QByteArray &line : maps.readAll().split('\n')) {
        const int at = line.indexOf('/');
        const QList<QByteArray> range = line.left(line.indexOf(' ')).split('-');
        if (at >= 0 && range.size() == 2)
            list.append({range[0].toULongLong(nullptr, 16), range[1].toULongLong(nullptr, 16),
                         QString::fromLocal8Bit(line.mid(at))});
    }
    return list;
}

QStringList mappedPluginFiles()
{
    QStringList files;
    for (const Mapping &mapping : mappings()) {
        if (mapping.file.startsWith(PluginDir) && !files.contains(mapping.file))
            files << mapping.file;
    }
    return files;
}

QString fileMappedAt(const void *address)
{
    const auto at = reinterpret_cast<quintptr>(address);
    for (const Mapping &mapping : mappings()) {
        if (mapping.start <= at && at < mapping.end)
            return mapping.file;
    }
    return {};
}

QString install(const char *built, const QString &name)
{
    const QString path = PluginDir + QLatin1Char('/') + name;
    QFile::remove(path);
    return QFile::copy(QString::fromLocal8Bit(built), path) ? path : QString();
}

// Asks the plugin already loaded from \a path, without loading it or keeping it loaded.
int callsOf(const QString &path, const char *counter)
{
    void *loaded = dlopen(QFile::encodeName(path).constData(), RTLD_LAZY | RTLD_NOLOAD);
    if (!loaded)
        return -1;
    const auto calls = reinterpret_cast<int (*)()>(dlsym(loaded, counter));
    const int answer = calls ? calls() : -1;
    dlclose(loaded);
    return answer;
}

QList<PluginHandle *> handlesOf(Plugin::Type type)
{
    return PluginManager::ptr()->pluginHandles(type);
}

QStringList pathsOf(const QList<PluginHandle *> &handles)
{
    QStringList paths;
    for (PluginHandle *handle : handles)
        paths << handle->path();
    return paths;
}

int openDescriptors()
{
    return QDir(QStringLiteral("/proc/self/fd"))
        .entryList(QDir::NoDotAndDotDot | QDir::AllEntries)
        .size();
}

void writeFile(const QString &name, const QByteArray &content)
{
    QFile file(PluginDir + QLatin1Char('/') + name);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
}

bool makeFifo(const QString &path)
{
    return mkfifo(QFile::encodeName(path).constData(), 0644) == 0;
}

bool setMode(const QString &path, mode_t mode)
{
    return chmod(QFile::encodeName(path).constData(), mode) == 0;
}

bool setOwner(const QString &path, uid_t owner)
{
    return lchown(QFile::encodeName(path).constData(), owner, owner) == 0;
}

// Files the scan must survive and skip: names it never opens, and ".so" files that are no
// plugins or only half of one.
void createHostileSet()
{
    for (const char *name : {"x.SO", "libx.so.1", ".x.so"})
        install(TEST_PLUGIN_type1, QLatin1String(name));
    install(TEST_PLUGIN_typeonly, QStringLiteral("typeonly.so"));
    install(TEST_PLUGIN_instanceonly, QStringLiteral("instanceonly.so"));
    QFile whole(QStringLiteral(TEST_PLUGIN_type1));
    if (whole.open(QIODevice::ReadOnly))
        writeFile(QStringLiteral("truncated.so"), whole.read(600));
    QByteArray random(4096, 0);
    for (int i = 0; i < random.size(); ++i)
        random[i] = char((i * 7919) >> 3);
    writeFile(QStringLiteral("random.so"), random);
    writeFile(QStringLiteral("empty.so"), QByteArray());
    QDir().mkpath(PluginDir + QStringLiteral("/d.so"));
    QFile::link(PluginDir + QStringLiteral("/missing"), PluginDir + QStringLiteral("/dangling.so"));
    makeFifo(PluginDir + QStringLiteral("/fifo.so"));
    QFile::link(QStringLiteral("/dev/null"), PluginDir + QStringLiteral("/device.so"));
    // Damaged in ways that crashed the dynamic loader or stalled the check before it.
    for (const CraftedElf::File &file : CraftedElf::files())
        writeFile(QString::fromStdString(file.name),
                  QByteArray::fromStdString(file.bytes));
}

} // namespace

// Called by every test plugin's destructor: which file the object came from, and whether
// that file was still mapped, i.e. the library not yet unloaded.
extern "C" Q_DECL_EXPORT void corvadTestPluginDestroyed(const void *token)
{
    const QString file = fileMappedAt(token);
    destructions.append({file, mappedPluginFiles().contains(file)});
}

extern "C" Q_DECL_EXPORT void corvadTestPluginLoaded(const void *token)
{
    loads << fileMappedAt(token);
}

class PluginsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void handleOfANonPlugin_data();
    void handleOfANonPlugin();
    void typeOnlyStaysLoaded();
    void instanceOnlyIsInvalid();
    void instanceCreatedOnce();
    void nullInstanceIsAskedAgain();
    void typeAskedAfreshEveryTime();
    void destroyingWithoutInstance();
    void destroyingWithInstance();

    void noDirectoryGivesNothing();
    void caseInsensitiveOrder();
    void secondCallKeepsTheSameHandles();
    void newFileComesLast();
    void otherTypeIsUnloadedUntilAskedFor();
    void isLoadedComparesPathsOfOneType();
    void releaseDeletesLowerTypesFirst();
    void hostileFilesAreSkipped();
    void repeatedScansLeakNothing();
    void unsafeCandidatesAreRefused_data();
    void unsafeCandidatesAreRefused();
    void onlyTheCheckedFileIsLoaded_data();
    void onlyTheCheckedFileIsLoaded();
    void fifoSwappedInBetweenScans();
    void examplePluginIsRegistered();
};

void PluginsTest::initTestCase()
{
    umask(022); // a group-writable plugin directory would be refused

    qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext &, const QString &message) { messages << message; });
}

void PluginsTest::init()
{
    QDir(PluginDir).removeRecursively();
    QVERIFY(QDir().mkpath(PluginDir));
    destructions.clear();
    loads.clear();
    messages.clear();
}

// The library stays silent, and nothing stays mapped once the registry is released.
void PluginsTest::cleanup()
{
    PluginManager::ptr()->release();
    QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('\n'))));
    QCOMPARE(mappedPluginFiles(), QStringList());
}

void PluginsTest::handleOfANonPlugin_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");

    QTest::newRow("missing") << QStringLiteral("missing.so") << QByteArray();
    QTest::newRow("empty file") << QStringLiteral("empty.so") << QByteArray("");
    QTest::newRow("random bytes") << QStringLiteral("random.so") << QByteArray(4096, '\x5a');
    QTest::newRow("ELF magic alone") << QStringLiteral("magic.so")
                                     << QByteArray("\x7f"
                                                   "ELF\x02\x01\x01",
                                                   7);
    // The loader maps what the headers promise and crashed on the missing part.
    QTest::newRow("plugin cut after 600 bytes")
        << QStringLiteral("cut600.so") << QByteArray("cut 600");
    QTest::newRow("plugin cut after 8 KiB") << QStringLiteral("cut8k.so") << QByteArray("cut 8192");
    QTest::newRow("directory") << QStringLiteral("d.so") << QByteArray("dir");
    QTest::newRow("not a library name") << QStringLiteral("plugin.txt") << QByteArray("copy");
    // It would bring a second Qt into the process; it ends the process if ever loaded.
    QTest::newRow("plugin for the other Qt major")
        << QStringLiteral("othermajor.so") << QByteArray("other major");
}

void PluginsTest::handleOfANonPlugin()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);

    const QString path = PluginDir + QLatin1Char('/') + name;
    if (content.startsWith("cut ")) {
        QFile whole(QStringLiteral(TEST_PLUGIN_type1));
        QVERIFY(whole.open(QIODevice::ReadOnly));
        content = whole.read(content.mid(4).toInt());
    }
    if (content == "other major") {
#ifdef TEST_PLUGIN_othermajor
        QVERIFY(QFile::copy(QStringLiteral(TEST_PLUGIN_othermajor), path));
#else
        QSKIP("the other Qt major is not installed, so no plugin was built for it");
#endif
    } else if (content == "dir") {
        QVERIFY(QDir().mkpath(path));
    } else if (content == "copy") {
        QVERIFY(QFile::copy(QStringLiteral(TEST_PLUGIN_type1), path));
    } else if (!content.isNull()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    PluginHandle handle(path);
    QVERIFY(!handle.isValid());
    QCOMPARE(handle.type(), Plugin::NoType);
    QCOMPARE(handle.staticInstance(), nullptr);
    QCOMPARE(handle.path(), path);
    QCOMPARE(mappedPluginFiles(), QStringList());
}

void PluginsTest::typeOnlyStaysLoaded()
{
    const QString path = install(TEST_PLUGIN_typeonly, QStringLiteral("typeonly.so"));
    {
        PluginHandle handle(path);
        QVERIFY(!handle.isValid());
        QCOMPARE(int(handle.type()), 1);
        QCOMPARE(handle.staticInstance(), nullptr);
        QCOMPARE(mappedPluginFiles(), QStringList{path});
    }
    QCOMPARE(mappedPluginFiles(), QStringList());
}

void PluginsTest::instanceOnlyIsInvalid()
{
    PluginHandle handle(install(TEST_PLUGIN_instanceonly, QStringLiteral("instanceonly.so")));
    QVERIFY(!handle.isValid());
    QCOMPARE(handle.type(), Plugin::NoType);
}

void PluginsTest::instanceCreatedOnce()
{
    const QString path = install(TEST_PLUGIN_type1, QStringLiteral("type1.so"));
    PluginHandle handle(path);
    QVERIFY(handle.isValid());
    QCOMPARE(callsOf(path, "corvadTestInstanceCalls"), 0);
    Plugin *first = handle.staticInstance();
    QVERIFY(first);
    QCOMPARE(handle.staticInstance(), first);
    QCOMPARE(callsOf(path, "corvadTestInstanceCalls"), 1);
}

void PluginsTest::nullInstanceIsAskedAgain()
{
    const QString path = install(TEST_PLUGIN_nullfirst, QStringLiteral("nullfirst.so"));
    PluginHandle handle(path);
    QCOMPARE(handle.staticInstance(), nullptr);
    QVERIFY(handle.staticInstance());
    QCOMPARE(callsOf(path, "corvadTestInstanceCalls"), 2);
    handle.staticInstance();
    QCOMPARE(callsOf(path, "corvadTestInstanceCalls"), 2);
}

void PluginsTest::typeAskedAfreshEveryTime()
{
    const QString path = install(TEST_PLUGIN_type2, QStringLiteral("type2.so"));
    PluginHandle handle(path);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(int(handle.type()), 2);
    QCOMPARE(callsOf(path, "corvadTestTypeCalls"), 3);
}

void PluginsTest::destroyingWithoutInstance()
{
    const QString path = install(TEST_PLUGIN_type1, QStringLiteral("type1.so"));
    delete new PluginHandle(path);
    QVERIFY(destructions.isEmpty());
    QCOMPARE(mappedPluginFiles(), QStringList());
}

// The object's code lives in the library: it must be destroyed before the unload.
void PluginsTest::destroyingWithInstance()
{
    const QString path = install(TEST_PLUGIN_type1, QStringLiteral("type1.so"));
    auto *handle = new PluginHandle(path);
    QVERIFY(handle->staticInstance());
    delete handle;
    QCOMPARE(destructions.size(), 1);
    QCOMPARE(destructions[0].file, path);
    QVERIFY(destructions[0].libraryStillMapped);
    QCOMPARE(mappedPluginFiles(), QStringList());
}

void PluginsTest::noDirectoryGivesNothing()
{
    QVERIFY(QDir(PluginDir).removeRecursively());
    QVERIFY(handlesOf(Plugin::DesktopIntegrationType).isEmpty());
}

void PluginsTest::caseInsensitiveOrder()
{
    for (const char *name : {"b.so", "A.so", "c.so"})
        install(TEST_PLUGIN_type1, QLatin1String(name));
    QCOMPARE(pathsOf(handlesOf(Plugin::DesktopIntegrationType)),
             (QStringList{PluginDir + QStringLiteral("/A.so"), PluginDir + QStringLiteral("/b.so"),
                          PluginDir + QStringLiteral("/c.so")}));
}

void PluginsTest::secondCallKeepsTheSameHandles()
{
    install(TEST_PLUGIN_type1, QStringLiteral("one.so"));
    install(TEST_PLUGIN_type1, QStringLiteral("two.so"));
    const QList<PluginHandle *> first = handlesOf(Plugin::DesktopIntegrationType);
    Plugin *instance = first.value(0)->staticInstance();
    const QList<PluginHandle *> second = handlesOf(Plugin::DesktopIntegrationType);
    QCOMPARE(second, first);
    QCOMPARE(second[0]->staticInstance(), instance);
    QVERIFY(destructions.isEmpty()); // the rescan's extra handles had no instance
    QCOMPARE(mappedPluginFiles().size(), 2);
}

void PluginsTest::newFileComesLast()
{
    install(TEST_PLUGIN_type1, QStringLiteral("m.so"));
    const QList<PluginHandle *> first = handlesOf(Plugin::DesktopIntegrationType);
    install(TEST_PLUGIN_type1, QStringLiteral("a.so"));
    const QList<PluginHandle *> second = handlesOf(Plugin::DesktopIntegrationType);
    QCOMPARE(second.size(), 2);
    QCOMPARE(second[0], first[0]);
    QCOMPARE(second[1]->path(), PluginDir + QStringLiteral("/a.so"));
}

void PluginsTest::otherTypeIsUnloadedUntilAskedFor()
{
    const QString path = install(TEST_PLUGIN_type2, QStringLiteral("two.so"));
    QVERIFY(handlesOf(Plugin::DesktopIntegrationType).isEmpty());
    QCOMPARE(mappedPluginFiles(), QStringList());
    QCOMPARE(pathsOf(handlesOf(Plugin::Type(2))), QStringList{path});
    QCOMPARE(mappedPluginFiles(), QStringList{path});
}

void PluginsTest::isLoadedComparesPathsOfOneType()
{
    const QString path = install(TEST_PLUGIN_type1, QStringLiteral("one.so"));
    handlesOf(Plugin::DesktopIntegrationType);
    PluginManager *manager = PluginManager::ptr();

    QVERIFY(!manager->isLoaded(nullptr));
    PluginHandle same(path);
    QVERIFY(manager->isLoaded(&same));
    PluginHandle otherSpelling(PluginDir + QStringLiteral("//one.so"));
    QVERIFY(otherSpelling.isValid());
    QVERIFY(!manager->isLoaded(&otherSpelling));
    PluginHandle otherType(install(TEST_PLUGIN_type2, QStringLiteral("one-two.so")));
    QVERIFY(!manager->isLoaded(&otherType));
}

void PluginsTest::releaseDeletesLowerTypesFirst()
{
    const QString two = install(TEST_PLUGIN_type2, QStringLiteral("a-two.so"));
    const QString one = install(TEST_PLUGIN_type1, QStringLiteral("b-one.so"));
    for (const Plugin::Type type : {Plugin::Type(2), Plugin::DesktopIntegrationType})
        QVERIFY(handlesOf(type).value(0)->staticInstance());

    PluginManager::ptr()->release();
    QCOMPARE(destructions.size(), 2);
    QCOMPARE(destructions[0].file, one);
    QCOMPARE(destructions[1].file, two);
    QVERIFY(destructions[0].libraryStillMapped && destructions[1].libraryStillMapped);

    // Released handles are gone for good: the next call builds fresh ones.
    QCOMPARE(pathsOf(handlesOf(Plugin::DesktopIntegrationType)), QStringList{one});
}

void PluginsTest::hostileFilesAreSkipped()
{
    const QString valid = install(TEST_PLUGIN_type1, QStringLiteral("valid.so"));
    createHostileSet();
    QCOMPARE(pathsOf(handlesOf(Plugin::DesktopIntegrationType)), QStringList{valid});
    QCOMPARE(mappedPluginFiles(), QStringList{valid});
}

// A thousand scans of the hostile set, plugins of another type among them, keep the mapped
// files and the open descriptors as they were after the first.
void PluginsTest::repeatedScansLeakNothing()
{
    install(TEST_PLUGIN_type1, QStringLiteral("one.so"));
    install(TEST_PLUGIN_type2, QStringLiteral("two.so"));
    createHostileSet();
    handlesOf(Plugin::DesktopIntegrationType);
    const QStringList mapped = mappedPluginFiles();
    const int descriptors = openDescriptors();
    for (int i = 0; i < 1000; ++i)
        handlesOf(Plugin::DesktopIntegrationType);
    QCOMPARE(mappedPluginFiles(), mapped);
    QCOMPARE(mapped.size(), 1);
    QCOMPARE(openDescriptors(), descriptors);
}

void PluginsTest::unsafeCandidatesAreRefused_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<bool>("taken");

    QTest::newRow("0644 file in a 0755 directory") << QStringLiteral("safe") << true;
    QTest::newRow("link to a safe file elsewhere") << QStringLiteral("link safe") << true;
    QTest::newRow("world-writable file") << QStringLiteral("file 0666") << false;
    QTest::newRow("group-writable file") << QStringLiteral("file 0664") << false;
    QTest::newRow("file of another user") << QStringLiteral("file owner") << false;
    QTest::newRow("world-writable directory") << QStringLiteral("dir 0777") << false;
    QTest::newRow("sticky world-writable directory") << QStringLiteral("dir 01777") << false;
    QTest::newRow("group-writable directory") << QStringLiteral("dir 0775") << false;
    QTest::newRow("directory of another user") << QStringLiteral("dir owner") << false;
    QTest::newRow("link to a world-writable file") << QStringLiteral("link 0666") << false;
    QTest::newRow("link to a file of another user") << QStringLiteral("link owner") << false;
}

// Whoever can write a plugin runs code in every application that scans it.
void PluginsTest::unsafeCandidatesAreRefused()
{
    QFETCH(QString, setup);
    QFETCH(bool, taken);
    if (setup.endsWith(QLatin1String("owner")) && geteuid() != 0)
        QSKIP("giving a file to another owner needs root");

    const QString elsewhere = PluginDir + QStringLiteral("-elsewhere");
    QDir(elsewhere).removeRecursively();
    QVERIFY(QDir().mkpath(elsewhere));
    const QString path = PluginDir + QStringLiteral("/candidate.so");
    QString file = path;
    if (setup.startsWith(QLatin1String("link"))) {
        file = elsewhere + QStringLiteral("/target.so");
        QVERIFY(QFile::link(file, path));
    }
    QVERIFY(QFile::copy(QStringLiteral(TEST_PLUGIN_type1), file));
    QVERIFY(setMode(file, 0644));
    const QString what = setup.section(QLatin1Char(' '), 1);
    const QString target = setup.startsWith(QLatin1String("dir")) ? PluginDir : file;
    if (what == QLatin1String("owner"))
        QVERIFY(setOwner(target, 54321));
    else if (!what.isEmpty())
        QVERIFY(setMode(target, mode_t(what.toUInt(nullptr, 8))));

    const QStringList expected = taken ? QStringList{path} : QStringList();
    QCOMPARE(pathsOf(handlesOf(Plugin::DesktopIntegrationType)), expected);
    QCOMPARE(loads, taken ? QStringList{file} : QStringList());
    PluginManager::ptr()->release();
    QVERIFY(setMode(PluginDir, 0755));
    QDir(elsewhere).removeRecursively();
}

void PluginsTest::onlyTheCheckedFileIsLoaded_data()
{
    QTest::addColumn<QString>("subdirectory");
    QTest::addColumn<QString>("content");

    // Directories the dynamic loader knows as hardware-capability variants of a library.
    for (const char *subdirectory : {"haswell", "x86_64", "tls", "glibc-hwcaps/x86-64-v3"}) {
        for (const char *content : {"fifo", "truncated", "other plugin"})
            QTest::addRow("%s: %s", subdirectory, content)
                << QString::fromLatin1(subdirectory) << QString::fromLatin1(content);
    }
}

// A file placed beside the candidate under the same name must never be what is loaded:
// a FIFO there hung the scan, a truncated copy crashed it, another plugin ran instead.
void PluginsTest::onlyTheCheckedFileIsLoaded()
{
    QFETCH(QString, subdirectory);
    QFETCH(QString, content);

    const QString valid = install(TEST_PLUGIN_type1, QStringLiteral("valid.so"));
    const QString variant =
        PluginDir + QLatin1Char('/') + subdirectory + QStringLiteral("/valid.so");
    QVERIFY(QDir().mkpath(QFileInfo(variant).path()));
    if (content == QLatin1String("fifo")) {
        QVERIFY(makeFifo(variant));
    } else if (content == QLatin1String("truncated")) {
        QFile whole(valid);
        QVERIFY(whole.open(QIODevice::ReadOnly));
        QFile part(variant);
        QVERIFY(part.open(QIODevice::WriteOnly));
        part.write(whole.read(600));
    } else {
        QVERIFY(QFile::copy(QStringLiteral(TEST_PLUGIN_type2), variant));
    }

    const QList<PluginHandle *> handles = handlesOf(Plugin::DesktopIntegrationType);
    QCOMPARE(pathsOf(handles), QStringList{valid});
    QCOMPARE(int(handles[0]->type()), 1);
    QCOMPARE(loads, QStringList{valid});
    QCOMPARE(mappedPluginFiles(), QStringList{valid});
}

// A FIFO renamed over a registered plugin between two scans neither blocks the next scan nor
// disturbs the handle that was loaded before.
void PluginsTest::fifoSwappedInBetweenScans()
{
    const QString path = install(TEST_PLUGIN_type1, QStringLiteral("swapped.so"));
    const QList<PluginHandle *> first = handlesOf(Plugin::DesktopIntegrationType);
    QCOMPARE(pathsOf(first), QStringList{path});
    const QString fifo = PluginDir + QStringLiteral("/incoming");
    QVERIFY(makeFifo(fifo));
    QVERIFY(::rename(QFile::encodeName(fifo).constData(), QFile::encodeName(path).constData()) ==
            0);

    QCOMPARE(handlesOf(Plugin::DesktopIntegrationType), first);
    QVERIFY(first[0]->staticInstance());
    PluginManager::ptr()->release();
    QCOMPARE(handlesOf(Plugin::DesktopIntegrationType), QList<PluginHandle *>());
    QCOMPARE(loads, QStringList{path});
}

// What the kit builds from the example's three lines is a plugin the manager keeps.
void PluginsTest::examplePluginIsRegistered()
{
    const QString path = install(TEST_PLUGIN_example, QStringLiteral("example.so"));
    const QList<PluginHandle *> handles = handlesOf(Plugin::DesktopIntegrationType);
    QCOMPARE(pathsOf(handles), QStringList{path});
    QVERIFY(dynamic_cast<Plugin *>(handles[0]->staticInstance()));
}

QTEST_GUILESS_MAIN(PluginsTest)
#include "tst_plugins.moc"
