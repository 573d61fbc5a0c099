/* The multimedia host's plug-in object model, as far as TFLingo and its test host use it.
 *
 * The host is a 32-bit program: every pointer below is 4 bytes and both sides call with cdecl.
 * Host objects are a pointer to a method table whose first three slots count references; the
 * slots a side never calls are kept as padding so that each method sits at its fixed position.
 * The layouts are checked at compile time at the end of this file. */
#ifndef LINGO_HOST_MODEL_H
#define LINGO_HOST_MODEL_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef int32_t LkResult;
#define LK_OK ((LkResult)0)
#define LK_E_ARGUMENT_MISSING ((LkResult)0x80040001u)
#define LK_E_OUT_OF_MEMORY ((LkResult)0x80040002u)
#define LK_E_OBJECTS_ALIVE ((LkResult)0x80040003u)
#define LK_E_NO_INTERFACE ((LkResult)0x80040004u)
#define LK_E_NO_CLASS ((LkResult)0x80040005u)

/* A 16-byte class or interface id; the initialisers below spell the registry form. */
typedef struct LkId {
    uint32_t data1;
    uint16_t data2;
    uint16_t data3;
    uint8_t data4[8];
} LkId;

/* {682FB581-7DC9-11D0-A10D-00A0C904AB6B} */
#define LK_ID_REGISTRATION_CLASS                                                                             \
    {                                                                                                        \
        0x682FB581u, 0x7DC9u, 0x11D0u, {                                                                     \
            0xA1, 0x0D, 0x00, 0xA0, 0xC9, 0x04, 0xAB, 0x6B                                                   \
        }                                                                                                    \
    }
/* {AC3E7803-0002-8FE5-0000-080007160DC3} */
#define LK_ID_REGISTRATION_INTERFACE                                                                         \
    {                                                                                                        \
        0xAC3E7803u, 0x0002u, 0x8FE5u, {                                                                     \
            0x00, 0x00, 0x08, 0x00, 0x07, 0x16, 0x0D, 0xC3                                                   \
        }                                                                                                    \
    }
/* {ED8344E0-7DB5-11D0-A10D-00A0C904AB6B} */
#define LK_ID_SCRIPT_CLASS                                                                                   \
    {                                                                                                        \
        0xED8344E0u, 0x7DB5u, 0x11D0u, {                                                                     \
            0xA1, 0x0D, 0x00, 0xA0, 0xC9, 0x04, 0xAB, 0x6B                                                   \
        }                                                                                                    \
    }
/* {AC416431-000D-7D16-0000-080007160DC3} */
#define LK_ID_FIRST_INTERFACE                                                                                \
    {                                                                                                        \
        0xAC416431u, 0x000Du, 0x7D16u, {                                                                     \
            0x00, 0x00, 0x08, 0x00, 0x07, 0x16, 0x0D, 0xC3                                                   \
        }                                                                                                    \
    }
/* {AC401FB6-0001-F9B0-0000-0800072C6326} */
#define LK_ID_SCRIPTING_INTERFACE                                                                            \
    {                                                                                                        \
        0xAC401FB6u, 0x0001u, 0xF9B0u, {                                                                     \
            0x00, 0x00, 0x08, 0x00, 0x07, 0x2C, 0x63, 0x26                                                   \
        }                                                                                                    \
    }
/* {AC96CF89-0045-5879-0000-0040105023FB} */
#define LK_ID_UTILITY_INTERFACE                                                                              \
    {                                                                                                        \
        0xAC96CF89u, 0x0045u, 0x5879u, {                                                                     \
            0x00, 0x00, 0x00, 0x40, 0x10, 0x50, 0x23, 0xFB                                                   \
        }                                                                                                    \
    }
/* {00000001-0000-0000-C000-000000000046}: heads each class's class-info records */
#define LK_ID_CLASS_HEADER_INTERFACE                                                                         \
    {                                                                                                        \
        0x00000001u, 0x0000u, 0x0000u, {                                                                     \
            0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46                                                   \
        }                                                                                                    \
    }

/* The host's 8-byte value; only the host's utility methods look inside. */
typedef struct LkValue {
    uint32_t word[2];
} LkValue;

