// What the tests of the device's dialogs share: the device fixture on a temporary project with
// a small three-level group-address tree, typed sub groups, a communication object, and a
// grab of a dialog into a PNG beside the test program.
#pragma once

#include "tests/deviceinstance/DeviceTestHilfen.h"

#include "deviceinstance/dialogs/TDlgNewGrpAddrName.h"
#include "platform/busobjects/TVumaGrpAdr.h"
#include "platform/bustool/TEtsGruppenAdressen.h"
#include "platform/dialogs/TModalDialog.h"
#include "tests/platform/dialogs/Bildschirmfoto.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTreeWidget>
#include <QWidget>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

class TDialogFixture : public TBusFixture {
protected:
    // The sub groups' ids by their text.
    std::map<std::string, int32_t> Ids;

    // 1/0/1 Licht Flur, 1/0/2 Licht Küche, 1/1/3 Jalousie, 2/0/7 Alarm, 2/0/8 Zustand (typed
    // 1 Byte); then the device reads the tree.
    void Baum() {
        Ids["1/0/1"] = Adresse(1, 0, 1, "Licht Flur");
        Ids["1/0/2"] = Adresse(1, 0, 2, "Licht Küche");
        Ids["1/1/3"] = Adresse(1, 1, 3, "Jalousie");
        Ids["2/0/7"] = Adresse(2, 0, 7, "Alarm");
        Ids["2/0/8"] = Adresse(2, 0, 8, "Zustand");
        ASSERT_TRUE(Device->GetGrpAdrFromServer());
        Sub("2/0/8")->SetSubAdrTyp(7);
    }
    TVumaGrpAdrSub *Sub(const std::string &text) {
        const auto it = Device->GetMidSubGroups().find(Ids.at(text));
        return it == Device->GetMidSubGroups().end()
                   ? nullptr
                   : dynamic_cast<TVumaGrpAdrSub *>(it->second.get());
    }
    // Every sub group of the device by id.
    std::map<long, TVumaGrpAdrSub *> Angebot() {
        std::map<long, TVumaGrpAdrSub *> out;
        for (const auto &[id, node] : Device->GetMidSubGroups())
            if (auto *sub = dynamic_cast<TVumaGrpAdrSub *>(node.get()))
                out.emplace(id, sub);
        return out;
    }
};

// A driver that answers the name dialog: with the name typed and OK, or (null) with Cancel.
inline TModalDriver NameDialog(const char *name) {
    return [name](TModalDialog &d) {
        auto *dialog = dynamic_cast<TDlgNewGrpAddrName *>(&d);
        EXPECT_NE(dialog, nullptr);
        if (!dialog)
            return 2;
        if (!name) {
            dialog->ButtonCancelClick();
        } else {
            dialog->SetEditText(name);
            dialog->ButtonOkClick();
        }
        return dialog->ModalResult();
    };
}

// Types the keys into a widget as the keyboard would: each a press and a release.
inline void Tippe(QWidget *widget, const std::vector<std::pair<int, QString>> &keys) {
    for (const auto &[key, text] : keys) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(widget, &release);
    }
}

// The rows' first-column texts of a list, in order (UTF-8).
inline std::vector<std::string> Zeilen(const QTreeWidget *list, int column = 0) {
    std::vector<std::string> out;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        out.push_back(list->topLevelItem(i)->text(column).toStdString());
    return out;
}

