// The project window: one panel device's object tree with its group-address folder on the left,
// and on the right, for the selected node, either the list of its children or the object's
// parameter grid. A QWidget that the main window puts into a sub-window of its own; several
// can be open at once, each numbered by a process-wide counter. It serves the device instance
// (TFormVerwDienste) and talks to the main window only by window messages; it receives its own
// messages (1162, 1183 and posted keys) under its own handle.
#pragma once

#include "deviceinstance/TFormVerwDienste.h"
#include "platform/grid/TDrawGridSE.h"
#include "platform/vcl/AnsiString.h"
#include "platform/win/Messages.h"

#include <QMenu>
#include <QTimer>
#include <QWidget>

#include <array>
#include <map>
#include <memory>

class QMainWindow;
class QSplitter;
class QTextEdit;
class TFDockMeld;
class TMeldeSplitter;
struct TCell;
class TCtrlGrid;
class TCtrlListView;
class TCtrlTree;
class TDM;
class TDeviceInstanz;
class TDrawGridSEView;
class TListView;
class TTreeView;

class TFormVerw : public QWidget, public TFormVerwDienste, public TMessageTarget {
public:
    // What FormClose does with a window being closed.
    enum TCloseAction { caNone, caHide, caFree, caMinimize };

    TFormVerw(TDM &dm, QWidget *parent = nullptr);
    ~TFormVerw() override;
    TFormVerw(const TFormVerw &) = delete;
    TFormVerw &operator=(const TFormVerw &) = delete;

    // The process-wide window counter: the number the next window gets.
    static int WindowCounter();

    void SetDeviceInstanz(TDeviceInstanz *device);

    // TFormVerwDienste
    void DeleteGrpAdr() override;
    void InitData(const TObjektMap &objects, HWND mainWindow) override;
    void InitGrpAdr(HWND mainWindow, TDataBasis *folder, const TObjektMap &mainGroups,
                    const TObjektMap &midSubGroups) override;
    // Every node goes, and the right pane lets go of the object it shows.
    void DeleteAllNodes() override;
    TTreeNode *AddChildNode2Data(TDataBasis *parent, TDataBasis *object, bool makeVisible) override;
    void DeleteNode(TTreeNode *node, TDataBasis *object) override;
    TTreeNode *GetNodeFromData(TDataBasis *object) override;
    void SetNodeImages(TTreeNode *node, int image, int state, int selected) override;
    void UpdateTreeNamesAndIcon() override;
    void BeginTreeUpdate() override;
    void EndTreeUpdate() override;

    void CreateGroupAddressNodes(TDataBasis *main, TDataBasis *middle, TDataBasis *sub,
                                 bool makeVisible);
    TDataBasis *GetSelData() const;
    void UpdateNodeIcon(TDataBasis *object);
    void DeleteTreeViewNodes();
    void TreeCollapseAll();
    void TreeExpandAll();
    void TreeExpand();
    void TreeCollapse();
    void AktualisiereAnsicht(TTreeNode *node, int col, int row);
    void LoadColor(uint32_t common, uint32_t cell, uint32_t title, uint32_t readOnlyCell,
                   int gridLines);
    void LoadSize(bool autoSize, int defaultWidth);
    void Assign(TFormVerw *other);
    void Abgleich(TFormVerw *other);
    void GetRegData();
    void SetRegData();
    // The frame's place and size and its window state (0 normal, 1 minimized, 2 maximized): the
    // sub-window's while it is one, the window's own while it has no parent, else as last seen
    // of the sub-window (it may be going already: the main window's end deletes this window
    // from inside it). false when no frame is known; the place is the last one seen in the
    // normal state (or the first seen, for a frame never normal).
    bool RahmenStand(QRect &ort, uint8_t &zustand) const;
    void FormResize();
    // The width of the tree beside the right pane.
    int TreeWidth() const;
    void SetTreeWidth(int width);
    void CheckActionList(TTreeNode *node);

    // The quick-help pane below the right pane.
    void CreateMeldeFenster();
    void DockComponents();
    void ShowOnlineHilfe(int number);
    // The grid's cell entry: the pane shows the cell's help section.
    void GridEnterCell(TDrawGridSE *sender, const TCell &cell);
    void RichEditMeldEndDock();
    // Every dock-over is accepted; the proposed rectangle is the window's docking rectangle.
    bool FormDockOver(std::array<int, 4> &rect) const;
    void SplitterMoved();
    // The host's steps on this window: after it floated or docked again, and its close.
    void MeldeFensterEndDock(bool floating);
    void MeldeFensterSchliessen();
    // What the main window does with the pane's host when the application is restored,
    // activated or asked to open (show), minimized (hide) and restored (raise); nothing
    // without a pane.
    void ZeigeMeldeFenster();
    void VerbergeMeldeFenster();
    void HebeMeldeFenster();
    TFDockMeld *QuickHelpPanel() const { return FQuickHelpPanel; }
    QTextEdit *QuickHelpRichEdit() const { return FQuickHelpRichEdit; }
    TMeldeSplitter *QuickHelpSplitter() const { return FQuickHelpSplitter.get(); }
    int LastHelpNumber() const { return FLastHelpNumber; }
    const std::array<int, 4> &DockRect() const { return FDockRect; }
    LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
    void LoadIcon();

