#pragma once
// Modal message boxes made of QMessageBox.
#include <QPointer>
#include <QWidget>

#include "platform/message_box.h"

namespace dorvik {

class QtMessageBox : public MessageBox {
public:
    explicit QtMessageBox(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }
    MsgAnswer Show(const std::string& text, const std::string& caption, MsgIcon icon,
                   MsgButtons buttons) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace dorvik
