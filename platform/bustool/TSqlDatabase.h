// A thin layer over SQLite's C interface for the simulated bus tool's project database: one
// connection, prepared statements and transactions, each owned by an object that cleans up.
// Every SQLite error becomes an EProjectDatabase with SQLite's own message, so the callers
// above decide what a failure answers; nothing here swallows one.
#pragma once

#include "platform/log/Log.h"
#include "platform/vcl/Exception.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// A failure of the project database: not a project, a busy or broken file, a refused write.
class EProjectDatabase : public Exception {
    using Exception::Exception;
};

class TSqlDatabase {
public:
    // Opens an existing file for reading and writing (create = false) or makes a new one.
    // The connection waits up to busyTimeoutMs for another connection's write lock.
    TSqlDatabase(const std::filesystem::path &file, bool create, int busyTimeoutMs);
    ~TSqlDatabase();
    TSqlDatabase(const TSqlDatabase &) = delete;
    TSqlDatabase &operator=(const TSqlDatabase &) = delete;

    // Runs statements without results (several, separated by ';').
    void Execute(std::string_view sql);
    // The first column of the first row of a one-value query (PRAGMA, COUNT).
    int64_t QueryInt(std::string_view sql);
    // The id of the row just inserted. Ids are the 32-bit fields of the bus tool's records:
    // one beyond them throws, so that the transaction of the insert is rolled back.
    int64_t LastInsertId() const;
    int Changes() const;
    // True while a transaction is open on this connection.
    bool InTransaction() const;
    // Replaces the whole content of target by this database's (SQLite's backup): target's
    // other connections see the new content with their next statement. Throws when target
    // is busy beyond its busy time-out.
    void CopyTo(TSqlDatabase &target);
    // count bytes from offset of a blob (or text) value, read in place: a large value is not
    // loaded whole for a few bytes. size is the value's whole size in bytes. None when the row
    // is not there; a read beyond the value throws.
    std::optional<std::vector<unsigned char>> ReadBlob(const char *table, const char *column,
                                                       int64_t row, size_t offset, size_t count,
                                                       size_t &size);
    sqlite3 *Handle() const {
        LOG_FKT_DETAIL("TSqlDatabase::Handle");
        return FDb;
    }

private:
    friend class TSqlStatement;
    // A statement of this connection kept prepared for the next use of the same text (taken
    // out while in use, so that two at once each have their own).
    sqlite3_stmt *TakeCached(std::string_view sql);
    void PutCached(std::string_view sql, sqlite3_stmt *stmt);

    sqlite3 *FDb = nullptr;
    std::map<std::string, sqlite3_stmt *, std::less<>> FCache;
};

// One prepared statement. Bind parameters are numbered from 1, result columns from 0.
class TSqlStatement {
public:
    enum TKeep { Once, Cached };
    // Cached: for a statement run again and again (each bus call); prepared once per
    // connection, reset and unbound after each use.
    TSqlStatement(TSqlDatabase &db, std::string_view sql, TKeep keep = Once);
    ~TSqlStatement();
    TSqlStatement(const TSqlStatement &) = delete;
    TSqlStatement &operator=(const TSqlStatement &) = delete;

    TSqlStatement &Bind(int index, int64_t value);
    TSqlStatement &Bind(int index, const std::string &text);
    TSqlStatement &Bind(int index, const char *text) {
        LOG_FKT_DETAIL("TSqlStatement::Bind");
        return Bind(index, std::string(text));
    }
    TSqlStatement &BindBlob(int index, const void *data, size_t size);
    TSqlStatement &BindNull(int index);
    // One step: true while a row is there, false when done.
    bool Step();
    // Runs a statement that answers no row.
    void Run();
    // Starts again with the same bindings.
    void Reset();

    int64_t Int(int column) const;
    // A value of a 32-bit record field; one outside that range throws EProjectDatabase.
    int32_t Int32(int column) const;
    // An id: 1 .. 2^31 - 1, the range of the records' id fields; else EProjectDatabase.
    int32_t Id(int column) const;
    bool IsNull(int column) const;
    std::string Text(int column) const;
    std::vector<unsigned char> Blob(int column) const;

private:
    std::string ColumnName(int column) const;

    TSqlDatabase &FDb;
    sqlite3_stmt *FStmt = nullptr;
    std::string FCachedSql; // empty: finalized at the end
};

// One transaction for the lifetime of the object: committed by Commit, rolled back when the
// object goes without it (also when an exception passes). A write transaction takes the write
// lock at once, so that two connections never deadlock on upgrading a read. Made while another
// transaction is open on the connection, it is a savepoint inside that one: a caller can run
// several operations as one (each keeps its own rollback), and the outer one commits them.
class TSqlTransaction {
public:
    enum TKind { Read, Write };
    TSqlTransaction(TSqlDatabase &db, TKind kind);
    ~TSqlTransaction();
    TSqlTransaction(const TSqlTransaction &) = delete;
    TSqlTransaction &operator=(const TSqlTransaction &) = delete;
    void Commit();

private:
    TSqlDatabase &FDb;
    bool FNested = false;
    bool FOpen = true;
};
