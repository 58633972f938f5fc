// Each dialog with realistic content, grabbed offscreen into build/.../screenshots/*.png for
// looking at (labels fit, German texts right).
#include "DialogTestHilfen.h"

#include "deviceinstance/dialogs/TDlgAnzeige.h"
#include "deviceinstance/dialogs/TDlgDefinitionAlarmzentrale.h"
#include "deviceinstance/dialogs/TDlgMelderHinzufuegen.h"
#include "deviceinstance/dialogs/TDlgNewGrpAddrName.h"
#include "foundation/SprTexte.h"
#include "deviceinstance/dialogs/TDlgSelGrpAddr.h"
#include "deviceinstance/dialogs/TFDlgGaCheck.h"
#include "deviceinstance/dialogs/TFDlgGrpAddrChange.h"
#include "platform/vcl/Cp1252.h"

#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

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

// Shown for the driver's way first, so that FormShow has set the controls.
void Vorbereiten(TModalDialog &dialog) {
    TModalDriverScope driver([](TModalDialog &) { return 0; });
    dialog.ShowModal();
}

TEST_F(Screenshot, DefinitionAlarmzentrale) {
    uint32_t wort = 0x11224400;
    TDlgDefinitionAlarmzentrale dialog(nullptr, wort,
                                       (std::filesystem::path(AZ_BIN_DIR) / SprText(11347)).string());
    Vorbereiten(dialog);
    EXPECT_TRUE(Bildschirmfoto(dialog, "TDlgDefinitionAlarmzentrale"));
}

TEST_F(Screenshot, MelderHinzufuegen) {
    int count = 0;
    TDlgMelderHinzufuegen dialog(nullptr, 150, count);
    Vorbereiten(dialog);
    dialog.SpinEditAnzahlMelder->setValue(12);
    EXPECT_TRUE(Bildschirmfoto(dialog, "TDlgMelderHinzufuegen"));
}

TEST_F(Screenshot, Anzeige) {
    int32_t mask = 0x13;
    TDlgAnzeige dialog(nullptr, mask, 0x11220000);
    dialog.setWindowTitle(QtText(Utf8ToAnsi("Anzeige Eingangstür")));
    dialog.LabelAnzeigeText->setText(QtText(SprText(11084)));
    Vorbereiten(dialog);
    EXPECT_TRUE(Bildschirmfoto(dialog, "TDlgAnzeige"));
}

} // namespace
