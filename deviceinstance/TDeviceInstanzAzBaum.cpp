// The panel's object tree: the default tree of a new device, the parts that follow the
// configuration variant (made and removed when it changes), and the lookups that find objects
// of the tree by type. Position ids, not the order of creation, fix the order the user sees.
#include "deviceinstance/AzFabrik.h"
#include "deviceinstance/TDeviceInstanzAz.h"
#include "deviceinstance/TFlagFuerEinenAufruf.h"
#include "deviceinstance/TFormMainDienste.h"
#include "foundation/SprTexte.h"
#include "objectmodel/AzMelderParameter.h"
#include "objectmodel/TAzAlarmierung.h"
#include "objectmodel/TAzAnzeige.h"
#include "objectmodel/TAzEditierbareTexte.h"
#include "objectmodel/TAzMelder.h"
#include "objectmodel/TAzOrdnerAnzeige.h"
#include "objectmodel/TAzScharfUnscharfQuittierungSsb.h"
#include "objectmodel/TAzScharfschaltungSsb.h"
#include "objectmodel/TAzSystem.h"
#include "objectmodel/TAzVerhaltenDurchUegR.h"
#include "platform/busobjects/TEtsObjekt.h"
#include "platform/dialogs/DlgProgressGuard.h"
#include "platform/log/Log.h"
#include "platform/objectbase/E_Basis.h"
#include "platform/objectbase/TEibHandle.h"
#include "platform/vcl/Cp1252.h"
#include "platform/win/MessageBox.h"

#include <string>
#include <utility>
#include <vector>

namespace {
// The rows of the tree with a fixed name and position. Vorhanden: the answer when the parent
// has a child of the type already (nothing is made then).
struct TZeile {
    int16_t Typ;
    int TextId;
    int PosId;
    bool Vorhanden;
};
// clang-format off
constexpr TZeile kZeilen[] = {
    {6121, 11300, 6, false}, {6122, 11314, 2, false}, {6123, 11326, 1, false},
    {6125, 11327, 2, false}, {6126, 11315, 4, false},
    {6127, 11322, 5, true},  {6128, 11323, 6, true},  {6129, 11324, 7, true},
    {6130, 11325, 8, true},  {6131, 11312, 3, false},
    {6132, 11316, 1, true},  {6133, 11317, 2, true},  {6134, 11318, 3, true},
    {6135, 11319, 4, true},  {6139, 11310, 4, false}, {6140, 11293, 8, true},
    {6141, 11302, 9, false}, {6142, 11311, 5, false}, {6144, 11313, 7, false},
    {6145, 11301, 1, false}, {6147, 11299, 8, false},
};
// clang-format on

// The alarm outputs by type 0 to 6: name, position, the parameter of their bus objects.
struct TAlarmierungZeile {
    int TextId;
    int PosId;
    int ObjektNr;
};
constexpr TAlarmierungZeile kAlarmierung[] = {
    {11295, 1, 5100}, {11296, 2, 5200}, {11294, 3, 0},    {11297, 4, 5300},
    {11297, 5, 5400}, {11297, 6, 5500}, {11297, 7, 5600},
};

int BytesVonBereich(uint32_t variante, int n) {
    return static_cast<int>((variante >> (8 * (4 - n))) & 0xFF);
}
int AnzahlBereiche(uint32_t variante) {
    int k = 0;
    for (int n = 1; n <= 4; ++n)
        if (BytesVonBereich(variante, n) != 0)
            ++k;
    return k;
}
AnsiString MitNummer(int textId, int n) {
    return SprText(textId) + " " + std::to_string(n);
}
// The parameters that switch an arming area's bus objects.
int SsbObjektNr(int n) {
    return 1650 + 100 * (n - 1);
}
int QuittierungObjektNr(int n) {
    return 1660 + 100 * (n - 1);
}
int AnzeigeObjektNr(int index) {
    return 6100 + 100 * index;
}
const char *const kAnzeigeCaption = "DeviceInstanzAz::CreateAzAnzeige";
} // namespace

// --- Registering and removing.

std::unique_ptr<TDataBasis> TDeviceInstanzAz::NeuesObjekt(HWND window, TDataBasis *parent, int typ,
                                                          const AnsiString &name) {
    LOG_FKT("DeviceInstanzAz::NeuesObjekt");
    const TAzFabrikEintrag *eintrag = AzFabrik::VonTyp(typ);
    if (!eintrag || !parent || !FHandleTable)
        return nullptr;
    TDatenStruktur record;
    record.System = parent->GetSystem();
    record.Parent = parent->GetHandle();
    record.Name = name;
    record.Typ = static_cast<int16_t>(typ);
    std::unique_ptr<TDataBasis> object = eintrag->Erzeuge(window, record);
    // The handle first: a setter that writes the record must not write one of handle 0.
    try {
        object->KonvertHandle(FHandleTable.get());
    } catch (const E_Basis &e) {
        e.WriteMessage(MainHandle());
        return nullptr;
    }
    return object;
}

