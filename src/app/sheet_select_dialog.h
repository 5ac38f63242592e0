#pragma once
// Lets the user pick one sheet of a workbook.
#include <QDialog>
#include <optional>
#include <string>
#include <vector>

class QComboBox;

namespace dorvik {

class CSheetSelect : public QDialog {
    Q_OBJECT
public:
    // Lists the names (GB18030) sorted, the first one selected.
    explicit CSheetSelect(const std::vector<std::string>& names, QWidget* parent = nullptr);

    // The sheet chosen with OK; nothing when closed otherwise.
    std::optional<std::string> Result() const { return result_; }
    QComboBox* List() const { return list_; }

    void done(int result) override;

private:
    QComboBox* list_;
    std::optional<std::string> result_;
};

// Runs the dialog modally.
std::optional<std::string> ChooseSheet(const std::vector<std::string>& names,
                                       QWidget* parent = nullptr);

}  // namespace dorvik
