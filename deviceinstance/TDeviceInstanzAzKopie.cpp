// Copy and paste of a detector: the copy is the detector's records as record lines (its own
// record, its chain, then depth first every record below it); the paste reads them back into
// a record store and hands each object the records of its type.
#include "deviceinstance/TDeviceInstanzAz.h"
#include "deviceinstance/TFormMainDienste.h"
#include "foundation/SprTexte.h"
#include "foundation/TDatenManager.h"
#include "objectmodel/TAzMelder.h"
#include "objectmodel/TAzScharfschaltungSsb.h"
#include "platform/log/Log.h"
#include "platform/objectbase/E_Basis.h"
#include "platform/objectbase/MainWindowMessages.h"
#include "platform/win/MessageBox.h"

#include <set>

namespace {
constexpr int kTypMelder = 6124;
constexpr int kTypFeuer = 6123;
constexpr int kTypUeberfall = 6125;
constexpr int kTypSb1 = 6127;
constexpr int kTypSb4 = 6130;
constexpr int kBereichFeuer = 5;
constexpr int kBereichUeberfall = 6;
// A chain longer than the records a device can hold is a loop in the data.
constexpr int kMaxKette = 65536;

bool IstSicherungsBereich(int typ) {
    return typ >= kTypSb1 && typ <= kTypSb4;
}

// An empty clipboard store the paste fills record by record.
std::unique_ptr<TDatenManager<TDatenStruktur>> LeererSpeicher() {
    LOG_FKT("DeviceInstanzAz::LeererSpeicher");
    static const char leer = 0;
    return std::make_unique<TDatenManager<TDatenStruktur>>(&leer, 0);
}

// The record and its Next chain out of the clipboard store; false when a chained record is
// missing (the chain ends there).
bool SammleKette(const TDatenManager<TDatenStruktur> &quelle, const TDatenStruktur &erster,
                 TDatenManager<TDatenStruktur> &ziel) {
    LOG_FKT("DeviceInstanzAz::SammleKette");
    ziel.Add(erster);
    int next = erster.Next;
    for (int n = 0; next != 0; ++n) {
        TDatenStruktur glied;
        if (n >= kMaxKette || !quelle.Find("Handle", next, glied))
            return false;
        ziel.Add(glied);
        next = glied.Next;
    }
    return true;
}

void ZeigePasteFehler() {
    LOG_FKT("DeviceInstanzAz::ZeigePasteFehler");
    MessageBox(nullptr, "Erlaubter Datentyp wurde nicht gefunden", "DeviceInstanzAz::Einfuegen", 0);
}
} // namespace

// The lines of one record and the chain behind it, the chain hanging under owner.
void TDeviceInstanzAz::KopiereKette(int system, int owner, TDatenStruktur *record,
                                    TStringList *lines) {
    LOG_FKT("DeviceInstanzAz::KopiereKette");
    lines->Add(record->GetDatensatzZeile());
    for (int n = 0; record->Next != 0 && n < kMaxKette; ++n) {
        record = GetDatenSatz(system, owner, record->Next);
        lines->Add(record->GetDatensatzZeile());
    }
}

int TDeviceInstanzAz::GetCopyData(TDataBasis *object, TStringList *lines) {
    LOG_FKT("DeviceInstanzAz::GetCopyData");
    if (!object || !lines)
        return 1;
    if (object->GetTyp() != kTypMelder)
        return 0;
    KopiereKette(object->GetSystem(), object->GetHandle(), GetDatenSatz(object), lines);
    GetAllChildData(object, lines);
    return 1;
}

void TDeviceInstanzAz::GetAllChildData(TDataBasis *object, TStringList *lines) {
    LOG_FKT("DeviceInstanzAz::GetAllChildData");
    if (!object || !lines)
        return;
    // The object's own chained records hang under it too; their lines went with the object.
    std::vector<TDatenStruktur> kinder;
    TChildRange range;
    GetChildIteratorPair(object, range);
    for (auto it = range.first; it != range.second; ++it)
        if (it->second.Typ != TDataBasis::TypNebenDatensatz)
            kinder.push_back(it->second);
    for (TDatenStruktur &kind : kinder) {
        KopiereKette(object->GetSystem(), kind.Handle, &kind, lines);
        TDataBasis *kindObjekt = nullptr;
        if (GetDataPointer(kind.Handle, kindObjekt) && kindObjekt)
            GetAllChildData(kindObjekt, lines);
    }
}

bool TDeviceInstanzAz::PasteDataToAllChilds(TDataBasis *object,
                                            TDatenManager<TDatenStruktur> *store, AnsiString text) {
    LOG_FKT("DeviceInstanzAz::PasteDataToAllChilds");
    if (!object || !store)
        return false;
    bool ergebnis = true;
    std::set<int> erledigt;
    // A paste may change the children (a bus object switched on or off): walk anew each time.
    for (bool weiter = true; weiter;) {
        weiter = false;
        for (TDataBasis *kind : GetKinder(object)) {
            if (!erledigt.insert(kind->GetHandle()).second)
                continue;
            TDatenStruktur quelle;
            if (!store->Find("Typ", static_cast<int32_t>(kind->GetTyp()), quelle)) {
                ergebnis = false;
            } else {
                auto kette = LeererSpeicher();
                if (!SammleKette(*store, quelle, *kette))
                    ergebnis = false;
                if (!kind->Paste(kette.get(), text))
                    ergebnis = false;
                kind->Write(*GetDatenSatz(kind));
            }
            if (!PasteDataToAllChilds(kind, store, text))
                ergebnis = false;
            weiter = true;
            break;
        }
    }
    return ergebnis;
}

