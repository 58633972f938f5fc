// Each folder's edge cases as one table: a full four-area panel with one value changed, what
// the records then hold, which values were reported as replaced and which detectors the list
// names as taken by no area.
#include "RecoTestHilfen.h"
#include "foundation/SprTexte.h"
#include "reconstruction/TRecoAzSicherungsBereiche.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

namespace {

using D = TDatenStruktur;

struct TFall {
    const char *Name;
    std::function<void(TPanelImageFixture &)> Panel;
    std::function<void(TRecoLauf &)> Pruefe;
    std::vector<TRecoErrorEintrag> Meldungen;
    // The detectors that no area takes, each named in the list.
    std::vector<TRecoErrorEintrag> OhneBereich = {};
};
void PrintTo(const TFall &f, std::ostream *os) {
    *os << f.Name;
}
std::string FallName(const ::testing::TestParamInfo<TFall> &info) {
    return info.param.Name;
}

// A report: the object's name, the caption and the default's text by their ids or as given.
AnsiString T(int id) {
    return SprText(id);
}
TRecoErrorEintrag Meldung(const AnsiString &objekt, const AnsiString &caption,
                          const AnsiString &standard) {
    return {objekt, caption, standard, ""};
}

class RecoFall : public ::testing::TestWithParam<TFall> {};

TEST_P(RecoFall, RecordsAndReports) {
    const TFall &f = GetParam();
    TPanelImageFixture panel = TRecoUmgebung::VollesPanel();
    if (f.Panel)
        f.Panel(panel);
    TRecoLauf lauf(panel);
    EXPECT_TRUE(lauf.Ok);
    f.Pruefe(lauf);
    std::vector<TRecoErrorEintrag> ersetzt, ohneBereich;
    for (const TRecoErrorEintrag &e : lauf.Meldungen())
        (IstOhneBereich(e) ? ohneBereich : ersetzt).push_back(e);
    EXPECT_EQ(ersetzt, f.Meldungen);
    EXPECT_EQ(ohneBereich, f.OhneBereich);
}

const TDatenStruktur &System(TRecoLauf &l) {
    return *l.U.Datenbank.Find(1);
}
const TDatenStruktur *Melder(TRecoLauf &l, int n) {
    return l.Einer(6124, &D::Param9, n);
}
int Handle(TRecoLauf &l, int typ) {
    const TDatenStruktur *r = l.Einer(typ);
    return r ? r->Handle : -1;
}

// ---- System record and security-area folder

const TFall kSystem[] = {
    {"VollesPanel",
     nullptr,
     [](TRecoLauf &l) {
         const D &s = System(l);
         EXPECT_EQ(s.Typ, 105);
         EXPECT_EQ(s.Parent, 0);
         EXPECT_EQ(s.System, s.Handle);
         EXPECT_EQ(s.Name, T(11384));
         EXPECT_EQ(s.Param1, 0);
         EXPECT_EQ(s.Param7, 0x113344CC);
         EXPECT_EQ(l.Variante, 0x113344CCu);
         EXPECT_EQ(s.Param12, 160);
         EXPECT_EQ(s.Param9, 3);
         EXPECT_EQ(s.Param10, 4);
         EXPECT_EQ(s.Param11, 6);
         EXPECT_TRUE(s.Bool3);
         EXPECT_TRUE(s.Bool4);
     },
     {}},
    {"VarianteAusserhalb",
     [](TPanelImageFixture &p) { p.SetVariante(0x12345678); },
     [](TRecoLauf &l) {
         EXPECT_EQ(System(l).Param7, 0x11330000);
         EXPECT_EQ(l.Variante, 0x11330000u);
         EXPECT_EQ(l.Typ(6127).size(), 1u);
         EXPECT_EQ(l.Typ(6128).size(), 1u);
         EXPECT_TRUE(l.Typ(6129).empty());
         EXPECT_TRUE(l.Typ(6130).empty());
     },
     {Meldung(T(11384), T(11027), T(11331))},
     OhneBereichImVollenPanel({3, 4})},
    {"Variante0",
     [](TPanelImageFixture &p) { p.SetVariante(0); },
     [](TRecoLauf &l) {
         EXPECT_EQ(System(l).Param7, 0);
         for (int typ = 6127; typ <= 6130; ++typ)
             EXPECT_TRUE(l.Typ(typ).empty()) << typ;
         // Detector 1 has area code 2, 5 area code 6 (hold-up).
         EXPECT_EQ(Melder(l, 1)->Parent, 0);
         EXPECT_EQ(Melder(l, 5)->Parent, Handle(l, 6125));
     },
     {},
     OhneBereichImVollenPanel({1, 2, 3, 4})},
    {"Tiefe100",
     [](TPanelImageFixture &p) { p.SetEreignisspeichertiefe(100); },
     [](TRecoLauf &l) { EXPECT_EQ(System(l).Param12, 80); },
     {Meldung(T(11384), "Interner Parameter: Ereignisspeichertiefe", "80")}},
    {"Tiefe255",
     [](TPanelImageFixture &p) { p.SetEreignisspeichertiefe(255); },
     [](TRecoLauf &l) { EXPECT_EQ(System(l).Param12, 255); },
     {}},
    {"Impuls1",
     [](TPanelImageFixture &p) { p.SetImpulsScharfUnscharf(1); },
     [](TRecoLauf &l) { EXPECT_EQ(System(l).Param9, 5); },
     {Meldung(T(11384), T(11054), "5")}},
    {"Impuls2",
     [](TPanelImageFixture &p) { p.SetImpulsScharfUnscharf(2); },
     [](TRecoLauf &l) { EXPECT_EQ(System(l).Param9, 2); },
     {}},
    {"Quittierungszeiten01",
     [](TPanelImageFixture &p) {
         p.SetScharfQuittierungszeit(0);
         p.SetUnscharfQuittierungszeit(1);
     },
     [](TRecoLauf &l) {
         EXPECT_EQ(System(l).Param10, 5);
         EXPECT_EQ(System(l).Param11, 5);
     },
     {Meldung(T(11384), T(11053), "5"), Meldung(T(11384), T(11065), "5")}},
    {"Bits0",
     [](TPanelImageFixture &p) {
         p.SetGeraeteVersion(false);
         p.SetBusspannungswiederkehr(false);
     },
     [](TRecoLauf &l) {
         EXPECT_FALSE(System(l).Bool3);
         EXPECT_FALSE(System(l).Bool4);
     },
     {}},
    {"Ordner",
     [](TPanelImageFixture &p) { p.SetMelderWort(7, 0); },
     [](TRecoLauf &l) {
         const D *ordner = l.Einer(6122);
         ASSERT_TRUE(ordner);
         EXPECT_EQ(ordner->Parent, 1);
         EXPECT_EQ(ordner->Name, T(11314));
         EXPECT_EQ(ordner->Param1, 2);
         // Fire 1, hold-up 2, tamper input 4, SB n 4 + n, each under the folder.
         const std::pair<int, int> kinder[] = {{6123, 1}, {6125, 2}, {6126, 4}, {6127, 5},
                                               {6128, 6}, {6129, 7}, {6130, 8}};
         for (const auto &[typ, order] : kinder) {
             const D *r = l.Einer(typ);
             ASSERT_TRUE(r) << typ;
             EXPECT_EQ(r->Parent, ordner->Handle) << typ;
             EXPECT_EQ(r->Param1, order) << typ;
         }
         EXPECT_EQ(l.Einer(6123)->Name, T(11326));
         EXPECT_EQ(l.Einer(6125)->Name, T(11327));
         EXPECT_EQ(l.Einer(6126)->Name, T(11315));
         EXPECT_EQ(l.Einer(6129)->Name, T(11324));
         EXPECT_EQ(l.Einer(6129)->String4, "Sicherungs-Bereich 3");
         // A word 0 skips its number; 161 is the tamper input's slot.
         EXPECT_EQ(l.Typ(6124).size(), 160u);
         EXPECT_FALSE(Melder(l, 7));
         EXPECT_FALSE(Melder(l, 161));
         // The wired input comes right after the areas, then 1 to 160 in order.
         const auto melder = l.Typ(6124);
         EXPECT_EQ(melder.front()->Param9, 162);
         EXPECT_EQ(melder[1]->Param9, 1);
         EXPECT_EQ(melder.back()->Param9, 160);
     },
     {}},
};
INSTANTIATE_TEST_SUITE_P(System, RecoFall, ::testing::ValuesIn(kSystem), FallName);

// ---- Security areas and the tamper input

const TFall kSabotage[] = {
    {"VollesPanel",
     nullptr,
     [](TRecoLauf &l) {
         const D *s = l.Einer(6126);
         ASSERT_TRUE(s);
         EXPECT_EQ(s->Param3, 2);
         EXPECT_EQ(s->Param4, 3);
         EXPECT_EQ(s->Param5, 2);
         EXPECT_EQ(s->Param7, 1);
         EXPECT_TRUE(s->Bool3);
     },
     {}},
    {"Widerstand3",
     [](TPanelImageFixture &p) { p.SetSabotageWiderstand(3); },
     [](TRecoLauf &l) { EXPECT_EQ(l.Einer(6126)->Param3, 0); },
     {Meldung(T(11315), T(11044), T(11279))}},
    {"EingangsTyp6",
     [](TPanelImageFixture &p) { p.SetSabotage({.EingangsTyp = 6}); },
     [](TRecoLauf &l) { EXPECT_EQ(l.Einer(6126)->Param4, 1); },
     {Meldung(T(11315), T(11034), T(11217))}},
    {"EingangsTyp7",
     [](TPanelImageFixture &p) { p.SetSabotage({.EingangsTyp = 7}); },
     [](TRecoLauf &l) { EXPECT_EQ(l.Einer(6126)->Param4, 1); },
     {Meldung(T(11315), T(11034), T(11217))}},
    {"MelderTyp3",
     [](TPanelImageFixture &p) { p.SetSabotage({.MelderTyp = 3}); },
     [](TRecoLauf &l) { EXPECT_EQ(l.Einer(6126)->Param7, 0); },
     {Meldung(T(11315), "Interne Parameter: " + T(11037), T(11227))}},
    {"Bereich7",
     [](TPanelImageFixture &p) { p.SetSabotage({.Bereich = 7}); },
     [](TRecoLauf &l) { EXPECT_EQ(l.Einer(6126)->Param5, 7); },
     {}},
    {"Bereich0",
     [](TPanelImageFixture &p) { p.SetSabotage({.EingangsTyp = 1, .Bereich = 0}); },
     [](TRecoLauf &l) { EXPECT_EQ(l.Einer(6126)->Param5, 0); },
     {}},
    // The text index the panel keeps in bits 6 to 12 of the word.
    {"TextIndex",
     [](TPanelImageFixture &p) { p.SetMelderWort(161, 0x1540); },
     [](TRecoLauf &l) {
         EXPECT_EQ(l.Einer(6126)->Param6, 0x55);
         EXPECT_EQ(l.Einer(6126)->Param4, 0);
         EXPECT_EQ(l.Einer(6126)->Param5, 0);
     },
     {}},
};
INSTANTIATE_TEST_SUITE_P(Sabotage, RecoFall, ::testing::ValuesIn(kSabotage), FallName);

TEST(RecoSicherungsBereich, AnAreaNumberOutsideOneToFourMakesNoRecord) {
    TRecoUmgebung u(TRecoUmgebung::VollesPanel().Image());
    for (int n : {0, 5, -1}) {
        int handle = -7;
        TRecoAzSicherungsBereich bereich(
            u.User(), u.User(), &u.Datenbank, "SB", &u.Errors, u.Objekte(), 5, 1,
            static_cast<T_DB_EnumAzMelder::TEnumSicherungsBereich>(n), handle);
        EXPECT_FALSE(bereich.RecoParameter()) << n;
        EXPECT_EQ(handle, -7);
    }
    EXPECT_EQ(u.Datenbank.Count(), 0);
    int handle = 0;
    TRecoAzSicherungsBereich vier(u.User(), u.User(), &u.Datenbank, "SB", &u.Errors, u.Objekte(), 8,
                                  1, T_DB_EnumAzMelder::eSb4, handle);
    EXPECT_TRUE(vier.RecoParameter());
    EXPECT_EQ(handle, 1);
    EXPECT_EQ(u.Datenbank.Find(1)->Typ, 6130);
    EXPECT_EQ(u.Datenbank.Find(1)->String4, "Sicherungs-Bereich 4");
}

// ---- Detectors

TPanelImageFixture::TMelder Bereich(int code) {
    return {.MelderTyp = 1, .Aktiv = true, .EingangsTyp = 2, .Bereich = code};
}

const TFall kMelder[] = {
    {"Melder1",
     nullptr,
     [](TRecoLauf &l) {
         // Detector 1: type 1, not active, input type 1, area code 2 (SB 2).
         const D *m = Melder(l, 1);
         ASSERT_TRUE(m);
         EXPECT_EQ(m->Parent, Handle(l, 6128));
         EXPECT_EQ(m->Name, T(11304));
         EXPECT_EQ(m->Param1, 1);
         EXPECT_EQ(m->Param3, 1);
         EXPECT_EQ(m->Param4, 2);
         EXPECT_EQ(m->Param6, 1);
         EXPECT_EQ(m->Param8, 4);
         EXPECT_FALSE(m->Bool3);
         EXPECT_EQ(m->String4, "Melder 1");
         const auto *o = l.Objekt(0);
         ASSERT_TRUE(o);
         EXPECT_EQ(o->Parent, m->Handle);
         EXPECT_EQ(o->Arg8, 10);
         EXPECT_EQ(o->Arg9, 2);
         // Fire and hold-up areas: Param8 0 and 1.
         EXPECT_EQ(Melder(l, 4)->Parent, Handle(l, 6123));
         EXPECT_EQ(Melder(l, 4)->Param8, 0);
         EXPECT_EQ(Melder(l, 4)->Name, T(11307));
         EXPECT_EQ(Melder(l, 5)->Parent, Handle(l, 6125));
         EXPECT_EQ(Melder(l, 5)->Param8, 1);
         EXPECT_EQ(Melder(l, 5)->Name, T(11308));
     },
     {}},
    {"Melder160",
     nullptr,
     [](TRecoLauf &l) {
         const auto *o = l.Objekt(159);
         ASSERT_TRUE(o);
         EXPECT_EQ(o->Arg8, 1591);
         EXPECT_EQ(o->Parent, Melder(l, 160)->Handle);
         EXPECT_EQ(l.Objekt(158)->Arg8, 1590);
     },
     {}},
    {"Verdrahtet162",
     [](TPanelImageFixture &p) {
         p.SetMelder(162, Bereich(2));
         p.SetMelderText(162, "Eingang");
     },
     [](TRecoLauf &l) {
         const D *m = Melder(l, 162);
         ASSERT_TRUE(m);
         EXPECT_EQ(m->Parent, Handle(l, 6122));
         EXPECT_EQ(m->Name, T(11309));
         EXPECT_EQ(m->Param1, 3);
         EXPECT_EQ(m->Param4, 2);
         EXPECT_EQ(m->Param8, 2);
         EXPECT_EQ(m->String4, "Eingang");
         const auto *o = l.Objekt(161);
         ASSERT_TRUE(o);
         EXPECT_EQ(o->Arg8, 1593);
         EXPECT_EQ(o->Arg9, 2);
     },
     {}},
    {"Code7MitSb1",
     [](TPanelImageFixture &p) { p.SetMelder(9, Bereich(7)); },
     [](TRecoLauf &l) {
         const D *m = Melder(l, 9);
         EXPECT_EQ(m->Parent, Handle(l, 6127));
         EXPECT_EQ(m->Name, T(11303));
         EXPECT_EQ(m->Param4, 1);
         EXPECT_EQ(m->Param8, 3);
         EXPECT_EQ(l.Objekt(8)->Arg9, 1);
     },
     {Meldung(T(11303), T(11057), T(11322))}},
    {"Code7OhneSb1",
     [](TPanelImageFixture &p) {
         p.SetVariante(0);
         p.SetMelder(9, Bereich(7));
     },
     [](TRecoLauf &l) {
         const D *m = Melder(l, 9);
         EXPECT_EQ(m->Parent, 0);
         EXPECT_EQ(m->Name, T(11303));
         EXPECT_EQ(m->Param4, 1);
     },
     {Meldung(T(11303), T(11057), T(11322))},
     OhneBereichImVollenPanel({1, 2, 3, 4})},
    {"Code0",
     [](TPanelImageFixture &p) {
         p.SetMelder(9, Bereich(0));
         p.SetMelderText(9, "Flur");
     },
     [](TRecoLauf &l) {
         const D *m = Melder(l, 9);
         ASSERT_TRUE(m);
         EXPECT_EQ(m->Parent, 0);
         EXPECT_EQ(m->Name, "");
         EXPECT_EQ(m->Param4, 0);
         EXPECT_EQ(m->Param8, 0) << "as a new record has it";
         EXPECT_EQ(m->Param9, 9);
         EXPECT_EQ(m->Param3, 2);
         EXPECT_EQ(l.Objekt(8)->Arg9, 0);
     },
     {},
     {OhneBereich(9, "Flur")}},
    {"OhneSb3",
     [](TPanelImageFixture &p) {
         p.SetVariante(0x11220000);
         p.SetMelder(9, Bereich(3));
     },
     [](TRecoLauf &l) {
         const D *m = Melder(l, 9);
         EXPECT_EQ(m->Parent, 0);
         EXPECT_EQ(m->Name, T(11305));
         EXPECT_EQ(m->Param4, 3);
         EXPECT_EQ(m->Param8, 5);
         EXPECT_TRUE(l.Objekt(8));
     },
     {},
     OhneBereichImVollenPanel({3, 4})},
    {"EingangsTyp6MelderTyp3",
     [](TPanelImageFixture &p) {
         p.SetMelder(9, {.MelderTyp = 3, .EingangsTyp = 6, .Bereich = 6});
     },
     [](TRecoLauf &l) {
         EXPECT_EQ(Melder(l, 9)->Param3, 1);
         EXPECT_EQ(Melder(l, 9)->Param6, 0);
     },
     {Meldung(T(11308), T(11034), T(11217)), Meldung(T(11308), T(11037), T(11227))}},
    {"EingangsTyp7",
     [](TPanelImageFixture &p) { p.SetMelder(9, {.EingangsTyp = 7, .Bereich = 1}); },
     [](TRecoLauf &l) { EXPECT_EQ(Melder(l, 9)->Param3, 1); },
     {Meldung(T(11303), T(11034), T(11217))}},
    // The text index the panel keeps in bits 6 to 12 of the word.
    {"TextIndex",
     [](TPanelImageFixture &p) { p.SetMelderWort(9, 0x1540); },
     [](TRecoLauf &l) {
         EXPECT_EQ(Melder(l, 9)->Param5, 0x55);
         EXPECT_EQ(Melder(l, 9)->Param6, 0);
         EXPECT_EQ(Melder(l, 9)->Param3, 0);
     },
     {},
     {OhneBereich(9, "Melder 9")}},
    {"Texte",
     [](TPanelImageFixture &p) {
         p.SetMelderText(9, "Vierzehn Bytes");
         p.SetMelderText(10, "");
     },
     [](TRecoLauf &l) {
         EXPECT_EQ(Melder(l, 9)->String4, "Vierzehn Bytes");
         EXPECT_EQ(Melder(l, 10)->String4, "");
     },
     {}},
};
INSTANTIATE_TEST_SUITE_P(Melder, RecoFall, ::testing::ValuesIn(kMelder), FallName);

// ---- Arming

TPanelImageFixture::TScharfschaltung Adressen(uint16_t a, uint16_t b) {
    TPanelImageFixture::TScharfschaltung s;
    s.Param3 = 7;
    s.Param4 = 8;
    s.PhysAdr[0] = a;
    s.PhysAdr[1] = b;
    s.PhysAdr[2] = 0x1103;
    s.PhysAdr[3] = 0x1104;
    s.Werte[0] = 1;
    s.Werte[1] = 2;
    s.Werte[2] = 3;
    s.Werte[3] = 255;
    return s;
}

const TFall kScharf[] = {
    {"Ssb2",
     [](TPanelImageFixture &p) {
         p.SetScharfschaltung(2, Adressen(0xF0FF, 0));
         p.SetScharfschaltBereichText(2, "Laden");
     },
     [](TRecoLauf &l) {
         const D *s = l.Einer(6136, &D::Param9, 2);
         ASSERT_TRUE(s);
         EXPECT_EQ(s->Param3, 7);
         EXPECT_EQ(s->Param4, 8);
         EXPECT_EQ(s->Param5, 0xF0FF);
         EXPECT_EQ(s->String1, "15.00.255");
         EXPECT_EQ(s->Param6, 0);
         EXPECT_EQ(s->String2, "");
         EXPECT_EQ(s->String3, "01.01.003");
         EXPECT_EQ(s->String4, "01.01.004");
         EXPECT_EQ(s->Param10, 1);
         EXPECT_EQ(s->Param13, 255);
         EXPECT_EQ(s->Name, T(11320) + " 2");
         EXPECT_EQ(s->Param1, 1);
         const D *ssb = l.Einer(6133);
         ASSERT_TRUE(ssb);
         EXPECT_EQ(s->Parent, ssb->Handle);
         EXPECT_EQ(ssb->String4, "Laden");
         EXPECT_EQ(ssb->Name, T(11317));
         EXPECT_EQ(ssb->Param1, 2);
         EXPECT_EQ(ssb->Parent, Handle(l, 6131));
         const D *q = l.Einer(6137, &D::Param4, 2);
         ASSERT_TRUE(q);
         EXPECT_EQ(q->Parent, ssb->Handle);
         EXPECT_EQ(q->Name, T(11321) + " 2");
         EXPECT_EQ(q->Param1, 2);
     },
     {}},
    {"Ssb3Quittierung",
     nullptr,
     [](TRecoLauf &l) {
         const D *q = l.Einer(6137, &D::Param4, 3);
         ASSERT_TRUE(q);
         const std::vector<int> soll = {172, 176, 180, 184, 188, 196};
         EXPECT_EQ(l.Nummern(q->Handle), soll);
         for (int n : soll) {
             EXPECT_EQ(l.Objekt(n)->Arg5, n);
             EXPECT_EQ(l.Objekt(n)->Arg8, 1860);
             EXPECT_EQ(l.Objekt(n)->Arg7, -1);
         }
     },
     {}},
    {"Quittierung",
     [](TPanelImageFixture &p) {
         p.SetQuittierung(1, {true, false, true, false}, true, 4);
         p.SetQuittierung(2, {false, true, false, true}, false, 3);
     },
     [](TRecoLauf &l) {
         const D *q1 = l.Einer(6137, &D::Param4, 1);
         EXPECT_EQ(q1->Param3, 0);
         EXPECT_TRUE(q1->Bool4);
         EXPECT_FALSE(q1->Bool5);
         EXPECT_TRUE(q1->Bool6);
         EXPECT_FALSE(q1->Bool7);
         EXPECT_TRUE(q1->Bool3);
         const D *q2 = l.Einer(6137, &D::Param4, 2);
         EXPECT_EQ(q2->Param3, 3) << "a value the panel holds is kept";
         EXPECT_FALSE(q2->Bool4);
         EXPECT_TRUE(q2->Bool5);
         EXPECT_TRUE(q2->Bool7);
         EXPECT_FALSE(q2->Bool3);
     },
     {Meldung(T(11321) + " 1", T(11058), T(11278))}},
};
INSTANTIATE_TEST_SUITE_P(Scharfschaltung, RecoFall, ::testing::ValuesIn(kScharf), FallName);

// ---- Alarms

const D *Dauer(TRecoLauf &l) {
    return l.Einer(6140);
}

const TFall kAlarm[] = {
    {"Ausgaenge",
     [](TPanelImageFixture &p) {
         p.SetAlarmierung(0, {true, false, true, false}, true);
         p.SetAlarmierung(5, {false, true, false, true}, true);
         p.SetAlarmierung(6, {}, false);
     },
     [](TRecoLauf &l) {
         const D *feuer = l.Einer(6138, &D::Param3, 0);
         ASSERT_TRUE(feuer);
         EXPECT_EQ(feuer->Name, T(11295));
         EXPECT_EQ(feuer->Param1, 1);
         EXPECT_TRUE(feuer->Bool3);
         EXPECT_FALSE(feuer->Bool4);
         EXPECT_TRUE(feuer->Bool5);
         EXPECT_FALSE(feuer->Bool8) << "not read for fire";
         EXPECT_TRUE(feuer->Bool9);
         EXPECT_FALSE(feuer->Bool10);
         const D *ueberfall = l.Einer(6138, &D::Param3, 1);
         EXPECT_EQ(ueberfall->Name, T(11296));
         EXPECT_FALSE(ueberfall->Bool9);
         EXPECT_TRUE(ueberfall->Bool10);
         EXPECT_FALSE(ueberfall->Bool8);
         const D *ssb3 = l.Einer(6138, &D::Param3, 5);
         EXPECT_EQ(ssb3->Name, "SSB 3");
         EXPECT_EQ(ssb3->Param1, 6);
         EXPECT_FALSE(ssb3->Bool3);
         EXPECT_TRUE(ssb3->Bool4);
         EXPECT_TRUE(ssb3->Bool6);
         EXPECT_TRUE(ssb3->Bool8);
         EXPECT_FALSE(l.Einer(6138, &D::Param3, 6)->Bool8);
         EXPECT_EQ(l.Objekt(192)->Arg8, 5500);
         EXPECT_EQ(l.Objekt(192)->Parent, ssb3->Handle);
     },
     {}},
    {"Dauer0_1_255",
     [](TPanelImageFixture &p) { p.SetAlarmdauer(0, 1, 255, 2); },
     [](TRecoLauf &l) {
         const D *d = Dauer(l);
         EXPECT_EQ(d->Param3, 255);
         EXPECT_FALSE(d->Bool3);
         EXPECT_EQ(d->Param4, 180);
         EXPECT_TRUE(d->Bool4);
         EXPECT_EQ(d->Param5, 255);
         EXPECT_FALSE(d->Bool5);
         EXPECT_EQ(d->Param6, 2);
         EXPECT_TRUE(d->Bool6);
     },
     {Meldung(T(11293), T(11047), T(11273)), Meldung(T(11293), T(11045), T(11274)),
      Meldung(T(11293), T(11046), "180")}},
    {"Dauer1_0",
     [](TPanelImageFixture &p) { p.SetAlarmdauer(254, 255, 1, 0); },
     [](TRecoLauf &l) {
         const D *d = Dauer(l);
         EXPECT_EQ(d->Param3, 254);
         EXPECT_TRUE(d->Bool3);
         EXPECT_EQ(d->Param4, 255);
         EXPECT_FALSE(d->Bool4);
         EXPECT_EQ(d->Param5, 180);
         EXPECT_TRUE(d->Bool5);
         EXPECT_EQ(d->Param6, 255);
         EXPECT_FALSE(d->Bool6);
     },
     {Meldung(T(11293), T(11049), T(11274)), Meldung(T(11293), T(11050), "180"),
      Meldung(T(11293), T(11051), T(11273))}},
    {"OhneBereiche",
     [](TPanelImageFixture &p) { p.SetVariante(0); },
     [](TRecoLauf &l) {
         const auto ausgaenge = l.Typ(6138);
         ASSERT_EQ(ausgaenge.size(), 2u);
         EXPECT_EQ(ausgaenge[0]->Param3, 0);
         EXPECT_EQ(ausgaenge[1]->Param3, 1);
         const int ordner = Handle(l, 6139);
         EXPECT_EQ(l.Einer(6140)->Parent, ordner);
         EXPECT_EQ(l.Einer(6140)->Param1, 8);
         EXPECT_EQ(l.Einer(6141)->Parent, ordner);
         EXPECT_EQ(l.Einer(6141)->Param1, 9);
         EXPECT_TRUE(l.Nummern(ordner).empty()) << "the folder has no bus object";
     },
     {},
     OhneBereichImVollenPanel({1, 2, 3, 4})},
};
INSTANTIATE_TEST_SUITE_P(Alarmierung, RecoFall, ::testing::ValuesIn(kAlarm), FallName);

// ---- Displays

std::vector<int> Anzeigen(TRecoLauf &l) {
    std::vector<int> m;
    for (const D *r : l.Typ(6143))
        m.push_back(r->Param4);
    return m;
}

const TFall kAnzeige[] = {
    {"VierBereiche",
     nullptr,
     [](TRecoLauf &l) {
         EXPECT_EQ(Anzeigen(l), (std::vector<int>{0, 1, 2, 3}));
         const D *ordner = l.Einer(6142);
         EXPECT_EQ(ordner->Param3, 0x3F);
         const D *a3 = l.Einer(6143, &D::Param4, 2);
         EXPECT_EQ(a3->Name, "Anzeige 3");
         EXPECT_EQ(a3->String2, "Anzeige 3");
         EXPECT_EQ(a3->Param1, 3);
         EXPECT_EQ(a3->Param3, 4);
         EXPECT_TRUE(a3->Bool3);
         EXPECT_EQ(l.Nummern(a3->Handle), (std::vector<int>{213, 214, 215, 221}));
         EXPECT_EQ(l.Objekt(221)->Arg8, 6300);
         EXPECT_EQ(l.Objekt(221)->Arg5, 221);
     },
     {}},
    {"ZweiBereiche",
     [](TPanelImageFixture &p) { p.SetVariante(0x11220000); },
     [](TRecoLauf &l) {
         EXPECT_EQ(Anzeigen(l), (std::vector<int>{0, 1, 2, 3}));
     },
     {},
     OhneBereichImVollenPanel({3, 4})},
    {"EinBereich",
     [](TPanelImageFixture &p) { p.SetVariante(0x11000000); },
     [](TRecoLauf &l) {
         EXPECT_EQ(Anzeigen(l), (std::vector<int>{0, 1, 2}));
     },
     {},
     OhneBereichImVollenPanel({2, 3, 4})},
    {"KeinBereich",
     [](TPanelImageFixture &p) { p.SetVariante(0); },
     [](TRecoLauf &l) {
         EXPECT_EQ(Anzeigen(l), (std::vector<int>{0, 1}));
     },
     {},
     OhneBereichImVollenPanel({1, 2, 3, 4})},
    {"Anzeige0",
     [](TPanelImageFixture &p) { p.SetAnzeige(1, 0); },
     [](TRecoLauf &l) {
         const D *a2 = l.Einer(6143, &D::Param4, 1);
         EXPECT_EQ(a2->Param3, 0);
         EXPECT_FALSE(a2->Bool3);
         EXPECT_TRUE(l.Nummern(a2->Handle).empty());
         EXPECT_EQ(l.Typ(6143).size(), 4u);
     },
     {}},
};
INSTANTIATE_TEST_SUITE_P(Anzeige, RecoFall, ::testing::ValuesIn(kAnzeige), FallName);

// ---- System monitoring, date and time

const TFall kUeberwachung[] = {
    {"VollesPanel",
     nullptr,
     [](TRecoLauf &l) {
         const D *s = l.Einer(6145);
         EXPECT_EQ(s->Param3, 20);
         EXPECT_EQ(s->Param4, 60);
         EXPECT_TRUE(s->Bool4);
         EXPECT_TRUE(s->Bool3);
         EXPECT_EQ(l.Nummern(s->Handle), (std::vector<int>{227, 228, 229}));
         const D *ueberfall = l.Einer(6146, &D::Param3, 0);
         EXPECT_EQ(ueberfall->Name, T(11329));
         EXPECT_EQ(ueberfall->Param1, 2);
         EXPECT_TRUE(ueberfall->Bool3);
         EXPECT_FALSE(ueberfall->Bool4);
         EXPECT_TRUE(ueberfall->Bool5);
         EXPECT_FALSE(ueberfall->Bool6);
         const D *einbruch = l.Einer(6146, &D::Param3, 1);
         EXPECT_EQ(einbruch->Name, T(11328));
         EXPECT_FALSE(einbruch->Bool3);
         EXPECT_TRUE(einbruch->Bool4);
         EXPECT_TRUE(einbruch->Bool6);
     },
     {}},
    {"Abfrage1",
     [](TPanelImageFixture &p) { p.SetAbfrageIntervall(1); },
     [](TRecoLauf &l) { EXPECT_EQ(l.Einer(6145)->Param3, 10); },
     {Meldung(T(11301), T(11032), "10")}},
    {"Abfrage2",
     [](TPanelImageFixture &p) { p.SetAbfrageIntervall(2); },
     [](TRecoLauf &l) { EXPECT_EQ(l.Einer(6145)->Param3, 2); },
     {}},
    {"Funktion0",
     [](TPanelImageFixture &p) { p.SetFunktionsueberwachung(0); },
     [](TRecoLauf &l) {
         const D *s = l.Einer(6145);
         EXPECT_EQ(s->Param4, 0);
         EXPECT_FALSE(s->Bool4);
         EXPECT_EQ(l.Nummern(s->Handle), (std::vector<int>{229}));
     },
     {}},
    {"Uhr",
     nullptr,
     [](TRecoLauf &l) {
         const D *d = l.Einer(6147);
         EXPECT_TRUE(d->Bool3);
         EXPECT_TRUE(d->Bool4);
         EXPECT_EQ(d->Param3, 10);
         EXPECT_EQ(d->Param4, 3);
     },
     {}},
    {"Monate00",
     [](TPanelImageFixture &p) {
         p.SetUmstellung(0, 0);
         p.SetSystemUhr(false);
         p.SetSommerzeitAutomatik(false);
     },
     [](TRecoLauf &l) {
         const D *d = l.Einer(6147);
         EXPECT_EQ(d->Param3, 10);
         EXPECT_EQ(d->Param4, 3);
         EXPECT_FALSE(d->Bool3);
         EXPECT_FALSE(d->Bool4);
     },
     {}},
    {"MonateC1",
     [](TPanelImageFixture &p) { p.SetUmstellung(1, 12); },
     [](TRecoLauf &l) {
         EXPECT_EQ(l.Einer(6147)->Param3, 1);
         EXPECT_EQ(l.Einer(6147)->Param4, 12);
     },
     {}},
    {"Monate13_15",
     [](TPanelImageFixture &p) { p.SetUmstellung(13, 15); },
     [](TRecoLauf &l) {
         EXPECT_EQ(l.Einer(6147)->Param3, 10);
         EXPECT_EQ(l.Einer(6147)->Param4, 3);
         EXPECT_EQ(l.Nummern(l.Einer(6147)->Handle), (std::vector<int>{223, 224}));
     },
     {}},
};
INSTANTIATE_TEST_SUITE_P(Ueberwachung, RecoFall, ::testing::ValuesIn(kUeberwachung), FallName);

// ---- Editable texts

const TFall kTexte[] = {
    {"Kette",
     [](TPanelImageFixture &p) { p.SetEditierbarerText(7, ""); },
     [](TRecoLauf &l) {
         const D *ordner = l.Einer(6121);
         ASSERT_TRUE(ordner);
         EXPECT_EQ(ordner->Parent, 1);
         EXPECT_EQ(ordner->Name, T(11300));
         EXPECT_EQ(ordner->Param1, 6);
         // The chain visits the texts in table order; text 7 is empty but chained.
         int next = ordner->Next;
         for (int t = 1; t <= 50; ++t) {
             const D *text = l.U.Datenbank.Find(next);
             ASSERT_TRUE(text) << t;
             EXPECT_EQ(text->Typ, 2);
             EXPECT_EQ(text->Parent, ordner->Handle);
             EXPECT_EQ(text->String1, t == 7 ? "" : "Text " + std::to_string(t)) << t;
             next = text->Next;
         }
         EXPECT_EQ(next, 0) << "text 50 keeps a new record's Next";
         EXPECT_EQ(l.Typ(2).size(), 50u);
     },
     {}},
};
INSTANTIATE_TEST_SUITE_P(Texte, RecoFall, ::testing::ValuesIn(kTexte), FallName);

} // namespace
