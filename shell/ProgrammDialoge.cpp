#include "shell/ProgrammDialoge.h"

#include "platform/log/Log.h"
#include "platform/objectbase/MainWindowMessages.h"
#include "shell/QtText.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
std::unique_ptr<TDlgProgressForm> &Fortschritt() {
    static std::unique_ptr<TDlgProgressForm> form;
    return form;
}

// The cancel button's text (Windows-1252).
constexpr const char kAbbrechen[] = "&Abbrechen";
} // namespace

TEtsMeterForm::TEtsMeterForm(QWidget *owner) : QDialog(owner) {
    LOG_FKT("TEtsMeterForm::TEtsMeterForm");
    setObjectName("EtsMeter");
    auto *layout = new QVBoxLayout(this);
    Zeile1 = new QLabel(this);
    Zeile2 = new QLabel(this);
    Balken = new QProgressBar(this);
    Balken->setRange(0, 100);
    Abbrechen = new QPushButton(ToQString(kAbbrechen), this);
    layout->addWidget(Zeile1);
    layout->addWidget(Zeile2);
    layout->addWidget(Balken);
    layout->addWidget(Abbrechen, 0, Qt::AlignRight);
    QObject::connect(Abbrechen, &QPushButton::clicked, this, [this] { FAbbruch = true; });
    setMinimumWidth(360);
    show();
}

TEtsMeterForm::~TEtsMeterForm() {
    LOG_FKT("TEtsMeterForm::~TEtsMeterForm");
}

void TEtsMeterForm::SetCaption(const AnsiString &text) {
    LOG_FKT("TEtsMeterForm::SetCaption");
    setWindowTitle(ToQString(text));
}

void TEtsMeterForm::SetText(int line, const AnsiString &text) {
    LOG_FKT("TEtsMeterForm::SetText");
    (line <= 1 ? Zeile1 : Zeile2)->setText(ToQString(text));
}

void TEtsMeterForm::SetPosition(uint16_t position) {
    LOG_FKT("TEtsMeterForm::SetPosition");
    Balken->setValue(position);
    QCoreApplication::processEvents();
}

bool TEtsMeterForm::AbortRequested() {
    LOG_FKT("TEtsMeterForm::AbortRequested");
    QCoreApplication::processEvents();
    return FAbbruch;
}

TDlgProgressForm::TDlgProgressForm(const TDlgProgressDaten &daten, HWND mainWindow)
    : QDialog(nullptr), FMainWindow(mainWindow), FAbbruchCode(daten.Art) {
    LOG_FKT("TDlgProgressForm::TDlgProgressForm");
    if (FAbbruchCode == AzMsg::kAbbruchNichts)
        FAbbruchCode = AzMsg::kAbbruchFortschritt;
    setObjectName("DlgProgress");
    auto *layout = new QVBoxLayout(this);
    Text = new QLabel(this);
    Balken = new QProgressBar(this);
    Abbrechen = new QPushButton(ToQString(kAbbrechen), this);
    layout->addWidget(Text);
    layout->addWidget(Balken);
    layout->addWidget(Abbrechen, 0, Qt::AlignRight);
    QObject::connect(Abbrechen, &QPushButton::clicked, this, [this] {
        // Whoever the code names stops the operation and with it the dialog (and this form).
        AzMsg::Send(FMainWindow, AzMsg::ProgressAbbruch{0, FAbbruchCode});
    });
    setMinimumWidth(360);
    setWindowTitle(ToQString(daten.Caption));
    Setze(daten.Min, daten);
}

TDlgProgressForm::~TDlgProgressForm() {
    LOG_FKT("TDlgProgressForm::~TDlgProgressForm");
}

void TDlgProgressForm::Setze(int position, const TDlgProgressDaten &daten) {
    LOG_FKT("TDlgProgressForm::Setze");
    // The record's text may carry the line break as "\n\r".
    AnsiString text = daten.Text;
    for (size_t p = text.find('\r'); p != AnsiString::npos; p = text.find('\r'))
        text.erase(p, 1);
    Text->setText(ToQString(text));
    Balken->setRange(daten.Min, daten.Max);
    Balken->setValue(position);
}

TDlgProgressForm *AktuellerFortschritt() {
    LOG_FKT("AktuellerFortschritt");
    return Fortschritt().get();
}

void InstallProgrammDialoge(HWND mainWindow) {
    LOG_FKT("InstallProgrammDialoge");
    SetEtsMeterFactory([](HWND, int) -> std::unique_ptr<TEtsMeterView> {
        return std::make_unique<TEtsMeterForm>(nullptr);
    });
    SetDlgProgressHandler([mainWindow](TDlgProgressAktion action, int position,
                                       const TDlgProgressDaten *daten) {
        switch (action) {
        case TDlgProgressAktion::Start:
            Fortschritt() = std::make_unique<TDlgProgressForm>(*daten, mainWindow);
            Fortschritt()->show();
            break;
        case TDlgProgressAktion::Set:
            if (Fortschritt())
                Fortschritt()->Setze(position, *daten);
            break;
        case TDlgProgressAktion::Stop:
            // Stopped from the form's own cancel: the form goes once its click has ended.
            if (Fortschritt())
                Fortschritt().release()->deleteLater();
            return;
        }
        // Lets a click on cancel through between the steps.
        QCoreApplication::processEvents();
    });
}

void InstallDetailMessageBox() {
    LOG_FKT("InstallDetailMessageBox");
    SetShowDetailMessageBoxHandler([](const TDetailMessageBox &box) {
        QMessageBox message;
        message.setWindowTitle(ToQString(box.Caption));
        message.setText(ToQString(box.Text));
        message.setDetailedText(ToQString(box.Detail + (box.Methode.empty() ? "" : "\n") +
                                          box.Methode));
        message.setIcon(box.Icon ? QMessageBox::Critical : QMessageBox::Information);
        message.exec();
    });
}
