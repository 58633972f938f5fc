// The group-address check of an import: collecting the imported words, the look-up in the
// project, the status pass, the list and its sorting, changing a row through the change
// dialog, OK and cancel.
#include "DialogTestHilfen.h"

#include "deviceinstance/dialogs/TDeviceDialogeQt.h"
#include "deviceinstance/dialogs/TFDlgGaCheck.h"
#include "deviceinstance/dialogs/TFDlgGrpAddrChange.h"
#include "platform/vcl/Cp1252.h"

#include <QPushButton>

#include <memory>

namespace {

TDatenStruktur Objekt(int handle, int nummer, const char *name, int typ, int word) {
    TDatenStruktur r = Datensatz(handle, 806, 1, 1, 0, name);
    r.Param4 = nummer;
    r.Param8 = typ;
    r.Param15 = word;
    return r;
}

TDatenStruktur Kette(int handle, int parent, int word) {
    TDatenStruktur r = Datensatz(handle, 806, parent, 1);
    r.Typ = 0;
    r.Param15 = word;
    return r;
}

class GaCheck : public TDialogFixture {
protected:
    GaCheck() { Baum(); }
    std::unique_ptr<TFDlgGaCheck> Dialog() {
        return std::make_unique<TFDlgGaCheck>(nullptr, NewAddresses, Map, true,
                                              Device->GetMainGroups(), Device->GetMidSubGroups());
    }
    // A store of the records, keyed in their order.
    static std::unique_ptr<TDatenManager<TDatenStruktur>>
    Store(const std::vector<TDatenStruktur> &records) {
        auto store = std::make_unique<TDatenManager<TDatenStruktur>>("", 0);
        for (const TDatenStruktur &r : records)
            store->Add(r);
        return store;
    }
    // An import: object 3 on 1/0/1 (fits) with a chained link to 2/0/7 (fits), a link of 0;
    // object 5 (1 byte) and object 6 (1 bit) on the missing 1/2/5.
    static std::unique_ptr<TDatenManager<TDatenStruktur>> Import() {
        return Store({Objekt(10, 3, "Alarm", 1, 0x0801), Kette(11, 10, 0x1007), Kette(12, 10, 0),
                      Objekt(20, 5, "Status", 8, 0x0A05), Objekt(30, 6, "Quittung", 1, 0x0A05),
                      Datensatz(40, 6124, 1, 1, 0, "Melder 1")});
    }

