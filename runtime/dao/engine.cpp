#include "engine.h"

#include "dao_errors.h"
#include "detail/connection.h"
#include "runtime/error.h"

#include <exception>

namespace rt {

using namespace dao_error;

std::vector<std::shared_ptr<detail::Connection>> Workspace::live() {
    std::vector<std::shared_ptr<detail::Connection>> connections;
    std::erase_if(open_, [&](const std::weak_ptr<detail::Connection>& w) {
        auto c = w.lock();
        if (!c || !c->isOpen()) return true;
        connections.push_back(std::move(c));
        return false;
    });
    return connections;
}

Database Workspace::openDatabase(const QString& path, bool exclusive, bool readOnly) {
    auto connection = std::make_shared<detail::Connection>(path, exclusive, readOnly);
    open_.push_back(connection);
    return Database(std::move(connection));
}

void Workspace::beginTrans() {
    const auto connections = live();
    size_t begun = 0;
    try {
        for (; begun < connections.size(); ++begun) connections[begun]->begin();
    } catch (...) {
        for (size_t i = 0; i < begun; ++i) connections[i]->rollback();
        throw;
    }
    ++depth_;
}

void Workspace::commitTrans() {
    endTrans(&detail::Connection::commit);
}

void Workspace::rollback() {
    endTrans(&detail::Connection::rollback);
}

void Workspace::endTrans(void (detail::Connection::*end)()) {
    if (depth_ == 0)
        throw RuntimeError(NoTransaction, QStringLiteral("Commit or rollback without a transaction."));
    --depth_;
    // Every connection ends its part even when another one fails; the first failure goes on.
    std::exception_ptr failure;
    for (const auto& c : live()) {
        if (c->transactionDepth() == 0) continue;
        try {
            (*c.*end)();
        } catch (...) {
            if (!failure) failure = std::current_exception();
        }
    }
    if (failure) std::rethrow_exception(failure);
}

void Workspace::close() {
    for (const auto& c : live()) c->close();
    open_.clear();
    depth_ = 0;
}

DBEngine& DBEngine::instance() {
    static DBEngine engine;
    return engine;
}

Workspace& DBEngine::workspace(int index) {
    if (index != 0)
        throw RuntimeError(NotInCollection,
                           QStringLiteral("Item %1 not found in this collection.").arg(index));
    return default_;
}

void DBEngine::idle() {
    for (const auto& c : default_.live()) c->releaseMemory();
}

} // namespace rt
