// wsprintf-style formatting of UTF-16 texts and HTML escaping of texts from data files.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace velmora::text {

using FormatArg = std::variant<int, std::u16string_view>;

// Fills "%s" and "%d" in order, "%%" writes "%"; a missing argument writes nothing.
std::u16string format(std::u16string_view pattern, std::initializer_list<FormatArg> args);

// & < > " ' as &amp; &lt; &gt; &quot; &#39;.
std::u16string htmlEscape(std::u16string_view text);

// A zero-terminated name-table slot as a view.
template <std::size_t N> std::u16string_view slotText(const char16_t (&slot)[N]) {
    return std::u16string_view(slot, std::char_traits<char16_t>::length(slot));
}

} // namespace velmora::text
