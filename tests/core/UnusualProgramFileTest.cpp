// Files no editor would write: NUL bytes, megabyte lines, a million lines, no
// line ends at all, every byte value. Each opens (read, then every table
// loads) without failing, keeps what it can, and reports every line it drops.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "program/ProgramFile.h"
#include "tables/syntax/ProgramDocument.h"

namespace fs = std::filesystem;

namespace {

enum Table { Buttons, Macros, Nec, Raw, Serial, Speeds, Aliases, Remote };

const std::size_t kMegabyte = 1024 * 1024;

std::string Repeat(const std::string& piece, std::size_t times) {
    std::string text;
    text.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i) text += piece;
    return text;
}

// The bytes of a literal, NULs included.
template <std::size_t N>
std::string Bytes(const char (&literal)[N]) {
    return std::string(literal, N - 1);
}

// Every byte value except the line ends.
std::string AllBytes() {
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        if (b != '\r' && b != '\n') bytes += static_cast<char>(b);
    return bytes;
}

struct Opened {
    ProgramLines lines;
    ProgramDocument document;
    Messages messages;
};

struct UnusualFile {
    const char* name;
    std::function<std::string()> bytes;
    std::function<Messages()> dropped;   // the messages the load must give
    std::function<void(const Opened&)> check;
};

class UnusualProgramFileTest : public ::testing::TestWithParam<UnusualFile> {
protected:
    void SetUp() override {
        char name[] = "/tmp/zentrola-unusual-XXXXXX";
        ASSERT_NE(::mkdtemp(name), nullptr);
        folder_ = name;
    }
    void TearDown() override { fs::remove_all(folder_); }

    void Open(const std::string& path, Opened& opened) {
        ASSERT_TRUE(ReadProgramFile(path, opened.lines));
        opened.document.LoadAll(opened.lines, opened.messages);
    }

    fs::path folder_;
};

TEST_P(UnusualProgramFileTest, OpensKeepsWhatItCanAndReportsDrops) {
    const std::string path = (folder_ / "raro.zolp").string();
    std::ofstream(path, std::ios::binary) << GetParam().bytes();

    Opened opened;
    Open(path, opened);
    EXPECT_EQ(opened.messages, GetParam().dropped());
    GetParam().check(opened);

    // What was kept survives a save and a second open unchanged.
    const ProgramLines saved = opened.document.Collect(false);
    const std::string again = (folder_ / "otra.zolp").string();
    ASSERT_TRUE(WriteProgramFile(again, saved));
    Opened reopened;
    Open(again, reopened);
    EXPECT_TRUE(reopened.messages.empty());
    EXPECT_TRUE(reopened.document.Collect(false) == saved);
}

const std::string kLong = std::string(kMegabyte, 'x');

