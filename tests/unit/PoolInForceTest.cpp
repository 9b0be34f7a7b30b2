#include <gtest/gtest.h>

#include "pool/PoolInForce.h"

namespace ktq {
namespace {

struct InForceCase {
    const char* name;
    Text file;
    DateTime now;
    Text state;  // empty: a name without the pool's years
    Text note;
};

class PoolInForceTest : public ::testing::TestWithParam<InForceCase> {};

TEST_P(PoolInForceTest, FromTheFirstOfJulyToTheLastOfJune) {
    const InForceCase& c = GetParam();
    const std::optional<YearsInForce> years = YearsInForceOf(c.file);
    ASSERT_EQ(years.has_value(), !c.state.empty());
    if (!years)
        return;
    EXPECT_EQ(InForceState(*years, c.now), c.state);
    EXPECT_EQ(NotInForceNote(*years, c.now), c.note);
}

INSTANTIATE_TEST_SUITE_P(
    Names, PoolInForceTest,
    ::testing::Values(InForceCase{"InForce", "2026-2030 Technician Pool Feb 19 2026.txt",
                                  MakeDateTime(2026, 12, 8), "in force until 2030-06-30", ""},
                      InForceCase{"ItsLastDay", "tech 2022-2026 pool.txt",
                                  MakeDateTime(2026, 6, 30, 23, 59), "in force until 2026-06-30",
                                  ""},
                      InForceCase{"Expired", "tech 2022-2026 pool.txt", MakeDateTime(2026, 7, 1),
                                  "expired 2026-06-30",
                                  "This pool was in force until 30 June 2026."},
                      InForceCase{"NotYet", "General Pool 2027-2031.txt", MakeDateTime(2027, 6, 30),
                                  "from 2027-07-01", "This pool comes into force on 1 July 2027."},
                      InForceCase{"ItsFirstDay", "General Pool 2027-2031.txt",
                                  MakeDateTime(2027, 7, 1), "in force until 2031-06-30", ""},
                      InForceCase{"OneYearOnly", "tech 2022 pool.txt", {}, "", ""},
                      InForceCase{"PreparedBank", "tech 2022-tests.txt", {}, "", ""},
                      InForceCase{"YearsTheWrongWayRound", "pool 2030-2026.txt", {}, "", ""},
                      InForceCase{"PartOfALongerNumber", "extra 12026-2030.txt", {}, "", ""},
                      InForceCase{"TheFirstPairCounts", "x 2015-2019 errata 2023-2027.txt",
                                  MakeDateTime(2026, 1, 1), "expired 2019-06-30",
                                  "This pool was in force until 30 June 2019."}),
    [](const auto& row) { return row.param.name; });

}  // namespace
}  // namespace ktq
