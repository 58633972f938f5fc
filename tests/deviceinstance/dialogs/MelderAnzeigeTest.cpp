// The detector-count and the display-areas dialogs, alone and through the device.
#include "DialogTestHilfen.h"

#include "deviceinstance/dialogs/TDeviceDialogeQt.h"
#include "deviceinstance/dialogs/TDlgAnzeige.h"
#include "deviceinstance/dialogs/TDlgMelderHinzufuegen.h"
#include "foundation/SprTexte.h"
#include "objectmodel/RDeviceRequest.h"
#include "objectmodel/TAzAnzeige.h"
#include "objectmodel/TAzSystem.h"
#include "tests/deviceinstance/PanelBaumTest.h"

#include <QCheckBox>
#include <QLabel>
#include <QSpinBox>

namespace {

// --- Detector count

TEST(MelderHinzufuegen, EnterActsAsOkWithTheShownValue) {
    int count = 0;
    TDlgMelderHinzufuegen d(nullptr, 11, count);
    EXPECT_EQ(d.windowTitle().toStdString(), "Eingänge hinzufügen");
    EXPECT_EQ(d.LabelMelderHinzufuegen->text().toStdString(), "Anzahl anzulegender Eingänge");
    TModalDriverScope driver([&](TModalDialog &m) {
        auto &dialog = dynamic_cast<TDlgMelderHinzufuegen &>(m);
        EXPECT_EQ(dialog.SpinEditAnzahlMelder->value(), 1);
        dialog.SpinEditAnzahlMelder->setValue(7);
        Tippe(dialog.SpinEditAnzahlMelder, {{Qt::Key_Return, "\r"}});
        return dialog.ModalResult();
    });
    EXPECT_EQ(d.ShowModal(), 1);
    EXPECT_EQ(count, 7);
}

TEST(MelderHinzufuegen, OkCancelAndCloseThroughTheDriver) {
    struct TFall {
        const char *Name;
        std::function<void(TDlgMelderHinzufuegen &)> Tun;
        int Ergebnis;
        int Count;
    };
    const TFall faelle[] = {
        {"ok", [](TDlgMelderHinzufuegen &d) { d.BtnOkClick(); }, 1, 5},
        {"cancel", [](TDlgMelderHinzufuegen &d) { d.BtnAbbrechenClick(); }, 2, -3},
        {"close box", [](TDlgMelderHinzufuegen &d) { static_cast<QDialog &>(d).reject(); }, 2, -3},
        {"other key", [](TDlgMelderHinzufuegen &d) { d.SpinEditAnzahlMelderKeyDown(27); }, 0, -3},
    };
    for (const TFall &f : faelle) {
        SCOPED_TRACE(f.Name);
        int count = -3;
        TDlgMelderHinzufuegen d(nullptr, 11, count);
        TModalDriverScope driver([&](TModalDialog &m) {
            auto &dialog = dynamic_cast<TDlgMelderHinzufuegen &>(m);
            dialog.SpinEditAnzahlMelder->setValue(5);
            f.Tun(dialog);
            return dialog.ModalResult();
        });
        EXPECT_EQ(d.ShowModal(), f.Ergebnis);
        EXPECT_EQ(count, f.Count);
    }
}

TEST(MelderHinzufuegen, TheBoundsOfTheField) {
    struct TFall {
        int Maximum;
        int Oben;
    };
    for (const TFall f : {TFall{11, 11}, TFall{1, 1}, TFall{0, 1}, TFall{-4, 1}}) {
        SCOPED_TRACE(f.Maximum);
        int count = 0;
        TDlgMelderHinzufuegen d(nullptr, f.Maximum, count);
        EXPECT_EQ(d.SpinEditAnzahlMelder->minimum(), 1);
        EXPECT_EQ(d.SpinEditAnzahlMelder->maximum(), f.Oben);
        d.SpinEditAnzahlMelder->setValue(500);
        d.BtnOkClick();
        EXPECT_EQ(count, f.Oben);
    }
    TDlgFortschrittMelderHinzufuegen leer(nullptr);
    EXPECT_TRUE(leer.children().empty());
}

// --- Display areas

struct TAnzeigeFall {
    const char *Name;
    int32_t Mask;
    uint32_t Variante;
    std::array<bool, 6> Aktiv;   // the boxes enabled
    std::array<bool, 6> Checked; // the boxes checked when shown
    int32_t Ok;                  // the mask OK writes as shown
};

TEST(Anzeige, MaskAndVariantToBoxesAndBack) {
    const TAnzeigeFall faelle[] = {
        {"all areas, all bits", 0x3F, 0x112244B8, {1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1}, 0x3F},
        {"SSB3 bit without area 3", 0x05, 0x11220000, {1, 1, 0, 0, 1, 1}, {1, 0, 0, 0, 0, 0}, 0x01},
        {"variant 0: fire and hold-up only", 0x3F, 0x00000000, {0, 0, 0, 0, 1, 1},
         {0, 0, 0, 0, 1, 1}, 0x30},
        {"bits above 5 dropped", 0x7FE2, 0x11330000, {1, 1, 0, 0, 1, 1}, {0, 1, 0, 0, 0, 1}, 0x22},
        {"SSB4 only area 4", 0x08, 0x11000098, {1, 0, 0, 1, 1, 1}, {0, 0, 0, 1, 0, 0}, 0x08},
        {"nothing chosen", 0, 0x112244CC, {1, 1, 1, 1, 1, 1}, {0, 0, 0, 0, 0, 0}, 0},
    };
    for (const TAnzeigeFall &f : faelle) {
        SCOPED_TRACE(f.Name);
        int32_t mask = f.Mask;
        TDlgAnzeige d(nullptr, mask, f.Variante);
        TModalDriverScope driver([&](TModalDialog &m) {
            auto &dialog = dynamic_cast<TDlgAnzeige &>(m);
            for (int b = 0; b < 6; ++b) {
                EXPECT_EQ(dialog.Chk[b]->isEnabled(), f.Aktiv[b]) << b;
                EXPECT_EQ(dialog.Chk[b]->isChecked(), f.Checked[b]) << b;
                EXPECT_EQ(dialog.Panel[b]->palette().color(QPalette::Window),
                          dialog.palette().color(f.Checked[b] ? QPalette::ToolTipBase
                                                              : QPalette::Button))
                    << b;
            }
            dialog.BtnOkClick();
            return dialog.ModalResult();
        });
        EXPECT_EQ(d.ShowModal(), 1);
        EXPECT_EQ(mask, f.Ok);
    }
}

TEST(Anzeige, AClickPaintsItsPanelAndCancelKeepsTheMask) {
    int32_t mask = 0x01;
    TDlgAnzeige d(nullptr, mask, 0x112244B8);
    TModalDriverScope driver([&](TModalDialog &m) {
        auto &dialog = dynamic_cast<TDlgAnzeige &>(m);
        dialog.Chk[4]->click();
        EXPECT_EQ(dialog.Panel[4]->palette().color(QPalette::Window),
                  dialog.palette().color(QPalette::ToolTipBase));
        dialog.Chk[0]->click();
        EXPECT_EQ(dialog.Panel[0]->palette().color(QPalette::Window),
                  dialog.palette().color(QPalette::Button));
        dialog.BtnAbbrechenClick();
        return dialog.ModalResult();
    });
    EXPECT_EQ(d.ShowModal(), 2);
    EXPECT_EQ(mask, 0x01);
}

// --- Through the device's requests

class DurchGeraet : public TPanelFixture {
protected:
    TDeviceDialogeQt Qt;
    DurchGeraet() { Dienste.AndereDialoge = &Qt; }
    ~DurchGeraet() override { Dienste.AndereDialoge = nullptr; }
};

TEST_F(DurchGeraet, TheDisplayRequestOpensTheDialogAndOkSetsTheAreas) {
    TAzAnzeige *anzeige = Device->GetPointerInstAnzeige(Erstes(6142), 0);
    ASSERT_NE(anzeige, nullptr);
    Root()->SetParamVarianteAz(0x11220000);
    for (const int antwort : {2, 1}) {
        SCOPED_TRACE(antwort);
        TModalDriverScope driver([&](TModalDialog &m) {
            auto &dialog = dynamic_cast<TDlgAnzeige &>(m);
            EXPECT_EQ(AnsiText(dialog.windowTitle()), anzeige->GetName(true));
            EXPECT_EQ(dialog.LabelAnzeigeText->text().toStdString(),
                      "Die anzuzeigenden Bereiche auswählen.");
            EXPECT_FALSE(dialog.Chk[2]->isEnabled());
            dialog.Chk[1]->setChecked(true);
            dialog.Chk[0]->setChecked(false);
            dialog.Chk[5]->setChecked(true);
            antwort == 1 ? dialog.BtnOkClick() : dialog.BtnAbbrechenClick();
            return dialog.ModalResult();
        });
        const int32_t vorher = anzeige->GetAnzeigeSsb();
        RDeviceRequest r(*anzeige, AzRequest::AnzeigeDialog);
        r.Wert = vorher;
        r.Send(WM_AZ_DEVICE_REQUEST);
        EXPECT_EQ(driver.Count(), 1);
        EXPECT_EQ(anzeige->GetAnzeigeSsb(), antwort == 1 ? (vorher & 0x10) | 0x22 : vorher);
    }
}

TEST_F(DurchGeraet, AddingDetectorsAsksTheCountAndOkAddsThem) {
    Dienste.Selektiert = Erstes(6127);
    ASSERT_NE(Dienste.Selektiert, nullptr);
    for (const int antwort : {2, 1}) {
        SCOPED_TRACE(antwort);
        const int vorher = Device->GetAnzahlMelder();
        TModalDriverScope driver([&](TModalDialog &m) {
            auto &dialog = dynamic_cast<TDlgMelderHinzufuegen &>(m);
            EXPECT_EQ(dialog.windowTitle().toStdString(), "Eingänge hinzufügen");
            EXPECT_EQ(dialog.SpinEditAnzahlMelder->maximum(), 161 - vorher);
            dialog.SpinEditAnzahlMelder->setValue(3);
            antwort == 1 ? dialog.BtnOkClick() : dialog.BtnAbbrechenClick();
            return dialog.ModalResult();
        });
        EXPECT_EQ(Device->MelderHinzufuegen(), antwort == 1);
        EXPECT_EQ(driver.Count(), 1);
        EXPECT_EQ(Device->GetAnzahlMelder(), vorher + (antwort == 1 ? 3 : 0));
    }
}

} // namespace
