#include "tables/syntax/SpeedRecords.h"

#include "program/TextSplit.h"
#include "tables/syntax/RecordLine.h"

namespace {

const std::vector<std::string>& Speeds() {
    static const std::vector<std::string> speeds{"300",   "600",   "1200",  "2400",  "4800",
                                                 "9600",  "19200", "38400", "57600", "115200"};
    return speeds;
}

// The speeds a cell may hold: the list or nothing.
const std::vector<std::string>& SpeedsOrEmpty() {
    static const std::vector<std::string> speeds = [] {
        std::vector<std::string> allowed = Speeds();
        allowed.push_back("");
        return allowed;
    }();
    return speeds;
}

Rows PortRows(const std::string& speed1, const std::string& speed2) {
    return {{"1", speed1}, {"2", speed2}};
}

class SpeedKind : public RecordKind {
public:
    char Letter() const override { return 'V'; }
    std::string Title() const override { return "LISTA DE VELOCIDADES SERIAL"; }
    Rgb Background() const override { return {255, 255, 255}; }
    bool HasTestColumn() const override { return false; }
    bool HasRowButtons() const override { return false; }

    std::vector<ColumnDef> Columns() const override {
        return {
            {ColumnKind::Text, "Port serie", {}, true},
            {ColumnKind::Choice, "Velocidad", Speeds(), false},
        };
    }

    Rows InitialRows() const override { return PortRows("", ""); }

    // Always rebuilds the two port rows; a later line for a port wins.
    void Load(const ProgramLines& lines, Rows& rows, Messages& messages) const override {
        std::string speed1;
        std::string speed2;
        for (const std::string& line : lines) {
            if (!IsLineOfKind(Letter(), line)) continue;
            const std::vector<std::string> pieces = SplitAtSpaces(line.substr(1));
            if (pieces.size() != 2) {
                messages.push_back(BadLineMessage(line));
                continue;
            }
            if (pieces[0] == "1") speed1 = pieces[1];
            else if (pieces[0] == "2") speed2 = pieces[1];
        }
        rows = PortRows(speed1, speed2);
    }

    ProgramLines Save(const Rows& rows) const override {
        ProgramLines lines;
        for (const Row& row : rows) {
            const std::string speed = TrimEnd(row[1]);
            if (!speed.empty()) lines.push_back("V" + row[0] + " " + speed);
        }
        return lines;
    }

    std::vector<CellCheck> Checks(const Rows& rows) const override {
        std::vector<CellCheck> checks;
        for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
            checks.push_back({r, 0, CellRule::Number, {}});
            checks.push_back({r, 1, CellRule::Choice, SpeedsOrEmpty()});
        }
        return checks;
    }
};

}  // namespace

const RecordKind& SpeedRecords() {
    static const SpeedKind kind;
    return kind;
}
