// The switching-device dialog: what it offers and preselects, in which order, its label, what
// OK, "Keine PA" and Cancel leave in the caller's device; and the whole road through the arming
// area's request on the demo project.
#include "DialogTestHilfen.h"
#include "tests/deviceinstance/PanelBaumTest.h"

#include "deviceinstance/dialogs/TDeviceDialogeQt.h"
#include "deviceinstance/dialogs/TDlgSelPhysAdrSe.h"
#include "objectmodel/TAzScharfschaltungSsb.h"
#include "platform/grid/TCell.h"
#include "platform/vcl/Cp1252.h"
#include "tools/bustool/TDemoProject.h"

#include <QLabel>
#include <QPushButton>

namespace {

const RPhysAdr kA{0x1105, "01.01.005", "Schalteinrichtung Tor"};
const RPhysAdr kB{0x110A, "01.01.010", Utf8ToAnsi("Schlüsselschalter Büro")};
const RPhysAdr kC{0x1203, "01.02.003", "Codetastatur"};
// Two devices with one number: both shown, in the order given.
const RPhysAdr kC2{0x1203, "01.02.003", "Codetastatur 2"};

std::vector<std::string> Namen(const TDlgSelPhysAdrSe &d) {
    return Zeilen(d.lvPhysAdrSe);
}
std::vector<std::string> Markiert(const TDlgSelPhysAdrSe &d) {
    std::vector<std::string> out;
    for (const QTreeWidgetItem *item : d.lvPhysAdrSe->selectedItems())
        out.push_back(item->text(0).toStdString());
    return out;
}

TEST(SelPhysAdrSe, OffersSortedByNumberWithoutTheExcluded) {
    struct TFall {
        std::vector<RPhysAdr> Kandidaten;
        std::list<int> Ausgeschlossen;
        std::vector<std::string> Zeilen;
    };
    const TFall faelle[] = {
        {{kC, kA, kB}, {}, {"Schalteinrichtung Tor", "Schlüsselschalter Büro", "Codetastatur"}},
        {{kC, kC2, kA}, {}, {"Schalteinrichtung Tor", "Codetastatur", "Codetastatur 2"}},
        {{kC2, kC, kA}, {}, {"Schalteinrichtung Tor", "Codetastatur 2", "Codetastatur"}},
        {{kC, kA, kB}, {0x110A}, {"Schalteinrichtung Tor", "Codetastatur"}},
        {{kC, kA, kB}, {0x1203, 0x1105, 0x110A}, {}},
        {{}, {0x1105}, {}},
    };
    for (const TFall &f : faelle) {
        RPhysAdr current;
        TDlgSelPhysAdrSe dialog(nullptr, current, f.Kandidaten, f.Ausgeschlossen);
        EXPECT_EQ(Namen(dialog), f.Zeilen) << f.Zeilen.size();
        EXPECT_EQ(Zeilen(dialog.lvPhysAdrSe, 1).size(), f.Zeilen.size());
        EXPECT_TRUE(Markiert(dialog).empty());
    }
}

TEST(SelPhysAdrSe, PreselectsOnlyTheExactTextAndNeverAnExcludedDevice) {
    struct TFall {
        AnsiString Text;
        std::list<int> Ausgeschlossen;
        std::vector<std::string> Markiert;
    };
    const TFall faelle[] = {
        {"01.01.010", {}, {"Schlüsselschalter Büro"}},
        {"1.1.10", {}, {}},
        {"01.01.010 ", {}, {}},
        {"01.01.010", {0x110A}, {}},
        {"", {}, {}},
    };
    for (const TFall &f : faelle) {
        RPhysAdr current{0x110A, f.Text, "alt"};
        TDlgSelPhysAdrSe dialog(nullptr, current, {kA, kB, kC}, f.Ausgeschlossen);
        EXPECT_EQ(Markiert(dialog), f.Markiert) << f.Text;
    }
}

TEST(SelPhysAdrSe, TextsAndTheLabelsTwoForms) {
    RPhysAdr current{0x1105, "01.01.005", "Tor"};
    TDlgSelPhysAdrSe dialog(nullptr, current, {kA}, {});
    EXPECT_EQ(AnsiText(dialog.windowTitle()),
              Utf8ToAnsi("Physikalische Adresse Schalteinrichtung auswählen"));
    EXPECT_EQ(AnsiText(dialog.lvPhysAdrSe->headerItem()->text(0)), Utf8ToAnsi("Geräte-Name"));
    EXPECT_EQ(dialog.lvPhysAdrSe->headerItem()->text(1).toStdString(), "Physikalische Adresse");
    EXPECT_EQ(dialog.lvPhysAdrSe->toolTip().toStdString(),
              "Physikalische Adresse der Schalteinrichtung auswählen");
    EXPECT_EQ(dialog.LabelPhysAdr->text().toStdString(),
              "Parametrierte Physikalische Adresse Schalteinrichtung:   01.01.005");
    EXPECT_EQ(dialog.BtnOk->text().toStdString(), "Ok");
    EXPECT_EQ(dialog.BtnAbbrechen->text().toStdString(), "Abbrechen");
    EXPECT_EQ(dialog.BtnNoPhysAdr->text().toStdString(), "Keine PA");

    // Number 0 is no device, whatever its text says.
    RPhysAdr none{0, "01.01.005", ""};
    TDlgSelPhysAdrSe empty(nullptr, none, {kA}, {});
    EXPECT_EQ(empty.LabelPhysAdr->text().toStdString(),
              "Parametrierte Physikalische Adresse Schalteinrichtung:   ...");
}

TEST(SelPhysAdrSe, ButtonsThroughTheModalDriver) {
    const RPhysAdr alt{0x1105, "01.01.005", "Tor"};
    struct TFall {
        const char *Name;
        std::function<void(TDlgSelPhysAdrSe &)> Tun;
        int Ergebnis;
        RPhysAdr Danach;
    };
    const TFall faelle[] = {
        {"OK on a row",
         [](TDlgSelPhysAdrSe &d) {
             d.lvPhysAdrSe->clearSelection();
             d.lvPhysAdrSe->topLevelItem(2)->setSelected(true);
             d.BtnOk->click();
         },
         1, kC},
        {"OK without a row", [](TDlgSelPhysAdrSe &d) {
             d.lvPhysAdrSe->clearSelection();
             d.BtnOk->click();
         },
         1, alt},
        {"OK on the preselected row", [](TDlgSelPhysAdrSe &d) { d.BtnOk->click(); }, 1, kA},
        {"Keine PA", [](TDlgSelPhysAdrSe &d) { d.BtnNoPhysAdr->click(); }, 1,
         RPhysAdr{0, "", "Tor"}},
        {"Cancel after a choice",
         [](TDlgSelPhysAdrSe &d) {
             d.lvPhysAdrSe->topLevelItem(1)->setSelected(true);
             d.BtnAbbrechen->click();
         },
         2, alt},
        {"Escape", [](TDlgSelPhysAdrSe &d) { Tippe(&d, {{Qt::Key_Escape, ""}}); }, 2, alt},
    };
    for (const TFall &f : faelle) {
        RPhysAdr current = alt;
        TModalDriverScope driver([&](TModalDialog &d) {
            auto *dialog = dynamic_cast<TDlgSelPhysAdrSe *>(&d);
            EXPECT_NE(dialog, nullptr);
            if (!dialog)
                return 0;
            f.Tun(*dialog);
            return dialog->ModalResult();
        });
        TDlgSelPhysAdrSe dialog(nullptr, current, {kC, kA, kB}, {});
        EXPECT_EQ(dialog.ShowModal(), f.Ergebnis) << f.Name;
        EXPECT_EQ(current, f.Danach) << f.Name;
        EXPECT_EQ(driver.Count(), 1);
    }
}

// The demo project's switching devices, offered for arming area 1 once its arming input shares
// a group address with them; OK on one sets the area's first switching device.
class PhysAdrSeAnfrage : public TPanelFixture {
protected:
    PhysAdrSeAnfrage() : QtDialoge(nullptr) {
        AddDemoSurroundings(Db());
        EXPECT_TRUE(Device->GetGrpAdrFromServer());
        Dienste.AndereDialoge = &QtDialoge;
        Boxes.Clear();
    }
    ~PhysAdrSeAnfrage() override { Dienste.AndereDialoge = nullptr; }
    TDeviceDialogeQt QtDialoge;
};

TEST_F(PhysAdrSeAnfrage, TheAreasEllipsisOpensTheDialogAndOkSetsTheDevice) {
    TEtsObjekt *eingang = Device->GetObjectFromObjectNr(162);
    ASSERT_NE(eingang, nullptr);
    ASSERT_TRUE(Device->LinkToSubGroup(*Db().SubGroupId(3, 0, 2), eingang->GetHandle(), true));
    TAzScharfschaltungSsb *ssb = Device->GetPointerInstScharfschaltungSsb(1);
    ASSERT_NE(ssb, nullptr);
    ASSERT_EQ(ssb->GetPhysAdrSe(1), 0);

    std::vector<std::string> gezeigt;
    std::string label;
    TModalDriverScope driver([&](TModalDialog &d) {
        auto *dialog = dynamic_cast<TDlgSelPhysAdrSe *>(&d);
        EXPECT_NE(dialog, nullptr);
        if (!dialog)
            return 0;
        gezeigt = Zeilen(dialog->lvPhysAdrSe);
        label = dialog->LabelPhysAdr->text().toStdString();
        dialog->lvPhysAdrSe->topLevelItem(1)->setSelected(true);
        dialog->BtnOk->click();
        return dialog->ModalResult();
    });
    TCell cell;
    cell.RowId = TAzScharfschaltungSsb::RowPhysAdrSe1;
    ssb->GridEllipseClick(nullptr, cell, 1, 3);
    DeliverPostedMessages();

    EXPECT_EQ(driver.Count(), 1);
    EXPECT_EQ(gezeigt, (std::vector<std::string>{"Schalteinrichtung Eingang",
                                                 "Schalteinrichtung Lager",
                                                 "Schalteinrichtung Reserve"}));
    EXPECT_EQ(label, "Parametrierte Physikalische Adresse Schalteinrichtung:   ...");
    EXPECT_EQ(ssb->GetPhysAdrSe(1), 0x110B);
    EXPECT_TRUE(Boxes.Boxes().empty());
}

} // namespace
