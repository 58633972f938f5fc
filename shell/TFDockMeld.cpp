#include "shell/TFDockMeld.h"

#include "foundation/SprTexte.h"
#include "platform/log/Log.h"
#include "shell/QtText.h"
#include "shell/TFormVerw.h"
#include "shell/WinColor.h"

#include <QCloseEvent>
#include <QEvent>
#include <QMainWindow>
#include <QMouseEvent>

namespace {
constexpr uint32_t kInfoBk = 0x80000018;
} // namespace

TFDockMeld::TFDockMeld(TFormVerw &owner, QMainWindow *site) : QDockWidget(site), FOwner(owner) {
    LOG_FKT("TFDockMeld::TFDockMeld");
    setObjectName("FDockMeld");
    setWindowTitle(ToQString(SprText(9197)));
    QPalette p = palette();
    p.setColor(QPalette::Window, WinColorToQColor(kInfoBk));
    setPalette(p);
    setAutoFillBackground(true);
    setAllowedAreas(Qt::BottomDockWidgetArea);
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
    setMinimumHeight(20);
    connect(this, &QDockWidget::topLevelChanged, this, [this](bool) { FormEndDock(); });
}

TFDockMeld::~TFDockMeld() {
    LOG_FKT("TFDockMeld::~TFDockMeld");
}

void TFDockMeld::FormEndDock() {
    LOG_FKT("TFDockMeld::FormEndDock");
    if (isFloating())
        resize(kBreite, kHoehe);
    FOwner.MeldeFensterEndDock(isFloating());
}

void TFDockMeld::FormClose() {
    LOG_FKT("TFDockMeld::FormClose");
    FOwner.MeldeFensterSchliessen();
}

void TFDockMeld::FormDeactivate() {
    LOG_FKT("TFDockMeld::FormDeactivate");
}

void TFDockMeld::closeEvent(QCloseEvent *event) {
    LOG_FKT("TFDockMeld::closeEvent");
    FormClose();
    QDockWidget::closeEvent(event);
}

void TFDockMeld::changeEvent(QEvent *event) {
    LOG_FKT("TFDockMeld::changeEvent");
    if (event->type() == QEvent::ActivationChange && isFloating() && !isActiveWindow())
        FormDeactivate();
    QDockWidget::changeEvent(event);
}

void TFDockMeld::MerkeLage() {
    LOG_FKT("TFDockMeld::MerkeLage");
    if (!isFloating())
        FDocked = QRect(mapToGlobal(QPoint(0, 0)), size());
}

void TFDockMeld::moveEvent(QMoveEvent *event) {
    LOG_FKT("TFDockMeld::moveEvent");
    QDockWidget::moveEvent(event);
    MerkeLage();
}

void TFDockMeld::resizeEvent(QResizeEvent *event) {
    LOG_FKT("TFDockMeld::resizeEvent");
    QDockWidget::resizeEvent(event);
    MerkeLage();
}

TMeldeSplitter::TMeldeSplitter(QMainWindow *site, std::function<void()> onMoved)
    : FSite(site), FOnMoved(std::move(onMoved)) {
    LOG_FKT("TMeldeSplitter::TMeldeSplitter");
    FSite->installEventFilter(this);
}

TMeldeSplitter::~TMeldeSplitter() {
    LOG_FKT("TMeldeSplitter::~TMeldeSplitter");
    FSite->removeEventFilter(this);
}

bool TMeldeSplitter::eventFilter(QObject *watched, QEvent *event) {
    LOG_FKT("TMeldeSplitter::eventFilter");
    // The separator is the dock site's own area: presses there that reach the site itself.
    if (watched == FSite && event->type() == QEvent::MouseButtonPress)
        FZiehen = true;
    if (watched == FSite && event->type() == QEvent::MouseButtonRelease && FZiehen) {
        FZiehen = false;
        if (FOnMoved)
            FOnMoved();
    }
    return false;
}
