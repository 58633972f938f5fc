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
    namespace M = T_DB_EnumAzMelder;
    namespace S = T_DB_EnumAzScharfschaltungSsb;
    namespace Q = T_DB_EnumScharfUnscharfQuittierungSsb;
    namespace A = T_DB_EnumAzAlarmierung;
    namespace Z = T_DB_EnumAzAnzeige;
    namespace V = T_DB_EnumAzVerhaltenDurchUeGR;
    return {
        {"Sb1", M::eSb1},
        {"Sb2", M::eSb2},
        {"Sb3", M::eSb3},
        {"Sb4", M::eSb4},
        {"Ssb.1", S::eSsb1},
        {"Ssb.2", S::eSsb2},
        {"Ssb.3", S::eSsb3},
        {"Ssb.4", S::eSsb4},
        {"Quitt.1", Q::eSsb1},
        {"Quitt.2", Q::eSsb2},
        {"Quitt.3", Q::eSsb3},
        {"Quitt.4", Q::eSsb4},
        {"Alarm.Feuer", A::eFeuer},
        {"Alarm.Ueberfall", A::eUeberfall},
        {"Alarm.Sabotage", A::eSabotageExternScharf},
        {"Alarm.Ssb1", A::eSsb1},
        {"Alarm.Ssb2", A::eSsb2},
        {"Alarm.Ssb3", A::eSsb3},
        {"Alarm.Ssb4", A::eSsb4},
        {"Anzeige1", Z::eAnzeige1},
        {"Anzeige2", Z::eAnzeige2},
        {"Anzeige3", Z::eAnzeige3},
        {"Anzeige4", Z::eAnzeige4},
        {"UeG.Ueberfall", V::eUeberfall},
        {"UeG.Einbruch", V::eEinbruch},
    };
}
