// The main window: its build, the About box, and closing with and without
// unsaved changes.
#include <gtest/gtest.h>

#include <wx/menu.h>
#include <wx/scrolwin.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>

#include "app/AboutBox.h"
#include "app/MainWindow.h"
#include "app/MyApp.h"
#include "app/MyFrame.h"
#include "program/WxText.h"
#include "tables/Listas.h"
#include "tests/support/GuiTestSupport.h"
#include "tests/support/SampleTables.h"

namespace {

TEST(VersionTest, FromTheBuildDate) {
    const struct {
        const char* date;
        const char* version;
    } cases[] = {
        {"Dec 31 2019", "19.12.31"},
        {"Jan  1 2020", "20.01.01"},
        {"Feb  6 2014", "14.02.06"},
        {"Oct 10 2105", "105.10.10"},
    };
    for (const auto& c : cases) EXPECT_EQ(VersionFromBuildDate(c.date), c.version) << c.date;
}

TEST(StartupFileTest, ExactlyOneArgumentNamesIt) {
    const struct {
        std::vector<const char*> arguments;
        const char* file;
    } cases[] = {
        {{"zentrola"}, ""},
        {{"zentrola", "casa.zolp"}, "casa.zolp"},
        {{"zentrola", "--help"}, "--help"},
        {{"zentrola", "a.zolp", "b.zolp"}, ""},
    };
    for (const auto& c : cases) {
        wxArrayString arguments;
        for (const char* argument : c.arguments) arguments.push_back(argument);
        EXPECT_EQ(StartupFileName(arguments), c.file);
    }
}

class MainFrameTest : public testing::Test {
protected:
    void SetUp() override {
        saved = Listas;
        frame = new MyFrame("Zentrola", "");
        SetMainWindow(frame);
        frame->Show();
        table = new ProbeLista(frame->GetColumn(), 'N');
        Listas.push_back(table);
        table->AddRecord("TV", "1", "A");
        SetAllModified(false);
        YieldBriefly();
    }
    void TearDown() override {
        if (!Closed()) frame->Destroy();
        YieldBriefly();
        Listas = saved;
        SetMainWindow(nullptr);
    }
    bool Closed() const { return wxTheApp->IsScheduledForDestruction(frame) || frame->IsBeingDeleted(); }

    std::vector<Lista*> saved;
    MyFrame* frame = nullptr;
    ProbeLista* table = nullptr;
};

TEST_F(MainFrameTest, BuildsTheWindow) {
    EXPECT_EQ(frame->GetTitle(), "Zentrola");
    EXPECT_EQ(frame->GetPosition(), wxPoint(64, 0));
    EXPECT_EQ(frame->GetCurrentFileName(), "");
    EXPECT_EQ(frame->GetStatusBar()->GetFieldsCount(), 2);

    wxScrolledWindow* column = frame->GetColumn();
    EXPECT_EQ(column->GetBackgroundColour(), wxColour(160, 160, 160));
    int x = -1, y = -1;
    column->GetScrollPixelsPerUnit(&x, &y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 10);
}

TEST_F(MainFrameTest, MenusInOrderWithTheirHelpTexts) {
    const struct {
        int id;   // wxID_SEPARATOR for a separator
        const char* text;
        const char* help;
    } file[] = {
        {wxID_NEW, "&Nuevo\tAlt-N", "Crea un nuevo programa"},
        {wxID_OPEN, "&Abrir\tAlt-A", "Carga un programa desde disco"},
        {103, "&Mezclar\tAlt-M", "Mezcla con un programa desde disco"},
        {wxID_SAVE, "&Guardar\tAlt-G", "Guarda el programa en disco"},
        {wxID_SAVEAS, "Guardar &como ...\tAlt-C", "Guarda el programa en disco con otro nombre"},
        {wxID_SEPARATOR, "", ""},
        {101, "&Recuperar desde el controlador", "Obtiene el programa grabado en la memoria en el controlador"},
        {102, "&Grabar en el controlador", "Graba el programa en la memoria del controlador"},
        {wxID_SEPARATOR, "", ""},
        {wxID_EXIT, "&Salir\tAlt-X", "Sale del programa"},
    }, help[] = {
        {100, "Ver la ayuda", "Abre el archivo de ayuda"},
        {wxID_SEPARATOR, "", ""},
        {wxID_ABOUT, "&Acerca de Zentrola", "Muestra informaci\xF3n de la versi\xF3n"},
    };
    wxMenuBar* bar = frame->GetMenuBar();
    ASSERT_EQ(bar->GetMenuCount(), 2u);
    EXPECT_EQ(bar->GetMenuLabel(0), "&Archivo");
    EXPECT_EQ(bar->GetMenuLabel(1), "A&yuda");
    auto check = [](wxMenu* menu, const auto& expected) {
        ASSERT_EQ(menu->GetMenuItemCount(), std::size(expected));
        size_t i = 0;
        for (const auto& item : expected) {
            const wxMenuItem* actual = menu->FindItemByPosition(i++);
            SCOPED_TRACE(item.text);
            EXPECT_EQ(actual->IsSeparator(), item.id == wxID_SEPARATOR);
            if (actual->IsSeparator()) continue;
            EXPECT_EQ(actual->GetId(), item.id);
            EXPECT_EQ(FromWx(actual->GetItemLabel()), item.text);
            EXPECT_EQ(FromWx(actual->GetHelp()), item.help);
            EXPECT_EQ(actual->GetKind(), wxITEM_NORMAL);
        }
    };
    check(bar->GetMenu(0), file);
    check(bar->GetMenu(1), help);
}

TEST_F(MainFrameTest, VerticalToolbarWithFiveTools) {
    wxToolBar* bar = frame->GetToolBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->GetId(), 10000);
    EXPECT_TRUE(bar->HasFlag(wxTB_VERTICAL));
    EXPECT_TRUE(bar->HasFlag(wxTB_TEXT));
    const struct {
        int id;
        const char* label;
        const char* shortHelp;
        const char* longHelp;
    } tools[] = {
        {wxID_NEW, "Nuevo", "Nuevo", "Crea un nuevo programa"},
        {wxID_OPEN, "Abrir", "Abrir", "Carga un programa desde disco"},
        {wxID_SAVE, "Guardar", "Guardar", "Guarda el programa en disco"},
        {wxID_SEPARATOR, "", "", ""},
        {102, "Grabar", "&Grabar en el controlador", "Graba el programa en la memoria del controlador"},
        {wxID_SEPARATOR, "", "", ""},
        {100, "Ayuda", "Ayuda", "Muestra la ayuda"},
    };
    ASSERT_EQ(bar->GetToolsCount(), std::size(tools));
    for (size_t i = 0; i < std::size(tools); ++i) {
        const wxToolBarToolBase* tool = bar->GetToolByPos(static_cast<int>(i));
        SCOPED_TRACE(tools[i].label);
        if (tools[i].id == wxID_SEPARATOR) {
            EXPECT_TRUE(tool->IsSeparator());
            continue;
        }
        EXPECT_EQ(tool->GetId(), tools[i].id);
        EXPECT_EQ(tool->GetLabel(), tools[i].label);
        EXPECT_EQ(tool->GetShortHelp(), tools[i].shortHelp);
        EXPECT_EQ(tool->GetLongHelp(), tools[i].longHelp);
        EXPECT_TRUE(tool->GetNormalBitmap().IsOk());
        EXPECT_TRUE(tool->IsEnabled());
    }
}

