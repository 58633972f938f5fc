// The event-memory dialogs: the rows and separators, label and heading, the saved file, the
// printed pages' layout, one print into a PDF file, Close through the modal driver, the notice
// through the seam; and the demo panel's read-out shown and saved.
#include "DialogTestHilfen.h"
#include "tests/deviceinstance/PanelBaumTest.h"

#include "deviceinstance/PcUhr.h"
#include "deviceinstance/dialogs/TDeviceDialogeQt.h"
#include "deviceinstance/dialogs/TDlgEreignisspeicher.h"
#include "deviceinstance/dialogs/TDlgInfoEreignisspeicher.h"
#include "platform/vcl/Cp1252.h"
#include "platform/win/MessageBox.h"

#include <QLabel>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

TStringList Liste(const std::vector<AnsiString> &lines) {
    TStringList out;
    for (const AnsiString &line : lines)
        out.Add(line);
    return out;
}

std::string Lesen(const std::filesystem::path &path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// One event line as the read-out writes it: a comma text (items with blanks quoted).
AnsiString Zeile(std::initializer_list<const char *> items) {
    TStringList list;
    for (const char *item : items)
        list.Add(Utf8ToAnsi(item));
    return list.CommaText();
}

const std::vector<AnsiString> kZeilen = {
    Zeile({"1", "SB 1", "Alarm", "Melder 3", "24.05.26", "12:30:00"}),
    Zeile({"2", "SB 1", "Scharf", "SE 1", "24.05.26", "12:31:00"}),
    Zeile({"3", "SB 2", "Alarm", "Melder 5", "24.05.26", "12:32:00"}),
    Zeile({"4", "", "Netzausfall", "", "24.05.26", "12:33:00"}),
    Zeile({"5", "SB 3", "Unscharf", "SE 2", "24.05.26", "12:34:00"}),
};

class Ereignisspeicher : public ::testing::Test {
protected:
    ~Ereignisspeicher() override { std::filesystem::remove_all(Ordner()); }
    static std::filesystem::path Ordner() {
        return std::filesystem::temp_directory_path() /
               ("ereignisspeicher_" + std::to_string(::getpid()));
    }
    std::unique_ptr<TDlgEreignisspeicher> Dialog(const std::vector<AnsiString> &lines) {
        return std::make_unique<TDlgEreignisspeicher>(
            nullptr, Liste(lines), "Projekt: Test, Zentrale: AZ[01.01.001]", "AZ[01.01.001]",
            "31.12.26 / 23:59:59", "24.05.26 / 12:34:56");
    }
    std::filesystem::path Datei(const std::string &name) {
        std::filesystem::create_directories(Ordner());
        return Ordner() / name;
    }
};

TEST_F(Ereignisspeicher, SeparatorRowsOnlyWhereTheAreaChanges) {
    struct TFall {
        std::vector<AnsiString> Lines;
        std::vector<std::string> Nummern;
    };
    const TFall faelle[] = {
        {{}, {}},
        {{kZeilen[0]}, {"1"}},
        {{kZeilen[0], kZeilen[1]}, {"1", "2"}},
        {{kZeilen[0], kZeilen[2]}, {"1", "", "2"}},
        // An empty area is no area: nothing separates it from what follows.
        {{kZeilen[3], kZeilen[0]}, {"1", "2"}},
        {kZeilen, {"1", "2", "", "3", "", "4", "5"}},
    };
    for (const TFall &f : faelle) {
        auto dialog = Dialog(f.Lines);
        EXPECT_EQ(Zeilen(dialog->ListView), f.Nummern) << f.Lines.size();
    }
    auto dialog = Dialog(kZeilen);
    const QTreeWidgetItem *row = dialog->ListView->topLevelItem(3);
    std::vector<std::string> cells;
    for (int c = 0; c < 6; ++c)
        cells.push_back(row->text(c).toStdString());
    EXPECT_EQ(cells, (std::vector<std::string>{"3", "SB 2", "Alarm", "Melder 5", "24.05.26",
                                               "12:32:00"}));
}

TEST_F(Ereignisspeicher, LabelHeadingAndTexts) {
    auto dialog = Dialog(kZeilen);
    EXPECT_EQ(dialog->GetLabelText(),
              "Datum und Uhrzeit beim Auslesen des Ereignisspeicher:\n\r\n\rPC: 31.12.26 / "
              "23:59:59          AZ[01.01.001]: 24.05.26 / 12:34:56");
    EXPECT_EQ(dialog->GetHeading(), "Datum und Uhrzeit beim Auslesen des Ereignisspeicher:PC: "
                                    "31.12.26 / 23:59:59    AZ[01.01.001]: 24.05.26 / 12:34:56");
    EXPECT_EQ(dialog->LabelPcAndDeviceTime->text().toStdString(),
              "Datum und Uhrzeit beim Auslesen des Ereignisspeicher:\n\nPC: 31.12.26 / "
              "23:59:59          AZ[01.01.001]: 24.05.26 / 12:34:56");
    EXPECT_EQ(dialog->windowTitle().toStdString(), "Ereignisspeicher");
    EXPECT_EQ(AnsiText(dialog->BtnClose->text()), Utf8ToAnsi("Schließen"));
    EXPECT_EQ(dialog->BtnPrint->text().toStdString(), "Drucken ...");
    EXPECT_EQ(dialog->BtnSave->text().toStdString(), "Speichern ...");
    std::vector<std::string> captions;
    for (int c = 0; c < dialog->ListView->columnCount(); ++c)
        captions.push_back(dialog->ListView->headerItem()->text(c).toStdString());
    EXPECT_EQ(captions, (std::vector<std::string>{"Nr.", "Bereich", "Ereignis", "Teilnehmer",
                                                  "Datum", "Uhrzeit"}));
}

TEST_F(Ereignisspeicher, SavesTitleHeadingCaptionsAndTheLines) {
    const std::string heading = "Datum und Uhrzeit beim Auslesen des Ereignisspeicher:PC: "
                                "31.12.26 / 23:59:59    AZ[01.01.001]: 24.05.26 / 12:34:56";
    const std::string kopf = "Projekt: Test, Zentrale: AZ[01.01.001]\r\n" + heading +
                             "\r\nNr.,Bereich,Ereignis,Teilnehmer,Datum,Uhrzeit\r\n";
    struct TFall {
        std::vector<AnsiString> Lines;
        std::string Inhalt;
    };
    const AnsiString umlaut = Zeile({"6", "SB 1", "Störung", "Tür Süd", "24.05.26", "12:35:00"});
    const TFall faelle[] = {
        {{}, kopf},
        {{kZeilen[0], umlaut},
         kopf + std::string(kZeilen[0]) + "\r\n" + std::string(umlaut) + "\r\n"},
    };
    for (const TFall &f : faelle) {
        auto dialog = Dialog(f.Lines);
        const auto path = Datei("Ereignisspeicher.txt");
        std::filesystem::remove(path);
        std::string folder, name;
        dialog->FrageDatei = [&](const std::string &o, const std::string &n) {
            folder = o;
            name = n;
            return path.string();
        };
        dialog->BtnSaveClick();
        EXPECT_EQ(Lesen(path), f.Inhalt);
        EXPECT_EQ(name, "Ereignisspeicher");
        EXPECT_TRUE(folder.ends_with("/Ereignisspeicher/")) << folder;
    }
    EXPECT_NE(kopf.find("\r\n"), std::string::npos);

    // Cancelled: nothing written.
    auto dialog = Dialog(kZeilen);
    const auto path = Datei("nie.txt");
    std::filesystem::remove(path);
    dialog->FrageDatei = [](const std::string &, const std::string &) { return std::string(); };
    dialog->BtnSaveClick();
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(Ereignisspeicher, AFileThatCannotBeWrittenIsToldAndRefused) {
    TMessageBoxRecorder boxes;
    auto dialog = Dialog(kZeilen);
    const auto path = Datei("fehlt") / "unter" / "x.txt";
    EXPECT_FALSE(dialog->Speichern(path.string()));
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].caption, "Fehler");
}

