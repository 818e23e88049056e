#include <gtest/gtest.h>

#include "tables/syntax/RemoteParamRecords.h"

namespace {

enum Param { HABILITADO, INSTALACION, SECTOR, SSID, WPA2, PORT, DHCP, IP, MASK, GATEWAY, DNS, PIN };

const ProgramLines kDefaultLines{
    "R HABILITADO N", "R INSTALACION -", "R SECTOR -",        "R SSID -",
    "R WPA2 -",       "R PORT 9835",     "R DHCP N",          "R IP 255.255.255.255",
    "R MASK 255.255.255.255", "R GATEWAY 255.255.255.255", "R DNS 255.255.255.255", "R PIN 0",
};

TEST(RemoteParamRecords, NewTableSavesTheTwelveDefaults) {
    const Rows rows = RemoteParamRecords().InitialRows();
    ASSERT_EQ(rows.size(), 12u);
    EXPECT_EQ(RemoteParamRecords().Save(rows), kDefaultLines);
    EXPECT_FALSE(FirstFault(RemoteParamRecords(), rows));
}

TEST(RemoteParamRecords, LoadsValuesIntoTheNamedRows) {
    struct Case {
        const char* name;
        ProgramLines lines;
        Param param;
        std::string value;
        Messages messages;
    };
    const Case cases[] = {
        {"plain value", {"R PORT 80"}, PORT, "80", {}},
        {"only the second piece", {"R PORT 80 90"}, PORT, "80", {}},
        {"runs of spaces", {"R  INSTALACION   casa  "}, INSTALACION, "casa", {}},
        {"SSID with inner spaces", {"R SSID Mi red  casa"}, SSID, "Mi red  casa", {}},
        {"WPA2 trimmed at both ends", {"R WPA2  clave con espacios \t"}, WPA2, "clave con espacios", {}},
        {"SSID after two spaces", {"R  SSID mi red"}, SSID, "mi red", {}},
        {"later line wins", {"R PIN 1", "R PIN 2"}, PIN, "2", {}},
        {"empty value saved line", {"R PIN"}, PIN, "", {}},
        {"empty SSID saved line", {"R SSID"}, SSID, "", {}},
        {"white space only value", {"R MASK \t\t 10"}, MASK, "", {}},
        {"unknown name without value", {"R FOO"}, PIN, "0", {"Error de sintaxis: R FOO"}},
        {"letter alone", {"R"}, PIN, "0", {"Error de sintaxis: R"}},
        {"name in lower case", {"R ssid otra"}, SSID, "-", {}},
        {"unknown name", {"R FOO 1"}, HABILITADO, "N", {}},
        {"other kinds ignored", {"r HABILITADO Y", "XRL0|x", "V1 9600"}, HABILITADO, "N", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rows rows = RemoteParamRecords().InitialRows();
        Messages messages;
        RemoteParamRecords().Load(c.lines, rows, messages);
        ASSERT_EQ(rows.size(), 12u);
        EXPECT_EQ(rows[c.param][1], c.value);
        EXPECT_EQ(messages, c.messages);
    }
}

TEST(RemoteParamRecords, LoadKeepsWhatTheProgramDoesNotMention) {
    Rows rows = RemoteParamRecords().InitialRows();
    rows[IP][1] = "10.0.0.2";
    Messages messages;
    RemoteParamRecords().Load({"R HABILITADO Y"}, rows, messages);
    EXPECT_EQ(rows[HABILITADO][1], "Y");
    EXPECT_EQ(rows[IP][1], "10.0.0.2");
    EXPECT_EQ(rows[PIN][1], "0");
}

TEST(RemoteParamRecords, SaveRemovesTrailingWhiteSpaceOnly) {
    Rows rows = RemoteParamRecords().InitialRows();
    rows[SSID][1] = "Mi red  casa  ";
    rows[WPA2][1] = "";
    rows[INSTALACION][1] = "  casa";
    const ProgramLines lines = RemoteParamRecords().Save(rows);
    EXPECT_EQ(lines[SSID], "R SSID Mi red  casa");
    EXPECT_EQ(lines[WPA2], "R WPA2");
    EXPECT_EQ(lines[INSTALACION], "R INSTALACION   casa");

    Rows loaded = RemoteParamRecords().InitialRows();
    Messages messages;
    RemoteParamRecords().Load(lines, loaded, messages);
    EXPECT_EQ(loaded[SSID][1], "Mi red  casa");
    EXPECT_EQ(loaded[INSTALACION][1], "casa");
    EXPECT_EQ(loaded[WPA2][1], "");
    EXPECT_TRUE(messages.empty());
}

TEST(RemoteParamRecords, ChecksValuesByRowPosition) {
    const std::string noSpaces = "Error de sintaxis:\nno se permiten espacios";
    const std::string notAllowed = "Error de sintaxis:\nvalor no permitido";
    const std::string badNumber = "Error de sintaxis:\nn\xFAmero no v\xE1lido";
    const std::string badIp = "Error de sintaxis:\nip no v\xE1lida";
    struct Case {
        Param param;
        const char* value;
        std::string message;   // empty when the value passes
    };
    const Case cases[] = {
        {HABILITADO, "Y", ""},         {HABILITADO, "n", ""},         {HABILITADO, "S", notAllowed},
        {HABILITADO, "si", notAllowed}, {HABILITADO, "", notAllowed}, {DHCP, "y", ""},
        {DHCP, "Yes", notAllowed},      {INSTALACION, "a b", noSpaces}, {SECTOR, "", ""},
        {SECTOR, "a ", noSpaces},       {SSID, "Mi red casa", ""},    {WPA2, "clave con | y \xE1", ""},
        {PORT, "98 35", badNumber},     {PIN, "x", badNumber},        {IP, "300.1.1", ""},
        {MASK, "....", ""},             {GATEWAY, "1.2.3.4 ", badIp}, {DNS, "1,2", badIp},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.param) + " " + c.value);
        Rows rows = RemoteParamRecords().InitialRows();
        rows[c.param][1] = c.value;
        const auto fault = FirstFault(RemoteParamRecords(), rows);
        if (c.message.empty()) {
            EXPECT_FALSE(fault);
        } else {
            ASSERT_TRUE(fault);
            EXPECT_EQ(fault->row, c.param);
            EXPECT_EQ(fault->col, 1);
            EXPECT_EQ(fault->message, c.message);
        }
    }
}

