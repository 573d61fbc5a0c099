// TFLingo.x32 as the host meets it: loaded from its file, its classes and interfaces asked for by id.
#include "test_host.h"
#include "tests/support/environment_guard.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <unistd.h>

namespace lingo::test {
namespace {

const char* const kExpectedHandlerText =
    "xtra TFLingo\n"
    "new object me\n"
    "-- Template handlers --\n"
    "+ GetWinVersion object xtraRef -- returns OS name, major.minor version, build number\n"
    "+ GetLocale object xtraRef -- returns user's locale setting\n"
    "+ GetPrimaryLang object xtraRef -- returns user's primary language\n"
    "+ GetSubLang object xtraRef -- returns user's sublanguage\n"
    "+ FileExists object xtraRef, string FileName -- returns 1 if files exists, 0 if not\n"
    "+ OpenFile object xtraRef, string FileName -- opens a file or application. See ShellExecute in WinSDK "
    "for error values\n"
    "+ PrintFile object xtraRef, string FileName -- prints a file. See ShellExecute in WinSDK for error "
    "values\n"
    "+ ShellExecute object xtraRef, string Mode, string FileName, string CommandLine, string "
    "DefaultDirectory, integer WindowStyle -- call ShellExecute. See ShellExecute in WinSDK for error "
    "values\n"
    "+ FindExecutable object xtraRef, string FileName -- returns path of application associated with "
    "FileName. See FindExecutable for error values\n"
    "+ WinExec object xtraRef, string FileName -- launch application. See WinExec in WinSDK for error "
    "values\n"
    "+ ExitWindows object xtraRef -- exits Windows\n"
    "+ GetDriverPort object xtraRef, string DriverName -- returns name of port which DriverName is attached "
    "to, or empty string\n"
    "+ DriverInstalled object xtraRef, string DriverName -- returns \"true\" if DriverName is installed, or "
    "error string if not.\n"
    "+ Download object xtraRef, string DriverName, string File -- downloads File to printer using driver "
    "DriverName\n"
    "+ GetWinDirectory object xtraRef -- returns Windows directory, or \"Error\"\n"
    "+ MessageBox object xtraRef, string Message, string Title, integer Type -- displays message box and "
    "returns which button was clicked.\n"
    "+ GetPrivateProfileString object xtraRef, string Section, string Key, string Default, string Filename "
    "-- returns value of an .ini file key.\n"
    "+ GetRegKey object xtraRef, string KeyName -- returns value of key in HKEY_CLASSES_ROOT or error code.\n"
    "-- error values for Download: --\n"
    "-- 0: no error --\n"
    "-- 1: bad parameter --\n"
    "-- 2: not enough memory --\n"
    "-- 3: couldn't get printer info --\n"
    "-- 4: driver not found --\n"
    "-- 5: failed to open file --\n"
    "-- 6: failed to open port --\n";

class LoadedPlugin : public ::testing::Test {
protected:
    static void SetUpTestSuite() { exports = loadPluginFile(LINGO_PLUGIN_FILE); }

    void SetUp() override {
        ASSERT_TRUE(exports.getClassForm && exports.getClassInfo && exports.getInterface &&
                    exports.getClassObject && exports.canUnloadNow)
            << LINGO_PLUGIN_FILE << " does not load with its five exports";
    }

