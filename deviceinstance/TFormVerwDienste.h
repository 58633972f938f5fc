// What the device instance asks of a project window (implemented by the shell's TFormVerw and
// by the tests' fake), so that the device instance does not depend on the shell. After the
// device's data were read anew the instance calls, on every project window and in this order,
// DeleteGrpAdr, InitData and InitGrpAdr; when it reads the group-address tree again it calls
// DeleteGrpAdr before its group objects go and InitGrpAdr with the new ones.
#pragma once

#include "platform/log/Log.h"
#include "platform/win/Messages.h"

#include <map>
#include <memory>

class TDataBasis;
// A node of the project window's tree; the device instance only hands it back.
class TTreeNode;

// Objects by record handle (or by the bus tool's group id), owned by the device instance and
// walked in key order.
using TObjektMap = std::map<int, std::unique_ptr<TDataBasis>>;

class TFormVerwDienste {
public:
    virtual ~TFormVerwDienste() = default;

    // Removes the group-address nodes of the tree.
    virtual void DeleteGrpAdr() = 0;
    // Rebuilds the tree from the device's objects; mainWindow is the handle the nodes use.
    virtual void InitData(const TObjektMap &objects, HWND mainWindow) = 0;
    // Rebuilds the group-address nodes under the folder from the main-group map and the
    // map of middle and sub groups (no folder: none).
    virtual void InitGrpAdr(HWND mainWindow, TDataBasis *folder, const TObjektMap &mainGroups,
                            const TObjektMap &midSubGroups) = 0;

    // Removes every node of the tree.
    virtual void DeleteAllNodes() = 0;
    // The node of a new object under the first node of its parent object (made visible when
    // asked), or null when the parent has no node.
    virtual TTreeNode *AddChildNode2Data(TDataBasis *parent, TDataBasis *object,
                                         bool makeVisible) = 0;
    // Removes the object's first node with its subtree (node null: found by the object).
    virtual void DeleteNode(TTreeNode *node, TDataBasis *object) = 0;
    // The object's first node, or null.
    virtual TTreeNode *GetNodeFromData(TDataBasis *object) = 0;
    // A node's image, state and selected image index.
    virtual void SetNodeImages(TTreeNode *node, int image, int state, int selected) = 0;
    // Renews the names and icons of the whole tree.
    virtual void UpdateTreeNamesAndIcon() = 0;
    // Begin and end of an update of the tree's nodes: no repaint in between.
    virtual void BeginTreeUpdate() = 0;
    virtual void EndTreeUpdate() = 0;
};

// Suspends the updates of a project window's tree for its lifetime (no window: nothing).
class TUpdateGuard {
public:
    explicit TUpdateGuard(TFormVerwDienste *verw) : FVerw(verw) {
        LOG_FKT("TUpdateGuard::TUpdateGuard");
        if (FVerw)
            FVerw->BeginTreeUpdate();
    }
    ~TUpdateGuard() {
        LOG_FKT("TUpdateGuard::~TUpdateGuard");
        if (FVerw)
            FVerw->EndTreeUpdate();
    }
    TUpdateGuard(const TUpdateGuard &) = delete;
    TUpdateGuard &operator=(const TUpdateGuard &) = delete;

private:
    TFormVerwDienste *FVerw;
};
