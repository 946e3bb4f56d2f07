// HTML read through libxml2, with the values browsers would see.
#include "html_elements.h"

#include "core/text.h"
#include "mapfile/char_refs.h"

namespace velquist::mapfile {

std::string prepared(std::string_view html) {
    if (html.starts_with("\xEF\xBB\xBF")) {
        html.remove_prefix(3);
    }
    std::string out;
    out.reserve(html.size() + html.size() / 8);
    for (size_t i = 0; i < html.size(); ++i) {
        const char c = html[i];
        if (c == '&') {
            out += "&amp;";
        } else if (c == '\r') {
            out += '\n';
            i += i + 1 < html.size() && html[i + 1] == '\n' ? 1 : 0;
        } else if (c == '\0') {
            out += "\xEF\xBF\xBD";
        } else {
            out += c;
        }
    }
    return out;
}

Parsed parse(const std::string& code) {
    constexpr int kOptions = HTML_PARSE_RECOVER | HTML_PARSE_NONET | HTML_PARSE_NOERROR |
                             HTML_PARSE_NOWARNING | HTML_PARSE_NODEFDTD | HTML_PARSE_IGNORE_ENC;
    Parsed parsed;
    const std::unique_ptr<htmlParserCtxt, decltype(&htmlFreeParserCtxt)> context(
        htmlNewParserCtxt(), &htmlFreeParserCtxt);
    if (context == nullptr) {
        return parsed;
    }
    parsed.doc.reset(htmlCtxtReadMemory(context.get(), code.data(), static_cast<int>(code.size()),
                                        nullptr, "UTF-8", kOptions));
    // Recovered errors leave the parser running; only a halt (depth limit, no memory) stops it.
    parsed.complete = context->disableSAX == 0;
    return parsed;
}

bool named(const xmlNode* node, std::string_view name) {
    return equalsIgnoreAsciiCase(reinterpret_cast<const char*>(node->name), name);
}

bool holdsText(const xmlNode* node) {
    for (const std::string_view name : {"textarea", "template", "noscript", "xmp", "iframe",
                                        "noembed", "noframes", "title", "script", "style"}) {
        if (named(node, name)) {
            return true;
        }
    }
    return false;
}

std::optional<std::string> attribute(xmlNode* node, const char* name) {
    xmlAttr* attr = xmlHasProp(node, reinterpret_cast<const xmlChar*>(name));
    if (attr == nullptr) {
        return std::nullopt;
    }
    xmlChar* raw = xmlNodeGetContent(reinterpret_cast<xmlNode*>(attr));
    std::string value =
        raw != nullptr ? decodeAttributeReferences(reinterpret_cast<const char*>(raw)) : "";
    xmlFree(raw);
    return value;
}

}  // namespace velquist::mapfile
