#include "sheet/xml_scan.h"

#include <libxml/xmlreader.h>

#include <climits>

namespace dorvik {
namespace {

constexpr int kParseOptions = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;

std::string_view View(const xmlChar* s) {
    return s ? std::string_view(reinterpret_cast<const char*>(s)) : std::string_view();
}

}  // namespace

struct XmlScan::Impl {
    xmlTextReaderPtr reader = nullptr;
};

XmlScan::XmlScan(std::string_view xml) : impl_(std::make_unique<Impl>()) {
    if (xml.size() < INT_MAX)
        impl_->reader = xmlReaderForMemory(xml.data(), static_cast<int>(xml.size()), nullptr,
                                           nullptr, kParseOptions);
    if (!impl_->reader) fault_ = Fault::Malformed;
}

XmlScan::~XmlScan() {
    if (impl_->reader) xmlFreeTextReader(impl_->reader);
}

bool XmlScan::Next() {
    while (fault_ == Fault::None) {
        int r = xmlTextReaderRead(impl_->reader);
        if (r == 0) return false;
        if (r < 0) {
            fault_ = Fault::Malformed;
            return false;
        }
        switch (xmlTextReaderNodeType(impl_->reader)) {
            case XML_READER_TYPE_ELEMENT:
                kind_ = Node::Start;
                return true;
            case XML_READER_TYPE_END_ELEMENT:
                kind_ = Node::End;
                return true;
            case XML_READER_TYPE_TEXT:
            case XML_READER_TYPE_CDATA:
            case XML_READER_TYPE_SIGNIFICANT_WHITESPACE:
            case XML_READER_TYPE_WHITESPACE:
                kind_ = Node::Text;
                return true;
            case XML_READER_TYPE_DOCUMENT_TYPE:
            case XML_READER_TYPE_ENTITY_REFERENCE:
            case XML_READER_TYPE_ENTITY:
                fault_ = Fault::Refused;
                return false;
            default:
                break;
        }
    }
    return false;
}

bool XmlScan::IsStart(std::string_view local) const {
    return kind_ == Node::Start && View(xmlTextReaderConstLocalName(impl_->reader)) == local;
}

bool XmlScan::IsEnd(std::string_view local) const {
    return kind_ == Node::End && View(xmlTextReaderConstLocalName(impl_->reader)) == local;
}

bool XmlScan::IsEmptyElement() const {
    return kind_ == Node::Start && xmlTextReaderIsEmptyElement(impl_->reader) == 1;
}

std::string_view XmlScan::Text() const {
    return View(xmlTextReaderConstValue(impl_->reader));
}

std::string XmlScan::Attr(std::string_view local) const {
    std::string value;
    xmlTextReaderPtr r = impl_->reader;
    for (int ok = xmlTextReaderMoveToFirstAttribute(r); ok == 1;
         ok = xmlTextReaderMoveToNextAttribute(r)) {
        if (View(xmlTextReaderConstLocalName(r)) == local) {
            value = View(xmlTextReaderConstValue(r));
            break;
        }
    }
    xmlTextReaderMoveToElement(r);
    return value;
}

void XmlScan::SkipElement() {
    if (kind_ != Node::Start || IsEmptyElement()) return;
    for (int depth = 1; depth > 0 && Next();) {
        if (kind_ == Node::Start && !IsEmptyElement()) ++depth;
        if (kind_ == Node::End) --depth;
    }
}

void AppendEscaped(std::string& out, std::string_view text) {
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            // As references they survive in attributes and against line-end folding.
            case '\r':
                out += "&#13;";
                break;
            case '\n':
                out += "&#10;";
                break;
            case '\t':
                out += "&#9;";
                break;
            default:
                // Other control characters cannot appear in XML 1.0 at all.
                if (static_cast<unsigned char>(c) >= 0x20) out.push_back(c);
        }
    }
}

}  // namespace dorvik
