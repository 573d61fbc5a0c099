#pragma once

#include "database.h"

#include <QString>
#include <memory>
#include <vector>

namespace rt {

namespace detail {
class Connection;
}

// The engine's workspace: the databases opened in it and the transaction over all of them.
class Workspace {
public:
    // Shared or exclusive, read-write or read-only; never creates a file (3024). An exclusive opener
    // holds the file's lock until it closes, so every other opener gets 3051.
    Database openDatabase(const QString& path, bool exclusive = false, bool readOnly = false);

    // One transaction on each open database; on a database with attached links it covers their files
    // too and commits atomically.
    void beginTrans();
    void commitTrans(); // 3034 without a transaction
    void rollback();
    void close(); // closes every database opened in it

private:
    friend class DBEngine;
    std::vector<std::shared_ptr<detail::Connection>> live();
    void endTrans(void (detail::Connection::*end)());
    std::vector<std::weak_ptr<detail::Connection>> open_;
    int depth_ = 0;
};

class DBEngine {
public:
    static DBEngine& instance();
    Workspace& workspace(int index = 0); // 3265 for any but the default workspace
    // Lets the engine finish pending work: frees what the databases keep cached.
    void idle();

private:
    Workspace default_;
};

} // namespace rt