void TDeviceInstanzAz::Verwirf(std::unique_ptr<TDataBasis> object) {
    LOG_FKT("DeviceInstanzAz::Verwirf");
    // A record that a setter wrote goes with the object.
    if (object && object->GetHandle() != 0)
        DeleteDatenSatzAndNext(object->GetSystem(), object->GetParent(), object->GetHandle());
}

TDataBasis *TDeviceInstanzAz::Registriere(std::unique_ptr<TDataBasis> object, TDataBasis *parent,
                                          int posId, bool tree) {
    LOG_FKT("DeviceInstanzAz::Registriere");
    if (!object)
        return nullptr;
    object->SetPosId(posId);
    object->Write(*GetDatenSatz(object.get()));
    TDataBasis *raw = object.get();
    if (!SetPointer2List(object)) {
        DeleteDatenSatzAndNext(raw->GetSystem(), raw->GetParent(), raw->GetHandle());
        return nullptr;
    }
    if (tree) {
        TFormVerwDienste *verw =
            raw->GetTyp() == AzKlasse::Melder.Typ && FMain ? FMain->GetActiveFormVerv() : FVerw;
        if (verw)
            verw->AddChildNode2Data(parent, raw, true);
    }
    return raw;
}

void TDeviceInstanzAz::Entferne(TDataBasis *object) {
    LOG_FKT("DeviceInstanzAz::Entferne");
    DeleteDatenSatzAndNext(object);
    if (FVerw)
        FVerw->DeleteNode(nullptr, object);
    DeletePointerFromList(object);
}

TDataBasis *TDeviceInstanzAz::ErzeugeObjekt(HWND window, TDataBasis *parent, bool tree, int typ,
                                            const AnsiString &name, int posId,
                                            const std::function<bool(TDataBasis &)> &vorbereiten) {
    LOG_FKT("DeviceInstanzAz::ErzeugeObjekt");
    std::unique_ptr<TDataBasis> object = NeuesObjekt(window, parent, typ, name);
    if (!object)
        return nullptr;
    if (vorbereiten && !vorbereiten(*object)) {
        Verwirf(std::move(object));
        return nullptr;
    }
    return Registriere(std::move(object), parent, posId, tree);
}

TDataBasis *TDeviceInstanzAz::ErzeugeZeile(HWND window, TDataBasis *parent, bool tree, int typ,
                                           bool &ergebnis) {
    LOG_FKT("DeviceInstanzAz::ErzeugeZeile");
    ergebnis = false;
    for (const TZeile &z : kZeilen) {
        if (z.Typ != typ)
            continue;
        if (KindVomTyp(parent, typ)) {
            ergebnis = z.Vorhanden;
            return nullptr;
        }
        TDataBasis *made = ErzeugeObjekt(window, parent, tree, typ, SprText(z.TextId), z.PosId);
        ergebnis = made != nullptr;
        return made;
    }
    return nullptr;
}

// --- The default tree.

int TDeviceInstanzAz::CreateNewDevice(int) {
    LOG_FKT("DeviceInstanzAz::CreateNewDevice");
    const TFlagFuerEinenAufruf erzeugen(FErzeugen, true, false);
    FErzeugtUnvollstaendig = false;
    FOhneBusObjekte.clear();
    ClearDatenStream();
    FMelderNrUsed.clear();
    FAnzahlMelder = 0;
    if (!InitData())
        return 0;
    const HWND window = MainHandle();
    auto root = std::make_unique<TAzSystem>(window, 0, 0, FDeviceText, FDeviceId, FSpareId, 0);
    try {
        root->KonvertHandle(FHandleTable.get());
    } catch (const E_Basis &e) {
        e.WriteMessage(window);
        return 0;
    }
    root->Write(*GetDatenSatz(root.get()));
    TAzSystem *raw = root.get();
    std::unique_ptr<TDataBasis> owner = std::move(root);
    if (!SetPointer2List(owner))
        return 0;
    SetDevice(raw);

    // A panel that lacks a part, bus objects or device parameters is not made: the boxes name
    // what is missing.
    bool vollstaendig = CreateAzEditierbareTexte(window, raw, false);
    vollstaendig = CreateAzOrdnerSicherungsBereich(window, raw, false) && vollstaendig;
    vollstaendig = CreateAzOrdnerScharfschaltung(window, raw, false) && vollstaendig;
    vollstaendig = CreateAzOrdnerAlarmierung(window, raw, false) && vollstaendig;
    vollstaendig = CreateAzOrdnerAnzeige(window, raw, false) && vollstaendig;
    vollstaendig = CreateAzOrdnerSicherheitStoerung(window, raw, false) && vollstaendig;
    vollstaendig = CreateAzDatumUhrzeit(window, raw, false) && vollstaendig;
    // One box for each kind of failure, naming the objects.
    const auto melden = [this](int textId, const std::vector<AnsiString> &namen) {
        AnsiString text = SprText(textId) + "\n";
        for (const AnsiString &name : namen)
            if (!name.empty())
                text += "\n" + name;
        MessageBox(MainHandle(), text, SprText(11257), MB_OK);
    };
    if (!FOhneBusObjekte.empty())
        melden(11256, FOhneBusObjekte);
    std::vector<AnsiString> ohneParameter;
    if (!ParameterSchreiben(&ohneParameter)) {
        melden(9102, ohneParameter);
        vollstaendig = false;
    }
    return vollstaendig && !FErzeugtUnvollstaendig ? 1 : 0;
}

