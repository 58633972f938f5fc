// The base of the modal dialogs: the modal driver in place of the window, the cancel result,
// the texts' conversion at the Qt boundary, and the input box on that base.
#include "platform/dialogs/TModalDialog.h"

#include "DialogAnwendung.h"
#include "platform/dialogs/InputBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

class TZaehlDialog : public TModalDialog {
public:
    TZaehlDialog() : TModalDialog(nullptr, 3) {}
    int Shows = 0;

protected:
    void FormShow() override { ++Shows; }
};

TEST(ModalDialog, TheDriverGetsTheDialogAfterItsFormShow) {
    Anwendung();
    TZaehlDialog dialog;
    TModalDriverScope driver([&](TModalDialog &d) {
        EXPECT_EQ(&d, &dialog);
        EXPECT_EQ(dialog.Shows, 1);
        d.SetModalResult(1);
        return 7;
    });
    EXPECT_EQ(dialog.ShowModal(), 7) << "the driver's answer";
    EXPECT_EQ(dialog.ModalResult(), 1);
    EXPECT_EQ(driver.Count(), 1);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(ModalDialog, EscapeGivesTheCancelResult) {
    Anwendung();
    TZaehlDialog dialog;
    TModalDriverScope driver([](TModalDialog &d) {
        static_cast<QDialog &>(d).reject();
        return d.ModalResult();
    });
    EXPECT_EQ(dialog.ShowModal(), 3);
}

TEST(ModalDialog, ANestedScopeRestoresTheOuterDriver) {
    Anwendung();
    TZaehlDialog dialog;
    TModalDriverScope outer([](TModalDialog &) { return 1; });
    {
        TModalDriverScope inner([](TModalDialog &) { return 2; });
        EXPECT_EQ(dialog.ShowModal(), 2);
    }
    EXPECT_EQ(dialog.ShowModal(), 1);
    EXPECT_EQ(outer.Count(), 1);
}

TEST(ModalDialog, TextsCrossTheQtBoundaryLosslessly) {
    const AnsiString ansi = "T\xFCr \x80 \xDF \x81";
    const QString qt = QtText(ansi);
    EXPECT_EQ(qt, QString::fromUtf8("Tür € ß \u0081"));
    EXPECT_EQ(AnsiText(qt), ansi);
    EXPECT_EQ(AnsiText(QString::fromUtf8("\u4E2D")), "?") << "what Windows-1252 cannot hold";
}

// OK answers the typed text; Cancel and Escape the default.
TEST(ModalDialog, TheInputBoxAnswersTheTypedTextOnlyAfterOk) {
    Anwendung();
    enum TWeg { Ok, Abbrechen, Escape };
    struct TFall {
        TWeg Weg;
        AnsiString Antwort;
    };
    const TFall faelle[] = {{Ok, "083AZ\xE4"}, {Abbrechen, "Vorgabe"}, {Escape, "Vorgabe"}};
    for (const TFall &f : faelle) {
        SCOPED_TRACE(f.Weg);
        TModalDriverScope driver([&](TModalDialog &d) {
            auto *box = dynamic_cast<TInputBox *>(&d);
            EXPECT_NE(box, nullptr);
            if (!box)
                return 0;
            EXPECT_EQ(box->windowTitle(), "Devicetype");
            EXPECT_EQ(box->LabelPrompt->text(), "Modul");
            EXPECT_EQ(box->Text(), "Vorgabe");
            box->EditText->setText(QtText("083AZ\xE4"));
            if (f.Weg == Ok)
                box->BtnOk->click();
            else if (f.Weg == Abbrechen)
                box->BtnAbbrechen->click();
            else
                static_cast<QDialog &>(d).reject();
            return d.ModalResult();
        });
        EXPECT_EQ(InputBox("Devicetype", "Modul", "Vorgabe"), f.Antwort);
        EXPECT_EQ(driver.Count(), 1);
    }
}

} // namespace
