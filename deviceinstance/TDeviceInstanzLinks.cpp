// Links between the device's communication objects and the project's group addresses, kept
// in step on the object (its link list, written into its record) and in the bus tool; the
// objects' questions about a sub group's address; the five flags of a device object.
#include "deviceinstance/TDeviceInstanz.h"

#include "deviceinstance/TDeviceDialoge.h"
#include "deviceinstance/TFormMainDienste.h"
#include "foundation/SprTexte.h"
#include "platform/busobjects/RObjektFlag.h"
#include "platform/busobjects/TEtsObjekt.h"
#include "platform/busobjects/TVumaGrpAdr.h"
#include "platform/bustool/TEts2Cdi.h"
#include "platform/bustool/TEtsGruppenAdressen.h"
#include "platform/log/Log.h"
#include "platform/objectbase/MainWindowMessages.h"
#include "platform/vcl/Exception.h"
#include "platform/win/CursorHourGlass.h"
#include "platform/win/MessageBox.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

// The five flags: the bus tool's setter and where the device-object record holds the flag.
struct TFlagArt {
    int32_t Kind;
    int (TEts2Cdi::*Setzen)(long, bool);
    size_t Offset;
};
constexpr TFlagArt kFlags[] = {
    {RObjektFlag::Kommunikation, &TEts2Cdi::SqlSetDeviceObjectCommFlag,
     offsetof(DAL_DEVICE_OBJECT, commFlag)},
    {RObjektFlag::Lesen, &TEts2Cdi::SqlSetDeviceObjectReadFlag,
     offsetof(DAL_DEVICE_OBJECT, readFlag)},
    {RObjektFlag::Schreiben, &TEts2Cdi::SqlSetDeviceObjectWriteFlag,
     offsetof(DAL_DEVICE_OBJECT, writeFlag)},
    {RObjektFlag::Uebertragen, &TEts2Cdi::SqlSetDeviceObjectTransFlag,
     offsetof(DAL_DEVICE_OBJECT, transFlag)},
    {RObjektFlag::Aktualisieren, &TEts2Cdi::SqlSetDeviceObjectUpdateFlag,
     offsetof(DAL_DEVICE_OBJECT, updateFlag)},
};
const TFlagArt *FlagArt(int32_t kind) {
    for (const TFlagArt &f : kFlags)
        if (f.Kind == kind)
            return &f;
    return nullptr;
}

constexpr char kLinkCaption[] = "Error: TDeviceInstanz::LinkToSubGroup";
constexpr char kFlagCaption[] = "Error: TDeviceInstanz::CheckObjektFlag";

// Shows the text in the flag check's box and raises the exception.
[[noreturn]] void FlagFehler(HWND owner, const AnsiString &box, const AnsiString &exception) {
    MessageBox(owner, box, kFlagCaption, MB_OK);
    throw Exception(exception);
}

} // namespace

void TDeviceInstanz::SchreibeDatensatz(TDataBasis *object) {
    LOG_FKT("DeviceInstanz::SchreibeDatensatz");
    object->Write(*GetDatenSatz(object));
}

void TDeviceInstanz::KnotenIconErneuern(TDataBasis *object) {
    LOG_FKT("DeviceInstanz::KnotenIconErneuern");
    if (!FVerw)
        return;
    if (TTreeNode *node = FVerw->GetNodeFromData(object)) {
        const int icon = object->GetIcon();
        FVerw->SetNodeImages(node, icon, icon, icon);
    }
}

bool TDeviceInstanz::GetGrpAdrDataPointer(long subGroupId, TDataBasis *&node) {
    LOG_FKT("DeviceInstanz::GetGrpAdrDataPointer");
    GetGrpAdrOrdner();
    const auto it = FMidSubGroups.find(static_cast<int>(subGroupId));
    if (it == FMidSubGroups.end())
        return false;
    node = it->second.get();
    return true;
}