void TDeviceInstanzAz::ErzeugeBusObjekte(TDataBasis &object, int parameter) {
    LOG_FKT("DeviceInstanzAz::ErzeugeBusObjekte");
    if (object.ModifyObject(1, parameter, 0, true) || !FErzeugen)
        return;
    FErzeugtUnvollstaendig = true;
    FOhneBusObjekte.push_back(object.GetName(true));
}

bool TDeviceInstanzAz::CreateAzEditierbareTexte(HWND window, TDataBasis *parent, bool tree) {
    LOG_FKT("DeviceInstanzAz::CreateAzEditierbareTexte");
    bool ergebnis = false;
    if (TDataBasis *made = ErzeugeZeile(window, parent, tree, 6121, ergebnis))
        SetPointerEdtitierbareTexte(made);
    return ergebnis;
}

bool TDeviceInstanzAz::CreateAzOrdnerSicherungsBereich(HWND window, TDataBasis *parent, bool tree) {
    LOG_FKT("DeviceInstanzAz::CreateAzOrdnerSicherungsBereich");
    bool ergebnis = false;
    TDataBasis *folder = ErzeugeZeile(window, parent, tree, 6122, ergebnis);
    if (!folder)
        return ergebnis;
    CreateSicherungsBereichFeuer(window, folder, false);
    CreateSicherungsBereichUeberfall(window, folder, false);
    CreateAzMelder(window, folder, false, T_DB_EnumAzMelder::eVerdrahtet);
    CreateAzSabotageKontakt(window, folder, false);
    const uint32_t variante = RootVariante();
    for (int n = 1; n <= 4; ++n)
        if (BytesVonBereich(variante, n) != 0)
            CreateSicherungsBereich1(window, folder, false, 6126 + n);
    return true;
}

bool TDeviceInstanzAz::CreateSicherungsBereichFeuer(HWND window, TDataBasis *parent, bool tree) {
    LOG_FKT("DeviceInstanzAz::CreateSicherungsBereichFeuer");
    bool ergebnis = false;
    if (TDataBasis *area = ErzeugeZeile(window, parent, tree, 6123, ergebnis))
        CreateAzMelder(window, area, tree, T_DB_EnumAzMelder::eFeuermelder);
    return ergebnis;
}

bool TDeviceInstanzAz::CreateSicherungsBereichUeberfall(HWND window, TDataBasis *parent,
                                                        bool tree) {
    LOG_FKT("DeviceInstanzAz::CreateSicherungsBereichUeberfall");
    bool ergebnis = false;
    if (TDataBasis *area = ErzeugeZeile(window, parent, tree, 6125, ergebnis))
        CreateAzMelder(window, area, tree, T_DB_EnumAzMelder::eUeberfallmelder);
    return ergebnis;
}

bool TDeviceInstanzAz::CreateAzSabotageKontakt(HWND window, TDataBasis *parent, bool tree) {
    LOG_FKT("DeviceInstanzAz::CreateAzSabotageKontakt");
    bool ergebnis = false;
    ErzeugeZeile(window, parent, tree, 6126, ergebnis);
    return ergebnis;
}

bool TDeviceInstanzAz::CreateSicherungsBereich1(HWND window, TDataBasis *parent, bool tree,
                                                int typ) {
    LOG_FKT("DeviceInstanzAz::CreateSicherungsBereich1");
    if (typ < 6127 || typ > 6130)
        return false;
    const int n = typ - 6126;
    // No progress while the new device's tree is built.
    TDlgProgressGuard fortschritt(SprText(11356),
                                  SprText(11354) + " " + std::to_string(n) + " " + SprText(11355),
                                  5, MainHandle(), !FErzeugen);
    bool ergebnis = false;
    TDataBasis *area = ErzeugeZeile(window, parent, tree, typ, ergebnis);
    fortschritt.Next();
    if (area) {
        CreateAzMelder(window, area, tree, T_DB_EnumAzMelder::eMelderSb1 + n - 1);
        fortschritt.Next();
    }
    return ergebnis;
}

bool TDeviceInstanzAz::CreateAzOrdnerScharfschaltung(HWND window, TDataBasis *parent, bool tree) {
    LOG_FKT("DeviceInstanzAz::CreateAzOrdnerScharfschaltung");
    bool ergebnis = false;
    TDataBasis *folder = ErzeugeZeile(window, parent, tree, 6131, ergebnis);
    if (!folder)
        return ergebnis;
    const uint32_t variante = RootVariante();
    for (int n = 1; n <= 4; ++n)
        if (BytesVonBereich(variante, n) != 0)
            CreateScharfschaltBereich(window, folder, false, 6131 + n);
    return true;
}

