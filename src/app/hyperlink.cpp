#include "app/hyperlink.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMouseEvent>

#include "app/qt_message_box.h"

namespace dorvik {
namespace {

struct Reason {
    int code;
    const char* text;
};
constexpr Reason kReasons[] = {
    {0, "The operating system is out\nof memory or resources."},
    {2, "The specified file was not found."},
    {3, "The specified path was not found."},
    {5, "The operating system denied\naccess to the specified file."},
    {8, "There was not enough memory to complete the operation."},
    {11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
    {26, "A sharing violation occurred. "},
    {27, "The filename association is\nincomplete or invalid."},
    {28, "The DDE transaction could not\nbe completed because the request timed out."},
    {29, "The DDE transaction failed."},
    {30, "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed."},
    {31, "There is no application associated\nwith the given filename extension."},
    {32, "The specified dynamic-link library was not found."},
};

}  // namespace

std::string HyperlinkErrorText(int code) {
    std::string reason = "Unknown Error (" + std::to_string(code) + ") occurred.";
    for (const auto& r : kReasons) {
        if (r.code == code) reason = r.text;
    }
    return "Unable to open hyperlink:\n\n" + reason;
}

CHyperLink::CHyperLink(const QString& text, const QString& url, QWidget* parent)
    : QLabel(text, parent), url_(url) {
    if (url_.isEmpty()) url_ = text;
    if (text.isEmpty()) setText(url_);
    setTextFormat(Qt::PlainText);
    setAccessibleName(this->text());
    setCursor(Qt::PointingHandCursor);
    setToolTip(url_);
    SetUnderline(true);
    AdjustToFit();
}

void CHyperLink::SetURL(const QString& url) {
    url_ = url;
    setToolTip(url_);
    AdjustToFit();
}

void CHyperLink::SetUnderline(bool on) {
    underline_ = on;
    QFont f = font();
    f.setUnderline(on);
    setFont(f);
    ShowColour();
}

void CHyperLink::SetVisited(bool on) {
    visited_ = on;
    ShowColour();
}

void CHyperLink::ShowColour() {
    QColor colour = visited_ ? QColor(kVisitedColour) : QColor(kLinkColour);
    if (over_) colour = QApplication::palette().color(QPalette::Highlight);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    setPalette(p);
    update();
}

// Resizes to the text, keeping the right edge of a right-aligned label and
// the centre of a centred one.
void CHyperLink::AdjustToFit() {
    const QRect old = geometry();
    const QSize size = sizeHint();
    QRect fitted(old.topLeft(), size);
    if (alignment() & Qt::AlignRight) fitted.moveRight(old.right());
    if (alignment() & Qt::AlignHCenter) fitted.moveLeft(old.center().x() - size.width() / 2);
    if (alignment() & Qt::AlignVCenter) fitted.moveTop(old.center().y() - size.height() / 2);
    if (!parentWidget() || !parentWidget()->layout()) setGeometry(fitted);
}

void CHyperLink::enterEvent(QEnterEvent* event) {
    over_ = true;
    ShowColour();
    QLabel::enterEvent(event);
}

void CHyperLink::leaveEvent(QEvent* event) {
    over_ = false;
    ShowColour();
    QLabel::leaveEvent(event);
}

void CHyperLink::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) Open();
    QLabel::mouseReleaseEvent(event);
}

void CHyperLink::Open() {
    const QUrl url = QUrl::fromUserInput(url_);
    const bool opened = opener_ ? opener_(url) : QDesktopServices::openUrl(url);
    if (opened) {
        SetVisited(true);
        return;
    }
    QApplication::beep();
    QtMessageBox fallback(window());
    MessageBox& box = messages_ ? *messages_ : fallback;
    box.Show(HyperlinkErrorText(kNoAssociation), kCaption, MsgIcon::Warning, MsgButtons::Ok);
}

}  // namespace dorvik
