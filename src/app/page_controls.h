#pragma once
// Building blocks of the tab page widgets: controls whose accessible name is
// their visible label (texts are given in English and shown translated), the copying of edits into a page's form, the Send,
// Receive and Message boxes, and the redraw-on-change base of every page.
#include <QLineEdit>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QAbstractButton;
class QBoxLayout;
class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;

namespace dorvik {

class ChangeNotice;

// A button whose accessible name is its text.
QPushButton* MakeButton(const QString& text, QWidget* parent);
// A line edit named after its label; every edit is copied into field.
QLineEdit* MakeEdit(const QString& label, std::string& field, QWidget* parent);
// A read-only box named after its label.
QLineEdit* MakeReadOnly(const QString& label, QWidget* parent);
QGroupBox* MakeGroup(const QString& title, QWidget* parent);
QLabel* MakeLabel(const QString& text, QWidget* parent);

// Shows the text (GB18030) unless the edit already holds it, so that the
// cursor of a user typing stays where it is.
void ShowText(QLineEdit* edit, const std::string& text);
void ShowCheck(QAbstractButton* button, bool on);

// "label [edit] [after]" on one row of a grid.
void AddLabelledRow(QGridLayout* grid, int row, QLabel* label, QWidget* field,
                    QWidget* after = nullptr);

// The bottom line of every page: "Receive", "Send" and the "Message" box
// with its label, shown only in modem mode.
class TrafficRow : public QWidget {
public:
    explicit TrafficRow(QWidget* parent = nullptr);

    template <class Page>
    void ShowFrom(const Page& page) {
        Show(page.ReceiveText(), page.SendText(), page.MessageText(), page.ModemControlsShown());
    }
    void Show(const std::string& received, const std::string& sent, const std::string& message,
              bool modem);

    QLineEdit* Receive() const { return receive_; }
    QLineEdit* Send() const { return send_; }
    QLineEdit* Message() const { return message_; }

private:
    QLineEdit *receive_, *send_, *message_;
    QLabel* messageLabel_;
};

// A tab page: redraws from its page's state when the page tells it that the
// state changed. The changes of one turn of the event loop (a read-all
// brings many) are drawn once, when the turn is done.
class PageWidget : public QWidget {
public:
    using QWidget::QWidget;
    ~PageWidget() override;

    // Redraws when the state's revision moved since the last redraw.
    void RefreshIfChanged();
    // Redraws everything from the page's state.
    void Refresh();
    // Called after every redraw (the window's Stop follows the runs with it).
    std::function<void()> onRedrawn;

protected:
    // Redraws after every change the state tells of; the state must outlive
    // the widget.
    void Follow(ChangeNotice& state);
    virtual std::uint64_t StateRevision() const = 0;
    virtual void Redraw() = 0;
    // A button that runs a page operation, then redraws.
    QPushButton* CommandButton(const QString& text, std::function<void()> operation);
    // Runs a page operation, then redraws.
    void Run(const std::function<void()>& operation);

private:
    void RedrawAfterThisTurn();

    std::optional<std::uint64_t> shown_;
    std::vector<ChangeNotice*> followed_;
    bool redrawQueued_ = false;
};

}  // namespace dorvik
