#include <gtest/gtest.h>

#include "pool/PoolInForce.h"

namespace ktq {
namespace {

TEST(PoolInForce, FromTheFirstOfJulyToTheLastOfJune) {
    const struct {
        Text file;
        DateTime now;
        Text state, note;
    } cases[] = {
        {"2026-2030 Technician.txt", MakeDateTime(2026, 12, 8), "in force until 2030-06-30", ""},
        {"tech 2022-2026.txt", MakeDateTime(2026, 7, 1), "expired 2026-06-30",
         "This pool was in force until 30 June 2026."},
        {"General 2027-2031.txt", MakeDateTime(2027, 6, 30), "from 2027-07-01",
         "This pool comes into force on 1 July 2027."},
    };
    for (const auto& c : cases) {
        const std::optional<YearsInForce> years = YearsInForceOf(c.file);
        ASSERT_TRUE(years) << c.file;
        EXPECT_EQ(InForceState(*years, c.now), c.state) << c.file;
        EXPECT_EQ(NotInForceNote(*years, c.now), c.note) << c.file;
    }
    for (const char* none : {"tech 2022 pool.txt", "tech 2022-tests.txt", "pool 2030-2026.txt",
                             "extra 12026-2030.txt", "extra 2026-20301.txt"})
        EXPECT_FALSE(YearsInForceOf(none)) << none;
}

}  // namespace
}  // namespace ktq
