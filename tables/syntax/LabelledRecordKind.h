#pragma once
// The numbered kinds whose rows start with a label and a number, the label
// travelling in its own line "X" + letter + "L" + number + "|" + label after
// each record line. Each kind only says how the pieces after the number
// become its fields, how its fields are written and how they are checked.
#include <optional>
#include <string>
#include <vector>

#include "tables/syntax/RecordKind.h"

class LabelledRecordKind : public RecordKind {
public:
    char Letter() const final { return letter_; }
    // "Etiqueta", the number column, then the kind's own columns.
    std::vector<ColumnDef> Columns() const final;

    // Reads every line of the kind and appends its row; a line the kind
    // rejects adds a message and is skipped. The label comes from the label
    // lines, else the default word followed by the number.
    void Load(const ProgramLines& lines, Rows& rows, Messages& messages) const final;
    // Per row: letter + number + " " + the fields' text, then the label line.
    ProgramLines Save(const Rows& rows) const final;
    // Per row: the label as a name, the number, then the kind's own checks.
    std::vector<CellCheck> Checks(const Rows& rows) const final;

    // After a successful learn: every reply line whose first piece is letter +
    // number (exact text) is read as a record line. A line the kind reads
    // sets the row's fields after the number (Button columns and hidden
    // fields stay), so the last good one decides; any other adds
    // "Error de sintaxis: " + the line to the messages.
    void ApplyLearnReply(const std::string& number, const ProgramLines& reply, Row& row,
                         Messages& messages) const;

protected:
    LabelledRecordKind(char letter, std::string numberHeader, std::string defaultWord);

    // The columns after label and number.
    virtual std::vector<ColumnDef> FieldColumns() const = 0;
    // The fields after label and number (every later column and hidden field)
    // from a record line and its pieces after the letter; nothing rejects it.
    virtual std::optional<Row> ReadFields(const std::string& line,
                                          const std::vector<std::string>& pieces) const = 0;
    // What the record line holds after the number and one space.
    virtual std::string FieldsText(const Row& row) const = 0;
    // The checks of row r after label and number, in checking order.
    virtual void AddFieldChecks(int r, std::vector<CellCheck>& checks) const = 0;
    // The message for a record line the kind rejects.
    virtual std::string RejectMessage(const std::string& line) const;

private:
    char letter_;
    std::string numberHeader_;
    std::string defaultWord_;
};
