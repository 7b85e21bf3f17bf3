#include "reports/TReportPreparation.h"

#include "platform/core/Exceptions.h"
#include "platform/core/FloatText.h"
#include "reports/PreparationText.h"

namespace {

// A month that has not been posted yet is null in posting; it must count as 0, not void the sum.
std::string Term(const std::string& column)
{
    std::string term = "ifnull(";
    term += column;
    term += ",0)";
    return term;
}

// "+ifnull(pos_bN,0)", one more month for an expression.
std::string PlusMonth(int month)
{
    std::string column = "pos_b";
    column += IntToStr(month);
    return '+' + Term(column);
}

} // namespace

std::string TReportPreparation::BalanceSheetAmountExpression(int N)
{
    std::string expression = Term("pos_awal");
    for (int i = 1; i <= N; ++i)
        expression += PlusMonth(i);
    return expression;
}

void TReportPreparation::BookBalanceExpressions(int FirstMonth, int N, std::string& Opening, std::string& Closing)
{
    if (N < 1 || N > 12)
        throw EConvertError(IntToStr(N) + " is not a month from 1 to 12");
    // The settings window never stores another first month; an edited file might.
    const int first = FirstMonth >= 1 && FirstMonth <= 12 ? FirstMonth : 1;
    Opening = Term("pos_awal");
    for (int month = first; month != N; month = month % 12 + 1)
        Opening += PlusMonth(month);
    Closing = Opening + PlusMonth(N);
}
