#include <gtest/gtest.h>

#include "program/LabelMap.h"
#include "program/TextSplit.h"

namespace {

struct LabelCase {
    const char* name;
    ProgramLines lines;
    std::string number;
    std::string label;  // what a loaded alias with that number is called
};

class AliasLabelTest : public ::testing::TestWithParam<LabelCase> {};

TEST_P(AliasLabelTest, GivesTheLabel) {
    const LabelCase& c = GetParam();
    EXPECT_EQ(LabelFor(BuildLabelMap("XAL", c.lines), c.number, "ALIASIR"), c.label);
}

INSTANTIATE_TEST_SUITE_P(
    LabelLines, AliasLabelTest,
    ::testing::Values(
        LabelCase{"Trimmed", {"XAL12|  Cocina  "}, "12", "Cocina"},
        LabelCase{"TabsTrimmed", {"XAL12|\tCocina\t"}, "12", "Cocina"},
        LabelCase{"InnerBlanksKept", {"XAL12|Sala  de estar"}, "12", "Sala  de estar"},
        LabelCase{"NoLabelLine", {"A12 00FF00FF"}, "12", "ALIASIR12"},
        LabelCase{"BarOnly", {"XAL12|"}, "12", "ALIASIR12"},
        LabelCase{"NoBar", {"XAL12"}, "12", "ALIASIR12"},
        LabelCase{"EmptyLabelField", {"XAL12||Cocina"}, "12", "ALIASIR12"},
        LabelCase{"BlankLabel", {"XAL12|   "}, "12", "ALIASIR12"},
        LabelCase{"FurtherFieldsIgnored", {"XAL12|Cocina|Comedor"}, "12", "Cocina"},
        LabelCase{"LastWins", {"XAL12|Sala", "XAL12|Patio"}, "12", "Patio"},
        LabelCase{"LastWinsEvenWhenEmpty", {"XAL12|Sala", "XAL12||x"}, "12", "ALIASIR12"},
        LabelCase{"NumbersMatchAsText", {"XAL012|Cocina"}, "12", "ALIASIR12"},
        LabelCase{"KeyNotTrimmed", {"XAL12 |Cocina"}, "12", "ALIASIR12"},
        LabelCase{"EmptyNumber", {"XAL|Cocina"}, "", "Cocina"},
        LabelCase{"OtherPrefix", {"XBL12|Cocina"}, "12", "ALIASIR12"},
        LabelCase{"PrefixIsCaseSensitive", {"xal12|Cocina"}, "12", "ALIASIR12"},
        LabelCase{"TooShort", {"XAL|"}, "", "ALIASIR"},
        LabelCase{"SingleByteLetters", {"XAL7|Ba\xF1o"}, "7", "Ba\xF1o"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BuildLabelMap, KeepsOnlyLinesOfItsPrefix) {
    const ProgramLines lines = {"XAL12|Cocina", "XBL12|Puerta", "A12 00FF00FF", "XAL3|Sala"};
    EXPECT_EQ(BuildLabelMap("XAL", lines), (LabelMap{{"12", "Cocina"}, {"3", "Sala"}}));
    EXPECT_EQ(BuildLabelMap("XBL", lines), (LabelMap{{"12", "Puerta"}}));
}

TEST(BuildLabelMap, FieldsBetweenBars) {
    // "|x" gives an empty key and x; "12||" gives 12 and an empty label.
    EXPECT_EQ(BuildLabelMap("XAL", {"XAL|x"}), (LabelMap{{"", "x"}}));
    EXPECT_EQ(BuildLabelMap("XAL", {"XAL12||"}), (LabelMap{{"12", ""}}));
}

struct SplitCase {
    std::string text;
    std::vector<std::string> pieces;
};

TEST(SplitAtSpaces, RunsOfSpacesSeparateOnce) {
    const SplitCase cases[] = {
        {"", {}},
        {"   ", {}},
        {"a", {"a"}},
        {"  12   20DF10EF R 1  ", {"12", "20DF10EF", "R", "1"}},
        {"a\tb", {"a\tb"}},
    };
    for (const SplitCase& c : cases) EXPECT_EQ(SplitAtSpaces(c.text), c.pieces) << '"' << c.text << '"';
}

TEST(Trim, RemovesWhiteSpaceAtTheEnds) {
    EXPECT_EQ(TrimEnd(" a b \t\r\n"), " a b");
    EXPECT_EQ(Trim(" \ta b \f"), "a b");
    EXPECT_EQ(Trim(" \t "), "");
    EXPECT_EQ(TrimEnd(""), "");
}

}  // namespace
