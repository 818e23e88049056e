#include <gtest/gtest.h>

#include "tables/syntax/NecRecords.h"

namespace {

const RecordKind& Nec() { return NecRecords(); }

struct LoadCase {
    const char* name;
    ProgramLines lines;
    Rows rows;
    Messages messages;
};

class NecLoadTest : public ::testing::TestWithParam<LoadCase> {};

TEST_P(NecLoadTest, ReadsItsLines) {
    const LoadCase& c = GetParam();
    Rows rows;
    Messages messages;
    Nec().Load(c.lines, rows, messages);
    EXPECT_EQ(rows, c.rows);
    EXPECT_EQ(messages, c.messages);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, NecLoadTest,
    ::testing::Values(
        LoadCase{"WellFormed",
                 {"N12 20DF10EF R 1", "XNL12|Televisor"},
                 {{"Televisor", "12", "20DF10EF", "R", "1", ""}},
                 {}},
        LoadCase{"ExtraSpaces",
                 {"N  12   20DF10EF R  1  ", "XNL12|  Televisor  "},
                 {{"Televisor", "12", "20DF10EF", "R", "1", ""}},
                 {}},
        LoadCase{"WrongFieldCountsReportedAndSkipped",
                 {"N12 20DF10EF R", "N13 20DF10EF N 2", "N14 20DF10EF N 2 9", "N"},
                 {{"IRNEC13", "13", "20DF10EF", "N", "2", ""}},
                 {"Error de sintaxis: N12 20DF10EF R", "Error de sintaxis: N14 20DF10EF N 2 9",
                  "Error de sintaxis: N"}},
        LoadCase{"MissingOrBlankLabel",
                 {"N1 20DF10EF R 1", "N2 20DF10EF R 1", "XNL2|   "},
                 {{"IRNEC1", "1", "20DF10EF", "R", "1", ""}, {"IRNEC2", "2", "20DF10EF", "R", "1", ""}},
                 {}},
        LoadCase{"NumbersMatchAsText",
                 {"N12 20DF10EF R 1", "XNL012|Televisor"},
                 {{"IRNEC12", "12", "20DF10EF", "R", "1", ""}},
                 {}},
        LoadCase{"SameNumberTakesTheLastLabel",
                 {"N5 00000000 N 1", "XNL5|Uno", "N5 11111111 R 2", "XNL5|Dos"},
                 {{"Dos", "5", "00000000", "N", "1", ""}, {"Dos", "5", "11111111", "R", "2", ""}},
                 {}},
        LoadCase{"ValuesNotChecked",
                 {"N1 XYZ Q 9x"},
                 {{"IRNEC1", "1", "XYZ", "Q", "9x", ""}},
                 {}},
        LoadCase{"OtherLinesIgnored",
                 {"", "A12 20DF10EF", "n12 20DF10EF R 1", "XAL12|x", "Q1 2 3 4", " N1 20DF10EF R 1"},
                 {},
                 {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NecRecords, SavesRecordThenLabelAsTheyStand) {
    const Rows rows = {{"Televisor", "12", "20DF10EF", "R", "1", ""}, {"", " 7", "x", "", "", ""}};
    EXPECT_EQ(Nec().Save(rows), (ProgramLines{"N12 20DF10EF R 1", "XNL12|Televisor", "N 7 x  ", "XNL 7|"}));
}

TEST(NecRecords, SaveAndLoadGiveTheSameRows) {
    const Rows rows = {{"Televisor", "12", "20DF10EF", "R", "1", ""}, {"Radio", "3", "00ff00FF", "N", "10", ""}};
    Rows loaded;
    Messages messages;
    Nec().Load(Nec().Save(rows), loaded, messages);
    EXPECT_EQ(loaded, rows);
    EXPECT_TRUE(messages.empty());
}

TEST(NecRecords, MergeAppendsAfterThePresentRows) {
    Rows rows = {{"Uno", "1", "00000000", "N", "1", ""}};
    Messages messages;
    Nec().Merge({"N2 11111111 R 2", "XNL2|Dos"}, rows, messages);
    EXPECT_EQ(rows, (Rows{{"Uno", "1", "00000000", "N", "1", ""}, {"Dos", "2", "11111111", "R", "2", ""}}));
}

TEST(NecRecords, ChecksEveryCellInOrder) {
    const Rows good = {{"Sala 1", "12", "20DF10EF", "R", "1", ""}, {"Ba\xF1o", "3", "00ff00FF", "N", "10", ""}};
    EXPECT_FALSE(FirstFault(Nec(), good));

    struct FaultCase {
        int col;
        std::string text;
        std::string message;
    };
    const FaultCase cases[] = {
        {0, "Sal\xF3n", "Error de sintaxis:\ncaracter no permitido"},
        {1, "1a", "Error de sintaxis:\nn\xFAmero no v\xE1lido"},
        {2, "FF00FF", "Error de sintaxis:\ncodigo no v\xE1lido"},
        {3, "r", "Error de sintaxis:\nvalor no permitido"},
        {4, " 1", "Error de sintaxis:\nn\xFAmero no v\xE1lido"},
    };
    for (const FaultCase& c : cases) {
        Rows rows = good;
        rows[1][c.col] = c.text;
        rows[1][4] = c.col == 4 ? c.text : "x";  // a later cell of the row is also bad
        const auto fault = FirstFault(Nec(), rows);
        ASSERT_TRUE(fault) << c.col;
        EXPECT_EQ(fault->row, 1);
        EXPECT_EQ(fault->col, c.col);
        EXPECT_EQ(fault->message, c.message);
    }
}

TEST(NecRecords, DeclaresItsTable) {
    const std::vector<ColumnDef> columns = Nec().Columns();
    ASSERT_EQ(columns.size(), 6u);
    const char* headers[] = {"Etiqueta", "N\xFAmero de comando", "C\xF3" "digo NEC", "C\xF3" "digo repetici\xF3n",
                             "Cantidad de frames", "Aprender"};
    for (size_t i = 0; i < columns.size(); ++i) EXPECT_EQ(columns[i].header, headers[i]);
    EXPECT_EQ(columns[3].kind, ColumnKind::Choice);
    EXPECT_EQ(columns[3].choices, (std::vector<std::string>{"R", "N"}));
    EXPECT_EQ(columns[5].kind, ColumnKind::Button);
    EXPECT_TRUE(Nec().TakesMerge());
    EXPECT_EQ(Nec().TestTarget({"TV", "12", "20DF10EF", "R", "1", ""}), "N12");
    EXPECT_EQ(NecLearnCommand("12"), "N12 L");
    EXPECT_EQ(NecLearnCommand(""), "N L");
}

struct ReplyCase {
    const char* name;
    std::string number;
    ProgramLines reply;
    Row row;
    Messages messages;
};

class NecLearnReplyTest : public ::testing::TestWithParam<ReplyCase> {};

TEST_P(NecLearnReplyTest, TakesTheCommandsFields) {
    const ReplyCase& c = GetParam();
    Row row = {"TV", c.number, "", "", "", ""};
    Messages messages;
    ApplyNecLearnReply(c.number, c.reply, row, messages);
    EXPECT_EQ(row, c.row);
    EXPECT_EQ(messages, c.messages);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, NecLearnReplyTest,
    ::testing::Values(
        ReplyCase{"Matching", "12", {"N1 00000000 N 1", "N12 20DF10EF R 1"}, {"TV", "12", "20DF10EF", "R", "1", ""}, {}},
        ReplyCase{"LastWellFormedWins",
                  "12",
                  {"N12 11111111 N 2", "N12 22222222 R 3", "N12 bad"},
                  {"TV", "12", "22222222", "R", "3", ""},
                  {"Error de sintaxis: N12 bad"}},
        ReplyCase{"NoMatch", "12", {"N13 20DF10EF R 1", "N120 20DF10EF R 1"}, {"TV", "12", "", "", "", ""}, {}},
        ReplyCase{"NumberMatchedAsText", "012", {"N12 20DF10EF R 1"}, {"TV", "012", "", "", "", ""}, {}},
        ReplyCase{"EmptyReply", "12", {}, {"TV", "12", "", "", "", ""}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
