#include "test_host.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

namespace lingo::test {
namespace {

TestHost* hostOf(LkAllocator* object) {
    return reinterpret_cast<HostAllocator*>(object)->host;
}
TestHost* hostOf(LkCallback* object) {
    return reinterpret_cast<HostCallback*>(object)->host;
}
TestHost* hostOf(LkUtility* object) {
    return reinterpret_cast<HostUtility*>(object)->host;
}
TestHost* hostOf(LkRegistry* object) {
    return reinterpret_cast<HostRegistry*>(object)->host;
}

TestHost* hostOfInstance(LkInstance* instance) {
    return reinterpret_cast<TestHost*>(instance->hostUse16[0]);
}

// Counting for the host's own objects: they live as long as the host, only the utility's count matters.
template <class Object> LkResult noInterface(Object*, const LkId*, void** object) {
    *object = nullptr;
    return LK_E_NO_INTERFACE;
}
template <class Object> uint32_t fixedCount(Object*) {
    return 1;
}

const LkAllocatorMethods kAllocatorMethods = {
    noInterface<LkAllocator>, fixedCount<LkAllocator>, fixedCount<LkAllocator>,
    [](LkAllocator* self, uint32_t size) { return hostOf(self)->allocate(size); },
    [](LkAllocator* self, void* block) { hostOf(self)->free(block); }};

const LkCallbackMethods kCallbackMethods = {[](LkCallback* self, const LkId* id, void** object) -> LkResult {
                                                TestHost* host = hostOf(self);
                                                *object = nullptr;
                                                if (!(*id == kUtilityInterface) || !host->giveUtility)
                                                    return LK_E_NO_INTERFACE;
                                                ++host->utilityReferences;
                                                *object = &host->utilityObject.object;
                                                return LK_OK;
                                            },
                                            fixedCount<LkCallback>, fixedCount<LkCallback>};

LkUtilityMethods utilityMethods() {
    LkUtilityMethods methods{};
    methods.QueryInterface = noInterface<LkUtility>;
    methods.AddRef = [](LkUtility* self) { return ++hostOf(self)->utilityReferences; };
    methods.Release = [](LkUtility* self) { return --hostOf(self)->utilityReferences; };
    methods.ValueToInteger = [](LkUtility* self, const LkValue* value, int32_t* out) {
        return hostOf(self)->valueToInteger(value, out);
    };
    methods.ValueToText = [](LkUtility* self, const LkValue* value, char* buffer, uint32_t size) {
        return hostOf(self)->valueToText(value, buffer, size);
    };
    methods.IntegerToValue = [](LkUtility*, int32_t integer, LkValue* out) {
        *out = TestHost::integerValue(integer);
        return LK_OK;
    };
    methods.TextToValue = [](LkUtility* self, const char* text, LkValue* out) {
        *out = hostOf(self)->textValue(text);
        return LK_OK;
    };
    methods.ParentWindow = [](LkUtility* self) { return hostOf(self)->parentWindow; };
    methods.PrepareModal = [](LkUtility* self) {
        ++hostOf(self)->prepared;
        return reinterpret_cast<void*>(0x5AFE);
    };
    methods.RestoreModal = [](LkUtility* self, void* state) {
        hostOf(self)->restoredStates.push_back(state);
    };
    return methods;
}
const LkUtilityMethods kUtilityMethods = utilityMethods();

LkDictionaryMethods dictionaryMethods() {
    LkDictionaryMethods methods{};
    methods.QueryInterface = noInterface<LkDictionary>;
    methods.AddRef = fixedCount<LkDictionary>;
    methods.Release = fixedCount<LkDictionary>;
    methods.Put = [](LkDictionary* self, const char* key, int32_t type, const void* data, uint32_t size) {
        auto* dictionary = reinterpret_cast<HostDictionary*>(self);
        dictionary->host->puts.push_back(
            {dictionary->classId, dictionary->interfaceId, key, type, size, static_cast<const char*>(data)});
        return LK_OK;
    };
    return methods;
}
const LkDictionaryMethods kDictionaryMethods = dictionaryMethods();

LkRegistryMethods registryMethods() {
    LkRegistryMethods methods{};
    methods.QueryInterface = noInterface<LkRegistry>;
    methods.AddRef = fixedCount<LkRegistry>;
    methods.Release = fixedCount<LkRegistry>;
    methods.NewEntry = [](LkRegistry* self, LkDictionary* dictionary, const LkId* classId,
                          const LkId* interfaceId, LkDictionary** entry) {
        TestHost* host = hostOf(self);
        *entry = nullptr;
        if (dictionary != &host->dictionaryObject.object) return LK_E_ARGUMENT_MISSING;
        if (host->registryAnswer != LK_OK) return host->registryAnswer;
        host->entryObject.classId = *classId;
        host->entryObject.interfaceId = *interfaceId;
        *entry = &host->entryObject.object;
        return LK_OK;
    };
    return methods;
}
const LkRegistryMethods kRegistryMethods = registryMethods();

// An array of values that ends where readable memory ends, so that reading past it stops the test.
class GuardedValues {
public:
    explicit GuardedValues(size_t count) {
        const size_t page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
        const size_t bytes = count * sizeof(LkValue);
        size_ = (bytes + page - 1) / page * page + page;
        base_ = static_cast<char*>(
            mmap(nullptr, size_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
        mprotect(base_ + size_ - page, page, PROT_NONE);
        values = reinterpret_cast<LkValue*>(base_ + size_ - page - bytes);
    }
    ~GuardedValues() { munmap(base_, size_); }
    GuardedValues(const GuardedValues&) = delete;
    GuardedValues& operator=(const GuardedValues&) = delete;
    LkValue* values;

private:
    char* base_;
    size_t size_;
};

const LkInstanceMethods kInstanceMethods = {
    [](LkInstance* self, const LkId* id, void** object) {
        return hostOfInstance(self)->queryInstance(self, id, object);
    },
    [](LkInstance* self) { return hostOfInstance(self)->addRef(self); },
    [](LkInstance* self) { return hostOfInstance(self)->releaseRef(self); }};

} // namespace

PluginExports loadPluginFile(const char* path) {
    PluginExports exports{};
    void* library = dlopen(path, RTLD_NOW | RTLD_LOCAL);
    if (!library) return exports;
    exports.getClassForm =
        reinterpret_cast<decltype(exports.getClassForm)>(dlsym(library, "DllGetClassForm"));
    exports.getClassInfo =
        reinterpret_cast<decltype(exports.getClassInfo)>(dlsym(library, "DllGetClassInfo"));
    exports.getInterface =
        reinterpret_cast<decltype(exports.getInterface)>(dlsym(library, "DllGetInterface"));
    exports.getClassObject =
        reinterpret_cast<decltype(exports.getClassObject)>(dlsym(library, "DllGetClassObject"));
    exports.canUnloadNow =
        reinterpret_cast<decltype(exports.canUnloadNow)>(dlsym(library, "DllCanUnloadNow"));
    return exports;
}

bool operator==(const LkId& a, const LkId& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TestHost::TestHost(const PluginExports& plugin)
    : callbackObject{{&kCallbackMethods}, this}, utilityObject{{&kUtilityMethods}, this},
      registryObject{{&kRegistryMethods}, this}, dictionaryObject{{&kDictionaryMethods}, this, {}, {}},
      entryObject{{&kDictionaryMethods}, this, {}, {}},
      plugin_(plugin), allocator_{{&kAllocatorMethods}, this} {}

TestHost::~TestHost() {
    for (auto& block : blocks_) std::free(block.first);
}

void* TestHost::allocate(uint32_t size) {
    ++allocations_;
    if (refuseFrom_ >= 0 && allocations_ >= refuseFrom_) return nullptr;
    void* block = std::malloc(size ? size : 1);
    blocks_[block] = size;
    return block;
}

void TestHost::free(void* block) {
    const auto found = blocks_.find(block);
    if (found == blocks_.end()) {
        badFree_ = true;
        return;
    }
    // A plug-in that reads a block after freeing it finds nothing it could use.
    std::memset(block, 0xDD, found->second);
    std::free(block);
    blocks_.erase(found);
}

LkResult TestHost::createInstance(const LkId& classId, LkInstance*& instance) {
    instance = nullptr;
    uint32_t size = 0;
    LkCreateFunction create = nullptr;
    LkDestroyFunction destroy = nullptr;
    if (const LkResult result = plugin_.getClassForm(&classId, &size, &create, &destroy)) return result;
    auto* memory = static_cast<LkInstance*>(std::calloc(1, size));
    memory->methods = &kInstanceMethods;
    memory->hostUse4 = 1;
    memory->callback = giveCallback ? &callbackObject.object : nullptr;
    memory->allocator = allocator();
    memory->hostUse16[0] = reinterpret_cast<uint32_t>(this);
    if (const LkResult result = create(memory)) {
        std::free(memory);
        return result;
    }
    instances_[memory] = {classId, destroy};
    instance = memory;
    return LK_OK;
}

void TestHost::release(LkInstance* instance) {
    releaseRef(instance);
}

LkResult TestHost::queryInstance(LkInstance* instance, const LkId* interfaceId, void** object) {
    return plugin_.getInterface(instance, &instances_.at(instance).classId, interfaceId, object);
}

uint32_t TestHost::addRef(LkInstance* instance) {
    return ++instance->hostUse4;
}

uint32_t TestHost::releaseRef(LkInstance* instance) {
    const uint32_t count = --instance->hostUse4;
    if (count == 0) {
        instances_.at(instance).destroy(instance);
        instances_.erase(instance);
        std::free(instance);
    }
    return count;
}

LkInterfaceObject* TestHost::createScript() {
    LkInstance* instance = nullptr;
    if (createInstance(kScriptClass, instance) != LK_OK) return nullptr;
    void* scripting = nullptr;
    const LkResult result = instance->methods->QueryInterface(instance, &kScriptingInterface, &scripting);
    release(instance); // the interface object now keeps the instance
    return result == LK_OK ? static_cast<LkInterfaceObject*>(scripting) : nullptr;
}

void TestHost::releaseScript(LkInterfaceObject* scripting) {
    static_cast<const LkScriptingMethods*>(scripting->methods)->Release(scripting);
}

ScriptResult TestHost::call(LkInterfaceObject* scripting, int32_t selector,
                            const std::vector<HostArgument>& arguments) {
    return callWithCount(scripting, selector, arguments, static_cast<int32_t>(arguments.size()) + 1);
}

ScriptResult TestHost::callWithCount(LkInterfaceObject* scripting, int32_t selector,
                                     const std::vector<HostArgument>& arguments, int32_t argCount) {
    GuardedValues guarded(static_cast<size_t>(argCount));
    LkValue* values = guarded.values;
    if (argCount > 0) values[0] = {{kVoid, 0}};
    for (int32_t i = 1; i < argCount; ++i) {
        const HostArgument& argument = arguments.at(static_cast<size_t>(i - 1));
        if (const auto* number = std::get_if<int32_t>(&argument))
            values[i] = integerValue(*number);
        else if (const auto* text = std::get_if<std::string>(&argument))
            values[i] = textValue(*text);
        else
            values[i] = {{kVoid, 0}};
    }
    LkCallRecord record{};
    record.selector = selector;
    record.result = {{kVoid, 0}};
    record.argCount = argCount;
    record.args = argCount ? values : nullptr;
    const LkResult returned =
        static_cast<const LkScriptingMethods*>(scripting->methods)->Call(scripting, &record);
    ScriptResult result = read(record.result);
    if (returned != LK_OK) result.text = "Call returned " + std::to_string(returned);
    return result;
}

LkResult TestHost::registerPlugin() {
    LkInstance* instance = nullptr;
    if (const LkResult result = createInstance(kRegistrationClass, instance)) return result;
    void* object = nullptr;
    LkResult result = plugin_.getInterface(instance, &kRegistrationClass, &kRegistrationInterface, &object);
    if (result == LK_OK) {
        auto* registration = static_cast<LkInterfaceObject*>(object);
        const auto* methods = static_cast<const LkRegistrationMethods*>(registration->methods);
        result = methods->Register(registration, &registryObject.object, &dictionaryObject.object);
        methods->Release(registration);
    }
    release(instance);
    return result;
}

LkResult TestHost::valueToInteger(const LkValue* value, int32_t* out) const {
    if (value->word[0] == kInteger) {
        *out = static_cast<int32_t>(value->word[1]);
        return LK_OK;
    }
    if (value->word[0] == kText) {
        const std::string& text = texts_.at(value->word[1]);
        char* end = nullptr;
        const long number = std::strtol(text.c_str(), &end, 10);
        if (!text.empty() && *end == '\0') {
            *out = static_cast<int32_t>(number);
            return LK_OK;
        }
    }
    return LK_E_ARGUMENT_MISSING;
}

LkResult TestHost::valueToText(const LkValue* value, char* buffer, uint32_t size) const {
    std::string text;
    if (value->word[0] == kText)
        text = texts_.at(value->word[1]);
    else if (value->word[0] == kInteger)
        text = std::to_string(static_cast<int32_t>(value->word[1]));
    else
        return LK_E_ARGUMENT_MISSING;
    if (size == 0) return LK_E_ARGUMENT_MISSING;
    const size_t copied = std::min<size_t>(text.size(), size - 1);
    std::memcpy(buffer, text.data(), copied);
    buffer[copied] = '\0';
    return LK_OK;
}

LkValue TestHost::textValue(const std::string& text) {
    texts_.push_back(text);
    return {{kText, static_cast<uint32_t>(texts_.size() - 1)}};
}

LkValue TestHost::integerValue(int32_t value) {
    return {{kInteger, static_cast<uint32_t>(value)}};
}

ScriptResult TestHost::read(const LkValue& value) const {
    ScriptResult result;
    if (value.word[0] == kInteger) {
        result.kind = ScriptResult::Kind::Integer;
        result.integer = static_cast<int32_t>(value.word[1]);
    } else if (value.word[0] == kText) {
        result.kind = ScriptResult::Kind::Text;
        result.text = texts_.at(value.word[1]);
    }
    return result;
}

} // namespace lingo::test
