#include "platform/win/MessageBoxQt.h"

#include "platform/log/Log.h"
#include "platform/vcl/Cp1252.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>

#include <array>
#include <vector>
#include <memory>

namespace {
struct TKnopf {
    int Id;
    const char *Text; // Windows-1252
    QMessageBox::ButtonRole Rolle;
};
constexpr TKnopf kJa = {IDYES, "&Ja", QMessageBox::YesRole};
constexpr TKnopf kNein = {IDNO, "&Nein", QMessageBox::NoRole};
constexpr TKnopf kOk = {IDOK, "OK", QMessageBox::AcceptRole};
constexpr TKnopf kAbbrechen = {IDCANCEL, "&Abbrechen", QMessageBox::RejectRole};
constexpr TKnopf kWiederholen = {IDRETRY, "&Wiederholen", QMessageBox::AcceptRole};
constexpr TKnopf kIgnorieren = {IDIGNORE, "&Ignorieren", QMessageBox::AcceptRole};
constexpr TKnopf kBeenden = {IDABORT, "&Beenden", QMessageBox::RejectRole};

// The buttons of each button style, in the order of the box.
std::vector<TKnopf> KnoepfeFuer(unsigned style) {
    LOG_FKT("MessageBoxQt::KnoepfeFuer");
    switch (style & 0x0F) {
    case MB_OKCANCEL:
        return {kOk, kAbbrechen};
    case MB_ABORTRETRYIGNORE:
        return {kBeenden, kWiederholen, kIgnorieren};
    case MB_YESNOCANCEL:
        return {kJa, kNein, kAbbrechen};
    case MB_YESNO:
        return {kJa, kNein};
    case MB_RETRYCANCEL:
        return {kWiederholen, kAbbrechen};
    default:
        return {kOk};
    }
}

QMessageBox::Icon SymbolFuer(unsigned style) {
    LOG_FKT("MessageBoxQt::SymbolFuer");
    switch (style & 0xF0) {
    case MB_ICONERROR:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONWARNING:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

QString AlsQt(const AnsiString &text) {
    LOG_FKT("MessageBoxQt::AlsQt");
    return QString::fromStdString(AnsiToUtf8(text));
}
} // namespace

QMessageBox *CreateQtMessageBox(const AnsiString &text, const AnsiString &caption,
                                unsigned style) {
    LOG_FKT("CreateQtMessageBox");
    auto *box = new QMessageBox();
    box->setWindowTitle(AlsQt(caption));
    box->setText(AlsQt(text));
    box->setIcon(SymbolFuer(style));
    const std::vector<TKnopf> knoepfe = KnoepfeFuer(style);
    for (size_t i = 0; i < knoepfe.size(); ++i) {
        QPushButton *b = box->addButton(AlsQt(knoepfe[i].Text), knoepfe[i].Rolle);
        b->setProperty("WinId", knoepfe[i].Id);
        if (i == ((style & MB_DEFBUTTON2) && knoepfe.size() > 1 ? 1u : 0u))
            box->setDefaultButton(b);
    }
    return box;
}

int QtMessageBoxResult(const QMessageBox &box) {
    LOG_FKT("QtMessageBoxResult");
    const QAbstractButton *pressed = box.clickedButton();
    return pressed ? pressed->property("WinId").toInt() : IDCANCEL;
}

void InstallQtMessageBox() {
    LOG_FKT("InstallQtMessageBox");
    SetMessageBoxHandler(
        [](HWND, const AnsiString &text, const AnsiString &caption, unsigned style) {
            std::unique_ptr<QMessageBox> box(CreateQtMessageBox(text, caption, style));
            box->exec();
            return QtMessageBoxResult(*box);
        });
}
