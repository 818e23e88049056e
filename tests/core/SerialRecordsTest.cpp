#include <gtest/gtest.h>

#include "tables/syntax/SerialRecords.h"

namespace {

const RecordKind& Serial() { return SerialRecords(); }

struct LoadCase {
    const char* name;
    ProgramLines lines;
    Rows rows;
    Messages messages;
};

class SerialLoadTest : public ::testing::TestWithParam<LoadCase> {};

TEST_P(SerialLoadTest, ReadsItsLines) {
    const LoadCase& c = GetParam();
    Rows rows;
    Messages messages;
    Serial().Load(c.lines, rows, messages);
    EXPECT_EQ(rows, c.rows);
    EXPECT_EQ(messages, c.messages);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SerialLoadTest,
    ::testing::Values(
        LoadCase{"WellFormed", {"S3 PWR ON", "XSL3|Proyector"}, {{"Proyector", "3", "PWR ON"}}, {}},
        LoadCase{"SpacesKept", {"S3   PWR  ON  "}, {{"CMDSERIE3", "3", "  PWR  ON  "}}, {}},
        LoadCase{"TwoSpacesAfterTheNumber", {"S12  PWR"}, {{"CMDSERIE12", "12", " PWR"}}, {}},
        LoadCase{"SpaceBeforeTheNumber", {"S 3 PWR ON"}, {{"CMDSERIE3", "3", " PWR ON"}}, {}},
        LoadCase{"AnyCharacters", {"S4 a|b \xE1\x80\t"}, {{"CMDSERIE4", "4", "a|b \xE1\x80\t"}}, {}},
        LoadCase{"NoCommand",
                 {"S3 ", "S3", "S", "S5 X"},
                 {{"CMDSERIE5", "5", "X"}},
                 {"Error de sintaxis: S3 ", "Error de sintaxis: S3", "Error de sintaxis: S"}},
        LoadCase{"LabelWithBlanks", {"S3 X", "XSL3|  Proyector 2 "}, {{"Proyector 2", "3", "X"}}, {}},
        LoadCase{"NumbersMatchAsText", {"S3 X", "XSL03|Proyector"}, {{"CMDSERIE3", "3", "X"}}, {}},
        LoadCase{"OtherLinesIgnored", {"s3 X", "V1 9600", "XSL3|P"}, {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SerialRecords, SavesRecordThenLabelAsTheyStand) {
    const Rows rows = {{"Proyector", "3", "PWR ON"}, {"", "4", "  x  "}};
    EXPECT_EQ(Serial().Save(rows), (ProgramLines{"S3 PWR ON", "XSL3|Proyector", "S4   x  ", "XSL4|"}));
}

TEST(SerialRecords, CommandSpacesSurviveSaveAndLoad) {
    const Rows rows = {{"Proyector", "3", "  PWR   ON "}, {"Pantalla", "10", "a"}};
    Rows loaded;
    Messages messages;
    Serial().Load(Serial().Save(rows), loaded, messages);
    EXPECT_EQ(loaded, rows);
    EXPECT_TRUE(messages.empty());
}

TEST(SerialRecords, MergeAppends) {
    Rows rows = {{"Uno", "1", "A"}};
    Messages messages;
    Serial().Merge({"S2 B", "XSL2|Dos"}, rows, messages);
    EXPECT_EQ(rows, (Rows{{"Uno", "1", "A"}, {"Dos", "2", "B"}}));
}

TEST(SerialRecords, ChecksLabelNumberThenTheCommandText) {
    const std::vector<CellCheck> checks = Serial().Checks({{"P", "3", "X"}});
    ASSERT_EQ(checks.size(), 3u);
    EXPECT_EQ(checks[0].rule, CellRule::Name);
    EXPECT_EQ(checks[1].rule, CellRule::Number);
    EXPECT_EQ(checks[2].col, kSerialCommandColumn);
    EXPECT_EQ(checks[2].rule, CellRule::None);

    EXPECT_FALSE(FirstFault(Serial(), {{"P", "3", "a.b|\xE1"}}));
    const auto fault = FirstFault(Serial(), {{"P", "3", "X"}, {"P", "3a", "X"}});
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->row, 1);
    EXPECT_EQ(fault->col, 1);
}

TEST(SerialRecords, DeclaresItsTable) {
    const std::vector<ColumnDef> columns = Serial().Columns();
    ASSERT_EQ(columns.size(), 3u);
    EXPECT_EQ(columns[1].header, "N\xFAmero de comando");
    EXPECT_EQ(columns[2].header, "Comando");
    EXPECT_EQ(Serial().TestTarget({"P", "3", "PWR ON"}), "S3");
    EXPECT_EQ(Serial().NewRow(), (Row{"", "", ""}));
}

}  // namespace
