// The alignment pass after every load: each object aligns itself, the instance counts the
// detectors and rebuilds from the objects its lists (detector numbers, the detectors' group
// addresses, the sabotage inputs and switching-device addresses of the arming areas) and its
// transmission-device flags. The pass starts them empty, so a second pass (after an import)
// gives the same state as the first.
#include "deviceinstance/TDeviceInstanzAz.h"

#include "objectmodel/TAzAlarmierung.h"
#include "objectmodel/TAzAnzeige.h"
#include "objectmodel/TAzMelder.h"
#include "objectmodel/TAzOrdnerAnzeige.h"
#include "objectmodel/TAzScharfUnscharfQuittierungSsb.h"
#include "objectmodel/TAzScharfschaltungSsb.h"
#include "objectmodel/TAzSystem.h"
#include "objectmodel/TAzVerhaltenDurchUegR.h"
#include "platform/busobjects/TEtsObjekt.h"
#include "platform/log/Log.h"
#include "platform/win/MessageBox.h"

namespace {
void SortiertOhneWiederholung(std::list<int> &list) {
    list.sort();
    list.unique();
}
} // namespace

bool TDeviceInstanzAz::DatenAbgleich(bool a, bool b) {
    LOG_FKT("DeviceInstanzAz::DatenAbgleich");
    FAnzahlMelder = 0;
    LeereListenUndFlaggen();

    const uint32_t variante = RootVariante();
    TAzOrdnerAnzeige *anzeigeOrdner = GetPointerInstOrdnerAnzeige();

    // The bus object under a detector or the sabotage input: one group address; false (after
    // the box) when its record has no object.
    auto busObjekt = [this](TDataBasis *object) -> std::pair<bool, TEtsObjekt *> {
        const int child = GetFirstChild(object);
        if (child == 0)
            return {true, nullptr};
        TDataBasis *found = nullptr;
        if (!GetDataPointer(child, found) || !found) {
            MessageBox(MainHandle(), "Object not found.\nAbort function",
                       "Error: TDeviceInstanzAz::DatenAbgleich", MB_OK);
            return {false, nullptr};
        }
        auto *bus = dynamic_cast<TEtsObjekt *>(found);
        if (bus)
            bus->SetNumberSelectableGrpAdr(1);
        return {true, bus};
    };

    // Objects may not be added or removed by their own alignment; the map is walked as it is.
    for (const auto &[handle, owned] : FObjekte) {
        TDataBasis *object = owned.get();
        const int typ = object->GetTyp();
        if (!object->DatenAbgleich(a, b)) {
            auto *ssb = dynamic_cast<TAzScharfschaltungSsb *>(object);
            if (!ssb)
                continue;
            const int n = ssb->GetScharfschaltBereich();
            if (n >= 1 && n <= 4) {
                CheckPhysAdrSeExist(n, ssb);
                std::list<int> adressen;
                ssb->GetPhysikalischenAdressenSE(adressen);
                auto &used = FPhysAdrUsed[static_cast<size_t>(n - 1)];
                used.insert(used.end(), adressen.begin(), adressen.end());
                ssb->InitScharfschaltungSsb();
                if (TEtsObjekt *eingang = GetObjectFromObjectNr(n + 161))
                    eingang->SetNumberSelectableGrpAdr(1);
            } else if (TEtsObjekt *eingang = GetObjectFromObjectNr(0)) {
                eingang->SetNumberSelectableGrpAdr(1);
            }
            continue;
        }
        switch (typ) {
        case AzKlasse::Melder.Typ: {
            auto *melder = dynamic_cast<TAzMelder *>(object);
            if (!melder)
                break;
            ++FAnzahlMelder;
            const int bereich = melder->GetMelderBereich();
            if (melder->GetMelderArt() == TAzMelder::eSabotageSchalteinrichtung && bereich >= 3 &&
                bereich <= 6)
                FSaboMelder[static_cast<size_t>(bereich - 3)].push_back(melder->GetMelderNr());
            // The wired input has no number: the list holds what numbering hands out.
            if (bereich != T_DB_EnumAzMelder::eVerdrahtet)
                FMelderNrUsed.push_back(melder->GetMelderNr());
            const auto [ok, bus] = busObjekt(melder);
            if (!ok)
                return false;
            if (bus && !bus->GetSubGroupLinks().empty())
                SetMelderGrpAdrToList(static_cast<int>(bus->GetSubGroupLinks().front().SubGroupId));
            // The wired input follows the panel's variant (its record may hold an older one).
            if (bereich == T_DB_EnumAzMelder::eVerdrahtet)
                melder->ChangeVarianteAz(variante);
            break;
        }
        case AzKlasse::SabotageKontakt.Typ:
            if (!busObjekt(object).first)
                return false;
            break;
        case AzKlasse::ScharfUnscharfQuittierungSsb.Typ:
            if (auto *q = dynamic_cast<TAzScharfUnscharfQuittierungSsb *>(object)) {
                const int n = q->GetScharfschaltBereich();
                if (n >= 1 && n <= 4) {
                    FQuittierungUeg[static_cast<size_t>(n - 1)] = q->GetStatusSignUegScharf();
                    q->InitScharfUnscharfQuittierungSsb();
                }
            }
            break;
        case AzKlasse::Alarmierung.Typ:
            if (auto *alarm = dynamic_cast<TAzAlarmierung *>(object)) {
                TAzAlarmierung::TEnumAlarmierungTyp t{};
                const int art = alarm->GetAlarmierungTyp(t);
                if (art >= 3 && art <= 6)
                    FAlarmierungUeg[static_cast<size_t>(art - 3)] =
                        alarm->GetStatusAlarmierungUegEinbruch();
                if (art == 0 || art == 1 || (art >= 3 && art <= 6))
                    alarm->InitDisplayOrderNumberAlarmierung();
            }
            break;
        case AzKlasse::Anzeige.Typ:
            if (auto *anzeige = dynamic_cast<TAzAnzeige *>(object)) {
                anzeige->SetVarianteAz(variante);
                const int mask = anzeige->GetAnzeigeSsb();
                TAzAnzeige::TEnumAnzeigeNr nr{};
                anzeige->GetAnzeigeNr(nr);
                anzeige->InitAnzeige();
                if (anzeigeOrdner)
                    anzeigeOrdner->ModifyQuittierungMelder(mask, nr);
            }
            break;
        case AzKlasse::VerhaltenDurchUegR.Typ:
            if (auto *ueg = dynamic_cast<TAzVerhaltenDurchUegR *>(object))
                ueg->InitUeGRBereich();
            break;
        default:
            break;
        }
    }

    ModifyAzStatusleisteAnzahlMedler();
    FMelderNrUsed.sort();
    for (auto &list : FPhysAdrUsed)
        SortiertOhneWiederholung(list);
    for (auto &list : FSaboMelder)
        SortiertOhneWiederholung(list);
    for (int n = 1; n <= 4; ++n)
        if (TAzScharfschaltungSsb *ssb = GetPointerInstScharfschaltungSsb(n))
            ssb->UpdateListeMelderNrSaboSeSb(FSaboMelder[static_cast<size_t>(n - 1)]);
    return true;
}
