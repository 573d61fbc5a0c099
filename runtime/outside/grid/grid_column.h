#pragma once

#include "runtime/value/value.h"

#include <QString>
#include <functional>

namespace rt {

// One column of a bound grid, shown from a field of the data control's rows.
struct GridColumn {
    QString field;      // DataField, without regard to case
    int widthTwips = 0; // 0 keeps the view's width
    bool visible = true;
    bool editable = false; // only editable columns are ever written
    // FormatText: the shown text of a value; without one a value shows as text and Null as nothing.
    std::function<QString(const Value&)> format;
};

} // namespace rt
