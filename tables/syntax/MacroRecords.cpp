#include "tables/syntax/MacroRecords.h"

#include "tables/syntax/LabelledRecordKind.h"
#include "tables/syntax/RecordLine.h"

namespace {

const char* const kLegend =
    "N -> Infrarrojo NEC\n"
    "C -> Infrarojo Crudo\n"
    "S -> Comando Serial\n"
    "D -> Retardo de Tiempo\n"
    "I -> Redireccionamiento de Infrarojo\n"
    "P -> Redireccionamiento Serial";

class MacroKind : public LabelledRecordKind {
public:
    MacroKind() : LabelledRecordKind('M', "N\xFAmero de macro", "MACRO") {}

    std::string Title() const override { return "LISTA DE MACROS"; }
    Rgb Background() const override { return {255, 229, 255}; }
    const char* Legend() const override { return kLegend; }

protected:
    std::vector<ColumnDef> FieldColumns() const override { return {{ColumnKind::Text, "Comandos", {}, false}}; }

    // The steps are the pieces after the number joined with single spaces.
    std::optional<Row> ReadFields(const std::string&, const std::vector<std::string>& pieces) const override {
        if (pieces.size() < 2) return std::nullopt;
        return Row{JoinFrom(pieces, 1)};
    }

    std::string FieldsText(const Row& row) const override { return row[2]; }

    void AddFieldChecks(int r, std::vector<CellCheck>& checks) const override {
        checks.push_back({r, 2, CellRule::MacroSteps, {}});
    }
};

}  // namespace

const RecordKind& MacroRecords() {
    static const MacroKind kind;
    return kind;
}
