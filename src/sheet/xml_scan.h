#pragma once
// A forward-only walk over an XML part of a workbook from a user's file.
// Nothing is fetched from the network, no entity is substituted and no DTD
// is loaded: a document that declares a DTD or refers to an entity is
// refused. Elements are matched by local name, whatever their prefix.
#include <memory>
#include <string>
#include <string_view>

namespace dorvik {

class XmlScan {
public:
    enum class Node { Start, End, Text };
    enum class Fault { None, Malformed, Refused };

    explicit XmlScan(std::string_view xml);
    ~XmlScan();
    XmlScan(const XmlScan&) = delete;
    XmlScan& operator=(const XmlScan&) = delete;

    // Moves to the next element start, element end or text; false at the
    // end of the document or at a fault.
    bool Next();
    Node Kind() const { return kind_; }
    bool IsStart(std::string_view local) const;
    bool IsEnd(std::string_view local) const;
    // The element has no content (<a/>): no End follows its Start.
    bool IsEmptyElement() const;
    // The text of a Text node.
    std::string_view Text() const;
    // The value of the current element's attribute with that local name.
    std::string Attr(std::string_view local) const;
    // Passes over the rest of the current element, its end included.
    void SkipElement();
    Fault Failure() const { return fault_; }

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    Node kind_ = Node::Start;
    Fault fault_ = Fault::None;
};

// Text with &, <, > and " written as entities and tab, line feed and
// carriage return as character references; other control characters are
// left out, as XML cannot hold them.
void AppendEscaped(std::string& out, std::string_view text);

}  // namespace dorvik
