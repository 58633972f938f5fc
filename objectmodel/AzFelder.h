// The members of a panel class that live in its record and, most of them, in a device
// parameter: one table per class serves InitFromDB, Write and WriteDataToDb, and the grid's
// yes/no rows with their handler, so a member's record field, parameter id and row are written
// down once.
//
//   const TAzFelder<TAzX> &TAzX::Felder() {
//       static const TAzFelder<TAzX> felder{
//           {&TAzX::FZeit, &TDatenStruktur::Param9, 10110}, // record field, parameter id
//           {&TAzX::FFlag, &TDatenStruktur::Bool3},         // record only
//           {&TAzX::FText, &TDatenStruktur::String1},       // a text: record only
//           {&TAzX::FBlitz, &TDatenStruktur::Bool4, TAzSlot{1}, {RowBlitz, 11040}},
//       };                                  // the selector's id 1, a yes/no row with caption
//       return felder;
//   }
//   InitFromDB: base first, then Felder().InitFromDB(*this, record);
//   Write:      base first, then Felder().Write(*this, record);
//   WriteDataToDb: return AzWriteDeviceParams(GetWindowHandle(), Felder().DeviceParams(*this));
//   with ids that a selector picks (AzParameterIds.h):
//                  return Felder().WriteDataToDb(*this, FIds, FSelektor);
//   BuildInfoWindow: Felder().AddJaNeinZeile(*this, grid, RowBlitz, newRow);
//   GridComboBoxChange: if (!Felder().ComboBoxChange(*this, cell.RowId, *combo, e, FSelektor))
//                           ... the class's other rows ...
//
// Conversions, for any integral, bool or enum member: into a Param field the value widened to
// 32 bits (a signed byte sign-extended, an unsigned byte 0 .. 255, a bool 0 or 1, an unsigned
// word bit for bit); out of a Param field its low bits (a byte member takes the low byte, a
// bool member "not 0"); a Bool field holds "member not 0"; a device parameter is the member
// widened as for a Param field. Parameters are written in table order.
#pragma once

#include "foundation/SprTexte.h"
#include "foundation/TDatenStruktur.h"
#include "objectmodel/AzDeviceParam.h"
#include "objectmodel/AzGrid.h"
#include "objectmodel/AzParameterIds.h"
#include "platform/log/Log.h"

#include <functional>
#include <initializer_list>
#include <vector>

// A field's parameter whose id the object's selector picks: the place in its id set.
struct TAzSlot {
    int Index;
};

// A field's device parameter: a fixed id (0: none), or a place in the selector's id set.
struct TAzParam {
    TAzParam() = default;
    TAzParam(int id) : Id(static_cast<int16_t>(id)) {}
    TAzParam(TAzSlot slot) : Slot(slot.Index) {}

    int16_t Id = 0;
    int Slot = -1;
};

// A yes/no row of the grid that shows a field (item 0 "Nein", item 1 "Ja").
struct TAzJaNein {
    int RowId = 0;     // 0: the field has no yes/no row
    int CaptionId = 0; // UI text of the caption
    // Non-zero: a toggle backed by this request (AzAnfrageUmschalter); the view is rebuilt
    // when the device instance agrees.
    uint8_t Anfrage = 0;
    // A plain row whose change rebuilds the view (1126) instead of refreshing the other
    // project windows (1163).
    bool Post1126 = false;
};

