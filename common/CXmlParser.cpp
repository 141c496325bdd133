#include "common/CXmlParser.h"
#include "common/CXmlPrettyPrinter.h"
#include "common/XmlDom.h"

#include <string>

namespace
{
CString ElementTag(IXMLDOMNode* node)
{
    return L"<" + GetXmlNodeName(node) + L">";
}

const wchar_t* const kDocumentTypeRefused = L"The XML file holds a document type declaration, which is not accepted.";

// Whether the file's bytes hold "<!DOCTYPE" in a single-byte form (UTF-8, ASCII) or
// in UTF-16 of either byte order. A file that cannot be read holds none: the DOM then
// reports it.
bool FileHasDocumentType(const CString& path)
{
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    std::string bytes;
    char buffer[65536];
    DWORD done = 0;
    while (ReadFile(file, buffer, sizeof buffer, &done, nullptr) && done > 0)
        bytes.append(buffer, done);
    CloseHandle(file);
    const std::string keyword = "<!DOCTYPE";
    std::string little, big;
    for (char c : keyword)
    {
        little += c;
        little += '\0';
        big += '\0';
        big += c;
    }
    return bytes.find(keyword) != std::string::npos || bytes.find(little) != std::string::npos ||
           bytes.find(big) != std::string::npos;
}
} // namespace

CXmlParser::CXmlParser()
{
    m_statusText = m_successText;
    CLSID classId = {};
    HRESULT hr = CLSIDFromProgID(L"Msxml2.DOMDocument", &classId);
    if (SUCCEEDED(hr))
        hr = CoCreateInstance(classId, nullptr, CLSCTX_ALL, IID_IXMLDOMDocument,
                              reinterpret_cast<void**>(m_document.Receive()));
    if (FAILED(hr) || !m_document)
        m_statusText = L"Failed to initialiate MSXml2.DomDocument";
}

CXmlParser::~CXmlParser()
{
    Reset();
}

bool CXmlParser::Load(const CString& path)
{
    m_statusText = m_successText;
    Reset();
    IXMLDOMDocument* document = CheckXmlPointer(m_document.get(), IID_IXMLDOMDocument);
    CheckXmlCall(document->put_async(VARIANT_FALSE), IID_IXMLDOMDocument);
    if (m_strictLoading)
    {
        if (FileHasDocumentType(path))
        {
            m_statusText = kDocumentTypeRefused;
            return false;
        }
        PrepareStrictLoad(document);
    }
    VARIANT_BOOL loaded = VARIANT_FALSE;
    CheckXmlCall(document->load(_variant_t(path.GetString()), &loaded), IID_IXMLDOMDocument);
    if (loaded != VARIANT_TRUE)
        return false;
    if (m_strictLoading)
    {
        // A declaration the byte scan could not see (another encoding) is refused too.
        auto_rel<IXMLDOMDocumentType> type;
        CheckXmlCall(document->get_doctype(type.Receive()), IID_IXMLDOMDocument);
        if (type)
        {
            m_statusText = kDocumentTypeRefused;
            return false;
        }
    }

    auto_rel<IXMLDOMElement> element;
    CheckXmlCall(document->get_documentElement(element.Receive()), IID_IXMLDOMDocument);
    m_rootElement = element.get();
    m_currentNode = document;
    ReadNodeState(m_currentNode);
    Read();
    m_currentNode = m_rootElement;
    m_elementPath.Empty();
    return true;
}

bool CXmlParser::Save(const CString& path)
{
    CXmlPrettyPrinter printer;
    printer.SetOutputFile(path);
    HRESULT hr = printer.Process(CheckXmlPointer(m_document.get(), IID_IXMLDOMDocument));
    if (SUCCEEDED(hr))
        return true;
    m_statusText.Format(L"The XML file '%s' could not be written. %s", path.GetString(), _com_error(hr).ErrorMessage());
    return false;
}

void CXmlParser::Read() {}

