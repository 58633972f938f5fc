// The requests of the panel objects (messages 1133 and 1161): what the instance does for each
// sender type and code, what it writes back into the request and what it answers. A pair that
// is not served, a request without sender, a list request without its list, and a dialog asked
// for while it is open answer 0.
#include "deviceinstance/TDeviceDialoge.h"
#include "deviceinstance/TDeviceInstanzAz.h"
#include "deviceinstance/TFlagFuerEinenAufruf.h"
#include "deviceinstance/TFormMainDienste.h"
#include "foundation/SprTexte.h"
#include "objectmodel/RDeviceRequest.h"
#include "objectmodel/TAzAlarmierung.h"
#include "objectmodel/TAzAnzeige.h"
#include "objectmodel/TAzEditierbareTexte.h"
#include "objectmodel/TAzMelder.h"
#include "objectmodel/TAzOrdnerAnzeige.h"
#include "objectmodel/TAzScharfUnscharfQuittierungSsb.h"
#include "objectmodel/TAzScharfschaltungSsb.h"
#include "objectmodel/TAzSystem.h"
#include "platform/busobjects/TEtsObjekt.h"
#include "platform/busobjects/TVumaGrpAdr.h"
#include "platform/log/Log.h"
#include "platform/vcl/TStringList.h"
#include "platform/win/CursorHourGlass.h"
#include "platform/win/MessageBox.h"

#include <string>

namespace {
// The sender's type: the sender's own, else its record's; 0 for neither.
int SenderTyp(const RDeviceRequest &request) {
    LOG_FKT("DeviceInstanzAz::SenderTyp");
    if (request.Sender)
        return request.Sender->GetTyp();
    if (request.Datensatz)
        return request.Datensatz->Typ;
    return 0;
}

constexpr int Paar(int typ, uint8_t code) {
    return typ * 256 + code;
}

bool GueltigerBereich(int bereich) {
    return bereich >= 1 && bereich <= 4;
}

// The four switching devices of an arming area.
constexpr int kSchalteinrichtungen = 4;
} // namespace

