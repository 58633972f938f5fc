#include "reconstruction/TRecoFelder.h"

#include "foundation/SprTexte.h"
#include "platform/log/Log.h"

#include <algorithm>

namespace RecoFeld {

namespace {
// The constant arguments of every bus object: 3 and 4 empty texts, 6 zero, 10 fifteen, 11 to
// 13 zero.
constexpr int kArg6 = 0;
constexpr int kArg10 = 15;
} // namespace

AnsiString TText::Get() const {
    LOG_FKT("RecoFeld::TText::Get");
    AnsiString text = Vorsatz ? Vorsatz : "";
    if (Id != 0)
        text += SprText(Id);
    return text;
}

bool TErlaubt::Enthaelt(uint32_t wert) const {
    LOG_FKT("RecoFeld::TErlaubt::Enthaelt");
    if (!Liste.empty())
        return std::find(Liste.begin(), Liste.end(), wert) != Liste.end();
    return wert >= Von && wert <= Bis;
}

bool Lese(const TRecoDataManagament &daten, const TFeld &feld, uint32_t k, uint32_t &wert) {
    LOG_FKT("RecoFeld::Lese");
    const uint32_t adresse = feld.Adresse + feld.Schritt * k;
    switch (feld.Art) {
    case TArt::Byte: {
        unsigned char b = 0;
        if (!daten.GetByteFromAddr(adresse, b))
            return false;
        wert = b;
        return true;
    }
    case TArt::Word: {
        unsigned short w = 0;
        if (!daten.GetWordFromAddr(adresse, w))
            return false;
        wert = w;
        return true;
    }
    case TArt::DWord:
        return daten.GetDWordFromAddr(adresse, wert);
    case TArt::Bits: {
        unsigned char b = 0;
        if (!daten.GetBitsFromAddr(adresse, feld.ErstesBit, feld.Anzahl, b))
            return false;
        wert = b;
        return true;
    }
    case TArt::TextIndex: {
        unsigned char hoch = 0;
        unsigned char tief = 0;
        if (!daten.GetBitsFromAddr(adresse, 0, 5, hoch) ||
            !daten.GetBitsFromAddr(adresse + 1, 6, 2, tief))
            return false;
        wert = static_cast<uint32_t>(hoch) * 4 + tief;
        return true;
    }
    }
    return false;
}

bool LeseFelder(const TRecoDataManagament &daten, std::span<const TFeld> felder, uint32_t k,
                TDatenStruktur &record, TRecoErrors *errors, const AnsiString &objekt) {
    LOG_FKT("RecoFeld::LeseFelder");
    for (const TFeld &feld : felder) {
        uint32_t wert = 0;
        if (!Lese(daten, feld, k, wert))
            return false;
        if (!feld.Erlaubt.Enthaelt(wert)) {
            if (feld.Param)
                record.*feld.Param = feld.StandardWert;
            if (feld.Bool)
                record.*feld.Bool = feld.StandardBool;
            for (const TMeldung &meldung : feld.Meldungen)
                if (errors && (meldung.Caption.Id != 0 || *meldung.Caption.Vorsatz != '\0'))
                    errors->ErrorDefaultParam(objekt, meldung.Caption.Get(), meldung.Standard.Get(),
                                              "");
            continue;
        }
        if (feld.Param)
            record.*feld.Param = static_cast<int32_t>(wert);
        if (feld.Bool)
            record.*feld.Bool = feld.Schalter == TSchalter::Nicht255 ? wert != 255 : wert != 0;
    }
    return true;
}

bool MacheBusObjekte(TRecoObjectManagement *objekte, std::span<const TBusObjekt> busObjekte,
                     uint32_t k, int parent) {
    LOG_FKT("RecoFeld::MacheBusObjekte");
    if (!objekte)
        return busObjekte.empty();
    const int i = static_cast<int>(k);
    for (const TBusObjekt &o : busObjekte) {
        const int nummer = o.Nummer + o.NummerSchritt * i;
        if (!objekte->RecoObjekt(nummer, parent, "", "", o.Arg5Nummer ? nummer : o.Arg5, kArg6,
                                 o.Arg7, o.Arg8 + o.Arg8Schritt * i, o.Arg9, kArg10, 0, 0, 0))
            return false;
    }
    return true;
}

} // namespace RecoFeld
