#include "platform/bustool/TSqlDatabase.h"

#include "platform/log/Log.h"

#include <limits>
#include <sqlite3.h>
#include <string>

namespace {
[[noreturn]] void Fail(sqlite3 *db, const std::string &what) {
    throw EProjectDatabase(what + ": " + (db ? sqlite3_errmsg(db) : "out of memory"));
}
} // namespace

TSqlDatabase::TSqlDatabase(const std::filesystem::path &file, bool create, int busyTimeoutMs) {
    LOG_FKT_DETAIL("TSqlDatabase::TSqlDatabase");
    const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0);
    if (sqlite3_open_v2(file.c_str(), &FDb, flags, nullptr) != SQLITE_OK) {
        const std::string msg = file.string() + ": " + (FDb ? sqlite3_errmsg(FDb) : "no memory");
        sqlite3_close(FDb);
        throw EProjectDatabase(msg);
    }
    sqlite3_busy_timeout(FDb, busyTimeoutMs);
    sqlite3_extended_result_codes(FDb, 1);
}

TSqlDatabase::~TSqlDatabase() {
    LOG_FKT_DETAIL("TSqlDatabase::~TSqlDatabase");
    for (const auto &[sql, stmt] : FCache)
        sqlite3_finalize(stmt);
    sqlite3_close_v2(FDb);
}

sqlite3_stmt *TSqlDatabase::TakeCached(std::string_view sql) {
    LOG_FKT_DETAIL("TSqlDatabase::TakeCached");
    const auto it = FCache.find(sql);
    if (it == FCache.end())
        return nullptr;
    sqlite3_stmt *stmt = it->second;
    FCache.erase(it);
    return stmt;
}

void TSqlDatabase::PutCached(std::string_view sql, sqlite3_stmt *stmt) {
    LOG_FKT_DETAIL("TSqlDatabase::PutCached");
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
    if (!FCache.try_emplace(std::string(sql), stmt).second)
        sqlite3_finalize(stmt); // another of the same text came back first
}

std::optional<std::vector<unsigned char>> TSqlDatabase::ReadBlob(const char *table,
                                                                 const char *column, int64_t row,
                                                                 size_t offset, size_t count,
                                                                 size_t &size) {
    LOG_FKT_DETAIL("TSqlDatabase::ReadBlob");
    sqlite3_blob *blob = nullptr;
    if (sqlite3_blob_open(FDb, "main", table, column, row, 0, &blob) != SQLITE_OK) {
        sqlite3_blob_close(blob);
        // A missing row is an answer, not a failure; SQLite tells it by this message only.
        if (std::string_view(sqlite3_errmsg(FDb)).starts_with("no such rowid"))
            return std::nullopt;
        Fail(FDb, "open blob");
    }
    size = static_cast<size_t>(sqlite3_blob_bytes(blob));
    std::vector<unsigned char> bytes;
    int rc = SQLITE_OK;
    if (offset + count <= size) {
        bytes.resize(count);
        rc = sqlite3_blob_read(blob, bytes.data(), static_cast<int>(count),
                               static_cast<int>(offset));
    }
    sqlite3_blob_close(blob);
    if (rc != SQLITE_OK)
        Fail(FDb, "read blob");
    return bytes;
}