bool TDeviceInstanz::LinkPartner(long subGroupId, int handle, TEtsObjekt *&object,
                                 TVumaGrpAdrSub *&sub, bool melden) {
    LOG_FKT("DeviceInstanz::LinkPartner");
    auto fehler = [&](const char *text) {
        if (melden)
            MessageBox(MainHandle(), text, kLinkCaption, MB_OK);
        return false;
    };
    TDataBasis *data = nullptr;
    if (!GetDataPointer(handle, data) || !data)
        return fehler("Object not found.\nAbort function");
    TDataBasis *node = nullptr;
    if (!GetGrpAdrDataPointer(subGroupId, node))
        return fehler("Group Address not found.\nAbort function");
    object = dynamic_cast<TEtsObjekt *>(data);
    sub = dynamic_cast<TVumaGrpAdrSub *>(node);
    if (!object || !sub)
        return fehler("Invalid DataPointer");
    return true;
}

bool TDeviceInstanz::LinkToSubGroup(long subGroupId, int handle, bool inEts) {
    LOG_FKT("DeviceInstanz::LinkToSubGroup");
    TEtsObjekt *object = nullptr;
    TVumaGrpAdrSub *sub = nullptr;
    if (!LinkPartner(subGroupId, handle, object, sub, true))
        return false;
    if (object->ExistSubGroupId(subGroupId)) {
        MessageBox(MainHandle(), SprText(9065), SprText(9066), MB_ICONWARNING);
        return false;
    }
    TCursorHourGlass hourGlass;
    if (!DeviceRessourceCheckVerbindungen(object, subGroupId, true))
        return false;
    if (inEts && !VerbindeImBusTool(object, sub, subGroupId, -1))
        return false;
    TrageLinkEin(object, subGroupId);
    return true;
}

bool TDeviceInstanz::VerbindeImBusTool(TEtsObjekt *object, TVumaGrpAdrSub *sub, long subGroupId,
                                       short send) {
    LOG_FKT("DeviceInstanz::VerbindeImBusTool");
    TEts2Cdi *cdi = Cdi();
    const int result = cdi ? cdi->CoLinkObjectToSubGroup(object->GetDeviceObjectId(), subGroupId,
                                                         send, send == 1, send != 1, true)
                           : -1;
    if (result == -1 || result == -2) {
        MessageBox(MainHandle(), SprText(result == -1 ? 9044 : 9067), SprText(9066),
                   MB_ICONWARNING);
        return false;
    }
    sub->SetSubAdrTyp(object->GetEtsObjektTyp());
    return true;
}

void TDeviceInstanz::TrageLinkEin(TEtsObjekt *object, long subGroupId) {
    LOG_FKT("DeviceInstanz::TrageLinkEin");
    uint16_t word = 0;
    if (TEtsGruppenAdressen *reader = GetGrpAdrOrdner())
        word = reader->GetGrpAddr(static_cast<int32_t>(subGroupId));
    object->AddSubGroupLink(subGroupId, word, false);
    SchreibeDatensatz(object);
    KnotenIconErneuern(object);
}

int TDeviceInstanz::UnLinkImBusTool(long subGroupId, long deviceObjectId) {
    LOG_FKT("DeviceInstanz::UnLinkImBusTool");
    TEts2Cdi *cdi = Cdi();
    if (!cdi)
        return 0;
    DAL_SUB_TO_OBJECT link{};
    link.size = sizeof(link);
    for (int mode = DAL_FIRST;
         cdi->DalGetSubgroupToObjectData(mode, -1, -1, deviceObjectId, &link) == DAL_OK;
         mode = DAL_NEXT)
        if (link.subGroupId == subGroupId)
            return cdi->CoUnlinkObjectFromSubGroup(deviceObjectId, subGroupId, true) ? 1 : -1;
    return 0;
}

bool TDeviceInstanz::UnLinkFromSubGroup(long subGroupId, long deviceObjectId) {
    LOG_FKT("DeviceInstanz::UnLinkFromSubGroup");
    const int result = UnLinkImBusTool(subGroupId, deviceObjectId);
    RemoveObjektVerbindung(subGroupId, deviceObjectId);
    return result >= 0;
}

void TDeviceInstanz::RemoveObjektVerbindung(long subGroupId, long deviceObjectId) {
    LOG_FKT("DeviceInstanz::RemoveObjektVerbindung");
    TEtsObjekt *object = GetObjectFromDeviceObjectId(deviceObjectId);
    if (!object)
        return;
    // The record is written again, so that the next data block no longer carries the link.
    if (object->DeleteSubGroupLink(subGroupId))
        SchreibeDatensatz(object);
    KnotenIconErneuern(object);
}

