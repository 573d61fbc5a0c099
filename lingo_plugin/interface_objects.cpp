#include "interface_objects.h"

#include "registration.h"
#include "script_class.h"

namespace lingo {
namespace {

uint32_t gLiveObjects = 0;

LkResult forwardQueryInterface(LkInterfaceObject* self, const LkId* interfaceId, void** object) {
    LkInstance* owner = self->owner;
    return owner->methods->QueryInterface(owner, interfaceId, object);
}

uint32_t addReference(LkInterfaceObject* self) {
    self->owner->methods->AddRef(self->owner);
    return ++self->count;
}

uint32_t releaseReference(LkInterfaceObject* self) {
    // The owner is read first: the last release frees the object before the owner is released.
    LkInstance* owner = self->owner;
    const uint32_t count = --self->count;
    if (count == 0) {
        owner->allocator->methods->Free(owner->allocator, self);
        --gLiveObjects;
        owner->methods->Release(owner);
    }
    owner->methods->Release(owner);
    return count;
}

LkResult firstMethod(LkInterfaceObject*, void*) {
    return LK_OK;
}

const LkRegistrationMethods kRegistrationMethods = {forwardQueryInterface, addReference, releaseReference,
                                                    Register};
const LkFirstMethods kFirstMethods = {forwardQueryInterface, addReference, releaseReference, firstMethod};
const LkScriptingMethods kScriptingMethods = {forwardQueryInterface, addReference, releaseReference, Call};

LkResult createObject(LkInstance* owner, const void* methods, void** object) {
    auto* created = static_cast<LkInterfaceObject*>(
        owner->allocator->methods->Allocate(owner->allocator, sizeof(LkInterfaceObject)));
    if (!created) {
        *object = nullptr;
        return LK_E_OUT_OF_MEMORY;
    }
    created->methods = methods;
    created->owner = owner;
    created->count = 1;
    owner->methods->AddRef(owner);
    owner->methods->AddRef(owner);
    ++gLiveObjects;
    *object = created;
    return LK_OK;
}

} // namespace

LkResult RegistrarCreate(LkInstance* owner, void** object) {
    return createObject(owner, &kRegistrationMethods, object);
}

LkResult ScriptAuxCreate(LkInstance* owner, void** object) {
    return createObject(owner, &kFirstMethods, object);
}

LkResult ScriptCallCreate(LkInstance* owner, void** object) {
    return createObject(owner, &kScriptingMethods, object);
}

uint32_t liveObjects() {
    return gLiveObjects;
}

} // namespace lingo
