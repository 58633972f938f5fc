// The project window: creation and destruction, settings, the services of the device instance,
// copying another window, keys, short cuts, messages and the tree's events.
#include "shell/TFormVerw.h"

#include "foundation/RegIniNamen.h"
#include "foundation/SprTexte.h"
#include "foundation/TRegIni.h"
#include "platform/log/Log.h"
#include "platform/objectbase/MainWindowMessages.h"
#include "platform/objectbase/TDataBasis.h"
#include "platform/win/WinHelp.h"
#include "shell/FensterAnordnung.h"
#include "shell/QtText.h"
#include "shell/TCtrlGrid.h"
#include "shell/TCtrlListView.h"
#include "shell/TCtrlTree.h"
#include "shell/TDM.h"
#include "shell/TDrawGridSEView.h"
#include "shell/TFDockMeld.h"
#include "shell/TListView.h"
#include "shell/TTreeNode.h"
#include "shell/TTreeView.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QSplitter>
#include <QStackedLayout>
#include <QTextEdit>
#include <QVBoxLayout>

#include <filesystem>

namespace {
int &Zaehler() {
    static int counter = 0;
    return counter;
}

// The operating system's keys that travel as messages, and Qt's key for each.
struct TTaste {
    WPARAM Vk;
    int Key;
};
constexpr TTaste kTasten[] = {{VK_TAB, Qt::Key_Tab}, {VK_F1, Qt::Key_F1}, {VK_F6, Qt::Key_F6}};

// A key-down of Tab handed on to the grid: the window lets it through.
class TWeitergereichteTaste : public QKeyEvent {
public:
    TWeitergereichteTaste() : QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier) {
        LOG_FKT("TWeitergereichteTaste::TWeitergereichteTaste");
    }
};
} // namespace

int TFormVerw::WindowCounter() {
    LOG_FKT("TFormVerw::WindowCounter");
    return Zaehler();
}

TFormVerw::TFormVerw(TDM &dm, QWidget *parent)
    : QWidget(parent), FDM(dm), FRegistration(std::make_unique<TMessageTargetRegistration>(this)),
      FHandle(FRegistration->Handle()), FWindowNumber(Zaehler()++) {
    LOG_FKT("TFormVerw::TFormVerw");
    setObjectName("FormVerw");
    Panel1 = new QWidget(this); // the widgets belong to the window
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(Panel1);
    auto *panelLayout = new QHBoxLayout(Panel1);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    Splitter1 = new QSplitter(Qt::Horizontal, Panel1);
    Splitter1->setHandleWidth(3);
    Splitter1->setChildrenCollapsible(false);
    connect(Splitter1, &QSplitter::splitterMoved, this, [this](int pos, int) { FTreeWidth = pos; });
    panelLayout->addWidget(Splitter1);
    Tree = new TTreeView(Splitter1);
    PanelInfoSeite = new QWidget(Splitter1);
    PanelInfoSeite->setObjectName("PanelInfoSeite");
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    auto *infoLayout = new QVBoxLayout(PanelInfoSeite);
    infoLayout->setContentsMargins(0, 0, 0, 0);
    InfoFenster = new QMainWindow(PanelInfoSeite);
    InfoFenster->setWindowFlags(Qt::Widget);
    InfoFenster->setDockOptions(QMainWindow::AnimatedDocks);
    infoLayout->addWidget(InfoFenster);
    InfoInhalt = new QWidget(InfoFenster);
    InfoFenster->setCentralWidget(InfoInhalt);
    auto *inhaltLayout = new QVBoxLayout(InfoInhalt);
    inhaltLayout->setContentsMargins(0, 0, 0, 0);
    inhaltLayout->setSpacing(0);
    ListView = new TListView(InfoInhalt);
    inhaltLayout->addWidget(ListView);

    PopupMenu1.addAction(FDM.Action(TDM::AMelderHinzufuegen));
    PopupMenu1.addAction(FDM.Action(TDM::AMelderLoeschen));
    PopupMenu1.addSeparator();
    PopupMenu1.addAction(FDM.Action(TDM::AMelderKopieren));
    PopupMenu1.addAction(FDM.Action(TDM::AMelderEinfuegen));
    PopupMenu1.addSeparator();
    PopupMenu1.addAction(FDM.Action(TDM::AExpand));
    PopupMenu1.addAction(FDM.Action(TDM::ACollapse));
    PopupMenu1.addSeparator();
    PopupMenu1.addAction(FDM.Action(TDM::ALinkToGrpAdr));

    TimerTreeScroll.setInterval(50);
    TimerTreeScroll.stop();
    connect(&TimerTreeScroll, &QTimer::timeout, this, [this] { TimerTreeScrollTimer(); });

    FormCreate();
}

