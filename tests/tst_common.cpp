// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
// The Common instance: its plugin scan, its icon provider, and the help and about calls
// through a recording help menu.
#include "recording.h"

#include <corvad-common-qt5/common.h>
#include <corvad-common-qt5/desktopintegrationplugin.h>
#include <corvad-common-qt5/nativeiconprovider.h>
#include <corvad-common-qt5/pluginhandle.h>
#include <corvad-common-qt5/pluginmanager.h>

#include <QDir>
#include <QMenu>
#include <QWidget>
#include <QtTest>

#include <stdexcept>

using namespace CorvadQt5;

namespace {

const QString PluginDir = QStringLiteral(CORVADQT5_TEST_PLUGIN_DIR);

QString installPlugin(const QString &name)
{
    const QString path = PluginDir + QLatin1Char('/') + name;
    return QFile::copy(QStringLiteral(TEST_PLUGIN_type1), path) ? path : QString();
}

using Call = void (Common::*)(QWidget *, QMap<QString, QVariant>);

} // namespace

class CommonTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void firstUseRegistersThePlugins();
    void laterUsesScanNothing();
    void iconProviderIsTheBuiltIn();
    void windowCalls_data();
    void windowCalls();
    void twoCallsTwoMenus();
    void menuGoneWhenTheCallThrows();
    void pluginKeepsItsProvider();

private:
    QString m_registered;
};

// The plugin must be in place before the first Common::ptr() of the process.
void CommonTest::initTestCase()
{
    QDir(PluginDir).removeRecursively();
    QVERIFY(QDir().mkpath(PluginDir));
    m_registered = installPlugin(QStringLiteral("integration.so"));
    QVERIFY(!m_registered.isEmpty());
}

void CommonTest::init()
{
    zubHelpMenuLog().clear();
}

void CommonTest::firstUseRegistersThePlugins()
{
    PluginHandle probe(m_registered);
    QVERIFY(!PluginManager::ptr()->isLoaded(&probe));
    Common *common = Common::ptr();
    QVERIFY(common);
    QVERIFY(PluginManager::ptr()->isLoaded(&probe));
    QCOMPARE(Common::ptr(), common);
}

void CommonTest::laterUsesScanNothing()
{
    const QString later = installPlugin(QStringLiteral("later.so"));
    Common::ptr();
    PluginHandle probe(later);
    QVERIFY(probe.isValid());
    QVERIFY(!PluginManager::ptr()->isLoaded(&probe));
}

void CommonTest::iconProviderIsTheBuiltIn()
{
    IconProvider *provider = Common::ptr()->iconProvider();
    QVERIFY(dynamic_cast<NativeIconProvider *>(provider));
    QCOMPARE(Common::ptr()->iconProvider(), provider);
    QVERIFY(!provider->iconById(IconKey).isNull());
}

void CommonTest::windowCalls_data()
{
    QTest::addColumn<bool>("help");
    QTest::addColumn<bool>("withParent");
    QTest::addColumn<bool>("withOptions");

    QTest::newRow("help, null parent") << true << false << false;
    QTest::newRow("help, parent and options") << true << true << true;
    QTest::newRow("about, null parent") << false << false << false;
    QTest::newRow("about, parent and options") << false << true << true;
}

// One menu per call, built on the caller's parent (null stays null), one operation, and the
// menu gone when the call returns; options change nothing.
void CommonTest::windowCalls()
{
    QFETCH(bool, help);
    QFETCH(bool, withParent);
    QFETCH(bool, withOptions);

    QWidget parent;
    parent.setObjectName(QStringLiteral("caller"));
    QMap<QString, QVariant> options;
    if (withOptions)
        options.insert(QStringLiteral("page"), QStringLiteral("index"));
    const Call call =
        help ? &Common::callApplicationHelpWindow : &Common::callApplicationAboutWindow;
    (Common::ptr()->*call)(withParent ? &parent : nullptr, options);

    QCOMPARE(zubHelpMenuLog(),
             (QStringList{withParent ? QStringLiteral("construct caller")
                                     : QStringLiteral("construct null"),
                          help ? QStringLiteral("showContents") : QStringLiteral("showAbout"),
                          QStringLiteral("destroy")}));
    QVERIFY(parent.findChildren<QMenu *>().isEmpty());
}

void CommonTest::twoCallsTwoMenus()
{
    Common::ptr()->callApplicationAboutWindow(nullptr, {});
    Common::ptr()->callApplicationAboutWindow(nullptr, {});
    QCOMPARE(zubHelpMenuLog().count(QStringLiteral("construct null")), 2);
    QCOMPARE(zubHelpMenuLog().count(QStringLiteral("destroy")), 2);
    QCOMPARE(zubHelpMenuLog().last(), QStringLiteral("destroy"));
}

void CommonTest::menuGoneWhenTheCallThrows()
{
    DesktopIntegrationPlugin plugin(nullptr);
    zubHelpMenuThrowNext();
    QVERIFY_EXCEPTION_THROWN(plugin.callApplicationHelpWindow(nullptr, {}), std::runtime_error);
    QCOMPARE(zubHelpMenuLog().last(), QStringLiteral("destroy"));
}

void CommonTest::pluginKeepsItsProvider()
{
    QCOMPARE(DesktopIntegrationPlugin(nullptr).iconProvider(), nullptr);
    NativeIconProvider provider;
    {
        DesktopIntegrationPlugin plugin(&provider);
        QCOMPARE(plugin.iconProvider(), static_cast<IconProvider *>(&provider));
    }
    QVERIFY(!provider.iconById(IconUser).isNull());
}

QTEST_MAIN(CommonTest)
#include "tst_common.moc"
