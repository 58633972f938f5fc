#include "platform/dialogs/DlgSpracheinstellung.h"

#include "foundation/RegIniNamen.h"
#include "platform/log/Log.h"
#include "platform/win/MessageBox.h"
#include "platform/win/Profile.h"
#include "platform/win/System.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <filesystem>
#include <utility>

namespace {
constexpr char kKeyAktiv[] = "Aktiv";

std::string &IniFileSlot() {
    static std::string path;
    return path;
}
} // namespace

void SetSpracheinstellungIniFile(const std::string &path) {
    LOG_FKT("DlgSpracheinstellung::SetSpracheinstellungIniFile");
    IniFileSlot() = path;
}

std::string GetSpracheinstellungIniFile() {
    LOG_FKT("DlgSpracheinstellung::GetSpracheinstellungIniFile");
    if (!IniFileSlot().empty())
        return IniFileSlot();
    const std::string program = GetProgramFileName();
    if (program.empty())
        return "";
    return std::filesystem::path(program).replace_extension(".ini").string();
}

TDlgSpracheinstellung::TDlgSpracheinstellung(QWidget *owner, TRecSpracheinstellung daten,
                                             std::string iniFile)
    : TModalDialog(owner, 2), FDaten(std::move(daten)), FIniFile(std::move(iniFile)) {
    LOG_FKT("TDlgSpracheinstellung::TDlgSpracheinstellung");
    setWindowTitle(QtText(FDaten.Caption));
    LabelPrompt = new QLabel(QtText(FDaten.Prompt), this);
    ListSprachen = new QListWidget(this);
    BtnOk = new QPushButton(QtText(FDaten.BtnOk), this);
    BtnAbbrechen = new QPushButton(QtText(FDaten.BtnAbbrechen), this);
    BtnOk->setDefault(true);

    // The stored language chosen at first, when it is one of the list.
    AnsiString aktiv;
    if (!FIniFile.empty()) {
        char buffer[256];
        GetPrivateProfileString(RegSecSprache, kKeyAktiv, "", buffer, sizeof buffer,
                                FIniFile.c_str());
        aktiv = buffer;
    }
    for (const auto &[name, ext] : FDaten.Sprachen) {
        auto *item = new QListWidgetItem(QtText(name), ListSprachen);
        item->setData(Qt::UserRole, QtText(ext));
        if (!aktiv.empty() && ext == aktiv)
            ListSprachen->setCurrentItem(item);
    }
    BtnOk->setEnabled(ListSprachen->currentItem() != nullptr);
    connect(ListSprachen, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem *current) { BtnOk->setEnabled(current != nullptr); });
    connect(ListSprachen, &QListWidget::itemDoubleClicked, this, [this] { BtnOkClick(); });
    connect(BtnOk, &QPushButton::clicked, this, [this] { BtnOkClick(); });
    connect(BtnAbbrechen, &QPushButton::clicked, this, [this] { BtnAbbrechenClick(); });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(LabelPrompt);
    layout->addWidget(ListSprachen);
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->setSpacing(10);
    row->addWidget(BtnOk);
    row->addWidget(BtnAbbrechen);
    layout->addLayout(row);
    resize(320, 240);
}

TDlgSpracheinstellung::~TDlgSpracheinstellung() {
    LOG_FKT("TDlgSpracheinstellung::~TDlgSpracheinstellung");
}

AnsiString TDlgSpracheinstellung::GewaehlteExt() const {
    LOG_FKT("TDlgSpracheinstellung::GewaehlteExt");
    const QListWidgetItem *item = ListSprachen->currentItem();
    return item ? AnsiText(item->data(Qt::UserRole).toString()) : AnsiString();
}

bool TDlgSpracheinstellung::Speichern() {
    LOG_FKT("TDlgSpracheinstellung::Speichern");
    const AnsiString ext = GewaehlteExt();
    if (!ListSprachen->currentItem())
        return false;
    const auto fehler = [this](const AnsiString &grund) {
        MessageBox(nullptr, FDaten.TextFehlgeschlagen + "\n" + grund, FDaten.TextFehler,
                   MB_OK | MB_ICONERROR);
        return false;
    };
    if (FIniFile.empty())
        return fehler(FDaten.TextNichtGeoeffnet);
    if (!WritePrivateProfileString(RegSecSprache, kKeyAktiv, ext.c_str(), FIniFile.c_str()))
        return fehler(FDaten.TextNichtEingetragen);
    MessageBox(nullptr, FDaten.TextGeaendert + "\n" + FDaten.TextNeustart, FDaten.Caption,
               MB_OK | MB_ICONINFORMATION);
    return true;
}

void TDlgSpracheinstellung::BtnOkClick() {
    LOG_FKT("TDlgSpracheinstellung::BtnOkClick");
    if (ListSprachen->currentItem())
        SetModalResult(1);
}

void TDlgSpracheinstellung::BtnAbbrechenClick() {
    LOG_FKT("TDlgSpracheinstellung::BtnAbbrechenClick");
    SetModalResult(2);
}

bool _StartDlgSpracheinstellung(TRecSpracheinstellung daten) {
    LOG_FKT("DlgSpracheinstellung::_StartDlgSpracheinstellung");
    TDlgSpracheinstellung dialog(nullptr, std::move(daten), GetSpracheinstellungIniFile());
    return dialog.ShowModal() == 1 && dialog.Speichern();
}
