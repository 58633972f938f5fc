// The panel's limits on group addresses and links, checked before every new link.
#include "DeviceTestHilfen.h"
#include "foundation/SprTexte.h"

namespace {

class Ressourcen : public TDeviceFixture {
protected:
    // Communication objects holding, in all, `links` links spread over `adressen` sub groups
    // (ids 1 to adressen).
    void Belegen(int adressen, int links) {
        int handle = 100;
        int vergeben = 0;
        while (vergeben < links) {
            auto object = std::make_unique<TEtsObjekt>(nullptr, 1, 1, "O", -1, -1, handle, -1, -1,
                                                       -1, 0, 1, 2, 0, handle);
            for (int i = 0; i < 200 && vergeben < links; ++i, ++vergeben)
                object->AddSubGroupLink(vergeben % adressen + 1, 0, false);
            std::unique_ptr<TDataBasis> owner = std::move(object);
            ASSERT_TRUE(Device->SetPointer2List(owner));
            ++handle;
        }
    }
};

struct TGrenze {
    int adressen, links;
    long neu;
    int ergebnis;
    int text;         // 0: no box
    const char *zahl; // behind the text
};
class Grenze : public Ressourcen, public ::testing::WithParamInterface<TGrenze> {};

TEST_P(Grenze, OneMoreLinkFitsOrIsRefused) {
    const TGrenze &g = GetParam();
    Belegen(g.adressen, g.links);
    std::list<int> ids;
    Device->GetAllUsedGAIds(ids);
    EXPECT_EQ(ids.size(), static_cast<size_t>(g.links)) << "one id per link";
    EXPECT_EQ(Device->DeviceRessourceCheckVerbindungen(nullptr, g.neu, true), g.ergebnis);
    if (g.text == 0) {
        EXPECT_TRUE(Boxes.Boxes().empty());
        return;
    }
    ASSERT_EQ(Boxes.Boxes().size(), 1u);
    EXPECT_EQ(Boxes.Boxes()[0].text, SprText(g.text) + g.zahl);
    EXPECT_EQ(Boxes.Boxes()[0].caption, SprText(11366));
    EXPECT_EQ(Boxes.Boxes()[0].style, 48u);
    Boxes.Clear();
    EXPECT_EQ(Device->DeviceRessourceCheckVerbindungen(nullptr, g.neu, false), 0);
    EXPECT_TRUE(Boxes.Boxes().empty()) << "show false shows nothing";
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Grenze,
    ::testing::Values(
        // 253 addresses and a new one: 254 fit, 254 links fit into 508 - 254.
        TGrenze{253, 253, 254, 1, 0, ""},
        // 254 addresses and a 255th: both limits pass; the link limit's message stands.
        TGrenze{254, 254, 255, 0, 11370, "253"},
        // 254 addresses with 254 links and one more link to one of them.
        TGrenze{254, 254, 7, 0, 11370, "254"},
        // 200 addresses: 308 links fit, the 309th does not.
        TGrenze{200, 307, 3, 1, 0, ""}, TGrenze{200, 308, 3, 0, 11370, "308"},
        // No link yet.
        TGrenze{1, 0, 1, 1, 0, ""}));

} // namespace