bool TDeviceInstanzAz::CreateScharfschaltBereich(HWND window, TDataBasis *parent, bool tree,
                                                 int typ) {
    LOG_FKT("DeviceInstanzAz::CreateScharfschaltBereich");
    if (typ < 6132 || typ > 6135)
        return false;
    bool ergebnis = false;
    TDataBasis *area = ErzeugeZeile(window, parent, tree, typ, ergebnis);
    if (area) {
        CreateScharfschaltungSsb(window, area, tree, typ - 6131);
        CreateScharfUnscharfQuittierungSsb(window, area, tree, typ - 6131);
    }
    return ergebnis;
}

bool TDeviceInstanzAz::CreateScharfschaltungSsb(HWND window, TDataBasis *parent, bool tree,
                                                int bereich) {
    LOG_FKT("DeviceInstanzAz::CreateScharfschaltungSsb");
    TDataBasis *made = ErzeugeObjekt(
        window, parent, tree, AzKlasse::ScharfschaltungSsb.Typ, MitNummer(11320, bereich), 1,
        [bereich](TDataBasis &o) {
            return static_cast<TAzScharfschaltungSsb &>(o).SetScharfschaltBereich(
                static_cast<TAzScharfschaltungSsb::TEnumScharfschaltBereich>(bereich));
        });
    if (!made)
        return false;
    ErzeugeBusObjekte(*made, SsbObjektNr(bereich));
    if (TEtsObjekt *eingang = GetObjectFromObjectNr(161 + bereich))
        eingang->SetNumberSelectableGrpAdr(1);
    return true;
}

bool TDeviceInstanzAz::CreateScharfUnscharfQuittierungSsb(HWND window, TDataBasis *parent,
                                                          bool tree, int bereich) {
    LOG_FKT("DeviceInstanzAz::CreateScharfUnscharfQuittierungSsb");
    if (bereich < 1 || bereich > 4)
        return false;
    TDataBasis *made = ErzeugeObjekt(
        window, parent, tree, AzKlasse::ScharfUnscharfQuittierungSsb.Typ, MitNummer(11321, bereich),
        2, [bereich](TDataBasis &o) {
            static_cast<TAzScharfUnscharfQuittierungSsb &>(o).SetScharfschaltBereich(
                static_cast<TAzScharfUnscharfQuittierungSsb::TEnumScharfschaltBereich>(bereich));
            return true;
        });
    if (!made)
        return false;
    ErzeugeBusObjekte(*made, QuittierungObjektNr(bereich));
    FQuittierungUeg[static_cast<size_t>(bereich - 1)] =
        static_cast<TAzScharfUnscharfQuittierungSsb *>(made)->GetStatusSignUegScharf();
    return true;
}

bool TDeviceInstanzAz::CreateAzOrdnerAlarmierung(HWND window, TDataBasis *parent, bool tree) {
    LOG_FKT("DeviceInstanzAz::CreateAzOrdnerAlarmierung");
    bool ergebnis = false;
    TDataBasis *folder = ErzeugeZeile(window, parent, tree, 6139, ergebnis);
    if (!folder)
        return ergebnis;
    const uint32_t variante = RootVariante();
    CreateAzAlarmierung(window, folder, false, 0);
    CreateAzAlarmierung(window, folder, false, 1);
    for (int n = 1; n <= 4; ++n)
        if (BytesVonBereich(variante, n) != 0)
            CreateAzAlarmierung(window, folder, false, n + 2);
    CreateAzAlarmdauer(window, folder, false);
    CreateAzEibObjekteZurAlarmierung(window, folder, false);
    return true;
}

bool TDeviceInstanzAz::CreateAzAlarmierung(HWND window, TDataBasis *parent, bool tree, int typ) {
    LOG_FKT("DeviceInstanzAz::CreateAzAlarmierung");
    if (typ < 0 || typ > 6)
        return false;
    for (TDataBasis *kind : GetKinder(parent))
        if (auto *alarm = dynamic_cast<TAzAlarmierung *>(kind)) {
            TAzAlarmierung::TEnumAlarmierungTyp t{};
            if (alarm->GetAlarmierungTyp(t) == typ)
                return true;
        }
    const TAlarmierungZeile &z = kAlarmierung[typ];
    const AnsiString name = typ >= 3 ? MitNummer(z.TextId, typ - 2) : SprText(z.TextId);
    TDataBasis *made = ErzeugeObjekt(window, parent, tree, AzKlasse::Alarmierung.Typ, name, z.PosId,
                                     [typ](TDataBasis &o) {
                                         return static_cast<TAzAlarmierung &>(o).SetAlarmierungTyp(
                                             static_cast<TAzAlarmierung::TEnumAlarmierungTyp>(typ));
                                     });
    if (!made)
        return false;
    if (z.ObjektNr != 0)
        ErzeugeBusObjekte(*made, z.ObjektNr);
    if (typ >= 3)
        FAlarmierungUeg[static_cast<size_t>(typ - 3)] =
            static_cast<TAzAlarmierung *>(made)->GetStatusAlarmierungUegEinbruch();
    return true;
}

bool TDeviceInstanzAz::CreateAzAlarmdauer(HWND window, TDataBasis *parent, bool tree) {
    LOG_FKT("DeviceInstanzAz::CreateAzAlarmdauer");
    bool ergebnis = false;
    ErzeugeZeile(window, parent, tree, 6140, ergebnis);
    return ergebnis;
}

