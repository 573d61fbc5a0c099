// The plug-in's five exports over its fixed table of two classes and three interfaces.
#include "host_model.h"
#include "interface_objects.h"
#include "script_class.h"

#include <cstring>

namespace {

using FormFunction = LkResult (*)(LkInstance*, void**);

struct InterfaceRow {
    LkId id;
    uint32_t version;
    FormFunction form;
};

struct ClassRow {
    LkId id;
    uint32_t version;
    uint32_t instanceSize;
    LkCreateFunction create;
    LkDestroyFunction destroy;
    const InterfaceRow* interfaces;
    int interfaceCount;
};

LkResult registrationCreate(LkInstance*) {
    return LK_OK;
}
void registrationDestroy(LkInstance*) {}

const InterfaceRow kRegistrationInterfaces[] = {{LK_ID_REGISTRATION_INTERFACE, 1, lingo::RegistrarCreate}};
const InterfaceRow kScriptInterfaces[] = {{LK_ID_FIRST_INTERFACE, 1, lingo::ScriptAuxCreate},
                                          {LK_ID_SCRIPTING_INTERFACE, 1, lingo::ScriptCallCreate}};
const ClassRow kClasses[] = {
    {LK_ID_REGISTRATION_CLASS, 1, sizeof(LkInstance), registrationCreate, registrationDestroy,
     kRegistrationInterfaces, 1},
    {LK_ID_SCRIPT_CLASS, 1, sizeof(LkScriptInstance), lingo::ScriptCreate, lingo::ScriptDestroy,
     kScriptInterfaces, 2},
};

// Ids compare as four 32-bit words.
bool sameId(const LkId& a, const LkId& b) {
    uint32_t wordsA[4];
    uint32_t wordsB[4];
    std::memcpy(wordsA, &a, sizeof wordsA);
    std::memcpy(wordsB, &b, sizeof wordsB);
    return wordsA[0] == wordsB[0] && wordsA[1] == wordsB[1] && wordsA[2] == wordsB[2] &&
           wordsA[3] == wordsB[3];
}

// Visits each class that classId names (all when null), then its interfaces; a non-zero visit ends the walk.
template <class Visit> LkResult walk(const LkId* classId, Visit visit) {
    for (const ClassRow& row : kClasses) {
        if (classId && !sameId(*classId, row.id)) continue;
        if (const LkResult result = visit(row, nullptr)) return result;
        for (int i = 0; i < row.interfaceCount; ++i)
            if (const LkResult result = visit(row, &row.interfaces[i])) return result;
    }
    return LK_OK;
}

constexpr LkResult kFound = 1;

} // namespace

extern "C" LkResult DllGetClassForm(const LkId* classId, uint32_t* instanceSize, LkCreateFunction* create,
                                    LkDestroyFunction* destroy) {
    const LkResult result = walk(classId, [&](const ClassRow& row, const InterfaceRow* interface) {
        if (interface) return LK_OK;
        if (instanceSize) *instanceSize = row.instanceSize;
        if (create) *create = row.create;
        if (destroy) *destroy = row.destroy;
        return kFound;
    });
    return result == kFound ? LK_OK : LK_E_NO_CLASS;
}

extern "C" LkResult DllGetClassInfo(LkAllocator* allocator, LkClassInfo** list) {
    if (!list) return LK_E_ARGUMENT_MISSING;
    *list = nullptr;
    if (!allocator) return LK_E_ARGUMENT_MISSING;
    uint32_t count = 0;
    walk(nullptr, [&](const ClassRow&, const InterfaceRow*) {
        ++count;
        return LK_OK;
    });
    auto* records =
        static_cast<LkClassInfo*>(allocator->methods->Allocate(allocator, (count + 1) * sizeof(LkClassInfo)));
    if (!records) return LK_E_OUT_OF_MEMORY;
    LkClassInfo* next = records;
    walk(nullptr, [&](const ClassRow& row, const InterfaceRow* interface) {
        static const LkId classHeader = LK_ID_CLASS_HEADER_INTERFACE;
        *next++ = {row.id, row.version, interface ? interface->id : classHeader,
                   interface ? interface->version : 1};
        return LK_OK;
    });
    std::memset(next, 0, sizeof *next);
    *list = records;
    return LK_OK;
}

extern "C" LkResult DllGetInterface(LkInstance* instance, const LkId* classId, const LkId* interfaceId,
                                    void** object) {
    if (!instance || !object) return LK_E_ARGUMENT_MISSING;
    const InterfaceRow* found = nullptr;
    if (interfaceId)
        walk(classId, [&](const ClassRow&, const InterfaceRow* interface) {
            if (!interface || !sameId(interface->id, *interfaceId)) return LK_OK;
            found = interface;
            return kFound;
        });
    if (!found) return LK_E_NO_INTERFACE;
    return found->form(instance, object);
}

extern "C" LkResult DllGetClassObject(const LkId*, const LkId*, void**) {
    return LK_E_NO_CLASS;
}

extern "C" LkResult DllCanUnloadNow() {
    return lingo::liveObjects() == 0 ? LK_OK : LK_E_OBJECTS_ALIVE;
}
