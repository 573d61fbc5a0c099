#pragma once

#include <QString>

namespace rt {

// The program's string table, loaded once from the built-in resources: the table both programs share
// (resources/strings.tsv), with the entries of a program's own "program_strings.tsv" in its place.
class StringTable {
public:
    // The text of string `number`; error 326 when the table has no such number.
    static QString get(int number);
    static bool contains(int number);
};

} // namespace rt