void TSqlDatabase::Execute(std::string_view sql) {
    LOG_FKT_DETAIL("TSqlDatabase::Execute");
    char *error = nullptr;
    if (sqlite3_exec(FDb, std::string(sql).c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string msg = error ? error : sqlite3_errmsg(FDb);
        sqlite3_free(error);
        throw EProjectDatabase(msg);
    }
}

int64_t TSqlDatabase::QueryInt(std::string_view sql) {
    LOG_FKT_DETAIL("TSqlDatabase::QueryInt");
    TSqlStatement st(*this, sql);
    if (!st.Step())
        throw EProjectDatabase("no value: " + std::string(sql));
    return st.Int(0);
}

int64_t TSqlDatabase::LastInsertId() const {
    LOG_FKT_DETAIL("TSqlDatabase::LastInsertId");
    const int64_t id = sqlite3_last_insert_rowid(FDb);
    if (id < 1 || id > std::numeric_limits<int32_t>::max())
        throw EProjectDatabase("new id " + std::to_string(id) + " is beyond 32 bits");
    return id;
}

int TSqlDatabase::Changes() const {
    LOG_FKT_DETAIL("TSqlDatabase::Changes");
    return sqlite3_changes(FDb);
}

bool TSqlDatabase::InTransaction() const {
    LOG_FKT_DETAIL("TSqlDatabase::InTransaction");
    return sqlite3_get_autocommit(FDb) == 0;
}

void TSqlDatabase::CopyTo(TSqlDatabase &target) {
    LOG_FKT_DETAIL("TSqlDatabase::CopyTo");
    sqlite3_backup *backup = sqlite3_backup_init(target.FDb, "main", FDb, "main");
    if (!backup)
        Fail(target.FDb, "copy");
    const int rc = sqlite3_backup_step(backup, -1);
    sqlite3_backup_finish(backup);
    if (rc != SQLITE_DONE)
        throw EProjectDatabase(std::string("copy: ") + sqlite3_errstr(rc));
}

TSqlStatement::TSqlStatement(TSqlDatabase &db, std::string_view sql, TKeep keep) : FDb(db) {
    LOG_FKT_DETAIL("TSqlStatement::TSqlStatement");
    if (keep == Cached) {
        FCachedSql = std::string(sql);
        FStmt = db.TakeCached(sql);
        if (FStmt)
            return;
    }
    if (sqlite3_prepare_v2(db.Handle(), sql.data(), static_cast<int>(sql.size()), &FStmt,
                           nullptr) != SQLITE_OK)
        Fail(db.Handle(), "prepare");
}

TSqlStatement::~TSqlStatement() {
    LOG_FKT_DETAIL("TSqlStatement::~TSqlStatement");
    if (FStmt && !FCachedSql.empty())
        FDb.PutCached(FCachedSql, FStmt);
    else
        sqlite3_finalize(FStmt);
}

TSqlStatement &TSqlStatement::Bind(int index, int64_t value) {
    LOG_FKT_DETAIL("TSqlStatement::Bind");
    if (sqlite3_bind_int64(FStmt, index, value) != SQLITE_OK)
        Fail(FDb.Handle(), "bind");
    return *this;
}

TSqlStatement &TSqlStatement::Bind(int index, const std::string &text) {
    LOG_FKT_DETAIL("TSqlStatement::Bind");
    if (sqlite3_bind_text(FStmt, index, text.data(), static_cast<int>(text.size()),
                          SQLITE_TRANSIENT) != SQLITE_OK)
        Fail(FDb.Handle(), "bind");
    return *this;
}

TSqlStatement &TSqlStatement::BindBlob(int index, const void *data, size_t size) {
    LOG_FKT_DETAIL("TSqlStatement::BindBlob");
    // A zero-length blob is still a blob, not NULL: an empty data block exists.
    const int rc = size == 0 ? sqlite3_bind_zeroblob(FStmt, index, 0)
                             : sqlite3_bind_blob64(FStmt, index, data, size, SQLITE_TRANSIENT);
    if (rc != SQLITE_OK)
        Fail(FDb.Handle(), "bind");
    return *this;
}

TSqlStatement &TSqlStatement::BindNull(int index) {
    LOG_FKT_DETAIL("TSqlStatement::BindNull");
    if (sqlite3_bind_null(FStmt, index) != SQLITE_OK)
        Fail(FDb.Handle(), "bind");
    return *this;
}

bool TSqlStatement::Step() {
    LOG_FKT_DETAIL("TSqlStatement::Step");
    const int rc = sqlite3_step(FStmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    Fail(FDb.Handle(), "step");
}

void TSqlStatement::Run() {
    LOG_FKT_DETAIL("TSqlStatement::Run");
    while (Step()) {
    }
}

void TSqlStatement::Reset() {
    LOG_FKT_DETAIL("TSqlStatement::Reset");
    sqlite3_reset(FStmt);
}

int64_t TSqlStatement::Int(int column) const {
    LOG_FKT_DETAIL("TSqlStatement::Int");
    return sqlite3_column_int64(FStmt, column);
}

int32_t TSqlStatement::Int32(int column) const {
    LOG_FKT_DETAIL("TSqlStatement::Int32");
    const int64_t v = Int(column);
    if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max())
        throw EProjectDatabase("stored value " + std::to_string(v) + " of column " +
                               ColumnName(column) + " is beyond 32 bits");
    return static_cast<int32_t>(v);
}

int32_t TSqlStatement::Id(int column) const {
    LOG_FKT_DETAIL("TSqlStatement::Id");
    const int64_t v = Int(column);
    if (v < 1 || v > std::numeric_limits<int32_t>::max())
        throw EProjectDatabase("stored id " + std::to_string(v) + " of column " +
                               ColumnName(column) + " is not 1 to 2147483647");
    return static_cast<int32_t>(v);
}

std::string TSqlStatement::ColumnName(int column) const {
    LOG_FKT_DETAIL("TSqlStatement::ColumnName");
    const char *name = sqlite3_column_name(FStmt, column);
    return name ? name : std::to_string(column);
}

bool TSqlStatement::IsNull(int column) const {
    LOG_FKT_DETAIL("TSqlStatement::IsNull");
    return sqlite3_column_type(FStmt, column) == SQLITE_NULL;
}

std::string TSqlStatement::Text(int column) const {
    LOG_FKT_DETAIL("TSqlStatement::Text");
    const auto *p = sqlite3_column_text(FStmt, column);
    return p ? std::string(reinterpret_cast<const char *>(p),
                           static_cast<size_t>(sqlite3_column_bytes(FStmt, column)))
             : std::string();
}

std::vector<unsigned char> TSqlStatement::Blob(int column) const {
    LOG_FKT_DETAIL("TSqlStatement::Blob");
    const auto *p = static_cast<const unsigned char *>(sqlite3_column_blob(FStmt, column));
    const int n = sqlite3_column_bytes(FStmt, column);
    return p ? std::vector<unsigned char>(p, p + n) : std::vector<unsigned char>();
}

TSqlTransaction::TSqlTransaction(TSqlDatabase &db, TKind kind)
    : FDb(db), FNested(db.InTransaction()) {
    LOG_FKT_DETAIL("TSqlTransaction::TSqlTransaction");
    if (FNested)
        FDb.Execute("SAVEPOINT nested");
    else
        FDb.Execute(kind == Write ? "BEGIN IMMEDIATE" : "BEGIN");
}

TSqlTransaction::~TSqlTransaction() {
    LOG_FKT_DETAIL("TSqlTransaction::~TSqlTransaction");
    if (!FOpen)
        return;
    const char *rollback = FNested ? "ROLLBACK TO nested; RELEASE nested" : "ROLLBACK";
    sqlite3_exec(FDb.Handle(), rollback, nullptr, nullptr, nullptr);
}

void TSqlTransaction::Commit() {
    LOG_FKT_DETAIL("TSqlTransaction::Commit");
    FDb.Execute(FNested ? "RELEASE nested" : "COMMIT");
    FOpen = false;
}
