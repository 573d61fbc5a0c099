// Reading one HTTP reply from a socket.
#pragma once

#include <optional>
#include <string>

namespace lingo {

// The body of a "200" reply (by length, in chunks, or to the end of the connection); interim "1xx"
// replies are passed over. Nullopt for any other status, or when the reply breaks off.
std::optional<std::string> readHttpResponse(int fd);

} // namespace lingo
