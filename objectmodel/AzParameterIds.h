// The device-parameter ids of a panel class whose ids depend on a selector (the arming area,
// the alarm type, the case of the transmission device): the selector's setter, and after a
// load the init operation that the device instance calls, choose them for one selector value.
// Loading a record never does.
//
// The ids count only for the selector value they were chosen for. Until then, and after the
// selector was changed to a value without ids of its own, the object writes no device
// parameter: never to id 0, never to the ids of another area or alarm type.
//
//   TAzParameterIds<6> FIds;
//   SetScharfschaltBereich(n): FBereich = n; if (1 <= n && n <= 4) FIds.Setze(n, {...});
//   WriteDataToDb():           return Felder().WriteDataToDb(*this, FIds, FBereich);
#pragma once

#include "platform/log/Log.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

template <size_t N> class TAzParameterIds {
public:
    using TIds = std::array<int16_t, N>; // 0: no parameter at that place

    // The ids of that selector value.
    void Setze(int32_t selektor, const TIds &ids) {
        LOG_FKT("TAzParameterIds::Setze");
        FSelektor = selektor;
        FIds = ids;
    }
    // The ids chosen for that selector value; null when none were.
    const TIds *Fuer(int32_t selektor) const {
        LOG_FKT("TAzParameterIds::Fuer");
        return FSelektor == selektor ? &FIds : nullptr;
    }

private:
    std::optional<int32_t> FSelektor;
    TIds FIds{};
};