TFormVerw::~TFormVerw() {
    LOG_FKT("TFormVerw::~TFormVerw");
    FormDestroy();
    qApp->removeEventFilter(this);
    FDestroyed = true;
    Tree->blockSignals(true);
    ListView->blockSignals(true);
    // The separator watches the dock site, which goes with the panels.
    FQuickHelpSplitter.reset();
    FQuickHelpRichEdit = nullptr;
    // The views borrow the window's grid model and controllers: they go first.
    delete Panel1;
    Panel1 = nullptr;
}

void TFormVerw::FormCreate() {
    LOG_FKT("TFormVerw::FormCreate");
    FUpdating = false;
    FScrollArmed = false;
    FScrollDirection = 0;
    FQuickHelpPanel = nullptr;
    FQuickHelpRichEdit = nullptr;
    FQuickHelpSplitter.reset();
    Init();
    InitTexte();
    GetRegData();
    LoadColor(FDM.ColorGridCommon, FDM.ColorGridCell, FDM.ColorGridTitle, FDM.ColorGridCellReadOnly,
              FDM.Gitternetzlinien);
    FLastHelpNumber = 0;
    AzMsg::Post(FDM.MainWindowHandle, AzMsg::RegisterFormVerw{this});
    // Qt's widgets draw double-buffered by themselves.
    LoadIcon();
}

void TFormVerw::Init() {
    LOG_FKT("TFormVerw::Init");
    FCtrlTree = std::make_unique<TCtrlTree>(Tree, &FDM.ImageList1);
    FCtrlListView = std::make_unique<TCtrlListView>(ListView);
    GridView = new TDrawGridSEView(&Grid, InfoInhalt); // the pane holds the view
    InfoInhalt->layout()->addWidget(GridView);
    GridView->hide();
    Grid.OnEnterCell = [this](TDrawGridSE *sender, int col, int row) {
        if (col >= 0 && row >= 0 && row < Grid.RowCount() && col < Grid.ColCount())
            GridEnterCell(sender, Grid.Cells(col, row));
    };
    FCtrlGrid = std::make_unique<TCtrlGrid>(&Grid, GridView);

    connect(Tree, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *current, QTreeWidgetItem *) {
                if (!FDestroyed)
                    TreeChange(AsNode(current));
            });
    connect(Tree, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem *item) {
        TTreeNode *node = AsNode(item);
        if (FDestroyed || !node)
            return;
        if (!TreeExpanding(node)) {
            const QSignalBlocker blocker(Tree);
            node->setExpanded(false);
            return;
        }
        TreeExpanded(node);
    });
    Tree->OnDragOver = [this](QWidget *source, QPoint pos) {
        const bool accept = FCtrlTree->DragOver(Tree, source, pos.x(), pos.y());
        TreeDragOver();
        return accept;
    };
    Tree->OnDragDrop = [this](QWidget *source, QPoint pos) {
        FCtrlTree->DragDrop(Tree, source, pos.x(), pos.y());
    };
    Tree->OnStartDrag = [this] { TreeStartDrag(); };
    Tree->OnEndDrag = [this] { TreeEndDrag(); };
    ListView->OnDragOver = [this](QWidget *source, QPoint pos) {
        return FCtrlListView->DragOver(ListView, source, pos.x(), pos.y());
    };
    ListView->OnDragDrop = [this](QWidget *source, QPoint pos) { ListDragDrop(source, pos); };
    connect(ListView, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *) { ListViewDblClick(); });
    Tree->setContextMenuPolicy(Qt::PreventContextMenu);
    Tree->viewport()->installEventFilter(this);
    qApp->installEventFilter(this);
}

