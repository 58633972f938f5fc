// Pictures of the project window on the full panel, to look at: the tree with a folder's child
// list, a detector's grid with an open editor, and the opened group-address folder. Each is
// grabbed offscreen and written into the test's folder as a PNG.
#include "TestHilfen.h"
#include "shell/TCtrlTree.h"
#include "shell/TDrawGridSEView.h"
#include "shell/TImageList.h"
#include "shell/TListView.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <filesystem>

namespace {

using Bilder = VollesFenster;

// Grabs the widget, writes it as name.png and answers the image.
QImage Speichere(QWidget *w, const char *name) {
    QCoreApplication::processEvents();
    const QPixmap pixmap = w->grab();
    const std::filesystem::path file = std::filesystem::current_path() / name;
    EXPECT_TRUE(pixmap.save(QString::fromStdString(file.string()), "PNG")) << file;
    EXPECT_TRUE(std::filesystem::exists(file));
    return pixmap.toImage();
}

// Pixels that are not the background: something was drawn.
int Gezeichnet(const QImage &image, QColor background) {
    int n = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            if (image.pixelColor(x, y) != background)
                ++n;
    return n;
}

TEST_F(Bilder, TreeAndChildList) {
    Zeige(W);
    TTreeNode *ordner = KnotenTyp(W->Tree, 6122);
    ordner->setExpanded(true);
    W->Tree->setCurrentItem(ordner);
    const QImage image = Speichere(W, "formverw_baum_liste.png");
    EXPECT_EQ(image.size(), W->size() * W->devicePixelRatio());
    EXPECT_GT(Gezeichnet(image, W->ListView->palette().color(QPalette::Base)), 100);
    EXPECT_EQ(W->ListView->count(), ordner->childCount());
}

TEST_F(Bilder, DetectorGridWithAnOpenEditor) {
    Zeige(W);
    TTreeNode *melder = KnotenTyp(W->Tree, 6124);
    W->Tree->scrollToItem(melder);
    W->Tree->setCurrentItem(melder);
    H.Zustellen();
    // The text row's editable combo box.
    for (int r = 0; r < W->Grid.RowCount(); ++r)
        if (W->Grid.Cells(1, r).Kind == TCell::ckComboBox && r > 0) {
            W->Grid.SetActiveCell(1, r);
            break;
        }
    ASSERT_NE(W->GridView->EditorWidget(), nullptr);
    const QImage image = Speichere(W, "formverw_melder_grid.png");
    EXPECT_GT(Gezeichnet(image, W->GridView->palette().color(QPalette::Base)), 100);
}

TEST_F(Bilder, GroupAddressFolder) {
    Zeige(W);
    W->Tree->TopNode(0)->setExpanded(false);
    TTreeNode *ordner = W->CtrlTree()->GrpAdrFolderNode();
    ordner->setExpanded(true);
    for (int i = 0; i < ordner->childCount(); ++i)
        ordner->child(i)->setExpanded(true);
    W->Tree->setCurrentItem(ordner->child(0));
    const QImage image = Speichere(W, "formverw_gruppenadressen.png");
    EXPECT_GT(Gezeichnet(image, W->Tree->palette().color(QPalette::Base)), 100);
}

TEST(BilderListe, EveryTreeIconAndToolBarImageIsDrawn) {
    TImageList bilder;
    for (int index : {29, 33, 36, 51, 52, 55, 59, 60, 61, 62, 68, 70, 71, 72, 73, 74, 75}) {
        SCOPED_TRACE(index);
        ASSERT_TRUE(bilder.Has(index));
        EXPECT_EQ(bilder.Pixmap(index).size(), QSize(18, 18));
    }
    for (int index = 29; index <= 68; ++index)
        EXPECT_TRUE(bilder.Has(index)) << index;
    EXPECT_FALSE(bilder.Has(69));
    EXPECT_TRUE(bilder.Icon(69).isNull());
    QImage strip(18 * 8, 18, QImage::Format_ARGB32);
    strip.fill(Qt::white);
    {
        QPainter p(&strip);
        int x = 0;
        for (int index : {29, 33, 36, 60, 61, 70, 71, 73})
            p.drawPixmap(x++ * 18, 0, bilder.Pixmap(index));
    }
    EXPECT_TRUE(strip.save(
        QString::fromStdString((std::filesystem::current_path() / "imagelist.png").string()),
        "PNG"));
}

} // namespace