    std::vector<RecNewGroupAddr> NewAddresses;
    std::map<int, TRecGroupAddrInfo> Map;
};

TEST_F(GaCheck, CollectsEveryWordOnceTypedAfterTheFirstObject) {
    auto dialog = Dialog();
    TModalDriverScope driver([](TModalDialog &) { return 3; });
    auto store = Import();
    EXPECT_EQ(dialog->CheckGaConsistence(store.get()), 3);
    ASSERT_EQ(Map.size(), 3u);
    const TRecGroupAddrInfo &fehlt = Map.at(0x0A05);
    EXPECT_EQ(fehlt.IstWord, 0x0A05);
    EXPECT_EQ(fehlt.ObjTyp, 8);
    EXPECT_EQ(fehlt.TypText, "1 Byte");
    EXPECT_EQ(fehlt.ObjekteText,
              Utf8ToAnsi("Im Gerät verknüpfte Objekte:\r\nObjekt5: Status\r\nObjekt6: Quittung"));
    EXPECT_EQ(Map.at(0x1007).ObjekteText,
              Utf8ToAnsi("Im Gerät verknüpfte Objekte:\r\nObjekt3: Alarm"))
        << "a chained link counts for its object";
    EXPECT_EQ(Map.at(0x1007).ObjTyp, 1);
    EXPECT_EQ(Map.count(0), 0u);
}

struct TLookFall {
    int word;
    int type;
    int status;
};

class KonvertEtsGAId : public GaCheck, public ::testing::WithParamInterface<TLookFall> {};

TEST_P(KonvertEtsGAId, TellsTheStateOfAWordForAType) {
    const TLookFall &c = GetParam();
    auto dialog = Dialog();
    int id = 0;
    EXPECT_EQ(dialog->KonvertEtsGAId(c.word, c.type, id), c.status);
    if (c.status == TFDlgGaCheck::StatusOk) {
        EXPECT_NE(id, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Faelle, KonvertEtsGAId,
                         ::testing::Values(TLookFall{0x0801, 1, 0}, // untyped fits any
                                           TLookFall{0x0801, 8, 0},
                                           TLookFall{0x1008, 8, 0}, // 1 byte on 1 byte
                                           TLookFall{0x1008, 1, 1}, // 1 byte on 1 bit
                                           TLookFall{0x0A05, 1, 2}, TLookFall{0x0808, 1, 2}));

TEST_F(GaCheck, TheStatusPassWithAndWithoutTakeOver) {
    auto dialog = Dialog();
    Map[0x0801] = {0x0801, 1, "1 Bit", 2, "", "", 0};
    Map[0x1008] = {0x1008, 1, "1 Bit", 0, "", "", 0};
    Map[0x0A05] = {0x0A05, 1, "1 Bit", 0, "", "", 0};
    Map[0x0A06] = {0x0A06, 1, "1 Bit", 2, "", "", 0x0801}; // chosen by the user
    EXPECT_FALSE(dialog->AbgleichStatusUsedGroupAddr(Map, false));
    EXPECT_EQ(Map[0x0801].StatusText, "Ok");
    EXPECT_EQ(Map[0x0801].SollWord, 0) << "no take-over";
    EXPECT_EQ(Map[0x1008].Status, 1);
    EXPECT_EQ(Map[0x1008].StatusText, "falscher Typ");
    EXPECT_EQ(Map[0x0A05].Status, 2);
    EXPECT_EQ(Map[0x0A05].StatusText, "fehlt");
    EXPECT_EQ(Map[0x0A06].StatusText, "Ok");
    EXPECT_FALSE(dialog->AbgleichStatusUsedGroupAddr(Map, true));
    EXPECT_EQ(Map[0x0801].SollWord, 0x0801);
    EXPECT_EQ(Map[0x0A05].SollWord, 0);
    Map.erase(0x1008);
    Map.erase(0x0A05);
    EXPECT_TRUE(dialog->AbgleichStatusUsedGroupAddr(Map, false));
}

TEST_F(GaCheck, AllFittingGoesOnWithoutADialog) {
    auto dialog = Dialog();
    TModalDriverScope driver([](TModalDialog &) { return 3; });
    auto store = Store({Objekt(10, 3, "Alarm", 1, 0x0801), Kette(11, 10, 0x1007),
                        Objekt(20, 4, "Wert", 8, 0x1008)});
    EXPECT_EQ(dialog->CheckGaConsistence(store.get()), 1);
    EXPECT_EQ(driver.Count(), 0);
    for (const auto &[word, info] : Map)
        EXPECT_EQ(info.SollWord, word) << "taken over";
    EXPECT_EQ(dialog->CheckGaConsistence(nullptr), 1);
    Map.clear();
    auto ohne = Store({Datensatz(40, 6124, 1, 1, 0, "Melder 1")});
    EXPECT_EQ(dialog->CheckGaConsistence(ohne.get()), 1);
    EXPECT_TRUE(Map.empty());
}

TEST_F(GaCheck, TheListShowsOneRowPerWord) {
    auto dialog = Dialog();
    auto store = Import();
    std::vector<std::string> rows;
    TModalDriverScope driver([&](TModalDialog &d) {
        auto &check = dynamic_cast<TFDlgGaCheck &>(d);
        EXPECT_EQ(check.windowTitle().toStdString(), "Gruppenadressen prüfen");
        EXPECT_EQ(check.ButtonChange->text().toStdString(), "&Adresse ändern");
        for (int column = 0; column < 4; ++column)
            rows.push_back(check.ListView->headerItem()->text(column).toStdString());
        for (int i = 0; i < check.ListView->topLevelItemCount(); ++i) {
            QTreeWidgetItem *row = check.ListView->topLevelItem(i);
            for (int column = 0; column < 4; ++column)
                rows.push_back(row->text(column).toStdString());
            rows.push_back(std::to_string(TFDlgGaCheck::RowImage(row)));
        }
        EXPECT_EQ(check.ListView->topLevelItem(0)->toolTip(0).toStdString(),
                  "Im Gerät verknüpfte Objekte:\nObjekt3: Alarm");
        EXPECT_GE(check.ListView->columnWidth(3), 100);
        check.ButtonOkClick();
        return check.ModalResult();
    });
    EXPECT_EQ(dialog->CheckGaConsistence(store.get()), 1);
    EXPECT_EQ(rows, (std::vector<std::string>{"Ist-Adresse *", "Soll-Adresse", "Typ", "Status",
                                              "1/0/1", "1/0/1", "1 Bit", "Ok", "3", //
                                              "1/2/5", "", "1 Byte", "fehlt", "5",  //
                                              "2/0/7", "2/0/7", "1 Bit", "Ok", "3"}));
}

TEST_F(GaCheck, AChangedRowTurnsOkAndNoAddressChecksItAgain) {
    auto dialog = Dialog();
    auto store = Import();
    Map.clear();
    int schritte = 0;
    TModalDriverScope driver([&](TModalDialog &d) {
        if (auto *change = dynamic_cast<TFDlgGrpAddrChange *>(&d)) {
            // First time 1/0/1 (untyped, fits 1 byte), then no address.
            if (schritte++ == 0)
                change->TreeView->setCurrentItem(TFDlgGrpAddrChange::GetChildTreeNode(
                    TFDlgGrpAddrChange::GetChildTreeNode(
                        TFDlgGrpAddrChange::GetChildTreeNode(change->Root(), 1), 0),
                    1));
            else
                change->btnNoGroupAddrClick();
            change->ButtonOkClick();
            return change->ModalResult();
        }
        auto &check = dynamic_cast<TFDlgGaCheck &>(d);
        QTreeWidgetItem *row = check.ListView->topLevelItem(1);
        check.ListView->setCurrentItem(row);
        check.EditGroupAddress();
        EXPECT_EQ(row->text(1).toStdString(), "1/0/1");
        EXPECT_EQ(row->text(3).toStdString(), "Ok");
        EXPECT_EQ(TFDlgGaCheck::RowImage(row), TFDlgGaCheck::ImageOk);
        EXPECT_EQ(TFDlgGaCheck::RowData(row)->SollWord, 0x0801) << "the row's copy is renewed";
        EXPECT_EQ(Map.at(0x0A05).SollWord, 0x0801);
        check.EditGroupAddress();
        EXPECT_EQ(row->text(1).toStdString(), "");
        EXPECT_EQ(row->text(3).toStdString(), "fehlt");
        EXPECT_EQ(TFDlgGaCheck::RowImage(row), TFDlgGaCheck::ImageFehlt);
        EXPECT_EQ(Map.at(0x0A05).SollWord, 0);
        check.ButtonCancelClick();
        return check.ModalResult();
    });
    EXPECT_EQ(dialog->CheckGaConsistence(store.get()), 3);
    EXPECT_EQ(schritte, 2);
}

TEST_F(GaCheck, WithoutASelectedRowChangeDoesNothing) {
    auto dialog = Dialog();
    Map[0x0A05] = {0x0A05, 1, "1 Bit", 2, "fehlt", "", 0};
    dialog->InitListView();
    dialog->FillListView();
    dialog->ListView->clearSelection();
    TModalDriverScope driver([](TModalDialog &) { return 1; });
    dialog->EditGroupAddress();
    EXPECT_EQ(driver.Count(), 0);
}

TEST_F(GaCheck, ColumnsSortStablyBothWays) {
    auto dialog = Dialog();
    Map[0x0801] = {0x0801, 8, "1 Byte", 0, "Ok", "", 0x0801};
    Map[0x0A05] = {0x0A05, 1, "1 Bit", 2, "fehlt", "", 0};
    Map[0x1008] = {0x1008, 1, "1 Bit", 1, "falscher Typ", "", 0};
    Map[0x1009] = {0x1009, 1, "1 Bit", 2, "fehlt", "", 0};
    dialog->InitListView();
    dialog->FillListView();
    QTreeWidget *list = dialog->ListView;
    EXPECT_EQ(Zeilen(list), (std::vector<std::string>{"1/0/1", "1/2/5", "2/0/8", "2/0/9"}));
    dialog->ColumnClick(0);
    EXPECT_EQ(Zeilen(list), (std::vector<std::string>{"2/0/9", "2/0/8", "1/2/5", "1/0/1"}));
    dialog->ColumnClick(3);
    EXPECT_EQ(Zeilen(list), (std::vector<std::string>{"1/0/1", "2/0/8", "2/0/9", "1/2/5"}))
        << "equal statuses keep their order";
    EXPECT_EQ(list->headerItem()->text(3).toStdString(), "Status *");
    EXPECT_EQ(list->headerItem()->text(0).toStdString(), "Ist-Adresse");
    dialog->ColumnClick(3);
    EXPECT_EQ(Zeilen(list), (std::vector<std::string>{"2/0/9", "1/2/5", "2/0/8", "1/0/1"}));
    dialog->ColumnClick(2);
    EXPECT_EQ(Zeilen(list).back(), "1/0/1");
    dialog->ColumnClick(1);
    EXPECT_EQ(Zeilen(list).back(), "1/0/1");
    EXPECT_TRUE(dialog->Sort().Ascending);
}

TEST_F(GaCheck, TheSeamRunsTheCheck) {
    TDeviceDialogeQt qt;
    auto store = Import();
    TModalDriverScope driver([](TModalDialog &d) {
        if (auto *check = dynamic_cast<TFDlgGaCheck *>(&d))
            check->ButtonCancelClick();
        else
            static_cast<QDialog &>(d).reject(); // the other dialogs of the seam: closed
        return d.ModalResult();
    });
    EXPECT_EQ(qt.GaCheck(store.get(), NewAddresses, Map, true, Device->GetMainGroups(),
                         Device->GetMidSubGroups()),
              3);
    EXPECT_EQ(Map.size(), 3u);
    int count = 0;
    uint32_t variante = 0;
    EXPECT_EQ(qt.DefinitionAlarmzentrale(variante, ""), 2);
    EXPECT_EQ(qt.MelderHinzufuegen(count, 5, ""), 2);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(driver.Count(), 3);
}

} // namespace
