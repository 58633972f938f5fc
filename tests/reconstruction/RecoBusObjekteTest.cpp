// The bus objects of each top folder, in order, with their arguments, for a four-area and a
// two-area panel: the sequences as the folders' object tables list them.
#include "RecoTestHilfen.h"
#include "foundation/SprTexte.h"
#include "reconstruction/TRecoAzAlarmierung.h"
#include "reconstruction/TRecoAzAnzeige.h"
#include "reconstruction/TRecoAzDatumUhrzeit.h"
#include "reconstruction/TRecoAzEditierbareTexte.h"
#include "reconstruction/TRecoAzOrdnerSicherungsBereich.h"
#include "reconstruction/TRecoAzScharfschaltung.h"
#include "reconstruction/TRecoAzSystemUeberwachung.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

namespace {

// Object number, args 5, 7, 8, 9.
struct TObjekt {
    int Nummer, Arg5, Arg7, Arg8, Arg9;
    bool operator==(const TObjekt &) const = default;
};
void PrintTo(const TObjekt &o, std::ostream *os) {
    *os << "{" << o.Nummer << ", " << o.Arg5 << ", " << o.Arg7 << ", " << o.Arg8 << ", " << o.Arg9
        << "}";
}

using TFolge = std::vector<TObjekt>;
using TOrdnerLauf =
    std::function<bool(TRecoUmgebung &, TRecoObjectManagement *, uint32_t variante)>;

bool Bereich(uint32_t variante, int n) {
    return ((variante >> (8 * (4 - n))) & 0xFF) != 0;
}

// The detectors' area codes in the full panel: 1 + n mod 6.
TFolge Sicherung(uint32_t) {
    TFolge f = {{160, 0, 1, 1592, 1}, {161, 0, 1, 1593, 1 + 162 % 6}};
    for (int n = 1; n <= 160; ++n)
        f.push_back({n - 1, 0, 1, n == 160 ? 1591 : 10 * n, 1 + n % 6});
    return f;
}
TFolge Scharf(uint32_t variante) {
    TFolge f;
    for (int n = 1; n <= 4; ++n) {
        if (!Bereich(variante, n))
            continue;
        const int k = n - 1;
        f.push_back({162 + k, 1, 1, 1650 + 100 * k, 1});
        f.push_back({166 + k, 2, 1, 1650 + 100 * k, 1});
        for (int basis : {170, 174, 178, 182, 186, 194})
            f.push_back({basis + k, basis + k, -1, 1660 + 100 * k, 1});
    }
    f.push_back({225, 5, -1, 1599, 1});
    f.push_back({226, 6, -1, 1599, 1});
    return f;
}
TFolge Alarm(uint32_t variante) {
    TFolge f = {{201, 0, 1, 5100, 1}, {230, 0, 1, 5100, 1}, {202, 0, 1, 5200, 1}};
    for (int k = 0; k < 4; ++k)
        if (Bereich(variante, k + 1))
            f.push_back({190 + k, 0, 1, 5300 + 100 * k, 1});
    const int nummern[] = {198, 199, 200, 204, 205, 206};
    for (int i = 0; i < 6; ++i)
        f.push_back({nummern[i], i - 6, -1, 5700, 1});
    return f;
}
TFolge Anzeige(uint32_t) {
    TFolge f;
    for (int m = 0; m < 4; ++m)
        for (int nummer : {207 + 3 * m, 208 + 3 * m, 209 + 3 * m, 219 + m})
            f.push_back({nummer, nummer, -1, 6100 + 100 * m, 1});
    return f;
}
TFolge Ueberwachung(uint32_t) {
    return {{227, -3, -1, 7150, 1},
            {228, -2, -1, 7150, 1},
            {229, -1, -1, 7100, 1},
            {203, 4, -1, 7200, 1}};
}
TFolge Uhr(uint32_t) {
    return {{223, -2, -1, 8000, 1}, {224, -1, -1, 8000, 1}};
}
TFolge Keine(uint32_t) {
    return {};
}

template <class T, class... Args> bool Lauf(Args &&...args) {
    T ordner(std::forward<Args>(args)...);
    return ordner.RecoParameter();
}

struct TOrdnerFall {
    const char *Name;
    TOrdnerLauf Lauf;
    TFolge (*Soll)(uint32_t);
};
void PrintTo(const TOrdnerFall &f, std::ostream *os) {
    *os << f.Name;
}

const TOrdnerFall kOrdner[] = {
    {"Sicherung",
     [](TRecoUmgebung &u, TRecoObjectManagement *o, uint32_t v) {
         return Lauf<TRecoAzOrdnerSicherungsBereich>(u.User(), u.User(), &u.Datenbank,
                                                     SprText(11314), &u.Errors, o, 2, v, u.Texte());
     },
     Sicherung},
    {"Scharfschaltung",
     [](TRecoUmgebung &u, TRecoObjectManagement *o, uint32_t v) {
         return Lauf<TRecoAzOrdnerScharfschaltung>(u.User(), u.User(), &u.Datenbank, SprText(11312),
                                                   &u.Errors, o, 3, v);
     },
     Scharf},
    {"Alarmierung",
     [](TRecoUmgebung &u, TRecoObjectManagement *o, uint32_t v) {
         return Lauf<TRecoAzOrdnerAlarmierung>(u.User(), u.User(), &u.Datenbank, SprText(11310),
                                               &u.Errors, o, 4, v);
     },
     Alarm},
    {"Anzeige",
     [](TRecoUmgebung &u, TRecoObjectManagement *o, uint32_t v) {
         return Lauf<TRecoAzOrdnerAnzeige>(u.User(), u.User(), &u.Datenbank, SprText(11298),
                                           &u.Errors, o, 5, v);
     },
     Anzeige},
    {"EditierbareTexte",
     [](TRecoUmgebung &u, TRecoObjectManagement *, uint32_t) {
         return Lauf<TRecoAzEditierbareTexte>(u.User(), u.User(), &u.Datenbank, SprText(11300),
                                              &u.Errors, 6);
     },
     Keine},
    {"SystemUeberwachung",
     [](TRecoUmgebung &u, TRecoObjectManagement *o, uint32_t) {
         return Lauf<TRecoAzOrdnerSystemUeberwachung>(u.User(), u.User(), &u.Datenbank,
                                                      SprText(11313), &u.Errors, o, 7);
     },
     Ueberwachung},
    {"DatumUhrzeit",
     [](TRecoUmgebung &u, TRecoObjectManagement *o, uint32_t) {
         return Lauf<TRecoAzDatumUhrzeit>(u.User(), u.User(), &u.Datenbank, SprText(11299),
                                          &u.Errors, o, 8);
     },
     Uhr},
};

class RecoBusObjekte : public ::testing::TestWithParam<std::tuple<TOrdnerFall, uint32_t>> {};

TEST_P(RecoBusObjekte, InTheOrderOfTheTablesWithTheirArguments) {
    const auto &[fall, variante] = GetParam();
    TPanelImageFixture panel = TRecoUmgebung::VollesPanel();
    panel.SetVariante(variante);
    TRecoUmgebung u(panel.Image());
    TRecoObjekteRecorder objekte;
    ASSERT_TRUE(fall.Lauf(u, &objekte, variante));
    TFolge ist;
    for (const auto &a : objekte.Aufrufe) {
        ist.push_back({a.Nummer, a.Arg5, a.Arg7, a.Arg8, a.Arg9});
        // The arguments every object gets alike, and a parent that was made.
        EXPECT_EQ(a.Name, "");
        EXPECT_EQ(a.Text, "");
        EXPECT_EQ(a.Arg6, 0);
        EXPECT_EQ(a.Arg10, 15);
        EXPECT_EQ(a.Arg11, 0);
        EXPECT_EQ(a.Arg12, 0);
        EXPECT_EQ(a.Arg13, 0);
        EXPECT_NE(u.Datenbank.Find(a.Parent), nullptr) << a.Nummer;
    }
    EXPECT_EQ(ist, fall.Soll(variante));
    // Nothing replaced; with two areas the detectors of the others are named as having none.
    const bool zwei = variante == 0x11220000u && std::string(fall.Name) == "Sicherung";
    EXPECT_EQ(u.Errors.Eintraege(),
              zwei ? OhneBereichImVollenPanel({3, 4}) : std::vector<TRecoErrorEintrag>{});
}

INSTANTIATE_TEST_SUITE_P(Ordner, RecoBusObjekte,
                         ::testing::Combine(::testing::ValuesIn(kOrdner),
                                            ::testing::Values(0x113344CCu, 0x11220000u)),
                         [](const auto &info) {
                             return std::string(std::get<0>(info.param).Name) + "_" +
                                    (std::get<1>(info.param) == 0x113344CCu ? "VierBereiche"
                                                                            : "ZweiBereiche");
                         });

} // namespace
