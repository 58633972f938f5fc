// pultor where nobody sees it (the offscreen platform, as under the host in these tests):
// every box and dialog is written to standard error and answered at once, so a run ends by
// itself: the detailed error box of a failed group read, the question for the module name.
#include "PultorE2E.h"

#include "platform/bustool/TProjectDatabase.h"

namespace fs = std::filesystem;
using namespace e2e;

namespace {

class PultorKopflos : public PultorE2E {};

// The group read fails as the editor loads the panel's links: the detailed error box goes to
// standard error, and every event is answered within the host's time-out.
TEST_F(PultorKopflos, AFailedGroupReadIsWrittenOutAndTheRunEnds) {
    struct TFall {
        const char *Aufruf;
        std::vector<std::string> Vorher; // a run without the failure
        std::vector<std::string> Mit;    // the run that takes it
        const char *Detail;
    };
    const std::vector<std::string> verbinden = {"download 1.1.1 0", "link 1.1.1 0 3/0/1", "stop"};
    const TFall faelle[] = {
        {"DalGetMaingroupData",
         {"download 1.1.1 0", "stop"},
         {"link 1.1.1 0 3/0/1", "stop"},
         "MainGroupId not found"},
        {"DalGetMiddlegroupData",
         {"download 1.1.1 0", "stop"},
         {"link 1.1.1 0 3/0/1", "stop"},
         "MiddleGroupId not found"},
        {"DalGetSubgroupData",
         {"download 1.1.1 0", "stop"},
         {"link 1.1.1 0 3/0/1", "stop"},
         "SubGroupId not found"},
        {"DalGetMaingroupData", verbinden, {"download 1.1.1 0", "stop"}, "MainGroupId not found"},
        {"DalGetSubgroupData", verbinden, {"download 1.1.1 0", "stop"}, "SubGroupId not found"},
    };
    int n = 0;
    for (const TFall &f : faelle) {
        SCOPED_TRACE(std::string(f.Aufruf) + " at " + f.Mit.front());
        Projekt = Dir / ("project" + std::to_string(++n) + ".db");
        ASSERT_EQ(Bustool("init --demo " + Projekt.string()).code, 0);
        ASSERT_EQ(Run(f.Vorher, 60).code, 0);
        TProjectDatabase(Projekt).InjectFailure(f.Aufruf, 1);

        const TLauf lauf = Run(f.Mit, 30);
        EXPECT_EQ(lauf.code, 0) << lauf.ausgabe;
        EXPECT_EQ(Anzahl(lauf.ausgabe, "answer: done 1, result"), f.Mit.size() - 1) << lauf.ausgabe;
        EXPECT_NE(lauf.ausgabe.find("the editor has ended"), std::string::npos) << lauf.ausgabe;
        EXPECT_NE(lauf.ausgabe.find("[Az] Beim Laden der Gruppendressen ist ein Fehler"),
                  std::string::npos)
            << lauf.ausgabe;
        EXPECT_NE(lauf.ausgabe.find(f.Detail), std::string::npos) << lauf.ausgabe;
        EXPECT_TRUE(TProjectDatabase(Projekt).Failures().empty()) << "the failure was taken";
    }
}

// Without a module name the editor asks for one; where nobody can answer, the question is
// cancelled, the empty name passed on, and the program ends with its failure code.
TEST_F(PultorKopflos, StartedWithoutAModuleNameTheProgramEndsWithOne) {
    struct TFall {
        std::string Umgebung;
        const char *Grund;
    };
    const TFall faelle[] = {
        {"-u BUSTOOL_PROJECT", "no project database named in BUSTOOL_PROJECT"},
        {"BUSTOOL_PROJECT=" + Projekt.string(), "Keine Verbindung zum Bus-Tool"},
    };
    for (const TFall &f : faelle) {
        SCOPED_TRACE(f.Umgebung);
        const TLauf lauf =
            Ausfuehren("env -u BUSTOOL_EVENTS " + f.Umgebung +
                       " QT_QPA_PLATFORM=offscreen timeout 30 " + (Dir / "pultor").string());
        EXPECT_EQ(lauf.code, 1) << lauf.ausgabe; // the time-out would give 124
        EXPECT_NE(lauf.ausgabe.find("[Devicetype] cancelled"), std::string::npos) << lauf.ausgabe;
        EXPECT_NE(lauf.ausgabe.find(f.Grund), std::string::npos) << lauf.ausgabe;
    }
}

} // namespace
