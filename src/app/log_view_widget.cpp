#include "app/log_view_widget.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace dorvik {

LogViewWidget::LogViewWidget(CLogView& view, CDialogLog& page, QWidget* parent)
    : PageWidget(parent),
      view_(view),
      page_(page),
      table_(new ListTable(std::make_unique<LogSource>(view), QStringLiteral("Log"), this)),
      lastCount_(MakeEdit(QStringLiteral("Get The Last"), page.LastCountText(), this)),
      traffic_(new TrafficRow(this)) {
    getAll_ = CommandButton(QStringLiteral("Get The Entire Log From Unit"),
                            [this] { page_.OnGetEntireLog(); });
    getLast_ = CommandButton(QStringLiteral("Get The Last Log Entires"),
                             [this] { page_.OnGetLastEntries(); });
    auto* form = new QGridLayout;
    form->addWidget(getAll_, 0, 0);
    form->addWidget(MakeLabel(QStringLiteral("Get The Last"), this), 0, 1);
    form->addWidget(lastCount_, 0, 2);
    form->addWidget(getLast_, 0, 3);
    form->addWidget(CommandButton(QStringLiteral("Export Log"),
                                  [this] {
                                      if (onExport) onExport();
                                  }),
                    0, 4);
    form->addWidget(CommandButton(QStringLiteral("Delete Log"), [this] { page_.OnDeleteLog(); }), 0,
                    5);
    form->setColumnStretch(6, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_, 1);
    layout->addLayout(form);
    layout->addWidget(traffic_);
    Follow(view_);
    Follow(page_);
    Refresh();
}

std::uint64_t LogViewWidget::StateRevision() const {
    return page_.Revision() + view_.Revision();
}

void LogViewWidget::Redraw() {
    getAll_->setEnabled(page_.CommandsEnabled());
    getLast_->setEnabled(page_.CommandsEnabled());
    ShowText(lastCount_, page_.LastCountText());
    traffic_->ShowFrom(page_);
    table_->Refresh();
}

}  // namespace dorvik
