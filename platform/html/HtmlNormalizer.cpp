// A small tag tokenizer with a stack of open formatting elements, closed and reopened the way
// browsers repair mis-nesting (<b><font>…</b>…</font>).
#include "platform/html/HtmlNormalizer.h"

#include "platform/screen/ScreenProfile.h"

#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <vector>

namespace velmora::html {

int fontPixelSize(int htmlSize, int dpi) {
    // 96-dpi pixel sizes for sizes 1..7; the smallest is the device's system font size.
    static constexpr std::array<int, 7> sizes = {11, 12, 13, 15, 18, 24, 32};
    return screen::scaleWithDpi(sizes[size_t(std::clamp(htmlSize, 1, 7) - 1)], dpi);
}

namespace {

struct Attribute {
    QString name;
    QString value;
    bool hasValue;
};

struct Tag {
    QString name; // lower case
    bool closing = false;
    std::vector<Attribute> attributes;
};

bool isFormatting(const QString& n) {
    static const QStringList names = {
        QStringLiteral("b"),      QStringLiteral("i"),      QStringLiteral("u"),
        QStringLiteral("s"),      QStringLiteral("strike"), QStringLiteral("font"),
        QStringLiteral("strong"), QStringLiteral("em"),     QStringLiteral("big"),
        QStringLiteral("small"),  QStringLiteral("sub"),    QStringLiteral("sup"),
        QStringLiteral("span"),   QStringLiteral("a"),      QStringLiteral("tt"),
        QStringLiteral("code")};
    return names.contains(n);
}

// Elements that bound formatting: what opens inside a cell closes with it.
bool isScope(const QString& n) {
    return n == QLatin1String("td") || n == QLatin1String("th") || n == QLatin1String("tr") ||
           n == QLatin1String("table") || n == QLatin1String("caption");
}

// Parses the tag starting at text[pos] == '<'; returns the index after '>' or -1.
qsizetype parseTag(const QString& text, qsizetype pos, Tag* tag) {
    qsizetype i = pos + 1;
    const qsizetype n = text.size();
    auto skipSpace = [&] {
        while (i < n && text[i].isSpace()) ++i;
    };
    if (i < n && text[i] == QLatin1Char('/')) {
        tag->closing = true;
        ++i;
    }
    const qsizetype nameStart = i;
    while (i < n && (text[i].isLetterOrNumber())) ++i;
    if (i == nameStart) return -1;
    tag->name = text.mid(nameStart, i - nameStart).toLower();
    while (i < n) {
        skipSpace();
        if (i >= n) return -1;
        if (text[i] == QLatin1Char('>')) return i + 1;
        if (text[i] == QLatin1Char('/')) {
            ++i;
            continue;
        }
        const qsizetype attrStart = i;
        while (i < n && !text[i].isSpace() && text[i] != QLatin1Char('=') &&
               text[i] != QLatin1Char('>') && text[i] != QLatin1Char('/'))
            ++i;
        Attribute attr{text.mid(attrStart, i - attrStart).toLower(), QString(), false};
        skipSpace();
        if (i < n && text[i] == QLatin1Char('=')) {
            ++i;
            skipSpace(); // "size = 1": spaces around '=' are allowed
            attr.hasValue = true;
            if (i < n && (text[i] == QLatin1Char('"') || text[i] == QLatin1Char('\''))) {
                const QChar quote = text[i++];
                const qsizetype end = text.indexOf(quote, i);
                if (end < 0) return -1;
                attr.value = text.mid(i, end - i);
                i = end + 1;
            } else {
                const qsizetype valueStart = i;
                while (i < n && !text[i].isSpace() && text[i] != QLatin1Char('>')) ++i;
                attr.value = text.mid(valueStart, i - valueStart);
            }
        }
        if (!attr.name.isEmpty()) tag->attributes.push_back(attr);
    }
    return -1;
}

QString fixColour(const QString& value) {
    static const QRegularExpression bareHex(QStringLiteral("^[0-9A-Fa-f]{6}$"));
    return bareHex.match(value).hasMatch() ? QLatin1Char('#') + value : value;
}

QString openTag(const Tag& tag, int dpi) {
    QString out = QLatin1Char('<') + tag.name;
    QString style;
    for (const Attribute& a : tag.attributes) {
        QString value = a.value;
        if (tag.name == QLatin1String("font") && a.name == QLatin1String("size")) {
            bool ok = false;
            int size = value.trimmed().toInt(&ok);
            if (!ok) continue;
            if (value.trimmed().startsWith(QLatin1Char('+')) ||
                value.trimmed().startsWith(QLatin1Char('-')))
                size += 3; // relative to the default size 3
            style += QStringLiteral("font-size:%1px;").arg(fontPixelSize(size, dpi));
            continue;
        }
        if (a.name == QLatin1String("style")) {
            style += value.trimmed();
            if (!style.endsWith(QLatin1Char(';'))) style += QLatin1Char(';');
            continue;
        }
        if (a.name == QLatin1String("color") || a.name == QLatin1String("bgcolor"))
            value = fixColour(value.trimmed());
        out += QLatin1Char(' ') + a.name;
        if (a.hasValue) out += QStringLiteral("=\"%1\"").arg(value.toHtmlEscaped());
    }
    if (!style.isEmpty()) out += QStringLiteral(" style=\"%1\"").arg(style.toHtmlEscaped());
    return out + QLatin1Char('>');
}

class Rebuilder {
  public:
    explicit Rebuilder(int dpi) : dpi_(dpi) {}

