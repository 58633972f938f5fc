#include "RecoEnumWerte.h"

#include "reconstruction/RecoEnums.h"

#include <type_traits>

namespace {
template <class E>
constexpr bool IstByte = sizeof(E) == 1 && std::is_signed_v<std::underlying_type_t<E>>;
static_assert(IstByte<T_DB_EnumAzMelder::TEnumSicherungsBereich>);
static_assert(IstByte<T_DB_EnumAzScharfschaltungSsb::TEnumScharfschaltBereich>);
static_assert(IstByte<T_DB_EnumScharfUnscharfQuittierungSsb::TEnumScharfschaltBereich>);
static_assert(IstByte<T_DB_EnumAzAlarmierung::TEnumAlarmierungTyp>);
static_assert(IstByte<T_DB_EnumAzAnzeige::TEnumAnzeigeNr>);
static_assert(IstByte<T_DB_EnumAzVerhaltenDurchUeGR::TEnumUeGBereich>);
} // namespace

std::map<std::string, int> RecoEnumWerte() {
    std::map<std::string, int> werte = {
        {"Sb1", T_DB_EnumAzMelder::eSb1},
        {"Sb2", T_DB_EnumAzMelder::eSb2},
        {"Sb3", T_DB_EnumAzMelder::eSb3},
        {"Sb4", T_DB_EnumAzMelder::eSb4},
    };
#define RECO_ENUM(name, enumerator) werte[name] = enumerator;
#include "RecoEnumNamen.inc"
#undef RECO_ENUM
    return werte;
}
