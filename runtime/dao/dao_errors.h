#pragma once

// The engine's error numbers, as the programs branch on them. Conditions without a number of their own
// come as EngineError with SQLite's message.
namespace rt::dao_error {
constexpr int EngineError = 3000;
constexpr int DatabaseLocked = 3006;      // locked by another opener while in use
constexpr int ObjectExists = 3012;        // a table definition of that name exists
constexpr int UpdateWithoutEdit = 3020;   // Update without AddNew or Edit
constexpr int NoCurrentRecord = 3021;     // at BOF or EOF
constexpr int FileNotFound = 3024;        // the database or a linked file is not there
constexpr int ReadOnly = 3027;            // the database or the recordset cannot be written
constexpr int NoTransaction = 3034;       // commit or rollback without a transaction
constexpr int DiskError = 3043;           // disk or I/O failure, disk full
constexpr int NotADatabase = 3049;        // not a database, or corrupt
constexpr int FileInUse = 3051;           // locked by another opener at open
constexpr int TooFewParameters = 3061;    // a parameter of the query was not set
constexpr int CannotExecuteSelect = 3065; // execute of a query that returns rows
constexpr int TableNotFound = 3078;       // input table or query not found
constexpr int BadBookmark = 3159;
constexpr int FieldNotUpdatable = 3164;
constexpr int RecordDeleted = 3167;
constexpr int BadConnect = 3170;  // a link's connect string names no database
constexpr int FieldExists = 3191; // field defined twice
constexpr int InvalidOperation = 3219;
constexpr int NotInCollection = 3265; // unknown query, table definition, field or parameter
constexpr int ObjectClosed = 3420;    // the database or recordset was closed
} // namespace rt::dao_error
