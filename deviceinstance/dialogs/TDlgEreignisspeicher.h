// The events read out of the panel's memory in a list, to print or to save as a text file.
// Each event line is a comma text whose items 1 to 5 are area, event, participant, date and
// time; lines of one area follow each other, and an empty row separates the areas.
#pragma once

#include "platform/dialogs/TModalDialog.h"
#include "platform/vcl/TStringList.h"

#include <functional>
#include <string>
#include <vector>

class QLabel;
class QPainter;
class QPrinter;
class QPushButton;
class QTreeWidget;

// Where each printed row lands: its page (from 1) and the baseline's distance from the top,
// in printer units. A pure function of the page height and the text heights, so that the
// page breaks can be checked without a printer.
struct TDruckZeile {
    int Seite = 1;
    int Y = 0;
    bool operator==(const TDruckZeile &) const = default;
};

class TDlgEreignisspeicher : public TModalDialog {
public:
    static constexpr int kLinks = 300, kOben = 200, kRechts = 200, kUnten = 200;

    TDlgEreignisspeicher(QWidget *owner, const TStringList &lines, const AnsiString &title,
                         const AnsiString &label, const AnsiString &pcTime,
                         const AnsiString &panelTime);
    ~TDlgEreignisspeicher() override;

    void FillListView();
    void BtnSaveClick();
    void BtnPrintClick();
    void BtnCloseClick();
    // Writes title, heading, the column captions and the lines to the file (Windows-1252,
    // CR LF); false after a box when it cannot be written.
    bool Speichern(const std::string &path) const;
    // Prints every row of the list on the printer, which is set up already.
    bool Drucken(QPrinter &printer);
    // The frame, title, page number, heading and column captions of one page.
    void PrintPageHeading(QPainter &painter, int pageWidth, int pageHeight, int textHeight,
                          int page);

    // Where the heading ends and the first row's line starts.
    static int KopfEnde(int textHeight);
    static std::vector<TDruckZeile> DruckLayout(int rows, int pageHeight, int textHeight);

    AnsiString GetLabelText() const { return FLabel; }
    AnsiString GetHeading() const { return FHeading; }
    static const std::vector<AnsiString> &Spalten();

    // What the buttons ask the user: the file to save to (empty: cancelled) and whether to
    // print on the printer (the print dialog). Tests put their answers in place.
    std::function<std::string(const std::string &folder, const std::string &name)> FrageDatei;
    std::function<bool(QPrinter &printer)> FrageDrucker;

    QLabel *LabelPcAndDeviceTime;
    QTreeWidget *ListView;
    QPushButton *BtnPrint;
    QPushButton *BtnSave;
    QPushButton *BtnClose;

private:
    TStringList FLines;
    AnsiString FTitle;
    AnsiString FLabel;
    AnsiString FHeading;
    AnsiString FTitleSuffix;
};
