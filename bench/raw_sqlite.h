#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <sqlite3.h>
#include <utility>

// Raw SQLite for the baselines, every call checked: a failure (a typo in a statement, a table that is not
// there, a file that does not open) ends the program with SQLite's message, so that a baseline never
// times work it did not do and no ratio comes out silently wrong.
namespace raw {

// Ends the program when `rc` is an error; `what` names the call or its statement.
inline void check(sqlite3* db, int rc, const char* what) {
    if (rc == SQLITE_OK || rc == SQLITE_ROW || rc == SQLITE_DONE) return;
    std::fprintf(stderr, "raw SQLite baseline failed: %s: %s (%s)\n", what, sqlite3_errstr(rc),
                 db ? sqlite3_errmsg(db) : "no connection");
    std::exit(EXIT_FAILURE);
}

inline void check(sqlite3_stmt* s, int rc) {
    check(sqlite3_db_handle(s), rc, sqlite3_sql(s));
}

// An existing database file, opened for reading and writing (never made anew).
inline sqlite3* open(const QString& path) {
    sqlite3* db = nullptr;
    const QByteArray name = QFile::encodeName(path);
    check(db, sqlite3_open_v2(name.constData(), &db, SQLITE_OPEN_READWRITE, nullptr), name.constData());
    return db;
}

inline void close(sqlite3* db) {
    check(db, sqlite3_close(db), "close");
}

inline void exec(sqlite3* db, const char* sql) {
    check(db, sqlite3_exec(db, sql, nullptr, nullptr, nullptr), sql);
}

// `flags` as sqlite3_prepare_v3's (SQLITE_PREPARE_PERSISTENT for a statement that is used again and again).
inline sqlite3_stmt* prepare(sqlite3* db, const char* sql, unsigned flags = 0) {
    sqlite3_stmt* s = nullptr;
    check(db, sqlite3_prepare_v3(db, sql, -1, flags, &s, nullptr), sql);
    if (!s) check(db, SQLITE_MISUSE, sql); // an empty statement
    return s;
}

// True on a row, false when the statement is done.
inline bool step(sqlite3_stmt* s) {
    const int rc = sqlite3_step(s);
    check(s, rc);
    return rc == SQLITE_ROW;
}

inline void reset(sqlite3_stmt* s) {
    check(s, sqlite3_reset(s));
}

inline void finalize(sqlite3_stmt* s) {
    sqlite3* db = sqlite3_db_handle(s);
    check(db, sqlite3_finalize(s), "finalize");
}

// One of SQLite's bind calls, checked: raw::bind(sqlite3_bind_int, s, 1, 42).
template <class... P, class... A>
void bind(int (*call)(sqlite3_stmt*, int, P...), sqlite3_stmt* s, int i, A&&... a) {
    check(s, call(s, i, std::forward<A>(a)...));
}

} // namespace raw
