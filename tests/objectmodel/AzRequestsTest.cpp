// The request catalogue: one entry per message, sender type and code; the lookup a receiver
// makes (a type's own entries first, the any-type entries only for types without their own);
// every entry names only fields of the record.
#include "objectmodel/AzRequests.h"
#include "objectmodel/AzKlassen.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <tuple>

namespace {

TEST(AzRequests, EachMessageTypeAndCodeOnce) {
    std::set<std::tuple<UINT, int, int>> keys;
    std::set<std::string> names;
    for (const AzRequest::TInfo &info : AzRequest::Katalog) {
        SCOPED_TRACE(info.Name);
        EXPECT_TRUE(keys.insert({info.Msg, info.SenderTyp, info.Code}).second);
        EXPECT_TRUE(names.insert(info.Name).second);
        EXPECT_TRUE(info.Msg == WM_AZ_DEVICE_REQUEST || info.Msg == WM_AZ_DEVICE_REQUEST_2);
        EXPECT_NE(std::string(info.Result), "");
        constexpr unsigned alle = AzRequest::Wert | AzRequest::Wert2 | AzRequest::Wert3 |
                                  AzRequest::Wert4 | AzRequest::Variante | AzRequest::Text |
                                  AzRequest::Text2 | AzRequest::Liste | AzRequest::EtsObjekte |
                                  AzRequest::SubGroupObjekte;
        EXPECT_EQ(info.In & ~alle, 0u);
        EXPECT_EQ(info.Out & ~alle, 0u);
    }
}

TEST(AzRequests, RequestsOfMessage1133ComeFromPanelClasses) {
    for (const AzRequest::TInfo &info : AzRequest::Katalog) {
        if (info.Msg != WM_AZ_DEVICE_REQUEST)
            continue;
        SCOPED_TRACE(info.Name);
        bool panel = false;
        for (const TAzKlasse *k : AzKlasse::Alle)
            panel = panel || k->Typ == info.SenderTyp;
        EXPECT_TRUE(panel);
    }
}

struct FindCase {
    UINT msg;
    int typ;
    uint8_t code;
    const char *name; // null: refused
};

TEST(AzRequests, FindTakesTheTypesOwnEntriesBeforeTheAnyTypeOnes) {
    const FindCase cases[] = {
        {WM_AZ_DEVICE_REQUEST, AzKlasse::Melder.Typ, AzRequest::SaboSeZugeordnet,
         "SaboSeZugeordnet"},
        {WM_AZ_DEVICE_REQUEST, AzKlasse::Melder.Typ, AzRequest::SaboSeLoeschen, "SaboSeLoeschen"},
        {WM_AZ_DEVICE_REQUEST_2, AzKlasse::Melder.Typ, AzRequest::EtsObjektHinzufuegen,
         "EtsObjektHinzufuegen"}, // the same code, the other message
        {WM_AZ_DEVICE_REQUEST, AzKlasse::EibAlarmSystemSicherheit.Typ,
         AzRequest::FunktionsUeberwachung, "FunktionsUeberwachung"},
        {WM_AZ_DEVICE_REQUEST_2, AzKlasse::EibAlarmSystemSicherheit.Typ, AzRequest::DefaultName,
         "DefaultName"}, // the same code, the other message
        {WM_AZ_DEVICE_REQUEST_2, AzKlasse::OrdnerAnzeige.Typ, AzRequest::EtsObjektLesen,
         "EtsObjektLesen"},
        {WM_AZ_DEVICE_REQUEST, AzKlasse::System.Typ, AzRequest::VarianteDialog, "VarianteDialog"},
        {WM_AZ_DEVICE_REQUEST, AzKlasse::System.Typ, AzRequest::VarianteAnwenden,
         "VarianteAnwenden"},
        {WM_AZ_DEVICE_REQUEST_2, AzRequest::TypGrpAdrSub, AzRequest::ObjektDataFromSubGroup,
         "ObjektDataFromSubGroup"},
        {WM_AZ_DEVICE_REQUEST_2, AzRequest::TypGrpAdrSub, AzRequest::DefaultName, nullptr},
        {WM_AZ_DEVICE_REQUEST_2, AzKlasse::Melder.Typ, AzRequest::ObjektDataFromSubGroup, nullptr},
        {WM_AZ_DEVICE_REQUEST, AzKlasse::Melder.Typ, AzRequest::DefaultName, nullptr},
        {WM_AZ_DEVICE_REQUEST, AzKlasse::OrdnerAnzeige.Typ, AzRequest::AnzeigeSchalten, nullptr},
        {WM_AZ_DEVICE_REQUEST, AzKlasse::Anzeige.Typ, AzRequest::AnzeigeSchalten,
         "AnzeigeSchalten"},
        {WM_AZ_SET_MODIFIED, AzKlasse::Anzeige.Typ, AzRequest::AnzeigeSchalten, nullptr},
    };
    for (const FindCase &c : cases) {
        SCOPED_TRACE(testing::Message() << c.msg << " " << c.typ << " " << int(c.code));
        const AzRequest::TInfo *info = AzRequest::Find(c.msg, c.typ, c.code);
        if (!c.name) {
            EXPECT_EQ(info, nullptr);
            continue;
        }
        ASSERT_NE(info, nullptr);
        EXPECT_STREQ(info->Name, c.name);
        EXPECT_EQ(info->Code, c.code);
    }
}

} // namespace