#define LK_COUNTING_METHODS(Self)                                                                            \
    LkResult (*QueryInterface)(Self * self, const LkId* interfaceId, void** object);                         \
    uint32_t (*AddRef)(Self * self);                                                                         \
    uint32_t (*Release)(Self * self);

typedef struct LkAllocator LkAllocator;
typedef struct LkCallback LkCallback;
typedef struct LkUtility LkUtility;
typedef struct LkRegistry LkRegistry;
typedef struct LkDictionary LkDictionary;
typedef struct LkInstance LkInstance;
typedef struct LkInterfaceObject LkInterfaceObject;
typedef struct LkCallRecord LkCallRecord;

typedef struct LkAllocatorMethods {
    LK_COUNTING_METHODS(LkAllocator)
    void* (*Allocate)(LkAllocator* self, uint32_t size); /* 3: null when refused */
    void (*Free)(LkAllocator* self, void* block);        /* 4 */
} LkAllocatorMethods;
struct LkAllocator {
    const LkAllocatorMethods* methods;
};

/* The host's callback interface: asked through QueryInterface for the utility interface. */
typedef struct LkCallbackMethods {
    LK_COUNTING_METHODS(LkCallback)
} LkCallbackMethods;
struct LkCallback {
    const LkCallbackMethods* methods;
};

typedef struct LkUtilityMethods {
    LK_COUNTING_METHODS(LkUtility)
    void* unused3[10];
    LkResult (*ValueToInteger)(LkUtility* self, const LkValue* value, int32_t* out); /* 13 */
    void* unused14[3];
    /* 17: copies at most size - 1 bytes and a terminating zero; a caller that needs the whole text
     * asks again with a larger buffer while the text fills the buffer. */
    LkResult (*ValueToText)(LkUtility* self, const LkValue* value, char* buffer, uint32_t size);
    void* unused18[4];
    LkResult (*IntegerToValue)(LkUtility* self, int32_t integer, LkValue* out); /* 22 */
    void* unused23[2];
    LkResult (*TextToValue)(LkUtility* self, const char* text, LkValue* out); /* 25 */
    void* unused26[16];
    void* (*ParentWindow)(LkUtility* self); /* 42: the window that dialogs and the shell hang on */
    void* unused43[3];
    void* (*PrepareModal)(LkUtility* self);             /* 46: returns the state to restore */
    void (*RestoreModal)(LkUtility* self, void* state); /* 47 */
} LkUtilityMethods;
struct LkUtility {
    const LkUtilityMethods* methods;
};

/* The entry dictionary that NewEntry hands out stays owned by the registry. */
typedef struct LkRegistryMethods {
    LK_COUNTING_METHODS(LkRegistry)
    void* unused3[4];
    LkResult (*NewEntry)(LkRegistry* self, LkDictionary* dictionary, const LkId* classId,
                         const LkId* interfaceId, LkDictionary** entry); /* 7 */
} LkRegistryMethods;
struct LkRegistry {
    const LkRegistryMethods* methods;
};

#define LK_DICTIONARY_TEXT 9 /* type of a zero-terminated text; its size is given as 0 */
typedef struct LkDictionaryMethods {
    LK_COUNTING_METHODS(LkDictionary)
    void* unused3[3];
    LkResult (*Put)(LkDictionary* self, const char* key, int32_t type, const void* data,
                    uint32_t size); /* 6 */
} LkDictionaryMethods;
struct LkDictionary {
    const LkDictionaryMethods* methods;
};

/* An instance as the host allocates it: the host fills the 24-byte header. */
typedef struct LkInstanceMethods {
    LK_COUNTING_METHODS(LkInstance)
} LkInstanceMethods;
struct LkInstance {
    const LkInstanceMethods* methods; /* 0 */
    uint32_t hostUse4;                /* 4 */
    LkCallback* callback;             /* 8 */
    LkAllocator* allocator;           /* 12 */
    uint32_t hostUse16[2];            /* 16, 20 */
};
typedef struct LkScriptInstance {
    LkInstance header;
    LkUtility* utility; /* 24 */
} LkScriptInstance;

