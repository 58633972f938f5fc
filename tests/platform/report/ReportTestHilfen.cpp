#include "ReportTestHilfen.h"

#include "platform/vcl/Cp1252.h"

#include <QApplication>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>

TRowObjekt::TRowObjekt(std::vector<std::pair<AnsiString, AnsiString>> rows, int listStyle,
                       bool bereich)
    : TDataBasis(nullptr, 1, 0, "Objekt", 7), FRows(std::move(rows)), FListStyle(listStyle),
      FBereich(bereich) {}

void TRowObjekt::BuildInfoWindow(TDrawGridSE *grid, TListView *listView, bool, int col, int row) {
    ++Builds;
    FlagAInBuild = GetFlagA();
    ListViewGiven = listView != nullptr;
    Col = col;
    Row = row;
    if (!grid)
        return;
    grid->InitGrid(2);
    if (FBereich && GetFlagA()) {
        grid->Tag = -1;
        return;
    }
    bool first = true;
    for (const auto &[caption, value] : FRows) {
        if (!caption.empty() && caption[0] == '#')
            AddRowCaption(grid, 1, caption.substr(1), value, TCell::gtsExpanded, !first);
        else
            AddRowTextFeld(grid, caption, 2, value, 0, !first);
        first = false;
    }
}

QPixmap TTestBilder::Pixmap(int index) const {
    if (index != 3)
        return QPixmap();
    QPixmap pixmap(18, 18);
    pixmap.fill(Qt::red);
    return pixmap;
}

std::filesystem::path TestOrdner(const std::string &name) {
    const std::filesystem::path folder = std::filesystem::current_path() / "out" / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

std::string Lesen(const std::filesystem::path &file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TPdfDrucker::TPdfDrucker(std::filesystem::path pdf) {
    FPrevious = SetReportDruckerHandler([this, pdf](QPrinter &printer, void *owner) {
        ++Aufrufe;
        Owner = owner;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf.string()));
        return true;
    });
}

TPdfDrucker::~TPdfDrucker() {
    SetReportDruckerHandler(std::move(FPrevious));
}

TVorschauFoto::TVorschauFoto(std::filesystem::path png) {
    FPrevious = SetReportVorschauHandler([this, png](QPrintPreviewDialog &dialog) {
        ++Gezeigt;
        Titel = dialog.windowTitle().toStdString();
        dialog.resize(900, 1000);
        dialog.show();
        QApplication::processEvents();
        Gespeichert = dialog.grab().save(QString::fromStdString(png.string()));
        dialog.close();
    });
}

TVorschauFoto::~TVorschauFoto() {
    SetReportVorschauHandler(std::move(FPrevious));
}

namespace {
std::string Ausgabe(const std::string &command) {
    std::string out;
    if (FILE *pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
            out.append(buffer, n);
        pclose(pipe);
    }
    return out;
}
} // namespace

int PdfSeiten(const std::filesystem::path &pdf) {
    const std::string info = Ausgabe("pdfinfo '" + pdf.string() + "' 2>/dev/null");
    std::smatch m;
    if (!std::regex_search(info, m, std::regex("Pages:\\s+(\\d+)")))
        return -1;
    return std::stoi(m[1]);
}

std::string PdfSeite(const std::filesystem::path &pdf, int page) {
    const std::string p = std::to_string(page);
    return Ausgabe("pdftotext -layout -f " + p + " -l " + p + " '" + pdf.string() +
                   "' - 2>/dev/null");
}

std::vector<TPdfWort> PdfWoerter(const std::filesystem::path &pdf) {
    const std::string html = Ausgabe("pdftotext -bbox '" + pdf.string() + "' - 2>/dev/null");
    std::vector<TPdfWort> out;
    int page = 0;
    const std::regex wort("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>");
    std::istringstream lines(html);
    for (std::string line; std::getline(lines, line);) {
        if (line.find("<page ") != std::string::npos)
            ++page;
        std::smatch m;
        if (std::regex_search(line, m, wort))
            out.push_back({page, std::stod(m[1]), std::stod(m[2]), m[3]});
    }
    return out;
}
