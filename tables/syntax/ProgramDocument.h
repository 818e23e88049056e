#pragma once
// A whole program without windows: one table of rows per record kind, in
// registry order (B, M, N, C, S, V, A, R). The command-line tool and the
// tests use it; the editor's registry does the same through its tables.
#include <optional>
#include <vector>

#include "program/ProgramLines.h"
#include "tables/syntax/RecordKind.h"

struct DocumentFault {
    int table = 0;      // index in registry order
    CellFault fault;
};

class ProgramDocument {
public:
    // Every table starts with its kind's initial rows.
    ProgramDocument();

    int TableCount() const { return static_cast<int>(tables_.size()); }
    const RecordKind& Kind(int table) const { return *kinds_[table]; }
    Rows& Table(int table) { return tables_[table]; }
    const Rows& Table(int table) const { return tables_[table]; }

    // Every table back to its kind's initial rows.
    void ClearAll();

    // Each kind reads its lines into its table, in registry order. Nothing is
    // cleared first: Open and reading from the controller clear all, then load.
    void LoadAll(const ProgramLines& lines, Messages& messages);

    // Each kind that takes part in Merge appends the rows it reads.
    void MergeAll(const ProgramLines& lines, Messages& messages);

    // The whole program; label lines (first character "X") left out when asked.
    ProgramLines Collect(bool excludeLabels) const;

    // The first bad cell, tables in registry order.
    std::optional<DocumentFault> Validate() const;

private:
    std::vector<const RecordKind*> kinds_;
    std::vector<Rows> tables_;
};