void TFormVerw::InitTexte() {
    LOG_FKT("TFormVerw::InitTexte");
    setWindowTitle(ToQString(SprText(9211) + ":" + std::to_string(FWindowNumber)));
}

QWidget *TFormVerw::Rahmen() {
    LOG_FKT("TFormVerw::Rahmen");
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        return sub;
    return this;
}

void TFormVerw::GetRegData() {
    LOG_FKT("TFormVerw::GetRegData");
    const TRegIni ini;
    const AnsiString &file = FDM.IniFile;
    int32_t top = 0, left = 0, height = 0, width = 0, treeWidth = 0, state = 0;
    ini.ReadInteger(file, RegSecWindow, RegKeyVerwTop, top, 10);
    ini.ReadInteger(file, RegSecWindow, RegKeyVerwLeft, left, 10);
    ini.ReadInteger(file, RegSecWindow, RegKeyVerwHeight, height, 300);
    ini.ReadInteger(file, RegSecWindow, RegKeyVerwWidth, width, 620);
    ini.ReadInteger(file, RegSecWindow, RegKeyTreeWidth, treeWidth, 200);
    ini.ReadInteger(file, RegSecWindow, RegKeyVerwState, state, 0);
    bool quickHelp = false;
    ini.ReadBool(file, RegSecOptions, RegKeyShowQuickHelp, quickHelp, false);

    const int counter = Zaehler();
    QWidget *rahmen = Rahmen();
    rahmen->setGeometry(left + 10 * counter - 10, top + 10 * counter - 10, width, height);
    SetTreeWidth(treeWidth);
    switch (static_cast<uint8_t>(state)) {
    case 1:
        rahmen->setWindowState(Qt::WindowMinimized);
        break;
    case 2:
        rahmen->setWindowState(Qt::WindowMaximized);
        break;
    default:
        rahmen->setWindowState(Qt::WindowNoState);
        break;
    }
    if (quickHelp)
        CreateMeldeFenster();
    FQuickHelpFile = FDM.ProgramFolder + SprText(11347);
}

void TFormVerw::SetRegData() {
    LOG_FKT("TFormVerw::SetRegData");
    const TRegIni ini;
    const AnsiString &file = FDM.IniFile;
    // A frame that cannot be known any more leaves the stored place as it is.
    QRect g;
    uint8_t state = 0;
    if (RahmenStand(g, state)) {
        if (state == 0) {
            ini.WriteInteger(file, RegSecWindow, RegKeyVerwTop, g.top());
            ini.WriteInteger(file, RegSecWindow, RegKeyVerwLeft, g.left());
            ini.WriteInteger(file, RegSecWindow, RegKeyVerwHeight, g.height());
            ini.WriteInteger(file, RegSecWindow, RegKeyVerwWidth, g.width());
        }
        ini.WriteInteger(file, RegSecWindow, RegKeyVerwState, state);
    }
    ini.WriteInteger(file, RegSecWindow, RegKeyTreeWidth, TreeWidth());
    ini.WriteBool(file, RegSecOptions, RegKeyShowQuickHelp, FQuickHelpRichEdit != nullptr);
}

bool TFormVerw::RahmenStand(QRect &ort, uint8_t &zustand) const {
    LOG_FKT("TFormVerw::RahmenStand");
    const QWidget *rahmen = qobject_cast<const QMdiSubWindow *>(parentWidget());
    if (!rahmen && !parentWidget())
        rahmen = this;
    if (rahmen) {
        ort = rahmen->geometry();
        zustand = Fensterzustand(rahmen);
        return true;
    }
    if (!FRahmenGesehen)
        return false;
    ort = FRahmenOrt;
    zustand = FRahmenZustand;
    return true;
}

