// The main window in process on the shared fixture (the tests raise the events on the slots
// themselves): its message service, the event frame and device life, and the guard with its
// deferred work.
#include "TTestFormMain.h"

#include "platform/bustool/TEts2Cdi_Extended1.h"
#include "platform/objectbase/MainWindowMessages.h"
#include "platform/win/MessageBox.h"
#include "shell/TFDockMeld.h"
#include "deviceinstance/TDeviceInstanz.h"
#include "foundation/SprTexte.h"
#include "platform/busobjects/TGrpAdrOrdner.h"
#include "shell/TFormMain.h"
#include "shell/TFormVerw.h"
#include "TestHilfen.h"

#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdexcept>

namespace {

constexpr int32_t kDeviceIdParameter = 9999;

// The shared main-window fixture; the tests here raise the events on the slots themselves.
class FormMainTest : public ::testing::Test {
protected:
    TTestFormMain F;
    TTempProject &Project = F.Project;
    TMessageBoxRecorder &Boxes = F.Boxen;
    std::unique_ptr<TDM> &DM = F.DM;
    std::unique_ptr<TFormMain> &Main = F.Main;

    struct TAntwort {
        bool done;
        int result;
    };
    TAntwort Create(int mode, long deviceId) {
        Main->Cdi()->SetCurrentDevice(static_cast<int32_t>(deviceId));
        TAntwort a{true, 0};
        Main->Cdi()->OnCdiCreateDevice(&a.done, &a.result, Main->Cdi(), mode, deviceId, "");
        return a;
    }
    TAntwort Delete(long deviceId) {
        Main->Cdi()->SetCurrentDevice(static_cast<int32_t>(deviceId));
        TAntwort a{true, 0};
        Main->Cdi()->OnCdiDeleteDevice(&a.done, &a.result, Main->Cdi(), deviceId);
        return a;
    }
    TAntwort Reconstruct(long deviceId, int mode) {
        Main->Cdi()->SetCurrentDevice(static_cast<int32_t>(deviceId));
        TAntwort a{true, 0};
        Main->Cdi()->OnCdiDoReconstruct(&a.done, &a.result, Main->Cdi(), 0, deviceId, 0, mode,
                                        "image.x19");
        return a;
    }
    TAntwort Edit(long deviceId) {
        Main->Cdi()->SetCurrentDevice(static_cast<int32_t>(deviceId));
        TAntwort a{true, 0};
        Main->Cdi()->OnCdiEditParameters(&a.done, &a.result, Main->Cdi(), deviceId);
        return a;
    }
    int32_t NewPanel(int address) {
        return Project.Database().AddPanelDevice(Linie(), address, "Neu");
    }
    // A line of its own for the tests' devices (area 2, line 1).
    int32_t Linie() {
        if (FLinie < 0) {
            TProjectDatabase &db = Project.Database();
            FLinie = db.AddLine(db.AddArea(2, "Bereich"), 1, "Linie");
        }
        return FLinie;
    }
    AnsiString Blob(int32_t id) {
        unsigned char *data = nullptr;
        unsigned long size = 0;
        if (!Project.Cdi().BlobRead(&data, &size, id))
            return {};
        return AnsiString(reinterpret_cast<const char *>(data), size);
    }
    // What the bus tool does around an event: its device is the current one.
    bool SetDevice(int32_t id) {
        Main->Cdi()->SetCurrentDevice(id);
        return Main->SetDevice(id, false);
    }
    LRESULT Send(UINT msg, WPARAM w = 0, LPARAM l = 0) {
        return SendMessage(Main->GetHandle(), msg, w, l);
    }