TEST(RemoteParamRecords, RulesFollowThePositionNotTheName) {
    Rows rows = RemoteParamRecords().InitialRows();
    rows[INSTALACION][0] = "SSID";
    rows[INSTALACION][1] = "a b";
    const auto fault = FirstFault(RemoteParamRecords(), rows);
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->row, INSTALACION);
}

TEST(RemoteParamRecords, FreeTextValuesAreStillCheckedForTheCodePage) {
    const std::vector<CellCheck> checks = RemoteParamRecords().Checks(RemoteParamRecords().InitialRows());
    ASSERT_EQ(checks.size(), 12u);
    for (int r = 0; r < 12; ++r) {
        SCOPED_TRACE(r);
        EXPECT_EQ(checks[r].row, r);
        EXPECT_EQ(checks[r].col, 1);
    }
    EXPECT_EQ(checks[SSID].rule, CellRule::None);
    EXPECT_EQ(checks[WPA2].rule, CellRule::None);
}

TEST(RemoteParamRecords, NamesAreReadOnlyAndThereAreNoRowButtons) {
    const std::vector<ColumnDef> columns = RemoteParamRecords().Columns();
    ASSERT_EQ(columns.size(), 2u);
    EXPECT_EQ(columns[0].header, "Par\xE1metro");
    EXPECT_TRUE(columns[0].readOnly);
    EXPECT_FALSE(columns[1].readOnly);
    EXPECT_EQ(RemoteParamRecords().Title(), "LISTA DE PAR\xC1METROS REMOTOS");
    EXPECT_FALSE(RemoteParamRecords().HasTestColumn());
    EXPECT_FALSE(RemoteParamRecords().HasRowButtons());
}

}  // namespace