TEST(EreignisspeicherDruck, LayoutBreaksPagesAndStartsEachBelowItsHeading) {
    // Text height 50: heading ends at 200 + 30 + 3 * 80 + 50 = 520; rows every 50, a page
    // takes rows up to 2000 - 200 - 100 = 1700.
    EXPECT_EQ(TDlgEreignisspeicher::KopfEnde(50), 520);
    const auto layout = TDlgEreignisspeicher::DruckLayout(50, 2000, 50);
    ASSERT_EQ(layout.size(), 50u);
    EXPECT_EQ(layout[0], (TDruckZeile{1, 570}));
    int perPage = 0;
    while (layout[static_cast<size_t>(perPage)].Seite == 1)
        ++perPage;
    EXPECT_EQ(perPage, 23); // 570 .. 1670; 1720 would pass 1700
    EXPECT_EQ(layout[22], (TDruckZeile{1, 1670}));
    EXPECT_EQ(layout[23], (TDruckZeile{2, 570}));
    EXPECT_EQ(layout[46], (TDruckZeile{3, 570}));
    EXPECT_EQ(layout[49], (TDruckZeile{3, 720}));
    EXPECT_TRUE(TDlgEreignisspeicher::DruckLayout(0, 2000, 50).empty());
    // A page too short for even one row below its heading: one row a page, never a hang.
    const auto eng = TDlgEreignisspeicher::DruckLayout(3, 500, 50);
    EXPECT_EQ(eng, (std::vector<TDruckZeile>{{1, 570}, {2, 570}, {3, 570}}));
}