void TFormVerw::MerkeRahmen() {
    LOG_FKT("TFormVerw::MerkeRahmen");
    const auto *sub = qobject_cast<const QMdiSubWindow *>(parentWidget());
    if (!sub)
        return;
    FRahmenZustand = Fensterzustand(sub);
    // The normal place is what is kept; a frame first seen otherwise starts with what it has.
    if (FRahmenZustand == 0 || !FRahmenGesehen)
        FRahmenOrt = sub->geometry();
    FRahmenGesehen = true;
}

int TFormVerw::TreeWidth() const {
    LOG_FKT("TFormVerw::TreeWidth");
    return FTreeWidth;
}

void TFormVerw::SetTreeWidth(int width) {
    LOG_FKT("TFormVerw::SetTreeWidth");
    FTreeWidth = std::max(width, 0);
    Tree->resize(FTreeWidth, Tree->height());
    Splitter1->setSizes({FTreeWidth, std::max(Splitter1->width() - FTreeWidth - 3, 1)});
}

void TFormVerw::LoadIcon() {
    LOG_FKT("TFormVerw::LoadIcon");
    const std::filesystem::path icon =
        std::filesystem::path(FDM.ProgramFolder) / "Az" / "AboutImage" / "Az.ico";
    std::error_code ec;
    if (std::filesystem::exists(icon, ec))
        setWindowIcon(QIcon(QString::fromStdString(icon.string())));
}

void TFormVerw::FormDestroy() {
    LOG_FKT("TFormVerw::FormDestroy");
    SetRegData();
    FCtrlTree.reset();
    FCtrlGrid.reset();
    FCtrlListView.reset();
    AzMsg::Send(FDM.MainWindowHandle, AzMsg::UnregisterFormVerw{this});
}

void TFormVerw::FormClose(TCloseAction &action) {
    LOG_FKT("TFormVerw::FormClose");
    action = FWindowNumber > 0 ? caFree : caMinimize;
}

void TFormVerw::closeEvent(QCloseEvent *event) {
    LOG_FKT("TFormVerw::closeEvent");
    TCloseAction action = caHide;
    FormClose(action);
    if (action == caFree) {
        setAttribute(Qt::WA_DeleteOnClose);
        if (QWidget *rahmen = Rahmen(); rahmen != this)
            rahmen->setAttribute(Qt::WA_DeleteOnClose);
        event->accept();
        return;
    }
    event->ignore();
    Rahmen()->showMinimized();
}

void TFormVerw::changeEvent(QEvent *event) {
    LOG_FKT("TFormVerw::changeEvent");
    if (event->type() == QEvent::ActivationChange && !FDestroyed) {
        if (isActiveWindow())
            FormActivate();
        else
            FormDeactivate();
    }
    QWidget::changeEvent(event);
}

void TFormVerw::FormActivate() {
    LOG_FKT("TFormVerw::FormActivate");
    AzMsg::Post(FDM.MainWindowHandle, AzMsg::ActivateFormVerw{this});
}

void TFormVerw::FormDeactivate() {
    LOG_FKT("TFormVerw::FormDeactivate");
    if (!FDM.VarianteAendern)
        Grid.DeleteZellenKomponente();
}

void TFormVerw::FormResize() {
    LOG_FKT("TFormVerw::FormResize");
    Tree->setFocus();
}

void TFormVerw::SetDeviceInstanz(TDeviceInstanz *device) {
    LOG_FKT("TFormVerw::SetDeviceInstanz");
    FDevice = device;
    if (FCtrlTree)
        FCtrlTree->SetDeviceInstanz(device);
}

void TFormVerw::InitData(const TObjektMap &objects, HWND mainWindow) {
    LOG_FKT("TFormVerw::InitData");
    FMainWindow = mainWindow;
    FUpdating = true;
    FCtrlTree->InitTree(objects);
    FUpdating = false;
    AktualisiereAnsicht(nullptr, -1, -1);
}

TTreeNode *TFormVerw::AddChildNode2Data(TDataBasis *parent, TDataBasis *object, bool makeVisible) {
    LOG_FKT("TFormVerw::AddChildNode2Data");
    TTreeNode *node = FCtrlTree->AddChildNode2Data(parent, object);
    if (node && makeVisible) {
        for (QTreeWidgetItem *p = node->parent(); p; p = p->parent())
            p->setExpanded(true);
        Tree->scrollToItem(node);
    }
    return node;
}

