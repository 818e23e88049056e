#include <gtest/gtest.h>

#include "tables/syntax/SpeedRecords.h"

namespace {

TEST(SpeedRecords, NewTableHasTwoPortsWithoutSpeedAndSavesNothing) {
    const Rows rows = SpeedRecords().InitialRows();
    EXPECT_EQ(rows, (Rows{{"1", ""}, {"2", ""}}));
    EXPECT_TRUE(SpeedRecords().Save(rows).empty());
}

TEST(SpeedRecords, LoadAlwaysRebuildsTheTwoRows) {
    struct Case {
        const char* name;
        Rows before;
        ProgramLines lines;
        Rows rows;
        Messages messages;
    };
    const Rows empty{{"1", ""}, {"2", ""}};
    const Rows filled{{"1", "300"}, {"2", "600"}};
    const Case cases[] = {
        {"port 2 only", empty, {"V2 115200"}, {{"1", ""}, {"2", "115200"}}, {}},
        {"both ports", empty, {"V1 9600", "V2 300"}, {{"1", "9600"}, {"2", "300"}}, {}},
        {"runs of spaces", empty, {"V 1  9600 "}, {{"1", "9600"}, {"2", ""}}, {}},
        {"later line wins", empty, {"V1 300", "V1 600"}, {{"1", "600"}, {"2", ""}}, {}},
        {"speed not checked", empty, {"V1 abc"}, {{"1", "abc"}, {"2", ""}}, {}},
        {"unknown port ignored", empty, {"V3 9600", "V01 9600"}, empty, {}},
        {"three pieces", empty, {"V1 9600 8"}, empty, {"Error de sintaxis: V1 9600 8"}},
        {"one piece", empty, {"V1"}, empty, {"Error de sintaxis: V1"}},
        {"no speed lines empties both", filled, {"B1 0 1"}, empty, {}},
        {"two rows, never four", filled, {"V2 1200"}, {{"1", ""}, {"2", "1200"}}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rows rows = c.before;
        Messages messages;
        SpeedRecords().Load(c.lines, rows, messages);
        EXPECT_EQ(rows, c.rows);
        EXPECT_EQ(messages, c.messages);
    }
}

TEST(SpeedRecords, SavesOnlyPortsWithASpeed) {
    struct Case {
        Rows rows;
        ProgramLines lines;
    };
    const Case cases[] = {
        {{{"1", "9600"}, {"2", ""}}, {"V1 9600"}},
        {{{"1", "9600  "}, {"2", "115200"}}, {"V1 9600", "V2 115200"}},
        {{{"1", "   "}, {"2", "300"}}, {"V2 300"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines.back());
        EXPECT_EQ(SpeedRecords().Save(c.rows), c.lines);
    }
}

TEST(SpeedRecords, ChecksPortAndSpeed) {
    struct Case {
        Rows rows;
        int row, col;
        std::string message;   // empty when the rows pass
    };
    const Case cases[] = {
        {{{"1", ""}, {"2", "115200"}}, 0, 0, ""},
        {{{"1", "9600"}, {"2", "abc"}}, 1, 1, "Error de sintaxis:\nvalor no permitido"},
        {{{"1", "9600 "}, {"2", ""}}, 0, 1, "Error de sintaxis:\nvalor no permitido"},
        {{{"x", "100"}, {"2", ""}}, 0, 0, "Error de sintaxis:\nn\xFAmero no v\xE1lido"},
    };
    for (const Case& c : cases) {
        const auto fault = FirstFault(SpeedRecords(), c.rows);
        if (c.message.empty()) {
            EXPECT_FALSE(fault);
            continue;
        }
        ASSERT_TRUE(fault);
        EXPECT_EQ(fault->row, c.row);
        EXPECT_EQ(fault->col, c.col);
        EXPECT_EQ(fault->message, c.message);
    }
}

TEST(SpeedRecords, PortsAreReadOnlyAndSpeedsAChoice) {
    const std::vector<ColumnDef> columns = SpeedRecords().Columns();
    ASSERT_EQ(columns.size(), 2u);
    EXPECT_TRUE(columns[0].readOnly);
    EXPECT_EQ(columns[1].kind, ColumnKind::Choice);
    EXPECT_EQ(columns[1].choices, (std::vector<std::string>{"300", "600", "1200", "2400", "4800", "9600",
                                                             "19200", "38400", "57600", "115200"}));
}

}  // namespace