template <class Obj> class TAzFeld {
public:
    template <class M>
    TAzFeld(M Obj::*member, int32_t TDatenStruktur::*field, TAzParam param = {},
            TAzJaNein zeile = {})
        : ParamId(param.Id), Slot(param.Slot), Zeile(zeile),
          FInit([=](Obj &o, const TDatenStruktur &r) { o.*member = static_cast<M>(r.*field); }),
          FWrite(
              [=](const Obj &o, TDatenStruktur &r) { r.*field = static_cast<int32_t>(o.*member); }),
          FWert([=](const Obj &o) { return static_cast<int32_t>(o.*member); }),
          FSetze([=](Obj &o, int32_t v) { o.*member = static_cast<M>(v); }) {
        LOG_FKT("TAzFeld::TAzFeld");
    }

    template <class M>
    TAzFeld(M Obj::*member, bool TDatenStruktur::*field, TAzParam param = {}, TAzJaNein zeile = {})
        : ParamId(param.Id), Slot(param.Slot), Zeile(zeile),
          FInit([=](Obj &o, const TDatenStruktur &r) { o.*member = static_cast<M>(r.*field); }),
          FWrite([=](const Obj &o, TDatenStruktur &r) {
              r.*field = static_cast<int32_t>(o.*member) != 0;
          }),
          FWert([=](const Obj &o) { return static_cast<int32_t>(o.*member); }),
          FSetze([=](Obj &o, int32_t v) { o.*member = static_cast<M>(v); }) {
        LOG_FKT("TAzFeld::TAzFeld");
    }

    // A text: record only.
    TAzFeld(AnsiString Obj::*member, AnsiString TDatenStruktur::*field)
        : FInit([=](Obj &o, const TDatenStruktur &r) { o.*member = r.*field; }),
          FWrite([=](const Obj &o, TDatenStruktur &r) { r.*field = o.*member; }),
          FWert([](const Obj &) { return 0; }), FSetze([](Obj &, int32_t) {}) {
        LOG_FKT("TAzFeld::TAzFeld");
    }

    void InitFromDB(Obj &o, const TDatenStruktur &r) const {
        LOG_FKT("TAzFeld::InitFromDB");
        FInit(o, r);
    }
    void Write(const Obj &o, TDatenStruktur &r) const {
        LOG_FKT("TAzFeld::Write");
        FWrite(o, r);
    }
    int32_t Wert(const Obj &o) const {
        LOG_FKT("TAzFeld::Wert");
        return FWert(o);
    }
    void Setze(Obj &o, int32_t wert) const {
        LOG_FKT("TAzFeld::Setze");
        FSetze(o, wert);
    }

    int16_t ParamId = 0; // 0: the member has no device parameter of a fixed id
    int Slot = -1;       // >= 0: its parameter's id is that place of the selector's id set
    TAzJaNein Zeile;

private:
    std::function<void(Obj &, const TDatenStruktur &)> FInit;
    std::function<void(const Obj &, TDatenStruktur &)> FWrite;
    std::function<int32_t(const Obj &)> FWert;
    std::function<void(Obj &, int32_t)> FSetze;
};