void CXmlParser::PrepareStrictLoad(IXMLDOMDocument* document)
{
    CheckXmlCall(document->put_preserveWhiteSpace(VARIANT_TRUE), IID_IXMLDOMDocument);
    CheckXmlCall(document->put_resolveExternals(VARIANT_FALSE), IID_IXMLDOMDocument);
    CheckXmlCall(document->put_validateOnParse(VARIANT_FALSE), IID_IXMLDOMDocument);
    // Where the DOM knows the property it refuses declarations itself; some DOMs ignore
    // it, which the checks around the load make up for.
    static const IID documentIid2 = {0x2933bf95, 0x7b36, 0x11d2, {0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60}};
    auto_rel<IXMLDOMDocument2> document2;
    if (SUCCEEDED(document->QueryInterface(documentIid2, reinterpret_cast<void**>(document2.Receive()))))
        document2->setProperty(_bstr_t(L"ProhibitDTD"), _variant_t(true));
}

int CXmlParser::GetNodeKind(IXMLDOMNode* node)
{
    if (!node)
        return kNoNode;
    switch (GetXmlNodeType(node))
    {
    case NODE_TEXT:
        return kText;
    case NODE_CDATA_SECTION:
        return kCData;
    case NODE_PROCESSING_INSTRUCTION:
        return kProcessingInstruction;
    default:
        return kElement;
    }
}

bool CXmlParser::AddElement(const CString& name)
{
    IXMLDOMDocument* document = CheckXmlPointer(m_document.get(), IID_IXMLDOMDocument);
    int kind = GetNodeKind(m_currentNode);
    bool startsDocument = kind == kNoNode && !m_rootElement;
    if (kind != kElement && !startsDocument)
        return false;
    auto_rel<IXMLDOMNode> element;
    CheckXmlCall(document->createNode(_variant_t(static_cast<long>(NODE_ELEMENT)), _bstr_t(name.GetString()),
                                      _bstr_t(L""), element.Receive()),
                 IID_IXMLDOMDocument);
    return AppendAndEnter(element);
}

bool CXmlParser::AppendAndEnter(IXMLDOMNode* element)
{
    if (m_currentNode)
    {
        m_elementPath += ElementTag(m_currentNode);
        CheckXmlCall(m_currentNode->appendChild(element, nullptr), IID_IXMLDOMNode);
    }
    else
    {
        m_elementPath.Empty();
        CheckXmlCall(m_document->appendChild(element, nullptr), IID_IXMLDOMDocument);
        m_rootElement = element;
    }
    m_currentNode = element;
    ReadNodeState(element);
    return true;
}

bool CXmlParser::SetTextValue(const CString& text)
{
    IXMLDOMNode* node = m_currentNode ? m_currentNode.get() : m_rootElement.get();
    if (!node)
    {
        m_statusText = L"CXmlParser::SetTextValue(const CString &): Can't set a Text on a NULL Node";
        return false;
    }
    int kind = GetNodeKind(node);
    if (kind == kText || kind == kCData)
    {
        SetXmlNodeValue(node, text);
        ReadNodeState(node);
        return true;
    }
    for (auto_rel<IXMLDOMNode> child = GetXmlFirstChild(node); child; child = GetXmlNextSibling(child))
    {
        if (GetNodeKind(child) == kText)
        {
            SetXmlNodeValue(child, text);
            return true;
        }
    }
    if (kind == kElement)
    {
        IXMLDOMDocument* document = CheckXmlPointer(m_document.get(), IID_IXMLDOMDocument);
        auto_rel<IXMLDOMText> textNode;
        // The text goes in as the node value, which keeps carriage returns; some DOMs
        // turn them into line feeds when they create a text node from a string.
        CheckXmlCall(document->createTextNode(_bstr_t(L""), textNode.Receive()), IID_IXMLDOMDocument);
        SetXmlNodeValue(textNode, text);
        CheckXmlCall(node->appendChild(textNode, nullptr), IID_IXMLDOMNode);
    }
    return true;
}

CString CXmlParser::GetTextValue()
{
    int kind = GetNodeKind(m_currentNode);
    if (kind == kText || kind == kCData)
    {
        m_value = GetXmlNodeValue(m_currentNode);
        return m_value;
    }
    m_value.Empty();
    IXMLDOMNode* node = m_currentNode ? m_currentNode.get() : m_rootElement.get();
    if (!node)
    {
        m_statusText = L"CXmlParser::GetTextValue() Can't set text on NULL node";
        return m_value;
    }
    for (auto_rel<IXMLDOMNode> child = GetXmlFirstChild(node); child; child = GetXmlNextSibling(child))
    {
        if (GetNodeKind(child) == kText)
        {
            m_value = GetXmlNodeValue(child);
            break;
        }
    }
    return m_value;
}

