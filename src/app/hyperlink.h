#pragma once
// A label that acts as a link: coloured and underlined, a hand cursor and
// a tooltip with its URL; a click opens the URL with the desktop's handler.
#include <QColor>
#include <QLabel>
#include <QUrl>
#include <functional>

#include "platform/message_box.h"

namespace dorvik {

// "Unable to open hyperlink:\n\n" + the reason for an open failure code.
std::string HyperlinkErrorText(int code);
// The failure code used when the desktop cannot open a URL: no application
// is associated with it.
inline constexpr int kNoAssociation = 31;

class CHyperLink : public QLabel {
    Q_OBJECT
public:
    using Opener = std::function<bool(const QUrl&)>;

    // An empty url is taken from the text; an empty text shows the url.
    CHyperLink(const QString& text, const QString& url, QWidget* parent = nullptr);

    void SetURL(const QString& url);
    QString URL() const { return url_; }
    void SetUnderline(bool on);
    void SetVisited(bool on);
    bool Visited() const { return visited_; }
    bool OverControl() const { return over_; }
    // Tests and embedders replace how URLs are opened and how failures show.
    void SetOpener(Opener opener) { opener_ = std::move(opener); }
    void SetMessageBox(MessageBox* messages) { messages_ = messages; }

    static constexpr QRgb kLinkColour = qRgb(0, 0, 238);
    static constexpr QRgb kVisitedColour = qRgb(85, 26, 139);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void Open();
    void ShowColour();
    void AdjustToFit();

    QString url_;
    bool over_ = false;
    bool visited_ = false;
    bool underline_ = true;
    Opener opener_;
    MessageBox* messages_ = nullptr;
};

}  // namespace dorvik
