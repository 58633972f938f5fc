// The reconstruction's numbering enumerations carry the object model's values: a record made
// with one is read by the object model with the same meaning. The security areas have no
// enumeration in the object model; their number gives the area's type id there.
#include "FakeMainWindow.h"
#include "RecoEnumWerte.h"
#include "objectmodel/TAzAlarmierung.h"
#include "objectmodel/TAzOrdnerAnzeige.h"
#include "objectmodel/TAzScharfUnscharfQuittierungSsb.h"
#include "objectmodel/TAzScharfschaltungSsb.h"
#include "objectmodel/TAzSicherungsBereich.h"
#include "objectmodel/TAzVerhaltenDurchUegR.h"

#include <gtest/gtest.h>

namespace {

TEST(RecoEnums, CarryTheObjectModelsValues) {
    namespace S = T_DB_EnumAzScharfschaltungSsb;
    namespace Q = T_DB_EnumScharfUnscharfQuittierungSsb;
    namespace A = T_DB_EnumAzAlarmierung;
    namespace Z = T_DB_EnumAzAnzeige;
    namespace V = T_DB_EnumAzVerhaltenDurchUeGR;
    TFakeMainWindow main;
    const std::map<std::string, int> modell = {
        {"Sb1", TAzSicherungsBereich1(main.Handle(), 1, 1, "", 1).GetTyp() - 6126},
        {"Sb2", TAzSicherungsBereich2(main.Handle(), 1, 1, "", 1).GetTyp() - 6126},
        {"Sb3", TAzSicherungsBereich3(main.Handle(), 1, 1, "", 1).GetTyp() - 6126},
        {"Sb4", TAzSicherungsBereich4(main.Handle(), 1, 1, "", 1).GetTyp() - 6126},
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
    EXPECT_EQ(RecoEnumWerte(), modell);
}

} // namespace
