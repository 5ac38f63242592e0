#pragma once
// The log view: the caller log as a table with the log page below it.
#include <functional>

#include "app/grid_table_model.h"
#include "app/page_controls.h"
#include "pages/dialog_log.h"
#include "pages/log_view.h"

class QPushButton;

namespace dorvik {

class LogViewWidget : public PageWidget {
public:
    LogViewWidget(CLogView& view, CDialogLog& page, QWidget* parent = nullptr);

    ListTable* Table() const { return table_; }
    // "Export Log" runs this (when set).
    std::function<void()> onExport;

private:
    std::uint64_t StateRevision() const override;
    void Redraw() override;

    CLogView& view_;
    CDialogLog& page_;
    ListTable* table_;
    QLineEdit* lastCount_;
    QPushButton *getAll_, *getLast_;
    TrafficRow* traffic_;
};

}  // namespace dorvik
