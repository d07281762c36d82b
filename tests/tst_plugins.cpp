// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
// Plugin handles and the plugin manager, with test plugins and hostile files copied into the
// test build's plugin directory.
#include <corvad-common-qt5/pluginhandle.h>
#include <corvad-common-qt5/pluginmanager.h>

#include <QDir>
#include <QLibrary>
#include <QtTest>

#include <dlfcn.h>

using namespace CorvadQt5;

namespace {

const QString PluginDir = QStringLiteral(CORVADQT5_TEST_PLUGIN_DIR);

struct Destruction
{
    QString file;
    bool libraryStillMapped;
};
QList<Destruction> destructions;
QStringList messages;

QStringList mappedPluginFiles()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return {};
    QStringList files;
    for (const QByteArray &line : maps.readAll().split('\n')) {
        const int at = line.indexOf('/');
        const QString file = at < 0 ? QString() : QString::fromLocal8Bit(line.mid(at));
        if (file.startsWith(PluginDir) && !files.contains(file))
            files << file;
    }
    return files;
}

QString install(const char *built, const QString &name)
{
    const QString path = PluginDir + QLatin1Char('/') + name;
    QFile::remove(path);
    return QFile::copy(QString::fromLocal8Bit(built), path) ? path : QString();
}

int callsOf(const QString &path, const char *counter)
{
    QLibrary library(path); // shares the handle's load, if any
    const auto calls = reinterpret_cast<int (*)()>(library.resolve(counter));
    return calls ? calls() : -1;
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
}

} // namespace

// Called by every test plugin's destructor: which file the object came from, and whether
// that file was still mapped, i.e. the library not yet unloaded.
extern "C" Q_DECL_EXPORT void corvadTestPluginDestroyed(void *token)
{
    Dl_info info{};
    const QString file = dladdr(token, &info) ? QString::fromLocal8Bit(info.dli_fname) : QString();
    destructions.append({file, mappedPluginFiles().contains(file)});
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
    void examplePluginIsRegistered();
};

void PluginsTest::initTestCase()
{
    qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext &, const QString &message) { messages << message; });
}

void PluginsTest::init()
{
    QDir(PluginDir).removeRecursively();
    QVERIFY(QDir().mkpath(PluginDir));
    destructions.clear();
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
    if (content == "dir") {
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
