#include <gtest/gtest.h>

#include "tables/syntax/MacroRecords.h"

namespace {

TEST(MacroRecords, LoadsLines) {
    struct Case {
        const char* name;
        ProgramLines lines;
        Rows rows;
        Messages messages;
    };
    const Case cases[] = {
        {"label line", {"M2 N5 D10 S3", "XML2|Cine"}, {{"Cine", "2", "N5 D10 S3"}}, {}},
        {"no label line", {"M2 N5"}, {{"MACRO2", "2", "N5"}}, {}},
        {"repeated spaces become one", {"M2 N5   D10 "}, {{"MACRO2", "2", "N5 D10"}}, {}},
        {"spaces before the number", {"M   2 N5"}, {{"MACRO2", "2", "N5"}}, {}},
        {"lower case kept", {"M7 c3 n1 d20", "XML7|Ba\xF1o  "}, {{"Ba\xF1o", "7", "c3 n1 d20"}}, {}},
        {"steps not checked", {"M7 X1,Y"}, {{"MACRO7", "7", "X1,Y"}}, {}},
        {"empty steps", {"M2 "}, {}, {"Error de sintaxis: M2 "}},
        {"number alone", {"M2"}, {}, {"Error de sintaxis: M2"}},
        {"bad line skipped",
         {"M1 N1", "M", "M3 S3"},
         {{"MACRO1", "1", "N1"}, {"MACRO3", "3", "S3"}},
         {"Error de sintaxis: M"}},
        {"other kinds ignored", {"B2 0 1", "XBL2|Luz", "m2 N5"}, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rows rows;
        Messages messages;
        MacroRecords().Load(c.lines, rows, messages);
        EXPECT_EQ(rows, c.rows);
        EXPECT_EQ(messages, c.messages);
    }
}

TEST(MacroRecords, SavesStepsAsTheyStand) {
    const Rows rows{{"Cine", "2", "N5   D10"}, {"", "3", ""}};
    const ProgramLines expected{"M2 N5   D10", "XML2|Cine", "M3 ", "XML3|"};
    EXPECT_EQ(MacroRecords().Save(rows), expected);
}

TEST(MacroRecords, ChecksStepCharactersOnly) {
    struct Case {
        const char* steps;
        bool passes;
    };
    const Case cases[] = {
        {"N5 D10 c3", true}, {"D", true},     {"55", true},          {"NN", true},  {"", true},
        {"N5,D10", false},   {"X1", false},   {"N\xC9" "5", false}, {"n5\tD1", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.steps);
        const auto fault = FirstFault(MacroRecords(), {{"Cine", "2", c.steps}});
        EXPECT_EQ(fault.has_value(), !c.passes);
        if (fault) {
            EXPECT_EQ(fault->col, 2);
            EXPECT_EQ(fault->message, "Error de sintaxis:\ncomando no v\xE1lido");
        }
    }
}

TEST(MacroRecords, ChecksLabelAndNumberFirst) {
    const Rows rows{{"Cine", "2", "N1"}, {"Cine.", "x", "X1"}};
    const auto fault = FirstFault(MacroRecords(), rows);
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->row, 1);
    EXPECT_EQ(fault->col, 0);
    EXPECT_EQ(fault->message, "Error de sintaxis:\ncaracter no permitido");
}

TEST(MacroRecords, LegendExplainsTheSixStepLetters) {
    ASSERT_NE(MacroRecords().Legend(), nullptr);
    EXPECT_STREQ(MacroRecords().Legend(),
                 "N -> Infrarrojo NEC\nC -> Infrarojo Crudo\nS -> Comando Serial\n"
                 "D -> Retardo de Tiempo\nI -> Redireccionamiento de Infrarojo\n"
                 "P -> Redireccionamiento Serial");
}

}  // namespace
