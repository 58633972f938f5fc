#include "shell/TFormMain.h"

#include "deviceinstance/TDeviceInstanz.h"
#include "deviceinstance/dialogs/TDeviceDialogeQt.h"
#include "foundation/SprTexte.h"
#include "platform/bustool/TEts2Cdi_Extended1.h"
#include "platform/bustool/TEtsEventConnection.h"
#include "platform/dialogs/InputBox.h"
#include "platform/log/Log.h"
#include "platform/win/MessageBox.h"
#include "reconstruction/E_ErrorStr.h"
#include "shell/QtText.h"
#include "shell/TDM.h"
#include "shell/TDrucken.h"
#include "shell/TFormVerw.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QMenuBar>
#include <QSocketNotifier>
#include <QStatusBar>
#include <QToolBar>

#include <cerrno>
#include <cstring>
#include <exception>

namespace {
// The status bar's panels.
constexpr std::array<int, 5> kPanelBreiten = {250, 30, 30, 30, 50};

// A menu's entries: an action, or a separator (AktionAnzahl).
using TMenuEintraege = std::initializer_list<TDM::TAktion>;
constexpr TDM::TAktion kTrenner = TDM::AktionAnzahl;

void FuelleMenu(QWidget *ziel, const TDM &dm, TMenuEintraege eintraege) {
    LOG_FKT("FormMain::FuelleMenu");
    for (TDM::TAktion a : eintraege) {
        if (a == kTrenner) {
            if (auto *menu = qobject_cast<QMenu *>(ziel))
                menu->addSeparator();
            else if (auto *bar = qobject_cast<QToolBar *>(ziel))
                bar->addSeparator();
        } else {
            ziel->addAction(dm.Action(a));
        }
    }
}
} // namespace

TFormMain::TFormMain(TDM &dm, const AnsiString &moduleName, TCdiFabrik fabrik, QWidget *parent)
    : QMainWindow(parent), FDM(dm), FCdiFabrik(std::move(fabrik)),
      FRegistration(std::make_unique<TMessageTargetRegistration>(this)), FModulName(moduleName) {
    LOG_FKT("TFormMain::TFormMain");
    setObjectName("FormMain");
    MdiArea = new QMdiArea(this);
    setCentralWidget(MdiArea);
    // A click on a project window makes it the active one, as the window system told the
    // original's child windows; the one left closes its cell editor.
    QObject::connect(MdiArea, &QMdiArea::subWindowActivated, this,
                     [this, vorher = QPointer<QMdiSubWindow>()](QMdiSubWindow *sub) mutable {
                         if (vorher == sub)
                             return;
                         auto *alt = vorher ? dynamic_cast<TFormVerw *>(vorher->widget()) : nullptr;
                         auto *neu = sub ? dynamic_cast<TFormVerw *>(sub->widget()) : nullptr;
                         vorher = sub;
                         Bewacht("TFormVerw::FormActivate", [alt, neu] {
                             if (alt)
                                 alt->FormDeactivate();
                             if (neu)
                                 neu->FormActivate();
                         });
                     });
    BuildMenus();
    BuildToolBar();
    BuildStatusBar();
    Timer1.setInterval(1);
    Timer1.setSingleShot(true);
    TimerTimeoutClose.setInterval(FCloseTimeOut);
    TimerOpenPreview.setInterval(1);
    TimerOpenPreview.setSingleShot(true);
    QObject::connect(&Timer1, &QTimer::timeout, this,
                     [this] { Bewacht("TFormMain::Timer1Timer", [this] { Timer1Timer(); }); });
    QObject::connect(&TimerTimeoutClose, &QTimer::timeout, this, [this] {
        AufTiefeNull("TFormMain::TimerTimeoutCloseTimer", [this] { TimerTimeoutCloseTimer(); });
    });
    QObject::connect(&TimerOpenPreview, &QTimer::timeout, this,
                     [this] { Bewacht("TFormMain::OpenPreview", [this] { OpenPreview(); }); });
    qApp->installEventFilter(this);
    FormCreate();
}

TFormMain::~TFormMain() {
    LOG_FKT("TFormMain::~TFormMain");
    qApp->removeEventFilter(this);
    // The area deactivates its windows while the base class deletes it: this is no main window
    // by then.
    MdiArea->disconnect(this);
    FormDestroy();
    SetPostedMessageNotifier({});
}

