// A small wsprintf for "%s" and "%d", and HTML escaping.
#include "suite/text/TextFormat.h"

namespace velmora::text {

std::u16string format(std::u16string_view pattern, std::initializer_list<FormatArg> args) {
    std::u16string out;
    out.reserve(pattern.size() + 32);
    auto next = args.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char16_t c = pattern[i];
        if (c != u'%' || i + 1 == pattern.size()) {
            out.push_back(c);
            continue;
        }
        const char16_t conversion = pattern[++i];
        if (conversion == u'%') {
            out.push_back(u'%');
            continue;
        }
        if ((conversion != u's' && conversion != u'd') || next == args.end()) continue;
        if (const auto* n = std::get_if<int>(&*next)) {
            for (const char ch : std::to_string(*n)) out.push_back(static_cast<char16_t>(ch));
        } else {
            out += std::get<std::u16string_view>(*next);
        }
        ++next;
    }
    return out;
}

std::u16string htmlEscape(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (const char16_t c : text) {
        switch (c) {
        case u'&':
            out += u"&amp;";
            break;
        case u'<':
            out += u"&lt;";
            break;
        case u'>':
            out += u"&gt;";
            break;
        case u'"':
            out += u"&quot;";
            break;
        case u'\'':
            out += u"&#39;";
            break;
        default:
            out.push_back(c);
        }
    }
    return out;
}

} // namespace velmora::text
