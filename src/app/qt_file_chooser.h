#pragma once
// File open/save dialogs made of QFileDialog.
#include <QPointer>
#include <QString>
#include <QWidget>

#include "platform/file_chooser.h"

namespace dorvik {

// "Description|pattern|...||" (patterns separated by ";", texts GB18030)
// -> Qt's "Description (pattern ...);;..." form. A description that already
// ends with its pattern in brackets is kept as it is.
QString ToQtFilter(const std::string& filter);

class QtFileChooser : public FileChooser {
public:
    explicit QtFileChooser(QWidget* parent = nullptr) : parent_(parent) {}
    std::optional<std::string> ChooseOpen(const std::string& filter,
                                          const std::string& defaultExt) override;
    std::optional<std::string> ChooseSave(const std::string& filter, const std::string& defaultExt,
                                          const std::string& suggestedName) override;

private:
    std::optional<std::string> Run(bool save, const std::string& filter,
                                   const std::string& defaultExt, const std::string& name);
    QPointer<QWidget> parent_;
};

}  // namespace dorvik