template <class Obj> class TAzFelder {
public:
    TAzFelder(std::initializer_list<TAzFeld<Obj>> felder) : FFelder(felder) {
        LOG_FKT("TAzFelder::TAzFelder");
    }

    void InitFromDB(Obj &o, const TDatenStruktur &r) const {
        LOG_FKT("TAzFelder::InitFromDB");
        for (const auto &f : FFelder)
            f.InitFromDB(o, r);
    }
    void Write(const Obj &o, TDatenStruktur &r) const {
        LOG_FKT("TAzFelder::Write");
        for (const auto &f : FFelder)
            f.Write(o, r);
    }
    // The members that have a device parameter of a fixed id, in table order.
    std::vector<TAzParameter> DeviceParams(const Obj &o) const {
        LOG_FKT("TAzFelder::DeviceParams");
        return DeviceParams(o, std::array<int16_t, 0>{});
    }
    // The same with the selector's id set: a member at a place whose id is 0 has no parameter.
    template <size_t N>
    std::vector<TAzParameter> DeviceParams(const Obj &o, const std::array<int16_t, N> &ids) const {
        LOG_FKT("TAzFelder::DeviceParams");
        std::vector<TAzParameter> params;
        for (const auto &f : FFelder) {
            int16_t id = f.ParamId;
            if (f.Slot >= 0 && static_cast<size_t>(f.Slot) < N)
                id = ids[static_cast<size_t>(f.Slot)];
            if (id != 0)
                params.push_back({id, f.Wert(o)});
        }
        return params;
    }
    // WriteDataToDb of a class whose ids a selector picks: the parameters when the ids were
    // chosen for the selector value the object holds; otherwise nothing (not even the writer
    // is asked for) and false.
    template <size_t N>
    bool WriteDataToDb(const Obj &o, const TAzParameterIds<N> &ids, int32_t selektor) const {
        LOG_FKT("TAzFelder::WriteDataToDb");
        const auto *gewaehlt = ids.Fuer(selektor);
        if (!gewaehlt)
            return false;
        return AzWriteDeviceParams(o.GetWindowHandle(), DeviceParams(o, *gewaehlt));
    }

    // Adds the yes/no row of the field shown in row rowId (newRow as for every row builder);
    // answers the grid row, or -1 when no field has that row.
    int AddJaNeinZeile(Obj &o, TDrawGridSE *grid, int rowId, bool newRow) const {
        LOG_FKT("TAzFelder::AddJaNeinZeile");
        const TAzFeld<Obj> *f = JaNeinFeld(rowId);
        if (!f)
            return -1;
        return o.AddRowComboBoxYes(
            grid, SprText(f->Zeile.CaptionId), rowId,
            f->Wert(o) != 0 ? T_DB_EnumDataBasis::eTrue : T_DB_EnumDataBasis::eFalse, 0, newRow);
    }
    // The grid's combo box changed in row rowId. False when that is none of the table's yes/no
    // rows (the class handles its other rows). Otherwise the field takes the choice; when it
    // changed, a plain row sets Write and Post1163 (or Post1126), a toggle backed by a request
    // asks the device instance (AzAnfrageUmschalter with anfrageWert, the object's selector)
    // and keeps the old value when refused. An unchanged choice sets nothing.
    bool ComboBoxChange(Obj &o, int rowId, const TDrawGridSEComboBox &combo, TAzEpilog &e,
                        int32_t anfrageWert = 0) const {
        LOG_FKT("TAzFelder::ComboBoxChange");
        const TAzFeld<Obj> *f = JaNeinFeld(rowId);
        if (!f)
            return false;
        bool neu = false;
        if (!AzJaNeinWert(combo, neu))
            return true;
        const int32_t alt = f->Wert(o);
        if ((alt != 0) == neu)
            return true;
        f->Setze(o, neu ? 1 : 0);
        if (f->Zeile.Anfrage != 0) {
            if (!AzAnfrageUmschalter(o, f->Zeile.Anfrage, anfrageWert, neu, e))
                f->Setze(o, alt);
        } else {
            e.Write = true;
            (f->Zeile.Post1126 ? e.Post1126 : e.Post1163) = true;
        }
        return true;
    }

    // GridComboBoxChange of a class whose combo rows are all yes/no rows of its table.
    void GridComboBoxChange(Obj &o, TObject *sender, const TCell &cell, int col, int row,
                            int32_t anfrageWert = 0) const {
        LOG_FKT("TAzFelder::GridComboBoxChange");
        auto *combo = dynamic_cast<TDrawGridSEComboBox *>(sender);
        if (!combo)
            return;
        TAzEpilog e;
        ComboBoxChange(o, cell.RowId, *combo, e, anfrageWert);
        e.Run(o, col, row);
    }

private:
    const TAzFeld<Obj> *JaNeinFeld(int rowId) const {
        LOG_FKT("TAzFelder::JaNeinFeld");
        if (rowId == 0)
            return nullptr;
        for (const auto &f : FFelder)
            if (f.Zeile.RowId == rowId)
                return &f;
        return nullptr;
    }

    std::vector<TAzFeld<Obj>> FFelder;
};