bool TDeviceInstanzAz::CreateAzEibObjekteZurAlarmierung(HWND window, TDataBasis *parent,
                                                        bool tree) {
    LOG_FKT("DeviceInstanzAz::CreateAzEibObjekteZurAlarmierung");
    bool ergebnis = false;
    ErzeugeZeile(window, parent, tree, 6141, ergebnis);
    return ergebnis;
}

bool TDeviceInstanzAz::CreateAzOrdnerAnzeige(HWND window, TDataBasis *parent, bool tree) {
    LOG_FKT("DeviceInstanzAz::CreateAzOrdnerAnzeige");
    bool ergebnis = false;
    TDataBasis *folder = ErzeugeZeile(window, parent, tree, 6142, ergebnis);
    if (!folder)
        return ergebnis;
    const uint32_t variante = RootVariante();
    const int k = AnzahlBereiche(variante);
    for (int index = 0; index < 4; ++index)
        if (index < 2 || k >= index - 1)
            CreateAzAnzeige(window, folder, false, index, variante);
    return true;
}

bool TDeviceInstanzAz::CreateAzAnzeige(HWND window, TDataBasis *parent, bool tree, int index,
                                       uint32_t variante) {
    LOG_FKT("DeviceInstanzAz::CreateAzAnzeige");
    const AnsiString name = MitNummer(11298, index + 1);
    std::unique_ptr<TDataBasis> object = NeuesObjekt(window, parent, AzKlasse::Anzeige.Typ, name);
    auto *anzeige = dynamic_cast<TAzAnzeige *>(object.get());
    if (!anzeige)
        return false;
    if (index < 0 || index > 3 ||
        !anzeige->SetAnzeigeNr(static_cast<TAzAnzeige::TEnumAnzeigeNr>(index))) {
        // Nothing was made: the caller must not count a display that is not there.
        MessageBox(MainHandle(), "Fehler " + name + "Anzeigen-Nummer zuweisen.", kAnzeigeCaption,
                   MB_OK);
        Verwirf(std::move(object));
        return false;
    }
    anzeige->ModifyAnzeigeSsb(variante);
    anzeige->SetDefaultName(name);
    if (!Registriere(std::move(object), parent, index + 1, tree))
        return false;
    if (anzeige->GetStatusAnzeigeVorhanden() &&
        !anzeige->ModifyObject(1, AnzeigeObjektNr(index), 0, true)) {
        FErzeugtUnvollstaendig = true;
        MessageBox(MainHandle(), "Die Objekte der " + name + "konnten nicht erzeugt werden.",
                   kAnzeigeCaption, MB_OK);
    }
    return true;
}

bool TDeviceInstanzAz::CreateAzOrdnerSicherheitStoerung(HWND window, TDataBasis *parent,
                                                        bool tree) {
    LOG_FKT("DeviceInstanzAz::CreateAzOrdnerSicherheitStoerung");
    bool ergebnis = false;
    TDataBasis *folder = ErzeugeZeile(window, parent, tree, 6144, ergebnis);
    if (!folder)
        return ergebnis;
    CreateAzEibAlarmSystemSicherheit(window, folder, false);
    CreateAzVerhaltenDurchUegRBeiScharf(window, folder, false, 0);
    CreateAzVerhaltenDurchUegRBeiScharf(window, folder, false, 1);
    return true;
}

bool TDeviceInstanzAz::CreateAzEibAlarmSystemSicherheit(HWND window, TDataBasis *parent,
                                                        bool tree) {
    LOG_FKT("DeviceInstanzAz::CreateAzEibAlarmSystemSicherheit");
    bool ergebnis = false;
    ErzeugeZeile(window, parent, tree, 6145, ergebnis);
    return ergebnis;
}

bool TDeviceInstanzAz::CreateAzVerhaltenDurchUegRBeiScharf(HWND window, TDataBasis *parent,
                                                           bool tree, int selector) {
    LOG_FKT("DeviceInstanzAz::CreateAzVerhaltenDurchUegRBeiScharf");
    if (selector != 0 && selector != 1)
        return false;
    return ErzeugeObjekt(window, parent, tree, AzKlasse::VerhaltenDurchUegR.Typ,
                         SprText(selector == 0 ? 11329 : 11328), selector == 0 ? 2 : 3,
                         [selector](TDataBasis &o) {
                             return static_cast<TAzVerhaltenDurchUegR &>(o).SetUeGRBereich(
                                 static_cast<TAzVerhaltenDurchUegR::TEnumUeGBereich>(selector));
                         }) != nullptr;
}

bool TDeviceInstanzAz::CreateAzDatumUhrzeit(HWND window, TDataBasis *parent, bool tree) {
    LOG_FKT("DeviceInstanzAz::CreateAzDatumUhrzeit");
    bool ergebnis = false;
    ErzeugeZeile(window, parent, tree, 6147, ergebnis);
    return ergebnis;
}

// --- Removing the parts of an area.

