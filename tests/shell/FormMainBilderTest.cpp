// Pictures of the program's own windows, to look at: the main window with its project window
// on the demo panel, the progress dialog, the bus tool's meter and the device-type question of
// a start without a module name. Each is grabbed offscreen into the test's folder as a PNG.
#include "TTestFormMain.h"
#include "platform/dialogs/InputBox.h"
#include "shell/ProgrammDialoge.h"

#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QProgressBar>

#include <filesystem>
#include <set>

#include <gtest/gtest.h>

namespace {

QImage Speichere(QWidget *w, const char *name) {
    w->show();
    QCoreApplication::processEvents();
    const QPixmap pixmap = w->grab();
    const std::filesystem::path file = std::filesystem::current_path() / name;
    EXPECT_TRUE(pixmap.save(QString::fromStdString(file.string()), "PNG")) << file;
    return pixmap.toImage();
}

// Distinct colours: a window that drew its controls has many, an empty one a few.
int Farben(const QImage &image) {
    std::set<QRgb> farben;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            farben.insert(image.pixel(x, y));
    return static_cast<int>(farben.size());
}

TEST(FormMainBilder, MainWindowWithItsProjectWindow) {
    TTestFormMain f;
    ASSERT_TRUE(f.Oeffne());
    f.Main->resize(1000, 700);
    const QImage image = Speichere(f.Main.get(), "formmain.png");
    auto *mdi = f.Main->findChild<QMdiArea *>();
    ASSERT_NE(mdi, nullptr);
    ASSERT_FALSE(mdi->subWindowList().isEmpty());
    EXPECT_TRUE(mdi->subWindowList().front()->isVisible());
    // The frame has the window's stored size (the defaults here), not a bare size hint.
    EXPECT_EQ(mdi->subWindowList().front()->size(), QSize(620, 300));
    EXPECT_GT(Farben(image), 20);
}

TEST(FormMainBilder, ProgressMeterAndDeviceTypeQuestion) {
    TTestFormMain f;
    TDlgProgressDaten daten;
    daten.Caption = "Bitte warten";
    daten.Text = "Daten werden gespeichert\n\rSchritt 3";
    daten.Max = 9;
    TDlgProgressForm fortschritt(daten, f.Main->GetHandle());
    fortschritt.Setze(3, daten);
    EXPECT_EQ(fortschritt.Text->text(), "Daten werden gespeichert\nSchritt 3");
    EXPECT_GT(Farben(Speichere(&fortschritt, "fortschritt.png")), 3);

    TEtsMeterForm meter(f.Main.get());
    meter.SetCaption("Gerät importieren");
    meter.SetText(1, "Zentrale 1.1.1");
    meter.SetText(2, "Datenblock wird gelesen");
    meter.SetPosition(40);
    EXPECT_EQ(meter.Balken->value(), 40);
    EXPECT_GT(Farben(Speichere(&meter, "meter.png")), 3);

    // The question of a start without a module name, as the main window asks it.
    TInputBox frage(nullptr, "Devicetype", "Devicetype", "");
    EXPECT_GT(Farben(Speichere(&frage, "devicetype.png")), 3);
}

} // namespace
