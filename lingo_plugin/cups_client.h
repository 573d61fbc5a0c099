// The CUPS server asked in its own protocol (IPP over HTTP) on the address that CUPS's tools use:
// CUPS_SERVER (a socket path or host[:port]), else the local socket, else localhost:631.
#pragma once

#include "plugin_services.h"

#include <memory>
#include <string>
#include <vector>

namespace lingo {

struct CupsQueue {
    std::string name;
    std::string makeAndModel;
    std::string deviceUri;
    std::string printerUri;
};

bool listQueues(std::vector<CupsQueue>& queues); // false when the server cannot be asked

// A raw job to the queue: the bytes reach the printer as they are. Null when the server cannot be reached;
// finish() is false when the server refuses the job.
std::unique_ptr<RawJob> openRawJob(const std::string& queue);

} // namespace lingo
