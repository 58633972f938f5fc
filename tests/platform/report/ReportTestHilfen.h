// What the report's tests share: a panel object whose grid rows are given, a small image list,
// printing into a PDF file and reading it back with the PDF tools.
#pragma once

#include "platform/grid/TDrawGridSE.h"
#include "platform/objectbase/TDataBasis.h"
#include "platform/report/TVumaReport.h"

#include <QPixmap>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

using TRows = std::vector<std::pair<AnsiString, AnsiString>>;

// An object that shows a grid of the given rows (caption, value; a caption starting with '#'
// becomes a group title), or a child list; as a "Bereich" it prints nothing, as the security
// areas do: with flag A its grid's Tag is -1. Records what its builds were given.
class TRowObjekt : public TDataBasis {
public:
    TRowObjekt(std::vector<std::pair<AnsiString, AnsiString>> rows, int listStyle = 1,
               bool bereich = false);
    int GetTyp() const override { return 6124; }
    int ListStyle() const override { return FListStyle; }
    int GetIcon() const override { return 3; }
    bool AllowChild(int) const override { return false; }
    bool AllowDrop(TDataBasis *) override { return false; }
    void Drop(TDataBasis *) override {}
    void BuildInfoWindow(TDrawGridSE *grid, TListView *listView, bool, int col, int row) override;

    int Builds = 0;
    bool FlagAInBuild = false;
    bool ListViewGiven = false;
    int Col = 0, Row = 0;

private:
    std::vector<std::pair<AnsiString, AnsiString>> FRows;
    int FListStyle;
    bool FBereich;
};

// Index 3 a red square; every other index none.
class TTestBilder : public TReportBilder {
public:
    QPixmap Pixmap(int index) const override;
};

// A folder of the test's own under the build folder, made anew.
std::filesystem::path TestOrdner(const std::string &name);
std::string Lesen(const std::filesystem::path &file);
// Installs a printer handler that prints into the PDF file for its lifetime.
class TPdfDrucker {
public:
    explicit TPdfDrucker(std::filesystem::path pdf);
    ~TPdfDrucker();
    int Aufrufe = 0;
    void *Owner = nullptr;

private:
    TReportDruckerHandler FPrevious;
};
// Installs a preview handler for its lifetime that shows the preview offscreen, grabs it into
// the PNG file and closes it; notes how often and with which title (UTF-8) it was shown.
class TVorschauFoto {
public:
    explicit TVorschauFoto(std::filesystem::path png);
    ~TVorschauFoto();
    int Gezeigt = 0;
    std::string Titel;
    bool Gespeichert = false;

private:
    TReportVorschauHandler FPrevious;
};
// The page count pdfinfo reads; -1 when it cannot.
int PdfSeiten(const std::filesystem::path &pdf);
// The text of one page (from 1), laid out, as pdftotext gives it (UTF-8).
std::string PdfSeite(const std::filesystem::path &pdf, int page);
// Every word with its left edge and page, as pdftotext's box output gives it.
struct TPdfWort {
    int Seite;
    double X;
    double Y;
    std::string Text;
};
std::vector<TPdfWort> PdfWoerter(const std::filesystem::path &pdf);
