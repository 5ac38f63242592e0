#include "app/list_tab_widget.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui_text.h"

namespace dorvik {

ListTabWidget::ListTabWidget(ListPageBase& page, std::unique_ptr<GridSource> list,
                             const QString& listName, QWidget* parent)
    : PageWidget(parent),
      page_(page),
      table_(new ListTable(std::move(list), listName, this)),
      used_(MakeLabel(QString(), this)),
      fields_(new QGridLayout),
      traffic_(new TrafficRow(this)) {
    Follow(page);
}

QLineEdit* ListTabWidget::AddField(int row, const QString& label, std::string& field,
                                   std::function<void()> search) {
    QLineEdit* edit = MakeEdit(label, field, this);
    QPushButton* button =
        search ? CommandButton(QStringLiteral("Search"), std::move(search)) : nullptr;
    AddLabelledRow(fields_, row, MakeLabel(label, this), edit, button);
    AddFormEdit(edit);
    return edit;
}

QWidget* ListTabWidget::BuildButtons(bool spreadsheet, std::function<void()> set,
                                     std::function<void()> del) {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    getAll_ =
        CommandButton(QStringLiteral("Get Numbers From Unit"), [this] { page_.OnGetFromUnit(); });
    downloadAll_ =
        CommandButton(QStringLiteral("Download All Phones"), [this] { page_.OnDownloadAll(); });
    grid->addWidget(CommandButton(QStringLiteral("Set"), std::move(set)), 0, 0);
    grid->addWidget(CommandButton(QStringLiteral("Delete"), std::move(del)), 1, 0);
    grid->addWidget(getAll_, 0, 1);
    grid->addWidget(downloadAll_, 1, 1);
    if (spreadsheet) {
        grid->addWidget(CommandButton(QStringLiteral("Export to Excel"),
                                      [this] {
                                          if (onExport) onExport();
                                      }),
                        0, 2);
        grid->addWidget(CommandButton(QStringLiteral("Import From Excel"),
                                      [this] {
                                          if (onImport) onImport();
                                      }),
                        1, 2);
    }
    grid->setRowStretch(2, 1);
    return box;
}

void ListTabWidget::Place(const QString& frameTitle, QWidget* extra, bool spreadsheet,
                          std::function<void()> set, std::function<void()> del) {
    for (QLineEdit* edit : formEdits_)
        connect(edit, &QLineEdit::returnPressed, this, [this, set] { Run(set); });
    QGroupBox* frame = MakeGroup(frameTitle, this);
    frame->setLayout(fields_);
    auto* form = new QHBoxLayout;
    form->addWidget(frame, 2);
    if (extra) form->addWidget(extra, 3);
    form->addWidget(BuildButtons(spreadsheet, std::move(set), std::move(del)), 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_, 1);
    layout->addWidget(used_);
    layout->addLayout(form);
    layout->addWidget(traffic_);
}

void ListTabWidget::OnRowClicked(std::function<void(int)> click) {
    table_->onRowClicked = [this, click = std::move(click)](int row) { Run([&] { click(row); }); };
}

std::uint64_t ListTabWidget::StateRevision() const {
    // Both only grow, so their sum moves whenever either does.
    return page_.Revision() + table_->Model()->Source().Revision();
}

void ListTabWidget::Redraw() {
    used_->setText(TrCore(page_.UsedText()));
    used_->setAccessibleName(used_->text());
    getAll_->setEnabled(page_.CommandsEnabled());
    downloadAll_->setEnabled(page_.CommandsEnabled());
    traffic_->ShowFrom(page_);
    RedrawFields();
    table_->Refresh();
}

}  // namespace dorvik
