// The multimedia host's side of the plug-in model, played by the tests: it allocates instances, gives the
// callback, allocator, registry, dictionary and utility interfaces at their method positions, and converts
// values the way the utility interface does.
#pragma once

#include "host_model.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace lingo::test {

// The plug-in's five exports, from the loaded TFLingo.x32 or from the code linked into a test.
struct PluginExports {
    decltype(&DllGetClassForm) getClassForm;
    decltype(&DllGetClassInfo) getClassInfo;
    decltype(&DllGetInterface) getInterface;
    decltype(&DllGetClassObject) getClassObject;
    decltype(&DllCanUnloadNow) canUnloadNow;
};

// The exports of a built TFLingo.x32, which stays loaded for the rest of the run; null members when the file
// cannot be loaded.
PluginExports loadPluginFile(const char* path);

inline constexpr LkId kRegistrationClass = LK_ID_REGISTRATION_CLASS;
inline constexpr LkId kRegistrationInterface = LK_ID_REGISTRATION_INTERFACE;
inline constexpr LkId kScriptClass = LK_ID_SCRIPT_CLASS;
inline constexpr LkId kFirstInterface = LK_ID_FIRST_INTERFACE;
inline constexpr LkId kScriptingInterface = LK_ID_SCRIPTING_INTERFACE;
inline constexpr LkId kUtilityInterface = LK_ID_UTILITY_INTERFACE;
inline constexpr LkId kClassHeaderInterface = LK_ID_CLASS_HEADER_INTERFACE;

bool operator==(const LkId& a, const LkId& b);

struct NoValue {};
using HostArgument = std::variant<NoValue, int32_t, std::string>;

struct ScriptResult {
    enum class Kind { None, Integer, Text } kind = Kind::None;
    int32_t integer = 0;
    std::string text;
};

struct DictionaryPut {
    LkId classId;
    LkId interfaceId;
    std::string key;
    int32_t type;
    uint32_t size;
    std::string text;
};

// The host's own objects; each starts with its method table, as the plug-in expects.
struct HostAllocator {
    LkAllocator object;
    class TestHost* host;
};
struct HostCallback {
    LkCallback object;
    class TestHost* host;
};
struct HostUtility {
    LkUtility object;
    class TestHost* host;
};
struct HostRegistry {
    LkRegistry object;
    class TestHost* host;
};
struct HostDictionary {
    LkDictionary object;
    class TestHost* host;
    LkId classId;
    LkId interfaceId;
};

class TestHost {
public:
    explicit TestHost(const PluginExports& plugin);
    ~TestHost();
    TestHost(const TestHost&) = delete;
    TestHost& operator=(const TestHost&) = delete;

    const PluginExports& plugin() const { return plugin_; }

    // Instances: allocated by the class form, header filled, created; the host holds one reference.
    LkResult createInstance(const LkId& classId, LkInstance*& instance);
    void release(LkInstance* instance);
    uint32_t references(const LkInstance* instance) const { return instance->hostUse4; }
    size_t liveInstances() const { return instances_.size(); }

    // A script instance with its scripting interface, and calls through it.
    LkInterfaceObject* createScript();
    void releaseScript(LkInterfaceObject* scripting);
    ScriptResult call(LkInterfaceObject* scripting, int32_t selector,
                      const std::vector<HostArgument>& arguments);
    // As call(), with only the first argCount values of the array visible to the plug-in.
    ScriptResult callWithCount(LkInterfaceObject* scripting, int32_t selector,
                               const std::vector<HostArgument>& arguments, int32_t argCount);

    LkResult registerPlugin(); // the registration class's Register, as the host runs it once

    // The allocator: counts blocks, poisons what is freed, can refuse from the n-th allocation on.
    LkAllocator* allocator() { return &allocator_.object; }
    size_t liveBlocks() const { return blocks_.size(); }
    void refuseAllocationsFrom(int n) { refuseFrom_ = n; }
    int allocations() const { return allocations_; }
    bool badFree() const { return badFree_; }

    bool giveCallback = true;
    bool giveUtility = true;
    LkResult registryAnswer = LK_OK;
    std::vector<DictionaryPut> puts;
    uint32_t utilityReferences = 0;
    void* parentWindow = reinterpret_cast<void*>(0x00C0FFEE);
    int prepared = 0;
    std::vector<void*> restoredStates;

    // Used by the host's method tables.
    void* allocate(uint32_t size);
    void free(void* block);
    LkResult queryInstance(LkInstance* instance, const LkId* interfaceId, void** object);
    uint32_t addRef(LkInstance* instance);
    uint32_t releaseRef(LkInstance* instance);
    LkResult valueToInteger(const LkValue* value, int32_t* out) const;
    LkResult valueToText(const LkValue* value, char* buffer, uint32_t size) const;
    LkValue textValue(const std::string& text);
    static LkValue integerValue(int32_t value);
    ScriptResult read(const LkValue& value) const;

    HostCallback callbackObject;
    HostUtility utilityObject;
    HostRegistry registryObject;
    HostDictionary dictionaryObject;
    HostDictionary entryObject;

private:
    struct InstanceRecord {
        LkId classId;
        LkDestroyFunction destroy;
    };

    PluginExports plugin_;
    HostAllocator allocator_;
    std::map<void*, uint32_t> blocks_;
    std::map<LkInstance*, InstanceRecord> instances_;
    std::vector<std::string> texts_;
    int refuseFrom_ = -1;
    int allocations_ = 0;
    bool badFree_ = false;
};

enum ValueKind : uint32_t { kVoid = 0, kInteger = 1, kText = 2 };

} // namespace lingo::test
