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
    TFakeMainWindow main;
    std::map<std::string, int> modell = {
        {"Sb1", TAzSicherungsBereich1(main.Handle(), 1, 1, "", 1).GetTyp() - 6126},
        {"Sb2", TAzSicherungsBereich2(main.Handle(), 1, 1, "", 1).GetTyp() - 6126},
        {"Sb3", TAzSicherungsBereich3(main.Handle(), 1, 1, "", 1).GetTyp() - 6126},
        {"Sb4", TAzSicherungsBereich4(main.Handle(), 1, 1, "", 1).GetTyp() - 6126},
    };
#define RECO_ENUM(name, enumerator) modell[name] = enumerator;
#include "RecoEnumNamen.inc"
#undef RECO_ENUM
    EXPECT_EQ(RecoEnumWerte(), modell);
    EXPECT_EQ(modell.size(), 25u);
}

} // namespace
