// The panel's own rules for links of its communication objects to group addresses: a group
// address of a detector input belongs to that input alone, a single-address object has its
// address replaced after a question, and the bus tool's own link event is checked against
// what the object may carry.
#include "deviceinstance/TDeviceInstanzAz.h"

#include "foundation/SprTexte.h"
#include "objectmodel/AzKlassen.h"
#include "platform/busobjects/TEtsObjekt.h"
#include "platform/busobjects/TVumaGrpAdr.h"
#include "platform/bustool/TEts2Cdi.h"
#include "platform/log/Log.h"
#include "platform/win/CursorHourGlass.h"
#include "platform/win/MessageBox.h"

#include <algorithm>
#include <optional>

namespace {
constexpr long kMelderObjekteBis = 159; // object numbers 0-159: the detectors' inputs
} // namespace

bool TDeviceInstanzAz::LinkToSubGroup(long subGroupId, int handle, bool inEts) {
    LOG_FKT("DeviceInstanzAz::LinkToSubGroup");
    TEtsObjekt *object = nullptr;
    TVumaGrpAdrSub *sub = nullptr;
    if (!LinkPartner(subGroupId, handle, object, sub, true))
        return false;
    auto melderAdresse = [this](long id) {
        return std::find(FGrpAdrUsedFromMelder.begin(), FGrpAdrUsedFromMelder.end(),
                         static_cast<int>(id)) != FGrpAdrUsedFromMelder.end();
    };
    if (melderAdresse(subGroupId)) {
        MessageBox(MainHandle(), SprText(11094), SprText(11095), MB_OK);
        return false;
    }
    const bool istMelder =
        object->GetObjectNumber() >= 0 && object->GetObjectNumber() <= kMelderObjekteBis;
    const long objectId = object->GetDeviceObjectId();
    TEts2Cdi *cdi = Cdi();

    // The replaced address, taken away before the new one is asked for: a refusal below
    // gives it back, so the object never ends with none.
    std::optional<TObjektBasis::RecGrpAdrId> alt;
    if (object->GetNumberSelectableGrpAdr() == 1 && !object->GetSubGroupLinks().empty()) {
        const TObjektBasis::RecGrpAdrId bisher = object->GetSubGroupLinks().front();
        AnsiString altText, neuText;
        GetGrpAdrNr(bisher.SubGroupId, altText);
        GetGrpAdrNr(subGroupId, neuText);
        if (MessageBox(MainHandle(),
                       "Soll die Gruppenadresse " + altText + " durch die Gruppenadresse " +
                           neuText + " ersetzt werden?",
                       SprText(9066), MB_OKCANCEL) != IDOK)
            return false;
        if (UnLinkFromSubGroup(bisher.SubGroupId, objectId) &&
            object->DeleteSubGroupLink(bisher.SubGroupId))
            SchreibeDatensatz(object);
        alt = bisher;
    }
    auto ablehnen = [&]() {
        if (alt) {
            if (cdi)
                cdi->CoLinkObjectToSubGroup(objectId, alt->SubGroupId, 1, true, false, true);
            TrageLinkEin(object, alt->SubGroupId);
            if (istMelder && !melderAdresse(alt->SubGroupId))
                SetMelderGrpAdrToList(static_cast<int>(alt->SubGroupId));
        }
        return false;
    };
    if (object->ExistSubGroupId(subGroupId))
        return true;

    TCursorHourGlass hourGlass;
    if (!DeviceRessourceCheckVerbindungen(object, subGroupId, true))
        return ablehnen();
    if (inEts && !VerbindeImBusTool(object, sub, subGroupId, 1))
        return ablehnen();
    TrageLinkEin(object, subGroupId);
    if (istMelder)
        SetMelderGrpAdrToList(static_cast<int>(subGroupId));
    return true;
}

int TDeviceInstanzAz::LinkAzObjToEtsSubGroup(TDataBasis *data, long subGroupId) {
    LOG_FKT("DeviceInstanzAz::LinkAzObjToEtsSubGroup");
    TEtsObjekt *object = nullptr;
    TVumaGrpAdrSub *sub = nullptr;
    if (!data || !LinkPartner(subGroupId, data->GetHandle(), object, sub, false))
        return 0;
    // The bus tool's link event does not add its new link to the object: n counts those before.
    const auto &links = object->GetSubGroupLinks();
    const size_t n = links.size();
    const int m = object->GetNumberSelectableGrpAdr();
    if (m != 1)
        return m >= 0 && static_cast<size_t>(m) >= n ? 1 : 0;
    if (n != 1)
        return n == 0 ? 1 : 0;
    int neu = 0;
    if (!GetGrpAdrNrAsZahl(subGroupId, neu) || links.front().GrpAdr != neu)
        return 0;
    // A detector input's address belongs to it alone.
    for (const auto &[handle, other] : FObjekte) {
        auto *bus = dynamic_cast<TEtsObjekt *>(other.get());
        if (!bus || bus == object || bus->GetTyp() != TEtsObjekt::Typ)
            continue;
        TDataBasis *owner = FindHandle(bus->GetParent());
        if (!owner || owner->GetTyp() != AzKlasse::Melder.Typ)
            continue;
        for (const TObjektBasis::RecGrpAdrId &link : bus->GetSubGroupLinks())
            if (link.GrpAdr == neu)
                return 0;
    }
    return 1;
}

bool TDeviceInstanzAz::UnLinkFromSubGroup(long subGroupId, long deviceObjectId) {
    LOG_FKT("DeviceInstanzAz::UnLinkFromSubGroup");
    const int result = UnLinkImBusTool(subGroupId, deviceObjectId);
    RemoveObjektVerbindung(subGroupId, deviceObjectId);
    if (result == 1)
        ClearMelderGrpAdrFromList(static_cast<int>(subGroupId));
    return result >= 0;
}
