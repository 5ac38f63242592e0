#pragma once
// A thin helper over libxml2 trees: elements with text content, read and
// written with the tool's GB18030 texts. Texts are converted to UTF-8 on the
// way in and back to GB18030 on the way out.
#include <libxml/tree.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace dorvik {

struct XmlDocFree {
    void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};
// Owns a parsed or newly built document.
using XmlDocument = std::unique_ptr<xmlDoc, XmlDocFree>;

// One element of a document. Owns neither; the document outlives it.
class XmlNode {
public:
    XmlNode() = default;
    XmlNode(xmlDoc* doc, xmlNode* node) : doc_(doc), node_(node) {}

    bool IsNull() const { return doc_ == nullptr || node_ == nullptr; }

    // Appends an element `name` whose text is `content` (GB18030) and binds
    // `child` to it. False when the name is empty or nothing can be created.
    bool AddChild(XmlNode& child, std::string_view name, std::string_view content);
    // The text of the first child element `name`, in GB18030. False, with
    // `text` untouched, when there is no such child or it holds no text.
    bool GetChildText(std::string_view name, std::string& text) const;
    // Appends every child element `name`, in document order; returns the
    // size of `children` (0 for a null helper).
    int GetChildren(std::string_view name, std::vector<XmlNode>& children) const;
    // The first child element `name`; a null helper when there is none.
    XmlNode FirstChild(std::string_view name) const;

private:
    xmlDoc* doc_ = nullptr;
    xmlNode* node_ = nullptr;
};

// A new document (version "1.0", encoding "UTF-8") with an empty root
// element; null when it cannot be built.
XmlDocument NewXmlDocument(std::string_view rootName);
// The root element of a document (null helper for none).
XmlNode RootOf(const XmlDocument& doc);
// The document as file bytes, indented; false when it cannot be written out.
bool SerializeXml(const XmlDocument& doc, std::string& bytes);
// Parses file bytes without network access and without expanding entities.
// Null, with the parser's reason in *error, when the bytes are not a
// well-formed document.
XmlDocument ParseXml(std::string_view bytes, std::string* error);

// GB18030 text -> UTF-8 that XML can carry: invalid GB18030 sequences and
// characters XML does not allow (control characters other than tab, line
// feed and carriage return, U+FFFE, U+FFFF) become "?".
std::string ToXmlText(std::string_view gb);

}  // namespace dorvik
