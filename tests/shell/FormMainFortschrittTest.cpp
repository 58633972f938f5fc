// The program's progress form with the real main window: its cancel button hands back the code
// the progress was started with, and whoever that code names stops. Adding detectors on the
// demo panel, with the real count dialog and the real progress form, cancelled after three.
#include "TTestFormMain.h"
#include "TestHilfen.h"

#include "deviceinstance/TDeviceInstanzAz.h"
#include "deviceinstance/dialogs/TDeviceDialogeQt.h"
#include "deviceinstance/dialogs/TDlgMelderHinzufuegen.h"
#include "platform/bustool/TEtsMeter.h"
#include "platform/dialogs/DlgProgressGuard.h"
#include "platform/objectbase/MainWindowMessages.h"
#include "shell/ProgrammDialoge.h"

#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

namespace {

// The program's meter and progress form for the test's lifetime; the tests' handlers (none)
// afterwards.
struct TProgrammFortschritt {
    explicit TProgrammFortschritt(HWND main)
        : Fortschritt(SetDlgProgressHandler(nullptr)), Meter(SetEtsMeterFactory(nullptr)) {
        InstallProgrammDialoge(main);
    }
    ~TProgrammFortschritt() {
        SetDlgProgressHandler(std::move(Fortschritt));
        SetEtsMeterFactory(std::move(Meter));
    }
    TDlgProgressHandler Fortschritt;
    TEtsMeterFactory Meter;
};

// The user clicks the shown progress form's cancel once its bar has reached the position.
class TKlickBeiPosition : public QObject {
public:
    explicit TKlickBeiPosition(int position) : FPosition(position) {
        qApp->installEventFilter(this);
    }
    ~TKlickBeiPosition() override { qApp->removeEventFilter(this); }
    int Klicks = 0;
    QPointer<TDlgProgressForm> Form; // the last one shown

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        auto *form = dynamic_cast<TDlgProgressForm *>(watched);
        if (!form || event->type() != QEvent::Show)
            return false;
        Form = form;
        connect(form->Balken, &QProgressBar::valueChanged, form, [this, form](int value) {
            if (value == FPosition && Klicks == 0) {
                ++Klicks;
                QTest::mouseClick(form->Abbrechen, Qt::LeftButton);
            }
        });
        return false;
    }

private:
    int FPosition;
};

class FormMainFortschritt : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(F.Oeffne());
        W = F.Main->GetActiveFormVerw();
        ASSERT_NE(W, nullptr);
        W->FormActivate();
        DeliverPostedMessages();
        Device = dynamic_cast<TDeviceInstanzAz *>(F.Main->AktDevInst());
        ASSERT_NE(Device, nullptr);
    }
    TTestFormMain F;
    TFormVerw *W = nullptr;
    TDeviceInstanzAz *Device = nullptr;
};

TEST_F(FormMainFortschritt, CancellingTheAddingAfterThreeDetectorsLeavesThree) {
    F.Main->SetDeviceDialoge(std::make_unique<TDeviceDialogeQt>(F.Main.get()));
    TProgrammFortschritt programm(F.Main->GetHandle());
    TTreeNode *bereich = KnotenTyp(W->Tree, 6127);
    ASSERT_NE(bereich, nullptr);
    W->Tree->setCurrentItem(bereich);
    DeliverPostedMessages();
    const int vorher = Device->GetAnzahlMelder();
    const int kinder = bereich->childCount();

    TModalDriverScope zehn([](TModalDialog &d) {
        auto *dialog = dynamic_cast<TDlgMelderHinzufuegen *>(&d);
        EXPECT_NE(dialog, nullptr);
        if (!dialog)
            return 0;
        dialog->SpinEditAnzahlMelder->setValue(10);
        dialog->BtnOk->click();
        return dialog->ModalResult();
    });
    // Two steps a detector: at 6 the third one is made.
    TKlickBeiPosition nutzer(6);
    ASSERT_TRUE(F.DM->Execute(TDM::AMelderHinzufuegen));
    DeliverPostedMessages();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_EQ(zehn.Count(), 1);
    EXPECT_EQ(nutzer.Klicks, 1);
    EXPECT_EQ(Device->GetAnzahlMelder(), vorher + 3);
    EXPECT_EQ(bereich->childCount(), kinder + 3) << "the tree shows the three";
    EXPECT_FALSE(Device->GetMelderHinzufuegenAbbrechen()) << "cleared when the adding ends";
    EXPECT_FALSE(F.Main->ProgressAbbruch()) << "the main window's own progress is not meant";
    EXPECT_EQ(AktuellerFortschritt(), nullptr) << "the progress is closed";
    EXPECT_TRUE(nutzer.Form.isNull()) << "and its form gone";
    EXPECT_TRUE(F.Boxen.Boxes().empty()) << (F.BoxTexte().empty() ? "" : F.BoxTexte()[0]);
}

// Each progress's cancel, clicked on the form, reaches the main window with its code: the
// main window's abort (which also closes the form) for a progress without a code and for the
// codes but 3, the adding's flag for 3 (the adding closes its form itself).
TEST(FormMainAbbruchCode, TheCancelBringsBackTheCodeTheProgressWasStartedWith) {
    struct TFall {
        int Code;
        bool MelderAbbruch;
        bool HauptAbbruch;
    };
    const TFall faelle[] = {
        {AzMsg::kAbbruchNichts, false, true},
        {AzMsg::kAbbruchFortschritt, false, true},
        {AzMsg::kAbbruchImport, false, true},
        {AzMsg::kAbbruchMelderHinzufuegen, true, false},
    };
    for (const TFall &f : faelle) {
        SCOPED_TRACE(f.Code);
        TTestFormMain haupt;
        ASSERT_TRUE(haupt.Oeffne());
        auto *device = dynamic_cast<TDeviceInstanzAz *>(haupt.Main->AktDevInst());
        ASSERT_NE(device, nullptr);
        TProgrammFortschritt programm(haupt.Main->GetHandle());
        QPointer<TDlgProgressForm> gezeigt;
        {
            TDlgProgressGuard progress("Bitte warten", "", 4, haupt.Main.get(), true, f.Code);
            progress.Next();
            TDlgProgressForm *form = AktuellerFortschritt();
            ASSERT_NE(form, nullptr);
            gezeigt = form;
            QTest::mouseClick(form->Abbrechen, Qt::LeftButton);
            EXPECT_EQ(device->GetMelderHinzufuegenAbbrechen(), f.MelderAbbruch);
            EXPECT_EQ(haupt.Main->ProgressAbbruch(), f.HauptAbbruch);
            EXPECT_EQ(AktuellerFortschritt() == nullptr, f.HauptAbbruch);
        }
        EXPECT_EQ(AktuellerFortschritt(), nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(gezeigt.isNull()) << "the form is gone";
    }
}

} // namespace
