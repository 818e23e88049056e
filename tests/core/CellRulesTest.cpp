#include <gtest/gtest.h>

#include "program/CellRules.h"

namespace {

const std::string kNameFault = "caracter no permitido";
const std::string kNumberFault = "n\xFAmero no v\xE1lido";
const std::string kValueFault = "valor no permitido";
const std::string kStepFault = "comando no v\xE1lido";
const std::string kHexFault = "codigo no v\xE1lido";
const std::string kSpaceFault = "no se permiten espacios";
const std::string kIpFault = "ip no v\xE1lida";

struct RuleCase {
    CellRule rule;
    std::string text;
    std::vector<std::string> choices;
    std::string reason;  // empty: the text passes
};

class CellRuleTest : public ::testing::TestWithParam<RuleCase> {};

TEST_P(CellRuleTest, GivesTheReasonOrPasses) {
    const RuleCase& c = GetParam();
    const auto reason = BrokenRule(c.rule, c.text, c.choices);
    if (c.reason.empty())
        EXPECT_FALSE(reason.has_value()) << "text: " << c.text;
    else
        EXPECT_EQ(reason.value_or("(passes)"), c.reason) << "text: " << c.text;
}

const std::vector<std::string> kYesNo = {"Y", "N", "y", "n"};

INSTANTIATE_TEST_SUITE_P(
    EveryRule, CellRuleTest,
    ::testing::Values(
        // Empty cells pass every character-set rule and fail the hex code.
        RuleCase{CellRule::Name, "", {}, ""}, RuleCase{CellRule::Number, "", {}, ""},
        RuleCase{CellRule::NumberList, "", {}, ""}, RuleCase{CellRule::MacroSteps, "", {}, ""},
        RuleCase{CellRule::IpChars, "", {}, ""}, RuleCase{CellRule::NoSpaces, "", {}, ""},
        RuleCase{CellRule::HexCode, "", {}, kHexFault},
        RuleCase{CellRule::Choice, "", kYesNo, kValueFault},
        RuleCase{CellRule::Choice, "", {"", "x"}, ""},
        // Names: letters, digits, space, _ + -, and the single bytes Ñ ñ.
        RuleCase{CellRule::Name, "Sala 1", {}, ""}, RuleCase{CellRule::Name, "TV_LG+", {}, ""},
        RuleCase{CellRule::Name, "a-b", {}, ""}, RuleCase{CellRule::Name, "Ba\xF1o", {}, ""},
        RuleCase{CellRule::Name, "\xD1U", {}, ""},
        RuleCase{CellRule::Name, "Sal\xF3n", {}, kNameFault},
        RuleCase{CellRule::Name, "\xDC", {}, kNameFault}, RuleCase{CellRule::Name, "\xFC", {}, kNameFault},
        RuleCase{CellRule::Name, "a.b", {}, kNameFault}, RuleCase{CellRule::Name, "a/b", {}, kNameFault},
        RuleCase{CellRule::Name, "a|b", {}, kNameFault}, RuleCase{CellRule::Name, "a\tb", {}, kNameFault},
        RuleCase{CellRule::Name, std::string("a\0b", 3), {}, kNameFault},
        // Numbers: digits only.
        RuleCase{CellRule::Number, "0123", {}, ""}, RuleCase{CellRule::Number, " 12", {}, kNumberFault},
        RuleCase{CellRule::Number, "1 2", {}, kNumberFault}, RuleCase{CellRule::Number, "1a", {}, kNumberFault},
        RuleCase{CellRule::Number, "-1", {}, kNumberFault},
        // Choices: exact and case-sensitive.
        RuleCase{CellRule::Choice, "y", kYesNo, ""}, RuleCase{CellRule::Choice, "Yes", kYesNo, kValueFault},
        RuleCase{CellRule::Choice, "S", kYesNo, kValueFault},
        RuleCase{CellRule::Choice, "R ", {"R", "N"}, kValueFault},
        // Digit lists: digits and spaces, repeated spaces allowed.
        RuleCase{CellRule::NumberList, "1 2  30 ", {}, ""},
        RuleCase{CellRule::NumberList, "1,2", {}, kValueFault},
        // Macro steps.
        RuleCase{CellRule::MacroSteps, "N5 D10 c3", {}, ""},
        RuleCase{CellRule::MacroSteps, "i1 p2 S3 s4", {}, ""},
        RuleCase{CellRule::MacroSteps, "N5,D10,c3", {}, kStepFault},
        RuleCase{CellRule::MacroSteps, "X1", {}, kStepFault},
        // Hex codes: exactly eight hexadecimal digits.
        RuleCase{CellRule::HexCode, "00ff00FF", {}, ""}, RuleCase{CellRule::HexCode, "FF00FF", {}, kHexFault},
        RuleCase{CellRule::HexCode, "00FF00G1", {}, kHexFault},
        RuleCase{CellRule::HexCode, "00FF00FF0", {}, kHexFault},
        RuleCase{CellRule::HexCode, "00FF 0FF", {}, kHexFault},
        // IP characters only.
        RuleCase{CellRule::IpChars, "1.2", {}, ""}, RuleCase{CellRule::IpChars, "999.999.999.999", {}, ""},
        RuleCase{CellRule::IpChars, "....", {}, ""},
        RuleCase{CellRule::IpChars, "10.0.0.1 ", {}, kIpFault},
        // No spaces anywhere; other characters are fine.
        RuleCase{CellRule::NoSpaces, "Sal\xF3n-1.", {}, ""},
        RuleCase{CellRule::NoSpaces, "a b", {}, kSpaceFault},
        RuleCase{CellRule::NoSpaces, " ", {}, kSpaceFault},
        // No rule: anything passes.
        RuleCase{CellRule::None, std::string("\x80\xFF \0|", 5), {}, ""}));

TEST(SintaxErrorMessage, IsThePrefixAndTheReason) {
    EXPECT_EQ(kSintaxErrorPrefix, "Error de sintaxis:\n");
    EXPECT_EQ(SintaxErrorMessage("valor no permitido"), "Error de sintaxis:\nvalor no permitido");
}

TEST(UnencodableCellMessage, NamesTableAndRow) {
    const std::string message = UnencodableCellMessage("LISTA DE MACROS", 3);
    EXPECT_EQ(message.rfind(kSintaxErrorPrefix, 0), 0u);
    EXPECT_NE(message.find("LISTA DE MACROS"), std::string::npos);
    EXPECT_NE(message.find('3'), std::string::npos);
}

}  // namespace
