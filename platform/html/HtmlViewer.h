// The HTML viewer control: text is added piece by piece, then shown at the end of the source.
#pragma once

#include <QTextBrowser>

namespace velmora::html {

class HtmlViewer : public QTextBrowser {
    Q_OBJECT
  public:
    explicit HtmlViewer(QWidget* parent = nullptr);

    // Empties the source and the view.
    void clear();
    // Appends to the source; plain text is escaped and its line breaks kept.
    void addText(const QString& text, bool plainText = false);
    // Renders everything added since clear().
    void endOfSource();
    // Antialiased text when on, as the device's ClearType setting.
    void enableClearType(bool on);
    bool clearTypeEnabled() const { return clearType_; }

    QString source() const { return source_; }

  signals:
    // A link was tapped.
    void linkActivated(const QString& href);

  private:
    void applyDefaultFont();
    QString source_;
    bool clearType_ = true;
};

} // namespace velmora::html
