// The device's copy of the project's group-address tree: one object per main, middle and sub
// group, new group addresses, proposals, the words' texts and the look-ups by word.
#include "deviceinstance/TDeviceInstanz.h"

#include "deviceinstance/TFormMainDienste.h"
#include "foundation/SprTexte.h"
#include "platform/busobjects/TEtsObjekt.h"
#include "platform/busobjects/TGrpAdrOrdner.h"
#include "platform/busobjects/TVumaGrpAdr.h"
#include "platform/bustool/RecordText.h"
#include "platform/bustool/TEts2Cdi.h"
#include "platform/bustool/TEtsGruppenAdressen.h"
#include "platform/log/Log.h"
#include "platform/objectbase/MainWindowMessages.h"
#include "platform/win/CursorHourGlass.h"
#include "platform/win/MessageBox.h"

#include <algorithm>
#include <set>
#include <string>
#include <type_traits>

namespace {
constexpr uint16_t kHoechsteAdresse = 0x7FFF;
constexpr uint16_t kFreiBis = 4095; // searched for a free word once the highest is taken
} // namespace

bool TDeviceInstanz::ThreeLevel() const {
    LOG_FKT("DeviceInstanz::ThreeLevel");
    return !FMain || FMain->GetGrpAdrLevels() == 3;
}

AnsiString TDeviceInstanz::GetGroupAddressString(short word, bool threeLevel) {
    LOG_FKT("DeviceInstanz::GetGroupAddressString");
    return GroupAddressText(static_cast<uint16_t>(word), threeLevel);
}

void TDeviceInstanz::GrpAdrKnotenEntfernen() {
    LOG_FKT("DeviceInstanz::GrpAdrKnotenEntfernen");
    if (FMain)
        for (TFormVerwDienste *verw : FMain->GetFormVerwList())
            verw->DeleteGrpAdr();
}

void TDeviceInstanz::GrpAdrKnotenAufbauen() {
    LOG_FKT("DeviceInstanz::GrpAdrKnotenAufbauen");
    if (FMain)
        for (TFormVerwDienste *verw : FMain->GetFormVerwList())
            verw->InitGrpAdr(MainHandle(), FGrpAdrOrdner.get(), FMainGroups, FMidSubGroups);
}

bool TDeviceInstanz::GetGrpAdrFromServer() {
    LOG_FKT("DeviceInstanz::GetGrpAdrFromServer");
    TEts2Cdi *cdi = Cdi();
    if (!cdi)
        return false;
    if (!FGruppenAdressen)
        FGruppenAdressen = std::make_unique<TEtsGruppenAdressen>(cdi, FDeviceId);
    FGruppenAdressen->ThreeLevel = ThreeLevel();
    const bool gelesen = FGruppenAdressen->Einlesen(FDeviceId);

    // Project windows hold nodes of the group objects: they let go of them before the objects
    // go and get the new ones afterwards.
    const bool knoten = !FMainGroups.empty() || !FMidSubGroups.empty();
    if (knoten)
        GrpAdrKnotenEntfernen();
    FMainGroups.clear();
    FMidSubGroups.clear();
    FGroupsBuilt = false;
    if (gelesen) {
        for (TEtsMainGroup *main = FGruppenAdressen->GetMainGroupFirst(); main;
             main = FGruppenAdressen->GetMainGroupNext())
            FMainGroups.emplace(
                main->GetGroupId(),
                std::make_unique<TVumaGrpAdrMain>(MainHandle(), 0, 0, main->GetName(), 1, main));
        MakeMidSubAdrGrp();
        FGroupsBuilt = true;
        if (!FGrpAdrOrdner) {
            FGrpAdrOrdner = std::make_unique<TGrpAdrOrdner>(MainHandle(), 0, 0, SprText(9141), 1);
            FGrpAdrOrdner->SetPosId(100);
        }
    }
    if (knoten)
        GrpAdrKnotenAufbauen();
    if (!gelesen)
        FGruppenAdressen.reset(); // an empty tree is no tree: the next use reads again
    return gelesen;
}