AnsiString TFormMain::ModuleNameFromArgs(int argc, const char *const *argv) {
    LOG_FKT("TFormMain::ModuleNameFromArgs");
    return argc > 1 && argv[1] ? AnsiString(argv[1]) : AnsiString();
}

void TFormMain::BuildMenus() {
    LOG_FKT("TFormMain::BuildMenus");
    QMenuBar *bar = menuBar();
    MDatei = bar->addMenu("MDatei");
    FuelleMenu(MDatei, FDM,
               {TDM::AExport, TDM::AImport, kTrenner, TDM::APrint, TDM::APrintPreview, kTrenner,
                TDM::AAutoSave, TDM::ARestoreSaveCopy, kTrenner, TDM::AVerwerfen, TDM::ABeenden});
    MProjektierung = bar->addMenu("MProjektierung");
    FuelleMenu(MProjektierung, FDM,
               {TDM::AMelderHinzufuegen, TDM::AMelderLoeschen, kTrenner, TDM::AMelderKopieren,
                TDM::AMelderEinfuegen, kTrenner, TDM::AEreignisspeicherAuslesen,
                TDM::ASetDateTime, kTrenner, TDM::AProjektierungsfenster, kTrenner,
                TDM::AExpandAll, TDM::ACollapseAll, kTrenner, TDM::AExpand, TDM::ACollapse,
                kTrenner, TDM::ADefault});
    MEinstellung = bar->addMenu("MEinstellung");
    FuelleMenu(MEinstellung, FDM, {TDM::AOption, TDM::ASprache});
    M_Rekonstruktion = bar->addMenu("M_Rekonstruktion");
    M_ReconstructDevice = FDM.Action(TDM::AReconstructDevice);
    M_Rekonstruktion->addAction(M_ReconstructDevice);
    M_Rekonstruktion->addSeparator();
    M_ReadDeviceImage = FDM.Action(TDM::AReadDeviceImage);
    M_ReconstructDeviceImage = FDM.Action(TDM::AReconstructDeviceImage);
    M_Rekonstruktion->addAction(M_ReadDeviceImage);
    M_Rekonstruktion->addAction(M_ReconstructDeviceImage);
    MTool = bar->addMenu("MTool");
    MFenster = bar->addMenu("MFenster");
    FuelleMenu(MFenster, FDM,
               {TDM::AUeberlappend, TDM::ANebeneinander, TDM::AUebereinander, TDM::ASymbole});
    MHilfe = bar->addMenu("MHilfe");
    FuelleMenu(MHilfe, FDM, {TDM::AQuickHelp, TDM::ADeviceHelp, kTrenner, TDM::AAbout});
}

void TFormMain::BuildToolBar() {
    LOG_FKT("TFormMain::BuildToolBar");
    ToolBar1 = addToolBar("ToolBar1");
    ToolBar1->setObjectName("ToolBar1");
    FuelleMenu(ToolBar1, FDM,
               {TDM::APrintPreview, TDM::APrint, TDM::AAutoSave, kTrenner, TDM::AExpandAll,
                TDM::ACollapseAll, kTrenner, TDM::AMelderHinzufuegen, TDM::AMelderLoeschen,
                kTrenner, TDM::AMelderKopieren, TDM::AMelderEinfuegen});
}

