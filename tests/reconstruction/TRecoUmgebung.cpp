#include "TRecoUmgebung.h"

#include "foundation/SprTexte.h"
#include "reconstruction/AzSpeicherKarte.h"
#include "reconstruction/TRecoAzAlarmierung.h"
#include "reconstruction/TRecoAzAnzeige.h"
#include "reconstruction/TRecoAzDatumUhrzeit.h"
#include "reconstruction/TRecoAzEditierbareTexte.h"
#include "reconstruction/TRecoAzOrdnerSicherungsBereich.h"
#include "reconstruction/TRecoAzScharfschaltung.h"
#include "reconstruction/TRecoAzSystem.h"
#include "reconstruction/TRecoAzSystemUeberwachung.h"

namespace {
namespace S = AzSpeicher;

template <class T, class... Args> bool Lauf(Args &&...args) {
    std::unique_ptr<TRecoBasisClass> ordner = std::make_unique<T>(std::forward<Args>(args)...);
    return ordner->RecoParameter();
}
} // namespace

TPanelImageFixture TRecoUmgebung::VollesPanel() {
    TPanelImageFixture panel(0x1105);
    panel.SetVariante(0x113344CC);
    panel.SetEreignisspeichertiefe(160);
    panel.SetGeraeteVersion(true);
    panel.SetImpulsScharfUnscharf(3);
    panel.SetScharfQuittierungszeit(4);
    panel.SetUnscharfQuittierungszeit(6);
    panel.SetBusspannungswiederkehr(true);
    for (int n = 1; n <= 162; ++n) {
        if (n == 161)
            continue;
        panel.SetMelder(n, {.MelderTyp = n % 3,
                            .Aktiv = n % 2 == 0,
                            .EingangsTyp = n % 6,
                            .Bereich = VollesPanelBereich(n)});
        panel.SetMelderText(n, "Melder " + std::to_string(n));
    }
    panel.SetSabotageWiderstand(2);
    panel.SetSabotage({.MelderTyp = 1, .Aktiv = true, .EingangsTyp = 3, .Bereich = 2});
    const TPanelImageFixture::TSignalgeber alle{true, true, true, true};
    for (int b = 1; b <= 4; ++b) {
        panel.SetScharfschaltBereichText(b, "Bereich " + std::to_string(b));
        TPanelImageFixture::TScharfschaltung s;
        s.Param3 = static_cast<uint8_t>(10 + b);
        s.Param4 = static_cast<uint8_t>(20 + b);
        for (int i = 0; i < 4; ++i) {
            s.PhysAdr[i] = static_cast<uint16_t>(0x1100 + 16 * b + i);
            s.Werte[i] = static_cast<uint8_t>(b * 10 + i);
        }
        panel.SetScharfschaltung(b, s);
        panel.SetQuittierung(b, alle, b % 2 == 1, static_cast<uint8_t>(b - 1));
    }
    for (int typ : {0, 1, 3, 4, 5, 6})
        panel.SetAlarmierung(typ, alle, true);
    panel.SetAlarmdauer(255, 180, 120, 30);
    panel.SetAnzeigeGesamt(0x3F);
    for (int m = 0; m < 4; ++m)
        panel.SetAnzeige(m, static_cast<uint8_t>(1 << m));
    panel.SetAbfrageIntervall(20);
    panel.SetFunktionsueberwachung(60);
    panel.SetFehlendeFunktionsueberwachung(true);
    panel.SetVerhaltenUegR(0, {true, false, true, false});
    panel.SetVerhaltenUegR(1, {false, true, false, true});
    panel.SetSystemUhr(true);
    panel.SetSommerzeitAutomatik(true);
    panel.SetUmstellung(10, 3);
    for (int t = 1; t <= 50; ++t)
        panel.SetEditierbarerText(t, "Text " + std::to_string(t));
    std::vector<uint16_t> adressen;
    std::vector<TPanelImageFixture::TAssoziation> assoziationen;
    for (int o = 0; o < kObjekte; ++o) {
        adressen.push_back(static_cast<uint16_t>(0x0800 + o));
        assoziationen.push_back({static_cast<uint8_t>(o + 1), static_cast<uint8_t>(o)});
    }
    panel.SetGruppenAdressen(adressen);
    panel.SetAssoziationen(assoziationen);
    return panel;
}