    int32_t FLinie = -1;
};

TEST(FormMainVersion, FloorIsOnePointTwoBuild101InOrder) {
    struct Fall {
        uint16_t major, minor, release, build;
        bool ok;
    };
    const Fall faelle[] = {
        {1, 2, 0, 101, true},  {1, 2, 0, 100, false}, {1, 3, 0, 0, true},
        {2, 0, 0, 0, true},    {1, 1, 65535, 65535, false}, {0, 65535, 65535, 65535, false},
        {1, 2, 1, 0, true},    {1, 2, 0, 65535, true},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(testing::Message() << f.major << "." << f.minor << "." << f.release << "."
                                        << f.build);
        EXPECT_EQ(TFormMain::EtsVersionCheck(uint32_t(f.major) << 16 | f.minor,
                                             uint32_t(f.release) << 16 | f.build),
                  f.ok);
    }
}

TEST_F(FormMainTest, StartsHiddenWithItsHandleInTheDataModule) {
    EXPECT_EQ(DM->MainWindowHandle, Main->GetHandle());
    EXPECT_FALSE(Main->isVisible());
    EXPECT_EQ(Main->ModulName(), "083AZ160");
    EXPECT_EQ(Main->StatusPanels.size(), 5u);
    EXPECT_EQ(Main->StatusPanels[0]->minimumWidth(), 250);
    EXPECT_EQ(Main->StatusPanels[4]->minimumWidth(), 50);
}

TEST(FormMainArgs, ModuleNameIsTheFirstArgument) {
    const char *ohne[] = {"pultor", nullptr};
    const char *mit[] = {"pultor", "083AZ160", "mehr", nullptr};
    EXPECT_EQ(TFormMain::ModuleNameFromArgs(1, ohne), "");
    EXPECT_EQ(TFormMain::ModuleNameFromArgs(3, mit), "083AZ160");
}

TEST_F(FormMainTest, CreateModeMinus2AnswersOneWithoutADevice) {
    const TAntwort a = Create(-2, NewPanel(20));
    EXPECT_TRUE(a.done);
    EXPECT_EQ(a.result, 1);
    EXPECT_TRUE(Main->DeviceInstanzen().empty());
    EXPECT_TRUE(Boxes.Boxes().empty());
}

TEST_F(FormMainTest, CreateMakesTheDeviceWritesItsBlockAndItsId) {
    const int32_t id = NewPanel(20);
    const TAntwort a = Create(0, id);
    EXPECT_TRUE(a.done);
    EXPECT_EQ(a.result, 1);
    ASSERT_EQ(Main->DeviceInstanzen().count(id), 1u);
    EXPECT_EQ(Main->AktDevInst(), Main->DeviceInstanzen().at(id).get());
    EXPECT_FALSE(Blob(id).empty());
    EXPECT_EQ(Project.Database().ParameterValue(id, kDeviceIdParameter), id);
    EXPECT_FALSE(DM->Modified);
}

TEST_F(FormMainTest, CreateForAnIdInTheMapKeepsTheFirstInstanceAndItsBlock) {
    const int32_t id = NewPanel(20);
    ASSERT_EQ(Create(0, id).result, 1);
    TDeviceInstanz *erste = Main->AktDevInst();
    const AnsiString block = Blob(id);
    const TAntwort a = Create(0, id);
    EXPECT_TRUE(a.done);
    EXPECT_EQ(a.result, 0);
    EXPECT_EQ(Main->DeviceInstanzen().size(), 1u);
    EXPECT_EQ(Main->DeviceInstanzen().at(id).get(), erste);
    EXPECT_EQ(Main->AktDevInst(), erste);
    EXPECT_EQ(Blob(id), block);
}

TEST_F(FormMainTest, DeleteRemovesTheInstanceAndAnswersZero) {
    const int32_t id = NewPanel(20);
    ASSERT_EQ(Create(0, id).result, 1);
    const TAntwort a = Delete(id);
    EXPECT_TRUE(a.done);
    EXPECT_EQ(a.result, 0);
    EXPECT_TRUE(Main->DeviceInstanzen().empty());
    EXPECT_EQ(Main->AktDevInst(), nullptr);
    EXPECT_EQ(Main->LastDeletedDeviceId(), id);
    // An unknown id: nothing to delete, the same answer.
    const TAntwort b = Delete(id + 100);
    EXPECT_EQ(b.result, 0);
    EXPECT_TRUE(b.done);
}

TEST_F(FormMainTest, DestroyDeletesEveryInstance) {
    for (int address : {20, 21, 22})
        ASSERT_EQ(Create(0, NewPanel(address)).result, 1);
    ASSERT_EQ(Main->DeviceInstanzen().size(), 3u);
    Main->FormDestroy();
    EXPECT_TRUE(Main->DeviceInstanzen().empty());
    EXPECT_EQ(Main->Cdi(), nullptr);
    EXPECT_EQ(Main->AktDevInst(), nullptr);
}

TEST_F(FormMainTest, AnOldBusToolFailsTheEventsThatCheckIt) {
    Project.Database().SetBusToolVersion(1, 2, 0, 100);
    const int32_t id = NewPanel(20);
    const TAntwort create = Create(-2, id);
    EXPECT_TRUE(create.done);
    EXPECT_EQ(create.result, 0);
    const TAntwort edit = Edit(Project.PanelId());
    EXPECT_TRUE(edit.done);
    EXPECT_EQ(edit.result, 0);
    EXPECT_TRUE(Main->DeviceInstanzen().empty());
    EXPECT_FALSE(Main->isVisible());
    EXPECT_TRUE(Boxes.Boxes().empty());
}

TEST_F(FormMainTest, ReconstructAnswersZeroForADeviceThatDoesNotLoadAndAnUnknownMode) {
    struct Fall {
        long id;
        int mode;
        bool box;
    };
    const Fall faelle[] = {{999, 2, true}, {Project.PanelId(), 1, false}};
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.mode);
        Boxes.Clear();
        const TAntwort a = Reconstruct(f.id, f.mode);
        EXPECT_TRUE(a.done);
        EXPECT_EQ(a.result, 0);
        // An unknown device does not load (the instance's own boxes), the event says so and
        // goes on: the missing image fails the reconstruction.
        ASSERT_EQ(Boxes.Boxes().empty(), !f.box);
        if (f.box) {
            const auto &boxen = Boxes.Boxes();
            EXPECT_TRUE(std::any_of(boxen.begin(), boxen.end(), [](const auto &b) {
                return b.text == "TFormMain::OnCdiDoReconstruct" && b.caption == "Fehler";
            }));
            EXPECT_EQ(boxen.back().text, SprText(24209));
        }
    }
}

