// Reading HTML as browsers do, through libxml2's HTML parser: the code prepared for it, the parse,
// and walking its elements and attributes.
#pragma once

#include <libxml/HTMLparser.h>
#include <libxml/tree.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace velquist::mapfile {

using Document = std::unique_ptr<xmlDoc, decltype(&xmlFreeDoc)>;

// The code as the parser gets it. Line breaks and zero bytes become what a browser makes of them,
// and every "&" is written as "&amp;": libxml2 knows fewer references than browsers and decodes
// only those ending in ";", so it hands back the raw values and decodeAttributeReferences reads
// them the browsers' way.
std::string prepared(std::string_view html);

struct Parsed {
    Document doc{nullptr, &xmlFreeDoc};
    bool complete = false;  // false when the parser gave up part-way (e.g. at its nesting limit)
};

// The parse of prepared code, recovering from broken markup.
Parsed parse(const std::string& code);

// Whether an element has this name, ignoring ASCII case.
bool named(const xmlNode* node, std::string_view name);

// Elements whose content a browser takes as text, never as markup.
bool holdsText(const xmlNode* node);

// Every element below `container` in document order, except inside text-holding ones.
template <typename Visit>
void forEachElement(xmlNode* container, Visit visit) {
    xmlNode* node = container->children;
    while (node != nullptr) {
        const bool element = node->type == XML_ELEMENT_NODE;
        if (element) {
            visit(node);
        }
        if (element && node->children != nullptr && !holdsText(node)) {
            node = node->children;
            continue;
        }
        while (node != container && node->next == nullptr) {
            node = node->parent;
        }
        if (node == container) {
            break;
        }
        node = node->next;
    }
}

// An attribute's value with its references decoded, or nothing when it is absent.
std::optional<std::string> attribute(xmlNode* node, const char* name);

}  // namespace velquist::mapfile
