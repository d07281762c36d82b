// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
// One source for the test plugins; the build chooses what each exports:
//   TEST_PLUGIN_TYPE        the type it reports
//   TEST_PLUGIN_NO_TYPE     no corvadQt5PluginType
//   TEST_PLUGIN_NO_INSTANCE no corvadQt5PluginInstance
//   TEST_PLUGIN_NULL_FIRST  the first instance call answers null
#include <corvad-common-qt5/plugin.h>

#include <dlfcn.h>

namespace {

int typeCalls = 0;
int instanceCalls = 0;

// Tells the test program, if it listens, that an object of this plugin was destroyed.
class TestPlugin : public CorvadQt5::Plugin
{
public:
    ~TestPlugin() override
    {
        using Recorder = void (*)(void *);
        if (auto record =
                reinterpret_cast<Recorder>(dlsym(RTLD_DEFAULT, "corvadTestPluginDestroyed")))
            record(reinterpret_cast<void *>(&instanceCalls));
    }
};

} // namespace

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
