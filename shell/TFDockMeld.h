// The quick-help pane's host: a dock widget at the bottom of a project window's right pane,
// captioned "Parameter Hilfe" when it floats. It belongs to one project window and acts on that
// window only: floating, docking again and closing (its close button, docked or floating,
// switches the quick help off) are the owner's steps.
#pragma once

#include <QDockWidget>
#include <QObject>
#include <QRect>

#include <functional>

class QMainWindow;
class TFormVerw;

class TFDockMeld : public QDockWidget {
public:
    // The design size of the floating window.
    static constexpr int kBreite = 537;
    static constexpr int kHoehe = 88;

    TFDockMeld(TFormVerw &owner, QMainWindow *site);
    ~TFDockMeld() override;

    // After the host floated or docked again.
    void FormEndDock();
    // The close button.
    void FormClose();
    // Losing the activation changes nothing.
    void FormDeactivate();

    TFormVerw &Owner() const { return FOwner; }
    // Where the host was last docked, in screen coordinates.
    QRect DockedRect() const { return FDocked; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void MerkeLage();

    TFormVerw &FOwner;
    QRect FDocked;
};

// The separator between the right pane's contents and the docked pane: a drag on it ends with
// onMoved.
class TMeldeSplitter : public QObject {
public:
    TMeldeSplitter(QMainWindow *site, std::function<void()> onMoved);
    ~TMeldeSplitter() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QMainWindow *FSite;
    std::function<void()> FOnMoved;
    bool FZiehen = false;
};
