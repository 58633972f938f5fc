// The report printed into PDF files and read back with the PDF tools: pages, the header and
// page number on every page, the values at one tab stop, the system's Windows-1252 texts
// right in the PDF, no row split over two pages; the preview grabbed for looking at.
#include "ReportTestHilfen.h"

#include "platform/win/MessageBox.h"

#include <QApplication>

#include <QPrinter>
#include <algorithm>

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>
#include <set>

namespace {

// A tree of folders with many detectors, each with a few rows, long enough for several pages.
class ReportPdf : public ::testing::Test {
protected:
    ReportPdf() {
        for (int i = 1; i <= 40; ++i) {
            Objekte.push_back(
                std::make_unique<TRowObjekt>(std::vector<std::pair<AnsiString, AnsiString>>{
                    {"Meldertext", "T\xFCr S\xFC"
                                   "d " +
                                       std::to_string(i)},
                    {"#Alarmierung", "Gruppe" + std::to_string(i)},
                    {"Verz\xF6gerung", "Wert" + std::to_string(i)}}));
        }
        Knoten.push_back({0, "Alarmzentrale", 3, nullptr});
        Knoten.push_back({1, "Sicherungsbereich", -1, nullptr});
        for (size_t i = 0; i < Objekte.size(); ++i)
            Knoten.push_back({2, "Melder " + std::to_string(i + 1), 3, Objekte[i].get()});
    }

    std::unique_ptr<TVumaReport> Report(bool vorschau) {
        TRecReportInfo info;
        info.Vorschau = vorschau;
        info.Flag = true;
        info.Text = "Zentrale";
        auto report = std::make_unique<TVumaReport>(Knoten, &Grid, &Owner, info, &Bilder, nullptr,
                                                    TRecCharTabInfo{});
        report->SetHeader("Projekt: Haus\nGer\xE4t: Zentrale, Phys.Adr.: 01.01.001\n[Erdgeschoss "
                          "Nord]");
        return report;
    }

