#include <gtest/gtest.h>

#include <algorithm>

#include "program/ProgramFile.h"
#include "tables/syntax/ProgramDocument.h"

namespace {

const std::string kRawCode = std::string(512, 'A') + std::string(512, '5');

enum Table { Buttons, Macros, Nec, Raw, Serial, Speeds, Aliases, Remote };

// A program with every kind, as a saved file holds it: registry order, each
// record followed by its label line.
ProgramLines SavedProgram() {
    return {
        "B4 1 2 7", "XBL4|Luz",
        "B5 0 3", "XBL5|Persiana",
        "M2 N12 D10 S3", "XML2|Cine",
        "M3 C3", "XML3|Radio",
        "N12 20DF10EF R 1", "XNL12|Televisor",
        "C3 " + kRawCode, "XCL3|Radio",
        "S3 PWR  ON", "XSL3|Proyector",
        "V1 9600",
        "A12 20DF10EF", "XAL12|TV",
        "R HABILITADO Y", "R INSTALACION casa", "R SECTOR 1", "R SSID Mi red", "R WPA2 clave larga",
        "R PORT 9835", "R DHCP N", "R IP 192.168.1.20", "R MASK 255.255.255.0",
        "R GATEWAY 192.168.1.1", "R DNS 8.8.8.8", "R PIN 4",
    };
}

ProgramLines WithoutLabels(ProgramLines lines) {
    lines.erase(std::remove_if(lines.begin(), lines.end(),
                               [](const std::string& line) { return !line.empty() && line[0] == 'X'; }),
                lines.end());
    return lines;
}

ProgramDocument Loaded(const ProgramLines& lines) {
    ProgramDocument document;
    Messages messages;
    document.LoadAll(lines, messages);
    EXPECT_TRUE(messages.empty());
    return document;
}

TEST(ProgramDocument, TablesFollowTheRegistryOrder) {
    const ProgramDocument document;
    ASSERT_EQ(document.TableCount(), 8);
    std::string letters;
    for (int i = 0; i < document.TableCount(); ++i) letters += document.Kind(i).Letter();
    EXPECT_EQ(letters, "BMNCSVAR");
}

TEST(ProgramDocument, NewProgramHoldsOnlyTheFixedRows) {
    const ProgramDocument document;
    EXPECT_EQ(document.Table(Speeds).size(), 2u);
    EXPECT_EQ(document.Table(Remote).size(), 12u);
    const ProgramLines lines = document.Collect(false);
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines.front(), "R HABILITADO N");
    EXPECT_EQ(lines.back(), "R PIN 0");
    EXPECT_FALSE(document.Validate());
}

TEST(ProgramDocument, LoadedProgramCollectsToTheSameLines) {
    const ProgramDocument document = Loaded(SavedProgram());
    EXPECT_EQ(document.Collect(false), SavedProgram());
    EXPECT_EQ(document.Collect(true), WithoutLabels(SavedProgram()));
    EXPECT_FALSE(document.Validate());
}

TEST(ProgramDocument, CollectPutsKindsInRegistryOrder) {
    ProgramLines shuffled = SavedProgram();
    std::reverse(shuffled.begin(), shuffled.end());
    const ProgramDocument document = Loaded(shuffled);
    // The rows of one kind follow their lines, so the two buttons and the two
    // macros come back swapped; the kinds return to registry order.
    ProgramLines expected = SavedProgram();
    std::swap(expected[0], expected[2]);
    std::swap(expected[1], expected[3]);
    std::swap(expected[4], expected[6]);
    std::swap(expected[5], expected[7]);
    EXPECT_EQ(document.Collect(false), expected);
}

TEST(ProgramDocument, ExampleProgramLoadsAndSavesUnchanged) {
    ProgramLines example;
    ASSERT_TRUE(ReadProgramFile(std::string(ZENTROLA_SOURCE_DIR) + "/examples/ejemplo.zolp", example));
    const ProgramDocument document = Loaded(example);
    EXPECT_EQ(document.Collect(false), example);
    EXPECT_FALSE(document.Validate());
}

TEST(ProgramDocument, ProgramFromTheControllerGetsDefaultLabels) {
    const ProgramDocument document = Loaded(WithoutLabels(SavedProgram()));
    EXPECT_EQ(document.Table(Buttons)[0][0], "BOTON4");
    EXPECT_EQ(document.Table(Macros)[1][0], "MACRO3");
    EXPECT_EQ(document.Table(Aliases)[0][0], "ALIASIR12");
    EXPECT_EQ(document.Collect(true), WithoutLabels(SavedProgram()));
}

TEST(ProgramDocument, LoadMessagesComeInRegistryOrder) {
    ProgramDocument document;
    Messages messages;
    document.LoadAll({"R", "A12", "V1 9600 8", "M2", "B4 0"}, messages);
    const Messages expected{"Error de sintaxis:\nB4 0", "Error de sintaxis: M2", "Error de sintaxis: V1 9600 8",
                            "Error de sintaxis: A12", "Error de sintaxis: R"};
    EXPECT_EQ(messages, expected);
}

TEST(ProgramDocument, ClearAllRestoresTheFixedRows) {
    ProgramDocument document = Loaded(SavedProgram());
    document.ClearAll();
    const ProgramDocument fresh;
    for (int i = 0; i < document.TableCount(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(document.Table(i), fresh.Table(i));
    }
}

TEST(ProgramDocument, LoadingTwiceWithoutClearingKeepsTwoSpeedRows) {
    ProgramDocument document = Loaded(SavedProgram());
    Messages messages;
    document.LoadAll(SavedProgram(), messages);
    EXPECT_EQ(document.Table(Speeds).size(), 2u);
    EXPECT_EQ(document.Table(Remote).size(), 12u);
    EXPECT_EQ(document.Table(Buttons).size(), 4u);
}

TEST(ProgramDocument, MergeAddsOnlyCommands) {
    ProgramDocument document = Loaded(SavedProgram());
    const ProgramDocument before = document;
    ProgramLines other = SavedProgram();
    std::replace(other.begin(), other.end(), std::string("R HABILITADO Y"), std::string("R HABILITADO N"));
    std::replace(other.begin(), other.end(), std::string("V1 9600"), std::string("V2 300"));
    Messages messages;
    document.MergeAll(other, messages);
    EXPECT_TRUE(messages.empty());
    for (int i = 0; i < document.TableCount(); ++i) {
        SCOPED_TRACE(i);
        const bool command = i == Nec || i == Raw || i == Serial;
        EXPECT_EQ(document.Table(i).size(), before.Table(i).size() * (command ? 2 : 1));
        if (!command) {
            EXPECT_EQ(document.Table(i), before.Table(i));
        }
    }
}

TEST(ProgramDocument, ValidateReportsTheFirstTableInRegistryOrder) {
    ProgramDocument document = Loaded(SavedProgram());
    document.Table(Aliases)[0][2] = "20DF10E";
    document.Table(Macros)[1][2] = "C3,X1";

    auto fault = document.Validate();
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->table, Macros);
    EXPECT_EQ(fault->fault.row, 1);
    EXPECT_EQ(fault->fault.col, 2);
    EXPECT_EQ(fault->fault.message, "Error de sintaxis:\ncomando no v\xE1lido");

    document.Table(Macros)[1][2] = "C3";
    fault = document.Validate();
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->table, Aliases);
    EXPECT_EQ(fault->fault.message, "Error de sintaxis:\ncodigo no v\xE1lido");
}

}  // namespace
