// The message box as a desktop dialog (zenity), answered with the platform's button numbers:
// 1 OK, 2 Cancel, 3 Abort, 4 Retry, 5 Ignore, 6 Yes, 7 No, 10 Try Again, 11 Continue; 0 when no dialog shows.
#pragma once

#include <cstdint>
#include <string>

namespace lingo {

// type: buttons in the low four bits, the icon in the next four, as the scripts pass them.
int32_t showMessageDialog(void* parent, const std::string& text, const std::string& title, int32_t type);

} // namespace lingo
