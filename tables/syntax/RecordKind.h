#pragma once
// The line syntax of one record kind, independent of any window: columns,
// loading program lines into rows, rows into lines, and the order of the cell
// checks. The editor's tables and the command-line tool share these.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "program/CellRules.h"
#include "program/ProgramLines.h"

enum class ColumnKind : std::int32_t { Text = 0, Choice = 1, Button = 2 };

struct ColumnDef {
    ColumnKind kind = ColumnKind::Text;
    std::string header;                 // Windows-1252
    std::vector<std::string> choices;   // Choice columns only, in display order
    bool readOnly = false;              // the user cannot type into it
};

struct Rgb { unsigned char red, green, blue; };

// One text per declared column, in column order (Button columns hold ""),
// followed by the kind's hidden fields (the raw IR code). Texts are Windows-1252.
using Row = std::vector<std::string>;
using Rows = std::vector<Row>;

// Messages for the user, in the order they are shown (Windows-1252).
using Messages = std::vector<std::string>;

struct CellCheck {
    int row = 0;
    int col = 0;
    CellRule rule = CellRule::None;
    std::vector<std::string> choices;
};

struct CellFault {
    int row = 0;
    int col = 0;
    std::string message;   // whole SintaxErrorException text
};

class RecordKind {
public:
    virtual ~RecordKind() = default;

    virtual char Letter() const = 0;
    virtual std::string Title() const = 0;
    virtual std::vector<ColumnDef> Columns() const = 0;
    virtual Rgb Background() const = 0;
    virtual bool HasTestColumn() const { return true; }
    virtual bool HasRowButtons() const { return true; }
    virtual const char* Legend() const { return nullptr; }
    // Number of fields after the declared columns in every Row.
    virtual int HiddenFields() const { return 0; }

    // The rows of a new or cleared table (the fixed rows of some kinds).
    virtual Rows InitialRows() const { return {}; }
    // A new row added by the user ("Agregar").
    virtual Row NewRow() const;

    // Loading program lines into the table's rows, as Open and reading from
    // the controller do (the rows are normally the cleared table's).
    virtual void Load(const ProgramLines& lines, Rows& rows, Messages& messages) const = 0;
    // Merge: only the command tables take part.
    virtual bool TakesMerge() const { return false; }
    virtual void Merge(const ProgramLines& lines, Rows& rows, Messages& messages) const;

    virtual ProgramLines Save(const Rows& rows) const = 0;

    // Every cell check of the table, in checking order.
    virtual std::vector<CellCheck> Checks(const Rows& rows) const = 0;

    // The item a "Probar" click on the row tries: the kind letter and the number.
    virtual std::string TestTarget(const Row& row) const;

    // Index of the number column (1 for every numbered kind).
    virtual int NumberColumn() const { return 1; }

    int ColumnCount() const { return static_cast<int>(Columns().size()); }
};

// The first failing check of the rows, or nothing.
std::optional<CellFault> FirstFault(const RecordKind& kind, const Rows& rows);

// The eight kinds in registry order: B, M, N, C, S, V, A, R.
const std::vector<const RecordKind*>& AllRecordKinds();
