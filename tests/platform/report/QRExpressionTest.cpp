#include <map>

#include <gtest/gtest.h>

#include "platform/core/Exceptions.h"
#include "platform/report/TQRExpression.h"

namespace {

// Fields of one row, keyed "dataset.field" or "field".
struct Row {
    std::map<std::string, QRValue> values;

    TQRExpression::FieldResolver Resolver() const
    {
        return [this](const std::string& dataSet, const std::string& field) {
            auto it = values.find(dataSet.empty() ? field : dataSet + "." + field);
            if (it == values.end())
                throw EDatabaseError("Field '" + field + "' not found");
            return it->second;
        };
    }
};

Currency Money(double value) { return Currency::FromDouble(value); }

} // namespace

TEST(QRExpression, ArithmeticAndTextOverPlainAndQualifiedFieldsWithNullAsZero)
{
    Row row{{{"debet", QRValue::Number(Money(1500.25))}, {"kredit", QRValue::Null()},
             {"AdoQuery1.debet", QRValue::Number(Money(7))}, {"nama", QRValue::Text("Kalvera zivu")}}};
    QRValue value = TQRExpression("debet - kredit + 10").Evaluate(row.Resolver());
    EXPECT_EQ(value.kind, QRValue::Kind::Number);
    EXPECT_EQ(value.number, Money(1510.25));
    EXPECT_EQ(TQRExpression("-(kredit - debet)").Evaluate(row.Resolver()).number, Money(1500.25));
    EXPECT_EQ(TQRExpression("AdoQuery1.debet").Evaluate(row.Resolver()).number, Money(7));
    EXPECT_THROW(TQRExpression("nama - 1").Evaluate(row.Resolver()), EConvertError);
    EXPECT_EQ(TQRExpression("UPPER(nama)").Evaluate(row.Resolver()).text, "KALVERA ZIVU");
    EXPECT_EQ(TQRExpression("upper(kredit)").Evaluate(row.Resolver()).text, "");
    EXPECT_EQ(TQRExpression("'Unit ' + nama").Evaluate(row.Resolver()).text, "Unit Kalvera zivu");
    EXPECT_EQ(TQRExpression("'Unit ' + kredit").Evaluate(row.Resolver()).text, "Unit ");
    EXPECT_EQ(TQRExpression("'it''s'").Evaluate(row.Resolver()).text, "it's");
}

TEST(QRExpression, SumAccumulatesExactlyCountingNullsAsZeroAndResets)
{
    TQRExpression sum("SUM(AdoQuery1.kredit - AdoQuery1.debet)");
    EXPECT_TRUE(sum.IsAggregate());
    Row rows[] = {
        {{{"AdoQuery1.kredit", QRValue::Number(Money(100))}, {"AdoQuery1.debet", QRValue::Null()}}},
        {{{"AdoQuery1.kredit", QRValue::Null()}, {"AdoQuery1.debet", QRValue::Number(Money(30.5))}}},
        {{{"AdoQuery1.kredit", QRValue::Null()}, {"AdoQuery1.debet", QRValue::Null()}}},
    };
    for (const Row& row : rows)
        sum.Accumulate(row.Resolver());
    EXPECT_EQ(sum.Evaluate(rows[0].Resolver()).number, Money(69.5));
    sum.Reset();
    EXPECT_EQ(sum.Evaluate(rows[0].Resolver()).number, Money(0));

    TQRExpression many("sum(jumlah)");
    Row tenth{{{"jumlah", QRValue::Number(Money(0.1))}}};
    for (int i = 0; i < 1000; ++i)
        many.Accumulate(tenth.Resolver());
    EXPECT_EQ(many.Evaluate(tenth.Resolver()).number, Money(100));
}

TEST(QRExpression, BadTextRaisesConvertError)
{
    for (const char* text : {"", "debet +", "SUM(debet", "MAX(debet)", "debet kredit", "'open", "(debet))", "a.", "1.2.3"})
        EXPECT_THROW(TQRExpression{text}, EConvertError) << text;
}
