// A new panel's default tree in the simulated bus tool, for the tests of the tree, the
// detectors, the requests and the alignment pass: lookups of its objects and of what the bus
// tool holds for the panel.
#pragma once

#include "DeviceTestHilfen.h"
#include "objectmodel/RDeviceRequest.h"
#include "objectmodel/TAzEditierbareTexte.h"
#include "objectmodel/TAzMelder.h"
#include "objectmodel/TAzScharfschaltungSsb.h"
#include "objectmodel/TAzSystem.h"
#include "platform/bustool/TProjectDatabase.h"
#include "platform/dialogs/DlgProgress.h"

#include <algorithm>
#include <map>
#include <vector>

class TPanelFixture : public TDeviceFixture {
protected:
    TPanelFixture() {
        EXPECT_EQ(Device->CreateNewDevice(0), 1);
        Boxes.Clear();
    }
    TProjectDatabase &Db() { return Dienste.Project().Database(); }
    int32_t Panel() { return Dienste.Project().PanelId(); }

    template <class T = TDataBasis> std::vector<T *> Alle(int typ) {
        std::vector<T *> out;
        for (const auto &[handle, object] : Device->GetObjekte())
            if (object->GetTyp() == typ)
                if (auto *t = dynamic_cast<T *>(object.get()))
                    out.push_back(t);
        return out;
    }
    TDataBasis *Erstes(int typ) {
        const auto all = Alle(typ);
        return all.empty() ? nullptr : all.front();
    }
    // The name the object was made with (its record's; GetName may decorate it).
    AnsiString RecordName(TDataBasis *o) { return Device->GetDatenSatz(o)->Name; }
    // The nodes of panel objects (the bus objects' own come with their objects).
    size_t PanelKnoten() {
        return static_cast<size_t>(
            std::count_if(Dienste.Knoten().begin(), Dienste.Knoten().end(), [](const auto &k) {
                return k->Data && k->Data->GetTyp() != TEtsObjekt::Typ;
            }));
    }
    TTreeNode *KnotenVon(TDataBasis *o) {
        for (const auto &k : Dienste.Knoten())
            if (k->Data == o)
                return k.get();
        return nullptr;
    }
    TAzSystem *Root() { return dynamic_cast<TAzSystem *>(Device->GetDevice()); }
    std::map<int, int> AnzahlNachTyp() {
        std::map<int, int> out;
        for (const auto &[handle, object] : Device->GetObjekte())
            if (object->GetTyp() != TEtsObjekt::Typ)
                ++out[object->GetTyp()];
        return out;
    }
    std::vector<int> MelderNummern() {
        std::vector<int> out;
        for (TAzMelder *m : Alle<TAzMelder>(6124))
            out.push_back(m->GetMelderNr());
        std::sort(out.begin(), out.end());
        return out;
    }
    std::vector<int> BusObjektNummern() {
        std::vector<int> out;
        for (TEtsObjekt *o : Alle<TEtsObjekt>(TEtsObjekt::Typ))
            out.push_back(static_cast<int>(o->GetObjectNumber()));
        std::sort(out.begin(), out.end());
        return out;
    }
    std::vector<int> AktiveObjekte() {
        std::vector<int> out = Db().ActiveObjectNumbers(Panel());
        std::sort(out.begin(), out.end());
        return out;
    }
    int Parameter(int id) { return Db().ParameterValue(Panel(), id).value_or(-1); }
    // Security area n's (1 to 4) folder, or the fire (0) and hold-up (-1) areas.
    TDataBasis *Bereich(int n) { return Erstes(n == 0 ? 6123 : n < 0 ? 6125 : 6126 + n); }
    // Applies a variant as the root does: its own word, then request 4.
    int VarianteAnwenden(uint32_t variante) {
        Root()->SetParamVarianteAz(variante);
        RDeviceRequest r(*Root(), AzRequest::VarianteAnwenden);
        r.Variante = static_cast<int32_t>(variante);
        return Device->UserDeviceMessage(0, &r);
    }
    // Makes detector n of arming area's security area a sabotage input of the switching
    // devices (its input type 3), as its grid does, and reports it (request 7).
    void AlsSabotageEingang(TAzMelder *melder, int bereich) {
        TDatenStruktur record;
        melder->Write(record);
        record.Param3 = TAzMelder::eSabotageSchalteinrichtung;
        melder->InitFromDB(record);
        melder->WriteDatensatz();
        RDeviceRequest r(*melder, AzRequest::SaboSeAnmelden);
        r.Wert = melder->GetMelderNr();
        r.Wert2 = bereich;
        EXPECT_EQ(Device->UserDeviceMessage(0, &r), 1);
    }
    // The arming area's switching device (address 1.1.5) takes detector nr as its sabotage
    // input, as its grid does.
    TAzScharfschaltungSsb *SabotageZuweisen(int bereich, int nr) {
        TAzScharfschaltungSsb *ssb = Device->GetPointerInstScharfschaltungSsb(bereich);
        TDatenStruktur *record = Device->GetDatenSatz(ssb);
        record->Param5 = 0x1105;
        record->Param10 = nr;
        ssb->InitFromDB(*record);
        EXPECT_TRUE(ssb->CheckMelderSaboSeLinked(nr));
        return ssb;
    }
    TDlgProgressRecorder Fortschritt;
};
