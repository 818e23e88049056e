#include "tables/syntax/ProgramDocument.h"

ProgramDocument::ProgramDocument() : kinds_(AllRecordKinds()) {
    for (const RecordKind* kind : kinds_) tables_.push_back(kind->InitialRows());
}

void ProgramDocument::ClearAll() {
    for (std::size_t i = 0; i < kinds_.size(); ++i) tables_[i] = kinds_[i]->InitialRows();
}

void ProgramDocument::LoadAll(const ProgramLines& lines, Messages& messages) {
    for (std::size_t i = 0; i < kinds_.size(); ++i) kinds_[i]->Load(lines, tables_[i], messages);
}

void ProgramDocument::MergeAll(const ProgramLines& lines, Messages& messages) {
    for (std::size_t i = 0; i < kinds_.size(); ++i) {
        if (kinds_[i]->TakesMerge()) kinds_[i]->Merge(lines, tables_[i], messages);
    }
}

ProgramLines ProgramDocument::Collect(bool excludeLabels) const {
    ProgramLines program;
    for (std::size_t i = 0; i < kinds_.size(); ++i) {
        for (std::string& line : kinds_[i]->Save(tables_[i])) {
            if (excludeLabels && !line.empty() && line[0] == 'X') continue;
            program.push_back(std::move(line));
        }
    }
    return program;
}

std::optional<DocumentFault> ProgramDocument::Validate() const {
    for (std::size_t i = 0; i < kinds_.size(); ++i) {
        if (auto fault = FirstFault(*kinds_[i], tables_[i]))
            return DocumentFault{static_cast<int>(i), std::move(*fault)};
    }
    return std::nullopt;
}
