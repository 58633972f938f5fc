// A device's worth of panel objects: every panel class, as many objects of each as a new device
// with all four areas has (plus detector 160), each made as the device instance makes it and
// written into one temporary simulated project. No two objects write the same parameter id, and
// the project knows every id that is written.
#include "FakeMainWindow.h"
#include "objectmodel/TAzAlarmdauer.h"
#include "objectmodel/TAzAlarmierung.h"
#include "objectmodel/TAzAnzeige.h"
#include "objectmodel/TAzDatumUhrzeit.h"
#include "objectmodel/TAzEditierbareTexte.h"
#include "objectmodel/TAzEibAlarmSystemSicherheit.h"
#include "objectmodel/TAzEibObjekteZurAlarmierung.h"
#include "objectmodel/TAzMelder.h"
#include "objectmodel/TAzOrdner.h"
#include "objectmodel/TAzOrdnerAnzeige.h"
#include "objectmodel/TAzSabotageKontakt.h"
#include "objectmodel/TAzScharfUnscharfQuittierungSsb.h"
#include "objectmodel/TAzScharfschaltBereich.h"
#include "objectmodel/TAzScharfschaltungSsb.h"
#include "objectmodel/TAzSicherungsBereich.h"
#include "objectmodel/TAzSicherungsBereichFeuerUeberfall.h"
#include "objectmodel/TAzSystem.h"
#include "objectmodel/TAzVerhaltenDurchUegR.h"
#include "platform/win/MessageBox.h"
#include "tests/platform/bustool/TempProject.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr uint32_t VierBereiche = 0x11224498; // "Konfiguration 7.2": areas 1 to 4

// The objects of one device and how each writes its device parameters (none for the classes
// that have none).
class TGeraet {
public:
    explicit TGeraet(TFakeMainWindow &main) : FMain(main) {
        using namespace T_DB_EnumAzMelder;
        auto &system = Add(std::make_unique<TAzSystem>(W(), 0, 0, "Alarmzentrale", 0, 0, 1));
        system.SetParamVarianteAz(VierBereiche);
        Add(std::make_unique<TAzEditierbareTexte>(W(), 1, 1, "Texte", Handle()));
        Add(std::make_unique<TAzOrdnerSicherungsBereich>(W(), 1, 1, "Melder", Handle()));
        Add(std::make_unique<TAzSicherungsBereichFeuer>(W(), 1, 3, "Feuer", Handle()));
        Melder(eFeuermelder, 1);
        Add(std::make_unique<TAzSicherungsBereichUeberfall>(W(), 1, 3, "Ueberfall", Handle()));
        Melder(eUeberfallmelder, 2);
        Melder(eVerdrahtet, 0);
        Add(std::make_unique<TAzSabotageKontakt>(W(), 1, 3, "Sabotage", Handle()));
        Add(std::make_unique<TAzSicherungsBereich1>(W(), 1, 3, "SB 1", Handle()));
        Melder(eMelderSb1, 3);
        Melder(eMelderSb1, 160);
        Add(std::make_unique<TAzSicherungsBereich2>(W(), 1, 3, "SB 2", Handle()));
        Melder(eMelderSb2, 4);
        Add(std::make_unique<TAzSicherungsBereich3>(W(), 1, 3, "SB 3", Handle()));
        Melder(eMelderSb3, 5);
        Add(std::make_unique<TAzSicherungsBereich4>(W(), 1, 3, "SB 4", Handle()));
        Melder(eMelderSb4, 6);

        Add(std::make_unique<TAzOrdnerScharfschaltung>(W(), 1, 1, "Scharfschaltung", Handle()));
        Add(std::make_unique<TAzScharfschaltBereich1>(W(), 1, 4, "SSB 1", Handle()));
        Add(std::make_unique<TAzScharfschaltBereich2>(W(), 1, 4, "SSB 2", Handle()));
        Add(std::make_unique<TAzScharfschaltBereich3>(W(), 1, 4, "SSB 3", Handle()));
        Add(std::make_unique<TAzScharfschaltBereich4>(W(), 1, 4, "SSB 4", Handle()));
        for (int n = 1; n <= 4; ++n) {
            Add(std::make_unique<TAzScharfschaltungSsb>(W(), 1, 4, "Scharfschaltung SSB", Handle()))
                .SetScharfschaltBereich(
                    static_cast<TAzScharfschaltungSsb::TEnumScharfschaltBereich>(n));
            Add(std::make_unique<TAzScharfUnscharfQuittierungSsb>(W(), 1, 4, "Quittierung",
                                                                  Handle()))
                .SetScharfschaltBereich(
                    static_cast<TAzScharfUnscharfQuittierungSsb::TEnumScharfschaltBereich>(n));
        }

        Add(std::make_unique<TAzOrdnerAlarmierung>(W(), 1, 1, "Alarmierung", Handle()));
        for (const int typ : {0, 1, 3, 4, 5, 6})
            Add(std::make_unique<TAzAlarmierung>(W(), 1, 5, "Alarmierung", Handle()))
                .SetAlarmierungTyp(static_cast<TAzAlarmierung::TEnumAlarmierungTyp>(typ));
        Add(std::make_unique<TAzAlarmdauer>(W(), 1, 5, "Alarmdauer", Handle()));
        Add(std::make_unique<TAzEibObjekteZurAlarmierung>(W(), 1, 5, "EIB Objekte", Handle()));

        auto &ordner = Add(std::make_unique<TAzOrdnerAnzeige>(W(), 1, 1, "Anzeige", Handle()));
        for (int nr = 0; nr < 4; ++nr) {
            auto &anzeige = Add(std::make_unique<TAzAnzeige>(W(), 1, 6, "Anzeige", Handle()));
            anzeige.SetAnzeigeNr(static_cast<TAzAnzeige::TEnumAnzeigeNr>(nr));
            anzeige.ModifyAnzeigeSsb(VierBereiche);
            ordner.ModifyQuittierungMelder(anzeige.GetAnzeigeSsb(),
                                           static_cast<TAzAnzeige::TEnumAnzeigeNr>(nr));
        }

        Add(std::make_unique<TAzOrdnerSicherheitStoerung>(W(), 1, 1, "System", Handle()));
        Add(std::make_unique<TAzEibAlarmSystemSicherheit>(W(), 1, 7, "Sicherheit", Handle()));
        for (const auto fall :
             {T_DB_EnumAzVerhaltenDurchUeGR::eUeberfall, T_DB_EnumAzVerhaltenDurchUeGR::eEinbruch})
            Add(std::make_unique<TAzVerhaltenDurchUegR>(W(), 1, 7, "Verhalten", Handle()))
                .SetUeGRBereich(fall);
        Add(std::make_unique<TAzDatumUhrzeit>(W(), 1, 1, "Datum/Uhrzeit", Handle()));
    }