CString CXmlParser::GetTextContent()
{
    int kind = GetNodeKind(m_currentNode);
    if (kind == kText || kind == kCData)
        return GetXmlNodeValue(m_currentNode);
    CString text;
    IXMLDOMNode* node = m_currentNode ? m_currentNode.get() : m_rootElement.get();
    if (!node)
        return text;
    for (auto_rel<IXMLDOMNode> child = GetXmlFirstChild(node); child; child = GetXmlNextSibling(child))
    {
        int childKind = GetNodeKind(child);
        if (childKind == kText || childKind == kCData)
            text += GetXmlNodeValue(child);
    }
    return text;
}

bool CXmlParser::FindChild(const CString& name)
{
    if (GetNodeKind(m_currentNode) != kElement)
        return false;
    m_elementPath += ElementTag(m_currentNode);
    for (auto_rel<IXMLDOMNode> child = GetXmlFirstChild(m_currentNode); child; child = GetXmlNextSibling(child))
    {
        // A processing instruction has no state of its own, so it never matches.
        if (GetNodeKind(child) == kProcessingInstruction)
            continue;
        ReadNodeState(child);
        if (m_name == name)
        {
            m_currentNode = child;
            return true;
        }
    }
    PopPathTag();
    ReadNodeState(m_currentNode);
    return false;
}

bool CXmlParser::CloseElement(const CString& name)
{
    CheckXmlPointer(m_currentNode.get(), IID_IXMLDOMNode);
    auto_rel<IXMLDOMNode> start = m_currentNode;
    if (IsXmlDocumentElement(start))
        return false;
    CString startPath = m_elementPath;
    for (auto_rel<IXMLDOMNode> node = GetXmlParent(start); node; node = GetXmlParent(node))
    {
        m_currentNode = node;
        PopPathTag();
        ReadNodeState(node);
        if (m_name == name)
            return true;
        if (IsXmlDocumentElement(node))
            break;
    }
    m_currentNode = start;
    m_elementPath = startPath;
    ReadNodeState(start);
    return false;
}

bool CXmlParser::IsCurrentNode(const CString& tag) const
{
    return m_tag == tag;
}

bool CXmlParser::PathEndsWith(const CString& text) const
{
    const int length = text.GetLength();
    return length <= m_elementPath.GetLength() && m_elementPath.Right(length) == text;
}

void CXmlParser::Reset()
{
    m_rootElement.Release();
    m_currentNode.Release();
    m_attributeNames.RemoveAll();
    m_attributeValues.RemoveAll();
    m_tag.Empty();
    m_name.Empty();
    m_elementPath.Empty();
    m_value.Empty();
}

void CXmlParser::ReadNodeState(IXMLDOMNode* node)
{
    switch (GetNodeKind(node))
    {
    case kElement:
        SetState(GetXmlNodeName(node), CString());
        ReadAttributes(node);
        break;
    case kText:
        SetState(L"#TEXT#", GetXmlNodeValue(node));
        break;
    case kCData:
        SetState(L"#CDATA#", GetXmlNodeValue(node));
        break;
    default:
        break;
    }
}

void CXmlParser::SetState(const CString& name, const CString& value)
{
    m_name = name;
    m_tag = L"<" + name + L">";
    m_value = value;
    m_attributeNames.RemoveAll();
    m_attributeValues.RemoveAll();
}

void CXmlParser::ReadAttributes(IXMLDOMNode* element)
{
    auto_rel<IXMLDOMNamedNodeMap> attributes = GetXmlAttributes(element);
    long count = 0;
    if (attributes)
        CheckXmlCall(attributes->get_length(&count), IID_IXMLDOMNamedNodeMap);
    for (long i = 0; i < count; ++i)
    {
        auto_rel<IXMLDOMNode> attribute;
        CheckXmlCall(attributes->get_item(i, attribute.Receive()), IID_IXMLDOMNamedNodeMap);
        m_attributeNames.Add(GetXmlNodeName(attribute));
        m_attributeValues.Add(GetXmlNodeValue(attribute));
    }
}

void CXmlParser::PopPathTag()
{
    int at = m_elementPath.ReverseFind(L'<');
    if (at >= 0)
        m_elementPath = m_elementPath.Left(at);
}
