// The refresh of the communication objects' links from the bus tool: each object's table of
// sub groups (the sending one first) read from the bus tool's links, and the links' words
// renewed from the group-address tree. Failures are collected into one detail text and shown
// in one box at the end.
#include "deviceinstance/TDeviceInstanz.h"

#include "deviceinstance/DalAufzaehlen.h"
#include "foundation/SprTexte.h"
#include "platform/busobjects/TEtsObjekt.h"
#include "platform/bustool/TEts2Cdi.h"
#include "platform/dialogs/ShowDetailMessageBox.h"
#include "platform/log/Log.h"
#include "platform/win/MessageBox.h"

#include <list>
#include <string>
#include <vector>

namespace {
constexpr int kDetektor = 6124;
constexpr int kBusObjekt2 = 807; // the bus-object library's second kind of linked object
constexpr char kBoxCaption[] = "Az";

// One record of a group level by id; false, with the level's error text, when it fails.
template <class R, class F>
bool GruppeLesen(R &record, long id, const char *text, AnsiString &error, F read) {
    record = R{};
    record.size = sizeof(record);
    if (read(record) == DAL_OK)
        return true;
    error += AnsiString(text) + std::to_string(id);
    return false;
}

// The device object's links as the bus tool lists them; false, with the object's id added to
// error, when the listing breaks off: the links read so far are not the object's links.
bool EtsLinksLesen(TEts2Cdi &cdi, int objectId, std::vector<DAL_SUB_TO_OBJECT> &links,
                   AnsiString &error) {
    LOG_FKT("DeviceInstanz::EtsLinksLesen");
    // The links are collected first: the sub-group reads in between use cursors of their own,
    // but the walk is kept apart from them all the same.
    if (DalLinksAufzaehlen(cdi, objectId, links))
        return true;
    error += "\nLinks of DeviceObjectId not read: " + std::to_string(objectId);
    return false;
}

// The links' sub groups with their words, the sending one first; false when a sub group could
// not be read (the others are still listed).
bool SubGroupTabelle(TDeviceInstanz &device, const std::vector<DAL_SUB_TO_OBJECT> &links,
                     std::list<TDeviceInstanz::TSubGroupInfo> &out, AnsiString &error) {
    LOG_FKT("DeviceInstanz::SubGroupTabelle");
    bool ok = true;
    for (const DAL_SUB_TO_OBJECT &l : links) {
        TDeviceInstanz::TSubGroupInfo info;
        if (!device.GetSubGroupAddressInfo(l.subGroupId, info, error)) {
            ok = false;
            continue;
        }
        if (l.sendFlag >= 1)
            out.push_front(info);
        else
            out.push_back(info);
    }
    return ok;
}
} // namespace

bool TDeviceInstanz::GetSubGroupAddressInfo(int subGroupId, TSubGroupInfo &out, AnsiString &error) {
    LOG_FKT("DeviceInstanz::GetSubGroupAddressInfo");
    if (const auto it = FSubGroupInfo.find(subGroupId); it != FSubGroupInfo.end()) {
        out = it->second;
        return true;
    }
    TEts2Cdi *cdi = Cdi();
    if (!cdi) {
        error += "\nSubGroupId not found: " + std::to_string(subGroupId);
        return false;
    }
    DAL_SUBGROUP sub{};
    DAL_MIDDLEGROUP middle{};
    DAL_MAINGROUP main{};
    if (!GruppeLesen(sub, subGroupId, "\nSubGroupId not found: ", error, [&](auto &r) {
            return cdi->DalGetSubgroupData(DAL_BY_ID, subGroupId, &r, -1);
        }))
        return false;
    const long middleId = sub.middleGroupId;
    if (!GruppeLesen(middle, middleId, "\nMiddleGroupId not found: ", error, [&](auto &r) {
            return cdi->DalGetMiddlegroupData(DAL_BY_ID, middleId, &r, -1);
        }))
        return false;
    const long mainId = middle.mainGroupId;
    if (!GruppeLesen(main, mainId, "\nMainGroupId not found: ", error,
                     [&](auto &r) { return cdi->DalGetMaingroupData(DAL_BY_ID, mainId, &r, -1); }))
        return false;
    const int wort = main.number * 2048 + middle.number * 256 + sub.number;
    out = {subGroupId, static_cast<uint16_t>(wort)};
    FSubGroupInfo[subGroupId] = out;
    return true;
}

bool TDeviceInstanz::GetEtsAssociationTable(int objectId, std::list<TSubGroupInfo> &out,
                                            AnsiString &error) {
    LOG_FKT("DeviceInstanz::GetEtsAssociationTable");
    TEts2Cdi *cdi = Cdi();
    if (!cdi)
        return false;
    std::vector<DAL_SUB_TO_OBJECT> links;
    if (!EtsLinksLesen(*cdi, objectId, links, error))
        return false;
    return SubGroupTabelle(*this, links, out, error);
}

bool TDeviceInstanz::UpdateObjectAssociations() {
    LOG_FKT("DeviceInstanz::UpdateObjectAssociations");
    TEts2Cdi *cdi = Cdi();
    ClearListGrpAdrUsedFromMelder();
    AnsiString error;
    bool ok = true;
    for (const auto &[handle, owned] : FObjekte) {
        auto *object = dynamic_cast<TEtsObjekt *>(owned.get());
        if (!object || object->GetTyp() != TEtsObjekt::Typ)
            continue;
        const TDataBasis *parent = FindHandle(object->GetParent());
        const bool melder = parent && parent->GetTyp() == kDetektor;
        // Links the bus tool could not list stay as the object holds them.
        std::vector<DAL_SUB_TO_OBJECT> links;
        if (cdi &&
            EtsLinksLesen(*cdi, static_cast<int>(object->GetDeviceObjectId()), links, error)) {
            std::list<TSubGroupInfo> table;
            if (!SubGroupTabelle(*this, links, table, error))
                ok = false;
            object->ClearAllSubGroupLink();
            for (const TSubGroupInfo &entry : table)
                object->AddSubGroupLink(entry.first, entry.second, false);
        } else {
            ok = false;
        }
        if (melder)
            for (const TObjektBasis::RecGrpAdrId &link : object->GetSubGroupLinks())
                SetMelderGrpAdrToList(link.SubGroupId);
        SchreibeDatensatz(object);
    }
    SortiereListGrpAdrUsedFromMelder();
    if (!ok)
        _ShowDetailMessageBox(SprText(9109), kBoxCaption, error,
                              "TDeviceInstanz::UpdateObjectAssociations", MB_ICONSTOP);
    return ok;
}

bool TDeviceInstanz::UpdateGroupAddressFromId() {
    LOG_FKT("DeviceInstanz::UpdateGroupAddressFromId");
    AnsiString detail;
    bool ok = true;
    for (const auto &[handle, owned] : FObjekte) {
        const int typ = owned->GetTyp();
        auto *object = dynamic_cast<TObjektBasis *>(owned.get());
        if (!object || (typ != TEtsObjekt::Typ && typ != kBusObjekt2))
            continue;
        if (!object->UpdateAssociatedAddress(detail)) {
            const auto *bus = dynamic_cast<const TEtsObjekt *>(object);
            detail += "\n Object No. " + std::to_string(bus ? bus->GetObjectNumber() : handle);
            ok = false;
        }
        SchreibeDatensatz(object);
    }
    if (!ok)
        _ShowDetailMessageBox(SprText(9109), kBoxCaption, detail,
                              "TDeviceInstanz::UpdateGroupAddressFromId", MB_ICONSTOP);
    return ok;
}
