#pragma once

#include <QtGlobal>

// The Monday on or before the day `d` (days from the zero date).
qint32 WeekStart(qint32 d);
