// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The answers kept in the folder's SQLite database, one row each: when (UTC),
// which pool (level tag and year text), which question, the letter chosen,
// the right letter, and how it was answered. Every answer is committed at
// once (WAL journal); several programs may write one database together.
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "text/Text.h"

struct sqlite3;

namespace ktq {

enum class AnswerMode { Trial, Learning, Exam };

// The letter chosen of an answer given as "Don't know": no real letter is.
inline constexpr const char* kNotKnown = "?";

struct StoredAnswer {
    std::int64_t id = 0;
    std::int64_t utcMs = 0;  // milliseconds since 1970-01-01 00:00 UTC
    Text code;
    Text chosen;
    Text correct;
    AnswerMode mode = AnswerMode::Trial;
};

// What the memory model needs of a recorded answer.
struct PastAnswer {
    std::int64_t id = 0;
    std::int64_t utcMs = 0;
    Text code;
    bool right = false;
    bool notKnown = false;
};

// Why the database cannot serve. A damaged one may be moved aside and
// replaced; a busy, locked or full one may serve again in a moment; one that
// cannot be created or written at all (or was made by a newer program) is
// left alone.
enum class StoreFailure { Transient, Damaged, Lasting };

class AnswerStoreError : public std::runtime_error {
  public:
    AnswerStoreError(const std::string& what, StoreFailure kind)
        : std::runtime_error(what), kind_(kind) {}
    bool Damaged() const { return kind_ == StoreFailure::Damaged; }
    bool Transient() const { return kind_ == StoreFailure::Transient; }

  private:
    StoreFailure kind_;
};

class AnswerStore {
  public:
    static constexpr int kSchemaVersion = 1;

    // Another program writing holds the lock for a few milliseconds; one
    // holding it this long is stuck, not busy.
    static constexpr int kPatientBusyTimeoutMs = 5000;

    // Opens the database at `path` (created when missing, never through a
    // link) and brings its schema up to date, waiting at most
    // `busyTimeoutMs` for another program's lock. Throws AnswerStoreError.
    explicit AnswerStore(const std::string& path, int busyTimeoutMs = kPatientBusyTimeoutMs);
    ~AnswerStore();
    AnswerStore(const AnswerStore&) = delete;
    AnswerStore& operator=(const AnswerStore&) = delete;

    // Returns the id the answer was recorded under.
    std::int64_t Record(const Text& levelTag, const Text& yearText, const StoredAnswer& answer);
    // The pool's answers with an id above `afterId`, in the order recorded.
    std::vector<PastAnswer> AnswersSince(const Text& levelTag, const Text& yearText,
                                         std::int64_t afterId);

  private:
    class Statement;
    struct Closer {
        void operator()(sqlite3* db) const;
    };
    void Execute(const char* sql);
    // The statement of `slot`, prepared the first time, ready to run.
    Statement& Prepared(std::unique_ptr<Statement>& slot, const char* sql);
    void CheckLayout();
    void Migrate();
    // `what` the history could not be: "opened", "read", "written".
    [[noreturn]] void Fail(int code, const char* what);

    std::unique_ptr<sqlite3, Closer> db_;
    // Prepared once; an answer is recorded and read back many times a session.
    std::unique_ptr<Statement> insert_, since_;
};

// Moves a damaged database and its journal files aside under the name
// "<file>.damaged-<stamp>"; returns the new name of the database.
std::string MoveDamagedDatabaseAside(const std::string& path, const std::string& stamp);

}  // namespace ktq