int TDeviceInstanzAz::UserDeviceMessage(int, RDeviceRequest *request) {
    LOG_FKT("DeviceInstanzAz::UserDeviceMessage");
    if (!request)
        return 0;
    const int typ = SenderTyp(*request);
    if (typ == 0)
        return 0;
    RDeviceRequest &r = *request;
    const HWND window = MainHandle();
    switch (Paar(typ, r.Code)) {
    case Paar(AzKlasse::System.Typ, AzRequest::VarianteDialog):
        return VarianteDialog(r);
    case Paar(AzKlasse::System.Typ, AzRequest::VarianteAnwenden): {
        TDataBasis *sb = GetPointerInstOrdnerSB(r.Sender);
        if (!sb)
            return 0;
        if (!SaboSeZuordnungenFreigeben(sb, static_cast<uint32_t>(r.Variante)))
            return AzRequest::VarianteBehalten;
        int areas = 0;
        const bool ok = ModifyVarianteAz(
            window, sb, areas, static_cast<uint32_t>(r.Variante), GetPointerInstOrdnerAnzeige(),
            GetPointerInstOrdnerAlarmierung(r.Sender), GetPointerInstOrdnerSS(r.Sender));
        r.Wert = areas;
        return ok ? 1 : 0;
    }
    case Paar(AzKlasse::EditierbareTexte.Typ, AzRequest::MelderTextBenutzt):
        for (TAzMelder *melder : ObjekteVomTyp<TAzMelder>(AzKlasse::Melder.Typ))
            if (melder->MelderTextUsed(r.Wert))
                return 1;
        return 0;
    case Paar(AzKlasse::EditierbareTexte.Typ, AzRequest::MelderTextListeSetzen):
        if (!r.Liste)
            return 0;
        for (TAzMelder *melder : ObjekteVomTyp<TAzMelder>(AzKlasse::Melder.Typ))
            melder->SetMelderTextListe(r.Liste);
        return 1;
    case Paar(AzKlasse::Melder.Typ, AzRequest::MelderTextListe): {
        if (!r.Liste)
            return 0;
        TAzEditierbareTexte *texte = GetPointerInstEdtitierbareTexte(window, r.Sender);
        if (!texte)
            return 0;
        TStringList liste;
        texte->GetMelderTextListe(&liste);
        *r.Liste = liste;
        return 1;
    }
    case Paar(AzKlasse::Melder.Typ, AzRequest::SaboSeAnmelden):
        return SetMelderSaboSeToList(r.Wert, r.Wert2) ? 1 : 0;
    case Paar(AzKlasse::Melder.Typ, AzRequest::SaboSeLoeschen):
        if (!GueltigerBereich(r.Wert2))
            return 0;
        if (TAzScharfschaltungSsb *ssb = GetPointerInstScharfschaltungSsb(r.Wert2))
            ssb->UnlinkMelderNrSaboSe(r.Wert);
        return ClearMelderSaboSeFromList(r.Wert, r.Wert2) ? 1 : 0;
    case Paar(AzKlasse::Melder.Typ, AzRequest::SaboSeZugeordnet): {
        TAzScharfschaltungSsb *ssb =
            GueltigerBereich(r.Wert2) ? GetPointerInstScharfschaltungSsb(r.Wert2) : nullptr;
        return ssb && ssb->CheckMelderSaboSeLinked(r.Wert) ? 1 : 0;
    }
    case Paar(AzKlasse::ScharfschaltungSsb.Typ, AzRequest::PhysAdrSeDialog):
        return PhysAdrSeDialog(r);
    case Paar(AzKlasse::ScharfschaltungSsb.Typ, AzRequest::SaboMelderListe):
        if (GueltigerBereich(r.Wert))
            if (auto *ssb = dynamic_cast<TAzScharfschaltungSsb *>(r.Sender))
                ssb->UpdateListeMelderNrSaboSeSb(FSaboMelder[static_cast<size_t>(r.Wert - 1)]);
        return 0;
    case Paar(AzKlasse::ScharfschaltungSsb.Typ, AzRequest::PhysAdrSeErsetzen):
        return UpdatePhysAdrUsedSsbFromList(r.Wert2, r.Wert3, r.Wert) ? 1 : 0;
    case Paar(AzKlasse::ScharfUnscharfQuittierungSsb.Typ, AzRequest::UegScharfText):
        CreateStrUeGScharfUsedFromSsb(r.Text2);
        return 1;
    case Paar(AzKlasse::ScharfUnscharfQuittierungSsb.Typ, AzRequest::UegScharfSetzen):
        if (!GueltigerBereich(r.Wert))
            return 0;
        FQuittierungUeg[static_cast<size_t>(r.Wert - 1)] = (r.Wert4 & 0xFF) != 0;
        return 1;
    case Paar(AzKlasse::Alarmierung.Typ, AzRequest::UegEinbruchText):
        CreateStrUeGEinbruchUsedFromAlarmierung(r.Text2);
        return 1;
    case Paar(AzKlasse::Alarmierung.Typ, AzRequest::UegEinbruchSetzen):
        if (r.Wert < 3 || r.Wert > 6)
            return 0;
        FAlarmierungUeg[static_cast<size_t>(r.Wert - 3)] = (r.Wert4 & 0xFF) != 0;
        return 1;
    case Paar(AzKlasse::Anzeige.Typ, AzRequest::AnzeigeDialog):
        return AnzeigeDialog(r);
    case Paar(AzKlasse::Anzeige.Typ, AzRequest::AnzeigeSchalten):
        if (r.Wert2 < 0 || r.Wert2 > 3 || !r.Sender)
            return 0;
        return r.Sender->ModifyObject(r.Wert != 0 ? 1 : 0, 6100 + 100 * r.Wert2, 0, true) ? 1 : 0;
    case Paar(AzKlasse::Anzeige.Typ, AzRequest::AnzeigeQuittierungMelder):
        if (TAzOrdnerAnzeige *folder = GetPointerInstOrdnerAnzeige())
            folder->ModifyQuittierungMelder(
                r.Wert, static_cast<TAzAnzeige::TEnumAnzeigeNr>(r.Wert2 & 0xFF));
        return 0;
    case Paar(AzKlasse::EibAlarmSystemSicherheit.Typ, AzRequest::FunktionsUeberwachung):
        if (!r.Sender)
            return 0;
        if (r.Wert == 0) {
            r.Sender->ModifyObject(0, 7150, 0, true);
            return 0;
        }
        r.Sender->ModifyObject(1, 7150, 0, true);
        // Object 215 is the monitoring's own: only the sender's bus objects are limited.
        for (TDataBasis *kind : GetKinder(r.Sender))
            if (auto *bus = dynamic_cast<TEtsObjekt *>(kind); bus && bus->GetObjectNumber() == 215)
                bus->SetNumberSelectableGrpAdr(1);
        return 0;
    case Paar(AzKlasse::DatumUhrzeit.Typ, AzRequest::SystemUhr):
        if (!r.Sender)
            return 0;
        return r.Sender->ModifyObject(r.Wert != 0 ? 1 : 0, 8000, 0, true) ? 1 : 0;
    default:
        return 0;
    }
}