/* The plug-in's 12-byte interface objects; every method table starts with the counting methods. */
struct LkInterfaceObject {
    const void* methods; /* one of the three tables below */
    LkInstance* owner;
    uint32_t count;
};
typedef struct LkRegistrationMethods {
    LK_COUNTING_METHODS(LkInterfaceObject)
    LkResult (*Register)(LkInterfaceObject* self, LkRegistry* registry, LkDictionary* dictionary);
} LkRegistrationMethods;
typedef struct LkFirstMethods {
    LK_COUNTING_METHODS(LkInterfaceObject)
    LkResult (*Method)(LkInterfaceObject* self, void* pointer); /* does nothing */
} LkFirstMethods;
typedef struct LkScriptingMethods {
    LK_COUNTING_METHODS(LkInterfaceObject)
    LkResult (*Call)(LkInterfaceObject* self, LkCallRecord* record);
} LkScriptingMethods;

typedef struct LkClassInfo {
    LkId classId;
    uint32_t classVersion;
    LkId interfaceId;
    uint32_t interfaceVersion;
} LkClassInfo;

struct LkCallRecord {
    uint32_t hostUse0[2]; /* 0, 4 */
    int32_t selector;     /* 8 */
    LkValue result;       /* 12 */
    int32_t argCount;     /* 20: values in args, "me" at index 0 included */
    LkValue* args;        /* 24 */
};

typedef LkResult (*LkCreateFunction)(LkInstance* instance);
typedef void (*LkDestroyFunction)(LkInstance* instance);

/* The plug-in's exports. */
#define LK_EXPORT __attribute__((visibility("default")))
LK_EXPORT LkResult DllGetClassForm(const LkId* classId, uint32_t* instanceSize, LkCreateFunction* create,
                                   LkDestroyFunction* destroy);
LK_EXPORT LkResult DllGetClassInfo(LkAllocator* allocator, LkClassInfo** list);
LK_EXPORT LkResult DllGetInterface(LkInstance* instance, const LkId* classId, const LkId* interfaceId,
                                   void** object);
LK_EXPORT LkResult DllGetClassObject(const LkId* classId, const LkId* interfaceId, void** object);
LK_EXPORT LkResult DllCanUnloadNow(void);

#ifdef __cplusplus
#define LK_CHECK(condition) static_assert(condition, #condition)
#else
#define LK_CHECK(condition) _Static_assert(condition, #condition)
#endif
#define LK_SLOT(type, member, n) LK_CHECK(offsetof(type, member) == (n)*4)

LK_CHECK(sizeof(void*) == 4);
LK_CHECK(sizeof(LkId) == 16);
LK_CHECK(sizeof(LkValue) == 8);
LK_SLOT(LkAllocatorMethods, Allocate, 3);
LK_SLOT(LkAllocatorMethods, Free, 4);
LK_SLOT(LkUtilityMethods, ValueToInteger, 13);
LK_SLOT(LkUtilityMethods, ValueToText, 17);
LK_SLOT(LkUtilityMethods, IntegerToValue, 22);
LK_SLOT(LkUtilityMethods, TextToValue, 25);
LK_SLOT(LkUtilityMethods, ParentWindow, 42);
LK_SLOT(LkUtilityMethods, PrepareModal, 46);
LK_SLOT(LkUtilityMethods, RestoreModal, 47);
LK_SLOT(LkRegistryMethods, NewEntry, 7);
LK_SLOT(LkDictionaryMethods, Put, 6);
LK_SLOT(LkRegistrationMethods, Register, 3);
LK_SLOT(LkScriptingMethods, Call, 3);
LK_CHECK(offsetof(LkInstance, callback) == 8);
LK_CHECK(offsetof(LkInstance, allocator) == 12);
LK_CHECK(sizeof(LkInstance) == 24);
LK_CHECK(offsetof(LkScriptInstance, utility) == 24);
LK_CHECK(sizeof(LkScriptInstance) == 28);
LK_CHECK(sizeof(LkInterfaceObject) == 12);
LK_CHECK(sizeof(LkClassInfo) == 40);
LK_CHECK(offsetof(LkCallRecord, selector) == 8);
LK_CHECK(offsetof(LkCallRecord, result) == 12);
LK_CHECK(offsetof(LkCallRecord, argCount) == 20);
LK_CHECK(offsetof(LkCallRecord, args) == 24);

#ifdef __cplusplus
}
#endif

#endif
