// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The answer history as the program uses it: an answer recorded, the answers
// since one read back. The SQLite store (AnswerStore) is the one kind; it
// lives with the libraries that are loaded only when a history is opened.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "text/Text.h"

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

class AnswerLog {
  public:
    virtual ~AnswerLog() = default;
    // Returns the id the answer was recorded under.
    virtual std::int64_t Record(const Text& levelTag, const Text& yearText,
                                const StoredAnswer& answer) = 0;
    // The pool's answers with an id above `afterId`, in the order recorded.
    virtual std::vector<PastAnswer> AnswersSince(const Text& levelTag, const Text& yearText,
                                                 std::int64_t afterId) = 0;
};

// Moves a damaged database and its journal files aside under the name
// "<file>.damaged-<stamp>"; returns the new name of the database.
std::string MoveDamagedDatabaseAside(const std::string& path, const std::string& stamp);

}  // namespace ktq
