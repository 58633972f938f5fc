// The import of exported project data (an export file or a recovery copy): the version is
// checked, the user may match the exported group addresses with the project's (the check
// dialog), missing addresses are made, the records' words are rewritten, and the bus tool's
// side is rebuilt: the device's communication objects go, the imported parameter values
// switch the imported objects on, their new ids and links are taken into the records, and the
// records become the device's tree.
//
// Nothing of the device changes before the check has been answered: a cancel (or a project
// without group addresses) leaves the device and its windows as they were.
#include "deviceinstance/TDeviceInstanzAz.h"

#include "deviceinstance/TDeviceDialoge.h"
#include "deviceinstance/TFormMainDienste.h"
#include "foundation/SprTexte.h"
#include "foundation/TDatenManager.h"
#include "platform/busobjects/TEtsObjekt.h"
#include "platform/bustool/TEts2Cdi.h"
#include "platform/bustool/TEtsDeviceParam.h"
#include "platform/dialogs/DlgProgressGuard.h"
#include "platform/log/Log.h"
#include "platform/objectbase/E_Basis.h"
#include "platform/objectbase/MainWindowMessages.h"
#include "platform/vcl/TStringList.h"
#include "platform/win/MessageBox.h"

#include <cstdio>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {
constexpr int16_t kRootTyp = 105;
constexpr int kImportSchritte = 6;

using TView = std::unique_ptr<TDatenManager<TDatenStruktur>>;

TView Filter(TDatenManager<TDatenStruktur> &store, const char *feld, int32_t wert) {
    return TView(store.Filter(feld, wert));
}

int16_t ParameterId(const TDatenStruktur &r) {
    return static_cast<int16_t>(r.Param16 & 0xFFFF);
}
} // namespace

void TDeviceInstanzAz::GetMainMiddleAndSubGroupAddr(int wort, bool dreiStufig, uint16_t &main,
                                                    uint16_t &middle, uint16_t &sub) {
    LOG_FKT("DeviceInstanzAz::GetMainMiddleAndSubGroupAddr");
    main = middle = sub = 0;
    if (wort == 0)
        return;
    // Bit 15 is no part of the address: the main group has four bits.
    main = static_cast<uint16_t>((wort >> 11) & 0xF);
    if (dreiStufig) {
        middle = static_cast<uint16_t>((wort >> 8) & 7);
        sub = static_cast<uint16_t>(wort & 0xFF);
    } else {
        sub = static_cast<uint16_t>(wort & 0x7FF);
    }
}

void TDeviceInstanzAz::GruppenAdressWorteUmsetzen(TDatenManager<TDatenStruktur> &store,
                                                  const std::map<int, TRecGroupAddrInfo> &map) {
    LOG_FKT("DeviceInstanzAz::GruppenAdressWorteUmsetzen");
    // Each record's new word follows from its word as imported, looked up once: applied entry
    // after entry, A->B then B->C would carry A on to C, and a swap would end on one word.
    std::map<int, int> neu;
    for (const auto &[key, info] : map)
        if (info.IstWord != info.SollWord)
            neu.emplace(info.IstWord, info.SollWord);
    if (neu.empty())
        return;
    std::set<int> objekte;
    for (TDatenStruktur *r = store.GetFirst(); r; r = store.GetNext())
        if (r->Typ == TEtsObjekt::Typ)
            objekte.insert(r->Handle);
    for (TDatenStruktur *r = store.GetFirst(); r; r = store.GetNext()) {
        if (r->Typ != TEtsObjekt::Typ && !objekte.count(r->Parent))
            continue;
        const auto it = neu.find(r->Param15);
        if (it == neu.end())
            continue;
        r->Param15 = it->second;
        if (it->second == 0)
            r->Param14 = 0;
    }
}

