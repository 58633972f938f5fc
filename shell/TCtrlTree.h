// The left-hand tree of a project window: built from the device's panel objects, siblings kept
// in the panel's own order (Compare), copied from another window's tree (Abgleich), the
// group-address folder and its lazily made levels, and drag and drop onto the objects' own drop
// rules. Every node borrows its object from the device instance.
#pragma once

#include "deviceinstance/TFormVerwDienste.h"
#include "platform/vcl/AnsiString.h"
#include "shell/TTreeNode.h"

#include <QPoint>
#include <QString>

#include <map>
#include <vector>

class QWidget;
class TDataBasis;
class TDeviceInstanz;
class TImageList;
class TTreeNode;
class TTreeView;

class TCtrlTree {
public:
    // Stops repainting and sorting of the tree for its lifetime; the outermost guard repaints
    // and sorts the whole tree once at its end.
    class TUpdateGuard {
    public:
        explicit TUpdateGuard(TCtrlTree &tree);
        ~TUpdateGuard();
        TUpdateGuard(const TUpdateGuard &) = delete;
        TUpdateGuard &operator=(const TUpdateGuard &) = delete;

    private:
        TCtrlTree &FTree;
    };

    // A caption split into its leading text and the number at its end.
    struct TZahlUndText {
        bool Ok = false;
        AnsiString Text;
        int Zahl = 0;
    };

    TCtrlTree(TTreeView *tree, const TImageList *images);
    ~TCtrlTree();
    TCtrlTree(const TCtrlTree &) = delete;
    TCtrlTree &operator=(const TCtrlTree &) = delete;

    TTreeView *Tree() const { return FTree; }
    void SetDeviceInstanz(TDeviceInstanz *device);

    void InitTree(const TObjektMap &objects);
    TTreeNode *MakeNode(TTreeNode *parent, TDataBasis *object);
    void InitChildNode(int parentHandle, const TObjektMap &objects, TTreeNode *node);
    TTreeNode *AddChildNode2Data(TDataBasis *parent, TDataBasis *object);
    void DeleteNode(TDataBasis *object);
    TTreeNode *GetNodeFromData(TDataBasis *object) const;
    TDataBasis *GetSelData() const;
    void UpdateNamesAndIcon();
    void UpdateNodeIcon(TTreeNode *node, TDataBasis *object);
    // Caption and icons of a node from its object.
    void SetCaption(TTreeNode *node, TDataBasis *object);
    void SetImages(TTreeNode *node, int image, int state, int selected);

    static int Compare(const TTreeNode *node1, const TTreeNode *node2);
    // What Compare takes of a caption (TTreeNode keeps it per caption).
    static TTreeNode::TSortKey MakeSortKey(const QString &caption);
    static TZahlUndText TrenneZahlenUndString(const AnsiString &text);

    void CollapseAll();
    void ExpandAll();
    void Expand();
    void Collapse();

    void Abgleich(TTreeView *other, bool takeStateFromOther);
    void CopyChildNodes(TTreeNode *otherNode, TTreeNode *ownNode);

    // sender: the tree the mouse is over; source: the control the drag came from.
    bool DragOver(QWidget *sender, QWidget *source, int x, int y);
    void DragDrop(QWidget *sender, QWidget *source, int x, int y);

    void MakeGrpAdrFolder(const TObjektMap &mainGroups, TDataBasis *folder);
    // Nodes under node for the collected objects (by group id) that it has no node for yet.
    void MakeGrpAdrNode(std::map<int, TDataBasis *> &collected, TTreeNode *node);
    // The top-level node of the group-address folder, or null.
    TTreeNode *GrpAdrFolderNode() const;

    void BeginUpdate();
    void EndUpdate();
    bool IsUpdating() const { return FUpdateCount > 0; }
    // Sorts the whole tree by Compare (deferred to the end of an update).
    void SortAll();

private:
    void SortChildrenOf(TTreeNode *parent);
    TTreeNode *CopyNode(TTreeNode *from, TTreeNode *ownParent);

    TTreeView *FTree;
    const TImageList *FImages;
    TDeviceInstanz *FDevice = nullptr;
    int FUpdateCount = 0;
    bool FSortPending = false;
    // While InitTree runs: the objects by parent handle.
    std::map<int, std::vector<TDataBasis *>> FKinder;
    bool FKinderGueltig = false;
};

// The object of the dragged item: the source tree's selected node or the source list's selected
// item; null for any other control.
TDataBasis *DraggedObject(QWidget *source);
