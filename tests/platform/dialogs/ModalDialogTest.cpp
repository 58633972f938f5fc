// The base of the modal dialogs: the modal driver in place of the window, the cancel result,
// and the texts' conversion at the Qt boundary.
#include "platform/dialogs/TModalDialog.h"

#include "DialogAnwendung.h"

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

} // namespace
