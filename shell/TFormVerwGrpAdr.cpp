// The group-address folder of the project window: its main groups when the device is bound,
// the levels below filled one ahead of what the user opens, and the nodes of a new address.
#include "shell/TFormVerw.h"

#include "platform/busobjects/TGrpAdrOrdner.h"
#include "platform/busobjects/TVumaGrpAdr.h"
#include "platform/bustool/TEtsGruppenAdressen.h"
#include "platform/log/Log.h"
#include "platform/objectbase/MainWindowMessages.h"
#include "platform/win/CursorHourGlass.h"
#include "platform/win/MessageBox.h"
#include "shell/TCtrlTree.h"
#include "shell/TDM.h"
#include "shell/TTreeNode.h"
#include "shell/TTreeView.h"

#include <vector>

namespace {
// The group's object in the middle/sub group map, or null.
TDataBasis *InMap(const TObjektMap &map, int32_t id) {
    const auto it = map.find(id);
    return it == map.end() ? nullptr : it->second.get();
}
} // namespace

void TFormVerw::InitGrpAdr(HWND, TDataBasis *folder, const TObjektMap &mainGroups,
                           const TObjektMap &midSubGroups) {
    LOG_FKT("TFormVerw::InitGrpAdr");
    FGrpAdrOrdner = folder;
    FMainGroups = &mainGroups;
    FMidSubGroups = &midSubGroups;
    FCtrlTree->MakeGrpAdrFolder(mainGroups, folder);
}

void TFormVerw::DeleteGrpAdr() {
    LOG_FKT("TFormVerw::DeleteGrpAdr");
    // The device instance is about to replace its group objects: no node may keep one.
    FUpdating = true;
    delete FCtrlTree->GrpAdrFolderNode();
    FUpdating = false;
    FGrpAdrOrdner = nullptr;
    FMainGroups = nullptr;
    FMidSubGroups = nullptr;
}

void TFormVerw::CreateGroupAddressNodes(TDataBasis *main, TDataBasis *middle, TDataBasis *sub,
                                        bool makeVisible) {
    LOG_FKT("TFormVerw::CreateGroupAddressNodes");
    if (!FGrpAdrOrdner) {
        MessageBox(FHandle, "Can't find Groupaddress folder.",
                   "error (TDeviceInstanz::InsertGrpAdr)", MB_OK);
        return;
    }
    if (main && !GetNodeFromData(main))
        AddChildNode2Data(FGrpAdrOrdner, main, makeVisible);
    TDataBasis *parent = main;
    if (FDM.GetGrpAdrLevels() == 3) {
        if (middle && !GetNodeFromData(middle))
            AddChildNode2Data(main, middle, makeVisible);
        parent = middle;
    }
    if (sub && !GetNodeFromData(sub))
        AddChildNode2Data(parent, sub, makeVisible);
}

bool TFormVerw::TreeExpanding(TTreeNode *node) {
    LOG_FKT("TFormVerw::TreeExpanding");
    if (!node || !node->Data() || node->Data()->GetTyp() != TGrpAdrOrdner::Typ)
        return true;
    return AzMsg::Send(FDM.MainWindowHandle, AzMsg::CheckGrpAdrOrdner{}) != 0;
}

bool TFormVerw::FuelleGruppe(TTreeNode *child) {
    LOG_FKT("TFormVerw::FuelleGruppe");
    TDataBasis *object = child->Data();
    const int typ = object->GetTyp();
    if (typ < TVumaGrpAdrMain::Typ || typ > 5006)
        return true;
    if (typ > TVumaGrpAdrSub::Typ)
        return true;
    if (!FMidSubGroups)
        return false;
    std::map<int, TDataBasis *> collected;
    if (typ == TVumaGrpAdrMain::Typ) {
        auto *main = dynamic_cast<TVumaGrpAdrMain *>(object);
        if (!main || !main->GetGroup())
            return true;
        TEtsMainGroup *group = main->GetGroup();
        for (TEtsMiddleGroup *middle = group->GetMiddleGroupFirst(); middle;
             middle = group->GetMiddleGroupNext()) {
            TDataBasis *m = InMap(*FMidSubGroups, middle->GetGroupId());
            if (!m)
                continue;
            if (FDM.GetGrpAdrLevels() == 3) {
                collected[middle->GetGroupId()] = m;
            } else {
                for (TEtsSubGroup *s = middle->GetSubGroupFirst(); s; s = middle->GetSubGroupNext())
                    if (TDataBasis *o = InMap(*FMidSubGroups, s->GetGroupId()))
                        collected[s->GetGroupId()] = o;
            }
        }
        FCtrlTree->MakeGrpAdrNode(collected, child);
    } else if (typ == TVumaGrpAdrMiddle::Typ) {
        auto *middle = dynamic_cast<TVumaGrpAdrMiddle *>(object);
        if (!middle || !middle->GetGroup())
            return true;
        TEtsMiddleGroup *group = middle->GetGroup();
        for (TEtsSubGroup *s = group->GetSubGroupFirst(); s; s = group->GetSubGroupNext())
            if (TDataBasis *o = InMap(*FMidSubGroups, s->GetGroupId()))
                collected[s->GetGroupId()] = o;
        FCtrlTree->MakeGrpAdrNode(collected, child);
    }
    return true;
}

void TFormVerw::TreeExpanded(TTreeNode *node) {
    LOG_FKT("TFormVerw::TreeExpanded");
    if (!node)
        return;
    TCursorHourGlass hourGlass;
    TCtrlTree::TUpdateGuard guard(*FCtrlTree);
    bool ok = true;
    // A group node copied from another window comes without its children: it fills its own
    // level first, so that the level below it can be filled too.
    if (node->childCount() == 0 && node->Data()) {
        const int typ = node->Data()->GetTyp();
        if (typ == TVumaGrpAdrMain::Typ || typ == TVumaGrpAdrMiddle::Typ)
            ok = FuelleGruppe(node);
    }
    std::vector<TTreeNode *> children;
    for (int i = 0; i < node->childCount(); ++i)
        if (TTreeNode *child = node->Child(i))
            children.push_back(child);
    for (TTreeNode *child : children) {
        if (!ok)
            break;
        if (child->Data())
            ok = FuelleGruppe(child);
    }
    if (!ok)
        MessageBox(FHandle, "Group address map not found.\nAbort function",
                   "TFormVerw::TreeExpanding", MB_OK);
    FCtrlTree->SortAll();
}
