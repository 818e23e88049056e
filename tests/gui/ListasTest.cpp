// The registry: whole-program traffic over the tables in their order.
#include <gtest/gtest.h>

#include "program/SintaxErrorException.h"
#include "program/WxText.h"
#include "tables/Listas.h"
#include "tests/support/GuiTestSupport.h"
#include "tests/support/SampleTables.h"

namespace {

class ListasTest : public testing::Test {
protected:
    void SetUp() override {
        saved = Listas;
        first = new ProbeLista(host.Column(), 'B');
        second = new ProbeLista(host.Column(), 'N');
        host.Add(first);
        host.Add(second);
        Listas = {first, second};
        first->AddRecord("Luz", "1", "A");
        first->AddRecord("Cine", "2", "B");
        second->AddRecord("TV", "7", "A");
        SetAllModified(false);
    }
    void TearDown() override { Listas = saved; }

    std::vector<Lista*> saved;
    TableHost host;
    ProbeLista* first = nullptr;
    ProbeLista* second = nullptr;
};

TEST_F(ListasTest, CollectProgramLinesKeepsRegistryOrderAndDropsOnlyLabelLines) {
    const ProgramLines all = CollectProgramLines(false);
    EXPECT_EQ(all, (ProgramLines{"B1 A", "XBL1|Luz", "B2 B", "XBL2|Cine", "N7 A", "XNL7|TV"}));
    EXPECT_EQ(CollectProgramLines(true), (ProgramLines{"B1 A", "B2 B", "N7 A"}));
}

TEST_F(ListasTest, CollectProgramLinesTakesTheTextBeingTyped) {
    TypeIntoCell(*second->GetGrid(), 0, 1, "8");
    EXPECT_EQ(CollectProgramLines(true), (ProgramLines{"B1 A", "B2 B", "N8 A"}));
    EXPECT_TRUE(second->IsModified());
}

TEST_F(ListasTest, ValidateAllReportsTheFirstTableInRegistryOrder) {
    second->GetGrid()->SetCellValue(0, 1, "x");
    first->GetGrid()->SetCellValue(1, 2, "C");
    try {
        ValidateAll();
        FAIL() << "no error reported";
    } catch (const SintaxErrorException& error) {
        EXPECT_STREQ(error.what(), "Error de sintaxis:\nvalor no permitido");
    }
    EXPECT_EQ(first->GetGrid()->GetGridCursorCoords(), wxGridCellCoords(1, 2));

    // Once corrected, the next check reports the second table.
    first->GetGrid()->SetCellValue(1, 2, "B");
    try {
        ValidateAll();
        FAIL() << "no error reported";
    } catch (const SintaxErrorException& error) {
        EXPECT_STREQ(error.what(), "Error de sintaxis:\nn\xFAmero no v\xE1lido");
    }
    EXPECT_EQ(second->GetGrid()->GetGridCursorCoords(), wxGridCellCoords(0, 1));
    EXPECT_EQ(first->GetGrid()->GetGridCursorCoords(), wxGridCellCoords(0, 0));
}

TEST_F(ListasTest, ValidateAllChecksWhatIsBeingTyped) {
    TypeIntoCell(*second->GetGrid(), 0, 0, ToWx("Sal\xF3n"));
    EXPECT_THROW(ValidateAll(), SintaxErrorException);
    EXPECT_EQ(second->GetGrid()->GetCellValue(0, 0), wxString::FromUTF8("Sal\xC3\xB3n"));
    EXPECT_FALSE(second->GetGrid()->IsCellEditControlShown());
}

TEST_F(ListasTest, ValidateAllWithAnEmptyFirstTable) {
    first->ClearRows();
    EXPECT_NO_THROW(ValidateAll());
    second->GetGrid()->SetCellValue(0, 1, "x");
    EXPECT_THROW(ValidateAll(), SintaxErrorException);
}

TEST_F(ListasTest, AnyModifiedSeesAnEditInProgress) {
    EXPECT_FALSE(AnyModified());
    TypeIntoCell(*second->GetGrid(), 0, 0, "TV");   // the stored text again
    EXPECT_FALSE(AnyModified());
    TypeIntoCell(*second->GetGrid(), 0, 0, "Radio");
    EXPECT_TRUE(AnyModified());
    EXPECT_EQ(second->GetGrid()->GetCellValue(0, 0), "Radio");
}

TEST_F(ListasTest, SetAllModifiedReachesEveryTable) {
    SetAllModified(true);
    EXPECT_TRUE(first->IsModified() && second->IsModified());
    SetAllModified(false);
    EXPECT_FALSE(first->IsModified() || second->IsModified());
    second->SetModified(true);
    EXPECT_TRUE(AnyModified());
}

}  // namespace