TEST_F(FormMainTest, SetDeviceStopsWhenTheDeviceDoesNotLoad) {
    // A device the bus tool does not know has no block: its id is not written, no link
    // touched (writing the id would report the missing parameter).
    EXPECT_FALSE(SetDevice(4711));
    for (const auto &box : Boxes.Boxes())
        EXPECT_NE(box.caption, "SetDeviceParameter") << box.text;
    // A device that loads gets its id.
    Boxes.Clear();
    EXPECT_TRUE(SetDevice(Project.PanelId()));
    EXPECT_EQ(Project.Parameter(kDeviceIdParameter), Project.PanelId());
}

TEST_F(FormMainTest, SetDeviceReusesTheInstanceOfItsId) {
    ASSERT_TRUE(SetDevice(Project.PanelId()));
    TDeviceInstanz *erste = Main->AktDevInst();
    ASSERT_TRUE(SetDevice(Project.PanelId()));
    EXPECT_EQ(Main->AktDevInst(), erste);
    EXPECT_EQ(Main->DeviceInstanzen().size(), 1u);
}

TEST_F(FormMainTest, SetDeviceTitlesTheWindowWithTheNameOnOneLine) {
    const int32_t id = Project.Database().AddPanelDevice(Linie(), 30, "Halle\r\nOst");
    ASSERT_TRUE(SetDevice(id));
    EXPECT_TRUE(Main->windowTitle().endsWith(" [Halle Ost]")) << Main->windowTitle().toStdString();
}

