// The about dialog: caption, version line with the build's version, the image only when its
// file exists, closed through the modal driver.
#include "DialogAnwendung.h"

#include "InfoTreiber.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

std::filesystem::path Bilddatei() {
    const auto folder = std::filesystem::current_path() / "out" / "AboutImage";
    std::filesystem::create_directories(folder);
    const auto file = folder / "Az.bmp";
    QImage image(120, 60, QImage::Format_RGB32);
    image.fill(QColor(30, 90, 160));
    EXPECT_TRUE(image.save(QString::fromStdString(file.string()), "BMP"));
    return file;
}

TEST(DlgInfo, TheBuildsVersionStandsBehindTheLabel) {
    EXPECT_EQ(ProgrammVersion(), TEST_PROGRAMM_VERSION);
    EXPECT_FALSE(ProgrammVersion().empty());
}

TEST(DlgInfo, CaptionVersionAndImageAsGivenThroughTheDriver) {
    Anwendung();
    const struct {
        bool bild;
        AnsiString text;
    } cases[] = {{true, ""}, {false, ""}, {true, "Zus\xE4tzlich"}};
    for (const auto &c : cases) {
        const std::string image =
            c.bild ? Bilddatei().string()
                   : (std::filesystem::current_path() / "out" / "fehlt" / "Az.bmp").string();
        TInfoTreiber treiber(c.bild ? (c.text.empty() ? "DlgInfo" : "DlgInfoText")
                                    : "DlgInfoOhneBild");
        _StartDlgInfo("Info", "Version:", c.text, image);
        const TInfoGesehen &g = treiber.Gesehen;
        EXPECT_EQ(g.Anzahl, 1);
        EXPECT_EQ(g.Titel, "Info");
        EXPECT_EQ(g.Version, std::string("Version: ") + TEST_PROGRAMM_VERSION);
        EXPECT_EQ(g.Bild, c.bild);
        EXPECT_EQ(g.BildSichtbar, c.bild);
        EXPECT_EQ(g.TextSichtbar, !c.text.empty());
        EXPECT_EQ(g.Text, c.text);
    }
}

TEST(DlgInfo, AFolderInPlaceOfTheImageShowsNone) {
    Anwendung();
    const auto folder = std::filesystem::current_path() / "out" / "ordner.bmp";
    std::filesystem::create_directories(folder);
    TDlgInfo dialog(nullptr, "Info", "Version:", "", folder.string());
    EXPECT_FALSE(dialog.HatBild());
    TDlgInfo leer(nullptr, "Info", "Version:", "", "");
    EXPECT_FALSE(leer.HatBild());
}

} // namespace
