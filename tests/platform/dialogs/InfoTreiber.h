// A modal driver for the about dialog: notes what the dialog shows, grabs it when told to and
// closes it with its button.
#pragma once

#include "platform/dialogs/DlgInfo.h"
#include "tests/platform/dialogs/Bildschirmfoto.h"

#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <string>

struct TInfoGesehen {
    int Anzahl = 0;
    std::string Titel; // UTF-8
    AnsiString Version;
    bool Bild = false;
    bool BildSichtbar = false;
    bool TextSichtbar = false;
    AnsiString Text;
};

class TInfoTreiber {
public:
    explicit TInfoTreiber(std::string foto = "")
        : FScope([this, foto](TModalDialog &d) {
              auto *info = dynamic_cast<TDlgInfo *>(&d);
              EXPECT_NE(info, nullptr) << "only the about dialog";
              if (!info)
                  return 0;
              ++Gesehen.Anzahl;
              Gesehen.Titel = info->windowTitle().toStdString();
              Gesehen.Version = AnsiText(info->LabelVersion->text());
              Gesehen.Bild = info->HatBild() && !info->LabelBild->pixmap().isNull();
              Gesehen.BildSichtbar = info->LabelBild->isVisibleTo(info);
              Gesehen.TextSichtbar = info->LabelText->isVisibleTo(info);
              Gesehen.Text = AnsiText(info->LabelText->text());
              if (!foto.empty()) {
                  EXPECT_TRUE(Bildschirmfoto(*info, foto));
              }
              info->BtnOk->click();
              return info->ModalResult();
          }) {}
    TInfoGesehen Gesehen;

private:
    TModalDriverScope FScope;
};