bool TDeviceInstanzAz::DeleteSicherungsBereich(TDataBasis *folder, int typ) {
    LOG_FKT("DeviceInstanzAz::DeleteSicherungsBereich");
    for (TDataBasis *kind : GetKinder(folder))
        if (kind->GetTyp() == typ) {
            // An area that keeps a detector stays, with its records.
            if (!DeleteAzAlleMelderSb(kind))
                return false;
            Entferne(kind);
            return true;
        }
    return true;
}

bool TDeviceInstanzAz::DeleteScharfschaltBereich(TDataBasis *folder, int typ) {
    LOG_FKT("DeviceInstanzAz::DeleteScharfschaltBereich");
    if (TDataBasis *area = KindVomTyp(folder, typ)) {
        const bool ssb = DeleteScharfschaltungSsb(area);
        const bool quittierung = DeleteScharfUnscharfQuittierungSsb(area);
        if (ssb && quittierung)
            Entferne(area);
    }
    return true;
}

bool TDeviceInstanzAz::DeleteScharfschaltungSsb(TDataBasis *area) {
    LOG_FKT("DeviceInstanzAz::DeleteScharfschaltungSsb");
    for (TDataBasis *kind : GetKinder(area))
        if (auto *ssb = dynamic_cast<TAzScharfschaltungSsb *>(kind)) {
            const int n = ssb->GetScharfschaltBereich();
            if (n >= 1 && n <= 4)
                FPhysAdrUsed[static_cast<size_t>(n - 1)].clear();
            ssb->ModifyObject(0, SsbObjektNr(n), 0, true);
            Entferne(ssb);
            return true;
        }
    return false;
}

bool TDeviceInstanzAz::DeleteScharfUnscharfQuittierungSsb(TDataBasis *area) {
    LOG_FKT("DeviceInstanzAz::DeleteScharfUnscharfQuittierungSsb");
    for (TDataBasis *kind : GetKinder(area))
        if (auto *quittierung = dynamic_cast<TAzScharfUnscharfQuittierungSsb *>(kind)) {
            quittierung->ModifyObject(0, QuittierungObjektNr(quittierung->GetScharfschaltBereich()),
                                      0, true);
            Entferne(quittierung);
            return true;
        }
    return false;
}

bool TDeviceInstanzAz::DeleteAzAlarmierung(TDataBasis *folder, int typ) {
    LOG_FKT("DeviceInstanzAz::DeleteAzAlarmierung");
    if (typ < 3 || typ > 6)
        return true;
    for (TDataBasis *kind : GetKinder(folder))
        if (auto *alarm = dynamic_cast<TAzAlarmierung *>(kind)) {
            TAzAlarmierung::TEnumAlarmierungTyp t{};
            if (alarm->GetAlarmierungTyp(t) != typ)
                continue;
            alarm->ModifyObject(0, kAlarmierung[typ].ObjektNr, 0, true);
            Entferne(alarm);
            return true;
        }
    return true;
}

bool TDeviceInstanzAz::DeleteAzAnzeige(TDataBasis *folder, int index) {
    LOG_FKT("DeviceInstanzAz::DeleteAzAnzeige");
    TAzAnzeige *anzeige = GetPointerInstAnzeige(folder, index);
    if (!anzeige)
        return true;
    if (anzeige->GetStatusAnzeigeVorhanden() &&
        !anzeige->ModifyObject(0, AnzeigeObjektNr(index), 0, true))
        MessageBox(MainHandle(),
                   "Die Objekte der " + MitNummer(11298, index + 1) +
                       Utf8ToAnsi("konnten nicht gelöscht werden."),
                   kAnzeigeCaption, MB_OK);
    anzeige->SetAnzeigeSsb(0);
    anzeige->WriteDataToDb();
    Entferne(anzeige);
    return true;
}

bool TDeviceInstanzAz::ModifyVarianteAz(HWND window, TDataBasis *sbFolder, int &areas,
                                        uint32_t variante, TDataBasis *anzeigeFolder,
                                        TDataBasis *alarmFolder, TDataBasis *ssFolder) {
    LOG_FKT("DeviceInstanzAz::ModifyVarianteAz");
    if (!sbFolder || !ssFolder)
        return false;
    // A project window that loses the focus meanwhile keeps its cell editor.
    struct TZelleHalten {
        TFormMainDienste *Main;
        explicit TZelleHalten(TFormMainDienste *main) : Main(main) {
            LOG_FKT("TZelleHalten::TZelleHalten");
            if (Main)
                Main->SetKeepCellEditor(true);
        }
        ~TZelleHalten() {
            LOG_FKT("TZelleHalten::~TZelleHalten");
            if (Main)
                Main->SetKeepCellEditor(false);
        }
    } halten(FMain);

    bool ok = true;
    int k = 0;
    for (int n = 1; n <= 4; ++n) {
        const auto i = static_cast<size_t>(n - 1);
        if (BytesVonBereich(variante, n) != 0) {
            ok = CreateSicherungsBereich1(window, sbFolder, true, 6126 + n) && ok;
            ok = CreateScharfschaltBereich(window, ssFolder, true, 6131 + n) && ok;
            if (alarmFolder)
                ok = CreateAzAlarmierung(window, alarmFolder, true, n + 2) && ok;
            ++k;
        } else {
            ok = DeleteSicherungsBereich(sbFolder, 6126 + n) && ok;
            ok = DeleteScharfschaltBereich(ssFolder, 6131 + n) && ok;
            FQuittierungUeg[i] = false;
            FAlarmierungUeg[i] = false;
            FSaboMelder[i].clear();
            if (alarmFolder)
                ok = DeleteAzAlarmierung(alarmFolder, n + 2) && ok;
        }
    }
    if (anzeigeFolder)
        ok = ModifyAzAnzeige(window, anzeigeFolder, variante) && ok;
    areas = k;
    TAzMelder *verdrahtet = GetPointerVerdrahteterMelder();
    if (k >= 1) {
        if (verdrahtet)
            verdrahtet->ChangeVarianteAz(variante);
        else
            ok = CreateAzMelder(window, sbFolder, true, T_DB_EnumAzMelder::eVerdrahtet) && ok;
    } else if (verdrahtet) {
        ok = DeleteVerdrahteterMelder(verdrahtet) && ok;
    }
    return ok;
}

