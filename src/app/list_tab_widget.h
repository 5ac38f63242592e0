#pragma once
// What the four list tabs share: the list view on top, the used counter,
// the form with its command buttons, and the Send/Receive line below.
#include <functional>
#include <memory>
#include <vector>

#include "app/grid_table_model.h"
#include "app/page_controls.h"
#include "pages/list_page_base.h"

class QGridLayout;
class QLabel;
class QPushButton;

namespace dorvik {

class ListTabWidget : public PageWidget {
public:
    ListTable* Table() const { return table_; }
    QLabel* UsedCounter() const { return used_; }
    // "Export to Excel" and "Import From Excel" run these (when set).
    std::function<void()> onExport, onImport;

protected:
    ListTabWidget(ListPageBase& page, std::unique_ptr<GridSource> list, const QString& listName,
                  QWidget* parent);

    // The frame of the fields; rows are added by the page.
    QGridLayout* Fields() const { return fields_; }
    // Adds "label [edit] [Search]" to the fields; the search runs `search`.
    QLineEdit* AddField(int row, const QString& label, std::string& field,
                        std::function<void()> search = nullptr);
    // Enter in this edit of the form runs Set (AddField's edits do).
    void AddFormEdit(QLineEdit* edit) { formEdits_.push_back(edit); }
    // Places the list, the counter, the fields (under frameTitle), the
    // buttons and the traffic line; Set (and Enter in a form edit) and
    // Delete run set and del.
    void Place(const QString& frameTitle, QWidget* extra, bool spreadsheet,
               std::function<void()> set, std::function<void()> del);
    // Runs the row click of the page.
    void OnRowClicked(std::function<void(int)> click);

    std::uint64_t StateRevision() const override;
    void Redraw() override;
    // The page's own fields.
    virtual void RedrawFields() = 0;

private:
    QWidget* BuildButtons(bool spreadsheet, std::function<void()> set, std::function<void()> del);

    ListPageBase& page_;
    ListTable* table_;
    QLabel* used_;
    QGridLayout* fields_;
    QPushButton *getAll_ = nullptr, *downloadAll_ = nullptr;
    std::vector<QLineEdit*> formEdits_;
    TrafficRow* traffic_;
};

}  // namespace dorvik