void TFormVerw::DeleteNode(TTreeNode *, TDataBasis *object) {
    LOG_FKT("TFormVerw::DeleteNode");
    FCtrlTree->DeleteNode(object);
}

TTreeNode *TFormVerw::GetNodeFromData(TDataBasis *object) {
    LOG_FKT("TFormVerw::GetNodeFromData");
    return FCtrlTree->GetNodeFromData(object);
}

TDataBasis *TFormVerw::GetSelData() const {
    LOG_FKT("TFormVerw::GetSelData");
    return FCtrlTree->GetSelData();
}

void TFormVerw::SetNodeImages(TTreeNode *node, int image, int state, int selected) {
    LOG_FKT("TFormVerw::SetNodeImages");
    FCtrlTree->SetImages(node, image, state, selected);
}

void TFormVerw::UpdateTreeNamesAndIcon() {
    LOG_FKT("TFormVerw::UpdateTreeNamesAndIcon");
    FCtrlTree->UpdateNamesAndIcon();
}

void TFormVerw::UpdateNodeIcon(TDataBasis *object) {
    LOG_FKT("TFormVerw::UpdateNodeIcon");
    FCtrlTree->UpdateNodeIcon(GetNodeFromData(object), object);
}

void TFormVerw::BeginTreeUpdate() {
    LOG_FKT("TFormVerw::BeginTreeUpdate");
    FCtrlTree->BeginUpdate();
}

void TFormVerw::EndTreeUpdate() {
    LOG_FKT("TFormVerw::EndTreeUpdate");
    FCtrlTree->EndUpdate();
}

void TFormVerw::DeleteTreeViewNodes() {
    LOG_FKT("TFormVerw::DeleteTreeViewNodes");
    FUpdating = true;
    Tree->clear();
    FUpdating = false;
}

void TFormVerw::DeleteAllNodes() {
    LOG_FKT("TFormVerw::DeleteAllNodes");
    // The device is about to replace its objects: neither the tree nor the right pane may
    // keep one (the grid's handlers belong to the object shown last).
    DeleteTreeViewNodes();
    ListView->clear();
    Grid.InitGrid(2);
}

void TFormVerw::TreeCollapseAll() {
    LOG_FKT("TFormVerw::TreeCollapseAll");
    FCtrlTree->CollapseAll();
}

void TFormVerw::TreeExpandAll() {
    LOG_FKT("TFormVerw::TreeExpandAll");
    FCtrlTree->ExpandAll();
}

void TFormVerw::TreeExpand() {
    LOG_FKT("TFormVerw::TreeExpand");
    FCtrlTree->Expand();
}

void TFormVerw::TreeCollapse() {
    LOG_FKT("TFormVerw::TreeCollapse");
    FCtrlTree->Collapse();
}

void TFormVerw::LoadColor(uint32_t common, uint32_t cell, uint32_t title, uint32_t readOnlyCell,
                          int gridLines) {
    LOG_FKT("TFormVerw::LoadColor");
    FCtrlGrid->LoadColor(common, cell, title, readOnlyCell, gridLines);
}

void TFormVerw::LoadSize(bool autoSize, int defaultWidth) {
    LOG_FKT("TFormVerw::LoadSize");
    FCtrlGrid->LoadSize(autoSize, defaultWidth);
}

void TFormVerw::Assign(TFormVerw *other) {
    LOG_FKT("TFormVerw::Assign");
    if (!other || other == this)
        return;
    FMidSubGroups = other->FMidSubGroups;
    FMainGroups = other->FMainGroups;
    FGrpAdrOrdner = other->FGrpAdrOrdner;
    FDevice = other->FDevice;
    FCtrlTree->SetDeviceInstanz(FDevice);
    if (other->parentWidget() && other->parentWidget() != parentWidget() &&
        !qobject_cast<QMdiSubWindow *>(other->parentWidget()))
        setParent(other->parentWidget());
    FCtrlTree->Abgleich(other->Tree, true);
    AktualisiereAnsicht(nullptr, 0, 0);
}

