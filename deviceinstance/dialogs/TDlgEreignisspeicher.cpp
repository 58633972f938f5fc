#include "deviceinstance/dialogs/TDlgEreignisspeicher.h"

#include "deviceinstance/dialogs/DialogTexte.h"
#include "platform/log/Log.h"
#include "platform/vcl/Cp1252.h"
#include "platform/win/MessageBox.h"
#include "platform/win/System.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <exception>
#include <filesystem>

namespace {
constexpr int kSpalten = 6;
} // namespace

const std::vector<AnsiString> &TDlgEreignisspeicher::Spalten() {
    LOG_FKT("TDlgEreignisspeicher::Spalten");
    static const std::vector<AnsiString> captions = {"Nr.",        "Bereich", "Ereignis",
                                                     "Teilnehmer", "Datum",   "Uhrzeit"};
    return captions;
}

TDlgEreignisspeicher::TDlgEreignisspeicher(QWidget *owner, const TStringList &lines,
                                           const AnsiString &title, const AnsiString &label,
                                           const AnsiString &pcTime, const AnsiString &panelTime)
    : TModalDialog(owner, 2), FLines(lines), FTitle(title) {
    LOG_FKT("TDlgEreignisspeicher::TDlgEreignisspeicher");
    FLabel = "Datum und Uhrzeit beim Auslesen des Ereignisspeicher:" + AnsiString("\n\r") +
             "\n\r" + "PC" + ": " + pcTime + AnsiString(10, ' ') + label + ": " + panelTime;
    FHeading = "Datum und Uhrzeit beim Auslesen des Ereignisspeicher:" + AnsiString("PC") + ": " +
               pcTime + AnsiString(4, ' ') + label + ": " + panelTime;
    setWindowTitle(QStringLiteral("Ereignisspeicher"));
    LabelPcAndDeviceTime = new QLabel(QtText(LabelText(FLabel)), this);
    ListView = new QTreeWidget(this);
    ListView->setRootIsDecorated(false);
    ListView->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView->header()->setSectionsClickable(false);
    QStringList captions;
    for (const AnsiString &caption : Spalten())
        captions << QtText(caption);
    ListView->setHeaderLabels(captions);
    ListView->setMinimumSize(760, 360);
    BtnClose = new QPushButton(QtText(Utf8ToAnsi("Schließen")), this);
    BtnPrint = new QPushButton(QStringLiteral("Drucken ..."), this);
    BtnSave = new QPushButton(QStringLiteral("Speichern ..."), this);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->setSpacing(10);
    buttons->addWidget(BtnPrint);
    buttons->addWidget(BtnSave);
    buttons->addWidget(BtnClose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(LabelPcAndDeviceTime);
    layout->addWidget(ListView);
    layout->addLayout(buttons);
    connect(BtnClose, &QPushButton::clicked, this, [this] { BtnCloseClick(); });
    connect(BtnPrint, &QPushButton::clicked, this, [this] { BtnPrintClick(); });
    connect(BtnSave, &QPushButton::clicked, this, [this] { BtnSaveClick(); });

    FrageDatei = [this](const std::string &folder, const std::string &name) {
        QFileDialog dialog(this, QStringLiteral("Speichern"), QString::fromStdString(folder));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
        const QStringList filters = {QStringLiteral("Alle Dateien (*.*)"),
                                     QStringLiteral("Text Dateien (*.txt)")};
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters[1]);
        dialog.setDefaultSuffix(QStringLiteral("txt"));
        dialog.selectFile(QString::fromStdString(name));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::string();
        return dialog.selectedFiles().front().toStdString();
    };
    FrageDrucker = [this](QPrinter &printer) {
        QPrintDialog dialog(&printer, this);
        return dialog.exec() == QDialog::Accepted;
    };
    FillListView();
}

TDlgEreignisspeicher::~TDlgEreignisspeicher() {
    LOG_FKT("TDlgEreignisspeicher::~TDlgEreignisspeicher");
}

void TDlgEreignisspeicher::FillListView() {
    LOG_FKT("TDlgEreignisspeicher::FillListView");
    ListView->clear();
    AnsiString previous;
    for (int i = 0; i < FLines.Count(); ++i) {
        std::vector<AnsiString> items;
        TStringList::SplitCommaText(FLines[i], items);
        items.resize(kSpalten);
        if (items[1] != previous && !previous.empty())
            new QTreeWidgetItem(ListView);
        previous = items[1];
        auto *row = new QTreeWidgetItem(ListView);
        row->setText(0, QString::number(i + 1));
        for (int c = 1; c < kSpalten; ++c)
            row->setText(c, QtText(items[static_cast<size_t>(c)]));
    }
    for (int c = 0; c < kSpalten; ++c)
        ListView->resizeColumnToContents(c);
}

bool TDlgEreignisspeicher::Speichern(const std::string &path) const {
    LOG_FKT("TDlgEreignisspeicher::Speichern");
    TStringList out;
    out.Add(FTitle);
    out.Add(FHeading);
    AnsiString captions;
    for (const AnsiString &caption : Spalten())
        captions += (captions.empty() ? "" : ",") + caption;
    out.Add(captions);
    for (const AnsiString &line : FLines)
        out.Add(line);
    try {
        out.SaveToFile(path);
    } catch (const std::exception &) {
        MessageBox(nullptr, "Die Datei " + AnsiString(path) + " kann nicht geschrieben werden.",
                   "Fehler", MB_OK | MB_ICONERROR);
        return false;
    }
    return true;
}

