#include <gtest/gtest.h>

#include <algorithm>

#include "platform/core/Exceptions.h"
#include "reports/TReportPreparation.h"

namespace {
std::string Opening(int first, int n)
{
    std::string opening, closing;
    TReportPreparation::BookBalanceExpressions(first, n, opening, closing);
    return opening;
}
std::string Closing(int first, int n)
{
    std::string opening, closing;
    TReportPreparation::BookBalanceExpressions(first, n, opening, closing);
    return closing;
}
} // namespace

// Every term counts a month that was never posted (null) as 0.
TEST(BalanceSheetAmountExpression, SumsTheOpeningAndTheMonthsThroughN)
{
    EXPECT_EQ(TReportPreparation::BalanceSheetAmountExpression(1), "ifnull(pos_awal,0)+ifnull(pos_b1,0)");
    EXPECT_EQ(TReportPreparation::BalanceSheetAmountExpression(3),
              "ifnull(pos_awal,0)+ifnull(pos_b1,0)+ifnull(pos_b2,0)+ifnull(pos_b3,0)");
    const std::string december = TReportPreparation::BalanceSheetAmountExpression(12);
    EXPECT_EQ(december.find("ifnull(pos_b12,0)"), december.size() - 17);
    EXPECT_EQ(std::count(december.begin(), december.end(), '+'), 12);
}

TEST(BookBalanceExpressions, CalendarBookYear)
{
    EXPECT_EQ(Opening(1, 1), "ifnull(pos_awal,0)");
    EXPECT_EQ(Closing(1, 1), "ifnull(pos_awal,0)+ifnull(pos_b1,0)");
    EXPECT_EQ(Opening(1, 4), "ifnull(pos_awal,0)+ifnull(pos_b1,0)+ifnull(pos_b2,0)+ifnull(pos_b3,0)");
    EXPECT_EQ(Closing(1, 4), Opening(1, 4) + "+ifnull(pos_b4,0)");
}

TEST(BookBalanceExpressions, BookYearOverTheTurnOfTheYear)
{
    EXPECT_EQ(Opening(7, 7), "ifnull(pos_awal,0)");
    EXPECT_EQ(Closing(7, 7), "ifnull(pos_awal,0)+ifnull(pos_b7,0)");
    EXPECT_EQ(Opening(7, 2), "ifnull(pos_awal,0)+ifnull(pos_b7,0)+ifnull(pos_b8,0)+ifnull(pos_b9,0)+"
                             "ifnull(pos_b10,0)+ifnull(pos_b11,0)+ifnull(pos_b12,0)+ifnull(pos_b1,0)");
    EXPECT_EQ(Closing(7, 2), Opening(7, 2) + "+ifnull(pos_b2,0)");
    EXPECT_EQ(Opening(12, 11).size(), Opening(1, 12).size()); // eleven months before November
}

TEST(BookBalanceExpressions, AFirstMonthOutsideOneToTwelveCountsAsJanuary)
{
    for (int first : {0, 13, -1})
        EXPECT_EQ(Opening(first, 4), Opening(1, 4)) << first;
    EXPECT_EQ(Closing(0, 1), Closing(1, 1));
}

TEST(BookBalanceExpressions, AMonthOutsideOneToTwelveIsRefused)
{
    std::string opening = "kept", closing = "kept";
    EXPECT_THROW(TReportPreparation::BookBalanceExpressions(1, 13, opening, closing), EConvertError);
    EXPECT_THROW(TReportPreparation::BookBalanceExpressions(7, 0, opening, closing), EConvertError);
    EXPECT_EQ(opening, "kept");
}
