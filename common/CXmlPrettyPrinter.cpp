#include "common/CXmlPrettyPrinter.h"

#include "common/PathHelpers.h"
#include "common/XmlDom.h"

namespace
{
const wchar_t kLineEnd[] = L"\r\n";

void AppendIndent(int level, CString& out)
{
    for (int i = 0; i < level; ++i)
        out += L'\t';
}

// The reference that stands for a character in escaped output, or null for a character
// written as it is. Character data escapes markup characters and carriage returns, which
// a parser would otherwise turn into line feeds; an attribute value in double quotes also
// escapes the quote and LF and TAB, which a parser would replace with blanks.
const wchar_t* EscapeOf(wchar_t ch, bool attribute)
{
    switch (ch)
    {
    case L'&':
        return L"&amp;";
    case L'<':
        return L"&lt;";
    case L'>':
        return L"&gt;";
    case L'\r':
        return L"&#13;";
    case L'"':
        return attribute ? L"&quot;" : nullptr;
    case L'\n':
        return attribute ? L"&#10;" : nullptr;
    case L'\t':
        return attribute ? L"&#9;" : nullptr;
    default:
        return nullptr;
    }
}

void AppendEscaped(const CString& text, bool attribute, CString& out)
{
    for (int i = 0; i < text.GetLength(); ++i)
    {
        const wchar_t* escape = EscapeOf(text[i], attribute);
        if (escape)
            out += escape;
        else
            out += text[i];
    }
}

void AppendEscapedText(const CString& text, CString& out)
{
    AppendEscaped(text, false, out);
}

void AppendEscapedAttribute(const CString& value, CString& out)
{
    AppendEscaped(value, true, out);
}

// A CDATA section cannot hold "]]>": such data is split over two sections.
void AppendCData(const CString& data, CString& out)
{
    CString text(data);
    text.Replace(L"]]>", L"]]]]><![CDATA[>");
    out += L"<![CDATA[";
    out += text;
    out += L"]]>";
}

void AppendProcessingInstruction(IXMLDOMNode* node, CString& out)
{
    CString data = GetXmlNodeValue(node);
    out += L"<?";
    out += GetXmlNodeName(node);
    if (!data.IsEmpty())
        out += L' ' + data;
    out += L"?>";
}

// The XML declaration is a processing instruction named "xml" in a loaded document.
bool IsXmlDeclaration(IXMLDOMNode* node)
{
    return GetXmlNodeType(node) == NODE_PROCESSING_INSTRUCTION && GetXmlNodeName(node) == L"xml";
}

HRESULT LastErrorResult()
{
    DWORD error = GetLastError();
    return error != ERROR_SUCCESS ? HRESULT_FROM_WIN32(error) : E_FAIL;
}

// The node's own markup as the DOM gives it, for kinds without a layout of their own
// (document type declarations).
CString GetXmlMarkup(IXMLDOMNode* node)
{
    BSTR xml = nullptr;
    CheckXmlCall(node->get_xml(&xml), IID_IXMLDOMNode);
    _bstr_t owner(xml, false);
    return CString(static_cast<const wchar_t*>(owner));
}
} // namespace

CString CXmlPrettyPrinter::GetOutputFile() const
{
    return m_outputFile;
}

void CXmlPrettyPrinter::SetOutputFile(const CString& path)
{
    m_outputFile = path;
}

HRESULT CXmlPrettyPrinter::Process(IXMLDOMNode* node)
{
    return WriteOutput(GetIndentedText(node));
}

CString CXmlPrettyPrinter::GetIndentedText(IXMLDOMNode* node)
{
    CString out;
    WriteBlock(CheckXmlPointer(node, IID_IXMLDOMNode), 0, out);
    return out;
}

HRESULT CXmlPrettyPrinter::WriteOutput(const CString& text)
{
    // A read-only file is never replaced. Windows' rename refuses it; Wine's does not.
    DWORD attributes = GetFileAttributesW(m_outputFile);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED);
    wchar_t temporary[MAX_PATH];
    if (!CreateTemporaryFile(temporary))
        return LastErrorResult();
    if (WriteTextFile(temporary, text.ToAnsi(CP_UTF8)) &&
        MoveFileExW(temporary, m_outputFile,
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return S_OK;
    HRESULT result = LastErrorResult();
    DeleteFileW(temporary);
    return result;
}

bool CXmlPrettyPrinter::CreateTemporaryFile(wchar_t (&path)[MAX_PATH]) const
{
    // Beside the output file: the rename that replaces it never crosses volumes, so it
    // is one step, and needs no room in the user's temporary folder.
    CString name, extension, folder;
    SplitPath(m_outputFile, name, extension, folder);
    if (folder.IsEmpty())
        folder = L".";
    // With no number given the system picks a free name and creates the empty file, so
    // no other writer gets the same one.
    return GetTempFileNameW(folder, L"xml", 0, path) != 0;
}

bool CXmlPrettyPrinter::WriteTextFile(const wchar_t* path, const std::string& bytes)
{
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD done = 0;
    bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr) && done == bytes.size() &&
              FlushFileBuffers(file);
    DWORD error = GetLastError();
    CloseHandle(file);
    SetLastError(ok ? ERROR_SUCCESS : error);
    return ok;
}