int TDeviceInstanz::UnLinkAllSubGroups(TDataBasis *object) {
    LOG_FKT("DeviceInstanz::UnLinkAllSubGroups");
    auto *bus = dynamic_cast<TEtsObjekt *>(object);
    if (!bus)
        return 0;
    const std::vector<TObjektBasis::RecGrpAdrId> links = bus->GetSubGroupLinks();
    const long deviceObjectId = bus->GetDeviceObjectId();
    for (const TObjektBasis::RecGrpAdrId &link : links)
        if (!UnLinkFromSubGroup(link.SubGroupId, deviceObjectId))
            return 0;
    return 1;
}

int TDeviceInstanz::CheckObjectVerbunden(TDataBasis *object) {
    LOG_FKT("DeviceInstanz::CheckObjectVerbunden");
    const auto *bus = dynamic_cast<const TEtsObjekt *>(object);
    if (!bus)
        throw Exception("TDeviceInstanz::CheckObjectVerbunden : Object not exist");
    return bus->GetSubGroupLinks().empty() ? 0 : 1;
}

namespace {
template <class F> TEtsObjekt *FindBusObject(const TObjektMap &objects, F match) {
    for (const auto &[handle, object] : objects)
        if (object->GetTyp() == TEtsObjekt::Typ)
            if (auto *bus = dynamic_cast<TEtsObjekt *>(object.get()); bus && match(*bus))
                return bus;
    return nullptr;
}
} // namespace

TEtsObjekt *TDeviceInstanz::GetObjectFromDeviceObjectId(long deviceObjectId) const {
    LOG_FKT("DeviceInstanz::GetObjectFromDeviceObjectId");
    return FindBusObject(FObjekte, [deviceObjectId](const TEtsObjekt &o) {
        return o.GetDeviceObjectId() == deviceObjectId;
    });
}

TEtsObjekt *TDeviceInstanz::GetObjectFromObjectNr(long objectNumber) const {
    LOG_FKT("DeviceInstanz::GetObjectFromObjectNr");
    return FindBusObject(FObjekte, [objectNumber](const TEtsObjekt &o) {
        return o.GetObjectNumber() == objectNumber;
    });
}

TEtsGruppenAdressen *TDeviceInstanz::SubGroupReader(long subGroupId) {
    LOG_FKT("DeviceInstanz::SubGroupReader");
    TDataBasis *node = nullptr;
    if (!GetGrpAdrDataPointer(subGroupId, node) || node->GetTyp() != TVumaGrpAdrSub::Typ)
        return nullptr;
    return FGruppenAdressen.get();
}

bool TDeviceInstanz::GetGrpAdrNr(long subGroupId, AnsiString &text) {
    LOG_FKT("DeviceInstanz::GetGrpAdrNr");
    TEtsGruppenAdressen *reader = SubGroupReader(subGroupId);
    if (!reader)
        return false;
    text = reader->GrpAddrString(static_cast<int32_t>(subGroupId));
    return true;
}

bool TDeviceInstanz::GetGrpAdrNrAsZahl(long subGroupId, int &value) {
    LOG_FKT("DeviceInstanz::GetGrpAdrNrAsZahl");
    TEtsGruppenAdressen *reader = SubGroupReader(subGroupId);
    if (!reader)
        return false;
    value = reader->GetGrpAddr(static_cast<int32_t>(subGroupId));
    return true;
}

bool TDeviceInstanz::ChangeObjektFlag(const RObjektFlag &request) {
    LOG_FKT("DeviceInstanz::ChangeObjektFlag");
    int outcome = 0;
    if (request.Kind == RObjektFlag::Keins) {
        outcome = 1;
    } else if (const TFlagArt *art = FlagArt(request.Kind)) {
        TEts2Cdi *cdi = Cdi();
        outcome = cdi ? (cdi->*art->Setzen)(request.DeviceObjectId, request.Value != 0) : 0;
    }
    if (outcome == 1)
        return true;
    if (outcome == 0)
        MessageBox(MainHandle(), "Setting flag: " + std::to_string(request.Kind),
                   "Error: TDeviceInstanz::ChangeObjektFlag", MB_ICONWARNING);
    return false;
}

