// Import and copy through the bus tool: a data block written for another device of the bus
// tool (the bus tool's export, another device's block, a reconstruction) becomes this device's
// configuration, and its records take this device's ids: the root its device id, every
// communication object its communication-object, device-object and parameter ids (found by
// object number and type), and the group-address links the ids of this project's sub groups
// (found by word), or none after a copy.
#include "deviceinstance/TDeviceInstanz.h"

#include "deviceinstance/DalAufzaehlen.h"
#include "foundation/SprTexte.h"
#include "foundation/TDatenManager.h"
#include "platform/busobjects/TEtsObjekt.h"
#include "platform/busobjects/TVumaEtsDevice.h"
#include "platform/busobjects/TVumaGrpAdr.h"
#include "platform/bustool/TEts2Cdi.h"
#include "platform/bustool/TEtsDeviceParam.h"
#include "platform/bustool/TEtsProgressDialog.h"
#include "platform/log/Log.h"
#include "platform/win/MessageBox.h"

#include <string>
#include <vector>

namespace {
// The meter as these operations drive it: without a dialog nothing shows and nothing stops.
class TMeter {
public:
    explicit TMeter(TEtsProgressDialog *dialog) : FDialog(dialog) {
        LOG_FKT("DeviceInstanz::TMeter::TMeter");
    }
    void Text(int line, const AnsiString &text) {
        LOG_FKT("DeviceInstanz::TMeter::Text");
        if (!FDialog)
            return;
        if (line == 0)
            FDialog->EtsMeterSetText(text);
        else if (line == 1)
            FDialog->EtsMeterSetText1(text);
        else
            FDialog->EtsMeterSetText2(text);
    }
    // Sets the position; true when the check is asked for and the user wants to stop.
    bool Position(int position, bool pruefen = true) {
        LOG_FKT("DeviceInstanz::TMeter::Position");
        if (!FDialog)
            return false;
        FDialog->EtsMeterSetPosition(static_cast<uint16_t>(position));
        return pruefen && FDialog->EtsGetAbortFlag();
    }

private:
    TEtsProgressDialog *FDialog;
};

// The first sub group of the map with that word, or null.
const TVumaGrpAdrSub *SubGroupVomWort(const TObjektMap &midSubGroups, uint16_t word) {
    LOG_FKT("DeviceInstanz::SubGroupVomWort");
    for (const auto &[id, object] : midSubGroups)
        if (const auto *sub = dynamic_cast<const TVumaGrpAdrSub *>(object.get()))
            if (sub->GetGrpAddr() == word)
                return sub;
    return nullptr;
}
} // namespace

bool TDeviceInstanz::VumaCdiImport(TMemoryStream *source, TEtsProgressDialog *progress) {
    LOG_FKT("DeviceInstanz::VumaCdiImport");
    if (TMeter(progress).Position(10) || !source)
        return false;
    return BlockUebernehmen(*source, progress, kKonvertImport, true, true);
}

bool TDeviceInstanz::VumaCdiCopy(TMemoryStream *source, uint8_t, TEtsProgressDialog *progress) {
    LOG_FKT("DeviceInstanz::VumaCdiCopy");
    if (TMeter(progress).Position(10) || !source)
        return false;
    // A copy is stopped at its start or in the conversion only.
    return BlockUebernehmen(*source, progress, kKonvertKopie, false, true);
}

bool TDeviceInstanz::BlockUebernehmen(TMemoryStream &source, TEtsProgressDialog *progress, int mode,
                                      bool pruefen, bool baumNeuLesen) {
    LOG_FKT("DeviceInstanz::BlockUebernehmen");
    TMeter meter(progress);
    ClearDatenStream();
    FDatenStream->LoadFromStream(source);
    if (!InitData())
        return false;
    meter.Text(0, SprText(9156));
    if (meter.Position(15, pruefen))
        return false;
    if (baumNeuLesen) {
        GetGrpAdrFromServer();
        MakeMidSubAdrGrp();
    } else {
        GetGrpAdrOrdner();
    }
    meter.Text(0, SprText(9018));
    if (meter.Position(20, pruefen))
        return false;
    return KonvertEtsIds(mode, progress);
}

bool TDeviceInstanz::ReconstructionItToolImport(TMemoryStream *stream,
                                                TEtsProgressDialog *progress) {
    LOG_FKT("DeviceInstanz::ReconstructionItToolImport");
    TMeter meter(progress);
    meter.Text(0, SprText(9155));
    if (meter.Position(10) || !stream)
        return false;
    // The records are read before anything is removed: a block that does not read leaves the
    // device and the bus tool as they were.
    const std::unique_ptr<TDatenManager<TDatenStruktur>> records = DBAbschnittLesen(*stream);
    if (!records)
        return false;

    EtsObjekteEntfernen(BusObjektDatensaetze(), SprText(1020), SprText(1019), MB_ICONWARNING);
    ClearDbDataExistingMelder();
    TEtsDeviceParam *param = GetEtsDeviceParam();
    bool ergebnis = param != nullptr;
    if (param) {
        const std::unique_ptr<TDatenManager<TDatenStruktur>> busObjekte(
            records->Filter("Typ", static_cast<int32_t>(TEtsObjekt::Typ)));
        if (busObjekte)
            for (TDatenStruktur *r = busObjekte->GetFirst(); r; r = busObjekte->GetNext()) {
                const auto id = static_cast<int16_t>(r->Param16 & 0xFFFF);
                std::vector<tagDAL_OBJECT_INFO> list;
                if (!CheckObjectParamResult(param->SetDeviceParamData(id, r->Param17, list), id,
                                            r->Param17))
                    ergebnis = false;
            }
    }

    return BlockUebernehmen(*stream, progress, kKonvertImport, true, false) && ergebnis;
}