TEST_F(FormMainTest, AThrowingHandlerIsShownAndAnswersZero) {
    // The first box throws (the create's report of an unreadable device); the guard shows it.
    std::vector<TMessageBoxRecorder::TBox> gezeigt;
    int aufrufe = 0;
    const TMessageBoxHandler vorher = SetMessageBoxHandler(
        [&](HWND owner, const AnsiString &text, const AnsiString &caption, unsigned style) {
            if (aufrufe++ == 0)
                throw std::runtime_error("Kaputt");
            gezeigt.push_back({owner, text, caption, style});
            return IDOK;
        });
    const TAntwort a = Create(0, 4711);
    SetMessageBoxHandler(vorher);
    EXPECT_TRUE(a.done);
    EXPECT_EQ(a.result, 0);
    ASSERT_EQ(gezeigt.size(), 1u);
    EXPECT_EQ(gezeigt[0].text, "Kaputt");
    EXPECT_EQ(gezeigt[0].caption, "TFormMain::OnCdiCreateDevice");
    EXPECT_EQ(gezeigt[0].style, static_cast<unsigned>(MB_ICONERROR));
    EXPECT_EQ(Main->Tiefe(), 0);
}

TEST_F(FormMainTest, WorkForDepthZeroWaitsForTheOutermostGuard) {
    std::vector<int> reihe;
    Main->Bewacht("aussen", [&] {
        Main->Bewacht("innen", [&] {
            Main->AufTiefeNull("eins", [&] { reihe.push_back(1); });
            reihe.push_back(0);
        });
        Main->AufTiefeNull("zwei", [&] { reihe.push_back(2); });
        EXPECT_EQ(Main->Tiefe(), 1);
        reihe.push_back(9);
    });
    EXPECT_EQ(reihe, (std::vector<int>{0, 9, 1, 2}));
    // With no guard running it runs at once.
    Main->AufTiefeNull("drei", [&] { reihe.push_back(3); });
    EXPECT_EQ(reihe.back(), 3);
}

TEST_F(FormMainTest, PostedMessagesWaitWhileAGuardRuns) {
    Main->Bewacht("aussen", [&] {
        AzMsg::Post(Main->GetHandle(), AzMsg::RegisterFormVerw{&Fenster0()});
        Main->DeliverPosted();
        QCoreApplication::processEvents();
        EXPECT_TRUE(Main->FormVerwList().empty());
    });
    QCoreApplication::processEvents();
    ASSERT_EQ(Main->FormVerwList().size(), 1u);
    EXPECT_EQ(Main->FormVerwList()[0], &Fenster0());
    AzMsg::Send(Main->GetHandle(), AzMsg::UnregisterFormVerw{&Fenster0()});
    EXPECT_TRUE(Main->FormVerwList().empty());
    // Asked for explicitly, what waits is delivered at once.
    Main->Bewacht("aussen", [&] {
        AzMsg::Post(Main->GetHandle(), AzMsg::RegisterFormVerw{&Fenster0()});
        Main->ProcessMessages();
        EXPECT_EQ(Main->FormVerwList().size(), 1u);
    });
    AzMsg::Send(Main->GetHandle(), AzMsg::UnregisterFormVerw{&Fenster0()});
}

