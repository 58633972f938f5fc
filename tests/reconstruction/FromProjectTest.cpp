// The fixture's download against what the object model writes: a full panel built by the
// device instance writes its device parameters into the project, and the image from the
// project holds them at the cells the reconstruction reads.
#include "AzVollesPanel.h"
#include "DeviceTestHilfen.h"
#include "TPanelImageFixture.h"

#include <gtest/gtest.h>

namespace {

class FromProject : public TDeviceFixture {};

TEST_F(FromProject, AFullPanelsParametersLandInTheirCells) {
    Device.reset();
    AnsiString block = VollesPanelBlock(Dienste);
    ASSERT_TRUE(Dienste.Project().Cdi().BlobWrite(reinterpret_cast<unsigned char *>(block.data()),
                                                  static_cast<unsigned long>(block.size()),
                                                  Dienste.Project().PanelId()));
    const DAL_DEVICE record = Dienste.PanelRecord();
    Device = std::make_unique<TDeviceInstanzAz>(&Dienste, &record, &Dienste);
    Dienste.SetDevice(Device.get());
    ASSERT_TRUE(Device->GetDataFromServer(0, true));
    // The objects whose ids an area or type picks write nothing until the instance chose
    // their ids after the load; the others write theirs.
    Device->WriteDataToDb();
    TTempProject &project = Dienste.Project();
    const TPanelImageFixture image =
        TPanelImageFixture::FromProject(project.Database(), project.PanelId());
    const auto &m = image.Image();
    auto bytes = [&](uint32_t at, size_t n) {
        return std::vector<unsigned char>(m.begin() + at, m.begin() + at + n);
    };
    // The variant word as the root holds it.
    const auto variante = static_cast<uint32_t>(*project.Parameter(10070));
    EXPECT_EQ(bytes(0xBE1A, 4),
              std::vector<unsigned char>({static_cast<unsigned char>(variante >> 24),
                                          static_cast<unsigned char>(variante >> 16),
                                          static_cast<unsigned char>(variante >> 8),
                                          static_cast<unsigned char>(variante)}));
    // New objects' values: alarm durations 255, 180, 180, 255; the clock present, automatic
    // switching, months 10 and 3; the tamper input's word 0x8039; the poll interval 10.
    EXPECT_EQ(bytes(0xBE6E, 4), std::vector<unsigned char>({255, 180, 180, 255}));
    EXPECT_EQ(m[0xBE17] & 0x20, 0x20);
    EXPECT_EQ(m[0xBE19] & 0x04, 0x04);
    EXPECT_EQ(m[0xBE16], 0x3A);
    EXPECT_EQ(bytes(0xBFFB, 2), std::vector<unsigned char>({0x80, 0x39}));
    EXPECT_EQ(m[0xBE22], 10);
    // Every detector's word and text as the project holds them.
    for (int n = 1; n <= 160; ++n) {
        const auto word = project.Parameter(3000 + 10 * n);
        ASSERT_TRUE(word) << n;
        const uint32_t w = 0xBEBB + 2 * static_cast<uint32_t>(n - 1);
        EXPECT_EQ(m[w] << 8 | m[w + 1], *word & 0xFFFF) << n;
        const auto first = static_cast<uint32_t>(project.Parameter(11001 + 10 * n).value_or(0));
        EXPECT_EQ(m[0xAD32 + 14 * static_cast<uint32_t>(n - 1)], first >> 24) << n;
    }
}

} // namespace
