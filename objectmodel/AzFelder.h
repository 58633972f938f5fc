// The members of a panel class that live in its record and, most of them, in a device
// parameter: one table per class serves InitFromDB, Write and WriteDataToDb, so a member's
// record field and parameter id are written down once.
//
//   const TAzFelder<TAzX> &TAzX::Felder() {
//       static const TAzFelder<TAzX> felder{
//           {&TAzX::FZeit, &TDatenStruktur::Param9, 10110}, // record field, parameter id
//           {&TAzX::FFlag, &TDatenStruktur::Bool3},         // record only
//           {&TAzX::FText, &TDatenStruktur::String4},       // text, record only
//       };
//       return felder;
//   }
//   InitFromDB: base first, then Felder().InitFromDB(*this, record);
//   Write:      base first, then Felder().Write(*this, record);
//   WriteDataToDb: return AzWriteDeviceParams(GetWindowHandle(), Felder().DeviceParams(*this));
//
// Conversions, for any integral, bool or enum member: into a Param field the value widened to
// 32 bits (a signed byte sign-extended, an unsigned byte 0 .. 255, a bool 0 or 1, an unsigned
// word bit for bit); out of a Param field its low bits (a byte member takes the low byte, a
// bool member "not 0"); a Bool field holds "member not 0"; a device parameter is the member
// widened as for a Param field. Parameters are written in table order.
#pragma once

#include "foundation/TDatenStruktur.h"
#include "objectmodel/AzDeviceParam.h"
#include "platform/log/Log.h"

#include <functional>
#include <initializer_list>
#include <vector>

template <class Obj> class TAzFeld {
public:
    template <class M>
    TAzFeld(M Obj::*member, int32_t TDatenStruktur::*field, int16_t paramId = 0)
        : ParamId(paramId),
          FInit([=](Obj &o, const TDatenStruktur &r) { o.*member = static_cast<M>(r.*field); }),
          FWrite(
              [=](const Obj &o, TDatenStruktur &r) { r.*field = static_cast<int32_t>(o.*member); }),
          FWert([=](const Obj &o) { return static_cast<int32_t>(o.*member); }) {
        LOG_FKT("TAzFeld::TAzFeld");
    }

    template <class M>
    TAzFeld(M Obj::*member, bool TDatenStruktur::*field, int16_t paramId = 0)
        : ParamId(paramId),
          FInit([=](Obj &o, const TDatenStruktur &r) { o.*member = static_cast<M>(r.*field); }),
          FWrite([=](const Obj &o, TDatenStruktur &r) {
              r.*field = static_cast<int32_t>(o.*member) != 0;
          }),
          FWert([=](const Obj &o) { return static_cast<int32_t>(o.*member); }) {
        LOG_FKT("TAzFeld::TAzFeld");
    }

    // A text member in a String field: record only (a panel text is written as four
    // parameters of its own, AzDeviceParam.h).
    TAzFeld(AnsiString Obj::*member, AnsiString TDatenStruktur::*field)
        : ParamId(0), FInit([=](Obj &o, const TDatenStruktur &r) { o.*member = r.*field; }),
          FWrite([=](const Obj &o, TDatenStruktur &r) { r.*field = o.*member; }),
          FWert([](const Obj &) { return 0; }) {
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

    int16_t ParamId; // 0: the member has no device parameter

private:
    std::function<void(Obj &, const TDatenStruktur &)> FInit;
    std::function<void(const Obj &, TDatenStruktur &)> FWrite;
    std::function<int32_t(const Obj &)> FWert;
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
    // The members that have a device parameter, in table order.
    std::vector<TAzParameter> DeviceParams(const Obj &o) const {
        LOG_FKT("TAzFelder::DeviceParams");
        std::vector<TAzParameter> params;
        for (const auto &f : FFelder)
            if (f.ParamId != 0)
                params.push_back({f.ParamId, f.Wert(o)});
        return params;
    }

private:
    std::vector<TAzFeld<Obj>> FFelder;
};
