// The link dialog: what OK reads from the address field (the device's one reader), what it
// leaves when the text is empty, invalid or 0/0/0, the two-level split, Enter in either field,
// the keys the address field takes, and Cancel.
#include "DialogTestHilfen.h"

#include "deviceinstance/dialogs/TDlgLinkToGrpAdr.h"
#include "platform/vcl/Cp1252.h"
#include "platform/win/MessageBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

struct TAusgabe {
    AnsiString Name = "alt";
    uint16_t Sub = 99, Middle = 99, Main = 99;
};

TEST(LinkToGrpAdr, TextsAndTheProposal) {
    TAusgabe out;
    TDlgLinkToGrpAdr dialog(nullptr, "1/2/3", out.Name, out.Sub, out.Middle, out.Main, true);
    EXPECT_EQ(dialog.windowTitle().toStdString(), "Mit Gruppenadresse verbinden");
    EXPECT_EQ(dialog.LabelInfoText->text().toStdString(),
              "Bitte neue oder existierende Gruppenadresse eingeben:");
    EXPECT_EQ(dialog.LabelGrpAdr->text().toStdString(), "Adresse");
    EXPECT_EQ(dialog.LabelGrpAdrName->text().toStdString(), "Name");
    EXPECT_EQ(dialog.BtnOk->text().toStdString(), "Ok");
    EXPECT_EQ(dialog.BtnAbbrechen->text().toStdString(), "Abbrechen");
    EXPECT_EQ(dialog.EditGrpAdr->text().toStdString(), "1/2/3");
    EXPECT_TRUE(dialog.EditGrpAdrName->text().isEmpty());
}

TEST(LinkToGrpAdr, OkReadsTheAddressOrStaysOpen) {
    struct TFall {
        const char *Text;
        bool Drei;
        bool Ok;
        int Main, Middle, Sub;
        size_t Boxen;
    };
    const TFall faelle[] = {
        {"1/2/3", true, true, 1, 2, 3, 0},
        {"15.7.255", true, true, 15, 7, 255, 0},
        {"3-0,9", true, true, 3, 0, 9, 0},
        {"2/1000", false, true, 2, 3, 232, 0}, // 1000 = 3 * 256 + 232
        {"2/2047", false, true, 2, 7, 255, 0},
        {"", true, false, 0, 0, 0, 0},
        {"   ", true, false, 0, 0, 0, 0},
        {"16/0/0", true, false, 0, 0, 0, 1},
        {"1/8/0", true, false, 0, 0, 0, 1},
        {"1/2", true, false, 0, 0, 0, 1},
        {"2/2048", false, false, 0, 0, 0, 1},
        {"0/0/0", true, false, 0, 0, 0, 1},
        {"0/0", false, false, 0, 0, 0, 1},
    };
    for (const TFall &f : faelle) {
        TMessageBoxRecorder boxes;
        TAusgabe out;
        TDlgLinkToGrpAdr dialog(nullptr, "", out.Name, out.Sub, out.Middle, out.Main, f.Drei);
        dialog.EditGrpAdr->setText(QString::fromUtf8(f.Text));
        dialog.EditGrpAdrName->setText(QtText(Utf8ToAnsi("Tür Süd")));
        TModalDriverScope driver([&](TModalDialog &d) {
            auto *link = dynamic_cast<TDlgLinkToGrpAdr *>(&d);
            EXPECT_NE(link, nullptr);
            if (!link)
                return 0;
            link->BtnOk->click();
            // Still open after a refused text: Cancel ends it.
            if (link->ModalResult() != 1)
                link->BtnAbbrechen->click();
            return link->ModalResult();
        });
        EXPECT_EQ(dialog.ShowModal(), f.Ok ? 1 : 2) << f.Text;
        ASSERT_EQ(boxes.Boxes().size(), f.Boxen) << f.Text;
        if (f.Boxen) {
            EXPECT_EQ(boxes.Boxes()[0].text, Utf8ToAnsi("Ungültige Gruppenadresse"));
            EXPECT_EQ(boxes.Boxes()[0].caption, "Fehler");
        }
        if (f.Ok) {
            EXPECT_EQ(out.Name, Utf8ToAnsi("Tür Süd")) << f.Text;
            EXPECT_EQ(out.Main, f.Main) << f.Text;
            EXPECT_EQ(out.Middle, f.Middle) << f.Text;
            EXPECT_EQ(out.Sub, f.Sub) << f.Text;
        } else {
            EXPECT_EQ(out.Name, "alt") << f.Text;
            EXPECT_EQ(out.Main, 99) << f.Text;
            EXPECT_EQ(AnsiText(dialog.EditGrpAdr->text()), AnsiString(f.Text))
                << "the typed text stays";
        }
    }
}

TEST(LinkToGrpAdr, EnterInEitherFieldActsAsOk) {
    for (const bool imNamen : {false, true}) {
        TAusgabe out;
        TDlgLinkToGrpAdr dialog(nullptr, "1/0/4", out.Name, out.Sub, out.Middle, out.Main, true);
        dialog.EditGrpAdrName->setText("Flur");
        Tippe(imNamen ? static_cast<QWidget *>(dialog.EditGrpAdrName) : dialog.EditGrpAdr,
              {{Qt::Key_Return, "\r"}});
        EXPECT_EQ(dialog.ModalResult(), 1) << imNamen;
        EXPECT_EQ(out.Name, "Flur");
        EXPECT_EQ(out.Sub, 4);
    }
}

TEST(LinkToGrpAdr, TheAddressFieldTakesDigitsAndSeparatorsTheNameEverything) {
    TAusgabe out;
    TDlgLinkToGrpAdr dialog(nullptr, "", out.Name, out.Sub, out.Middle, out.Main, true);
    const std::vector<std::pair<int, QString>> keys = {
        {Qt::Key_1, "1"}, {Qt::Key_A, "a"},     {Qt::Key_Slash, "/"}, {Qt::Key_Space, " "},
        {Qt::Key_2, "2"}, {Qt::Key_Period, "."}, {Qt::Key_X, "x"},    {Qt::Key_Comma, ","},
        {Qt::Key_Minus, "-"}, {Qt::Key_3, "3"}, {Qt::Key_Backspace, ""}};
    Tippe(dialog.EditGrpAdr, keys);
    EXPECT_EQ(dialog.EditGrpAdr->text().toStdString(), "1/ 2.,-");
    Tippe(dialog.EditGrpAdrName, keys);
    EXPECT_EQ(dialog.EditGrpAdrName->text().toStdString(), "1a/ 2.x,-");
    EXPECT_EQ(dialog.ModalResult(), 0) << "no key but Enter ends the dialog";
}

TEST(LinkToGrpAdr, FocusStartsInTheAddressField) {
    TAusgabe out;
    TDlgLinkToGrpAdr dialog(nullptr, "1/0/4", out.Name, out.Sub, out.Middle, out.Main, true);
    QWidget *focus = nullptr;
    TModalDriverScope driver([&](TModalDialog &d) {
        focus = d.focusWidget();
        static_cast<TDlgLinkToGrpAdr &>(d).BtnAbbrechenClick();
        return d.ModalResult();
    });
    EXPECT_EQ(dialog.ShowModal(), 2);
    EXPECT_EQ(focus, dialog.EditGrpAdr);
    EXPECT_EQ(out.Name, "alt");
}

} // namespace
