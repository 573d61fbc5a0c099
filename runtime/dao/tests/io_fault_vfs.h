#pragma once

// A SQLite file system over the real one that fails reads or writes (or finds the disk full) on request,
// installed as the default while it lives: the real disk-error path, without a failing disk.
class IoFaultVfs {
public:
    enum class Fail { Nothing, Reads, Writes, DiskFull };
    IoFaultVfs();
    ~IoFaultVfs();
    void fail(Fail what);
};