// Without a device: what each message answers, and what it changes in the main window.
TEST_F(FormMainTest, MessageServiceWithoutADevice) {
    struct Fall {
        UINT msg;
        WPARAM w;
        LPARAM l;
        LRESULT result;
    };
    AnsiString text;
    int zahl = 0;
    const Fall faelle[] = {
        {WM_USER + 100, 0, 0, 0},
        {WM_AZ_GET_DATA_POINTER, 5, 0, 0},
        {WM_AZ_GET_DATENSATZ, 0x0001FFFF, 7, 0},
        {WM_USER + 104, 0, 0, 0},
        {WM_AZ_GET_ROOT_DEVICE, 0, 0, 0},
        {WM_AZ_DEVICE_REQUEST, 0, 0, 0},
        {WM_AZ_UPDATE_VIEWS, 0, 0, 0},
        {WM_USER + 115, 0, 0, 0},
        {WM_USER + 116, 0, 0, 0},
        {WM_USER + 119, 0, 0, 0},
        {WM_AZ_USER_OBJECT_MESSAGE, 1, 2, 0},
        {WM_AZ_LINK_TO_SUB_GROUP, 1, 2, 0},
        {WM_AZ_UNLINK_FROM_SUB_GROUP, 1, 2, 0},
        {WM_AZ_GET_GRP_ADR_NR, 1, AzMsg::PointerToValue(&text), 0},
        {WM_AZ_GET_GRP_ADR_NR_ZAHL, 1, AzMsg::PointerToValue(&zahl), 0},
        {WM_AZ_GRP_ADR_SENDEND, 1, 2, 0},
        {WM_AZ_GRP_ADR_NICHT_SENDEND, 1, 2, 0},
        {WM_AZ_OBJEKT_FLAG, 1, 0, 0},
        {WM_AZ_DLG_GRP_ADR_TO_OBJECT, 0, 0, 0},
        {WM_AZ_SET_OBJ_FKT_TO_DATA, 1, 1, 0},
        {WM_AZ_DEVICE_REQUEST_2, 0, 0, 0},
        {WM_AZ_DROP_CELL_EDITOR, 0, 0, 0},
        {WM_AZ_GET_DATENSATZ_SYSTEM, 1, 7, 0},
        {WM_AZ_GET_DEVICE_PARAM, 0, 0, 0},
        {WM_AZ_GET_GA_ID_FROM_GA_WORD, 0x0801, AzMsg::PointerToValue(&zahl), 0},
        {WM_QUERYOPEN, 0, 0, 0},
        {WM_CLOSE, 0, 0, 1},
        {WM_USER + 141, 0, 0, 0},
        {WM_USER + 150, 0, 0, 0},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.msg);
        EXPECT_EQ(Send(f.msg, f.w, f.l), f.result);
    }
    EXPECT_EQ(text, "");
    EXPECT_EQ(zahl, 0);
    EXPECT_FALSE(Main->isVisible());
    EXPECT_TRUE(Boxes.Boxes().empty());
}

TEST_F(FormMainTest, MessageServiceKeepsItsOwnState) {
    AzMsg::Send(Main->GetHandle(), AzMsg::SetModified{});
    EXPECT_TRUE(DM->Modified);
    AzMsg::Send(Main->GetHandle(), AzMsg::TimeOutStart{7, 0});
    EXPECT_EQ(Main->TimeOutCode(), 7);

    // 1147: 0 nothing, 3 the device's (none here), anything else stops the progress.
    struct Fall {
        long code;
        bool abbruch;
    };
    for (const Fall f : {Fall{0, false}, Fall{3, false}, Fall{5, true}, Fall{1, true}}) {
        SCOPED_TRACE(f.code);
        ASSERT_TRUE(SetDevice(Project.PanelId())); // clears the flag
        EXPECT_FALSE(Main->ProgressAbbruch());
        AzMsg::Send(Main->GetHandle(), AzMsg::ProgressAbbruch{0, f.code});
        EXPECT_EQ(Main->ProgressAbbruch(), f.abbruch);
    }
}

TEST_F(FormMainTest, ProjectWindowsRegisterOnceAndTheActiveOneFollows) {
    TFormVerw *a = Main->NewFormVerw();
    TFormVerw *b = Main->NewFormVerw();
    QCoreApplication::processEvents();
    AzMsg::Post(Main->GetHandle(), AzMsg::RegisterFormVerw{a});
    QCoreApplication::processEvents();
    EXPECT_EQ(Main->FormVerwList().size(), 2u);
    EXPECT_EQ(Send(WM_QUERYOPEN), 1);
    AzMsg::Post(Main->GetHandle(), AzMsg::ActivateFormVerw{a});
    QCoreApplication::processEvents();
    EXPECT_EQ(Main->GetActiveFormVerw(), a);
    AzMsg::Send(Main->GetHandle(), AzMsg::UnregisterFormVerw{a});
    EXPECT_EQ(Main->GetActiveFormVerw(), b);
    AzMsg::Send(Main->GetHandle(), AzMsg::UnregisterFormVerw{b});
    EXPECT_EQ(Main->GetActiveFormVerw(), nullptr);
    EXPECT_TRUE(Main->FormVerwList().empty());
}

