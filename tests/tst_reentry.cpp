// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
// Plugin code that reaches back into the library while the first Common::ptr() is scanning.
// Each function runs in a process of its own (ctest names it), since the first call is the
// one that matters.
#include <corvad-common-qt5/common.h>
#include <corvad-common-qt5/pluginhandle.h>
#include <corvad-common-qt5/pluginmanager.h>

#include <QDir>
#include <QtTest>

#include <dlfcn.h>
#include <sys/stat.h>

using namespace CorvadQt5;

namespace {

const QString PluginDir = QStringLiteral(CORVADQT5_TEST_PLUGIN_DIR);

void *commonSeenBy(const QString &path)
{
    void *loaded = dlopen(QFile::encodeName(path).constData(), RTLD_LAZY | RTLD_NOLOAD);
    if (!loaded)
        return nullptr;
    const auto seen = reinterpret_cast<void *(*)()>(dlsym(loaded, "corvadTestCommonSeen"));
    void *answer = seen ? seen() : nullptr;
    dlclose(loaded);
    return answer;
}

} // namespace

class ReentryTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void commonFromAStaticInitialiser();
    void commonFromATypeEntry();
    void managerFromATypeEntry();

private:
    // Installs the plugin, makes the first Common::ptr() call and checks what the plugin got.
    void firstCallWith(const char *built, bool pluginAsksForCommon);
};

void ReentryTest::init()
{
    umask(022);
    QDir(PluginDir).removeRecursively();
    QVERIFY(QDir().mkpath(PluginDir));
}

void ReentryTest::firstCallWith(const char *built, bool pluginAsksForCommon)
{
    const QString path = PluginDir + QStringLiteral("/reentrant.so");
    QVERIFY(QFile::copy(QString::fromLocal8Bit(built), path));

    Common *common = Common::ptr();
    QVERIFY(common);
    QCOMPARE(Common::ptr(), common);
    if (pluginAsksForCommon)
        QCOMPARE(commonSeenBy(path), static_cast<void *>(common));
    PluginHandle probe(path);
    QVERIFY(PluginManager::ptr()->isLoaded(&probe));
    QCOMPARE(PluginManager::ptr()->pluginHandles(Plugin::DesktopIntegrationType).size(), 1);
}

// Used to build a second instance: the plugin kept one and the application another.
void ReentryTest::commonFromAStaticInitialiser()
{
    firstCallWith(TEST_PLUGIN_commonatload, true);
}

// Used to recurse until the stack ran out.
void ReentryTest::commonFromATypeEntry()
{
    firstCallWith(TEST_PLUGIN_commonfortype, true);
}

// A scan started by a type entry scanned again, which asked the type entry again, endlessly.
void ReentryTest::managerFromATypeEntry()
{
    firstCallWith(TEST_PLUGIN_managerfortype, false);
}

QTEST_GUILESS_MAIN(ReentryTest)
#include "tst_reentry.moc"
