// The import of exported project data through the real check dialog: an address the receiving
// project lacks shows the check, and the import links to the address chosen there, an
// existing one or one created in the change dialog.
#include "DialogTestHilfen.h"
#include "tests/deviceinstance/PanelBaumTest.h"

#include "deviceinstance/dialogs/TDeviceDialogeQt.h"
#include "deviceinstance/dialogs/TFDlgGaCheck.h"
#include "deviceinstance/dialogs/TFDlgGrpAddrChange.h"

#include <QLineEdit>

#include <set>

namespace {

// Project A's panel with its arming-status object linked to 1/0/1, exported; project B (the
// fixture's) has 1/0/5 but not 1/0/1, and its device opens the Qt dialogs.
class ImportCheck : public TPanelFixture {
protected:
    static constexpr int kStatusObjekt = 166;
    ImportCheck() {
        const DAL_DEVICE record = Quelle.PanelRecord();
        QuellGeraet = std::make_unique<TDeviceInstanzAz>(&Quelle, &record, &Quelle);
        Quelle.SetDevice(QuellGeraet.get());
        EXPECT_EQ(QuellGeraet->CreateNewDevice(0), 1);
        const int32_t id = Quelle.Project().Database().AddGroupAddress(1, 0, 1, "Scharf");
        TEtsObjekt *status = QuellGeraet->GetObjectFromObjectNr(kStatusObjekt);
        EXPECT_NE(status, nullptr);
        if (status) {
            EXPECT_TRUE(QuellGeraet->LinkToSubGroup(id, status->GetHandle(), true));
        }
        QuellGeraet->CopyStrukturDatenToDB(nullptr, &Export);
        Db().AddGroupAddress(1, 0, 5, "Scharf B");
        Dienste.AndereDialoge = &QtDialoge;
        Boxes.Clear();
    }
    ~ImportCheck() override {
        Dienste.AndereDialoge = nullptr;
        Quelle.SetDevice(nullptr);
    }
    std::set<std::pair<int, int>> LinksImBusTool() {
        std::set<std::pair<int, int>> out;
        for (const TLinkRow &l : Db().Links(Panel()))
            out.emplace(l.objectNumber, l.groupAddress);
        return out;
    }
    // The driver: in the check, the one row is changed through the change dialog, where the
    // text is typed and searched (a missing address is created with the name), then OK.
    TModalDriver Waehle(const char *text) {
        return [this, text](TModalDialog &d) {
            if (auto *name = dynamic_cast<TDlgNewGrpAddrName *>(&d))
                return NameDialog("Neu B")(*name);
            if (auto *change = dynamic_cast<TFDlgGrpAddrChange *>(&d)) {
                change->EditSollGa->setText(text);
                change->btnSearchAddClick();
                change->ButtonOkClick();
                return change->ModalResult();
            }
            auto &check = dynamic_cast<TFDlgGaCheck &>(d);
            EXPECT_EQ(Zeilen(check.ListView), std::vector<std::string>{"1/0/1"});
            EXPECT_EQ(check.ListView->topLevelItem(0)->text(3).toStdString(), "fehlt");
            check.ListView->setCurrentItem(check.ListView->topLevelItem(0));
            check.EditGroupAddress();
            Gezeigt = Zeilen(check.ListView, 1);
            check.ButtonOkClick();
            return check.ModalResult();
        };
    }

    TFakeDienste Quelle;
    std::unique_ptr<TDeviceInstanzAz> QuellGeraet;
    TMemoryStream Export;
    TDeviceDialogeQt QtDialoge;
    std::vector<std::string> Gezeigt; // the wanted addresses after the change
};

TEST_F(ImportCheck, TheImportLinksToTheExistingAddressChosenInTheCheck) {
    TModalDriverScope driver(Waehle("1/0/5"));
    ASSERT_EQ(Device->VumaImport(&Export, true), 1);
    EXPECT_EQ(driver.Count(), 2) << "the check and the change dialog";
    EXPECT_EQ(Gezeigt, std::vector<std::string>{"1/0/5"});
    EXPECT_EQ(LinksImBusTool(), (std::set<std::pair<int, int>>{{kStatusObjekt, 0x0805}}));
}

TEST_F(ImportCheck, TheImportCreatesAndLinksTheAddressMadeInTheChangeDialog) {
    Boxes.Answer(IDYES);
    TModalDriverScope driver(Waehle("1/0/9"));
    ASSERT_EQ(Device->VumaImport(&Export, true), 1);
    EXPECT_EQ(driver.Count(), 3) << "the check, the change and the name dialog";
    const auto sub = Db().SubGroupId(1, 0, 9);
    ASSERT_TRUE(sub.has_value());
    EXPECT_EQ(Db().Group(*sub)->name, "Neu B");
    EXPECT_EQ(LinksImBusTool(), (std::set<std::pair<int, int>>{{kStatusObjekt, 0x0809}}));
}

TEST_F(ImportCheck, CancelInTheCheckAbandonsTheImport) {
    TModalDriverScope driver([](TModalDialog &d) {
        dynamic_cast<TFDlgGaCheck &>(d).ButtonCancelClick();
        return d.ModalResult();
    });
    EXPECT_EQ(Device->VumaImport(&Export, true), 0);
    EXPECT_TRUE(LinksImBusTool().empty());
}

} // namespace
