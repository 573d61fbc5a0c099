#pragma once

#include <QtGlobal>
#include <optional>

namespace rt {

// Today's date as a day number; tests may fix it.
qint32 today();
void setToday(std::optional<qint32> day);

} // namespace rt