// A page that keeps the texts drawn on it, in order.
class TTextSeite : public QPaintDevice {
public:
    std::vector<std::string> Texte;
    QPaintEngine *paintEngine() const override { return &FEngine; }

protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
        case PdmWidth: return 3508;
        case PdmHeight: return 2480;
        case PdmDpiX: case PdmDpiY: case PdmPhysicalDpiX: case PdmPhysicalDpiY: return 300;
        case PdmWidthMM: return 297;
        case PdmHeightMM: return 210;
        case PdmDepth: return 32;
        case PdmNumColors: return 1 << 24;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    class TEngine : public QPaintEngine {
    public:
        explicit TEngine(TTextSeite &page) : FPage(page) {}
        bool begin(QPaintDevice *) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState &) override {}
        void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
        void drawPath(const QPainterPath &) override {}
        void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
        void drawTextItem(const QPointF &, const QTextItem &item) override {
            FPage.Texte.push_back(item.text().toStdString());
        }
        Type type() const override { return User; }

    private:
        TTextSeite &FPage;
    };
    mutable TEngine FEngine{*this};
};

TEST_F(Ereignisspeicher, EachPagesHeadingCarriesItsNumber) {
    auto dialog = Dialog(kZeilen);
    for (const int seite : {1, 2, 7}) {
        TTextSeite page;
        QPainter painter(&page);
        dialog->PrintPageHeading(painter, 3508, 2480, 40, seite);
        painter.end();
        EXPECT_EQ(page.Texte,
                  (std::vector<std::string>{
                      "Projekt: Test, Zentrale: AZ[01.01.001]" + std::string(8 + 25, ' '),
                      " Seite " + std::to_string(seite), std::string(dialog->GetHeading()),
                      "Nr.", "Bereich", "Ereignis", "Teilnehmer", "Datum", "Uhrzeit"}));
    }
}

TEST_F(Ereignisspeicher, PrintsOnlyWhenThePrintDialogIsAccepted) {
    std::vector<AnsiString> viele;
    for (int i = 1; i <= 120; ++i)
        viele.push_back(Zeile({std::to_string(i).c_str(),
                               ("SB " + std::to_string(1 + i / 40)).c_str(), "Störung",
                               ("Melder " + std::to_string(i)).c_str(), "24.05.26",
                               "12:00:00"}));
    for (const bool accepted : {false, true}) {
        auto dialog = Dialog(viele);
        const auto pdf = Datei(accepted ? "druck.pdf" : "nie.pdf");
        std::filesystem::remove(pdf);
        int asked = 0;
        dialog->FrageDrucker = [&](QPrinter &printer) {
            ++asked;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QString::fromStdString(pdf.string()));
            return accepted;
        };
        dialog->BtnPrintClick();
        EXPECT_EQ(asked, 1);
        EXPECT_EQ(std::filesystem::exists(pdf), accepted);
        if (!accepted)
            continue;
        const std::string inhalt = Lesen(pdf);
        EXPECT_TRUE(inhalt.starts_with("%PDF"));
        // 122 rows (two separators) do not fit one landscape page: the pages' objects.
        int pages = 0;
        for (size_t at = inhalt.find("/Type /Page"); at != std::string::npos;
             at = inhalt.find("/Type /Page", at + 1))
            pages += inhalt.compare(at, 12, "/Type /Pages") != 0;
        EXPECT_GE(pages, 2);
        if (std::system("command -v pdftotext >/dev/null 2>&1") != 0)
            continue; // the text check needs the PDF tool
        const auto txt = Datei("druck.txt");
        const std::string cmd = "pdftotext -layout '" + pdf.string() + "' '" + txt.string() + "'";
        ASSERT_EQ(std::system(cmd.c_str()), 0);
        const std::string text = Lesen(txt);
        EXPECT_NE(text.find("Seite 1"), std::string::npos);
        EXPECT_NE(text.find("Seite 2"), std::string::npos);
        EXPECT_NE(text.find("Melder 120"), std::string::npos);
        EXPECT_NE(text.find("Störung"), std::string::npos);
        EXPECT_NE(text.find("Teilnehmer"), std::string::npos);
    }
}