INSTANTIATE_TEST_SUITE_P(
    Files, UnusualProgramFileTest,
    ::testing::Values(
        // NUL is an ordinary byte: kept in the cells, caught by the cell rules.
        UnusualFile{"NulBytes",
                    [] { return Bytes("B1 0 1\0 2\rXBL1|Luz\0sala\r\0\0\0\rS1 \0AT\0\rA\0 20DF10EF\rN1\0\r"); },
                    [] { return Messages{Bytes("Error de sintaxis: N1\0")}; },
                    [](const Opened& o) {
                        EXPECT_EQ(o.lines.size(), 6u);
                        EXPECT_EQ(o.document.Table(Buttons).at(0),
                                  (Row{Bytes("Luz\0sala"), "1", "PULSADO", Bytes("1\0 2")}));
                        EXPECT_EQ(o.document.Table(Serial).at(0).at(2), Bytes("\0AT\0"));
                        EXPECT_EQ(o.document.Table(Aliases).at(0).at(1), std::string(1, '\0'));
                        const auto fault = o.document.Validate();
                        ASSERT_TRUE(fault);
                        EXPECT_EQ(fault->table, Buttons);
                        EXPECT_EQ(fault->fault.message, "Error de sintaxis:\ncaracter no permitido");
                    }},
        UnusualFile{"MegabyteLines",
                    [] {
                        return "S1 " + kLong + "\rXSL1|" + std::string(kMegabyte, 'L') + "\rC2 " +
                               Repeat("A5", kMegabyte / 2) + "\rB3 0 " + Repeat("7 ", kMegabyte / 2) + "\r" +
                               "M" + kLong + "\r";
                    },
                    [] { return Messages{"Error de sintaxis: M" + kLong}; },
                    [](const Opened& o) {
                        EXPECT_EQ(o.document.Table(Serial).at(0), (Row{std::string(kMegabyte, 'L'), "1", kLong}));
                        EXPECT_EQ(o.document.Table(Raw).at(0).at(3), Repeat("A5", kMegabyte / 2));
                        EXPECT_EQ(o.document.Table(Buttons).at(0).at(3).size(), kMegabyte - 1);
                    }},
        // Records with their labels, records that replace each other, lines
        // of no kind, and one malformed record among them.
        UnusualFile{"MillionLines",
                    [] {
                        std::string text;
                        for (int i = 0; i < 200000; ++i) {
                            const std::string number = std::to_string(i);
                            text += "N" + number + " 20DF10EF R 1\nXNL" + number + "|Tecla" + number +
                                    "\nV2 " + (i % 2 ? "9600" : "4800") + "\nR SSID red " + number +
                                    "\n# nota " + number + "\n";
                            if (i == 100000) text += "N" + number + " 20DF10EF\n";
                        }
                        return text;
                    },
                    [] { return Messages{"Error de sintaxis: N100000 20DF10EF"}; },
                    [](const Opened& o) {
                        EXPECT_EQ(o.lines.size(), 1000001u);
                        ASSERT_EQ(o.document.Table(Nec).size(), 200000u);
                        EXPECT_EQ(o.document.Table(Nec).back(),
                                  (Row{"Tecla199999", "199999", "20DF10EF", "R", "1", ""}));
                        EXPECT_EQ(o.document.Table(Speeds).at(1), (Row{"2", "9600"}));
                        EXPECT_EQ(o.document.Table(Remote).at(3), (Row{"SSID", "red 199999"}));
                    }},
        // One line: everything after "B1 0" lands in the button's macro cell,
        // where the cell rules stop it from being saved over the file.
        UnusualFile{"NoLineEnds",
                    [] { return std::string("B1 0 1XBL1|LuzN1 20DF10EF R 1V1 9600R SSID casa"); },
                    [] { return Messages{}; },
                    [](const Opened& o) {
                        EXPECT_EQ(o.lines.size(), 1u);
                        EXPECT_EQ(o.document.Table(Buttons).at(0).at(3), "1XBL1|LuzN1 20DF10EF R 1V1 9600R SSID casa");
                        EXPECT_TRUE(o.document.Table(Nec).empty());
                        const auto fault = o.document.Validate();
                        ASSERT_TRUE(fault);
                        EXPECT_EQ(fault->fault.message, "Error de sintaxis:\nvalor no permitido");
                    }},
        UnusualFile{"NoLineEndsMegabyte",
                    [] { return "S7 " + Repeat(AllBytes(), kMegabyte / 254); },
                    [] { return Messages{}; },
                    [](const Opened& o) {
                        ASSERT_EQ(o.lines.size(), 1u);
                        EXPECT_EQ(o.document.Table(Serial).at(0).at(2), Repeat(AllBytes(), kMegabyte / 254));
                    }},
        // Free text keeps every byte value exactly.
        UnusualFile{"EveryByteValue",
                    [] { return "S1 " + AllBytes() + "\r\nR SSID <" + AllBytes() + ">\n"; },
                    [] { return Messages{}; },
                    [](const Opened& o) {
                        EXPECT_EQ(o.document.Table(Serial).at(0).at(2), AllBytes());
                        const Rows& remote = o.document.Table(Remote);
                        EXPECT_EQ(remote.at(3), (Row{"SSID", "<" + AllBytes() + ">"}));
                    }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
