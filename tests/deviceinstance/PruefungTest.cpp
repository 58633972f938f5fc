// The checks before the editor is left, as one table: each case prepares a new panel, answers
// the questions it expects and compares the four checks' answers and the questions asked.
#include "PanelBaumTest.h"

#include "foundation/SprTexte.h"
#include "tools/bustool/TDemoProject.h"

#include <functional>

namespace {

constexpr int16_t kResetUndTest = 1599;

class Pruefung : public TPanelFixture {
public:
    using TDeviceFixture::Boxes;
    using TDeviceFixture::Device;
    using TDeviceFixture::Dienste;
    using TPanelFixture::Bereich;
    using TPanelFixture::Db;
    using TPanelFixture::Root;

    Pruefung() {
        // The alarm-reset and detector-test objects, switched on as their folder does.
        EXPECT_TRUE(Device->AddEtsObjectByDisplayOrder(kResetUndTest, 1, -100, Root(), false));
        AddDemoSurroundings(Db());
        Db().AddGroupAddress(3, 0, 3, "Meldertest");
        EXPECT_TRUE(Device->GetGrpAdrFromServer());
        Boxes.Clear();
    }
    int32_t Gruppe(int main, int middle, int sub) { return *Db().SubGroupId(main, middle, sub); }
    void Verbinden(int objekt, int32_t gruppe) {
        TEtsObjekt *o = Device->GetObjectFromObjectNr(objekt);
        ASSERT_NE(o, nullptr) << objekt;
        ASSERT_TRUE(Device->LinkToSubGroup(gruppe, o->GetHandle(), true)) << objekt;
    }
    void Entfernen(int objekt) {
        TEtsObjekt *o = Device->GetObjectFromObjectNr(objekt);
        ASSERT_NE(o, nullptr) << objekt;
        ASSERT_TRUE(Device->DeletePointerFromList(o));
    }
    // Every detector input linked (each to an address of its own), the wired input too.
    void AlleMelderVerbinden(std::initializer_list<int> ausser = {}) {
        std::vector<std::pair<int, int32_t>> links;
        int sub = 1;
        for (TAzMelder *m : Alle<TAzMelder>(6124)) {
            const int nr = m->GetMelderBereich() == T_DB_EnumAzMelder::eVerdrahtet
                               ? 161
                               : m->GetMelderNr() - 1;
            if (std::find(ausser.begin(), ausser.end(), nr) == ausser.end())
                links.emplace_back(nr, Db().AddGroupAddress(5, 0, sub, "Melder"));
            ++sub;
        }
        ASSERT_TRUE(Device->GetGrpAdrFromServer());
        for (const auto &[nr, gruppe] : links)
            Verbinden(nr, gruppe);
    }
    void Schalteinrichtungen(int k, std::array<int32_t, 4> se) {
        TAzScharfschaltungSsb *ssb = Device->GetPointerInstScharfschaltungSsb(k);
        ASSERT_NE(ssb, nullptr);
        TDatenStruktur *record = Device->GetDatenSatz(ssb);
        record->Param5 = se[0];
        record->Param6 = se[1];
        record->Param7 = se[2];
        record->Param8 = se[3];
        ssb->InitFromDB(*record);
    }
};

struct TFall {
    const char *Name;
    std::function<void(Pruefung &)> Vorbereiten;
    std::vector<int> Antworten;
    std::array<bool, 4> Ergebnisse; // AlarmReset, Meldertest, Melder, Scharfschalt-Eingang
    std::vector<int> Fragen;        // text ids of the questions
};

void PrintTo(const TFall &f, std::ostream *os) {
    *os << f.Name;
}

void Standard(Pruefung &p) {
    p.Verbinden(225, p.Gruppe(3, 0, 1));
    p.Verbinden(226, p.Gruppe(3, 0, 3));
    p.AlleMelderVerbinden();
}

void Zehn(Pruefung &p) {
    for (int i = 0; i < 10; ++i)
        ASSERT_TRUE(p.Device->CreateAzMelder(p.Dienste.GetHandle(), p.Bereich(1), false, 3));
}

// Five devices on one address: the three of the demo and two more.
void FuenfGeraete(Pruefung &p) {
    const int32_t line = p.Db().EnsureLine(1, 1);
    for (int a : {20, 21}) {
        const int32_t id = p.Db().AddSwitchingDevice(line, a, "Weitere " + std::to_string(a));
        p.Db().Link(*p.Db().DeviceObjectId(id, 2), p.Gruppe(3, 0, 2), true);
    }
}

// 1/0/1 reaches two devices: the first switching device sends on it, the second listens.
void ZweiGeraete(Pruefung &p) {
    const int32_t lager = *p.Db().DeviceByAddress(0x110B);
    p.Db().Link(*p.Db().DeviceObjectId(lager, 1), p.Gruppe(1, 0, 1), false);
}

const TFall kFaelle[] = {
    {"all linked", Standard, {}, {true, true, true, true}, {}},
    {"225 missing",
     [](Pruefung &p) {
         Standard(p);
         p.Entfernen(225);
     },
     {},
     {false, true, true, true},
     {}},
    {"225 without address",
     [](Pruefung &p) {
         p.Verbinden(226, p.Gruppe(3, 0, 3));
         p.AlleMelderVerbinden();
     },
     {},
     {false, true, true, true},
     {}},
    {"226 missing",
     [](Pruefung &p) {
         Standard(p);
         p.Device->UnLinkFromSubGroup(p.Gruppe(3, 0, 3),
                                      p.Device->GetObjectFromObjectNr(226)->GetDeviceObjectId());
         p.Entfernen(226);
     },
     {},
     {true, true, true, true},
     {}},
    {"226 without address, No",
     [](Pruefung &p) {
         p.Verbinden(225, p.Gruppe(3, 0, 1));
         p.AlleMelderVerbinden();
     },
     {IDNO},
     {true, false, true, true},
     {11261}},
    {"226 without address, Yes",
     [](Pruefung &p) {
         p.Verbinden(225, p.Gruppe(3, 0, 1));
         p.AlleMelderVerbinden();
     },
     {IDYES},
     {true, true, true, true},
     {11261}},
    {"ten detectors, two gaps, one question, No",
     [](Pruefung &p) {
         Zehn(p);
         p.Verbinden(225, p.Gruppe(3, 0, 1));
         p.Verbinden(226, p.Gruppe(3, 0, 3));
         p.AlleMelderVerbinden({2, 7});
     },
     {IDNO},
     {true, true, false, true},
     {11259}},
    {"the wired input's gap, Yes",
     [](Pruefung &p) {
         p.Verbinden(225, p.Gruppe(3, 0, 1));
         p.Verbinden(226, p.Gruppe(3, 0, 3));
         p.AlleMelderVerbinden({161});
     },
     {IDYES},
     {true, true, true, true},
     {11259}},
    {"area 2 reaches 5 devices",
     [](Pruefung &p) {
         Standard(p);
         FuenfGeraete(p);
         p.Verbinden(163, p.Gruppe(3, 0, 2));
     },
     {},
     {true, true, true, false},
     {}},
    {"area 2 reaches 2 devices, lists (A, B, A)",
     [](Pruefung &p) {
         Standard(p);
         ZweiGeraete(p);
         p.Verbinden(163, p.Gruppe(1, 0, 1));
         p.Schalteinrichtungen(2, {0x110A, 0x110B, 0x110A, 0});
         ASSERT_TRUE(p.Device->DatenAbgleich(false, false));
     },
     {},
     {true, true, true, true},
     {}},
    {"area 2 reaches 2 devices, lists one",
     [](Pruefung &p) {
         Standard(p);
         ZweiGeraete(p);
         p.Verbinden(163, p.Gruppe(1, 0, 1));
         p.Schalteinrichtungen(2, {0x110A, 0, 0, 0});
         ASSERT_TRUE(p.Device->DatenAbgleich(false, false));
     },
     {},
     {true, true, true, false},
     {}},
    {"area 1 reaches no device",
     [](Pruefung &p) {
         Standard(p);
         p.Verbinden(162, p.Gruppe(2, 0, 2));
     },
     {},
     {true, true, true, false},
     {}},
    {"an area without address is not checked",
     [](Pruefung &p) {
         Standard(p);
         p.Schalteinrichtungen(1, {0x110A, 0x110B, 0, 0});
         ASSERT_TRUE(p.Device->DatenAbgleich(false, false));
     },
     {},
     {true, true, true, true},
     {}},
    {"no system object",
     [](Pruefung &p) {
         Standard(p);
         p.Verbinden(163, p.Gruppe(3, 0, 2));
         ASSERT_TRUE(p.Device->DeletePointerFromList(p.Root()));
     },
     {},
     {true, true, true, true},
     {}},
};

class Pruefungen : public Pruefung, public ::testing::WithParamInterface<TFall> {};

TEST_P(Pruefungen, AnswerAsTabled) {
    const TFall &f = GetParam();
    Pruefung &p = *this;
    f.Vorbereiten(p);
    if (HasFatalFailure())
        return;
    p.Boxes.Clear();
    for (int a : f.Antworten)
        p.Boxes.Answer(a);
    const std::array<bool, 4> ergebnisse = {
        p.Device->CheckObjektAlarmReset(), p.Device->CheckObjektMeldertest(),
        p.Device->CheckObjekteMelder(), p.Device->CheckObjekteScharfschaltEingang()};
    EXPECT_EQ(ergebnisse, f.Ergebnisse);
    std::vector<int> fragen;
    for (const auto &b : p.Boxes.Boxes()) {
        const int id = b.text == SprText(11261) ? 11261 : b.text == SprText(11259) ? 11259 : 0;
        fragen.push_back(id);
        EXPECT_EQ(b.style, static_cast<unsigned>(MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2));
        EXPECT_EQ(b.caption, SprText(id == 11261 ? 11262 : 11260));
    }
    EXPECT_EQ(fragen, f.Fragen);
}

INSTANTIATE_TEST_SUITE_P(Verlassen, Pruefungen, ::testing::ValuesIn(kFaelle),
                         [](const auto &info) { return "Fall" + std::to_string(info.index); });

} // namespace