bool TDeviceInstanzAz::ImportCreateNewGroupAddresses(const std::vector<RecNewGroupAddr> &list) {
    LOG_FKT("DeviceInstanzAz::ImportCreateNewGroupAddresses");
    if (list.empty())
        return true;
    const bool drei = ThreeLevel();
    for (const RecNewGroupAddr &neu : list) {
        uint16_t main = 0, middle = 0, sub = 0;
        GetMainMiddleAndSubGroupAddr(neu.Word, drei, main, middle, sub);
        if (!CreateGrpAddr(static_cast<short>(main), static_cast<short>(middle),
                           static_cast<short>(sub), neu.Name)) {
            const AnsiString adresse = GetGroupAddressString(static_cast<short>(neu.Word), drei);
            char text[256];
            std::snprintf(text, sizeof(text), SprText(9140).c_str(), adresse.c_str());
            MessageBox(MainHandle(), text, SprText(9012), MB_ICONINFORMATION);
            return false;
        }
    }
    return true;
}

int TDeviceInstanzAz::VumaImport(TMemoryStream *stream, bool check) {
    LOG_FKT("DeviceInstanzAz::VumaImport");
    if (!stream)
        return 0;
    bool result = true;
    FBestaetigung = true;
    try {
        const AnsiString version = GetBlockVersion(*stream);

        std::unique_ptr<TDatenManager<TDatenStruktur>> store = DBAbschnittLesen(*stream);
        if (!store) {
            result = false;
        } else if (!VersionCheck(version, true)) {
            result = false;
        } else if (!GetGrpAdrOrdner()) {
            result = false;
        } else {
            if (check)
                result = GruppenAdressenPruefen(*store);
            if (result) {
                // Only now, with the check answered, the device's state is given up.
                LeereListenUndFlaggen();
                if (FMain)
                    for (TFormVerwDienste *verw : FMain->GetFormVerwList())
                        verw->DeleteAllNodes();
                result = VumaImportAbgleich(store.get(), check);
                if (result) {
                    store.reset();
                    FCompDataStream->Clear();
                }
            }
        }
    } catch (const E_DatenManager &e) {
        DatenFehlerBox(e.Message);
        result = false;
    } catch (const E_DatenStruktur &e) {
        DatenFehlerBox(e.Message);
        result = false;
    } catch (const E_Basis &) {
        result = false;
    }
    FBestaetigung = false;
    return result ? 1 : 0;
}

bool TDeviceInstanzAz::GruppenAdressenPruefen(TDatenManager<TDatenStruktur> &store) {
    LOG_FKT("DeviceInstanzAz::GruppenAdressenPruefen");
    TDeviceDialoge *dialoge = FMain ? FMain->GetDeviceDialoge() : nullptr;
    if (!dialoge)
        return false;
    std::vector<RecNewGroupAddr> neu;
    std::map<int, TRecGroupAddrInfo> worte;
    if (dialoge->GaCheck(&store, neu, worte, ThreeLevel(), FMainGroups, FMidSubGroups) != 1)
        return false;
    if (!neu.empty() && !ImportCreateNewGroupAddresses(neu))
        MessageBox(MainHandle(), "Fehler beim GAs anlegen", SprText(9013), MB_ICONWARNING);
    GruppenAdressWorteUmsetzen(store, worte);
    return true;
}

bool TDeviceInstanzAz::ImportVerbindungen(TDatenManager<TDatenStruktur> &store, TDatenStruktur &r) {
    LOG_FKT("DeviceInstanzAz::ImportVerbindungen");
    bool ok = true;
    const bool drei = ThreeLevel();
    TEts2Cdi *cdi = Cdi();
    AnsiString meldung;
    TView kette;
    std::set<int> gesehen{r.Handle}; // a chain that runs back into itself ends there
    for (TDatenStruktur *c = &r; c;) {
        if (c->Param15 > 0) {
            int id = 0;
            const auto wort = static_cast<short>(c->Param15 & 0xFFFF);
            if (KonvertEtsGAId(id, wort, meldung, r.Param8)) {
                c->Param14 = id;
                const int antwort =
                    cdi ? cdi->CoLinkObjectToSubGroup(r.Param10, id, -1, false, true, true) : -1;
                if (antwort == -1 || antwort == -2) {
                    meldung = SprText(antwort == -1 ? 9044 : 9067) + "\n" + SprText(9135) + ": " +
                              r.Name + "\n" + GetGroupAddressString(wort, drei);
                    MessageBox(MainHandle(), meldung, SprText(9066), MB_ICONWARNING);
                    meldung.clear();
                    // The record keeps no link the bus tool does not hold.
                    c->Param14 = 0;
                    c->Param15 = 0;
                    ok = false;
                }
            } else {
                c->Param14 = 0;
                c->Param15 = 0;
                MessageBox(MainHandle(), SprText(9096) + "\n" + meldung, SprText(9013),
                           MB_ICONWARNING);
                meldung.clear();
                ok = false;
            }
        }
        if (c->Next < 1 || !gesehen.insert(c->Next).second)
            break;
        kette = Filter(store, "Handle", c->Next);
        c = kette ? kette->GetFirst() : nullptr;
    }
    return ok;
}

