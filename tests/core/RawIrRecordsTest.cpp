#include <gtest/gtest.h>

#include "tables/syntax/RawIrRecords.h"

namespace {

const RecordKind& RawIr() { return RawIrRecords(); }

std::string Code(char digit) { return std::string(1024, digit); }

struct LoadCase {
    const char* name;
    ProgramLines lines;
    Rows rows;
};

class RawIrLoadTest : public ::testing::TestWithParam<LoadCase> {};

TEST_P(RawIrLoadTest, ReadsItsLinesWithoutMessages) {
    const LoadCase& c = GetParam();
    Rows rows;
    Messages messages;
    RawIr().Load(c.lines, rows, messages);
    EXPECT_EQ(rows, c.rows);
    EXPECT_TRUE(messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Lines, RawIrLoadTest,
    ::testing::Values(
        LoadCase{"WellFormed", {"C3 " + Code('A'), "XCL3|Radio"}, {{"Radio", "3", "", Code('A')}}},
        LoadCase{"ExtraSpaces", {"C  3   " + Code('A') + "  "}, {{"IRCRUDO3", "3", "", Code('A')}}},
        LoadCase{"NoCode", {"C3"}, {{"IRCRUDO3", "3", "", EmptyRawCode()}}},
        LoadCase{"TwoPiecesAfterTheNumber", {"C3 AB CD"}, {{"IRCRUDO3", "3", "", EmptyRawCode()}}},
        LoadCase{"LetterAlone", {"C"}, {{"IRCRUDO", "", "", EmptyRawCode()}}},
        LoadCase{"CodeKeptAsWritten", {"C4 12ab"}, {{"IRCRUDO4", "4", "", "12ab"}}},
        LoadCase{"LabelWithBlanks", {"C3 AB", "XCL3| Radio  FM "}, {{"Radio  FM", "3", "", "AB"}}},
        LoadCase{"NumbersMatchAsText", {"C3 AB", "XCL03|Radio"}, {{"IRCRUDO3", "3", "", "AB"}}},
        LoadCase{"OtherLinesIgnored", {"N3 20DF10EF R 1", "c3 AB", "XCL3|Radio"}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RawIrRecords, RowsCarryTheCodeInTheirHiddenField) {
    EXPECT_EQ(RawIr().ColumnCount(), 3);
    EXPECT_EQ(RawIr().HiddenFields(), 1);
    EXPECT_EQ(RawIr().NewRow(), (Row{"", "", "", EmptyRawCode()}));
    EXPECT_EQ(EmptyRawCode(), std::string(1024, 'F'));
    EXPECT_EQ(RawIr().Columns()[kRawIrLearnColumn].kind, ColumnKind::Button);
    EXPECT_EQ(RawIr().TestTarget({"Radio", "3", "", Code('A')}), "C3");
}

TEST(RawIrRecords, SavesRecordThenLabel) {
    const Rows rows = {{"Radio", "3", "", EmptyRawCode()}, {"TV", "4", "", "12ab"}};
    EXPECT_EQ(RawIr().Save(rows), (ProgramLines{"C3 " + EmptyRawCode(), "XCL3|Radio", "C4 12ab", "XCL4|TV"}));
}

// Loading and merging both append: the codes of the rows present stay with
// their rows, and each read row brings its own code.
TEST(RawIrRecords, CodesStayInStepWhenRowsAreAppended) {
    const Rows present = {{"A", "1", "", Code('1')}, {"B", "2", "", Code('2')}, {"C", "3", "", Code('3')}};
    const ProgramLines file = {"C7 " + Code('7'), "XCL7|Siete", "C8", "XCL8|Ocho"};
    for (const bool merge : {true, false}) {
        Rows rows = present;
        Messages messages;
        if (merge)
            RawIr().Merge(file, rows, messages);
        else
            RawIr().Load(file, rows, messages);
        Rows expected = present;
        expected.push_back({"Siete", "7", "", Code('7')});
        expected.push_back({"Ocho", "8", "", EmptyRawCode()});
        EXPECT_EQ(rows, expected) << (merge ? "merge" : "load");
    }
}

TEST(RawIrRecords, SaveAndLoadGiveTheSameRows) {
    const Rows rows = {{"Radio", "3", "", Code('A')}, {"TV", "4", "", Code('B')}};
    Rows loaded;
    Messages messages;
    RawIr().Load(RawIr().Save(rows), loaded, messages);
    EXPECT_EQ(loaded, rows);
}

TEST(RawIrRecords, ChecksLabelThenNumber) {
    const Rows rows = {{"Radio", "3", "", "not a code"}, {"T.V", "x", "", ""}};
    const auto fault = FirstFault(RawIr(), rows);
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->row, 1);
    EXPECT_EQ(fault->col, 0);
    EXPECT_EQ(fault->message, "Error de sintaxis:\ncaracter no permitido");
}

struct LearnCase {
    const char* name;
    std::string text;
    std::string code;  // the row's code afterwards
    Messages messages;
};

class RawIrLearnTest : public ::testing::TestWithParam<LearnCase> {};

TEST_P(RawIrLearnTest, TakesTheCodeOfTheText) {
    const LearnCase& c = GetParam();
    Row row = {"Radio", "3", "", Code('A')};
    Messages messages;
    ApplyRawIrLearnText(c.text, row, messages);
    EXPECT_EQ(row, (Row{"Radio", "3", "", c.code}));
    EXPECT_EQ(messages, c.messages);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RawIrLearnTest,
    ::testing::Values(LearnCase{"Code", "C3 " + Code('B'), Code('B'), {}},
                      LearnCase{"NoCodeHeld", "", Code('A'), {"Error de sintaxis: "}},
                      LearnCase{"NumberOnly", "C3", Code('A'), {"Error de sintaxis: C3"}},
                      LearnCase{"TooManyPieces", "C3 AB CD", Code('A'), {"Error de sintaxis: C3 AB CD"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RawIrRecords, FailedLearnGivesAnEmptyCodeOnlyWhereThereWasNone) {
    EXPECT_EQ(RawIrLearnFailureCode(""), EmptyRawCode());
    EXPECT_EQ(RawIrLearnFailureCode("12ab"), "12ab");
    EXPECT_EQ(RawIrLearnCommand("3"), "C3");
}

}  // namespace