TEST_F(MainFrameTest, AboutShowsTheVersionOfThisBuild) {
    const std::string message = AboutMessage();
    EXPECT_EQ(message.rfind("Zentrola\nVersion: " + VersionFromBuildDate(__DATE__) + "\nhttp", 0), 0u) << message;
    wxCommandEvent about(wxEVT_MENU, wxID_ABOUT);
    wxTEST_DIALOG(frame->ProcessWindowEvent(about), ExpectMessageBox("Acerca de Zentrola", message, wxOK));
}

const std::string kDiscardQuestion = "El programa fue modificado y no guardado. \xBF" "Desea continuar?";

TEST_F(MainFrameTest, ClosingWithoutChangesAsksNothing) {
    frame->Close();   // the guard hook fails the test on any dialog
    EXPECT_TRUE(Closed());
}

TEST_F(MainFrameTest, ClosingWithChangesAsks) {
    const struct {
        const char* how;
        bool quitCommand;
        int answer;
        bool closes;
    } cases[] = {
        {"close box, No", false, wxNO, false},
        {"Salir, No", true, wxNO, false},
        {"close box, Yes", false, wxYES, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        table->GetGrid()->SetCellValue(0, 0, "Radio");
        table->SetModified(true);
        if (c.quitCommand) {
            wxCommandEvent quit(wxEVT_MENU, wxID_EXIT);
            wxTEST_DIALOG(frame->ProcessWindowEvent(quit), ExpectMessageBox("ATENCION", kDiscardQuestion, c.answer));
        } else {
            wxTEST_DIALOG(frame->Close(), ExpectMessageBox("ATENCION", kDiscardQuestion, c.answer));
        }
        EXPECT_EQ(Closed(), c.closes);
        if (!c.closes) {
            EXPECT_EQ(table->GetGrid()->GetCellValue(0, 0), "Radio");
        }
    }
}

TEST_F(MainFrameTest, AnEditInProgressCountsAsAChange) {
    TypeIntoCell(*table->GetGrid(), 0, 0, "Radio");
    wxTEST_DIALOG(frame->Close(), ExpectMessageBox("ATENCION", kDiscardQuestion, wxNO));
    EXPECT_FALSE(Closed());
    EXPECT_EQ(table->GetGrid()->GetCellValue(0, 0), "Radio");
}

TEST_F(MainFrameTest, TheQuestionIsAskedOverTheMainWindowWithNoAsDefault) {
    table->SetModified(true);
    class Inspect : public wxExpectModalBase<wxMessageDialog, Inspect> {
    protected:
        int OnInvoked(wxMessageDialog* dialog) const override {
            const long style = dialog->GetMessageDialogStyle();
            EXPECT_TRUE(style & wxYES_NO);
            EXPECT_TRUE(style & wxNO_DEFAULT);
            EXPECT_TRUE(style & wxICON_QUESTION);
            EXPECT_EQ(dialog->GetParent(), MainWindow());
            return wxID_NO;
        }
    };
    wxTEST_DIALOG(frame->Close(), Inspect());
}

}  // namespace
