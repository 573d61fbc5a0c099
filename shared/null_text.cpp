#include "null_text.h"

QString textOrEmpty(const rt::Value& v) {
    return v.isNull() ? QString() : v.toString();
}