// The floating quick-help window follows the program: shown on the window system's query
// (every window's), hidden with the minimized program, shown again on restore and activation
// (the active window's).
TEST_F(FormMainTest, QuickHelpWindowsFollowTheProgramsState) {
    TFormVerw *a = Main->NewFormVerw();
    TFormVerw *b = Main->NewFormVerw();
    QCoreApplication::processEvents();
    AzMsg::Post(Main->GetHandle(), AzMsg::ActivateFormVerw{a});
    QCoreApplication::processEvents();
    ASSERT_EQ(Main->GetActiveFormVerw(), a);
    a->CreateMeldeFenster();
    b->CreateMeldeFenster();
    ASSERT_TRUE(a->QuickHelpPanel() && b->QuickHelpPanel());
    QWidget *pa = a->QuickHelpPanel();
    QWidget *pb = b->QuickHelpPanel();

    pa->hide();
    pb->hide();
    EXPECT_EQ(Send(WM_QUERYOPEN), 1);
    EXPECT_FALSE(pa->isHidden());
    EXPECT_FALSE(pb->isHidden());

    // The window starts minimized.
    Main->setWindowState(Qt::WindowNoState);
    Main->setWindowState(Qt::WindowMinimized);
    EXPECT_TRUE(pa->isHidden());
    EXPECT_FALSE(pb->isHidden());
    Main->setWindowState(Qt::WindowNoState);
    EXPECT_FALSE(pa->isHidden());

    const struct {
        const char *name;
        void (TFormMain::*handler)();
    } zeigen[] = {{"FormActivate", &TFormMain::FormActivate},
                  {"ApplicationActivate", &TFormMain::ApplicationActivate},
                  {"ApplicationDeactivate", &TFormMain::ApplicationDeactivate}};
    for (const auto &z : zeigen) {
        SCOPED_TRACE(z.name);
        pa->hide();
        pb->hide();
        (Main.get()->*z.handler)();
        EXPECT_FALSE(pa->isHidden());
        EXPECT_TRUE(pb->isHidden());
    }
}

TEST_F(FormMainTest, AClickedProjectWindowBecomesTheActiveOne) {
    TFormVerw *a = Main->NewFormVerw();
    TFormVerw *b = Main->NewFormVerw();
    auto *mdi = Main->findChild<QMdiArea *>();
    ASSERT_NE(mdi, nullptr);
    Main->show();
    for (TFormVerw *w : {a, b, a}) {
        mdi->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(w->parentWidget()));
        QCoreApplication::processEvents();
        EXPECT_EQ(Main->GetActiveFormVerw(), w);
    }
}

TEST_F(FormMainTest, SetDeviceHandsItsNewWindowToTheDevice) {
    ASSERT_EQ(Main->GetActiveFormVerw(), nullptr);
    Main->Cdi()->SetCurrentDevice(Project.PanelId());
    ASSERT_TRUE(Main->SetDevice(Project.PanelId(), true));
    ASSERT_NE(Main->GetActiveFormVerw(), nullptr);
    EXPECT_EQ(Main->AktDevInst()->GetFormVerw(), Main->GetActiveFormVerw());
}

TEST_F(FormMainTest, ObjectCountShowsOnlyWithAMaximum) {
    Main->StatusPanels[2]->setText("x");
    Main->UpdateObjektAnzahl(5, 0);
    EXPECT_EQ(Main->StatusPanels[2]->text(), "x");
    Main->UpdateObjektAnzahl(5, 160);
    EXPECT_EQ(Main->StatusPanels[2]->text(), "5/160");
}

