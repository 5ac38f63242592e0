#include "app/status_bar_with_progress.h"

#include <QHBoxLayout>

#include "app/ui_text.h"

namespace dorvik {
namespace {

constexpr int kLedPaneChars = 4;
constexpr int kConnectionPaneChars = 43;
const char* const kLockTexts[] = {"CAP", "NUM", "SCRL"};

}  // namespace

CStatusBarWithProgress::CStatusBarWithProgress(TimerFactory& timers, int progressWidth,
                                               QWidget* parent)
    : QStatusBar(parent), timers_(timers), progressWidth_(progressWidth) {
    ledPane_ = new QWidget(this);
    ledPane_->setMinimumWidth(std::max(fontMetrics().averageCharWidth() * kLedPaneChars,
                                       kLedSize + 4));
    auto* ledLayout = new QHBoxLayout(ledPane_);
    ledLayout->setContentsMargins(0, 0, 0, 0);
    addPermanentWidget(ledPane_);
    connection_ = AddPane(Tr("Disconnected from unit"), kConnectionPaneChars);
    for (int i = 0; i < 3; ++i) {
        locks_[i] = AddPane(Tr(kLockTexts[i]), 0);
        locks_[i]->setEnabled(false);
    }
    progress_ = new QProgressBar(this);
    progress_->setTextVisible(false);
    progress_->setGeometry(0, 0, progressWidth_, kProgressHeight);
    progress_->hide();
    runText_ = new QLabel(this);
    runText_->setAccessibleName(Tr("Run progress"));
    runText_->hide();
    connect(this, &QStatusBar::messageChanged, this, [this] { PlaceProgress(); });
}

QLabel* CStatusBarWithProgress::AddPane(const QString& text, int chars) {
    auto* pane = new QLabel(text, this);
    pane->setAccessibleName(text);
    if (chars > 0) pane->setMinimumWidth(fontMetrics().averageCharWidth() * chars);
    addPermanentWidget(pane);
    return pane;
}

bool CStatusBarWithProgress::ShowProgress(bool show) {
    const bool previous = progressShown_;
    if (show == previous) return previous;
    progressShown_ = show;
    if (show) {
        PlaceProgress();
        progress_->show();
        repaint();
    } else {
        progress_->hide();
        PlaceProgress();
    }
    return previous;
}

void CStatusBarWithProgress::PlaceProgress() {
    const QRect pane = contentsRect();
    int x = pane.left() + fontMetrics().horizontalAdvance(currentMessage()) + kProgressGap;
    if (progressShown_) {
        progress_->setGeometry(x, pane.top() + 1, progressWidth_, std::max(1, pane.height() - 2));
        x += progressWidth_ + kProgressGap;
    }
    const int width = fontMetrics().horizontalAdvance(runText_->text()) + kProgressGap;
    runText_->setGeometry(x, pane.top(), width, pane.height());
}

void CStatusBarWithProgress::SetText(const std::string& text) {
    runText_->setText(TrRunText(text));
    runText_->setVisible(!text.empty());
    PlaceProgress();
}

void CStatusBarWithProgress::resizeEvent(QResizeEvent* event) {
    QStatusBar::resizeEvent(event);
    PlaceProgress();
}

CLed* CStatusBarWithProgress::CreateLed() {
    if (led_) return led_;
    led_ = new CLed(timers_, ledPane_);
    led_->setAccessibleName(Tr("Activity"));
    ledPane_->layout()->addWidget(led_);
    led_->SetLed(ledColour_, ledLit_);
    return led_;
}

void CStatusBarWithProgress::SetLockState(LockKey key, bool on) {
    LockPane(key)->setEnabled(on);
}

void CStatusBarWithProgress::Show(int minimum, int maximum) {
    progress_->setRange(minimum, maximum);
    progress_->setValue(minimum);
    ShowProgress(true);
}

void CStatusBarWithProgress::SetConnectionText(const std::string& text) {
    connection_->setText(TrCore(text));
}

void CStatusBarWithProgress::SetLed(LedColour colour, bool lit) {
    ledColour_ = colour;
    ledLit_ = lit;
    if (led_) led_->SetLed(colour, lit);
}

}  // namespace dorvik