// Answers 0 only when the copy holds nothing that fits the target or cannot be read, or when
// the user keeps a linked sabotage input: the caller then reports the paste as cancelled. Every
// other refusal has shown its own box already (a wrong area, the detector limit) or is no
// paste at all (an object nothing can be pasted onto).
int TDeviceInstanzAz::Einfuegen(TDataBasis *target, TStringList *lines) {
    LOG_FKT("DeviceInstanzAz::Einfuegen");
    if (!target || !lines)
        return 1; // nothing of this version on the clipboard: nothing to do
    try {
        const AnsiString text = lines->Text();
        TDatenManager<TDatenStruktur> store(text.data(), static_cast<int32_t>(text.size()));
        const int zielTyp = target->GetTyp();
        const bool bereichsZiel =
            zielTyp == kTypFeuer || zielTyp == kTypUeberfall || IstSicherungsBereich(zielTyp);
        const int gesucht = bereichsZiel ? kTypMelder : zielTyp;
        TDatenStruktur kopie;
        if (!store.Find("Typ", static_cast<int32_t>(gesucht), kopie)) {
            ZeigePasteFehler();
            return 0;
        }
        const int art = kopie.Param3;
        const int bereich = kopie.Param4;
        bool anmelden = art == TAzMelder::eSabotageSchalteinrichtung;
        bool abmelden = false;
        auto kette = LeererSpeicher();
        if (!SammleKette(store, kopie, *kette))
            ZeigePasteFehler();

        const bool sonderBereich = bereich == kBereichFeuer || bereich == kBereichUeberfall;
        TAzMelder *melder = nullptr;
        bool bereichPasst = true;
        if (zielTyp == kTypFeuer) {
            bereichPasst = bereich == kBereichFeuer;
            if (bereichPasst)
                melder = CreateAzMelderForPaste(MainHandle(), target, true, 0);
        } else if (zielTyp == kTypUeberfall) {
            bereichPasst = bereich == kBereichUeberfall;
            if (bereichPasst)
                melder = CreateAzMelderForPaste(MainHandle(), target, true, 1);
        } else if (IstSicherungsBereich(zielTyp)) {
            bereichPasst = !sonderBereich;
            if (bereichPasst)
                melder = CreateAzMelderForPaste(MainHandle(), target, true, zielTyp - kTypMelder);
        } else if (auto *ziel = dynamic_cast<TAzMelder *>(target)) {
            const int zielBereich = ziel->GetSicherungsBereichMelder();
            if (zielBereich == kBereichFeuer || zielBereich == kBereichUeberfall)
                bereichPasst = bereich == zielBereich;
            else
                bereichPasst = !sonderBereich;
            if (bereichPasst) {
                if (art == ziel->GetMelderArt()) {
                    anmelden = false;
                } else if (ziel->GetMelderArt() == TAzMelder::eSabotageSchalteinrichtung) {
                    if (SaboSeHalter(*ziel) && !SaboSeFreigabeBestaetigt())
                        return 0;
                    abmelden = true;
                }
                melder = ziel;
            }
        }
        if (!bereichPasst)
            MessageBox(MainHandle(), SprText(11222), SprText(11221), 0);
        // A detector that could not be made (the limit) has shown its box; a detector made for
        // the paste stays even when its children could not all be pasted.
        if (melder) {
            AnsiString meldung;
            const int nummer = melder->GetMelderNr();
            const int altBereich = melder->GetSicherungsBereichMelder();
            melder->Paste(kette.get(), meldung);
            melder->Write(*GetDatenSatz(melder));
            PasteDataToAllChilds(melder, &store, meldung);
            if (abmelden) {
                if (TAzScharfschaltungSsb *ssb = GetPointerInstScharfschaltungSsb(altBereich))
                    ssb->UnlinkMelderNrSaboSe(nummer);
                ClearMelderSaboSeFromList(nummer, altBereich);
            }
            if (anmelden)
                SetMelderSaboSeToList(nummer, melder->GetSicherungsBereichMelder());
        }
        AzMsg::Post(MainHandle(), AzMsg::AbgleichFormVerw{0, 0});
        return 1;
    } catch (const E_Basis &e) {
        MessageBox(MainHandle(), e.Message, SprText(11366), 0);
    } catch (const E_DatenManager &e) {
        MessageBox(MainHandle(), e.Message, SprText(11366), 0);
    } catch (const E_DatenStruktur &e) {
        MessageBox(MainHandle(), e.Message, SprText(11366), 0);
    }
    return 0;
}

int TDeviceInstanzAz::CheckForDeleteGlobalDeviceObjects(bool) {
    LOG_FKT("DeviceInstanzAz::CheckForDeleteGlobalDeviceObjects");
    return 0;
}