    void FormCreate();
    void FormDestroy();
    void FormClose(TCloseAction &action);
    void FormActivate();
    void FormDeactivate();
    void TreeChange(TTreeNode *node);
    // Right button at a position of the tree's viewport: select, switch, open the pop-up.
    void TreeMouseDown(Qt::MouseButton button, QPoint pos);
    // The window's key handling (key preview): handled keys go no further.
    void FormKeyDown(int key, Qt::KeyboardModifiers modifiers, bool &handled);
    void TreeKeyDown(int key, Qt::KeyboardModifiers modifiers, bool &handled);
    void FormShortCut(QKeyCombination key, bool &handled);
    void TimerTreeScrollTimer();
    void TreeStartDrag();
    void TreeDragOver();
    void TreeEndDrag();
    // false: the expansion is refused.
    bool TreeExpanding(TTreeNode *node);
    void TreeExpanded(TTreeNode *node);
    void ListViewDblClick();
    void ListViewDblClickAt(QPoint pos);
    // After a drop on the list the main window renews the captions (1138).
    void ListDragDrop(QWidget *source, QPoint pos);

    // The scroll direction for a mouse at screen height y over a tree from top to bottom whose
    // font is fontHeight pixels high: 0 none, 1 down, 2 up.
    static int ScrollDirection(int y, int top, int bottom, int fontHeight);

    // LRESULT of the window's own messages.
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    HWND Handle() const { return FHandle; }

    // Components.
    QWidget *Panel1 = nullptr;
    TTreeView *Tree = nullptr;
    QSplitter *Splitter1 = nullptr;
    QWidget *PanelInfoSeite = nullptr;
    // The right pane's dock site: list and grid in its centre, the quick-help pane below.
    QMainWindow *InfoFenster = nullptr;
    QWidget *InfoInhalt = nullptr;
    TListView *ListView = nullptr;
    QMenu PopupMenu1;
    QTimer TimerTreeScroll;
    // The parameter grid: the model that the objects fill and its view.
    TDrawGridSE Grid;
    TDrawGridSEView *GridView = nullptr;

    TCtrlTree *CtrlTree() const { return FCtrlTree.get(); }
    TCtrlGrid *CtrlGrid() const { return FCtrlGrid.get(); }
    TCtrlListView *CtrlListView() const { return FCtrlListView.get(); }
    int WindowNumber() const { return FWindowNumber; }
    bool Updating() const { return FUpdating; }
    int ScrollDirectionNow() const { return FScrollDirection; }
    TDataBasis *GrpAdrOrdner() const { return FGrpAdrOrdner; }
    TDM &DM() const { return FDM; }
    const AnsiString &QuickHelpFile() const { return FQuickHelpFile; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void Init();
    void InitTexte();
    // The window that carries the geometry: the sub-window around this one, or this one.
    QWidget *Rahmen();
    // Keeps the sub-window's state and, when normal, its place, for RahmenStand.
    void MerkeRahmen();
    // Fills the next level below one group node (its listed children); false when the
    // window holds no middle/sub group map.
    bool FuelleGruppe(TTreeNode *child);

    TDM &FDM;
    std::unique_ptr<TMessageTargetRegistration> FRegistration;
    HWND FHandle = nullptr;
    std::unique_ptr<TCtrlTree> FCtrlTree;
    std::unique_ptr<TCtrlGrid> FCtrlGrid;
    std::unique_ptr<TCtrlListView> FCtrlListView;
    HWND FMainWindow = nullptr;
    bool FUpdating = false;
    int FLastHelpNumber = 0;
    const TObjektMap *FMidSubGroups = nullptr;
    const TObjektMap *FMainGroups = nullptr;
    TDataBasis *FGrpAdrOrdner = nullptr;
    int FWindowNumber = 0;
    int FScrollDirection = 0;
    bool FScrollArmed = false;
    AnsiString FQuickHelpFile;
    std::array<int, 4> FDockRect{0, 0, 0, 0};
    // The quick-help pane's parts; null until it is made. The host stays once made; the rich
    // edit (a child of the host) and the separator go when the pane is closed.
    TFDockMeld *FQuickHelpPanel = nullptr;
    QTextEdit *FQuickHelpRichEdit = nullptr;
    std::unique_ptr<TMeldeSplitter> FQuickHelpSplitter;
    TDeviceInstanz *FDevice = nullptr;
    bool FDestroyed = false;
    int FTreeWidth = 200;
    bool FRahmenGesehen = false;
    QRect FRahmenOrt;
    uint8_t FRahmenZustand = 0;
};
