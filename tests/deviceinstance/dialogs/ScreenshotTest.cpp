// Each dialog with realistic content, grabbed offscreen into build/.../screenshots/*.png for
// looking at (labels fit, German texts right).
#include "DialogTestHilfen.h"

#include "deviceinstance/dialogs/TDlgAnzeige.h"
#include "deviceinstance/dialogs/TDlgDefinitionAlarmzentrale.h"
#include "deviceinstance/dialogs/TDlgMelderHinzufuegen.h"
#include "deviceinstance/dialogs/TDlgNewGrpAddrName.h"
#include "foundation/SprTexte.h"
#include "deviceinstance/dialogs/TDlgEreignisspeicher.h"
#include "deviceinstance/dialogs/TDlgInfoEreignisspeicher.h"
#include "deviceinstance/dialogs/TDlgLinkToGrpAdr.h"
#include "deviceinstance/dialogs/TDlgNewGrpAddrName.h"
#include "deviceinstance/dialogs/TDlgSelPhysAdrSe.h"
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

TEST_F(Screenshot, SelPhysAdrSe) {
    RPhysAdr current{0x110B, "01.01.011", Utf8ToAnsi("Schalteinrichtung Lager")};
    const std::vector<RPhysAdr> devices = {
        {0x110C, "01.01.012", "Schalteinrichtung Reserve"},
        {0x110A, "01.01.010", "Schalteinrichtung Eingang"},
        {0x110B, "01.01.011", "Schalteinrichtung Lager"},
        {0x1203, "01.02.003", Utf8ToAnsi("Schlüsselschalter Büro")}};
    TDlgSelPhysAdrSe dialog(nullptr, current, devices, {0x110C});
    EXPECT_TRUE(Bildschirmfoto(dialog, "TDlgSelPhysAdrSe"));
}

TEST_F(Screenshot, LinkToGrpAdr) {
    AnsiString name;
    uint16_t sub = 0, middle = 0, main = 0;
    TDlgLinkToGrpAdr dialog(nullptr, "2/0/9", name, sub, middle, main, true);
    dialog.EditGrpAdrName->setText(QtText(Utf8ToAnsi("Tür Süd Störung")));
    EXPECT_TRUE(Bildschirmfoto(dialog, "TDlgLinkToGrpAdr"));
}

TEST_F(Screenshot, InfoEreignisspeicher) {
    TDlgInfoEreignisspeicher dialog(nullptr);
    EXPECT_TRUE(Bildschirmfoto(dialog, "TDlgInfoEreignisspeicher"));
}

TEST_F(Screenshot, Ereignisspeicher) {
    TStringList lines;
    for (const std::vector<const char *> &row : std::vector<std::vector<const char *>>{
             {"1", "Scharfschaltbereich 1", "Einbruchalarm", "Melder 3 Eingang", "24.05.26",
              "12:30:05"},
             {"2", "Scharfschaltbereich 1", "Extern scharf", "Schalteinrichtung 1", "24.05.26",
              "12:31:10"},
             {"3", "Scharfschaltbereich 2", "Sabotage", "Melder 5 Küche", "24.05.26", "12:32:44"},
             {"4", "Scharfschaltbereich 2", "Störung", "Netzteil", "24.05.26", "12:33:00"},
             {"5", "Zentrale", "Netzausfall", "", "24.05.26", "12:34:56"}}) {
        TStringList items;
        for (const char *item : row)
            items.Add(Utf8ToAnsi(item));
        lines.Add(items.CommaText());
    }
    TDlgEreignisspeicher dialog(nullptr, lines, "Projekt: Testprojekt, Zentrale: AZ[01.01.001]",
                                "AZ[01.01.001]", "31.12.26 / 23:59:59 Uhr",
                                "24.05.26 / 12:34:56 Uhr");
    EXPECT_TRUE(Bildschirmfoto(dialog, "TDlgEreignisspeicher"));
}

} // namespace