bool TDeviceInstanzAz::VumaImportAbgleich(TDatenManager<TDatenStruktur> *store, bool check) {
    LOG_FKT("DeviceInstanzAz::VumaImportAbgleich");
    if (!store)
        return false;
    bool result = true;
    std::vector<tagDAL_OBJECT_INFO> list;
    TEtsDeviceParam *param = GetEtsDeviceParam();

    TDlgProgressGuard fortschritt(SprText(9013), "", kImportSchritte, MainHandle(), true,
                                  AzMsg::kAbbruchImport);
    int schritt = 0;
    auto weiter = [&](const AnsiString &text) {
        fortschritt.Set(++schritt, SprText(9147) + "\n" + text);
    };

    const std::vector<TDatenStruktur> busObjekte = BusObjektDatensaetze();
    weiter(SprText(9024));
    EtsObjekteEntfernen(busObjekte, SprText(1020), SprText(1019), MB_ICONWARNING);
    ClearDbDataExistingMelder();

    weiter(SprText(9020));
    if (TView objekte = Filter(*store, "Typ", TEtsObjekt::Typ); objekte && objekte->GetFirst()) {
        auto schalten = [&](TDatenStruktur &r) {
            list.clear();
            return param && CheckObjectParamResult(
                                param->SetDeviceParamData(ParameterId(r), r.Param17, list),
                                ParameterId(r), r.Param17);
        };
        for (TDatenStruktur *r = objekte->GetFirst(); r; r = objekte->GetNext())
            if (!schalten(*r))
                result = false;

        weiter(SprText(9017));
        for (TDatenStruktur *r = objekte->GetFirst(); r; r = objekte->GetNext()) {
            if (!schalten(*r)) {
                result = false;
                continue;
            }
            for (const tagDAL_OBJECT_INFO &entry : list) {
                if (entry.number != r->Param4)
                    continue;
                r->Param9 = entry.commObjectId;
                r->Param5 = entry.deviceId;
                r->Param10 = entry.deviceObjectId;
                r->Param3 = entry.value;
                if (!check) {
                    r->Next = 0;
                    r->Param14 = 0;
                    r->Param15 = 0;
                    continue;
                }
                fortschritt.Set(schritt, SprText(9147) + "\n" + SprText(9017) + ": " + r->Name);
                if (!ImportVerbindungen(*store, *r))
                    result = false;
            }
        }
    }

    weiter(SprText(9000));
    if (TView root = Filter(*store, "Typ", kRootTyp))
        if (TDatenStruktur *r = root->GetFirst())
            r->Param4 = FDeviceId;

    weiter(SprText(9153));
    ClearDatenStream();
    TStringList before;
    TStringList after;
    DatenBlockRahmen(before, after);
    store->SaveToStream(FDatenStream.get(), &before, &after);
    if (!InitData()) {
        MessageBox(MainHandle(), SprText(9107), SprText(9013), MB_OK);
        result = false;
    }
    if (!DatenAbgleich(true, true)) {
        MessageBox(MainHandle(), SprText(9092), SprText(9013), MB_OK);
        result = false;
    }

    weiter(SprText(9207));
    AnsichtenNeuAufbauen();
    return result;
}