void TDlgEreignisspeicher::BtnSaveClick() {
    LOG_FKT("TDlgEreignisspeicher::BtnSaveClick");
    // On Linux the program file has no extension: the folder lies beside it, not inside it.
    const std::filesystem::path program = GetProgramFileName();
    const std::string folder = (program.parent_path() / "Ereignisspeicher").string() + "/";
    const std::string path = FrageDatei ? FrageDatei(folder, "Ereignisspeicher") : std::string();
    if (!path.empty())
        Speichern(path);
}

void TDlgEreignisspeicher::BtnCloseClick() {
    LOG_FKT("TDlgEreignisspeicher::BtnCloseClick");
    SetModalResult(2);
}

void TDlgEreignisspeicher::BtnPrintClick() {
    LOG_FKT("TDlgEreignisspeicher::BtnPrintClick");
    QPrinter printer(QPrinter::HighResolution);
    if (!FrageDrucker || !FrageDrucker(printer))
        return;
    Drucken(printer);
}

int TDlgEreignisspeicher::KopfEnde(int textHeight) {
    LOG_FKT("TDlgEreignisspeicher::KopfEnde");
    return kOben + 30 + 3 * (textHeight + 30) + textHeight;
}

std::vector<TDruckZeile> TDlgEreignisspeicher::DruckLayout(int rows, int pageHeight,
                                                           int textHeight) {
    LOG_FKT("TDlgEreignisspeicher::DruckLayout");
    std::vector<TDruckZeile> out;
    int page = 1;
    int y = KopfEnde(textHeight);
    for (int i = 0; i < rows; ++i) {
        y += textHeight;
        // A page too short for even one row still moves on, one row per page.
        if (y > pageHeight - kUnten - 100 && y != KopfEnde(textHeight) + textHeight) {
            ++page;
            y = KopfEnde(textHeight) + textHeight;
        }
        out.push_back({page, y});
    }
    return out;
}

void TDlgEreignisspeicher::PrintPageHeading(QPainter &painter, int pageWidth, int pageHeight,
                                            int textHeight, int page) {
    LOG_FKT("TDlgEreignisspeicher::PrintPageHeading");
    const int right = pageWidth - kRechts;
    const int bottom = pageHeight - kUnten;
    painter.drawRect(kLinks, kOben, right - kLinks, bottom - kOben);
    int y = kOben + 30;
    const AnsiString suffix = FTitleSuffix.empty() ? AnsiString(25, ' ') : FTitleSuffix;
    const auto text = [&](int x, int top, const AnsiString &s) {
        painter.drawText(QPoint(x, top + painter.fontMetrics().ascent()), QtText(s));
    };
    text(kLinks + 30, y, FTitle + AnsiString(8, ' ') + suffix);
    text(pageWidth - kRechts - 300, y, " Seite " + std::to_string(page));
    y += textHeight + 30;
    text(kLinks + 30, y, FHeading);
    y += 2 * (textHeight + 30);
    const int width = (pageWidth - kLinks - kRechts) / kSpalten;
    for (int c = 0; c < kSpalten; ++c) {
        const int left = kLinks + c * width;
        painter.drawText(QRect(left + 30, y, width - 60, textHeight), Qt::AlignLeft,
                         QtText(Spalten()[static_cast<size_t>(c)]));
        painter.drawLine(left + width, y, left + width, bottom);
    }
    painter.drawLine(kLinks, y + textHeight, right, y + textHeight);
}

bool TDlgEreignisspeicher::Drucken(QPrinter &printer) {
    LOG_FKT("TDlgEreignisspeicher::Drucken");
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer)) {
        MessageBox(nullptr, "Der Drucker kann nicht angesprochen werden.", "Fehler",
                   MB_OK | MB_ICONERROR);
        return false;
    }
    painter.setBrush(Qt::white);
    painter.setPen(Qt::black);
    QFont font = painter.font();
    font.setPointSize(9);
    painter.setFont(font);
    const QRect page = printer.pageLayout().fullRectPixels(printer.resolution());
    const int textHeight = painter.fontMetrics().height();
    const int width = (page.width() - kLinks - kRechts) / kSpalten;
    const std::vector<TDruckZeile> layout =
        DruckLayout(ListView->topLevelItemCount(), page.height(), textHeight);
    PrintPageHeading(painter, page.width(), page.height(), textHeight, 1);
    int current = 1;
    for (int i = 0; i < ListView->topLevelItemCount(); ++i) {
        const TDruckZeile &at = layout[static_cast<size_t>(i)];
        if (at.Seite != current) {
            printer.newPage();
            current = at.Seite;
            PrintPageHeading(painter, page.width(), page.height(), textHeight, current);
        }
        const QTreeWidgetItem *row = ListView->topLevelItem(i);
        for (int c = 0; c < kSpalten; ++c)
            painter.drawText(QRect(kLinks + 30 + c * width, at.Y - textHeight, width - 60,
                                   textHeight),
                             Qt::AlignLeft, row->text(c));
    }
    painter.end();
    return true;
}
