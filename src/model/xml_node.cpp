#include "model/xml_node.h"

#include <libxml/parser.h>
#include <libxml/xmlerror.h>

#include <algorithm>
#include <climits>

#include "model/text_codec.h"

namespace dorvik {
namespace {

const xmlChar* Xml(const std::string& text) {
    return reinterpret_cast<const xmlChar*>(text.c_str());
}

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; });
}

bool IsXmlControl(unsigned char c) { return c < 0x20 && c != '\t' && c != '\n' && c != '\r'; }

// U+FFFE and U+FFFF (EF BF BE, EF BF BF) are not XML characters.
bool IsNonCharacterAt(const std::string& utf8, std::size_t i) {
    return i + 2 < utf8.size() && static_cast<unsigned char>(utf8[i]) == 0xEF &&
           static_cast<unsigned char>(utf8[i + 1]) == 0xBF &&
           (static_cast<unsigned char>(utf8[i + 2]) & 0xFE) == 0xBE;
}

// Replaces what a parser would refuse, so that every file written reads back.
void ReplaceNonXmlCharacters(std::string& utf8) {
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (IsXmlControl(static_cast<unsigned char>(utf8[i]))) utf8[i] = kBadTextMark;
        if (IsNonCharacterAt(utf8, i)) utf8.replace(i, 3, 1, kBadTextMark);
    }
}

bool HasName(const xmlNode* node, const std::string& name) {
    return node->type == XML_ELEMENT_NODE && xmlStrcmp(node->name, Xml(name)) == 0;
}

// The first element named `name` among `node` and its following siblings.
xmlNode* NextNamed(xmlNode* node, const std::string& name) {
    while (node != nullptr && !HasName(node, name)) node = node->next;
    return node;
}

// The element's own text and CDATA, as UTF-8. Entity references are not
// followed: their replacement text is never expanded.
std::string OwnText(const xmlNode* element) {
    std::string text;
    for (const xmlNode* child = element->children; child != nullptr; child = child->next) {
        const bool isText = child->type == XML_TEXT_NODE || child->type == XML_CDATA_SECTION_NODE;
        if (isText && child->content != nullptr)
            text += reinterpret_cast<const char*>(child->content);
    }
    return text;
}

// libxml2's own messages name its options and internals; the user is told
// what is wrong with the file in the tool's own words.
const char* ReasonOf(int code) {
    switch (code) {
        case XML_ERR_DOCUMENT_EMPTY: return "the file is empty";
        case XML_ERR_DOCUMENT_END: return "text follows the end of the document";
        case XML_ERR_TAG_NAME_MISMATCH:
        case XML_ERR_TAG_NOT_FINISHED:
        case XML_ERR_LTSLASH_REQUIRED: return "an element is not closed";
        case XML_ERR_INVALID_CHAR:
        case XML_ERR_INVALID_ENCODING:
        case XML_ERR_UNKNOWN_ENCODING:
        case XML_ERR_UNSUPPORTED_ENCODING: return "a character that is not allowed in the file";
        case XML_ERR_UNDECLARED_ENTITY:
        case XML_WAR_UNDECLARED_ENTITY: return "an unknown entity (&...;)";
        case XML_ERR_INTERNAL_ERROR:
        case XML_ERR_NO_MEMORY: return "the file is too large or too deeply nested for a project";
        default: return "not a well-formed XML document";
    }
}

std::string ParserReason(xmlParserCtxt* context) {
    const xmlError* error = xmlCtxtGetLastError(context);
    if (error == nullptr) return ReasonOf(XML_ERR_OK);
    return "line " + std::to_string(error->line) + ": " + ReasonOf(error->code);
}

}  // namespace

bool XmlNode::AddChild(XmlNode& child, std::string_view name, std::string_view content) {
    if (IsNull() || name.empty()) return false;
    xmlNode* created =
        xmlNewTextChild(node_, nullptr, Xml(std::string(name)), Xml(ToXmlText(content)));
    if (created == nullptr) return false;
    child = XmlNode(doc_, created);
    return true;
}

bool XmlNode::GetChildText(std::string_view name, std::string& text) const {
    const XmlNode element = FirstChild(name);
    if (element.IsNull()) return false;
    const std::string utf8 = OwnText(element.node_);
    if (utf8.empty()) return false;
    text = IsAscii(utf8) ? utf8 : Utf8ToGb(utf8);
    return true;
}

int XmlNode::GetChildren(std::string_view name, std::vector<XmlNode>& children) const {
    if (IsNull()) return 0;
    const std::string wanted(name);
    for (xmlNode* node = NextNamed(node_->children, wanted); node != nullptr;
         node = NextNamed(node->next, wanted)) {
        children.emplace_back(doc_, node);
    }
    return static_cast<int>(children.size());
}

XmlNode XmlNode::FirstChild(std::string_view name) const {
    if (IsNull()) return {};
    xmlNode* found = NextNamed(node_->children, std::string(name));
    return found != nullptr ? XmlNode(doc_, found) : XmlNode();
}

XmlDocument NewXmlDocument(std::string_view rootName) {
    XmlDocument doc(xmlNewDoc(Xml("1.0")));
    if (!doc) return nullptr;
    doc->encoding = xmlStrdup(Xml("UTF-8"));
    // Element names are shared through a dictionary, as in parsed documents.
    doc->dict = xmlDictCreate();
    xmlNode* root = xmlNewDocNode(doc.get(), nullptr, Xml(std::string(rootName)), nullptr);
    if (doc->encoding == nullptr || doc->dict == nullptr || root == nullptr) return nullptr;
    xmlDocSetRootElement(doc.get(), root);
    return doc;
}

XmlNode RootOf(const XmlDocument& doc) {
    if (!doc) return {};
    return XmlNode(doc.get(), xmlDocGetRootElement(doc.get()));
}

bool SerializeXml(const XmlDocument& doc, std::string& bytes) {
    xmlChar* text = nullptr;
    int size = 0;
    if (doc) xmlDocDumpFormatMemory(doc.get(), &text, &size, 1);
    if (text == nullptr) return false;
    bytes.assign(reinterpret_cast<const char*>(text), static_cast<std::size_t>(size));
    xmlFree(text);
    return true;
}

XmlDocument ParseXml(std::string_view bytes, std::string* error) {
    if (bytes.size() > static_cast<std::size_t>(INT_MAX)) {
        *error = "the file is too large";
        return nullptr;
    }
    xmlParserCtxt* context = xmlNewParserCtxt();
    if (context == nullptr) {
        *error = "out of memory";
        return nullptr;
    }
    // No network, no DTD loading, no entity substitution, no output on stderr.
    const int options = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;
    XmlDocument doc(xmlCtxtReadMemory(context, bytes.data(), static_cast<int>(bytes.size()),
                                      nullptr, nullptr, options));
    if (!doc) *error = ParserReason(context);
    xmlFreeParserCtxt(context);
    return doc;
}

std::string ToXmlText(std::string_view gb) {
    std::string utf8 = IsAscii(gb) ? std::string(gb) : GbToUtf8(gb);
    ReplaceNonXmlCharacters(utf8);
    return utf8;
}

}  // namespace dorvik