TEST_F(Ereignisspeicher, CloseThroughTheModalDriver) {
    auto dialog = Dialog(kZeilen);
    TModalDriverScope driver([](TModalDialog &d) {
        auto *e = dynamic_cast<TDlgEreignisspeicher *>(&d);
        EXPECT_NE(e, nullptr);
        if (e)
            e->BtnClose->click();
        return d.ModalResult();
    });
    EXPECT_EQ(dialog->ShowModal(), 2);
    EXPECT_EQ(driver.Count(), 1);
}

TEST(InfoEreignisspeicher, TheNoticeShowsWithoutAModalLoopAndGoesAgain) {
    TDlgInfoEreignisspeicher notice(nullptr);
    EXPECT_EQ(notice.windowTitle().toStdString(), "Ereignisspeicher");
    EXPECT_EQ(notice.Label->text().toStdString(),
              "Der Ereignisspeicher wird ausgelesen.\nDieser Vorgang dauert einige Minuten.");

    TDeviceDialogeQt qt(nullptr);
    TModalDriverScope driver([](TModalDialog &) { return 0; });
    EXPECT_TRUE(qt.InfoEreignisspeicher(true));
    const auto shown = [] {
        int n = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            n += dynamic_cast<TDlgInfoEreignisspeicher *>(w) && w->isVisible();
        return n;
    };
    EXPECT_EQ(shown(), 1);
    EXPECT_TRUE(qt.InfoEreignisspeicher(false));
    EXPECT_EQ(shown(), 0);
    EXPECT_EQ(driver.Count(), 0) << "never a modal dialog";
}

// The demo panel's read-out through the seam: the dialog shows its events and saves them.
class EreignisspeicherDemo : public TPanelFixture {
protected:
    EreignisspeicherDemo() : QtDialoge(nullptr) {
        FAlteUhr = SetPcUhr([] { return TPcZeit{2026, 12, 31, 23, 59, 59}; });
        Dienste.AndereDialoge = &QtDialoge;
    }
    ~EreignisspeicherDemo() override {
        Dienste.AndereDialoge = nullptr;
        SetPcUhr(FAlteUhr);
    }
    TDeviceDialogeQt QtDialoge;

private:
    TPcUhrFunktion FAlteUhr;
};

TEST_F(EreignisspeicherDemo, ShowsTheDemoPanelsEventsAndSavesThem) {
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(Device->CreateAzMelder(Dienste.GetHandle(), Bereich(1), false, 3));
    const auto path = std::filesystem::temp_directory_path() /
                      ("demo_ereignisse_" + std::to_string(::getpid()) + ".txt");
    std::filesystem::remove(path);
    int rows = 0, events = 0;
    TModalDriverScope driver([&](TModalDialog &d) {
        auto *dialog = dynamic_cast<TDlgEreignisspeicher *>(&d);
        EXPECT_NE(dialog, nullptr);
        if (!dialog)
            return 0;
        rows = dialog->ListView->topLevelItemCount();
        for (const std::string &nr : Zeilen(dialog->ListView))
            events += !nr.empty();
        dialog->FrageDatei = [&](const std::string &, const std::string &) {
            return path.string();
        };
        dialog->BtnSaveClick();
        dialog->BtnClose->click();
        return dialog->ModalResult();
    });
    EXPECT_EQ(Device->EreignisspeicherAuslesen(), 0);
    EXPECT_EQ(driver.Count(), 1);
    EXPECT_EQ(events, 8);
    EXPECT_GE(rows, events);
    TStringList saved;
    saved.LoadFromFile(path.string());
    ASSERT_EQ(saved.Count(), 3 + 8);
    EXPECT_EQ(saved[2], "Nr.,Bereich,Ereignis,Teilnehmer,Datum,Uhrzeit");
    EXPECT_TRUE(Boxes.Boxes().empty());
    std::filesystem::remove(path);
}

} // namespace
