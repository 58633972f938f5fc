// UI texts by string id.
#include "foundation/SprTexte.h"
#include "platform/vcl/Cp1252.h"

#include <gtest/gtest.h>

#include <set>

namespace {

struct TLookup {
    int id;
    AnsiString text; // Windows-1252
};

TEST(SprTexte, LooksUpTextsOfEveryUnit) {
    const TLookup cases[] = {
        {11000, "Feuermelder"},
        {1000, "unsichtbar"},
        {8000, "Ist-Adresse"},
        {9000, "Abgleich der importierten Daten."},
        {24202, "Ger\xE4t &rekonstruieren..."},
        {9041, "Fehler"},
        {11282, "SSB1"},
        {11285, "SSB4"},
        {11022, "Anzeige 4 vorhanden"},
        {11319, "Scharfschalt-Bereich 4 (SSB 4)"},
        {11228, "Abstellraum"},
        {11229, "Kinderzimmer"},
        {11240, "Computerraum"},
        {11247, "Keller"},
        {24224, "Der Daten-Manager f\xFCr die Text-Tabelle konnte nicht erstellt werden. "},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_EQ(SprText(c.id), c.text);
    }
}

TEST(SprTexte, TextsBeyondAsciiAreWindows1252WithTheirLineBreaks) {
    EXPECT_EQ(SprText(9035), "Best\xE4tigen");
    EXPECT_EQ(SprText(11089), "Soll die Konfiguration der Sicherungsbereiche wirklich ge\xE4ndert "
                              "werden?\n\rDurch die \xC4nderung werden Sicherungsbereiche mit "
                              "allen untergeordneten\n\rEing\xE4ngen gel\xF6scht.");
    EXPECT_EQ(SprText(11044), "Sabotage-Abschlu\xDF-Widerstand");
}

TEST(SprTexte, TheReconstructionLibrarysOwnTexts) {
    EXPECT_EQ(SprText(200), "Nein");
    EXPECT_EQ(SprText(201), "Ja");
    EXPECT_EQ(SprText(209), "Es wurden keine g\xFCltigen Daten gefunden.");
    EXPECT_EQ(SprText(210), "Gesuchter Datensatz nicht gefunden.\nHandle:");
    EXPECT_EQ(SprText(212), "\xC4ndern");
    EXPECT_EQ(SprText(213), "?");
    EXPECT_EQ(SprText(214), "* ");
}

TEST(SprTexte, IdsWithoutTextGiveTheEmptyText) {
    for (const int id : {11163, 11209, 11210, 0, -1, 1, 199, 215, 999, 1048, 11394, 24261}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(SprText(id), "");
    }
}

TEST(SprTexte, ObjectDataTypesByTypeCode) {
    EXPECT_EQ(SprObjektTypText(-1), "Frei");
    EXPECT_EQ(SprObjektTypText(0), "1 Bit");
    EXPECT_EQ(SprObjektTypText(7), "1 Byte");
    EXPECT_EQ(SprObjektTypText(15), "VARDATA");
    EXPECT_EQ(SprObjektTypText(-2), "");
    EXPECT_EQ(SprObjektTypText(16), "");
}

// The table's source itself: every id once, inside its unit, and every text representable
// in Windows-1252 (a character it cannot hold would reach the user as "?").
struct TRoh {
    int id;
    std::string utf8;
};
const TRoh kRoh[] = {
#define SPR_TEXT(id, text) {id, text},
#define SPR_OBJEKTTYP(code, text)
#include "foundation/SprTexte.inc"
#undef SPR_TEXT
#undef SPR_OBJEKTTYP
};

TEST(SprTexte, SourceTableIsSound) {
    const std::pair<int, int> units[] = {{1, 12},      {200, 214},     {1000, 1047},  {8000, 8020},
                                         {9000, 9213}, {11000, 11393}, {24201, 24260}};
    std::set<int> seen;
    for (const auto &r : kRoh) {
        SCOPED_TRACE(r.id);
        EXPECT_TRUE(seen.insert(r.id).second) << "id twice";
        bool inUnit = false;
        for (const auto &[first, last] : units)
            inUnit = inUnit || (r.id >= first && r.id <= last);
        EXPECT_TRUE(inUnit);
        EXPECT_FALSE(r.utf8.empty());
        EXPECT_EQ(SprText(r.id), Utf8ToAnsi(r.utf8));
        EXPECT_EQ(AnsiToUtf8(SprText(r.id)), r.utf8);
    }
    EXPECT_EQ(seen.size(), 530u);
}

} // namespace
