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

#include "history/AnswerLog.h"

struct sqlite3;

namespace ktq {

class AnswerStore final : public AnswerLog {
  public:
    static constexpr int kSchemaVersion = 1;

    // Another program writing holds the lock for a few milliseconds; one
    // holding it this long is stuck, not busy.
    static constexpr int kPatientBusyTimeoutMs = 5000;

    // Opens the database at `path` (created when missing, never through a
    // link) and brings its schema up to date, waiting at most
    // `busyTimeoutMs` for another program's lock. Throws AnswerStoreError.
    explicit AnswerStore(const std::string& path, int busyTimeoutMs = kPatientBusyTimeoutMs);
    ~AnswerStore() override;
    AnswerStore(const AnswerStore&) = delete;
    AnswerStore& operator=(const AnswerStore&) = delete;

    std::int64_t Record(const Text& levelTag, const Text& yearText,
                        const StoredAnswer& answer) override;
    std::vector<PastAnswer> AnswersSince(const Text& levelTag, const Text& yearText,
                                         std::int64_t afterId) override;

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

}  // namespace ktq
