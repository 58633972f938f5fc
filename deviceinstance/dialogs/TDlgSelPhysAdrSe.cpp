#include "deviceinstance/dialogs/TDlgSelPhysAdrSe.h"

#include "platform/log/Log.h"
#include "platform/vcl/Cp1252.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {
// The row's index into the candidates.
constexpr int kIndex = Qt::UserRole;
} // namespace

TDlgSelPhysAdrSe::TDlgSelPhysAdrSe(QWidget *owner, RPhysAdr &current,
                                   const std::vector<RPhysAdr> &candidates,
                                   const std::list<int> &excluded)
    : TModalDialog(owner, 2), FCurrent(current), FCandidates(candidates), FExcluded(excluded) {
    LOG_FKT("TDlgSelPhysAdrSe::TDlgSelPhysAdrSe");
    lvPhysAdrSe = new QTreeWidget(this);
    lvPhysAdrSe->setRootIsDecorated(false);
    lvPhysAdrSe->setSelectionMode(QAbstractItemView::SingleSelection);
    lvPhysAdrSe->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvPhysAdrSe->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvPhysAdrSe->setColumnCount(2);
    lvPhysAdrSe->setColumnWidth(0, 260);
    lvPhysAdrSe->setMinimumSize(440, 220);
    LabelPhysAdr = new QLabel(this);
    BtnOk = new QPushButton(this);
    BtnAbbrechen = new QPushButton(this);
    BtnNoPhysAdr = new QPushButton(this);
    BtnOk->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    buttons->addWidget(BtnNoPhysAdr);
    buttons->addStretch();
    buttons->addWidget(BtnOk);
    buttons->addWidget(BtnAbbrechen);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(LabelPhysAdr);
    layout->addWidget(lvPhysAdrSe);
    layout->addLayout(buttons);
    connect(BtnOk, &QPushButton::clicked, this, [this] { BtnOkClick(); });
    connect(BtnAbbrechen, &QPushButton::clicked, this, [this] { BtnAbbrechenClick(); });
    connect(BtnNoPhysAdr, &QPushButton::clicked, this, [this] { BtnNoPhysAdrClick(); });
    connect(lvPhysAdrSe, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem *item) { lvPhysAdrSe->setCurrentItem(item); });
    LadeDlgTexte();
    FillListView();
}

TDlgSelPhysAdrSe::~TDlgSelPhysAdrSe() {
    LOG_FKT("TDlgSelPhysAdrSe::~TDlgSelPhysAdrSe");
}

void TDlgSelPhysAdrSe::LadeDlgTexte() {
    LOG_FKT("TDlgSelPhysAdrSe::LadeDlgTexte");
    setWindowTitle(QtText(Utf8ToAnsi("Physikalische Adresse Schalteinrichtung auswählen")));
    lvPhysAdrSe->setHeaderLabels(
        {QtText(Utf8ToAnsi("Geräte-Name")), QStringLiteral("Physikalische Adresse")});
    lvPhysAdrSe->setToolTip(
        QtText(Utf8ToAnsi("Physikalische Adresse der Schalteinrichtung auswählen")));
    LabelPhysAdr->setText(QtText("Parametrierte Physikalische Adresse Schalteinrichtung" +
                                 AnsiString(":   ") +
                                 (FCurrent.PhysAdr != 0 ? FCurrent.Text : AnsiString("..."))));
    BtnOk->setText(QStringLiteral("Ok"));
    BtnAbbrechen->setText(QStringLiteral("Abbrechen"));
    BtnNoPhysAdr->setText(QStringLiteral("Keine PA"));
}

void TDlgSelPhysAdrSe::FillListView() {
    LOG_FKT("TDlgSelPhysAdrSe::FillListView");
    lvPhysAdrSe->clear();
    std::vector<size_t> order;
    for (size_t i = 0; i < FCandidates.size(); ++i)
        if (std::find(FExcluded.begin(), FExcluded.end(), FCandidates[i].PhysAdr) ==
            FExcluded.end())
            order.push_back(i);
    std::stable_sort(order.begin(), order.end(), [this](size_t a, size_t b) {
        return FCandidates[a].PhysAdr < FCandidates[b].PhysAdr;
    });
    for (const size_t i : order) {
        auto *row = new QTreeWidgetItem(lvPhysAdrSe);
        row->setText(0, QtText(FCandidates[i].Name));
        row->setText(1, QtText(FCandidates[i].Text));
        row->setData(0, kIndex, static_cast<qulonglong>(i));
        if (FCandidates[i].Text == FCurrent.Text) {
            lvPhysAdrSe->setCurrentItem(row);
            row->setSelected(true);
        }
    }
}

void TDlgSelPhysAdrSe::BtnOkClick() {
    LOG_FKT("TDlgSelPhysAdrSe::BtnOkClick");
    const QList<QTreeWidgetItem *> selected = lvPhysAdrSe->selectedItems();
    if (!selected.isEmpty()) {
        const RPhysAdr &chosen =
            FCandidates[static_cast<size_t>(selected.front()->data(0, kIndex).toULongLong())];
        FCurrent = chosen;
    }
    SetModalResult(1);
}

void TDlgSelPhysAdrSe::BtnNoPhysAdrClick() {
    LOG_FKT("TDlgSelPhysAdrSe::BtnNoPhysAdrClick");
    FCurrent.Text.clear();
    FCurrent.PhysAdr = 0;
    SetModalResult(1);
}

void TDlgSelPhysAdrSe::BtnAbbrechenClick() {
    LOG_FKT("TDlgSelPhysAdrSe::BtnAbbrechenClick");
    SetModalResult(2);
}
