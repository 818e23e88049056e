#include <gtest/gtest.h>

#include "tables/syntax/AliasRecords.h"

namespace {

TEST(AliasRecords, LoadsLines) {
    struct Case {
        const char* name;
        ProgramLines lines;
        Rows rows;
        Messages messages;
    };
    const Case cases[] = {
        {"label line", {"A12 20DF10EF", "XAL12|TV"}, {{"TV", "12", "20DF10EF", ""}}, {}},
        {"no label line", {"A12 20DF10EF"}, {{"ALIASIR12", "12", "20DF10EF", ""}}, {}},
        {"runs of spaces", {"A  12   20DF10EF"}, {{"ALIASIR12", "12", "20DF10EF", ""}}, {}},
        {"label with trailing blanks", {"A12 20DF10EF", "XAL12|TV  "}, {{"TV", "12", "20DF10EF", ""}}, {}},
        {"empty label", {"A12 20DF10EF", "XAL12||Cocina"}, {{"ALIASIR12", "12", "20DF10EF", ""}}, {}},
        {"last label line wins",
         {"XAL12|Sala", "A12 20DF10EF", "XAL12|Patio"},
         {{"Patio", "12", "20DF10EF", ""}},
         {}},
        {"number matched as text", {"A12 20DF10EF", "XAL012|Cocina"}, {{"ALIASIR12", "12", "20DF10EF", ""}}, {}},
        {"code not checked", {"A12 xyz"}, {{"ALIASIR12", "12", "xyz", ""}}, {}},
        {"three pieces", {"A12 20DF10EF X"}, {}, {"Error de sintaxis: A12 20DF10EF X"}},
        {"one piece", {"A12"}, {}, {"Error de sintaxis: A12"}},
        {"bad lines skipped",
         {"A", "A1 00FF00FF", "A2"},
         {{"ALIASIR1", "1", "00FF00FF", ""}},
         {"Error de sintaxis: A", "Error de sintaxis: A2"}},
        {"other kinds ignored", {"a12 20DF10EF", "N12 20DF10EF R 1", "XNL12|TV"}, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rows rows;
        Messages messages;
        AliasRecords().Load(c.lines, rows, messages);
        EXPECT_EQ(rows, c.rows);
        EXPECT_EQ(messages, c.messages);
    }
}

TEST(AliasRecords, SavesRecordThenLabel) {
    const Rows rows{{"TV", "12", "20DF10EF", ""}, {"", "3", "", ""}};
    const ProgramLines expected{"A12 20DF10EF", "XAL12|TV", "A3 ", "XAL3|"};
    EXPECT_EQ(AliasRecords().Save(rows), expected);
}

TEST(AliasRecords, ReportsFirstBadCell) {
    struct Case {
        const char* name;
        Row row;
        int col;
        std::string message;
    };
    const Case cases[] = {
        {"label with a slash", {"TV/2", "12", "20DF10EF", ""}, 0, "Error de sintaxis:\ncaracter no permitido"},
        {"number with a letter", {"TV", "12a", "20DF10EF", ""}, 1, "Error de sintaxis:\nn\xFAmero no v\xE1lido"},
        {"empty code", {"TV", "12", "", ""}, 2, "Error de sintaxis:\ncodigo no v\xE1lido"},
        {"six digits", {"TV", "12", "FF00FF", ""}, 2, "Error de sintaxis:\ncodigo no v\xE1lido"},
        {"non-hex digit", {"TV", "12", "00FF00G1", ""}, 2, "Error de sintaxis:\ncodigo no v\xE1lido"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto fault = FirstFault(AliasRecords(), {c.row});
        ASSERT_TRUE(fault);
        EXPECT_EQ(fault->col, c.col);
        EXPECT_EQ(fault->message, c.message);
    }
    const Rows mixedCase{{"TV", "12", "00ff00FF", ""}};
    EXPECT_FALSE(FirstFault(AliasRecords(), mixedCase));
}

TEST(AliasRecords, LearnReplySetsTheCode) {
    struct Case {
        const char* name;
        std::string number;
        ProgramLines reply;
        std::string code;
        Messages messages;
    };
    const Case cases[] = {
        {"matching line", "12", {"A11 11111111", "A12 20DF10EF", "A120 99999999"}, "20DF10EF", {}},
        {"last match decides", "12", {"A12 11111111", "A12  22222222 "}, "22222222", {}},
        {"no match", "12", {"A012 11111111", "N12 11111111 R 1"}, "OLDCODE1", {}},
        {"empty reply", "12", {}, "OLDCODE1", {}},
        {"malformed match", "12", {"A12 11111111 X", "A12"}, "OLDCODE1",
         {"Error de sintaxis: A12 11111111 X", "Error de sintaxis: A12"}},
        {"malformed then good", "12", {"A12", "A12 33333333"}, "33333333", {"Error de sintaxis: A12"}},
        {"empty number", "", {"A12 11111111", "A 44444444"}, "OLDCODE1", {"Error de sintaxis: A 44444444"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Row row{"TV", c.number, "OLDCODE1", ""};
        Messages messages;
        ApplyAliasLearnReply(c.number, c.reply, row, messages);
        EXPECT_EQ(row, (Row{"TV", c.number, c.code, ""}));
        EXPECT_EQ(messages, c.messages);
    }
}

TEST(AliasRecords, FailedLearnFillsOnlyAnEmptyCode) {
    Row empty{"TV", "12", "", ""};
    ApplyAliasLearnFailure(empty);
    EXPECT_EQ(empty[2], "FFFFFFFF");

    Row present{"TV", "12", "20DF10EF", ""};
    ApplyAliasLearnFailure(present);
    EXPECT_EQ(present[2], "20DF10EF");
}

TEST(AliasRecords, LearnCommandNamesTheAlias) {
    EXPECT_EQ(AliasLearnCommand("12"), "A12 L");
    EXPECT_EQ(AliasLearnCommand(""), "A L");
}

TEST(AliasRecords, LearnColumnIsAButtonAndThereIsNoTestColumn) {
    const std::vector<ColumnDef> columns = AliasRecords().Columns();
    ASSERT_EQ(columns.size(), 4u);
    EXPECT_EQ(columns[2].header, "C\xF3" "digo NEC");
    EXPECT_EQ(columns[3].kind, ColumnKind::Button);
    EXPECT_FALSE(AliasRecords().HasTestColumn());
    EXPECT_TRUE(AliasRecords().HasRowButtons());
}

}  // namespace
