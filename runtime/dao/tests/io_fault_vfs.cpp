#include "io_fault_vfs.h"

#include <cstring>
#include <sqlite3.h>

namespace {

IoFaultVfs::Fail failing = IoFaultVfs::Fail::Nothing;
sqlite3_vfs* real = nullptr;
sqlite3_vfs vfs;

struct FaultFile {
    sqlite3_file base;
    sqlite3_file* inner;
};

sqlite3_file* inner(sqlite3_file* f) {
    return reinterpret_cast<FaultFile*>(f)->inner;
}

int xClose(sqlite3_file* f) {
    return inner(f)->pMethods->xClose(inner(f));
}
int xRead(sqlite3_file* f, void* b, int n, sqlite3_int64 o) {
    if (failing == IoFaultVfs::Fail::Reads) return SQLITE_IOERR_READ;
    return inner(f)->pMethods->xRead(inner(f), b, n, o);
}
int xWrite(sqlite3_file* f, const void* b, int n, sqlite3_int64 o) {
    if (failing == IoFaultVfs::Fail::Writes) return SQLITE_IOERR_WRITE;
    if (failing == IoFaultVfs::Fail::DiskFull) return SQLITE_FULL;
    return inner(f)->pMethods->xWrite(inner(f), b, n, o);
}
int xTruncate(sqlite3_file* f, sqlite3_int64 s) {
    return inner(f)->pMethods->xTruncate(inner(f), s);
}
int xSync(sqlite3_file* f, int flags) {
    return inner(f)->pMethods->xSync(inner(f), flags);
}
int xFileSize(sqlite3_file* f, sqlite3_int64* s) {
    return inner(f)->pMethods->xFileSize(inner(f), s);
}
int xLock(sqlite3_file* f, int l) {
    return inner(f)->pMethods->xLock(inner(f), l);
}
int xUnlock(sqlite3_file* f, int l) {
    return inner(f)->pMethods->xUnlock(inner(f), l);
}
int xCheckReservedLock(sqlite3_file* f, int* r) {
    return inner(f)->pMethods->xCheckReservedLock(inner(f), r);
}
int xFileControl(sqlite3_file* f, int op, void* a) {
    return inner(f)->pMethods->xFileControl(inner(f), op, a);
}
int xSectorSize(sqlite3_file* f) {
    return inner(f)->pMethods->xSectorSize(inner(f));
}
int xDeviceCharacteristics(sqlite3_file* f) {
    return inner(f)->pMethods->xDeviceCharacteristics(inner(f));
}

const sqlite3_io_methods methods = {1,
                                    xClose,
                                    xRead,
                                    xWrite,
                                    xTruncate,
                                    xSync,
                                    xFileSize,
                                    xLock,
                                    xUnlock,
                                    xCheckReservedLock,
                                    xFileControl,
                                    xSectorSize,
                                    xDeviceCharacteristics,
                                    nullptr,
                                    nullptr,
                                    nullptr,
                                    nullptr,
                                    nullptr,
                                    nullptr};

int xOpen(sqlite3_vfs*, const char* name, sqlite3_file* f, int flags, int* outFlags) {
    auto* file = reinterpret_cast<FaultFile*>(f);
    file->inner = reinterpret_cast<sqlite3_file*>(file + 1);
    const int rc = real->xOpen(real, name, file->inner, flags, outFlags);
    file->base.pMethods = file->inner->pMethods ? &methods : nullptr;
    return rc;
}

} // namespace

IoFaultVfs::IoFaultVfs() {
    real = sqlite3_vfs_find(nullptr);
    vfs = *real;
    vfs.iVersion = 1;
    vfs.zName = "lk_io_fault";
    vfs.szOsFile = int(sizeof(FaultFile)) + real->szOsFile;
    vfs.xOpen = xOpen;
    sqlite3_vfs_register(&vfs, 1);
}

IoFaultVfs::~IoFaultVfs() {
    failing = Fail::Nothing;
    sqlite3_vfs_unregister(&vfs);
}

void IoFaultVfs::fail(Fail what) {
    failing = what;
}
