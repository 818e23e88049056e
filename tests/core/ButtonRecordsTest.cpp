#include <gtest/gtest.h>

#include "tables/syntax/ButtonRecords.h"

namespace {

struct LoadCase {
    const char* name;
    ProgramLines lines;
    Rows rows;
    Messages messages;
};

TEST(ButtonRecords, LoadsLines) {
    const LoadCase cases[] = {
        {"label line", {"B4 1 2 7", "XBL4|Luz"}, {{"Luz", "4", "RETENIDO", "2 7"}}, {}},
        {"no label line", {"B4 1 2 7"}, {{"BOTON4", "4", "RETENIDO", "2 7"}}, {}},
        {"blank label", {"B4 1 2", "XBL4|   "}, {{"BOTON4", "4", "RETENIDO", "2"}}, {}},
        {"label with blanks", {"XBL4|  Sala 1  ", "B4 0 1"}, {{"Sala 1", "4", "PULSADO", "1"}}, {}},
        {"number matched as text", {"B4 0 1", "XBL04|Luz"}, {{"BOTON4", "4", "PULSADO", "1"}}, {}},
        {"extra spaces", {"B  4   1 2    7  "}, {{"BOTON4", "4", "RETENIDO", "2 7"}}, {}},
        {"type word reads as 0", {"B4 PULSADO 3"}, {{"BOTON4", "4", "PULSADO", "3"}}, {}},
        {"type read up to a non-digit", {"B4 1x 3"}, {{"BOTON4", "4", "RETENIDO", "3"}}, {}},
        {"type with a sign", {"B4 +1 3"}, {{"BOTON4", "4", "RETENIDO", "3"}}, {}},
        {"unknown type", {"B4 5 3"}, {{"BOTON4", "4", "", "3"}}, {}},
        {"negative type", {"B4 -1 3"}, {{"BOTON4", "4", "", "3"}}, {}},
        {"no macro", {"B4 0"}, {}, {"Error de sintaxis:\nB4 0"}},
        {"letter alone", {"B"}, {}, {"Error de sintaxis:\nB"}},
        {"bad line skipped, loading goes on",
         {"B1 0 1", "B2", "B3 1 3"},
         {{"BOTON1", "1", "PULSADO", "1"}, {"BOTON3", "3", "RETENIDO", "3"}},
         {"Error de sintaxis:\nB2"}},
        {"other kinds ignored", {"M4 N1", "XML4|Cine", "b4 0 1", "N4 00FF00FF R 1"}, {}, {}},
    };
    for (const LoadCase& c : cases) {
        SCOPED_TRACE(c.name);
        Rows rows;
        Messages messages;
        ButtonRecords().Load(c.lines, rows, messages);
        EXPECT_EQ(rows, c.rows);
        EXPECT_EQ(messages, c.messages);
    }
}

TEST(ButtonRecords, LoadAppendsToPresentRows) {
    Rows rows{{"Luz", "4", "RETENIDO", "2 7"}};
    Messages messages;
    ButtonRecords().Load({"B5 0 1"}, rows, messages);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1], (Row{"BOTON5", "5", "PULSADO", "1"}));
}

TEST(ButtonRecords, SavesRecordThenLabel) {
    struct Case {
        Row row;
        ProgramLines lines;
    };
    const Case cases[] = {
        {{"Luz", "4", "RETENIDO", "2 7"}, {"B4 1 2 7", "XBL4|Luz"}},
        {{"Luz", "4", "PULSADO", "2   7"}, {"B4 0 2   7", "XBL4|Luz"}},
        {{"", "4", "retenido", "1"}, {"B4 0 1", "XBL4|"}},
        {{"Luz", "4", "", "1"}, {"B4 0 1", "XBL4|Luz"}},
        {{"Luz", "4", "RETENIDO", ""}, {"B4 1 ", "XBL4|Luz"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines[0]);
        EXPECT_EQ(ButtonRecords().Save({c.row}), c.lines);
    }
}

TEST(ButtonRecords, SavedRowsLoadBack) {
    const Rows rows{{"Luz", "4", "RETENIDO", "2 7"}, {"Sala 1", "12", "PULSADO", "1"}};
    Rows loaded;
    Messages messages;
    ButtonRecords().Load(ButtonRecords().Save(rows), loaded, messages);
    EXPECT_EQ(loaded, rows);
    EXPECT_TRUE(messages.empty());
}

TEST(ButtonRecords, ReportsFirstBadCell) {
    struct Case {
        const char* name;
        Rows rows;
        int row, col;
        std::string message;
    };
    const Case cases[] = {
        {"label with accent", {{"Sal\xF3n", "4", "PULSADO", "1"}}, 0, 0,
         "Error de sintaxis:\ncaracter no permitido"},
        {"number with a space", {{"Luz", " 4", "PULSADO", "1"}}, 0, 1,
         "Error de sintaxis:\nn\xFAmero no v\xE1lido"},
        {"empty type", {{"Luz", "4", "", "1"}}, 0, 2, "Error de sintaxis:\nvalor no permitido"},
        {"type in lower case", {{"Luz", "4", "pulsado", "1"}}, 0, 2,
         "Error de sintaxis:\nvalor no permitido"},
        {"macros with a comma", {{"Luz", "4", "PULSADO", "2,7"}}, 0, 3,
         "Error de sintaxis:\nvalor no permitido"},
        {"first row first", {{"Luz", "4", "PULSADO", "x"}, {"L\xFAz", "5", "PULSADO", "1"}}, 0, 3,
         "Error de sintaxis:\nvalor no permitido"},
        {"row order before column order", {{"Luz", "4", "PULSADO", "1"}, {"Luz", "5", "", "x"}}, 1, 2,
         "Error de sintaxis:\nvalor no permitido"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto fault = FirstFault(ButtonRecords(), c.rows);
        ASSERT_TRUE(fault.has_value());
        EXPECT_EQ(fault->row, c.row);
        EXPECT_EQ(fault->col, c.col);
        EXPECT_EQ(fault->message, c.message);
    }
    const Rows good{{"TV_LG+ \xD1", "4", "RETENIDO", "2  7"}, {"", "", "PULSADO", ""}};
    EXPECT_FALSE(FirstFault(ButtonRecords(), good));
}

TEST(ButtonRecords, TypeColumnIsAChoiceUnderAWideHeader) {
    const std::vector<ColumnDef> columns = ButtonRecords().Columns();
    ASSERT_EQ(columns.size(), 4u);
    EXPECT_EQ(columns[1].header, "N\xFAmero");
    EXPECT_EQ(columns[2].header, std::string(10, ' ') + "Tipo" + std::string(10, ' '));
    EXPECT_EQ(columns[2].kind, ColumnKind::Choice);
    EXPECT_EQ(columns[2].choices, (std::vector<std::string>{"PULSADO", "RETENIDO"}));
    EXPECT_TRUE(ButtonRecords().HasTestColumn());
    EXPECT_EQ(ButtonRecords().TestTarget({"Luz", "4", "PULSADO", "1"}), "B4");
}

}  // namespace
