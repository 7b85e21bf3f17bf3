#include <gtest/gtest.h>

#include "platform/core/Exceptions.h"
#include "platform/core/Variant.h"

TEST(Variant, NullReadsAsEmptyValues)
{
    Variant v;
    EXPECT_TRUE(VarIsNull(v));
    EXPECT_EQ(v.AsInteger(), 0);
    EXPECT_EQ(v.AsFloat(), 0);
    EXPECT_EQ(v.AsCurrency(), Currency());
    EXPECT_EQ(v.AsString(), "");
    EXPECT_FALSE(v.AsBoolean());
    EXPECT_EQ(Variant::Null(), Variant());
    EXPECT_FALSE(Variant::Null() == Variant(0));
}

TEST(Variant, TextConvertsOrRaises)
{
    EXPECT_EQ(Variant("42").AsInteger(), 42);
    EXPECT_EQ(Variant("2.5").AsInteger(), 2);
    EXPECT_DOUBLE_EQ(Variant("1234.5").AsFloat(), 1234.5);
    EXPECT_EQ(Variant("83333.33335").AsCurrency(), Currency::FromRaw(833333334));
    EXPECT_TRUE(Variant("True").AsBoolean());
    EXPECT_FALSE(Variant("false").AsBoolean());
    EXPECT_TRUE(Variant("1").AsBoolean());
    EXPECT_EQ(Variant("2024-03-05").AsDateTime(), EncodeDate(2024, 3, 5));
    EXPECT_THROW(Variant("abc").AsInteger(), EConvertError);
    EXPECT_THROW(Variant("").AsFloat(), EConvertError);
    EXPECT_THROW(Variant("12x").AsCurrency(), EConvertError);
    EXPECT_THROW(Variant("maybe").AsBoolean(), EConvertError);
    EXPECT_THROW(Variant("not a date").AsDateTime(), EConvertError);
    EXPECT_THROW(Variant(1e300).AsInteger(), EConvertError);
}

TEST(Variant, NumbersAsText)
{
    EXPECT_EQ(Variant(42).AsString(), "42");
    EXPECT_EQ(Variant(0.1).AsString(), "0.1");
    EXPECT_EQ(Variant(Currency::FromDouble(1234.5)).AsString(), "1234.5");
    EXPECT_EQ(Variant(true).AsString(), "True");
    EXPECT_EQ(Variant::FromDateTime(EncodeDate(2024, 3, 5)).AsString(), "2024-03-05");
    EXPECT_EQ(Variant(2.5).AsInteger(), 2);
    EXPECT_EQ(Variant(3.5).AsInteger(), 4);
    EXPECT_EQ(Variant(0.1).AsCurrency(), Currency::FromRaw(1000));
}

TEST(Variant, NumbersCompareAcrossKinds)
{
    EXPECT_EQ(Variant(5), Variant(5.0));
    EXPECT_EQ(Variant(5), Variant(Currency::FromInt(5)));
    EXPECT_EQ(Variant(Currency::FromInt(5)), Variant(5));
    EXPECT_FALSE(Variant(Currency::FromDouble(5.5)) == Variant(5));
    EXPECT_EQ(Variant(Currency::FromDouble(5.5)), Variant(5.5));
    EXPECT_FALSE(Variant("5") == Variant(5));
    EXPECT_EQ(Variant("a"), Variant(std::string("a")));
    EXPECT_FALSE(Variant(true) == Variant(1));
}
