// Each dialog with realistic content, grabbed offscreen into build/.../screenshots/*.png for
// looking at (labels fit, German texts right).
#include "DialogTestHilfen.h"

#include "deviceinstance/dialogs/TDlgNewGrpAddrName.h"
#include "deviceinstance/dialogs/TDlgSelGrpAddr.h"
#include "deviceinstance/dialogs/TFDlgGaCheck.h"
#include "deviceinstance/dialogs/TFDlgGrpAddrChange.h"
#include "platform/vcl/Cp1252.h"

#include <QLineEdit>

namespace {

class Screenshot : public TDialogFixture {
protected:
    Screenshot() { Baum(); }
};

TEST_F(Screenshot, SelGrpAddr) {
    TEtsObjekt *object = MelderObjekt();
    std::vector<TObjektBasis::RecGrpAdrId> links = {{Ids["1/1/3"], 0}};
    const auto nodes = Angebot();
    TDlgSelGrpAddr dialog(nullptr, 3, object, links, nodes, Device->GetGrpAdrOrdner(),
                          Device.get());
    dialog.EditGrpAddr->setText("1/0/2");
    dialog.btnSearchAddClick();
    EXPECT_TRUE(Bildschirmfoto(dialog, "TDlgSelGrpAddr"));
}

TEST_F(Screenshot, NewGrpAddrName) {
    AnsiString name;
    TDlgNewGrpAddrName dialog(nullptr, "Gruppenadresse anlegen",
                              "Geben Sie den Namen der Gruppenadresse ein.", name);
    dialog.SetEditText(Utf8ToAnsi("Tür Süd"));
    EXPECT_TRUE(Bildschirmfoto(dialog, "TDlgNewGrpAddrName"));
}

TEST_F(Screenshot, GrpAddrChange) {
    TRecGroupAddrInfo row{0x0A05, 1, "1 Bit", 2, "fehlt", "", 0x1008};
    std::vector<RecNewGroupAddr> neu = {{0x1801, Utf8ToAnsi("Störung"), 0}};
    int word = 0;
    TFDlgGrpAddrChange dialog(nullptr, word, neu, true, Device->GetMainGroups(),
                              Device->GetMidSubGroups(), &row);
    dialog.InitTreeView();
    dialog.TreeView->expandAll();
    EXPECT_TRUE(Bildschirmfoto(dialog, "TFDlgGrpAddrChange"));
}

TEST_F(Screenshot, GaCheck) {
    std::vector<RecNewGroupAddr> neu;
    std::map<int, TRecGroupAddrInfo> map;
    map[0x0801] = {0x0801, 1, "1 Bit", 0, "Ok", "", 0x0801};
    map[0x0A05] = {0x0A05, 1, "1 Bit", 2, "fehlt", "", 0};
    map[0x1008] = {0x1008, 1, "1 Bit", 1, "falscher Typ", "", 0};
    map[0x1802] = {0x1802, 9, "2 Byte", 0, "Ok", "", 0x0802};
    TFDlgGaCheck dialog(nullptr, neu, map, true, Device->GetMainGroups(),
                        Device->GetMidSubGroups());
    dialog.InitListView();
    dialog.FillListView();
    EXPECT_TRUE(Bildschirmfoto(dialog, "TFDlgGaCheck"));
}

} // namespace
