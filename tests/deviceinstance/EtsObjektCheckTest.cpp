// The check of the bus tool's objects against the device's: a fresh panel passes with the
// product data's switching rules, a surplus parameter is reset, a missing object is a failure
// that no later correction turns into success.
#include "PanelBaumTest.h"

#include "foundation/SprTexte.h"

#include <string>

namespace {

class EtsObjektCheck : public TPanelFixture {
protected:
    EtsObjektCheck() {
        EXPECT_EQ(VarianteAnwenden(0x11111111), 1); // four security areas
        Boxes.Clear();
        Fortschritt.Clear();
    }
    // Sets a parameter in the bus tool behind the editor's back.
    void ImBusTool(int parameterId, int wert) {
        ASSERT_TRUE(Db().SetParameterValue(Panel(), parameterId, wert, nullptr));
    }
    std::vector<std::string> Texte() {
        std::vector<std::string> out;
        for (const auto &b : Boxes.Boxes())
            out.push_back(b.text);
        return out;
    }
    // A switching parameter of the panel whose objects the configuration does not hold:
    // detector 100's (object 99).
    static constexpr int kFremderMelder = 10 + 99 * 10;
};

TEST_F(EtsObjektCheck, AFreshFourAreaPanelEndsWithTheSuccessBoxAlone) {
    ASSERT_FALSE(BusObjektNummern().empty());
    ASSERT_EQ(BusObjektNummern(), AktiveObjekte())
        << "every object the panel's parameters switch on is in the configuration";
    EXPECT_EQ(Device->EtsObjektCheck(), 1);
    ASSERT_EQ(Boxes.Boxes().size(), 1u) << testing::PrintToString(Texte());
    EXPECT_EQ(Boxes.Boxes()[0].text, SprText(9021));
    EXPECT_EQ(Boxes.Boxes()[0].caption, SprText(9045));
    EXPECT_EQ(Boxes.Boxes()[0].style, 0u);
    EXPECT_EQ(Fortschritt.Offen(), 0);
    ASSERT_FALSE(Fortschritt.Aufrufe().empty());
    EXPECT_EQ(Fortschritt.Aufrufe().front().Daten.Caption, SprText(9045));
    EXPECT_EQ(Fortschritt.Aufrufe().back().Aktion, TDlgProgressAktion::Stop);
    EXPECT_EQ(Fortschritt.Aufrufe().front().Daten.Max, 3);
    EXPECT_EQ(Fortschritt.Aufrufe()[Fortschritt.Aufrufe().size() - 2].Daten.Max,
              3 + static_cast<int>(BusObjektNummern().size()))
        << "the range grows by the objects to check";
}

TEST_F(EtsObjektCheck, ASurplusParameterIsResetAndReportedAsCorrected) {
    ImBusTool(kFremderMelder, 1);
    ASSERT_EQ(Parameter(kFremderMelder), 1);
    EXPECT_EQ(Device->EtsObjektCheck(), 1);
    EXPECT_EQ(Texte(), (std::vector<std::string>{SprText(9103) + "99" + "\n\n" + SprText(9023),
                                                 SprText(9022)}));
    EXPECT_EQ(Boxes.Boxes()[0].caption, SprText(9045));
    EXPECT_EQ(Boxes.Boxes()[0].style, static_cast<unsigned>(MB_ICONWARNING));
    EXPECT_EQ(Boxes.Boxes()[1].style, static_cast<unsigned>(MB_ICONWARNING));
    EXPECT_EQ(Parameter(kFremderMelder), 0);
    EXPECT_EQ(BusObjektNummern(), AktiveObjekte());
}

TEST_F(EtsObjektCheck, AMissingObjectIsAFailure) {
    ImBusTool(1593, 0); // the wired panel input's object (161) is switched off
    EXPECT_EQ(Device->EtsObjektCheck(), 1);
    EXPECT_EQ(Texte(), (std::vector<std::string>{SprText(9104) + "161" + "\n\n" + SprText(9098),
                                                 SprText(9098)}));
    EXPECT_EQ(Boxes.Boxes()[0].caption, SprText(9041));
    EXPECT_EQ(Boxes.Boxes()[0].style, static_cast<unsigned>(MB_ICONERROR));
    EXPECT_EQ(Boxes.Boxes()[1].caption, SprText(9045));
    EXPECT_EQ(Boxes.Boxes()[1].style, static_cast<unsigned>(MB_ICONERROR));
}

TEST_F(EtsObjektCheck, ACorrectionAfterAFailureLeavesTheCheckFailed) {
    ImBusTool(1593, 0);
    ImBusTool(kFremderMelder, 1);
    EXPECT_EQ(Device->EtsObjektCheck(), 1);
    ASSERT_EQ(Boxes.Boxes().size(), 3u);
    EXPECT_EQ(Boxes.Boxes()[1].text, SprText(9103) + "99" + "\n\n" + SprText(9023));
    EXPECT_EQ(Boxes.Boxes()[2].text, SprText(9098)) << "not the end box of a correction";
    EXPECT_EQ(Boxes.Boxes()[2].style, static_cast<unsigned>(MB_ICONERROR));
}

TEST_F(EtsObjektCheck, AParameterTheBusToolWillNotResetIsAFailure) {
    ImBusTool(kFremderMelder, 1);
    Db().InjectFailure("CoSetDeviceParameterValueLong", 1);
    EXPECT_EQ(Device->EtsObjektCheck(), 1);
    EXPECT_EQ(Texte(), (std::vector<std::string>{SprText(9103) + "99" + "\n\n" + SprText(9098),
                                                 SprText(9098)}));
    EXPECT_EQ(Boxes.Boxes()[0].caption, SprText(9041));
    EXPECT_EQ(Parameter(kFremderMelder), 1);
}

} // namespace