bool TDeviceInstanz::CheckObjektFlag(const RObjektFlag &request) {
    LOG_FKT("DeviceInstanz::CheckObjektFlag");
    TEts2Cdi *cdi = Cdi();
    DAL_DEVICE_OBJECT record{};
    record.size = sizeof(record);
    const int result =
        cdi ? cdi->DalGetDeviceObjectData(DAL_BY_ID, request.DeviceObjectId, FDeviceId, &record)
            : DAL_ERR;
    switch (result) {
    case DAL_OK: {
        const TFlagArt *art = FlagArt(request.Kind);
        if (!art) {
            const AnsiString text = "unknown flag: " + std::to_string(request.Kind);
            FlagFehler(MainHandle(), text, text);
        }
        int16_t flag = 0;
        std::memcpy(&flag, reinterpret_cast<const unsigned char *>(&record) + art->Offset,
                    sizeof(flag));
        return flag == request.Value;
    }
    case DAL_END:
        FlagFehler(MainHandle(), "DAL_END: DalGetDeviceObjectData",
                   "Error DAL_END at DalGetDeviceObjectData");
    case DAL_ERR:
        FlagFehler(MainHandle(), "DAL_ERR: DalGetDeviceObjectData",
                   "Error DALE_ERR at DalGetDeviceObjectData");
    default:
        FlagFehler(MainHandle(), "unknown return value",
                   "Error unknown value at DalGetDeviceObjectData");
    }
}

bool TDeviceInstanz::OpenDlgGrpAdrToObject(TDataBasis *data) {
    LOG_FKT("DeviceInstanz::OpenDlgGrpAdrToObject");
    auto *object = dynamic_cast<TEtsObjekt *>(data);
    if (!object) {
        MessageBox(MainHandle(), "Invalid DataPointer",
                   "Error: TDeviceInstanz::OpenDlgGrpAdrToObject", MB_OK);
        return false;
    }
    std::vector<TObjektBasis::RecGrpAdrId> links = object->GetSubGroupLinks();
    std::vector<TObjektBasis::RecGrpAdrId> alt = links;

    TCursorHourGlass hourGlass;
    // A tree that cannot be read leaves the dialog empty; it opens all the same, so that the
    // user sees that there is nothing to choose.
    TEtsGruppenAdressen *reader = GetGrpAdrOrdner();
    std::list<int> melder;
    GetGrpAdrUsedFromMelder(melder);
    std::list<int> benutzt;
    GetAllUsedGAIds(benutzt);
    auto enthalten = [](const std::list<int> &ids, long id) {
        return std::find(ids.begin(), ids.end(), static_cast<int>(id)) != ids.end();
    };
    const bool eine = object->GetNumberSelectableGrpAdr() == 1;
    std::map<long, TVumaGrpAdrSub *> angebot;
    for (const auto &[id, node] : FMidSubGroups)
        if (auto *sub = dynamic_cast<TVumaGrpAdrSub *>(node.get())) {
            const bool frei = eine ? !enthalten(benutzt, id) : !enthalten(melder, id);
            if (frei || object->ExistSubGroupId(id))
                angebot.emplace(id, sub);
        }
    TDeviceDialoge *dialoge = FMain ? FMain->GetDeviceDialoge() : nullptr;
    hourGlass.Release();
    if (!dialoge)
        return false;
    if (dialoge->SelGrpAddr(this, FMain->GetGrpAdrLevels(), object, links, angebot, reader) != 1)
        return true;

    for (const TObjektBasis::RecGrpAdrId &link : links) {
        const auto it = std::find_if(
            alt.begin(), alt.end(), [&](const auto &a) { return a.SubGroupId == link.SubGroupId; });
        if (it != alt.end())
            alt.erase(it);
        if (!object->ExistSubGroupId(link.SubGroupId) &&
            !LinkToSubGroup(link.SubGroupId, object->GetHandle(), true))
            return false;
    }
    // Without the tree the dialog could show none of the object's links: none of them was
    // deselected, and an OK must not drop them.
    if (!reader)
        alt.clear();
    for (const TObjektBasis::RecGrpAdrId &link : alt)
        if (UnLinkFromSubGroup(link.SubGroupId, object->GetDeviceObjectId())) {
            object->DeleteSubGroupLink(link.SubGroupId);
            SchreibeDatensatz(object);
        }
    AzMsg::Post(MainHandle(), AzMsg::UpdateTreeNames{});
    return true;
}
