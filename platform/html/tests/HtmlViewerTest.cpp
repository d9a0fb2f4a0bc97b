// The viewer's rendered document inspected through its character formats and tables.
#include "platform/html/HtmlViewer.h"
#include "platform/html/HtmlNormalizer.h"
#include "platform/screen/ScreenProfile.h"
#include "platform/testing/ScreenTesting.h"

#include <QDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextTable>

using namespace velmora;
using namespace velmora::html;

namespace {

// The character format at the first occurrence of text in the document.
QTextCharFormat formatOf(const QTextDocument* doc, const QString& text) {
    const QTextCursor found = doc->find(text);
    if (found.isNull()) return {};
    QTextCursor at(const_cast<QTextDocument*>(doc));
    at.setPosition(found.selectionStart() + 1);
    return at.charFormat();
}

QTextDocument* render(HtmlViewer& viewer, const QString& html) {
    viewer.clear();
    viewer.addText(html, false);
    viewer.endOfSource();
    return viewer.document();
}

} // namespace

class HtmlViewerTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { QVERIFY(screen::select(QStringLiteral("qvga"))); }

    // Each row: html, a piece of text, whether it is bold, its colour (empty: default).
    void formatting_data() {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QString>("colour");
        const QString misnested =
            QStringLiteral("<b><font color=#FF0000>Đỏ đậm</b> đỏ thường</font> đen");
        QTest::newRow("mis-nested: inside both") << misnested << "Đỏ đậm" << true << "#ff0000";
        QTest::newRow("mis-nested: font goes on after </b>")
            << misnested << "đỏ thường" << false << "#ff0000";
        QTest::newRow("mis-nested: after both") << misnested << "đen" << false << "";
        QTest::newRow("spaced attribute") << "<font color = \"#0000FF\">Xanh</font>"
                                          << "Xanh" << false << "#0000ff";
        QTest::newRow("bare hex colour") << "<font color=00AA00>Lục</font>"
                                         << "Lục" << false << "#00aa00";
        QTest::newRow("stray closing tag ignored") << "</b>Thường <b>Đậm</b>"
                                                   << "Thường" << false << "";
        QTest::newRow("unclosed bold runs to the end") << "<b>Ất Tị<br>Đông chí"
                                                       << "Đông chí" << true << "";
        QTest::newRow("bold closed by its cell") << "<table><tr><td><b>Ô một<td>Ô hai</table>"
                                                 << "Ô hai" << false << "";
        QTest::newRow("stray less-than is text") << "a < b <b>đậm</b>"
                                                 << "a < b" << false << "";
    }
    void formatting() {
        QFETCH(QString, html);
        QFETCH(QString, text);
        QFETCH(bool, bold);
        QFETCH(QString, colour);
        HtmlViewer viewer;
        QTextDocument* doc = render(viewer, html);
        QVERIFY2(!doc->find(text).isNull(), qPrintable(doc->toPlainText()));
        const QTextCharFormat format = formatOf(doc, text);
        QCOMPARE(format.fontWeight() >= QFont::Bold, bold);
        if (colour.isEmpty())
            QVERIFY(!format.hasProperty(QTextFormat::ForegroundBrush) ||
                    format.foreground().color() == QColor(Qt::black));
        else
            QCOMPARE(format.foreground().color().name(), colour);
    }

    void fontSizesScaleWithDpi_data() {
        QTest::addColumn<QString>("profile");
        QTest::addColumn<QString>("html");
        QTest::addColumn<int>("pixels");
        QTest::newRow("size = 1 at 96 dpi") << "qvga"
                                            << "<font size = 1>nhỏ</font>" << 11;
        QTest::newRow("size=1 at 192 dpi") << "vga"
                                           << "<font size=1>nhỏ</font>" << 22;
        QTest::newRow("size=+1 at 96 dpi") << "qvga"
                                           << "<font size=+1>nhỏ</font>" << 15;
        QTest::newRow("size=9 clamps to 7") << "qvga"
                                            << "<font size='9'>nhỏ</font>" << 32;
        QTest::newRow("unsized text is size 3") << "vga"
                                                << "nhỏ" << 26;
    }
    void fontSizesScaleWithDpi() {
        QFETCH(QString, profile);
        QFETCH(QString, html);
        QFETCH(int, pixels);
        QVERIFY(screen::select(profile));
        HtmlViewer viewer;
        QTextDocument* doc = render(viewer, html);
        const QTextCharFormat format = formatOf(doc, QStringLiteral("nhỏ"));
        const int size = format.hasProperty(QTextFormat::FontPixelSize)
                             ? format.intProperty(QTextFormat::FontPixelSize)
                             : doc->defaultFont().pixelSize();
        QCOMPARE(size, pixels);
    }

    void colspanCellSpans() {
        HtmlViewer viewer;
        QTextDocument* doc =
            render(viewer, QStringLiteral("<table border=1><tr><td colspan = 2><b>Tháng Giêng</b>"
                                          "<tr><td>Ất<td>Tị</table>"));
        QTextTable* table = nullptr;
        for (QTextFrame* f : doc->rootFrame()->childFrames())
            if ((table = qobject_cast<QTextTable*>(f))) break;
        QVERIFY(table);
        QCOMPARE(table->columns(), 2);
        QCOMPARE(table->rows(), 2);
        QCOMPARE(table->cellAt(0, 0).columnSpan(), 2);
        QCOMPARE(table->cellAt(1, 1).firstCursorPosition().block().text(), QStringLiteral("Tị"));
        QVERIFY(formatOf(doc, QStringLiteral("Tháng Giêng")).fontWeight() >= QFont::Bold);
    }

    void plainTextIsEscaped() {
        HtmlViewer viewer;
        viewer.addText(QStringLiteral("<b>không đậm</b>\nDòng hai"), true);
        viewer.addText(QStringLiteral("<i>nghiêng</i>"), false);
        viewer.endOfSource();
        QTextDocument* doc = viewer.document();
        QVERIFY(!doc->find(QStringLiteral("<b>không đậm</b>")).isNull());
        QVERIFY(doc->toPlainText().contains(QStringLiteral("</b>\nDòng hai"))); // a line break
        QVERIFY(formatOf(doc, QStringLiteral("nghiêng")).fontItalic());
    }

    void clearEmptiesAndNothingShowsBeforeEndOfSource() {
        HtmlViewer viewer;
        viewer.addText(QStringLiteral("Một"), false);
        QVERIFY(viewer.document()->isEmpty());
        viewer.endOfSource();
        QCOMPARE(viewer.document()->toPlainText(), QStringLiteral("Một"));
        viewer.clear();
        QVERIFY(viewer.document()->isEmpty());
        viewer.addText(QStringLiteral("Hai"), false);
        viewer.endOfSource();
        QCOMPARE(viewer.document()->toPlainText(), QStringLiteral("Hai"));
    }

    void clearTypeSwitchesAntialiasing() {
        HtmlViewer viewer;
        render(viewer, QStringLiteral("Chủ nhật"));
        QVERIFY(!(viewer.document()->defaultFont().styleStrategy() & QFont::NoAntialias));
        viewer.enableClearType(false);
        QVERIFY(viewer.document()->defaultFont().styleStrategy() & QFont::NoAntialias);
        QCOMPARE(viewer.document()->toPlainText(), QStringLiteral("Chủ nhật")); // still shown
        viewer.enableClearType(true);
        QVERIFY(!(viewer.document()->defaultFont().styleStrategy() & QFont::NoAntialias));
    }

    // A day's almanac-like page at every profile, written for review, text inside the viewer.
    void pagePerProfile_data() { velmora::testing::addProfileRows(); }
    void pagePerProfile() {
        QFETCH(QString, profile);
        QVERIFY(screen::select(profile));
        HtmlViewer viewer;
        viewer.resize(screen::current().width, screen::current().height);
        render(viewer,
               QStringLiteral(
                   "<b><font color=#CC0000 size = 4>Chủ nhật, Tháng Giêng</b></font><br>"
                   "<font size = 1>Năm Ất Tị – tiết Đông chí</font><br>"
                   "<table border=1 cellspacing=0 width=100%><tr><td colspan = 2 align=center>"
                   "<b>Giờ hoàng đạo</b></td></tr><tr><td>Tý (23-1)</td><td>Sửu (1-3)</td></tr>"
                   "</table><font color=0000AA>Hồ Chí Minh: mặt trời mọc 06:12</font>"));
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        const QString dir = QStringLiteral(SCREENSHOT_DIR);
        QDir().mkpath(dir);
        const QImage shot = viewer.grab().toImage();
        QVERIFY(shot.save(dir + QStringLiteral("/html-%1.png").arg(profile)));
        QCOMPARE(shot.size(), QSize(screen::current().width, screen::current().height));
        // Nothing runs past the right edge: the document fits the viewer's width.
        QVERIFY(viewer.document()->idealWidth() <= viewer.viewport()->width());
    }

    void normalizedMarkup_data() {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("re-nesting") << "<b><i>x</b>y</i>"
                                    << "<b><i>x</i></b><i>y</i>";
        QTest::newRow("comment dropped") << "a<!-- <b> -->b"
                                         << "ab";
        QTest::newRow("unterminated tag is text") << "a <b"
                                                  << "a &lt;b";
        QTest::newRow("attribute quotes escaped") << "<a href='x\"y'>l</a>"
                                                  << "<a href=\"x&quot;y\">l</a>";
    }
    void normalizedMarkup() {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(normalizeHtml(in, 96), out);
    }
};

QTEST_MAIN(HtmlViewerTest)
#include "HtmlViewerTest.moc"
