// The about dialog: caption, version line with the build's version, the image only when its
// file exists, closed through the modal driver.
#include "DialogAnwendung.h"

#include "platform/dialogs/DlgInfo.h"

#include <QImage>
#include <QLabel>
#include <QPushButton>

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
        int shown = 0;
        TModalDriverScope driver([&](TModalDialog &d) {
            auto *info = dynamic_cast<TDlgInfo *>(&d);
            EXPECT_NE(info, nullptr);
            if (!info)
                return 0;
            ++shown;
            EXPECT_EQ(info->windowTitle().toStdString(), "Info");
            EXPECT_EQ(info->LabelVersion->text().toStdString(),
                      std::string("Version: ") + TEST_PROGRAMM_VERSION);
            EXPECT_EQ(info->HatBild(), c.bild);
            EXPECT_EQ(info->LabelBild->isVisibleTo(info), c.bild);
            EXPECT_EQ(info->LabelBild->pixmap().isNull(), !c.bild);
            EXPECT_EQ(info->LabelText->isVisibleTo(info), !c.text.empty());
            EXPECT_EQ(AnsiText(info->LabelText->text()), c.text);
            EXPECT_TRUE(Bildschirmfoto(*info, c.bild ? "DlgInfo" : "DlgInfoOhneBild"));
            info->BtnOk->click();
            return info->ModalResult();
        });
        _StartDlgInfo("Info", "Version:", c.text, image);
        EXPECT_EQ(shown, 1);
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
