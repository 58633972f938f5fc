// The checks before the editor is left: whether the panel's alarm-reset, detector-test,
// detector-input and arming-input objects are linked to group addresses as the panel needs.
#include "deviceinstance/TDeviceInstanzAz.h"

#include "foundation/SprTexte.h"
#include "objectmodel/AzKlassen.h"
#include "objectmodel/TAzMelder.h"
#include "objectmodel/TAzSystem.h"
#include "platform/busobjects/TEtsObjekt.h"
#include "platform/log/Log.h"
#include "platform/win/MessageBox.h"

#include <set>

namespace {
constexpr int kAlarmReset = 225;
constexpr int kMeldertest = 226;
constexpr int kScharfschaltEingang = 161; // + k: the arming input of arming area k
constexpr int kVerdrahteterEingang = 161; // the wired panel input's object
constexpr int kMaxSchalteinrichtungen = 4;
constexpr unsigned kZurueckFrage = MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2;
} // namespace

void TDeviceInstanzAz::CheckObjektLinkedToGrpAdr(int objectNumber,
                                                 std::vector<TObjektBasis::RecGrpAdrId> &links) {
    LOG_FKT("DeviceInstanzAz::CheckObjektLinkedToGrpAdr");
    links.clear();
    if (const TEtsObjekt *object = GetObjectFromObjectNr(objectNumber))
        links = object->GetSubGroupLinks();
}

bool TDeviceInstanzAz::CheckObjektAlarmReset() {
    LOG_FKT("DeviceInstanzAz::CheckObjektAlarmReset");
    const TEtsObjekt *object = GetObjectFromObjectNr(kAlarmReset);
    return object && !object->GetSubGroupLinks().empty();
}

bool TDeviceInstanzAz::CheckObjektMeldertest() {
    LOG_FKT("DeviceInstanzAz::CheckObjektMeldertest");
    const TEtsObjekt *object = GetObjectFromObjectNr(kMeldertest);
    if (!object || !object->GetSubGroupLinks().empty())
        return true;
    return MessageBox(MainHandle(), SprText(11261), SprText(11262), kZurueckFrage) != IDNO;
}

bool TDeviceInstanzAz::CheckObjekteMelder() {
    LOG_FKT("DeviceInstanzAz::CheckObjekteMelder");
    bool luecke = false;
    for (const TAzMelder *melder : ObjekteVomTyp<TAzMelder>(AzKlasse::Melder.Typ)) {
        // The wired input keeps the number it was given; its object is always 161.
        const int nummer = melder->GetMelderBereich() == T_DB_EnumAzMelder::eVerdrahtet
                               ? kVerdrahteterEingang
                               : melder->GetMelderNr() - 1;
        const TEtsObjekt *object = GetObjectFromObjectNr(nummer);
        luecke = luecke || (object && object->GetSubGroupLinks().empty());
    }
    if (!luecke)
        return true;
    return MessageBox(MainHandle(), SprText(11259), SprText(11260), kZurueckFrage) != IDNO;
}

bool TDeviceInstanzAz::CheckObjekteScharfschaltEingang() {
    LOG_FKT("DeviceInstanzAz::CheckObjekteScharfschaltEingang");
    const TAzSystem *system = GetPointerInstAzSystem();
    if (!system)
        return true;
    const uint32_t variante = system->GetParamVarianteAz();
    for (int k = 1; k <= 4; ++k) {
        // Area 1 in the highest byte.
        if (((variante >> (8 * (4 - k))) & 0xFF) == 0)
            continue;
        std::vector<TObjektBasis::RecGrpAdrId> links;
        CheckObjektLinkedToGrpAdr(kScharfschaltEingang + k, links);
        if (links.empty())
            continue;
        const size_t devices = GetDevicePhysAdrLinkedWithGrpAdr(links).size();
        const std::list<int> &liste = FPhysAdrUsed[static_cast<size_t>(k - 1)];
        const std::set<int> verschieden(liste.begin(), liste.end());
        if (devices == 0 || devices > kMaxSchalteinrichtungen || devices != verschieden.size())
            return false;
    }
    return true;
}
