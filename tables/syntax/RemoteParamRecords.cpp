#include "tables/syntax/RemoteParamRecords.h"

#include <algorithm>

#include "program/TextSplit.h"
#include "tables/syntax/RecordLine.h"

namespace {

struct Parameter {
    const char* name;
    const char* defaultValue;
    CellRule rule;
};

const std::vector<std::string>& YesNo() {
    static const std::vector<std::string> choices{"Y", "N", "y", "n"};
    return choices;
}

// The fixed rows in table order. Only SSID and WPA2 may hold spaces.
const std::vector<Parameter>& Parameters() {
    static const std::vector<Parameter> parameters{
        {"HABILITADO", "N", CellRule::Choice},
        {"INSTALACION", "-", CellRule::NoSpaces},
        {"SECTOR", "-", CellRule::NoSpaces},
        {"SSID", "-", CellRule::None},
        {"WPA2", "-", CellRule::None},
        {"PORT", "9835", CellRule::Number},
        {"DHCP", "N", CellRule::Choice},
        {"IP", "255.255.255.255", CellRule::IpChars},
        {"MASK", "255.255.255.255", CellRule::IpChars},
        {"GATEWAY", "255.255.255.255", CellRule::IpChars},
        {"DNS", "255.255.255.255", CellRule::IpChars},
        {"PIN", "0", CellRule::Number},
    };
    return parameters;
}

bool KeepsInnerSpaces(const std::string& name) {
    return name == "SSID" || name == "WPA2";
}

// The value of a line "R " + name + " " + value. Values that may hold spaces
// are cut from the line at the fixed position after "R", the name and a space.
std::string ValueOf(const std::string& line, const std::vector<std::string>& pieces) {
    const std::string& name = pieces[0];
    if (!KeepsInnerSpaces(name)) return pieces[1];
    const std::size_t start = name.size() + 3;
    return start < line.size() ? line.substr(start) : std::string();
}

// The first row with the name, or none.
Row* RowNamed(Rows& rows, const std::string& name) {
    for (Row& row : rows) {
        if (row[0] == name) return &row;
    }
    return nullptr;
}

class RemoteParamKind : public RecordKind {
public:
    char Letter() const override { return 'R'; }
    std::string Title() const override { return "LISTA DE PAR\xC1METROS REMOTOS"; }
    Rgb Background() const override { return {255, 255, 255}; }
    bool HasTestColumn() const override { return false; }
    bool HasRowButtons() const override { return false; }

    std::vector<ColumnDef> Columns() const override {
        return {
            {ColumnKind::Text, "Par\xE1metro", {}, true},
            {ColumnKind::Text, "Valor", {}, false},
        };
    }

    Rows InitialRows() const override {
        Rows rows;
        for (const Parameter& parameter : Parameters())
            rows.push_back({parameter.name, parameter.defaultValue});
        return rows;
    }

    void Load(const ProgramLines& lines, Rows& rows, Messages& messages) const override {
        for (const std::string& line : lines) {
            if (!IsLineOfKind(Letter(), line)) continue;
            const std::string text = line.size() > 2 ? line.substr(2) : std::string();
            const std::vector<std::string> pieces = SplitAtSpaces(text);
            Row* const row = pieces.empty() ? nullptr : RowNamed(rows, pieces[0]);
            // A parameter saved with an empty value is "R" and its name alone,
            // and reads back as that empty value.
            if (pieces.empty() || (pieces.size() < 2 && !row)) {
                messages.push_back(BadLineMessage(line));
                continue;
            }
            if (row) (*row)[1] = pieces.size() < 2 ? std::string() : Trim(ValueOf(line, pieces));
        }
    }

    ProgramLines Save(const Rows& rows) const override {
        ProgramLines lines;
        for (const Row& row : rows) lines.push_back(TrimEnd("R " + row[0] + " " + row[1]));
        return lines;
    }

    // The rules belong to the row positions, not to the names in them.
    std::vector<CellCheck> Checks(const Rows& rows) const override {
        std::vector<CellCheck> checks;
        const std::size_t count = std::min(rows.size(), Parameters().size());
        for (std::size_t r = 0; r < count; ++r) {
            const CellRule rule = Parameters()[r].rule;
            checks.push_back({static_cast<int>(r), 1, rule,
                              rule == CellRule::Choice ? YesNo() : std::vector<std::string>{}});
        }
        return checks;
    }
};

}  // namespace

const RecordKind& RemoteParamRecords() {
    static const RemoteParamKind kind;
    return kind;
}
