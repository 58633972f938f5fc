// The panel definition dialog: choice to word and back, the chain of the optional areas, the
// description sections of .txt and .rtf files, and the dialog through the device's request.
#include "DialogTestHilfen.h"

#include "deviceinstance/dialogs/TDeviceDialogeQt.h"
#include "deviceinstance/dialogs/TDlgDefinitionAlarmzentrale.h"
#include "foundation/SprTexte.h"
#include "objectmodel/RDeviceRequest.h"
#include "objectmodel/TAzSystem.h"
#include "platform/vcl/Cp1252.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QTextEdit>

#include <fstream>

namespace {

using TDlg = TDlgDefinitionAlarmzentrale;

class Definition : public ::testing::Test {
protected:
    std::filesystem::path Ordner = std::filesystem::temp_directory_path() /
                                   ("definition_" + std::to_string(::getpid()));
    Definition() { std::filesystem::create_directories(Ordner); }
    ~Definition() override { std::filesystem::remove_all(Ordner); }
    AnsiString Datei(const std::string &name, const std::string &inhalt) {
        const auto path = Ordner / name;
        std::ofstream(path, std::ios::binary) << inhalt;
        return path.string();
    }
    // The dialog on the word, shown for the driver's way (FormShow).
    std::unique_ptr<TDlg> Dialog(uint32_t &wort, const AnsiString &datei = "") {
        auto d = std::make_unique<TDlg>(nullptr, wort, datei);
        int seen = 0;
        TModalDriverScope driver([&](TModalDialog &m) {
            ++seen;
            return m.ModalResult();
        });
        d->ShowModal();
        EXPECT_EQ(seen, 1);
        return d;
    }
    static std::string Feld(const TDlg &d) { return d.RichEditFeld->toPlainText().toStdString(); }
};

// Each row: the radio and boxes (checked by the user, in chain order) to the word and section.
struct TWahl {
    int Radio;
    std::vector<QCheckBox *TDlg::*> Boxen;
    uint32_t Wort;
    int Abschnitt;
};

TEST_F(Definition, TheFifteenChoicesGiveTheirWordAndSection) {
    const std::vector<TWahl> tabelle = {
        {1, {}, 0x00000000, 8},
        {2, {}, 0x11330000, 9},
        {2, {&TDlg::ChkVariante2Sb3Sb4}, 0x113344CC, 10},
        {3, {}, 0x11000000, 11},
        {3, {&TDlg::ChkVariante3Sb2}, 0x11220000, 12},
        {3, {&TDlg::ChkVariante3Sb2, &TDlg::ChkVariante3Sb3}, 0x11224400, 13},
        {3, {&TDlg::ChkVariante3Sb2, &TDlg::ChkVariante3Sb3, &TDlg::ChkVariante3Sb4}, 0x11224488,
         14},
        {4, {}, 0x11000098, 15},
        {4, {&TDlg::ChkVariante4Sb2}, 0x112200B8, 16},
        {4, {&TDlg::ChkVariante4Sb2, &TDlg::ChkVariante4Sb3}, 0x112244F8, 17},
        {5, {}, 0x110044CC, 18},
        {5, {&TDlg::ChkVariante5Sb2}, 0x112244CC, 19},
        {6, {}, 0x11004498, 20},
        {6, {&TDlg::ChkVariante6Sb2}, 0x11224498, 21},
        {7, {}, 0x112244B8, 22},
    };
    ASSERT_EQ(tabelle.size(), TDlg::Tabelle().size());
    for (const TWahl &w : tabelle) {
        SCOPED_TRACE(w.Wort);
        uint32_t wort = 0x00000000;
        auto d = Dialog(wort);
        // Every box clear first, then the row's radio and boxes as a user clicks them.
        d->RbtnAzVariante[6]->setChecked(true);
        for (QCheckBox *b : d->findChildren<QCheckBox *>())
            b->setChecked(false);
        d->RbtnAzVariante[w.Radio - 1]->click();
        for (auto box : w.Boxen) {
            EXPECT_TRUE(((*d).*box)->isEnabled());
            ((*d).*box)->click();
        }
        EXPECT_EQ(d->Wort(), w.Wort);
        EXPECT_EQ(d->Abschnitt(), w.Abschnitt);
        // The other variants' boxes are disabled, their panels too.
        const std::vector<std::vector<QCheckBox *>> boxen = {
            {},
            {d->ChkVariante2Sb3Sb4},
            {d->ChkVariante3Sb2, d->ChkVariante3Sb3, d->ChkVariante3Sb4},
            {d->ChkVariante4Sb2, d->ChkVariante4Sb3},
            {d->ChkVariante5Sb2},
            {d->ChkVariante6Sb2},
            {}};
        for (int v = 0; v < 7; ++v) {
            if (v + 1 != w.Radio) {
                for (QCheckBox *b : boxen[v])
                    EXPECT_FALSE(b->isEnabled()) << v;
            }
        }
        for (int v = 0; v < 7; ++v)
            EXPECT_EQ(d->PanelAzVariante[v]->isEnabled(), v + 1 == w.Radio) << v;
        // The checked variant's areas are painted active exactly when their byte is set.
        for (size_t n = 0; w.Radio > 1 && n < 4; ++n)
                EXPECT_EQ(d->Bereiche[w.Radio - 1][n]->palette().color(QPalette::Window),
                          d->palette().color((w.Wort >> (24 - 8 * n)) & 0xFF ? QPalette::ToolTipBase
                                                                             : QPalette::Button))
                    << n;
        d->BtnOkClick();
        EXPECT_EQ(wort, w.Wort);
        EXPECT_EQ(d->ModalResult(), 1);
    }
}

TEST_F(Definition, EachWordOpensOnItsRowAndAnUnknownOneOnVariantTwoWithBothAreas) {
    std::vector<std::pair<uint32_t, uint32_t>> faelle;
    for (const auto &z : TDlg::Tabelle())
        faelle.emplace_back(z.Wort, z.Wort);
    faelle.emplace_back(0x12345678, 0x113344CC);
    faelle.emplace_back(0xFFFFFFFF, 0x113344CC);
    for (const auto &[ein, aus] : faelle) {
        SCOPED_TRACE(ein);
        uint32_t wort = ein;
        auto d = Dialog(wort);
        const auto zeile = TDlg::ZeileVonWort(aus);
        ASSERT_TRUE(zeile);
        EXPECT_TRUE(d->RbtnAzVariante[zeile->Radio - 1]->isChecked());
        EXPECT_EQ(d->Wort(), aus);
        EXPECT_EQ(d->Abschnitt(), zeile->Abschnitt);
        EXPECT_EQ(wort, ein) << "only OK writes";
        d->BtnOkClick();
        EXPECT_EQ(wort, aus);
    }
    EXPECT_FALSE(TDlg::ZeileVonWort(0x113344CD));
}

TEST_F(Definition, ClearingSsb2InVariantThreeBreaksTheChainButKeepsTheChecks) {
    uint32_t wort = 0x11224488;
    auto d = Dialog(wort);
    ASSERT_TRUE(d->ChkVariante3Sb4->isChecked());
    d->ChkVariante3Sb2->click();
    EXPECT_EQ(d->Wort(), 0x11000000u);
    EXPECT_FALSE(d->ChkVariante3Sb3->isEnabled());
    EXPECT_FALSE(d->ChkVariante3Sb4->isEnabled());
    EXPECT_TRUE(d->ChkVariante3Sb3->isChecked());
    EXPECT_TRUE(d->ChkVariante3Sb4->isChecked());
    // Checked again: the chain counts the kept checks.
    d->ChkVariante3Sb2->click();
    EXPECT_EQ(d->Wort(), 0x11224488u);
    // Another variant disables every box of variant 3.
    d->RbtnAzVariante[4]->click();
    EXPECT_FALSE(d->ChkVariante3Sb2->isEnabled());
    EXPECT_TRUE(d->ChkVariante5Sb2->isEnabled());
    EXPECT_FALSE(d->ChkVariante4Sb2->isEnabled());
}

TEST_F(Definition, CancelLeavesTheWordThroughTheDriver) {
    for (const int antwort : {1, 2}) {
        SCOPED_TRACE(antwort);
        uint32_t wort = 0x11000000;
        TDlg d(nullptr, wort, "");
        TModalDriverScope driver([&](TModalDialog &m) {
            auto &dialog = dynamic_cast<TDlg &>(m);
            dialog.RbtnAzVariante[6]->click();
            antwort == 1 ? dialog.BtnOkClick() : dialog.BtnAbbrechenClick();
            return dialog.ModalResult();
        });
        EXPECT_EQ(d.ShowModal(), antwort);
        EXPECT_EQ(wort, antwort == 1 ? 0x112244B8u : 0x11000000u);
    }
}

// A description file's section for the word: (file, section) to the field's text.
TEST_F(Definition, ShowDescriptionFindsTheSectionByItsKey) {
    const std::string txt = "Vorwort\n#ID8\nacht eins\nacht zwei\n#id80\nachtzig\n#id9\r\n"
                            "neun\r\n#Id10\nzehn\n";
    const std::string rtf = "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0 #id80\\par achtzig\\par "
                            "#ID8\\par T\\'fcr acht\\par #id9\\par neun\\par zweite\\par}";
    struct TFall {
        const char *Name;
        std::string Datei;
        int Abschnitt;
        std::string Text;
    };
    const AnsiString t = Datei("a.txt", txt);
    const AnsiString r = Datei("a.rtf", rtf);
    const AnsiString upper = Datei("B.RTF", rtf);
    const TFall faelle[] = {
        {"txt: key in another case", t, 8, "acht eins\nacht zwei"},
        {"txt: #id8 beside #id80", t, 80, "achtzig"},
        {"txt: CR LF lines", t, 9, "neun"},
        {"txt: last section to the end", t, 10, "zehn"},
        {"txt: missing", t, 11, ""},
        {"rtf: key in another case, umlaut", r, 8, "Tür acht\n"},
        {"rtf: #id8 not inside #id80", r, 80, "achtzig\n"},
        {"rtf: last section to the end", r, 9, "neun\nzweite\n"},
        {"rtf: missing", r, 7, ""},
        {"rtf: extension in upper case", upper, 8, "Tür acht\n"},
    };
    for (const TFall &f : faelle) {
        SCOPED_TRACE(f.Name);
        uint32_t wort = 0;
        TDlg d(nullptr, wort, f.Datei);
        d.RichEditFeld->setPlainText("alt");
        d.ShowDescription(f.Abschnitt);
        EXPECT_EQ(Feld(d), f.Text);
        EXPECT_TRUE(d.RichEditFeld->isReadOnly());
    }
}

TEST_F(Definition, WithoutItsFileTheFieldStaysAndABrokenFileSaysSo) {
    uint32_t wort = 0;
    TDlg fehlt(nullptr, wort, (Ordner / "fehlt.rtf").string());
    fehlt.RichEditFeld->setPlainText("alt");
    fehlt.ShowDescription(8);
    EXPECT_EQ(Feld(fehlt), "alt");
    TDlg kaputt(nullptr, wort, Datei("k.rtf", "{#id8\\par x\\'z"));
    kaputt.ShowDescription(8);
    EXPECT_NE(Feld(kaputt).find("fehlerhaft"), std::string::npos) << Feld(kaputt);
}

// The program's own description file has every section, each with German text.
TEST_F(Definition, TheProgramsDescriptionFileHasEverySection) {
    const std::filesystem::path datei =
        std::filesystem::path(AZ_BIN_DIR) / SprText(11347);
    ASSERT_TRUE(std::filesystem::is_regular_file(datei)) << datei;
    for (const auto &z : TDlg::Tabelle()) {
        SCOPED_TRACE(z.Abschnitt);
        uint32_t wort = z.Wort;
        auto d = Dialog(wort, datei.string());
        const std::string text = Feld(*d);
        EXPECT_NE(text.find("Variante " + std::to_string(z.Radio)), std::string::npos) << text;
        EXPECT_EQ(text.find("#id"), std::string::npos) << text;
    }
}

// The device's request (105, 0) opens the dialog on the panel's word; OK by the driver
// changes the panel's variant, cancel keeps it.
class DefinitionDurchGeraet : public TDialogFixture {};

TEST_F(DefinitionDurchGeraet, TheRequestOpensTheDialogAndOkChangesTheVariant) {
    TDeviceDialogeQt qt;
    Dienste.AndereDialoge = &qt;
    auto *system = dynamic_cast<TAzSystem *>(Device->GetDevice());
    ASSERT_NE(system, nullptr);
    for (const int antwort : {2, 1}) {
        SCOPED_TRACE(antwort);
        const uint32_t vorher = system->GetParamVarianteAz();
        TModalDriverScope driver([&](TModalDialog &m) {
            auto &dialog = dynamic_cast<TDlg &>(m);
            EXPECT_EQ(dialog.Wort(), vorher);
            EXPECT_EQ(dialog.windowTitle().toStdString(), "Konfiguration der Sicherungsbereiche");
            dialog.RbtnAzVariante[2]->click();
            dialog.ChkVariante3Sb2->setChecked(true);
            antwort == 1 ? dialog.BtnOkClick() : dialog.BtnAbbrechenClick();
            return dialog.ModalResult();
        });
        RDeviceRequest r(*system, AzRequest::VarianteDialog);
        r.Send(WM_AZ_DEVICE_REQUEST);
        EXPECT_EQ(driver.Count(), 1);
        EXPECT_EQ(system->GetParamVarianteAz(), antwort == 1 ? 0x11220000u : vorher);
    }
    Dienste.AndereDialoge = nullptr;
}

} // namespace