void TFormVerw::Abgleich(TFormVerw *other) {
    LOG_FKT("TFormVerw::Abgleich");
    if (!other || other == this)
        return;
    FCtrlTree->Abgleich(other->Tree, false);
    AktualisiereAnsicht(nullptr, -1, -1);
}

void TFormVerw::TreeChange(TTreeNode *node) {
    LOG_FKT("TFormVerw::TreeChange");
    if (!FUpdating) {
        if (FDM.TableAutoCellActivate)
            AktualisiereAnsicht(node, 1, std::max(FDM.TabelAutoCellActivateRowNumber, 0));
        else
            AktualisiereAnsicht(node, -1, -1);
    }
    CheckActionList(node);
}

void TFormVerw::TreeMouseDown(Qt::MouseButton button, QPoint pos) {
    LOG_FKT("TFormVerw::TreeMouseDown");
    if (button != Qt::RightButton)
        return;
    TTreeNode *node = Tree->NodeAt(pos);
    if (!node)
        return;
    Tree->setCurrentItem(node);
    CheckActionList(node);
    PopupMenu1.popup(QCursor::pos());
}

void TFormVerw::FormShortCut(QKeyCombination key, bool &handled) {
    LOG_FKT("TFormVerw::FormShortCut");
    FDM.OnShortCut(key, handled);
}

void TFormVerw::TreeKeyDown(int key, Qt::KeyboardModifiers modifiers, bool &handled) {
    LOG_FKT("TFormVerw::TreeKeyDown");
    handled = false;
    if (!(modifiers & Qt::ControlModifier))
        return;
    if (key == Qt::Key_C) {
        FDM.ACopyExecute();
        handled = true;
    } else if (key == Qt::Key_V) {
        Grid.DeleteZellenKomponente();
        AktualisiereAnsicht(nullptr, 0, 0);
        FDM.APasteExecute();
        handled = true;
    }
}

void TFormVerw::FormKeyDown(int key, Qt::KeyboardModifiers modifiers, bool &handled) {
    LOG_FKT("TFormVerw::FormKeyDown");
    handled = false;
    if (key == Qt::Key_Tab && GridView->isVisible()) {
        QCoreApplication::postEvent(GridView, new TWeitergereichteTaste); // Qt takes the event
        handled = true;
        return;
    }
    if ((key == Qt::Key_C || key == Qt::Key_V) && Tree->hasFocus()) {
        TreeKeyDown(key, modifiers, handled);
        return;
    }
    if (key == Qt::Key_F1) {
        WinHelp(FHandle, FDM.HelpFile, HELP_CONTENTS, 0);
        handled = true;
        return;
    }
    if (key != Qt::Key_F6)
        return;
    handled = true;
    FUpdating = true;
    if (Tree->hasFocus()) {
        if (GridView->isVisible())
            GridView->setFocus();
        else if (ListView->isVisible())
            ListView->setFocus();
    } else {
        int col = -1, row = -1;
        if (Grid.GetActiveCell(col, row) != 0) {
            AzMsg::Post(FHandle, AzMsg::DeleteZellenKomponente{});
            PostMessage(FHandle, WM_KEYDOWN, VK_F6, 0);
        } else {
            if (GridView->isVisible())
                GridView->setFocus();
            Tree->setFocus();
        }
    }
    FUpdating = false;
}

bool TFormVerw::eventFilter(QObject *watched, QEvent *event) {
    LOG_FKT("TFormVerw::eventFilter");
    if (FDestroyed)
        return false;
    if (watched == parentWidget()) {
        const QEvent::Type t = event->type();
        if (t == QEvent::Move || t == QEvent::Resize || t == QEvent::WindowStateChange ||
            t == QEvent::Show)
            MerkeRahmen();
    }
    if (event->type() == QEvent::MouseButtonPress && Tree && watched == Tree->viewport()) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::RightButton) {
            TreeMouseDown(mouse->button(), mouse->position().toPoint());
            return true;
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || (widget != this && !isAncestorOf(widget)))
        return false;
    if (dynamic_cast<TWeitergereichteTaste *>(event))
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    bool handled = false;
    FormShortCut(key->keyCombination(), handled);
    if (!handled)
        FormKeyDown(key->key(), key->modifiers(), handled);
    if (!handled && watched == Tree)
        TreeKeyDown(key->key(), key->modifiers(), handled);
    return handled;
}

