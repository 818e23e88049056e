// A program file's bytes through everything Open, Merge and Save do: split
// into lines, load every table, validate, collect and join into file bytes.
//
// Properties:
// - split lines are never empty and hold no CR or LF, and joining them and
//   splitting again gives the same lines;
// - every loaded row has one text per column plus the kind's hidden fields;
// - collecting without labels is collecting with labels minus the "X" lines;
// - one load normalises: when the loaded document passes validation (the
//   only documents Save writes), loading the written file again reports no
//   line and collects exactly the same lines, in order, byte for byte:
//   collect(load(write(collect(load(x))))) == collect(load(x)).
//   Left out: a raw IR row with an empty number (from a bare "C" line) is
//   written as "C", a space and its code, which reads back as a row whose
//   number is the code; the table's line syntax cannot tell them apart.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/FuzzCheck.h"
#include "program/ProgramFile.h"
#include "tables/syntax/ProgramDocument.h"

namespace {

void CheckRows(const ProgramDocument& document)
{
    for (int t = 0; t < document.TableCount(); ++t) {
        const RecordKind& kind = document.Kind(t);
        const std::size_t width = static_cast<std::size_t>(kind.ColumnCount() + kind.HiddenFields());
        for (const Row& row : document.Table(t)) {
            FUZZ_CHECK(row.size() == width);
            if (kind.HasTestColumn())
                FUZZ_CHECK(kind.TestTarget(row)[0] == kind.Letter());
        }
    }
}

bool HasRawIrRowWithoutNumber(const ProgramDocument& document)
{
    for (int t = 0; t < document.TableCount(); ++t) {
        if (document.Kind(t).Letter() != 'C')
            continue;
        for (const Row& row : document.Table(t)) {
            if (row[1].empty())
                return true;
        }
    }
    return false;
}

ProgramLines WithoutLabels(const ProgramLines& lines)
{
    ProgramLines kept;
    for (const std::string& line : lines) {
        if (line[0] != 'X')
            kept.push_back(line);
    }
    return kept;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const ProgramLines lines = SplitProgramText(bytes);
    for (const std::string& line : lines)
        FUZZ_CHECK(!line.empty() && line.find_first_of("\r\n") == std::string::npos);
    FUZZ_CHECK(SplitProgramText(JoinProgramText(lines)) == lines);

    ProgramDocument document;
    Messages messages;
    document.LoadAll(lines, messages);
    CheckRows(document);
    const bool valid = !document.Validate() && !HasRawIrRowWithoutNumber(document);
    const ProgramLines saved = document.Collect(false);
    for (const std::string& line : saved)
        FUZZ_CHECK(!line.empty());
    FUZZ_CHECK(document.Collect(true) == WithoutLabels(saved));

    ProgramDocument reopened;
    Messages again;
    reopened.LoadAll(SplitProgramText(JoinProgramText(saved)), again);
    CheckRows(reopened);
    if (valid) {
        FUZZ_CHECK(reopened.Collect(false) == saved);
        FUZZ_CHECK(again.empty());
    }

    // Merging the same file into what was loaded.
    Messages merging;
    document.MergeAll(lines, merging);
    CheckRows(document);
    document.Validate();
    document.Collect(false);
    return 0;
}
