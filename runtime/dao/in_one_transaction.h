#pragma once

#include "engine.h"

namespace rt {

// Runs `work` in one transaction of the default workspace: all of its writes are stored, or, when it
// throws, none of them, and the error goes on to the caller. Transactions nest as savepoints, so work
// that runs inside another one joins it.
template <class Work> void inOneTransaction(Work work) {
    Workspace& ws = DBEngine::instance().workspace();
    ws.beginTrans();
    try {
        work();
    } catch (...) {
        ws.rollback();
        throw;
    }
    ws.commitTrans();
}

} // namespace rt
