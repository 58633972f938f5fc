// The keys of the group-address fields in the three dialogs that have one, shown as windows
// and typed through the window as the keyboard does: only characters outside an address are
// dropped; the cursor keys, Backspace, Delete, Tab, Escape and Enter do what they do in any
// field and dialog.
#include "DialogTestHilfen.h"

#include "deviceinstance/dialogs/TDlgLinkToGrpAdr.h"
#include "deviceinstance/dialogs/TDlgSelGrpAddr.h"
#include "deviceinstance/dialogs/TFDlgGrpAddrChange.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <functional>
#include <memory>
#include <optional>

namespace {

// One dialog shown with its address field.
struct TOffen {
    std::unique_ptr<TModalDialog> Dialog;
    QLineEdit *Feld = nullptr;
    // The change dialog's OK, which typing disables; null elsewhere.
    QPushButton *Ok = nullptr;
    // Where Tab goes from the field: the next control.
    QWidget *NachTab = nullptr;
    // The modal result of Escape.
    int Abbruch = 0;
    // Whether Enter in the field with "1/0/1" has done the field's own action, and no more.
    std::function<bool()> EnterGetan;
};

class GrpAddrTasten : public TDialogFixture {
protected:
    GrpAddrTasten() {
        Baum();
        Object = MelderObjekt();
        Nodes = Angebot();
        Row.IstWord = 0x0A05;
        Row.ObjTyp = 1;
        Row.TypText = "1 Bit";
        Row.Status = 2;
        Row.StatusText = "fehlt";
    }

    TOffen Auswahl() {
        auto dialog = std::make_unique<TDlgSelGrpAddr>(nullptr, 3, Object, Links, Nodes,
                                                       Device->GetGrpAdrOrdner(), Device.get());
        TOffen o;
        o.Feld = dialog->EditGrpAddr;
        o.NachTab = dialog->btnSearchAdd;
        o.Abbruch = 3;
        o.EnterGetan = [d = dialog.get()] {
            const auto rows = d->ListViewSource->selectedItems();
            return d->isVisible() && rows.size() == 1 && rows[0]->text(0) == "1/0/1";
        };
        o.Dialog = std::move(dialog);
        return o;
    }
    TOffen Verbinden() {
        auto dialog =
            std::make_unique<TDlgLinkToGrpAdr>(nullptr, "", Name, SubNr, MiddleNr, MainNr, true);
        TOffen o;
        o.Feld = dialog->EditGrpAdr;
        o.NachTab = dialog->EditGrpAdrName;
        o.Abbruch = 2;
        o.EnterGetan = [this, d = dialog.get()] {
            return !d->isVisible() && d->result() == 1 && MainNr == 1 && MiddleNr == 0 &&
                   SubNr == 1;
        };
        o.Dialog = std::move(dialog);
        return o;
    }
    TOffen Wechseln() {
        auto dialog = std::make_unique<TFDlgGrpAddrChange>(nullptr, Word, NewAddresses, true,
                                                           Device->GetMainGroups(),
                                                           Device->GetMidSubGroups(), &Row);
        TOffen o;
        o.Feld = dialog->EditSollGa;
        o.NachTab = dialog->btnSearchAdd;
        o.Ok = dialog->ButtonOk;
        o.Abbruch = 3;
        o.EnterGetan = [d = dialog.get()] {
            return d->isVisible() && d->TreeView->currentItem() &&
                   TFDlgGrpAddrChange::Word(d->TreeView->currentItem()) == 0x0801 &&
                   d->ButtonOk->isEnabled();
        };
        o.Dialog = std::move(dialog);
        return o;
    }