bool TDeviceInstanz::KonvertEtsIds(int mode, TEtsProgressDialog *progress) {
    LOG_FKT("DeviceInstanz::KonvertEtsIds");
    TMeter meter(progress);
    int position = 21;
    meter.Text(1, SprText(9025));
    if (meter.Position(position))
        return false;
    if (auto *root = dynamic_cast<TVumaEtsDevice *>(FRoot)) {
        root->SetDeviceId(FDeviceId);
        SchreibeDatensatz(root);
    }
    meter.Text(1, SprText(9193));
    if (meter.Position(++position))
        return false;

    const std::vector<TDatenStruktur> records = BusObjektDatensaetze();
    std::vector<DAL_DEVICE_PARAM> params;
    std::vector<DAL_DEVICE_OBJECT> objects;
    if (!records.empty())
        CreateEtsDBList(params, objects);
    for (const TDatenStruktur &record : records) {
        TDataBasis *basis = nullptr;
        auto *object =
            GetDataPointer(record.Handle, basis) ? dynamic_cast<TEtsObjekt *>(basis) : nullptr;
        if (!object)
            continue;
        meter.Text(2, object->GetName(true));
        if (meter.Position(++position))
            return false;
        long commObjectId = 0;
        long deviceObjectId = 0;
        long parameterId = 0;
        if (!GetEtsIdFromObjNr(params, objects, static_cast<int>(object->GetObjectNumber()),
                               object->GetObjectType() - 1, commObjectId, deviceObjectId,
                               parameterId)) {
            MessageBox(MainHandle(), SprText(9116) + "\n" + object->GetName(true), SprText(9041),
                       MB_OK);
            return false;
        }
        object->SetCommObjectId(commObjectId);
        object->SetDeviceObjectId(deviceObjectId);
        object->SetParameterId(parameterId);

        bool weiter = true;
        if (mode == kKonvertImport) {
            bool fehlt = false;
            weiter =
                KonvertEtsGAIds(object, fehlt) != 0 && (!fehlt || UnlinkUnknownGA(object) != 0);
        } else if (mode == kKonvertKopie) {
            LinkEtsAssociationToObjekt(object);
        } else {
            MessageBox(MainHandle(),
                       "Groupaddress: Unknown convert.\nNumber: " + std::to_string(mode),
                       "TDeviceInstanz::KonvertEtsIds", MB_OK);
        }
        // The record follows the object also when the conversion stops here.
        SchreibeDatensatz(object);
        if (!weiter)
            return false;
    }
    return true;
}

int TDeviceInstanz::KonvertEtsGAIds(TEtsObjekt *object, bool &missing) {
    LOG_FKT("DeviceInstanz::KonvertEtsGAIds");
    missing = false;
    if (!object)
        return 0;
    // The new links are added after every old one is gone: an old id may be another link's
    // new one.
    const std::vector<TObjektBasis::RecGrpAdrId> alt = object->GetSubGroupLinks();
    std::vector<TObjektBasis::RecGrpAdrId> neu;
    for (const TObjektBasis::RecGrpAdrId &link : alt) {
        if (const TVumaGrpAdrSub *sub = SubGroupVomWort(FMidSubGroups, link.GrpAdr)) {
            neu.push_back({sub->GetGroupId(), link.GrpAdr});
        } else {
            MessageBox(MainHandle(),
                       SprText(9132) + "\n" +
                           GetGroupAddressString(static_cast<short>(link.GrpAdr), ThreeLevel()) +
                           "\n" + SprText(9135) + ": " + object->GetName(true),
                       SprText(9041), MB_OK);
            missing = true;
        }
        object->DeleteSubGroupLink(link.SubGroupId);
    }
    for (const TObjektBasis::RecGrpAdrId &link : neu)
        object->AddSubGroupLink(link.SubGroupId, link.GrpAdr, false);
    return 1;
}

int TDeviceInstanz::UnlinkUnknownGA(TEtsObjekt *object) {
    LOG_FKT("DeviceInstanz::UnlinkUnknownGA");
    if (!object)
        return 0;
    TEts2Cdi *cdi = Cdi();
    if (!cdi)
        return 1;
    const long deviceObjectId = object->GetDeviceObjectId();
    // The bus tool's links are read to the end before the first goes.
    std::vector<DAL_SUB_TO_OBJECT> links;
    DalAufzaehlen(links, [&](int mode, DAL_SUB_TO_OBJECT &r) {
        return cdi->DalGetSubgroupToObjectData(mode, -1, -1, deviceObjectId, &r);
    });
    for (const DAL_SUB_TO_OBJECT &link : links) {
        if (object->ExistSubGroupId(link.subGroupId))
            continue;
        if (!UnLinkFromSubGroup(link.subGroupId, deviceObjectId)) {
            MessageBox(MainHandle(), SprText(9099) + "\n" + object->GetName(true), SprText(9041),
                       MB_ICONERROR);
            return 0;
        }
    }
    return 1;
}

bool TDeviceInstanz::LinkEtsAssociationToObjekt(TEtsObjekt *object) {
    LOG_FKT("DeviceInstanz::LinkEtsAssociationToObjekt");
    if (object)
        object->ClearAllSubGroupLink();
    return true;
}

bool TDeviceInstanz::WriteAll() {
    LOG_FKT("DeviceInstanz::WriteAll");
    for (const auto &[handle, object] : FObjekte)
        SchreibeDatensatz(object.get());
    return !FObjekte.empty();
}
