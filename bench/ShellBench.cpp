// The project window on a full panel, beside Qt's own controls filled with the same texts in
// one pass in the same run. Compare the ratios, not the times.
//   tree: InitData and InitGrpAdr (the tree of 160 detectors and their bus objects, sorted, and
//         the group-address folder); baseline: a QTreeWidget filled with the same captions.
//   detector, texts: AktualisiereAnsicht of a detector and of the editable texts (the object
//         fills the grid model, the view draws it); baseline: a QTableWidget filled with the
//         grid's texts.
//   print: the full panel printed into a PDF file (the objects build their rows, the report
//         lays out and paints its pages with icons and header); baseline: the same entries'
//         texts painted line by line into a PDF file with a page break when a page is full.
#include "TRatioReporter.h"
#include "TTestHaupt.h"
#include "platform/busobjects/TGrpAdrOrdner.h"
#include "platform/grid/TDrawGridSE.h"
#include "platform/report/TVumaReport.h"
#include "shell/TCtrlTree.h"
#include "shell/TDrucken.h"
#include "shell/TTreeNode.h"
#include "shell/TTreeView.h"

#include <QApplication>
#include <QPainter>
#include <QPrinter>
#include <QTableWidget>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <vector>

namespace {

struct TShellUmgebung {
    TTestHaupt Haupt;
    TFormVerw *W = nullptr;
    TShellUmgebung() {
        W = Haupt.NeuesFenster();
        Haupt.LadeVollesPanel();
    }
    TTreeNode *Knoten(int typ) {
        for (QTreeWidgetItemIterator it(W->Tree); *it; ++it)
            if (TTreeNode *n = AsNode(*it); n && n->Data() && n->Data()->GetTyp() == typ)
                return n;
        return nullptr;
    }
};

// Made on first use, gone before the application object.
std::unique_ptr<TShellUmgebung> &UmgebungZeiger() {
    static std::unique_ptr<TShellUmgebung> u;
    return u;
}
TShellUmgebung &Umgebung() {
    if (!UmgebungZeiger())
        UmgebungZeiger() = std::make_unique<TShellUmgebung>();
    return *UmgebungZeiger();
}

// The captions of a tree, each with the index of its parent in the list (-1: top level).
struct TZeile {
    QString Text;
    int Parent;
};
std::vector<TZeile> Zeilen(QTreeWidget *tree) {
    std::vector<TZeile> out;
    std::map<QTreeWidgetItem *, int> index;
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        index[*it] = static_cast<int>(out.size());
        out.push_back({(*it)->text(0), (*it)->parent() ? index[(*it)->parent()] : -1});
    }
    return out;
}

void BM_TreeBaseline(benchmark::State &state) {
    TShellUmgebung &u = Umgebung();
    const std::vector<TZeile> zeilen = Zeilen(u.W->Tree);
    QTreeWidget tree;
    for (auto _ : state) {
        tree.clear();
        std::vector<QTreeWidgetItem *> items;
        items.reserve(zeilen.size());
        for (const TZeile &z : zeilen) {
            auto *item = z.Parent < 0 ? new QTreeWidgetItem(&tree)
                                      : new QTreeWidgetItem(items[static_cast<size_t>(z.Parent)]);
            item->setText(0, z.Text);
            items.push_back(item);
        }
        benchmark::DoNotOptimize(tree.topLevelItemCount());
    }
    state.counters["nodes"] = static_cast<double>(zeilen.size());
}
BENCHMARK(BM_TreeBaseline)->Unit(benchmark::kMillisecond);

void BM_InitDataInitGrpAdr(benchmark::State &state) {
    TShellUmgebung &u = Umgebung();
    TDeviceInstanzAz &device = *u.Haupt.Device;
    for (auto _ : state) {
        u.W->DeleteGrpAdr();
        u.W->InitData(device.GetObjekte(), u.Haupt.GetHandle());
        u.W->InitGrpAdr(u.Haupt.GetHandle(), device.GetGrpAdrFolder(), device.GetMainGroups(),
                        device.GetMidSubGroups());
        benchmark::DoNotOptimize(u.W->Tree->topLevelItemCount());
    }
}
BENCHMARK(BM_InitDataInitGrpAdr)->Unit(benchmark::kMillisecond);

// The grid's texts after a refresh of the node of that type.
std::vector<QString> GridTexte(TShellUmgebung &u, int typ) {
    u.W->AktualisiereAnsicht(u.Knoten(typ), -1, -1);
    std::vector<QString> out;
    for (int r = 0; r < u.W->Grid.RowCount(); ++r)
        for (int c = 0; c < u.W->Grid.ColCount(); ++c)
            out.push_back(QString::fromLatin1(u.W->Grid.Cells(c, r).Text.c_str()));
    return out;
}