TRecoObjekteRecorder::TRecoObjekteRecorder()
    : TRecoObjectManagement(nullptr, nullptr, nullptr, nullptr, nullptr, S::kObjektTabelle, 3, 4, 2,
                            3, false, 0, 0, 0, 0, 0, false, 1, 2, 1) {}

bool TRecoObjekteRecorder::RecoObjekt(int objekt, int parent, const AnsiString &name,
                                      const AnsiString &text, int arg5, int arg6, int arg7,
                                      int arg8, int arg9, int arg10, int arg11, int arg12,
                                      int arg13) {
    Aufrufe.push_back(
        {objekt, parent, name, text, arg5, arg6, arg7, arg8, arg9, arg10, arg11, arg12, arg13});
    return !FehlerBei || static_cast<int>(Aufrufe.size()) != *FehlerBei;
}

TRecoUmgebung::TRecoUmgebung(const std::vector<unsigned char> &image,
                             std::optional<uint32_t> userLast) {
    FUser =
        Reader(FUserStream, image, S::kUserSoftwareFirst, userLast.value_or(S::kUserSoftwareLast));
    FTexte = Reader(FTexteStream, image, S::kMelderTexteFirst, S::kMelderTexteLast);
    FAdressen = Reader(FAdressenStream, image, S::kAdressTabelle,
                       S::kAdressTabelle + 2u * image.at(S::kAdressTabelle));
    FObjekteTabelle = Reader(FObjekteStream, image, S::kObjektTabelle, S::kObjektTabelleLast);
    FAssoziationen =
        Reader(FAssoziationenStream, image, S::kAssoziationsTabelle, S::kAssoziationsTabelleLast);
    FObjekte = std::make_unique<TRecoObjectManagement>(
        FObjekteTabelle.get(), FAdressen.get(), FAssoziationen.get(), &Datenbank, &Errors,
        S::kObjektTabelle, 3, 4, 2, 3, false, 0, 0, 0, 0, 0, false, 1, 2, 1);
}

std::unique_ptr<TRecoDataManagament> TRecoUmgebung::Reader(TMemoryStream &stream,
                                                           const std::vector<unsigned char> &image,
                                                           uint32_t first, uint32_t last) {
    stream.WriteBuffer(image.data() + first, last - first + 1);
    return std::make_unique<TRecoDataManagament>(&stream, first, last, 0, false);
}

bool TRecoUmgebung::Alle(uint32_t &variante, TRecoObjectManagement *objekte) {
    return Lauf<TRecoAzSystem>(User(), User(), &Datenbank, SprText(11384), &Errors, variante) &&
           Ordner(variante, objekte);
}

bool TRecoUmgebung::Ordner(uint32_t variante, TRecoObjectManagement *objekte) {
    TRecoObjectManagement *o = objekte ? objekte : Objekte();
    TRecoDataManagament *u = User();
    TVumaDatenbank *db = &Datenbank;
    TRecoErrors *e = &Errors;
    return Lauf<TRecoAzOrdnerSicherungsBereich>(u, u, db, SprText(11314), e, o, 2, variante,
                                                Texte()) &&
           Lauf<TRecoAzOrdnerScharfschaltung>(u, u, db, SprText(11312), e, o, 3, variante) &&
           Lauf<TRecoAzOrdnerAlarmierung>(u, u, db, SprText(11310), e, o, 4, variante) &&
           Lauf<TRecoAzOrdnerAnzeige>(u, u, db, SprText(11298), e, o, 5, variante) &&
           Lauf<TRecoAzEditierbareTexte>(u, u, db, SprText(11300), e, 6) &&
           Lauf<TRecoAzOrdnerSystemUeberwachung>(u, u, db, SprText(11313), e, o, 7) &&
           Lauf<TRecoAzDatumUhrzeit>(u, u, db, SprText(11299), e, o, 8);
}
