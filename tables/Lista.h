#pragma once
// The common base of the table editors: a panel with a caption, a grid whose
// rows are the records, optionally the buttons "Agregar" and "Eliminar" and a
// read-only legend. Subclasses declare their columns and supply the record
// syntax; the base adds and deletes rows, draws button cells, routes clicks on
// them to OnButtonCell and TestRow, and keeps the modified flag.
//
// Construction: the subclass constructor calls BuildLayout(), sets the grid's
// default cell background colour and its fixed rows, then calls Relayout().
#include <string>
#include <vector>

#include <wx/grid.h>
#include <wx/panel.h>

#include "program/ProgramLines.h"
#include "tables/GridFitter.h"
#include "tables/syntax/RecordKind.h"

class ListaGridTable;

struct ColumnSpec {
    ColumnKind kind = ColumnKind::Text;
    wxString header;
    int choiceCount = 0;
    const wxString* choices = nullptr;   // choiceCount texts of static lifetime, not owned
};

class Lista : public wxPanel {
public:
    explicit Lista(wxWindow* parent);

    virtual void AddRow();
    virtual void DeleteSelectedRows();
    virtual void ClearRows();
    virtual void LoadFromProgram(const ProgramLines& lines) = 0;
    virtual void MergeFromProgram(const ProgramLines& lines);
    virtual ProgramLines SaveToProgram() = 0;
    // The table's lines with labels as a program file holds them, each
    // followed by one CR. Valid until the table next changes.
    virtual const std::string& ProgramText();
    // Throws SintaxErrorException at the first bad cell, with the cursor on
    // it; true otherwise. (It takes the place of wxWindow::Validate, which
    // nothing else calls on a table.)
    bool Validate() override = 0;
    virtual wxString GetTitle() const;
    virtual std::vector<ColumnSpec> GetColumns() const;
    virtual bool HasTestColumn() const;
    virtual bool HasRowButtons() const;
    virtual void OnButtonCell(int row, int col);
    virtual void TestRow(int row);
    // Windows-1252 text of static lifetime, or null for no legend.
    virtual const char* GetLegend() const;

    wxGrid* GetGrid() const { return grid; }
    bool IsModified() const { return modified; }
    void SetModified(bool flag) { modified = flag; }

    // Fits the grid to its rows and contents and lays out the windows around it.
    void Relayout();

protected:
    void BuildLayout();
    // One text per declared column; texts for Button columns are ignored.
    void AddRowWithValues(std::vector<wxString> values);
    void MakeButtonCell(int row, int col);
    const ListaGridTable& GridTable() const { return *table; }

    wxWindow* parentWindow;
    wxGrid* grid = nullptr;
    bool modified = false;

private:
    void OnAddButton(wxCommandEvent& event);
    void OnDeleteButton(wxCommandEvent& event);
    void OnCellLeftClick(wxGridEvent& event);
    void OnSelectCell(wxGridEvent& event);
    void OnCellChanged(wxGridEvent& event);
    void OnRowOrColumnSized(wxGridSizeEvent& event);
    bool LastRowIsBlank() const;
    // Fits what changed; the windows around are laid out again only when a
    // size changed.
    void Refit();
    void LayoutAround();

    ListaGridTable* table = nullptr;   // owned by the grid
    GridFitter fitter;
    std::string programText;
    bool resizedByUser = false;
    bool fitPending = false;
};

enum { kAddRowButtonId = 1000, kDeleteRowButtonId = 1010 };