void TFormMain::BuildStatusBar() {
    LOG_FKT("TFormMain::BuildStatusBar");
    for (size_t i = 0; i < StatusPanels.size(); ++i) {
        StatusPanels[i] = new QLabel(this);
        StatusPanels[i]->setObjectName(QString("StatusPanel%1").arg(i));
        StatusPanels[i]->setMinimumWidth(kPanelBreiten[i]);
        StatusPanels[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        statusBar()->addWidget(StatusPanels[i], i == 0 ? 0 : 0);
    }
}

void TFormMain::FormCreate() {
    LOG_FKT("TFormMain::FormCreate");
    FAktDevInst = nullptr;
    FExportExt = "azx";
    FProjectExt = "azp";
    FDrucken.reset();
    FLastDeletedDeviceId = -1;
    GetRegData();
    setWindowState(Qt::WindowMinimized);
    hide();
    Timer1.start();
    FDM.MainWindowHandle = GetHandle();
    M_Rekonstruktion->menuAction()->setVisible(true);
    M_Rekonstruktion->setEnabled(true);
    M_ReconstructDevice->setVisible(true);
    // The reconstruction's commands stay disabled until the reconstruction binds them.
    M_ReadDeviceImage->setVisible(FMenueReadAndReconstructDeviceImage);
    M_ReconstructDeviceImage->setVisible(FMenueReadAndReconstructDeviceImage);
    LadeTexte();
    BindBefehle();
    // A modal dialog like the others: where nobody sees it, it is cancelled (an empty name).
    if (FModulName.empty())
        FModulName = InputBox("Devicetype", "Devicetype", "");
    FDialoge = std::make_unique<TDeviceDialogeQt>(this);
    FCdi = FCdiFabrik ? FCdiFabrik(GetHandle(), FModulName)
                      : std::make_unique<TEts2Cdi_Extended1>(GetHandle(), FModulName, false);
    BindEvents();
    BindVerlassen();
    BindAutoSave();
    FDM.OnAutoSave = [this] {
        AufTiefeNull("TFormMain::TimerAutoSaveTimer", [this] { TimerAutoSaveTimer(); });
    };
    SetPostedMessageNotifier([this] { PlaneZustellung(); });
    FCloseTimeOut = 1800000;
    TimerTimeoutClose.setInterval(FCloseTimeOut);
    TimerTimeoutClose.start();
}

void TFormMain::FormDestroy() {
    LOG_FKT("TFormMain::FormDestroy");
    if (FDestroyed)
        return;
    FDestroyed = true;
    Timer1.stop();
    TimerTimeoutClose.stop();
    TimerOpenPreview.stop();
    FDM.StartTimerAutoSave(false);
    FDM.OnAutoSave = nullptr;
    if (FNotifier)
        FNotifier->setEnabled(false);
    FAktDevInst = nullptr;
    FensterLoesen();
    FDeviceInstanzen.clear();
    FCdi.reset();
    FDrucken.reset();
    FFormVerwList.clear();
    FAktivFormVerw = nullptr;
    CloseLogFkt();
}

void TFormMain::SetDeviceDialoge(std::unique_ptr<TDeviceDialoge> dialoge) {
    LOG_FKT("TFormMain::SetDeviceDialoge");
    FDialoge = std::move(dialoge);
}

void TFormMain::Timer1Timer() {
    LOG_FKT("TFormMain::Timer1Timer");
    Timer1.stop();
    HideMainWindow();
    // Armed only now, so that no early event's window is hidden by this tick.
    if (FCdi && FCdi->Events() && !FNotifier) {
        FNotifier = new QSocketNotifier(FCdi->Events()->Fd(), QSocketNotifier::Read, this);
        QObject::connect(FNotifier, &QSocketNotifier::activated, this,
                         [this] { EventsReadable(); });
    }
}

void TFormMain::EventsReadable() {
    LOG_FKT("TFormMain::EventsReadable");
    if (FTiefe > 0) {
        // A handler's modal loop: the events wait in the connection until it ends.
        FNotifier->setEnabled(false);
        AufTiefeNull("TFormMain::EventsReadable", [this] {
            if (FNotifier && !FDestroyed)
                FNotifier->setEnabled(true);
        });
        return;
    }
    bool weiter = true;
    Bewacht("TFormMain::EventsReadable", [&] {
        TEtsEventConnection *events = FCdi ? FCdi->Events() : nullptr;
        weiter = events && events->ReadAvailable();
    });
    if (!weiter && FNotifier)
        FNotifier->setEnabled(false);
}

void TFormMain::FormActivate() {
    LOG_FKT("TFormMain::FormActivate");
    setWindowState(FMainState == 2 ? Qt::WindowMaximized : Qt::WindowNoState);
    if (FAktivFormVerw)
        FAktivFormVerw->ZeigeMeldeFenster();
}

void TFormMain::FormClose() {
    LOG_FKT("TFormMain::FormClose");
}

bool TFormMain::FormCloseQuery() {
    LOG_FKT("TFormMain::FormCloseQuery");
    return true;
}

void TFormMain::FormResize() {
    LOG_FKT("TFormMain::FormResize");
}

void TFormMain::OpenPreview() {
    LOG_FKT("TFormMain::OpenPreview");
}

void TFormMain::LadeTexte() {
    LOG_FKT("TFormMain::LadeTexte");
    const std::pair<QMenu *, int> menus[] = {{MDatei, 9163},  {MProjektierung, 9179},
                                             {MEinstellung, 9165}, {MFenster, 9168},
                                             {MTool, 9187},   {MHilfe, 9170}};
    for (const auto &[menu, id] : menus)
        menu->setTitle(ToQString(SprText(id)));
    M_Rekonstruktion->setTitle(ToQString(SprText(24248)));
    FDM.Action(TDM::AAbout)->setText(ToQString(SprText(9157)));
    const std::pair<TDM::TAktion, int> hints[] = {
        {TDM::APrintPreview, 9142},       {TDM::APrint, 9143},
        {TDM::AAutoSave, 9144},           {TDM::AExpandAll, 9146},
        {TDM::ACollapseAll, 9145},        {TDM::AMelderHinzufuegen, 11159},
        {TDM::AMelderLoeschen, 11158},    {TDM::AMelderKopieren, 11160},
        {TDM::AMelderEinfuegen, 11157}};
    for (const auto &[aktion, id] : hints)
        FDM.Action(aktion)->setToolTip(ToQString(SprText(id)));
    FDM.Action(TDM::ASprache)->setEnabled(true);
}

int TFormMain::ShowMessageBox(const AnsiString &text, const AnsiString &caption, unsigned flags) {
    LOG_FKT("TFormMain::ShowMessageBox");
    return MessageBox(GetHandle(), text, caption, flags);
}

void TFormMain::DisplayLastError(const AnsiString &caption) {
    LOG_FKT("TFormMain::DisplayLastError");
    const int code = errno;
    if (code == 0)
        return;
    ShowMessageBox(std::strerror(code), caption, MB_ICONINFORMATION);
}

void TFormMain::UpdateObjektAnzahl(int count, int maximum) {
    LOG_FKT("TFormMain::UpdateObjektAnzahl");
    if (maximum > 0)
        StatusPanels[2]->setText(QString("%1/%2").arg(count).arg(maximum));
}

void TFormMain::CreateGroupAddressNodes(TDataBasis *main, TDataBasis *middle, TDataBasis *sub) {
    LOG_FKT("TFormMain::CreateGroupAddressNodes");
    for (TFormVerw *w : FFormVerwList)
        w->CreateGroupAddressNodes(main, middle, sub, w == FAktivFormVerw);
}

void TFormMain::HideMainWindow() {
    LOG_FKT("TFormMain::HideMainWindow");
    hide();
}

void TFormMain::ShowMainWindow() {
    LOG_FKT("TFormMain::ShowMainWindow");
    setWindowState(FMainState == 2 ? Qt::WindowMaximized : Qt::WindowNoState);
    showNormal();
    update();
    if (FMainState == 2)
        setWindowState(Qt::WindowMaximized);
}

void TFormMain::TimeOutStart(int code, int time) {
    LOG_FKT("TFormMain::TimeOutStart");
    FTimeOutCode = code;
    if (time <= 0)
        time = FDefaultTimeOut;
}

void TFormMain::TimeOutStop() {
    LOG_FKT("TFormMain::TimeOutStop");
}

// The floating quick-help window is a window of its own: it follows the program's state.
void TFormMain::ApplicationMinimize() {
    LOG_FKT("TFormMain::ApplicationMinimize");
    if (!(windowState() & Qt::WindowMinimized))
        setWindowState(Qt::WindowMinimized);
    if (FAktivFormVerw)
        FAktivFormVerw->VerbergeMeldeFenster();
}

void TFormMain::ApplicationRestore() {
    LOG_FKT("TFormMain::ApplicationRestore");
    if (FAktivFormVerw)
        FAktivFormVerw->HebeMeldeFenster();
}

void TFormMain::ApplicationActivate() {
    LOG_FKT("TFormMain::ApplicationActivate");
    if (FAktivFormVerw)
        FAktivFormVerw->ZeigeMeldeFenster();
}

void TFormMain::ApplicationDeactivate() {
    LOG_FKT("TFormMain::ApplicationDeactivate");
    if (FAktivFormVerw)
        FAktivFormVerw->ZeigeMeldeFenster();
}

void TFormMain::CloseProgram() {
    LOG_FKT("TFormMain::CloseProgram");
    FBeendet = true;
    FormDestroy();
    hide();
    QCoreApplication::exit(0);
}

void TFormMain::closeEvent(QCloseEvent *event) {
    LOG_FKT("TFormMain::closeEvent");
    if (FBeendet || FDestroyed) {
        event->accept();
        return;
    }
    // The close box asks like the window system's close message; the window stays.
    event->ignore();
    Bewacht("TFormMain::closeEvent", [this] { SendMessage(GetHandle(), WM_CLOSE, 0, 0); });
}

void TFormMain::changeEvent(QEvent *event) {
    LOG_FKT("TFormMain::changeEvent");
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Bewacht("TFormMain::FormActivate", [this] { FormActivate(); });
    if (event->type() == QEvent::WindowStateChange) {
        // On X11 the program is minimized and restored through its main window.
        const bool vorher = static_cast<QWindowStateChangeEvent *>(event)->oldState() &
                            Qt::WindowMinimized;
        const bool jetzt = windowState() & Qt::WindowMinimized;
        if (jetzt && !vorher)
            Bewacht("TFormMain::ApplicationMinimize", [this] { ApplicationMinimize(); });
        else if (vorher && !jetzt)
            Bewacht("TFormMain::ApplicationRestore", [this] { ApplicationRestore(); });
    }
}

bool TFormMain::eventFilter(QObject *watched, QEvent *event) {
    LOG_FKT("TFormMain::eventFilter");
    if (watched == qApp && event->type() == QEvent::ApplicationStateChange) {
        switch (qApp->applicationState()) {
        case Qt::ApplicationActive:
            Bewacht("TFormMain::ApplicationActivate", [this] { ApplicationActivate(); });
            break;
        case Qt::ApplicationInactive:
            Bewacht("TFormMain::ApplicationDeactivate", [this] { ApplicationDeactivate(); });
            break;
        case Qt::ApplicationHidden:
            Bewacht("TFormMain::ApplicationMinimize", [this] { ApplicationMinimize(); });
            break;
        default:
            break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TFormMain::Bewacht(const char *name, const std::function<void()> &work) {
    LOG_FKT("TFormMain::Bewacht");
    ++FTiefe;
    bool ok = true;
    try {
        work();
    } catch (const std::exception &e) {
        ok = false;
        ShowException(name, e.what());
    } catch (const E_ErrorStr &e) {
        // The read-out's failure has no base class: caught by its type for its text.
        ok = false;
        ShowException(name, e.Message.c_str());
    } catch (...) {
        ok = false;
        ShowException(name, nullptr);
    }
    GuardEnd();
    return ok;
}

void TFormMain::ShowException(const char *name, const char *what) {
    LOG_FKT("TFormMain::ShowException");
    try {
        MessageBox(GetHandle(), what ? AnsiString(what) : AnsiString(name), name, MB_ICONERROR);
    } catch (...) {
        // A box that cannot be shown leaves nothing more to tell.
    }
}

void TFormMain::GuardEnd() {
    LOG_FKT("TFormMain::GuardEnd");
    --FTiefe;
    while (FTiefe == 0 && !FNachher.empty() && !FBeendet) {
        auto [name, work] = std::move(FNachher.front());
        FNachher.erase(FNachher.begin());
        Bewacht(name, work);
    }
    if (FTiefe == 0 && !FBeendet && PostedMessageCount() > 0)
        PlaneZustellung();
}

void TFormMain::PlaneZustellung() {
    LOG_FKT("TFormMain::PlaneZustellung");
    // One queued delivery at a time: it takes everything that waits.
    if (FZustellungGeplant)
        return;
    FZustellungGeplant = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            FZustellungGeplant = false;
            DeliverPosted();
        },
        Qt::QueuedConnection);
}

void TFormMain::AufTiefeNull(const char *name, std::function<void()> work) {
    LOG_FKT("TFormMain::AufTiefeNull");
    if (FTiefe == 0) {
        Bewacht(name, work);
        return;
    }
    FNachher.emplace_back(name, std::move(work));
}

void TFormMain::DeliverPosted() {
    LOG_FKT("TFormMain::DeliverPosted");
    if (FBeendet)
        return;
    if (FTiefe > 0)
        return; // the guard's end schedules it again
    Bewacht("TFormMain::DeliverPostedMessages", [] { DeliverPostedMessages(); });
}
