#pragma once

#include <QList>
#include <QString>

struct FormatEntry {
    qint16 number = 0;
    QString text;
    bool operator==(const FormatEntry&) const = default;
};

// The format table of "LKFormat.dat": entry n (from 1) is line n of the file.
extern QList<FormatEntry> FormatTable;

// Fills FormatTable from the file beside the program. A missing file or a number out of range ends the
// read silently, keeping the entries read so far.
void LoadFormatTable();