    std::vector<std::unique_ptr<TRowObjekt>> Objekte;
    TReportKnotenListe Knoten;
    TDrawGridSE Grid;
    TTestBilder Bilder;
    int Owner = 0;
};

TEST_F(ReportPdf, EveryPageHasTheHeaderAndItsNumber) {
    const auto pdf = TestOrdner("seiten") / "report.pdf";
    TPdfDrucker drucker(pdf);
    auto report = Report(false);
    ASSERT_TRUE(report->Start());
    EXPECT_EQ(drucker.Aufrufe, 1);
    EXPECT_EQ(drucker.Owner, &Owner) << "the handler is given the report's owner";
    const int pages = PdfSeiten(pdf);
    ASSERT_GE(pages, 2) << "forty detectors with their rows need more than one page";
    EXPECT_EQ(pages, report->Seiten());
    std::string alles;
    for (int p = 1; p <= pages; ++p) {
        const std::string text = PdfSeite(pdf, p);
        SCOPED_TRACE("page " + std::to_string(p));
        EXPECT_NE(text.find("Projekt: Haus"), std::string::npos);
        EXPECT_NE(text.find("Gerät: Zentrale, Phys.Adr.: 01.01.001"), std::string::npos)
            << "the header's Windows-1252 text right in the PDF";
        EXPECT_NE(text.find("[Erdgeschoss Nord]"), std::string::npos);
        EXPECT_NE(text.find("Seite " + std::to_string(p)), std::string::npos);
        EXPECT_EQ(text.find("Seite " + std::to_string(p + 1)), std::string::npos);
        alles += text;
    }
    EXPECT_NE(alles.find("Alarmzentrale"), std::string::npos);
    EXPECT_NE(alles.find("Sicherungsbereich"), std::string::npos);
    for (int i = 1; i <= 40; ++i) {
        const std::string n = std::to_string(i);
        EXPECT_NE(alles.find("Melder " + n + "\n"), std::string::npos) << n;
        EXPECT_NE(alles.find("Tür Süd " + n), std::string::npos) << "umlauts of row " << n;
        EXPECT_NE(alles.find("Wert" + n), std::string::npos) << n;
    }
    EXPECT_NE(alles.find("Verzögerung"), std::string::npos);
}

TEST_F(ReportPdf, ValuesStandAtOneTabStopAndARowStaysOnOnePage) {
    const auto pdf = TestOrdner("tab") / "report.pdf";
    TPdfDrucker drucker(pdf);
    ASSERT_TRUE(Report(false)->Start());
    const auto words = PdfWoerter(pdf);
    ASSERT_FALSE(words.empty());
    std::set<long> wertX, captionX, gruppeX;
    std::map<std::string, int> seite; // "Meldertext"/"Verzögerung" row -> page, by value
    for (const TPdfWort &w : words) {
        const long x = std::lround(w.X * 10);
        if (w.Text.rfind("Wert", 0) == 0 || w.Text.rfind("Gruppe", 0) == 0 || w.Text == "Tür")
            wertX.insert(x);
        if (w.Text == "Meldertext" || w.Text == "Verzögerung" || w.Text == "Alarmierung")
            captionX.insert(x);
        if (w.Text.rfind("Wert", 0) == 0)
            seite[w.Text] = w.Seite;
    }
    EXPECT_EQ(wertX.size(), 1u) << "every value starts at the same tab stop";
    EXPECT_EQ(captionX.size(), 1u) << "the rows' captions stand at one indent";
    ASSERT_FALSE(wertX.empty());
    ASSERT_FALSE(captionX.empty());
    EXPECT_GT(*wertX.begin(), *captionX.begin() + 200) << "the values well right of the captions";
    // A row's caption and value share their page and line.
    std::map<int, std::vector<const TPdfWort *>> perPage;
    for (const TPdfWort &w : words)
        perPage[w.Seite].push_back(&w);
    int paare = 0;
    for (const TPdfWort &w : words) {
        if (w.Text.rfind("Wert", 0) != 0)
            continue;
        bool found = false;
        for (const TPdfWort *c : perPage[w.Seite])
            if (c->Text == "Verzögerung" && std::fabs(c->Y - w.Y) < 1.0)
                found = true;
        EXPECT_TRUE(found) << w.Text << " stands beside its caption";
        paare += found;
    }
    EXPECT_EQ(paare, 40);
}

TEST_F(ReportPdf, IndentFollowsTheTreeDepth) {
    const auto pdf = TestOrdner("einzug") / "report.pdf";
    TPdfDrucker drucker(pdf);
    ASSERT_TRUE(Report(false)->Start());
    double zentrale = -1, bereich = -1, melder = -1;
    for (const TPdfWort &w : PdfWoerter(pdf)) {
        if (w.Text == "Alarmzentrale")
            zentrale = w.X;
        if (w.Text == "Sicherungsbereich")
            bereich = w.X;
        if (w.Text == "Melder" && melder < 0)
            melder = w.X;
    }
    ASSERT_GE(zentrale, 0);
    EXPECT_GT(bereich, zentrale + 5);
    EXPECT_NEAR(melder - bereich, bereich - zentrale, 0.5) << "one indent per level";
}

TEST(ReportUmbruch, ALongValueWrapsInItsColumnAndTheNextRowFollowsBelow) {
    AnsiString lang;
    for (int i = 0; i < 40; ++i)
        lang += "lang" + std::to_string(i) + " ";
    TRowObjekt objekt(TRows{{"Bezeichnung", lang}, {"Danach", "ende"}});
    TDrawGridSE grid;
    const auto pdf = TestOrdner("umbruch") / "report.pdf";
    TPdfDrucker drucker(pdf);
    TVumaReport report({{0, "Objekt", -1, &objekt}}, &grid, nullptr, {}, nullptr, nullptr, {});
    ASSERT_TRUE(report.Start());
    std::set<long> zeilen;
    double unten = 0, danach = -1, tab = -1, links = 1e9;
    for (const TPdfWort &w : PdfWoerter(pdf)) {
        if (w.Text.rfind("lang", 0) == 0) {
            zeilen.insert(std::lround(w.Y));
            unten = std::max(unten, w.Y);
            links = std::min(links, w.X);
        }
        if (w.Text == "Danach")
            danach = w.Y;
        if (w.Text == "lang0")
            tab = w.X;
    }
    EXPECT_GE(zeilen.size(), 2u) << "the value wraps";
    EXPECT_NEAR(links, tab, 0.5) << "every line of the value starts at the tab stop";
    EXPECT_GT(danach, unten) << "the next row below the value's last line";
}

TEST_F(ReportPdf, NoPrinterChosenPrintsNothing) {
    const auto pdf = TestOrdner("abbruch") / "report.pdf";
    const TReportDruckerHandler previous =
        SetReportDruckerHandler([](QPrinter &, void *) { return false; });
    EXPECT_FALSE(Report(false)->Start());
    SetReportDruckerHandler(previous);
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

TEST_F(ReportPdf, APrinterThatCannotBeOpenedGivesABox) {
    const auto pdf = TestOrdner("fehlt") / "kein" / "ordner" / "report.pdf";
    TPdfDrucker drucker(pdf);
    TMessageBoxRecorder boxes;
    EXPECT_FALSE(Report(false)->Start());
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].caption, "Fehler");
    EXPECT_EQ(boxes.Boxes()[0].text, "Der Drucker kann nicht angesprochen werden.");
}

TEST_F(ReportPdf, ThePreviewShowsThePages) {
    const auto folder = TestOrdner("vorschau");
    auto report = Report(true);
    TVorschauFoto foto(folder / "vorschau.png");
    TPdfDrucker drucker(folder / "nie.pdf");
    EXPECT_TRUE(report->Start());
    EXPECT_EQ(foto.Gezeigt, 1);
    EXPECT_EQ(foto.Titel, "Zentrale");
    EXPECT_TRUE(foto.Gespeichert);
    EXPECT_EQ(drucker.Aufrufe, 0) << "the preview chooses no printer";
    EXPECT_GE(report->Seiten(), 2) << "the preview painted the pages";
}

} // namespace
