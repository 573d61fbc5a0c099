// The text that declares the script handlers to the host, one line per handler in selector order.
#pragma once

namespace lingo {

extern const char* const kHandlerText;

} // namespace lingo
