#include "shell/TFileDialog.h"

#include "platform/log/Log.h"
#include "platform/vcl/TextLines.h"

#include <QFileDialog>
#include <QVBoxLayout>

#include <filesystem>

namespace {
QString Pfad(const AnsiString &path) {
    LOG_FKT("TFileDialog::Pfad");
    return QString::fromStdString(path);
}
} // namespace

TFileDialog::TFileDialog(TArt art, QWidget *owner) : FArt(art), FOwner(owner) {
    LOG_FKT("TFileDialog::TFileDialog");
    Clear();
}

TFileDialog::~TFileDialog() {
    LOG_FKT("TFileDialog::~TFileDialog");
}

void TFileDialog::Clear() {
    LOG_FKT("TFileDialog::Clear");
    DefaultExt.clear();
    Filter.clear();
    FilterIndex = 1;
    InitialDir.clear();
    Title.clear();
    Options = ofHideReadOnly | ofEnableSizing;
    FileName.clear();
}

bool TFileDialog::Execute() {
    LOG_FKT("TFileDialog::Execute");
    TFileDialogFenster fenster(FOwner, *this);
    if (fenster.ShowModal() != 1 || fenster.Gewaehlt().empty())
        return false;
    std::filesystem::path chosen(fenster.Gewaehlt());
    // The default extension completes a name given without one.
    if (!DefaultExt.empty() && !chosen.has_extension())
        chosen += "." + DefaultExt;
    FileName = chosen.string();
    return true;
}

TOpenDialog::TOpenDialog(QWidget *owner) : TFileDialog(Oeffnen, owner) {
    LOG_FKT("TOpenDialog::TOpenDialog");
}

TSaveDialog::TSaveDialog(QWidget *owner) : TFileDialog(Speichern, owner) {
    LOG_FKT("TSaveDialog::TSaveDialog");
}

std::vector<AnsiString> TFileDialogFenster::NameFilters(const AnsiString &filter) {
    LOG_FKT("TFileDialogFenster::NameFilters");
    const std::vector<AnsiString> teile =
        filter.empty() ? std::vector<AnsiString>() : SplitText(filter, '|');
    // The texts may carry blanks around the bars ("Alarmzentrale (*.azx) |*.azx| ...").
    const auto ohneRand = [](const AnsiString &t) {
        const size_t anfang = t.find_first_not_of(' ');
        return anfang == AnsiString::npos ? AnsiString()
                                          : t.substr(anfang, t.find_last_not_of(' ') - anfang + 1);
    };
    std::vector<AnsiString> out;
    for (size_t i = 0; i + 1 < teile.size(); i += 2) {
        AnsiString muster = ohneRand(teile[i + 1]);
        for (char &c : muster)
            if (c == ';')
                c = ' ';
        // Qt reads the patterns from the last parentheses: a description that shows them
        // already is taken as it is ("Vorlagen (*.azp)" not "Vorlagen (*.azp) (*.azp)").
        const AnsiString klammer = "(" + muster + ")";
        const AnsiString text = ohneRand(teile[i]);
        const bool hatMuster = text.size() >= klammer.size() &&
                               text.compare(text.size() - klammer.size(), klammer.size(), klammer) == 0;
        out.push_back(hatMuster ? text : text + " " + klammer);
    }
    return out;
}

TFileDialogFenster::TFileDialogFenster(QWidget *owner, const TFileDialog &settings)
    : TModalDialog(owner, 2), FSettings(settings) {
    LOG_FKT("TFileDialogFenster::TFileDialogFenster");
    setObjectName("TFileDialogFenster");
    setWindowTitle(QtText(settings.Title));
    Dialog = new QFileDialog(this); // the window holds its file dialog
    Dialog->setWindowFlags(Qt::Widget);
    Dialog->setOption(QFileDialog::DontUseNativeDialog, true);
    const bool speichern = settings.Art() == TFileDialog::Speichern;
    Dialog->setAcceptMode(speichern ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (speichern)
        Dialog->setFileMode(QFileDialog::AnyFile);
    else if (settings.Options & ofAllowMultiSelect)
        Dialog->setFileMode(QFileDialog::ExistingFiles);
    else
        Dialog->setFileMode((settings.Options & ofFileMustExist) ? QFileDialog::ExistingFile
                                                                 : QFileDialog::AnyFile);
    Dialog->setOption(QFileDialog::DontConfirmOverwrite, !(settings.Options & ofOverwritePrompt));
    Dialog->setOption(QFileDialog::ReadOnly, (settings.Options & ofReadOnly) != 0);
    Dialog->setOption(QFileDialog::DontResolveSymlinks,
                      (settings.Options & ofNoDereferenceLinks) != 0);
    setSizeGripEnabled((settings.Options & ofEnableSizing) != 0);
    QStringList filters;
    for (const AnsiString &f : NameFilters(settings.Filter))
        filters << QtText(f);
    if (!filters.isEmpty()) {
        Dialog->setNameFilters(filters);
        if (settings.FilterIndex >= 1 && settings.FilterIndex <= filters.size())
            Dialog->selectNameFilter(filters[settings.FilterIndex - 1]);
    }
    if (!settings.DefaultExt.empty())
        Dialog->setDefaultSuffix(Pfad(settings.DefaultExt));
    const std::filesystem::path name(settings.FileName);
    if (!settings.InitialDir.empty())
        Dialog->setDirectory(Pfad(settings.InitialDir));
    else if (name.has_parent_path())
        Dialog->setDirectory(Pfad(name.parent_path().string()));
    if (!settings.FileName.empty())
        Dialog->selectFile(Pfad(name.filename().string()));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Dialog);
    connect(Dialog, &QFileDialog::accepted, this, [this] { Angenommen(); });
    connect(Dialog, &QFileDialog::rejected, this, [this] { SetModalResult(2); });
}

TFileDialogFenster::~TFileDialogFenster() {
    LOG_FKT("TFileDialogFenster::~TFileDialogFenster");
}

void TFileDialogFenster::Waehle(const AnsiString &file) {
    LOG_FKT("TFileDialogFenster::Waehle");
    FGewaehlt = file;
}

void TFileDialogFenster::Angenommen() {
    LOG_FKT("TFileDialogFenster::Angenommen");
    const QStringList files = Dialog->selectedFiles();
    if (files.isEmpty()) {
        SetModalResult(2);
        return;
    }
    Waehle(files.front().toStdString());
    SetModalResult(1);
}