    void text(const QString& t) { out_ += t; }

    void tag(const Tag& tag) {
        if (tag.closing)
            close(tag.name);
        else
            open(tag);
    }

    QString finish() {
        while (!stack_.empty()) popEmit();
        return out_;
    }

  private:
    struct Open {
        QString name;
        QString openText;
    };

    void popEmit() {
        out_ += QStringLiteral("</%1>").arg(stack_.back().name);
        stack_.pop_back();
    }

    // Index of the innermost open element called name, not looking past a scope boundary
    // (unless name is itself a scope element); -1 when there is none.
    int find(const QString& name) const {
        for (int i = int(stack_.size()) - 1; i >= 0; --i) {
            if (stack_[size_t(i)].name == name) return i;
            if (isScope(stack_[size_t(i)].name) && !isScope(name)) return -1;
        }
        return -1;
    }

    void open(const Tag& tag) {
        const QString text = openTag(tag, dpi_);
        if (tag.name == QLatin1String("td") || tag.name == QLatin1String("th")) {
            closeImplied({QStringLiteral("td"), QStringLiteral("th")});
        } else if (tag.name == QLatin1String("tr")) {
            closeImplied({QStringLiteral("td"), QStringLiteral("th")});
            closeImplied({QStringLiteral("tr")});
        }
        out_ += text;
        if (isFormatting(tag.name) || isScope(tag.name)) stack_.push_back({tag.name, text});
    }

    // A new cell or row ends the open one, as in a browser.
    void closeImplied(const QStringList& names) {
        for (int i = int(stack_.size()) - 1; i >= 0; --i) {
            const QString& n = stack_[size_t(i)].name;
            if (names.contains(n)) {
                while (int(stack_.size()) > i) popEmit();
                return;
            }
            if (isScope(n)) return;
        }
    }

    void close(const QString& name) {
        if (!isFormatting(name) && !isScope(name)) {
            out_ += QStringLiteral("</%1>").arg(name);
            return;
        }
        const int at = find(name);
        if (at < 0) return; // nothing of that name is open: a browser ignores it
        std::vector<Open> reopen;
        while (int(stack_.size()) > at + 1) {
            if (!isScope(name)) reopen.push_back(stack_.back());
            popEmit();
        }
        popEmit();
        // Formatting closed only to reach the named element goes on after it.
        for (auto it = reopen.rbegin(); it != reopen.rend(); ++it) {
            out_ += it->openText;
            stack_.push_back(*it);
        }
    }

    int dpi_;
    QString out_;
    std::vector<Open> stack_;
};

} // namespace

QString normalizeHtml(const QString& html, int dpi) {
    Rebuilder rebuilder(dpi);
    qsizetype i = 0;
    const qsizetype n = html.size();
    while (i < n) {
        const qsizetype lt = html.indexOf(QLatin1Char('<'), i);
        if (lt < 0) {
            rebuilder.text(html.mid(i));
            break;
        }
        rebuilder.text(html.mid(i, lt - i));
        if (html.mid(lt, 4) == QLatin1String("<!--")) {
            const qsizetype end = html.indexOf(QLatin1String("-->"), lt + 4);
            i = end < 0 ? n : end + 3; // comments are dropped
            continue;
        }
        if (html.mid(lt, 2) == QLatin1String("<!") || html.mid(lt, 2) == QLatin1String("<?")) {
            const qsizetype end = html.indexOf(QLatin1Char('>'), lt);
            i = end < 0 ? n : end + 1; // doctype and processing instructions
            continue;
        }
        Tag tag;
        const qsizetype after = parseTag(html, lt, &tag);
        if (after < 0) {
            rebuilder.text(QStringLiteral("&lt;")); // a stray '<' is text
            i = lt + 1;
            continue;
        }
        rebuilder.tag(tag);
        i = after;
    }
    return rebuilder.finish();
}

} // namespace velmora::html