TEtsGruppenAdressen *TDeviceInstanz::GetGrpAdrOrdner() {
    LOG_FKT("DeviceInstanz::GetGrpAdrOrdner");
    if (!FGruppenAdressen && !GetGrpAdrFromServer())
        return nullptr;
    if (!FGroupsBuilt) {
        MakeMidSubAdrGrp();
        FGroupsBuilt = true;
    }
    return FGruppenAdressen.get();
}

TGrpAdrOrdner *TDeviceInstanz::GetGrpAdrFolder() const {
    LOG_FKT("DeviceInstanz::GetGrpAdrFolder");
    return FGrpAdrOrdner.get();
}

void TDeviceInstanz::MakeMidSubAdrGrp() {
    LOG_FKT("DeviceInstanz::MakeMidSubAdrGrp");
    if (!FGruppenAdressen)
        return;
    std::vector<TVumaGrpAdrMiddle *> middles;
    for (auto &[id, object] : FMainGroups) {
        auto *main = dynamic_cast<TVumaGrpAdrMain *>(object.get());
        if (!main || !main->GetGroup())
            continue;
        for (TEtsMiddleGroup *middle = FGruppenAdressen->GetMiddleGroupFirst(main->GetGroup());
             middle; middle = FGruppenAdressen->GetMiddleGroupNext(main->GetGroup())) {
            auto [it, neu] = FMidSubGroups.try_emplace(middle->GetGroupId());
            if (neu)
                it->second = std::make_unique<TVumaGrpAdrMiddle>(MainHandle(), 0, 0,
                                                                 middle->GetName(), 1, middle);
            if (auto *object = dynamic_cast<TVumaGrpAdrMiddle *>(it->second.get()))
                middles.push_back(object);
        }
    }
    for (TVumaGrpAdrMiddle *middle : middles)
        for (TEtsSubGroup *sub = FGruppenAdressen->GetSubGroupFirst(middle->GetGroup()); sub;
             sub = FGruppenAdressen->GetSubGroupNext(middle->GetGroup())) {
            auto [it, neu] = FMidSubGroups.try_emplace(sub->GetGroupId());
            if (neu)
                it->second =
                    std::make_unique<TVumaGrpAdrSub>(MainHandle(), 0, 0, sub->GetName(), 1, sub);
        }
}

bool TDeviceInstanz::EnterGrpAdr(TEtsSubGroup *subGroup, TGrpAdrEintrag &eintrag) {
    LOG_FKT("DeviceInstanz::EnterGrpAdr");
    eintrag = {};
    TEtsMiddleGroup *middleGroup = subGroup ? subGroup->GetMiddleGroup() : nullptr;
    TEtsMainGroup *mainGroup = middleGroup ? middleGroup->GetMainGroup() : nullptr;
    if (!mainGroup)
        return false;
    // Each level: the object held under the group's id, or a new one of the group.
    auto enter = [this](TObjektMap &map, auto *group, auto tag, bool &made) {
        using T = typename decltype(tag)::type;
        auto [it, inserted] = map.try_emplace(group->GetGroupId());
        if (inserted)
            it->second = std::make_unique<T>(MainHandle(), 0, 0, group->GetName(), 1, group);
        made = inserted;
        return dynamic_cast<T *>(it->second.get());
    };
    eintrag.Main =
        enter(FMainGroups, mainGroup, std::type_identity<TVumaGrpAdrMain>{}, eintrag.NeuMain);
    eintrag.Middle = enter(FMidSubGroups, middleGroup, std::type_identity<TVumaGrpAdrMiddle>{},
                           eintrag.NeuMiddle);
    eintrag.Sub =
        enter(FMidSubGroups, subGroup, std::type_identity<TVumaGrpAdrSub>{}, eintrag.NeuSub);
    return eintrag.Main && eintrag.Middle && eintrag.Sub;
}