bool TDeviceInstanzAz::SaboSeZuordnungenFreigeben(TDataBasis *sbFolder, uint32_t variante) {
    LOG_FKT("DeviceInstanzAz::SaboSeZuordnungenFreigeben");
    // Asked before anything is removed: a detector kept halfway through the change would leave
    // its security area in the tree while the word and the arming areas say it is gone.
    std::vector<std::pair<TAzScharfschaltungSsb *, int>> zuordnungen;
    for (int n = 1; n <= 4; ++n) {
        if (BytesVonBereich(variante, n) != 0)
            continue;
        for (TDataBasis *kind : GetKinder(KindVomTyp(sbFolder, 6126 + n))) {
            auto *melder = dynamic_cast<TAzMelder *>(kind);
            TAzScharfschaltungSsb *ssb = melder ? SaboSeHalter(*melder) : nullptr;
            if (!ssb)
                continue;
            if (!SaboSeFreigabeBestaetigt())
                return false;
            zuordnungen.emplace_back(ssb, melder->GetMelderNr());
        }
    }
    for (const auto &[ssb, nr] : zuordnungen)
        ssb->UnlinkMelderNrSaboSe(nr);
    return true;
}

bool TDeviceInstanzAz::ModifyAzAnzeige(HWND window, TDataBasis *, uint32_t variante) {
    LOG_FKT("DeviceInstanzAz::ModifyAzAnzeige");
    TAzOrdnerAnzeige *folder = GetPointerInstOrdnerAnzeige();
    if (!folder)
        return false;
    const int k = AnzahlBereiche(variante);
    auto melden = [folder](int mask, int index) {
        folder->ModifyQuittierungMelder(mask, static_cast<TAzAnzeige::TEnumAnzeigeNr>(index));
    };
    auto aktualisieren = [&](TAzAnzeige *anzeige, int index) {
        anzeige->ModifyAnzeigeSsb(variante);
        melden(anzeige->GetAnzeigeSsb(), index);
    };
    bool ok = true;
    for (int index = 0; index < 4; ++index) {
        TAzAnzeige *anzeige = GetPointerInstAnzeige(folder, index);
        // Displays 1 and 2 always, 3 with one area, 4 with two.
        const bool gewollt = index < 2 || k >= index - 1;
        if (gewollt && anzeige) {
            aktualisieren(anzeige, index);
        } else if (gewollt && index >= 2) {
            if (CreateAzAnzeige(window, folder, true, index, variante)) {
                if (TAzAnzeige *neu = GetPointerInstAnzeige(folder, index))
                    melden(neu->GetAnzeigeSsb(), index);
            } else {
                ok = false;
            }
        } else if (!gewollt && anzeige) {
            DeleteAzAnzeige(folder, index);
            melden(0, index);
        }
    }
    return ok;
}

// --- Lookups.

uint32_t TDeviceInstanzAz::RootVariante() {
    LOG_FKT("DeviceInstanzAz::RootVariante");
    const TAzSystem *system = GetPointerInstAzSystem();
    return system ? system->GetParamVarianteAz() : 0;
}

std::vector<TDataBasis *> TDeviceInstanzAz::GetKinder(TDataBasis *parent) {
    LOG_FKT("DeviceInstanzAz::GetKinder");
    std::vector<TDataBasis *> kinder;
    if (!parent || FDatenTree.find(parent->GetSystem()) == FDatenTree.end())
        return kinder;
    TChildRange range;
    GetChildIteratorPair(parent, range);
    for (auto it = range.first; it != range.second; ++it) {
        TDataBasis *object = nullptr;
        if (GetDataPointer(it->second.Handle, object) && object)
            kinder.push_back(object);
    }
    return kinder;
}

TDataBasis *TDeviceInstanzAz::KindVomTyp(TDataBasis *parent, int typ) {
    LOG_FKT("DeviceInstanzAz::KindVomTyp");
    for (TDataBasis *kind : GetKinder(parent))
        if (kind->GetTyp() == typ)
            return kind;
    return nullptr;
}