TEST_F(FormMainTest, MessagesReachTheCurrentDevice) {
    ASSERT_TRUE(SetDevice(Project.PanelId()));
    EXPECT_NE(AzMsg::Send(Main->GetHandle(), AzMsg::GetRootDevice{}), nullptr);
    EXPECT_EQ(AzMsg::Send(Main->GetHandle(), AzMsg::GetRootDevice{}),
              Main->AktDevInst()->GetDevice());
    // 1127 with system 1 in the high half and 65535 in the low half: system 1, any parent.
    EXPECT_EQ(AzMsg::Send(Main->GetHandle(), AzMsg::GetDatenSatz{1, -1, 1}),
              Main->AktDevInst()->GetDatenSatz(1, -1, 1));
    EXPECT_NE(AzMsg::Send(Main->GetHandle(), AzMsg::GetDeviceParam{}), nullptr);
}

// The editor open on the panel takes the bus tool's edit event again, once alone and once after
// the bus tool created a second panel in between: the reload replaces every object of the
// device, and no node of the window may be left pointing at one that went. The window shows
// the panel again and its group levels fill when they are opened.
TEST(FormMainReload, TheOpenPanelLeavesNoNodeOnAnObjectThatWent) {
    const bool mitAnlegen[] = {false, true};
    for (const bool anlegen : mitAnlegen) {
        SCOPED_TRACE(anlegen ? "after a create" : "reopened");
        TTestFormMain f;
        for (int sub : {1, 2, 3})
            f.Project.Database().AddGroupAddress(1, 0, sub, "GA " + std::to_string(sub));
        ASSERT_TRUE(f.Oeffne());
        TFormVerw *w = f.Main->GetActiveFormVerw();
        ASSERT_NE(w, nullptr);
        const int melder = AnzahlTyp(w->Tree, 6124);
        ASSERT_GT(melder, 0);
        if (anlegen) {
            TProjectDatabase &db = f.Project.Database();
            const int32_t linie = db.AddLine(db.AddArea(2, "Bereich"), 1, "Linie");
            const int32_t neu = db.AddPanelDevice(linie, 20, "Neu");
            f.Main->Cdi()->SetCurrentDevice(neu);
            bool done = false;
            int result = 0;
            f.Main->Cdi()->OnCdiCreateDevice(&done, &result, f.Main->Cdi(), 0, neu, "");
            ASSERT_EQ(result, 1);
        }
        ASSERT_TRUE(f.Oeffne());
        ASSERT_EQ(f.Main->GetActiveFormVerw(), w);
        TDeviceInstanz *device = f.Main->AktDevInst();
        ASSERT_NE(device, nullptr);
        EXPECT_EQ(AnzahlTyp(w->Tree, 6124), melder);
        // Every node shows a live object of the device: one of its tree or of its groups.
        std::set<const TDataBasis *> lebend = {device->GetGrpAdrFolder()};
        for (const TObjektMap *map :
             {&device->GetObjekte(), &device->GetMainGroups(), &device->GetMidSubGroups()})
            for (const auto &[id, object] : *map)
                lebend.insert(object.get());
        const auto pruefe = [&] {
            for (QTreeWidgetItemIterator it(w->Tree); *it; ++it) {
                if (TTreeNode *node = AsNode(*it)) {
                    EXPECT_TRUE(lebend.count(node->Data())) << (*it)->text(0).toStdString();
                }
            }
        };
        pruefe();
        TTreeNode *ordner = KnotenTyp(w->Tree, TGrpAdrOrdner::Typ);
        ASSERT_NE(ordner, nullptr);
        const int vorher = w->Tree->topLevelItemCount();
        for (QTreeWidgetItemIterator it(w->Tree); *it; ++it)
            (*it)->setExpanded(true);
        EXPECT_EQ(w->Tree->topLevelItemCount(), vorher);
        EXPECT_GT(ordner->childCount(), 0);
        pruefe();
    }
}

} // namespace
