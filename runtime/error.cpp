#include "error.h"

#include <map>

namespace rt {

QString standardDescription(int number) {
    static const std::map<int, const char*> texts = {
        {5, "Invalid procedure call or argument"},
        {6, "Overflow"},
        {9, "Subscript out of range"},
        {13, "Type mismatch"},
        {52, "Bad file name or number"},
        {53, "File not found"},
        {55, "File already open"},
        {62, "Input past end of file"},
        {75, "Path/File access error"},
        {91, "Object variable or With block variable not set"},
        {94, "Invalid use of Null"},
        {326, "Resource with this identifier not found"},
        {380, "Invalid property value"},
        {429, "ActiveX component can't create object"},
        {438, "Object doesn't support this property or method"},
    };
    auto it = texts.find(number);
    return it == texts.end() ? QString() : QString::fromLatin1(it->second);
}

RuntimeError::RuntimeError(int number, QString description, QString source)
    : number(number), description(std::move(description)), source(std::move(source)),
      what_(QStringLiteral("error %1: %2").arg(number).arg(this->description).toUtf8()) {}

RuntimeError::RuntimeError(int number) : RuntimeError(number, standardDescription(number)) {}

} // namespace rt