LRESULT TFormVerw::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
    LOG_FKT("TFormVerw::Dispatch");
    switch (msg) {
    case AzMsg::DeleteZellenKomponente::Id:
        Grid.DeleteZellenKomponente();
        return 0;
    case AzMsg::SetFocusControl::Id:
        return AzMsg::Answer<AzMsg::SetFocusControl>(wParam, lParam, [&](const auto &m) {
            if (m.Pointer && m.Pointer->isVisible())
                m.Pointer->setFocus();
        });
    case WM_KEYDOWN:
        for (const TTaste &t : kTasten)
            if (t.Vk == wParam) {
                bool handled = false;
                FormKeyDown(t.Key, Qt::NoModifier, handled);
            }
        return 0;
    default:
        return 0;
    }
}

LRESULT TFormVerw::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    LOG_FKT("TFormVerw::WndProc");
    return Dispatch(msg, wParam, lParam);
}

int TFormVerw::ScrollDirection(int y, int top, int bottom, int fontHeight) {
    LOG_FKT("TFormVerw::ScrollDirection");
    const int h = std::abs(fontHeight);
    const int zone = h + 5;
    const int half = h / 2;
    int direction = 0;
    if (top + half - zone < y && y < top + half)
        direction = 2;
    if (bottom - half < y && y < bottom - half + zone)
        direction = 1;
    return direction;
}

void TFormVerw::TimerTreeScrollTimer() {
    LOG_FKT("TFormVerw::TimerTreeScrollTimer");
    const int y = QCursor::pos().y();
    const QRect rect(Tree->mapToGlobal(QPoint(0, 0)), Tree->size());
    FScrollDirection = ScrollDirection(y, rect.top(), rect.top() + rect.height(),
                                       QFontInfo(Tree->font()).pixelSize());
    QScrollBar *bar = Tree->verticalScrollBar();
    switch (FScrollDirection) {
    case 1:
        bar->setValue(bar->value() + 1);
        break;
    case 2:
        bar->setValue(bar->value() - 1);
        break;
    default:
        TimerTreeScroll.stop();
        break;
    }
}

void TFormVerw::TreeStartDrag() {
    LOG_FKT("TFormVerw::TreeStartDrag");
    FScrollDirection = 0;
    FScrollArmed = true;
    TimerTreeScroll.start();
}

void TFormVerw::TreeDragOver() {
    LOG_FKT("TFormVerw::TreeDragOver");
    FScrollDirection = 0;
    if (!TimerTreeScroll.isActive())
        TimerTreeScroll.start();
}

void TFormVerw::TreeEndDrag() {
    LOG_FKT("TFormVerw::TreeEndDrag");
    FScrollDirection = 0;
    FScrollArmed = false;
    TimerTreeScroll.stop();
}

void TFormVerw::ListViewDblClick() {
    LOG_FKT("TFormVerw::ListViewDblClick");
    ListViewDblClickAt(ListView->viewport()->mapFromGlobal(QCursor::pos()));
}

void TFormVerw::ListViewDblClickAt(QPoint pos) {
    LOG_FKT("TFormVerw::ListViewDblClickAt");
    TDataBasis *object = TListView::ItemData(ListView->itemAt(pos));
    if (!object)
        return;
    if (TTreeNode *node = GetNodeFromData(object))
        Tree->setCurrentItem(node);
}

void TFormVerw::ListDragDrop(QWidget *source, QPoint pos) {
    LOG_FKT("TFormVerw::ListDragDrop");
    if (FCtrlListView->DragDrop(ListView, source, pos.x(), pos.y()))
        AzMsg::Post(FDM.MainWindowHandle, AzMsg::UpdateTreeNames{});
}