    static PluginExports exports;
    TestHost host{exports};
};

PluginExports LoadedPlugin::exports{};

constexpr LkId kUnknownClass = {0x12345678u, 0x1234u, 0x5678u, {1, 2, 3, 4, 5, 6, 7, 8}};

const LkFirstMethods* firstMethods(LkInterfaceObject* object) {
    return static_cast<const LkFirstMethods*>(object->methods);
}

TEST_F(LoadedPlugin, ClassFormsGiveTheInstanceSizes) {
    for (const auto& [id, size] : {std::pair{kRegistrationClass, 24u}, std::pair{kScriptClass, 28u}}) {
        uint32_t instanceSize = 0;
        LkCreateFunction create = nullptr;
        LkDestroyFunction destroy = nullptr;
        EXPECT_EQ(exports.getClassForm(&id, &instanceSize, &create, &destroy), LK_OK);
        EXPECT_EQ(instanceSize, size);
        EXPECT_NE(create, nullptr);
        EXPECT_NE(destroy, nullptr);
    }
}

TEST_F(LoadedPlugin, UnknownClassesAndClassObjectsAreRefused) {
    uint32_t size = 0;
    LkCreateFunction create = nullptr;
    LkDestroyFunction destroy = nullptr;
    EXPECT_EQ(exports.getClassForm(&kUnknownClass, &size, &create, &destroy), LK_E_NO_CLASS);
    EXPECT_EQ(exports.getClassForm(&kScriptingInterface, &size, &create, &destroy), LK_E_NO_CLASS);
    for (const LkId& id : {kRegistrationClass, kScriptClass, kUnknownClass}) {
        void* object = nullptr;
        EXPECT_EQ(exports.getClassObject(&id, &kScriptingInterface, &object), LK_E_NO_CLASS);
    }
}

TEST_F(LoadedPlugin, ClassInfoListsFiveRecordsAndTheTerminator) {
    LkClassInfo* list = nullptr;
    ASSERT_EQ(exports.getClassInfo(host.allocator(), &list), LK_OK);
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(host.liveBlocks(), 1u);
    const struct {
        LkId classId;
        LkId interfaceId;
    } expected[] = {{kRegistrationClass, kClassHeaderInterface},
                    {kRegistrationClass, kRegistrationInterface},
                    {kScriptClass, kClassHeaderInterface},
                    {kScriptClass, kFirstInterface},
                    {kScriptClass, kScriptingInterface}};
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_TRUE(list[i].classId == expected[i].classId) << i;
        EXPECT_EQ(list[i].classVersion, 1u) << i;
        EXPECT_TRUE(list[i].interfaceId == expected[i].interfaceId) << i;
        EXPECT_EQ(list[i].interfaceVersion, 1u) << i;
    }
    const LkId zero{};
    EXPECT_TRUE(list[5].classId == zero);
    EXPECT_TRUE(list[5].interfaceId == zero);
    host.free(list);
}

TEST_F(LoadedPlugin, ClassInfoWithoutMemoryGivesNoList) {
    host.refuseAllocationsFrom(1);
    LkClassInfo* list = reinterpret_cast<LkClassInfo*>(&host);
    EXPECT_EQ(exports.getClassInfo(host.allocator(), &list), LK_E_OUT_OF_MEMORY);
    EXPECT_EQ(list, nullptr);
}

TEST_F(LoadedPlugin, AClassAnswersOnlyForItsOwnInterfaces) {
    LkInstance* registration = nullptr;
    ASSERT_EQ(host.createInstance(kRegistrationClass, registration), LK_OK);
    void* object = nullptr;
    EXPECT_EQ(exports.getInterface(registration, &kRegistrationClass, &kScriptingInterface, &object),
              LK_E_NO_INTERFACE);
    EXPECT_EQ(exports.getInterface(registration, &kRegistrationClass, &kUnknownClass, &object),
              LK_E_NO_INTERFACE);
    EXPECT_EQ(exports.canUnloadNow(), LK_OK);
    EXPECT_EQ(host.references(registration), 1u);
    host.release(registration);
}

TEST_F(LoadedPlugin, UnloadingWaitsForEveryInterfaceObject) {
    EXPECT_EQ(exports.canUnloadNow(), LK_OK);
    LkInterfaceObject* scripting = host.createScript();
    ASSERT_NE(scripting, nullptr);
    EXPECT_EQ(exports.canUnloadNow(), LK_E_OBJECTS_ALIVE);
    host.releaseScript(scripting);
    EXPECT_EQ(exports.canUnloadNow(), LK_OK);
}

TEST_F(LoadedPlugin, InterfaceObjectsCountReferencesOnTheirOwner) {
    LkInstance* instance = nullptr;
    ASSERT_EQ(host.createInstance(kScriptClass, instance), LK_OK);
    EXPECT_EQ(host.utilityReferences, 1u);
    void* object = nullptr;
    ASSERT_EQ(exports.getInterface(instance, &kScriptClass, &kFirstInterface, &object), LK_OK);
    auto* first = static_cast<LkInterfaceObject*>(object);
    EXPECT_EQ(first->owner, instance);
    EXPECT_EQ(first->count, 1u);
    EXPECT_EQ(host.references(instance), 3u);
    EXPECT_EQ(firstMethods(first)->Method(first, &host), LK_OK);

    EXPECT_EQ(firstMethods(first)->AddRef(first), 2u);
    EXPECT_EQ(host.references(instance), 4u);
    EXPECT_EQ(firstMethods(first)->Release(first), 1u);
    EXPECT_EQ(host.references(instance), 3u);

    // Asking an interface object for another interface asks its owner.
    void* scripting = nullptr;
    ASSERT_EQ(firstMethods(first)->QueryInterface(first, &kScriptingInterface, &scripting), LK_OK);
    EXPECT_EQ(static_cast<LkInterfaceObject*>(scripting)->owner, instance);
    host.releaseScript(static_cast<LkInterfaceObject*>(scripting));

    host.release(instance);
    EXPECT_EQ(host.liveInstances(), 1u);
    EXPECT_EQ(firstMethods(first)->Release(first), 0u);
    EXPECT_EQ(host.liveInstances(), 0u);
    EXPECT_EQ(host.liveBlocks(), 0u);
    EXPECT_FALSE(host.badFree());
    EXPECT_EQ(host.utilityReferences, 0u);
}

TEST_F(LoadedPlugin, AnInterfaceObjectWithoutMemoryLeavesNothingBehind) {
    LkInstance* instance = nullptr;
    ASSERT_EQ(host.createInstance(kScriptClass, instance), LK_OK);
    host.refuseAllocationsFrom(host.allocations() + 1);
    void* object = &host;
    EXPECT_EQ(exports.getInterface(instance, &kScriptClass, &kScriptingInterface, &object),
              LK_E_OUT_OF_MEMORY);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(host.references(instance), 1u);
    EXPECT_EQ(exports.canUnloadNow(), LK_OK);
    host.release(instance);
}

TEST_F(LoadedPlugin, AScriptInstanceNeedsTheHostsUtilityInterface) {
    LkInstance* instance = nullptr;
    host.giveCallback = false;
    EXPECT_EQ(host.createInstance(kScriptClass, instance), LK_E_NO_INTERFACE);
    host.giveCallback = true;
    host.giveUtility = false;
    EXPECT_EQ(host.createInstance(kScriptClass, instance), LK_E_NO_INTERFACE);
    EXPECT_EQ(host.liveInstances(), 0u);
}

TEST_F(LoadedPlugin, RegistrationDeclaresTheHandlersUnderMsgTable) {
    ASSERT_EQ(host.registerPlugin(), LK_OK);
    ASSERT_EQ(host.puts.size(), 1u);
    const DictionaryPut& put = host.puts.front();
    EXPECT_TRUE(put.classId == kScriptClass);
    EXPECT_TRUE(put.interfaceId == kScriptingInterface);
    EXPECT_EQ(put.key, "msgTable");
    EXPECT_EQ(put.type, 9);
    EXPECT_EQ(put.size, 0u);
    EXPECT_EQ(put.text.size(), 2141u);
    EXPECT_EQ(put.text, kExpectedHandlerText);
    EXPECT_EQ(exports.canUnloadNow(), LK_OK);
    EXPECT_EQ(host.liveBlocks(), 0u);
}

TEST_F(LoadedPlugin, ARefusedRegistryEntryIsReportedUnchanged) {
    host.registryAnswer = static_cast<LkResult>(0x80040777u);
    EXPECT_EQ(host.registerPlugin(), static_cast<LkResult>(0x80040777u));
    EXPECT_TRUE(host.puts.empty());
}

TEST_F(LoadedPlugin, ScriptsReachTheLinuxServices) {
    char settings[] = "/tmp/lingo-settings-XXXXXX";
    const int fd = mkstemp(settings);
    ASSERT_GE(fd, 0);
    const std::string rows = "[Components]\nCVTab.ctlTab\\CLSID={0D5F0A41-1C3B-4F40-9C1E-6A2B7C3D4E5F}\n";
    ASSERT_EQ(write(fd, rows.data(), rows.size()), static_cast<ssize_t>(rows.size()));
    close(fd);
    EnvironmentGuard environment;
    environment.set("LARKSPAN_SETTINGS", settings);
    environment.set("LC_ALL", "es_MX.UTF-8");

    LkInterfaceObject* script = host.createScript();
    ASSERT_NE(script, nullptr);
    const ScriptResult version = host.call(script, 1, {});
    EXPECT_EQ(version.kind, ScriptResult::Kind::Text);
    EXPECT_EQ(version.text, "Unknown OS");
    EXPECT_EQ(host.call(script, 15, {}).text, "/etc");
    EXPECT_EQ(host.call(script, 2, {}).integer, 0x080A);
    EXPECT_EQ(host.call(script, 18, {std::string("cvtab.ctltab\\clsid")}).text,
              "{0D5F0A41-1C3B-4F40-9C1E-6A2B7C3D4E5F}");
    EXPECT_EQ(host.call(script, 18, {std::string("CVTab.ctlTab\\ProgID")}).text, "error: 2");
    EXPECT_EQ(host.call(script, 5, {std::string()}).text, "error: -2147221503");
    EXPECT_EQ(host.call(script, 0, {}).kind, ScriptResult::Kind::None);
    EXPECT_EQ(host.call(script, 19, {}).kind, ScriptResult::Kind::None);
    host.releaseScript(script);
    EXPECT_EQ(exports.canUnloadNow(), LK_OK);
    unlink(settings);
}

} // namespace
} // namespace lingo::test
