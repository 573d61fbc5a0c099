#pragma once

#include "runtime/value/value.h"

#include <QString>

// A field's text where Null stands for nothing: the empty text for Null, else the value as text.
QString textOrEmpty(const rt::Value& v);
