#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The local-objectives exchange file: fields in Windows-1252, each ended by the byte 0xFF; 0xFE alone
// marks an empty field. The header is "bwIF", the course, the database version and the row count; then
// a TreeID and an objective per row.

// One row of the file: a lesson and its local objective (empty text when it has none).
struct ExchangeRow {
    qint32 TreeID = 0;
    QString Objective;
    bool operator==(const ExchangeRow&) const = default;
};

// What a read found: the rows when the whole file passed every check, else the number of the string
// that says what failed (1027 magic, 1024 course, 1025 version, 1049 count or pairing, 1051 TreeID).
struct ExchangeContents {
    int failure = 0;
    QString badTreeID; // the TreeID field as read, for 1051
    QList<ExchangeRow> rows;
};

// The whole file checked against the open course before anything is taken from it.
ExchangeContents readExchangeFile(const QByteArray& bytes, const QString& uci, const QString& dbVersion);

// The file's first four fields, and one row. Characters Windows-1252 lacks are written "?"; the two
// field markers "þ" and "ÿ" are left out, so that the file always reads back as it was written.
QByteArray exchangeHeader(const QString& uci, const QString& dbVersion, qint32 count);
QByteArray exchangeRow(const ExchangeRow& row);
QByteArray writeExchangeFile(const QString& uci, const QString& dbVersion, const QList<ExchangeRow>& rows);

// The field that starts at `pos`, which moves past its 0xFF. 0xFE drops what was gathered before it;
// a field that the end of the bytes cuts short is empty text.
QString ReadField(const QByteArray& bytes, qsizetype& pos);
// The rows that the 0xFF bytes imply: (N - 4) / 2 for an even count N, 0 for an odd one.
qint32 CountRecordsInFile(const QByteArray& bytes);
bool IsExchangeMagic(const QString& text);
// The text, trimmed, against the course identifier in upper case.
bool IsSameCourse(const QString& text, const QString& uci);
// The text, trimmed, against the database's version as read.
bool IsSameDBVersion(const QString& text, const QString& dbVersion);
// Empty, or decimal digits with blanks around that fit in 32 bits.
bool IsNumericOrEmpty(const QString& text);
