#include <gtest/gtest.h>

#include "platform/core/Exceptions.h"
#include "platform/data/TADOConnection.h"
#include "tests/platform/data/TestDatabase.h"

TEST(PreparedStatement, RunsOnceCompiledWithNewValuesAndStreamsItsRows)
{
    TestDatabase database("create table t (id integer, name text, amount real);");
    TADOConnection connection;
    connection.SetConnectionString("Data Source=" + database.Path());
    connection.Open();
    {
        auto insert = connection.Prepare("insert into t values (?, ?, ?)");
        EXPECT_EQ(insert->ParamCount(), 3);
        const Variant rows[][3] = {{Variant(int64_t(1)), Variant(std::string("a'b")), Variant(1.25)},
                                   {Variant(int64_t(2)), Variant(), Variant(Currency::FromRaw(12345))},
                                   {Variant(int64_t(3)), Variant(std::string("c")), Variant()}};
        for (const auto& row : rows) {
            for (int i = 0; i < 3; ++i)
                insert->Bind(i + 1, row[i]);
            EXPECT_FALSE(insert->Step());
            insert->Reset();
        }
        EXPECT_THROW(insert->Bind(4, Variant(int64_t(0))), EDatabaseError);

        auto select = connection.Prepare("select id, name, amount from t where id >= ? order by id");
        select->Bind(1, Variant(int64_t(2)));
        std::string seen;
        while (select->Step())
            seen += std::to_string(select->Integer(0)) + (select->IsNull(1) ? "-" : std::string(select->Text(1))) +
                    (select->IsNull(2) ? "-" : std::to_string(select->Float(2))) + ";";
        EXPECT_EQ(seen, "2-1.234500;3c-;");
        // A bound value replaced after a finished run runs the statement again with it.
        select->Bind(1, Variant(int64_t(1)));
        ASSERT_TRUE(select->Step());
        EXPECT_EQ(select->Type(0), DbType::Integer);
        EXPECT_EQ(select->Text(1), "a'b");
        EXPECT_EQ(select->Value(2).AsFloat(), 1.25);
    }
    // One statement only; errors of a step reach the caller and the statement runs again.
    EXPECT_THROW(connection.Prepare("select 1; select 2"), EDatabaseError);
    EXPECT_THROW(connection.Prepare("select from"), EDatabaseError);
    connection.Execute("create unique index t_id on t (id)");
    auto insert = connection.Prepare("insert into t (id) values (?)");
    insert->Bind(1, Variant(int64_t(1)));
    EXPECT_THROW(insert->Step(), EDatabaseError);
    insert->Bind(1, Variant(int64_t(4)));
    EXPECT_FALSE(insert->Step());
    insert.reset();
    connection.Close();
    EXPECT_THROW(connection.Prepare("select 1"), EDatabaseError);
}
