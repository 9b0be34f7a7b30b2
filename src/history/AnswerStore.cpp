// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/AnswerStore.h"

#include <sqlite3.h>

#include <cstring>

#include "text/CodePage.h"

namespace ktq {
namespace {

const char* ModeName(AnswerMode m) {
    switch (m) {
        case AnswerMode::Learning:
            return "learning";
        case AnswerMode::Exam:
            return "exam";
        case AnswerMode::Trial:
            break;
    }
    return "trial";
}

StoreFailure KindOf(int code) {
    switch (code & 0xFF) {
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
            return StoreFailure::Damaged;
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
        case SQLITE_FULL:
        case SQLITE_IOERR:
        case SQLITE_PROTOCOL:
            return StoreFailure::Transient;
        default:
            return StoreFailure::Lasting;
    }
}

// Each schema version's statements; a database at version n runs those
// after n, in order, in one transaction.
const char* const kMigrations[] = {
    "CREATE TABLE IF NOT EXISTS answers ("
    " id INTEGER PRIMARY KEY,"
    " answered_at INTEGER NOT NULL,"  // ms since 1970-01-01 00:00 UTC
    " level_tag TEXT NOT NULL,"
    " year_text TEXT NOT NULL,"
    " code TEXT NOT NULL,"
    " chosen TEXT NOT NULL,"
    " correct TEXT NOT NULL,"
    " mode TEXT NOT NULL);"
    "CREATE INDEX IF NOT EXISTS answers_by_pool ON answers (level_tag, year_text, id);",
};
static_assert(std::size(kMigrations) == AnswerStore::kSchemaVersion);

}  // namespace

class AnswerStore::Statement {
  public:
    Statement(AnswerStore& store, const char* sql) : store_(store) {
        const int rc = sqlite3_prepare_v2(store.db_.get(), sql, -1, &stmt_, nullptr);
        if (rc != SQLITE_OK)
            store.Fail(rc, "read");
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    // Ready to run again with new values.
    Statement& Reset() {
        sqlite3_reset(stmt_);
        sqlite3_clear_bindings(stmt_);
        return *this;
    }

    void Bind(int n, const Text& cp1252) {
        const std::string utf8 = Cp1252ToUtf8(cp1252);
        sqlite3_bind_text(stmt_, n, utf8.data(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
    }
    void Bind(int n, std::int64_t v) { sqlite3_bind_int64(stmt_, n, v); }
    // True while there is a row; throws on failure.
    bool Step(const char* doing) {
        const int rc = sqlite3_step(stmt_);
        if (rc == SQLITE_ROW)
            return true;
        if (rc != SQLITE_DONE)
            store_.Fail(rc, doing);
        return false;
    }
    std::int64_t Int(int column) { return sqlite3_column_int64(stmt_, column); }
    Text TextOf(int column) {
        const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
        return bytes ? Utf8ToCp1252(bytes) : Text();
    }

  private:
    AnswerStore& store_;
    sqlite3_stmt* stmt_ = nullptr;
};

AnswerStore::~AnswerStore() = default;

void AnswerStore::Closer::operator()(sqlite3* db) const {
    sqlite3_close_v2(db);
}

AnswerStore::AnswerStore(const std::string& path, int busyTimeoutMs) {
    sqlite3* db = nullptr;
    // Like every other file of the program's, never through a link: one
    // would put the history (and WAL mode) on another program's database.
    const int rc =
        sqlite3_open_v2(path.c_str(), &db,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOFOLLOW, nullptr);
    db_.reset(db);
    if (rc != SQLITE_OK)
        Fail(rc, "opened");
    sqlite3_busy_timeout(db, busyTimeoutMs);
    sqlite3_extended_result_codes(db, 1);
    CheckLayout();
    Execute("PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL;");
    Migrate();
}

void AnswerStore::Fail(int code, const char* what) {
    std::string reason = db_ ? sqlite3_errmsg(db_.get()) : sqlite3_errstr(code);
    // SQLite's words for a file it cannot open say nothing of why.
    if (const int err = db_ ? sqlite3_system_errno(db_.get()) : 0; err != 0)
        reason += " (" + std::string(std::strerror(err)) + ")";
    throw AnswerStoreError(
        "The answer history could not be " + std::string(what) + ": " + reason + ".", KindOf(code));
}

void AnswerStore::Execute(const char* sql) {
    char* error = nullptr;
    const int rc = sqlite3_exec(db_.get(), sql, nullptr, nullptr, &error);
    sqlite3_free(error);
    if (rc != SQLITE_OK)
        Fail(rc, "opened");
}

void AnswerStore::Migrate() {
    // Immediate: two programs starting at once must not both migrate.
    Execute("BEGIN IMMEDIATE;");
    int version = 0;
    {
        Statement s(*this, "PRAGMA user_version;");
        if (s.Step("read"))
            version = static_cast<int>(s.Int(0));
    }
    if (version > kSchemaVersion) {
        Execute("ROLLBACK;");
        throw AnswerStoreError(
            "The answer history was written by a newer version of "
            "KTQTests; it is left as it is.",
            StoreFailure::Lasting);
    }
    for (int v = version; v < kSchemaVersion; ++v) Execute(kMigrations[v]);
    if (version < kSchemaVersion)
        Execute(("PRAGMA user_version=" + std::to_string(kSchemaVersion) + ";").c_str());
    Execute("COMMIT;");
}

// A table of the name made otherwise (by hand, or by another program) counts
// as damage: the file is moved aside, never written into, not even its
// journal mode.
void AnswerStore::CheckLayout() {
    {
        Statement s(*this, "SELECT count(*) FROM sqlite_master WHERE name = 'answers';");
        if (!s.Step("opened") || s.Int(0) == 0)
            return;
    }
    sqlite3_stmt* probe = nullptr;
    const int rc = sqlite3_prepare_v2(db_.get(),
                                      "SELECT id, answered_at, level_tag, year_text, code, chosen, "
                                      "correct, mode FROM answers LIMIT 0;",
                                      -1, &probe, nullptr);
    sqlite3_finalize(probe);
    if (rc == SQLITE_OK || KindOf(rc) == StoreFailure::Transient)
        return;
    throw AnswerStoreError("The answer history is laid out in a way this program does not know (" +
                               std::string(sqlite3_errmsg(db_.get())) + ").",
                           StoreFailure::Damaged);
}

AnswerStore::Statement& AnswerStore::Prepared(std::unique_ptr<Statement>& slot, const char* sql) {
    if (!slot)
        slot = std::make_unique<Statement>(*this, sql);
    return slot->Reset();
}

std::int64_t AnswerStore::Record(const Text& levelTag, const Text& yearText,
                                 const StoredAnswer& answer) {
    Statement& s = Prepared(
        insert_,
        "INSERT INTO answers (answered_at, level_tag, year_text, code, chosen, correct, mode) "
        "VALUES (?, ?, ?, ?, ?, ?, ?);");
    s.Bind(1, answer.utcMs);
    s.Bind(2, levelTag);
    s.Bind(3, yearText);
    s.Bind(4, answer.code);
    s.Bind(5, answer.chosen);
    s.Bind(6, answer.correct);
    s.Bind(7, Text(ModeName(answer.mode)));
    s.Step("written");
    return sqlite3_last_insert_rowid(db_.get());
}

std::vector<PastAnswer> AnswerStore::AnswersSince(const Text& levelTag, const Text& yearText,
                                                  std::int64_t afterId) {
    // Right or wrong is decided here, so only the code is text to convert.
    Statement& s =
        Prepared(since_,
                 "SELECT id, answered_at, code, correct <> '' AND chosen = correct, chosen = '?' "
                 "FROM answers "
                 "WHERE level_tag = ? AND year_text = ? AND id > ? ORDER BY id;");
    s.Bind(1, levelTag);
    s.Bind(2, yearText);
    s.Bind(3, afterId);
    std::vector<PastAnswer> rows;
    while (s.Step("read"))
        rows.push_back({s.Int(0), s.Int(1), s.TextOf(2), s.Int(3) != 0, s.Int(4) != 0});
    return rows;
}

}  // namespace ktq
