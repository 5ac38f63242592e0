#include "app/page_controls.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "app/qt_text.h"
#include "app/ui_text.h"
#include "pages/page_state.h"

namespace dorvik {

QPushButton* MakeButton(const QString& text, QWidget* parent) {
    auto* button = new QPushButton(Tr(text), parent);
    button->setAccessibleName(button->text());
    return button;
}

QLineEdit* MakeEdit(const QString& label, std::string& field, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setAccessibleName(Tr(label));
    QObject::connect(edit, &QLineEdit::textEdited, edit,
                     [&field](const QString& text) { field = FromQString(text); });
    return edit;
}

QLineEdit* MakeReadOnly(const QString& label, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setAccessibleName(Tr(label));
    edit->setReadOnly(true);
    return edit;
}

QGroupBox* MakeGroup(const QString& title, QWidget* parent) {
    auto* group = new QGroupBox(Tr(title), parent);
    group->setAccessibleName(group->title());
    return group;
}

QLabel* MakeLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(Tr(text), parent);
    label->setAccessibleName(label->text());
    return label;
}

void ShowText(QLineEdit* edit, const std::string& text) {
    const QString shown = ToQString(text);
    if (edit->text() == shown) return;
    edit->setText(shown);
    // A long answer is read from its start.
    if (edit->isReadOnly()) edit->setCursorPosition(0);
}

void ShowCheck(QAbstractButton* button, bool on) {
    if (button->isChecked() != on) button->setChecked(on);
}

void AddLabelledRow(QGridLayout* grid, int row, QLabel* label, QWidget* field, QWidget* after) {
    label->setBuddy(field);
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
    if (after) grid->addWidget(after, row, 2);
}

TrafficRow::TrafficRow(QWidget* parent) : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    receive_ = MakeReadOnly(QStringLiteral("Receive"), this);
    send_ = MakeReadOnly(QStringLiteral("Send"), this);
    message_ = MakeReadOnly(QStringLiteral("Message"), this);
    messageLabel_ = MakeLabel(QStringLiteral("Message"), this);
    messageLabel_->setBuddy(message_);
    row->addWidget(MakeLabel(QStringLiteral("Receive"), this));
    row->addWidget(receive_, 2);
    row->addWidget(MakeLabel(QStringLiteral("Send"), this));
    row->addWidget(send_, 2);
    row->addWidget(messageLabel_);
    row->addWidget(message_, 2);
    Show({}, {}, {}, false);
}

void TrafficRow::Show(const std::string& received, const std::string& sent,
                      const std::string& message, bool modem) {
    ShowText(receive_, received);
    ShowText(send_, sent);
    ShowText(message_, message);
    message_->setVisible(modem);
    messageLabel_->setVisible(modem);
}

PageWidget::~PageWidget() {
    for (ChangeNotice* state : followed_) state->SetChangeListener(nullptr);
}

void PageWidget::Follow(ChangeNotice& state) {
    state.SetChangeListener([this] { RedrawAfterThisTurn(); });
    followed_.push_back(&state);
}

// A queued call, not a timer: it runs as soon as the event loop is back,
// and is dropped when the widget goes away first.
void PageWidget::RedrawAfterThisTurn() {
    if (redrawQueued_) return;
    redrawQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            redrawQueued_ = false;
            RefreshIfChanged();
        },
        Qt::QueuedConnection);
}

void PageWidget::RefreshIfChanged() {
    if (shown_ != StateRevision()) Refresh();
}

void PageWidget::Refresh() {
    shown_ = StateRevision();
    Redraw();
    if (onRedrawn) onRedrawn();
}

QPushButton* PageWidget::CommandButton(const QString& text, std::function<void()> operation) {
    auto* button = MakeButton(text, this);
    connect(button, &QPushButton::clicked, this,
            [this, operation = std::move(operation)] { Run(operation); });
    return button;
}

void PageWidget::Run(const std::function<void()>& operation) {
    operation();
    Refresh();
}

}  // namespace dorvik