int TDeviceInstanzAz::UserDeviceMessage2(int, RDeviceRequest *request) {
    LOG_FKT("DeviceInstanzAz::UserDeviceMessage2");
    if (!request)
        return 0;
    const int typ = SenderTyp(*request);
    if (typ == 0)
        return 0;
    RDeviceRequest &r = *request;
    // A sub group has its own request; every other sender shares the rest.
    const AzRequest::TInfo *info = AzRequest::Find(WM_AZ_DEVICE_REQUEST_2, typ, r.Code);
    if (!info)
        return 0;
    switch (Paar(info->SenderTyp, r.Code)) {
    case Paar(AzRequest::JederTyp, AzRequest::EtsObjektHinzufuegen):
        return AddEtsObjectByDisplayOrder(static_cast<int16_t>(r.Wert2 & 0xFFFF), r.Wert3, r.Wert4,
                                          r.Sender, (r.Variante & 0xFF) != 0)
                   ? 1
                   : 0;
    case Paar(AzRequest::JederTyp, AzRequest::EtsObjektLesen):
        if (!r.EtsObjekte)
            return 0;
        return GetEtsObjectByDisplayOrder(static_cast<int16_t>(r.Wert2 & 0xFFFF), &r.Wert,
                                          *r.EtsObjekte)
                   ? 1
                   : 0;
    case Paar(AzRequest::JederTyp, AzRequest::DefaultName):
        return GetDefaultName(r.Sender, r.Text) ? 1 : 0;
    case Paar(AzRequest::TypGrpAdrSub, AzRequest::ObjektDataFromSubGroup): {
        // A record of type 5003 without its node names no sub group to list.
        auto *sub = dynamic_cast<TVumaGrpAdrSub *>(r.Sender);
        if (!sub || !r.SubGroupObjekte)
            return 0;
        return GetObjektDataFromSubGroup(sub, *r.SubGroupObjekte);
    }
    default:
        return 0;
    }
}

int TDeviceInstanzAz::VarianteDialog(RDeviceRequest &r) {
    LOG_FKT("DeviceInstanzAz::VarianteDialog");
    TCursorHourGlass hourGlass;
    auto *system = dynamic_cast<TAzSystem *>(r.Sender);
    TDeviceDialoge *dialoge = FMain ? FMain->GetDeviceDialoge() : nullptr;
    if (!system || !dialoge || FDialogVariante)
        return 0;
    uint32_t variante = system->GetParamVarianteAz();
    const AnsiString datei = ProgrammOrdner() + SprText(11347);
    TFlagFuerEinenAufruf offen(FDialogVariante, true, false);
    hourGlass.Release();
    if (dialoge->DefinitionAlarmzentrale(variante, datei) == 1)
        system->SetParamVarianteAz(variante);
    return 0;
}

int TDeviceInstanzAz::PhysAdrSeDialog(RDeviceRequest &r) {
    LOG_FKT("DeviceInstanzAz::PhysAdrSeDialog");
    TCursorHourGlass hourGlass;
    const int n = r.Wert;
    TDeviceDialoge *dialoge = FMain ? FMain->GetDeviceDialoge() : nullptr;
    if (!GueltigerBereich(n) || !dialoge || FDialogPhysAdr)
        return 0;
    const std::list<int> used = FPhysAdrUsed[static_cast<size_t>(n - 1)];
    TAzScharfschaltungSsb *ssb = GetPointerInstScharfschaltungSsb(n);
    const AnsiString caption = SprText(11312) + " " + SprText(11297) + " " + std::to_string(n);
    TEtsObjekt *eingang = GetObjectFromObjectNr(161 + n);
    if (!eingang)
        return 0;
    const auto &links = eingang->GetSubGroupLinks();
    if (!links.empty()) {
        const std::vector<RPhysAdr> candidates = GetDevicePhysAdrLinkedWithGrpAdr(links);
        hourGlass.Release();
        if (candidates.empty()) {
            MessageBox(MainHandle(), SprText(11377), SprText(11378), MB_OK);
            return 0;
        }
        RPhysAdr current{r.Wert2, r.Text2, {}};
        TFlagFuerEinenAufruf offen(FDialogPhysAdr, true, false);
        if (dialoge->SelPhysAdrSe(current, candidates, used) == 1) {
            r.Text2 = current.Text;
            r.Wert2 = current.PhysAdr;
        }
        return 0;
    }
    if (!ssb)
        return 0;
    hourGlass.Release();
    bool keine = true;
    for (int k = 1; k <= kSchalteinrichtungen; ++k)
        keine = keine && ssb->GetPhysAdrSe(k) == 0;
    if (keine) {
        MessageBox(MainHandle(), SprText(11379), SprText(11380), MB_OK);
        return 0;
    }
    if (MessageBox(MainHandle(), SprText(11258), caption, MB_YESNO) != IDYES)
        return 0;
    for (int k = 1; k <= kSchalteinrichtungen; ++k)
        ssb->ClearPhysAdrSeAndMelderNrSe(k);
    FPhysAdrUsed[static_cast<size_t>(n - 1)].clear();
    r.Text2.clear();
    r.Wert2 = 0;
    return 0;
}

int TDeviceInstanzAz::AnzeigeDialog(RDeviceRequest &r) {
    LOG_FKT("DeviceInstanzAz::AnzeigeDialog");
    auto *system = dynamic_cast<TAzSystem *>(GetDevice());
    auto *anzeige = dynamic_cast<TAzAnzeige *>(r.Sender);
    TDeviceDialoge *dialoge = FMain ? FMain->GetDeviceDialoge() : nullptr;
    if (!system || !anzeige || !dialoge || FDialogAnzeige)
        return 0;
    TFlagFuerEinenAufruf offen(FDialogAnzeige, true, false);
    int32_t mask = r.Wert;
    if (dialoge->Anzeige(mask, system->GetParamVarianteAz(), anzeige->GetName(true),
                         SprText(11084)) == 1) {
        r.Wert = mask;
        anzeige->SetAnzeigeSsb(mask);
    }
    return 0;
}