    struct TObjekt {
        std::unique_ptr<TDataBasis> Objekt;
        std::function<bool()> WriteDataToDb; // empty: the class writes no device parameters
    };
    const std::vector<TObjekt> &Objekte() const { return FObjekte; }

private:
    HWND W() const { return FMain.Handle(); }
    int Handle() { return ++FHandle; }

    template <class T> T &Add(std::unique_ptr<T> objekt) {
        T &ref = *objekt;
        std::function<bool()> write;
        if constexpr (requires { ref.WriteDataToDb(); })
            write = [&ref] { return ref.WriteDataToDb(); };
        FObjekte.push_back({std::move(objekt), std::move(write)});
        return ref;
    }
    void Melder(T_DB_EnumAzMelder::TEnumMelder kind, int nummer) {
        auto &melder = Add(std::make_unique<TAzMelder>(W(), 1, 3, "Melder", Handle()));
        if (kind == T_DB_EnumAzMelder::eVerdrahtet)
            melder.SetVarianteAz(VierBereiche);
        melder.SetMelderBereich(kind);
        melder.SetMelderNr(nummer);
    }

    TFakeMainWindow &FMain;
    int FHandle = 1;
    std::vector<TObjekt> FObjekte;
};

// The "id=value" notes that the writes since the log was cleared left.
std::vector<std::pair<int, int32_t>> Geschrieben(const TFakeMainWindow &main) {
    std::vector<std::pair<int, int32_t>> out;
    for (const auto &e : main.Log()) {
        const auto gleich = e.Note.find('=');
        if (e.Msg == 0 && gleich != std::string::npos)
            out.push_back(
                {std::stoi(e.Note.substr(0, gleich)), std::stoi(e.Note.substr(gleich + 1))});
    }
    return out;
}

TEST(AzGeraet, EveryPanelClassIsThere) {
    TFakeMainWindow main;
    TGeraet geraet(main);
    std::set<int> typen;
    for (const auto &o : geraet.Objekte())
        typen.insert(o.Objekt->GetTyp());
    for (const TAzKlasse *k : AzKlasse::Alle)
        EXPECT_TRUE(typen.count(k->Typ)) << k->Name;
    EXPECT_EQ(typen.size(), AzKlasse::Alle.size());
}

TEST(AzGeraet, ParameterIdsOfAllObjectsAreDistinctAndKnownToTheProject) {
    TFakeMainWindow main;
    TTempProject &project = main.UseTemporaryProject();
    TMessageBoxRecorder boxes;
    TGeraet geraet(main);

    std::map<int, std::string> schreiber; // id -> the object that wrote it
    int schreibende = 0;
    for (const auto &o : geraet.Objekte()) {
        if (!o.WriteDataToDb)
            continue;
        const std::string name =
            AzKlasse::VonTyp(o.Objekt->GetTyp())->Name + std::string(" ") + o.Objekt->GetName(true);
        SCOPED_TRACE(name);
        main.ClearLog();
        EXPECT_TRUE(o.WriteDataToDb()) << "every id is one of the panel's parameters";
        const auto params = Geschrieben(main);
        EXPECT_FALSE(params.empty());
        ++schreibende;
        for (const auto &[id, wert] : params) {
            EXPECT_NE(id, 0);
            const auto [it, neu] = schreiber.emplace(id, name);
            EXPECT_TRUE(neu) << id << " written by " << it->second << " too";
            EXPECT_EQ(project.Parameter(id), wert) << id;
        }
    }
    EXPECT_TRUE(boxes.Boxes().empty());
    // Root, texts, 8 detectors, sabotage input, 4 arming areas with 4 + 4 settings, 6 alarm
    // outputs, durations, display folder, 4 displays, monitoring, 2 behaviours, date and time.
    EXPECT_EQ(schreibende, 1 + 1 + 8 + 1 + 4 + 8 + 6 + 1 + 1 + 4 + 1 + 2 + 1);
    // 7 root, 200 texts, 8 x 5 detectors, 2 sabotage, 16 area texts, 40 arming settings, 24
    // acknowledgements, 30 alarm outputs, 4 durations, 1 + 4 displays, 3 monitoring, 8
    // behaviours, 4 date and time.
    EXPECT_EQ(schreiber.size(), size_t(7 + 200 + 40 + 2 + 16 + 40 + 24 + 30 + 4 + 5 + 3 + 8 + 4));
}

} // namespace
