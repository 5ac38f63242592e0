#include "app/qt_message_box.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "app/ui_text.h"

namespace dorvik {
namespace {

QMessageBox::Icon ToQtIcon(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::Error: return QMessageBox::Critical;
        case MsgIcon::Information: return QMessageBox::Information;
        case MsgIcon::Question: return QMessageBox::Question;
        case MsgIcon::Warning: return QMessageBox::Warning;
        case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQtButtons(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
        case MsgButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case MsgButtons::Ok: break;
    }
    return QMessageBox::Ok;
}

// A box closed without a button (Escape, window close) counts as the most
// cautious answer it offers.
MsgAnswer ToAnswer(int clicked, MsgButtons buttons) {
    switch (clicked) {
        case QMessageBox::Yes: return MsgAnswer::Yes;
        case QMessageBox::No: return MsgAnswer::No;
        case QMessageBox::Cancel: return MsgAnswer::Cancel;
        case QMessageBox::Ok: return MsgAnswer::Ok;
        default: break;
    }
    if (buttons == MsgButtons::YesNoCancel) return MsgAnswer::Cancel;
    return buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Ok;
}

}  // namespace

MsgAnswer QtMessageBox::Show(const std::string& text, const std::string& caption, MsgIcon icon,
                             MsgButtons buttons) {
    const QString title =
        caption.empty() ? QCoreApplication::applicationName() : TrCore(caption);
    QMessageBox box(ToQtIcon(icon), title, TrCore(text), ToQtButtons(buttons), parent_);
    TrStandardButtons(&box);
    box.setTextFormat(Qt::PlainText);
    return ToAnswer(box.exec(), buttons);
}

}  // namespace dorvik