    TEtsObjekt *Object = nullptr;
    std::vector<TObjektBasis::RecGrpAdrId> Links;
    std::map<long, TVumaGrpAdrSub *> Nodes;
    AnsiString Name;
    uint16_t SubNr = 99, MiddleNr = 99, MainNr = 99;
    TRecGroupAddrInfo Row;
    int Word = 0;
    std::vector<RecNewGroupAddr> NewAddresses;
};

TEST_F(GrpAddrTasten, OnlyCharactersOutsideAnAddressAreDroppedInEveryDialog) {
    enum TWirkung { Cursor, Text, FokusVor, FokusZurueck, Abgebrochen, Enter };
    struct TFall {
        const char *Name;
        std::vector<Qt::Key> Tasten;
        Qt::KeyboardModifiers Mods;
        const char *Vorher;
        int CursorVorher;
        TWirkung Wirkung;
        const char *TextDanach; // Text
        int CursorDanach;       // Cursor
        // Whether the keys disable the change dialog's OK (unset: Enter's search decides).
        std::optional<bool> OkAus;
    };
    const TFall faelle[] = {
        {"Left", {Qt::Key_Left}, Qt::NoModifier, "1/2", 3, Cursor, "", 2, false},
        {"Right", {Qt::Key_Right}, Qt::NoModifier, "1/2", 1, Cursor, "", 2, false},
        {"Home", {Qt::Key_Home}, Qt::NoModifier, "1/2", 3, Cursor, "", 0, false},
        {"End", {Qt::Key_End}, Qt::NoModifier, "1/2", 0, Cursor, "", 3, false},
        {"Backspace", {Qt::Key_Backspace}, Qt::NoModifier, "1/2", 3, Text, "1/", 0, true},
        {"Delete", {Qt::Key_Delete}, Qt::NoModifier, "1/2", 0, Text, "/2", 0, true},
        // The 5 shows that the letters before it were dropped, not still on their way.
        {"letters dropped",
         {Qt::Key_A, Qt::Key_Period, Qt::Key_X, Qt::Key_5},
         Qt::NoModifier,
         "1/2",
         3,
         Text,
         "1/2.5",
         0,
         true},
        {"Tab", {Qt::Key_Tab}, Qt::NoModifier, "1/2", 3, FokusVor, "", 0, false},
        {"Backtab", {Qt::Key_Backtab}, Qt::ShiftModifier, "1/2", 3, FokusZurueck, "", 0, false},
        {"Escape", {Qt::Key_Escape}, Qt::NoModifier, "1/2", 3, Abgebrochen, "", 0, false},
        {"Enter", {Qt::Key_Return}, Qt::NoModifier, "1/0/1", 5, Enter, "", 0, std::nullopt},
    };
    const std::pair<const char *, std::function<TOffen()>> dialoge[] = {
        {"selection", [this] { return Auswahl(); }},
        {"link", [this] { return Verbinden(); }},
        {"change", [this] { return Wechseln(); }},
    };
    for (const auto &[dialogName, oeffne] : dialoge) {
        for (const TFall &f : faelle) {
            SCOPED_TRACE(testing::Message() << dialogName << " dialog, " << f.Name);
            TOffen o = oeffne();
            QWidget *dialog = o.Dialog.get();
            dialog->show();
            dialog->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
            o.Feld->setText(f.Vorher);
            o.Feld->setCursorPosition(f.CursorVorher);
            o.Feld->setFocus();
            ASSERT_TRUE(QTest::qWaitFor([&] { return o.Feld->hasFocus(); }));
            if (o.Ok)
                o.Ok->setEnabled(true);

            for (Qt::Key key : f.Tasten)
                QTest::keyClick(dialog->windowHandle(), key, f.Mods);

            const std::function<bool()> getan = [&]() -> std::function<bool()> {
                switch (f.Wirkung) {
                case Cursor:
                    return [&] { return o.Feld->cursorPosition() == f.CursorDanach; };
                case Text:
                    return [&] { return o.Feld->text() == f.TextDanach; };
                case FokusVor:
                    return [&] { return o.NachTab->hasFocus(); };
                case FokusZurueck:
                    return [&] {
                        QWidget *fokus = QApplication::focusWidget();
                        return fokus && fokus != o.Feld && dialog->isAncestorOf(fokus);
                    };
                case Abgebrochen:
                    return [&] { return !dialog->isVisible() && o.Dialog->result() == o.Abbruch; };
                case Enter:
                    return o.EnterGetan;
                }
                return [] { return false; };
            }();
            EXPECT_TRUE(QTest::qWaitFor(getan, 2000))
                << "text \"" << o.Feld->text().toStdString() << "\", cursor "
                << o.Feld->cursorPosition() << ", visible " << dialog->isVisible();
            if (f.Wirkung != Abgebrochen && f.Wirkung != Enter) {
                EXPECT_TRUE(dialog->isVisible()) << "no key but Escape and Enter ends it";
            }
            if (f.Wirkung != Text && f.Wirkung != Enter) {
                EXPECT_EQ(o.Feld->text().toStdString(), f.Vorher);
            }
            if (o.Ok && f.OkAus) {
                EXPECT_EQ(o.Ok->isEnabled(), !*f.OkAus);
            }
            EXPECT_TRUE(Boxes.Boxes().empty());
        }
    }
}

} // namespace