template <class T> std::vector<T *> TDeviceInstanzAz::ObjekteVomTyp(int typ) {
    LOG_FKT("DeviceInstanzAz::ObjekteVomTyp");
    std::vector<T *> out;
    for (const auto &[handle, object] : FObjekte)
        if (object->GetTyp() == typ)
            if (auto *t = dynamic_cast<T *>(object.get()))
                out.push_back(t);
    return out;
}
template std::vector<TAzMelder *> TDeviceInstanzAz::ObjekteVomTyp<TAzMelder>(int);

TAzEditierbareTexte *TDeviceInstanzAz::GetPointerInstEdtitierbareTexte(HWND window,
                                                                       TDataBasis *parent) {
    LOG_FKT("DeviceInstanzAz::GetPointerInstEdtitierbareTexte");
    if (auto *texte = dynamic_cast<TAzEditierbareTexte *>(GetPointerEdtitierbareTexte()))
        return texte;
    if (auto *texte = dynamic_cast<TAzEditierbareTexte *>(KindVomTyp(parent, 6121))) {
        SetPointerEdtitierbareTexte(texte);
        return texte;
    }
    // None there: one is made for the next call; this call gives up its step.
    if (TDataBasis *made = ErzeugeObjekt(window, parent, true, 6121, SprText(11300), 6))
        SetPointerEdtitierbareTexte(made);
    return nullptr;
}

TDataBasis *TDeviceInstanzAz::GetPointerInstOrdnerAlarmierung(TDataBasis *parent) {
    LOG_FKT("DeviceInstanzAz::GetPointerInstOrdnerAlarmierung");
    return KindVomTyp(parent, 6139);
}

TDataBasis *TDeviceInstanzAz::GetPointerInstOrdnerSB(TDataBasis *parent) {
    LOG_FKT("DeviceInstanzAz::GetPointerInstOrdnerSB");
    return KindVomTyp(parent, 6122);
}

TDataBasis *TDeviceInstanzAz::GetPointerInstOrdnerSS(TDataBasis *parent) {
    LOG_FKT("DeviceInstanzAz::GetPointerInstOrdnerSS");
    return KindVomTyp(parent, 6131);
}

TAzOrdnerAnzeige *TDeviceInstanzAz::GetPointerInstOrdnerAnzeige() {
    LOG_FKT("DeviceInstanzAz::GetPointerInstOrdnerAnzeige");
    const auto all = ObjekteVomTyp<TAzOrdnerAnzeige>(AzKlasse::OrdnerAnzeige.Typ);
    return all.empty() ? nullptr : all.front();
}

TAzSystem *TDeviceInstanzAz::GetPointerInstAzSystem() {
    LOG_FKT("DeviceInstanzAz::GetPointerInstAzSystem");
    const auto all = ObjekteVomTyp<TAzSystem>(AzKlasse::System.Typ);
    return all.empty() ? nullptr : all.front();
}

TAzScharfschaltungSsb *TDeviceInstanzAz::GetPointerInstScharfschaltungSsb(int bereich) {
    LOG_FKT("DeviceInstanzAz::GetPointerInstScharfschaltungSsb");
    for (TAzScharfschaltungSsb *ssb :
         ObjekteVomTyp<TAzScharfschaltungSsb>(AzKlasse::ScharfschaltungSsb.Typ))
        if (ssb->GetScharfschaltBereich() == bereich)
            return ssb;
    return nullptr;
}

TDataBasis *TDeviceInstanzAz::GetPointerInstScharfschaltBereich(int16_t typ) {
    LOG_FKT("DeviceInstanzAz::GetPointerInstScharfschaltBereich");
    for (const auto &[handle, object] : FObjekte)
        if (object->GetTyp() == typ)
            return object.get();
    return nullptr;
}

TAzMelder *TDeviceInstanzAz::GetPointerInstMelder(int nummer) {
    LOG_FKT("DeviceInstanzAz::GetPointerInstMelder");
    for (TAzMelder *melder : ObjekteVomTyp<TAzMelder>(AzKlasse::Melder.Typ))
        if (melder->GetMelderNr() == nummer)
            return melder;
    return nullptr;
}

TAzMelder *TDeviceInstanzAz::GetPointerVerdrahteterMelder() {
    LOG_FKT("DeviceInstanzAz::GetPointerVerdrahteterMelder");
    for (TAzMelder *melder : ObjekteVomTyp<TAzMelder>(AzKlasse::Melder.Typ))
        if (melder->GetMelderBereich() == T_DB_EnumAzMelder::eVerdrahtet)
            return melder;
    return nullptr;
}

TAzAnzeige *TDeviceInstanzAz::GetPointerInstAnzeige(TDataBasis *anzeigeFolder, int index) {
    LOG_FKT("DeviceInstanzAz::GetPointerInstAnzeige");
    for (TDataBasis *kind : GetKinder(anzeigeFolder))
        if (auto *anzeige = dynamic_cast<TAzAnzeige *>(kind)) {
            TAzAnzeige::TEnumAnzeigeNr nr{};
            if (anzeige->GetAnzeigeNr(nr) == index)
                return anzeige;
        }
    return nullptr;
}
