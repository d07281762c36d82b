// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
// One source for the test plugins; the build chooses what each exports:
//   TEST_PLUGIN_TYPE        the type it reports
//   TEST_PLUGIN_NO_TYPE     no corvadQt5PluginType
//   TEST_PLUGIN_NO_INSTANCE no corvadQt5PluginInstance
//   TEST_PLUGIN_NULL_FIRST  the first instance call answers null
//   TEST_PLUGIN_ASKS_COMMON_AT_LOAD   a static initialiser calls Common::ptr()
//   TEST_PLUGIN_ASKS_COMMON_FOR_TYPE  the type entry calls Common::ptr()
//   TEST_PLUGIN_ASKS_MANAGER_FOR_TYPE the type entry asks the manager for its plugins
#include <corvad-common-qt5/common.h>
#include <corvad-common-qt5/plugin.h>
#include <corvad-common-qt5/pluginmanager.h>

#include <dlfcn.h>

namespace {

int typeCalls = 0;
int instanceCalls = 0;

using Recorder = void (*)(const void *);

// An address in this file's mapping, for the test program to tell the plugins apart: read-only
// data is always file-backed, while a counter may land in the part of .bss past the file's
// last page, which the kernel maps anonymously (it does with the sanitizers' redzones).
const char Token = 0;

// Tells the test program, if it listens, which file was just loaded.
const struct AnnounceLoad
{
    AnnounceLoad()
    {
        if (auto record = reinterpret_cast<Recorder>(dlsym(RTLD_DEFAULT, "corvadTestPluginLoaded")))
            record(&Token);
    }
} announceLoad;

// Tells the test program, if it listens, that an object of this plugin was destroyed.
class TestPlugin : public CorvadQt5::Plugin
{
public:
    ~TestPlugin() override
    {
        if (auto record =
                reinterpret_cast<Recorder>(dlsym(RTLD_DEFAULT, "corvadTestPluginDestroyed")))
            record(&Token);
    }
};

} // namespace

// What Common::ptr() answered plugin code that called it while the plugin was scanned.
CorvadQt5::Common *commonSeen = nullptr;

#ifdef TEST_PLUGIN_ASKS_COMMON_AT_LOAD
const struct AskAtLoad
{
    AskAtLoad() { commonSeen = CorvadQt5::Common::ptr(); }
} askAtLoad;
#endif

extern "C" Q_DECL_EXPORT void *corvadTestCommonSeen()
{
    return commonSeen;
}

extern "C" Q_DECL_EXPORT int corvadTestTypeCalls()
{
    return typeCalls;
}

extern "C" Q_DECL_EXPORT int corvadTestInstanceCalls()
{
    return instanceCalls;
}

#ifndef TEST_PLUGIN_NO_TYPE
extern "C" Q_DECL_EXPORT CorvadQt5::Plugin::Type corvadQt5PluginType()
{
    ++typeCalls;
#ifdef TEST_PLUGIN_ASKS_COMMON_FOR_TYPE
    commonSeen = CorvadQt5::Common::ptr();
#endif
#ifdef TEST_PLUGIN_ASKS_MANAGER_FOR_TYPE
    CorvadQt5::PluginManager::ptr()->pluginHandles(CorvadQt5::Plugin::Type(TEST_PLUGIN_TYPE));
#endif
    return CorvadQt5::Plugin::Type(TEST_PLUGIN_TYPE);
}
#endif

#ifndef TEST_PLUGIN_NO_INSTANCE
extern "C" Q_DECL_EXPORT CorvadQt5::Plugin *corvadQt5PluginInstance()
{
#ifdef TEST_PLUGIN_NULL_FIRST
    if (instanceCalls++ == 0)
        return nullptr;
#else
    ++instanceCalls;
#endif
    return new TestPlugin;
}
#endif