TVumaGrpAdrSub *TDeviceInstanz::CreateGrpAddr(short a, short b, short c, const AnsiString &name) {
    LOG_FKT("DeviceInstanz::CreateGrpAddr");
    if ((a | b | c) & 0x8000 || !GetGrpAdrOrdner())
        return nullptr;
    TEtsSubGroup *subGroup = nullptr;
    if (!FGruppenAdressen->CreateGroupAddress(subGroup, a, b, c, name) || !subGroup)
        return nullptr;
    const int32_t id = subGroup->GetGroupId();
    if (InsertGrpAddr(subGroup->GetGrpAddr(), subGroup)) {
        const auto it = FMidSubGroups.find(id);
        if (it != FMidSubGroups.end())
            if (auto *sub = dynamic_cast<TVumaGrpAdrSub *>(it->second.get()))
                return sub;
    }
    MessageBox(MainHandle(), "Gruppenadresse nicht erstellt, neu starten",
               "FEHLER: TDeviceInstanz::CreateGrpAddr", MB_OK);
    return nullptr;
}

void TDeviceInstanz::CreateGrpAdr(TObjektBasis *object, short a, short b, short c,
                                  const AnsiString &name) {
    LOG_FKT("DeviceInstanz::CreateGrpAdr");
    if (!GetGrpAdrOrdner())
        return;
    TEtsSubGroup *subGroup = nullptr;
    if (!FGruppenAdressen->CreateGroupAddress(subGroup, a, b, c, name) || !subGroup)
        return;
    const int32_t id = subGroup->GetGroupId();
    if (!InsertGrpAdr(subGroup->GetGrpAddr(), subGroup) || !object)
        return;
    const auto it = FMidSubGroups.find(id);
    if (it == FMidSubGroups.end() || !dynamic_cast<TVumaGrpAdrSub *>(it->second.get()))
        return;
    if (!object->ExistSubGroupId(id) && !LinkToSubGroup(id, object->GetHandle(), true))
        return;
    SchreibeDatensatz(object);
    AzMsg::Post(MainHandle(), AzMsg::AbgleichFormVerw{0, 0});
    AzMsg::Post(MainHandle(), AzMsg::AktualisiereAnsicht{2, 3});
    if (FVerw)
        FVerw->UpdateTreeNamesAndIcon();
}

bool TDeviceInstanz::InsertGrpAdr(uint16_t, TEtsSubGroup *subGroup) {
    LOG_FKT("DeviceInstanz::InsertGrpAdr");
    TGrpAdrEintrag e;
    if (!EnterGrpAdr(subGroup, e))
        return false;
    // Nodes for what is new; the middle level shows only with three levels.
    if (e.NeuMain) {
        if (!FMain || !FMain->GetGrpAdrOrdner()) {
            MessageBox(MainHandle(), "Gruppenadress-Ordner existiert nicht.",
                       "FEHLER: TDeviceInstanz::InsertGrpAdr", MB_OK);
            return false;
        }
        if (!FMain->MakeNode(e.Main, FGrpAdrOrdner.get()))
            return false;
    }
    const bool three = ThreeLevel();
    if (three && e.NeuMiddle && !FMain->MakeNode(e.Middle, e.Main))
        return false;
    if (e.NeuSub && !FMain->MakeNode(e.Sub, three ? static_cast<TDataBasis *>(e.Middle) : e.Main))
        return false;
    return true;
}

bool TDeviceInstanz::InsertGrpAddr(uint16_t, TEtsSubGroup *subGroup) {
    LOG_FKT("DeviceInstanz::InsertGrpAddr");
    TGrpAdrEintrag e;
    if (!EnterGrpAdr(subGroup, e))
        return false;
    if (FMain)
        FMain->CreateGroupAddressNodes(e.Main, e.Middle, e.Sub);
    return true;
}

