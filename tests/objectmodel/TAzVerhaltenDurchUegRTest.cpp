// Behaviour of the transmission device 'R': the case picks the four parameter ids, and no
// parameter is written before it did; the four yes/no rows.
#include "objectmodel/TAzVerhaltenDurchUegR.h"
#include "FakeMainWindow.h"
#include "AzTestHilfen.h"
#include "platform/objectbase/MainWindowMessages.h"
#include "tests/platform/bustool/TempProject.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Trace = std::vector<std::string>;
using T = TAzVerhaltenDurchUegR;
using Bereich = T::TEnumUeGBereich;

struct VerhaltenTest : ::testing::Test {
    TFakeMainWindow main;
    T verhalten{main.Handle(), 1, 20, "Verhalten", 21};
    TDrawGridSE grid;

    const TDatenStruktur *Stored() { return main.FindDatenSatz(1, 21); }
};

TEST_F(VerhaltenTest, EachCaseWritesItsOwnFourParameters) {
    TTempProject &project = main.UseTemporaryProject();
    struct Case {
        Bereich bereich;
        Trace trace;
    };
    const Case cases[] = {
        {T_DB_EnumAzVerhaltenDurchUeGR::eEinbruch,
         {"1170", "13900=1", "13800=1", "13700=0", "13600=0"}},
        {T_DB_EnumAzVerhaltenDurchUeGR::eUeberfall,
         {"1170", "20010=1", "20020=1", "20030=0", "20040=0"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(static_cast<int>(c.bereich));
        EXPECT_TRUE(verhalten.SetUeGRBereich(c.bereich));
        EXPECT_EQ(verhalten.GetUeGRBereich(), c.bereich);
        main.ClearLog();
        EXPECT_TRUE(verhalten.WriteDataToDb());
        EXPECT_EQ(main.Trace(), c.trace);
    }
    EXPECT_EQ(project.Parameter(13900), 1);
    EXPECT_EQ(project.Parameter(20020), 1);
    EXPECT_EQ(project.Parameter(20030), 0);
}

TEST_F(VerhaltenTest, NoParameterIsWrittenBeforeTheCaseSetTheIds) {
    main.UseTemporaryProject();
    EXPECT_FALSE(verhalten.WriteDataToDb()) << "a new object has no ids yet";
    EXPECT_TRUE(main.Log().empty());

    EXPECT_TRUE(verhalten.SetUeGRBereich(T_DB_EnumAzVerhaltenDurchUeGR::eUeberfall));
    EXPECT_FALSE(verhalten.SetUeGRBereich(static_cast<Bereich>(2)));
    EXPECT_FALSE(verhalten.SetUeGRBereich(static_cast<Bereich>(-1)));
    EXPECT_EQ(verhalten.GetUeGRBereich(), T_DB_EnumAzVerhaltenDurchUeGR::eUeberfall);
    main.ClearLog();
    EXPECT_TRUE(verhalten.WriteDataToDb());
    EXPECT_EQ(main.Trace(), (Trace{"1170", "20010=1", "20020=1", "20030=0", "20040=0"}))
        << "a refused case keeps the ids";
}

TEST_F(VerhaltenTest, ALoadedCaseCountsOnlyAfterInitUeGRBereich) {
    TTempProject &project = main.UseTemporaryProject();
    verhalten.SetUeGRBereich(T_DB_EnumAzVerhaltenDurchUeGR::eUeberfall);
    TDatenStruktur rec;
    rec.Handle = 21;
    rec.Parent = 20;
    rec.System = 1;
    rec.Name = "Verhalten";
    rec.Bool3 = false;
    rec.Bool4 = true;
    rec.Bool5 = true;
    rec.Bool6 = true;
    rec.Param3 = 0x101; // the case is the low byte
    verhalten.InitFromDB(rec);
    EXPECT_EQ(verhalten.GetUeGRBereich(), T_DB_EnumAzVerhaltenDurchUeGR::eEinbruch);
    main.ClearLog();
    EXPECT_FALSE(verhalten.WriteDataToDb());
    EXPECT_TRUE(main.Log().empty()) << "the hold-up case's parameters are left alone";
    EXPECT_EQ(project.Parameter(20020), 0);

    EXPECT_TRUE(verhalten.InitUeGRBereich());
    EXPECT_TRUE(verhalten.WriteDataToDb());
    EXPECT_EQ(main.Trace(), (Trace{"1170", "13900=0", "13800=1", "13700=1", "13600=1"}));

    TDatenStruktur out;
    verhalten.Write(out);
    EXPECT_EQ(out.Typ, 6146);
    EXPECT_FALSE(out.Bool3);
    EXPECT_TRUE(out.Bool4);
    EXPECT_TRUE(out.Bool5);
    EXPECT_TRUE(out.Bool6);
    EXPECT_EQ(out.Param3, 1);
}

TEST_F(VerhaltenTest, FourYesNoRows) {
    EXPECT_EQ(verhalten.GetTyp(), 6146);
    EXPECT_EQ(verhalten.GetIcon(), 58);
    EXPECT_EQ(verhalten.ListStyle(), 1);
    EXPECT_EQ(verhalten.GetQuickHelpIndexOffset(), 217);
    verhalten.BuildInfoWindow(&grid, nullptr, false, -1, -1);
    ASSERT_EQ(RowIds(grid), (std::vector<int>{1, 2, 3, 4}));
    const char *captions[] = {"Blitz",
                              "Au\xDF"
                              "en-Sirene",
                              "Innen-Sirene", "Relais"};
    const char *values[] = {"Ja", "Ja", "Nein", "Nein"};
    for (int r = 0; r < 4; ++r) {
        SCOPED_TRACE(r);
        EXPECT_EQ(grid.Cells(0, r).Text, captions[r]);
        EXPECT_EQ(grid.Cells(1, r).Kind, TCell::ckComboBox);
        EXPECT_EQ(grid.Cells(1, r).Text, values[r]);
        EXPECT_EQ(grid.Cells(1, r).HelpIndex, 217 + r + 1);
    }
}

TEST_F(VerhaltenTest, AChangedRowIsWrittenAndTheOtherWindowsRefreshed) {
    struct Case {
        int rowId;
        int index;
        bool TDatenStruktur::*field;
    };
    const Case cases[] = {{T::RowBlitz, 0, &TDatenStruktur::Bool3},
                          {T::RowAussenSirene, 0, &TDatenStruktur::Bool4},
                          {T::RowInnenSirene, 1, &TDatenStruktur::Bool5},
                          {T::RowRelais, 1, &TDatenStruktur::Bool6}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.rowId);
        verhalten.BuildInfoWindow(&grid, nullptr, false, -1, -1);
        main.ClearLog();
        grid.ActivateCell(1, RowOf(grid, c.rowId));
        grid.SelectItem(1 - c.index); // the value it has
        DeliverPostedMessages();
        EXPECT_TRUE(main.Log().empty());
        grid.SelectItem(c.index);
        DeliverPostedMessages();
        EXPECT_EQ(main.Trace(), (Trace{"1127", "1130", "1163"}));
        ASSERT_NE(Stored(), nullptr);
        EXPECT_EQ(Stored()->*c.field, c.index == 1);
    }
}

} // namespace
