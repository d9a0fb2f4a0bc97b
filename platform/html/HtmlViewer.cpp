// HtmlViewer: collects the source, normalises it and hands it to QTextBrowser.
#include "platform/html/HtmlViewer.h"

#include "platform/gdi/Font.h"
#include "platform/html/HtmlNormalizer.h"
#include "platform/screen/ScreenProfile.h"

namespace velmora::html {

HtmlViewer::HtmlViewer(QWidget* parent) : QTextBrowser(parent) {
    gdi::installFontSubstitutions();
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setFrameShape(QFrame::NoFrame);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, Qt::black);
    setPalette(pal);
    document()->setDocumentMargin(screen::ScaleX(2));
    applyDefaultFont();
    connect(this, &QTextBrowser::anchorClicked, this,
            [this](const QUrl& url) { emit linkActivated(url.toString()); });
}

void HtmlViewer::clear() {
    source_.clear();
    QTextBrowser::clear();
}

void HtmlViewer::addText(const QString& text, bool plainText) {
    if (!plainText) {
        source_ += text;
        return;
    }
    QString escaped = text.toHtmlEscaped();
    escaped.replace(QLatin1String("\r\n"), QLatin1String("<br>"));
    escaped.replace(QLatin1Char('\n'), QLatin1String("<br>"));
    source_ += escaped;
}

void HtmlViewer::endOfSource() {
    setHtml(normalizeHtml(source_, screen::current().dpi));
}

void HtmlViewer::enableClearType(bool on) {
    if (on == clearType_) return;
    clearType_ = on;
    applyDefaultFont();
    if (!source_.isEmpty()) endOfSource();
}

void HtmlViewer::applyDefaultFont() {
    // The default size is <font size=3>'s, so unsized text and size 3 agree.
    QFont font =
        gdi::makeFont(QStringLiteral("Tahoma"), -fontPixelSize(3, screen::current().dpi), 400,
                      false, clearType_ ? gdi::Quality::ClearType : gdi::Quality::Default);
    setFont(font);
    document()->setDefaultFont(font);
}

} // namespace velmora::html