void TabelleBaseline(benchmark::State &state, int typ) {
    TShellUmgebung &u = Umgebung();
    const std::vector<QString> texte = GridTexte(u, typ);
    QTableWidget table;
    for (auto _ : state) {
        table.clear();
        table.setColumnCount(2);
        table.setRowCount(static_cast<int>(texte.size() / 2));
        for (size_t i = 0; i < texte.size(); ++i)
            table.setItem(static_cast<int>(i / 2), static_cast<int>(i % 2),
                          new QTableWidgetItem(texte[i]));
        benchmark::DoNotOptimize(table.rowCount());
    }
    state.counters["rows"] = static_cast<double>(texte.size() / 2);
}

void Ansicht(benchmark::State &state, int typ) {
    TShellUmgebung &u = Umgebung();
    TTreeNode *node = u.Knoten(typ);
    for (auto _ : state) {
        u.W->AktualisiereAnsicht(node, -1, -1);
        benchmark::DoNotOptimize(u.W->Grid.RowCount());
    }
    DeliverPostedMessages();
}

void BM_MelderTabelleBaseline(benchmark::State &state) {
    TabelleBaseline(state, 6124);
}
BENCHMARK(BM_MelderTabelleBaseline)->Unit(benchmark::kMicrosecond);
void BM_AktualisiereAnsichtMelder(benchmark::State &state) {
    Ansicht(state, 6124);
}
BENCHMARK(BM_AktualisiereAnsichtMelder)->Unit(benchmark::kMicrosecond);
void BM_TexteTabelleBaseline(benchmark::State &state) {
    TabelleBaseline(state, 6121);
}
BENCHMARK(BM_TexteTabelleBaseline)->Unit(benchmark::kMicrosecond);
void BM_AktualisiereAnsichtTexte(benchmark::State &state) {
    Ansicht(state, 6121);
}
BENCHMARK(BM_AktualisiereAnsichtTexte)->Unit(benchmark::kMicrosecond);

// Where the benchmark's PDF files go.
QString PdfDatei(const char *name) {
    return QString::fromStdString((std::filesystem::temp_directory_path() / name).string());
}

void BM_DruckenVollesPanel(benchmark::State &state) {
    TShellUmgebung &u = Umgebung();
    const QString datei = PdfDatei("bench_drucken.pdf");
    const TReportDruckerHandler vorher = SetReportDruckerHandler([&](QPrinter &printer, void *) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(datei);
        return true;
    });
    TDrucken drucken;
    int seiten = 0;
    for (auto _ : state) {
        if (!drucken.MakeDrucken(TDrucken::ReportInfo(false), u.Haupt.Device.get(), u.W,
                                 u.Haupt.GetHandle(), u.Haupt.DM->ImageList1))
            state.SkipWithError("not printed");
        seiten = drucken.Report()->Seiten();
    }
    SetReportDruckerHandler(vorher);
    state.counters["pages"] = seiten;
}
BENCHMARK(BM_DruckenVollesPanel)->Unit(benchmark::kMillisecond);

void BM_PdfTexteBaseline(benchmark::State &state) {
    TShellUmgebung &u = Umgebung();
    // The entries a print of the panel makes, taken once.
    std::vector<QString> zeilen;
    {
        TDrawGridSE grid;
        TVumaReport report(TDrucken::Knoten(*u.W->Tree), &grid, nullptr, {}, nullptr, nullptr, {});
        for (const TVumaReport::TEintrag &e : report.BuildEintraege())
            zeilen.push_back(QString::fromLatin1((e.Text + "\t" + e.Wert).c_str()));
    }
    int seiten = 0;
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(PdfDatei("bench_baseline.pdf"));
        QPainter painter(&printer);
        const int hoehe = painter.fontMetrics().height();
        const int unten = painter.viewport().height();
        int y = hoehe;
        seiten = 1;
        for (const QString &z : zeilen) {
            if (y + hoehe > unten) {
                printer.newPage();
                ++seiten;
                y = hoehe;
            }
            painter.drawText(0, y, z);
            y += hoehe;
        }
        painter.end();
    }
    state.counters["pages"] = seiten;
    state.counters["lines"] = static_cast<double>(zeilen.size());
}
BENCHMARK(BM_PdfTexteBaseline)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int result = TRatioReporter::RunAll(
        argc, argv,
        {{"tree", "BM_InitDataInitGrpAdr", "BM_TreeBaseline", 3.0},
         {"detector", "BM_AktualisiereAnsichtMelder", "BM_MelderTabelleBaseline", 3.0},
         {"texts", "BM_AktualisiereAnsichtTexte", "BM_TexteTabelleBaseline", 3.0},
         {"print", "BM_DruckenVollesPanel", "BM_PdfTexteBaseline", 0}});
    UmgebungZeiger().reset();
    return result;
}
