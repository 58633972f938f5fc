#include "deviceinstance/AzFabrik.h"

#include "objectmodel/TAzAlarmdauer.h"
#include "objectmodel/TAzAlarmierung.h"
#include "objectmodel/TAzAnzeige.h"
#include "objectmodel/TAzDatumUhrzeit.h"
#include "objectmodel/TAzEditierbareTexte.h"
#include "objectmodel/TAzEibAlarmSystemSicherheit.h"
#include "objectmodel/TAzEibObjekteZurAlarmierung.h"
#include "objectmodel/TAzMelder.h"
#include "objectmodel/TAzOrdner.h"
#include "objectmodel/TAzOrdnerAnzeige.h"
#include "objectmodel/TAzSabotageKontakt.h"
#include "objectmodel/TAzScharfUnscharfQuittierungSsb.h"
#include "objectmodel/TAzScharfschaltBereich.h"
#include "objectmodel/TAzScharfschaltungSsb.h"
#include "objectmodel/TAzSicherungsBereich.h"
#include "objectmodel/TAzSicherungsBereichFeuerUeberfall.h"
#include "objectmodel/TAzSystem.h"
#include "objectmodel/TAzVerhaltenDurchUegR.h"
#include "platform/busobjects/TEtsObjekt.h"
#include "platform/log/Log.h"

#include <array>

namespace {

template <class T> std::unique_ptr<TDataBasis> Neu(HWND window, const TDatenStruktur &r) {
    return std::make_unique<T>(window, r.System, r.Parent, r.Name, r.Handle);
}
// The root's device id and spare id come from its record when it is loaded.
template <> std::unique_ptr<TDataBasis> Neu<TAzSystem>(HWND window, const TDatenStruktur &r) {
    return std::make_unique<TAzSystem>(window, r.System, r.Parent, r.Name, 0, 0, r.Handle);
}
// A bus object's values come from its record when it is loaded.
template <> std::unique_ptr<TDataBasis> Neu<TEtsObjekt>(HWND window, const TDatenStruktur &r) {
    return std::make_unique<TEtsObjekt>(window, r.System, r.Parent, r.Name, -1, -1, -1, -1, -1, -1,
                                        0, 0, 1, 0, r.Handle);
}

template <class T> bool Schreibe(TDataBasis &object) {
    auto *t = dynamic_cast<T *>(&object);
    return t && t->WriteDataToDb();
}

template <class T, bool schreibt> constexpr TAzFabrikEintrag Eintrag(int16_t typ) {
    if constexpr (schreibt)
        return {typ, &Neu<T>, &Schreibe<T>};
    else
        return {typ, &Neu<T>, nullptr};
}

// clang-format off
constexpr std::array Tabelle = {
    Eintrag<TAzSystem,                       true >(105),
    Eintrag<TEtsObjekt,                      false>(TEtsObjekt::Typ),
    Eintrag<TAzEditierbareTexte,             true >(6121),
    Eintrag<TAzOrdnerSicherungsBereich,      false>(6122),
    Eintrag<TAzSicherungsBereichFeuer,       false>(6123),
    Eintrag<TAzMelder,                       true >(6124),
    Eintrag<TAzSicherungsBereichUeberfall,   false>(6125),
    Eintrag<TAzSabotageKontakt,              true >(6126),
    Eintrag<TAzSicherungsBereich1,           false>(6127),
    Eintrag<TAzSicherungsBereich2,           false>(6128),
    Eintrag<TAzSicherungsBereich3,           false>(6129),
    Eintrag<TAzSicherungsBereich4,           false>(6130),
    Eintrag<TAzOrdnerScharfschaltung,        false>(6131),
    Eintrag<TAzScharfschaltBereich1,         true >(6132),
    Eintrag<TAzScharfschaltBereich2,         true >(6133),
    Eintrag<TAzScharfschaltBereich3,         true >(6134),
    Eintrag<TAzScharfschaltBereich4,         true >(6135),
    Eintrag<TAzScharfschaltungSsb,           true >(6136),
    Eintrag<TAzScharfUnscharfQuittierungSsb, true >(6137),
    Eintrag<TAzAlarmierung,                  true >(6138),
    Eintrag<TAzOrdnerAlarmierung,            false>(6139),
    Eintrag<TAzAlarmdauer,                   true >(6140),
    Eintrag<TAzEibObjekteZurAlarmierung,     false>(6141),
    Eintrag<TAzOrdnerAnzeige,                true >(6142),
    Eintrag<TAzAnzeige,                      true >(6143),
    Eintrag<TAzOrdnerSicherheitStoerung,     false>(6144),
    Eintrag<TAzEibAlarmSystemSicherheit,     true >(6145),
    Eintrag<TAzVerhaltenDurchUegR,           true >(6146),
    Eintrag<TAzDatumUhrzeit,                 true >(6147),
};
// clang-format on

} // namespace

const TAzFabrikEintrag *AzFabrik::VonTyp(int typ) {
    LOG_FKT("AzFabrik::VonTyp");
    for (const TAzFabrikEintrag &e : Tabelle)
        if (e.Typ == typ)
            return &e;
    return nullptr;
}