void CXmlPrettyPrinter::WriteBlock(IXMLDOMNode* node, int level, CString& out)
{
    switch (GetXmlNodeType(node))
    {
    case NODE_DOCUMENT:
    case NODE_DOCUMENT_FRAGMENT:
        for (auto_rel<IXMLDOMNode> child = GetXmlFirstChild(node); child; child = GetXmlNextSibling(child))
            WriteBlock(child, level, out);
        return;
    case NODE_PROCESSING_INSTRUCTION:
        if (IsXmlDeclaration(node))
            return;
        break;
    case NODE_ELEMENT:
        if (HasOnlyMarkupChildren(node))
        {
            AppendIndent(level, out);
            WriteStartTag(node, out);
            out += CString(L">") + kLineEnd;
            for (auto_rel<IXMLDOMNode> child = GetXmlFirstChild(node); child; child = GetXmlNextSibling(child))
                WriteBlock(child, level + 1, out);
            AppendIndent(level, out);
            out += L"</" + GetXmlNodeName(node) + L">" + kLineEnd;
            return;
        }
        break;
    default:
        break;
    }
    AppendIndent(level, out);
    WriteInline(node, out);
    out += kLineEnd;
}

void CXmlPrettyPrinter::WriteInline(IXMLDOMNode* node, CString& out)
{
    switch (GetXmlNodeType(node))
    {
    case NODE_ELEMENT:
        WriteStartTag(node, out);
        if (!GetXmlFirstChild(node))
        {
            out += L"/>";
            return;
        }
        out += L'>';
        WriteChildrenInline(node, out);
        out += L"</" + GetXmlNodeName(node) + L">";
        return;
    case NODE_TEXT:
        AppendEscapedText(GetXmlNodeValue(node), out);
        return;
    case NODE_CDATA_SECTION:
        AppendCData(GetXmlNodeValue(node), out);
        return;
    case NODE_ENTITY_REFERENCE:
        out += L'&' + GetXmlNodeName(node) + L';';
        return;
    case NODE_COMMENT:
        out += L"<!--" + GetXmlNodeValue(node) + L"-->";
        return;
    case NODE_PROCESSING_INSTRUCTION:
        if (!IsXmlDeclaration(node))
            AppendProcessingInstruction(node, out);
        return;
    case NODE_DOCUMENT:
    case NODE_DOCUMENT_FRAGMENT:
        WriteChildrenInline(node, out);
        return;
    default:
        out += GetXmlMarkup(node);
        return;
    }
}

void CXmlPrettyPrinter::WriteStartTag(IXMLDOMNode* node, CString& out)
{
    out += L'<' + GetXmlNodeName(node);
    auto_rel<IXMLDOMNamedNodeMap> attributes = GetXmlAttributes(node);
    long count = 0;
    if (attributes)
        CheckXmlCall(attributes->get_length(&count), IID_IXMLDOMNamedNodeMap);
    for (long i = 0; i < count; ++i)
    {
        auto_rel<IXMLDOMNode> attribute;
        CheckXmlCall(attributes->get_item(i, attribute.Receive()), IID_IXMLDOMNamedNodeMap);
        out += L' ' + GetXmlNodeName(attribute) + L"=\"";
        AppendEscapedAttribute(GetXmlNodeValue(attribute), out);
        out += L'"';
    }
}

void CXmlPrettyPrinter::WriteChildrenInline(IXMLDOMNode* node, CString& out)
{
    for (auto_rel<IXMLDOMNode> child = GetXmlFirstChild(node); child; child = GetXmlNextSibling(child))
        WriteInline(child, out);
}

bool CXmlPrettyPrinter::HasOnlyMarkupChildren(IXMLDOMNode* node)
{
    bool any = false;
    for (auto_rel<IXMLDOMNode> child = GetXmlFirstChild(node); child; child = GetXmlNextSibling(child))
    {
        DOMNodeType type = GetXmlNodeType(child);
        if (type != NODE_ELEMENT && type != NODE_COMMENT && type != NODE_PROCESSING_INSTRUCTION)
            return false;
        any = true;
    }
    return any;
}