bool TDeviceInstanz::InsertGrpAdr(short word, TEtsMainGroup *&main, TEtsMiddleGroup *&middle,
                                  TEtsSubGroup *&sub) {
    LOG_FKT("DeviceInstanz::InsertGrpAdr");
    main = nullptr;
    middle = nullptr;
    sub = nullptr;
    TEtsGruppenAdressen *reader = GetGrpAdrOrdner();
    if (!reader)
        return false;
    // The word is compared whole: split into 4/3/8 it would miss every sub group of a
    // two-level project above number 255.
    const auto gesucht = static_cast<uint16_t>(word);
    for (TEtsMainGroup *m = reader->GetMainGroupFirst(); m; m = reader->GetMainGroupNext())
        for (TEtsMiddleGroup *mi = reader->GetMiddleGroupFirst(m); mi;
             mi = reader->GetMiddleGroupNext(m))
            for (TEtsSubGroup *s = reader->GetSubGroupFirst(mi); s; s = reader->GetSubGroupNext(mi))
                if (s->GetGrpAddr() == gesucht) {
                    main = m;
                    middle = mi;
                    sub = s;
                    return true;
                }
    return false;
}

bool TDeviceInstanz::GetGaIdFromGaWord(short word, int &id) {
    LOG_FKT("DeviceInstanz::GetGaIdFromGaWord");
    id = 0;
    try {
        TEtsMainGroup *main = nullptr;
        TEtsMiddleGroup *middle = nullptr;
        TEtsSubGroup *sub = nullptr;
        if (!InsertGrpAdr(word, main, middle, sub))
            return false;
        id = sub->GetGroupId();
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

AnsiString TDeviceInstanz::GetNextHighestAndFreeGrpAdr(bool &threeLevel) {
    LOG_FKT("DeviceInstanz::GetNextHighestAndFreeGrpAdr");
    GetGrpAdrOrdner();
    threeLevel = ThreeLevel();
    std::set<uint16_t> words;
    for (const auto &[id, object] : FMidSubGroups)
        if (const auto *sub = dynamic_cast<const TVumaGrpAdrSub *>(object.get()))
            words.insert(sub->GetGrpAddr());
    auto text = [&](uint16_t word) {
        return GetGroupAddressString(static_cast<short>(word), threeLevel);
    };
    if (words.empty())
        return text(1);
    const uint16_t highest = *words.rbegin();
    if (highest < kHoechsteAdresse)
        return text(static_cast<uint16_t>(highest + 1));
    for (uint16_t word = 1; word <= kFreiBis; ++word)
        if (!words.count(word))
            return text(word);
    return {};
}

bool TDeviceInstanz::KonvertEtsGAId(int &id, short word, AnsiString &message, int objectType) {
    LOG_FKT("DeviceInstanz::KonvertEtsGAId");
    GetGrpAdrOrdner();
    const auto gesucht = static_cast<uint16_t>(word);
    bool gefunden = false;
    for (const auto &[key, object] : FMidSubGroups) {
        const auto *sub = dynamic_cast<const TVumaGrpAdrSub *>(object.get());
        if (!sub || sub->GetGrpAddr() != gesucht)
            continue;
        const int t = sub->GetSubAdrTyp();
        id = sub->GetGroupId();
        if (objectType != t + 1 && t != -1) {
            message = SprText(9132) + " " + GetGroupAddressString(word, ThreeLevel()) + " " +
                      SprText(9213);
            return false;
        }
        gefunden = true;
    }
    return gefunden;
}

void TDeviceInstanz::GetAllUsedGAIds(std::list<int> &ids) {
    LOG_FKT("DeviceInstanz::GetAllUsedGAIds");
    for (const auto &[handle, object] : FObjekte)
        if (object->GetTyp() == TEtsObjekt::Typ)
            if (const auto *bus = dynamic_cast<const TObjektBasis *>(object.get()))
                for (const TObjektBasis::RecGrpAdrId &link : bus->GetSubGroupLinks())
                    ids.push_back(static_cast<int>(link.SubGroupId));
}

int TDeviceInstanz::GetObjektDataFromSubGroup(TVumaGrpAdrSub *subGroup,
                                              std::list<TSubGroupObjekt> &rows) {
    LOG_FKT("DeviceInstanz::GetObjektDataFromSubGroup");
    TEts2Cdi *cdi = Cdi();
    if (!cdi || !subGroup)
        return 1;
    std::vector<long> objekte;
    DAL_SUB_TO_OBJECT link{};
    link.size = sizeof(link);
    for (int mode = DAL_FIRST;
         cdi->DalGetSubgroupToObjectData(mode, -1, subGroup->GetGroupId(), -1, &link) == DAL_OK;
         mode = DAL_NEXT)
        objekte.push_back(link.deviceObjectId);
    const bool three = ThreeLevel();
    for (const long objectId : objekte) {
        DAL_DEVICE_OBJECT object{};
        object.size = sizeof(object);
        if (cdi->DalGetDeviceObjectData(DAL_BY_ID, objectId, -1, &object) != DAL_OK)
            continue;
        TSubGroupObjekt row;
        row.Kommunikation = object.commFlag != 0;
        row.Lesen = object.readFlag != 0;
        row.Schreiben = object.writeFlag != 0;
        row.Uebertragen = object.transFlag != 0;
        row.Aktualisieren = object.updateFlag != 0;
        row.Nummer = object.number;
        row.GrpAdr = GetRecordText(three ? object.groupAddress3 : object.groupAddress2);
        row.PhysAdr = GetPhysAdr(object.deviceId);
        row.TypText = ObjektTypText(object.type);
        DAL_COMM_OBJECT comm{};
        comm.size = sizeof(comm);
        if (cdi->DalGetCommunicationObjectData(DAL_BY_ID, object.commObjectId, -1, -1, &comm) ==
            DAL_OK) {
            row.ObjektName = GetRecordText(comm.name);
            row.Funktion = GetRecordText(comm.function);
        }
        DAL_DEVICE device{};
        device.size = sizeof(device);
        if (cdi->DalGetDeviceData(DAL_BY_ID, object.deviceId, -1, -1, -1, -1, &device) == DAL_OK) {
            row.ProduktText = GetRecordText(device.productText);
            row.GeraeteName = GetRecordText(device.name);
        }
        rows.push_back(std::move(row));
    }
    return 1;
}

bool TDeviceInstanz::SetObjFktToData(int handle, bool value) {
    LOG_FKT("DeviceInstanz::SetObjFktToData");
    TDataBasis *object = nullptr;
    if (!GetDataPointer(handle, object))
        return false;
    return object->SetObjFkt(value ? 1 : 0);
}

bool TDeviceInstanz::GrpAdrSendend(long objectId, long subGroupId, bool sending) {
    LOG_FKT("DeviceInstanz::GrpAdrSendend");
    TCursorHourGlass hourGlass;
    TEts2Cdi *cdi = Cdi();
    if (!cdi)
        return false;
    // One read: a database that keeps failing must not hold the editor in a loop.
    DAL_SUB_TO_OBJECT link{};
    link.size = sizeof(link);
    if (cdi->DalGetSubgroupToObjectData(DAL_FIRST, -1, subGroupId, objectId, &link) != DAL_OK)
        return false;
    if (sending) {
        if (!cdi->CoUnlinkObjectFromSubGroup(objectId, subGroupId, true)) {
            MessageBox(MainHandle(), "Unlink geht nicht", "Fehler", MB_OK);
            return false;
        }
        const int result = cdi->CoLinkObjectToSubGroup(objectId, subGroupId, 1, false, true, true);
        if (result == -1 || result == -2) {
            MessageBox(MainHandle(), SprText(result == -1 ? 9044 : 9067), SprText(9066),
                       MB_ICONWARNING);
            return false;
        }
        return true;
    }
    switch (cdi->SqlSetSubGroupToObjectSendFlag(link.linkId, false)) {
    case 1:
        return true;
    case 0:
        MessageBox(MainHandle(), "SubGroupId " + std::to_string(subGroupId),
                   "Error: TDeviceInstanz::GrpAdrSendend", MB_ICONWARNING);
        return false;
    default:
        return false;
    }
}
