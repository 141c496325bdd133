#include "common/CXmlPrettyPrinter.h"
#include "common/XmlDom.h"
#include "XmlTestSupport.h"

namespace
{
struct LayoutCase
{
    const char* what;
    const wchar_t* input;
    const wchar_t* expected;
};

const LayoutCase kLayoutCases[] = {
    {"nested elements one per line, text inline, empty element closed",
     L"<configuration><screen><width>800</width><empty/></screen><name>a &amp; b</name></configuration>",
     L"<configuration>\r\n\t<screen>\r\n\t\t<width>800</width>\r\n\t\t<empty/>\r\n\t</screen>\r\n"
     L"\t<name>a &amp; b</name>\r\n</configuration>\r\n"},
    {"declaration dropped, comments and processing instructions kept",
     L"<?xml version=\"1.0\"?><!--top--><a><?job run?><b/><!--in--></a>",
     L"<!--top-->\r\n<a>\r\n\t<?job run?>\r\n\t<b/>\r\n\t<!--in-->\r\n</a>\r\n"},
    {"mixed content kept on one line as it is", L"<a><b>x <i>y</i> z</b></a>",
     L"<a>\r\n\t<b>x <i>y</i> z</b>\r\n</a>\r\n"},
    {"markup characters escaped in text", L"<a>&lt;b&gt; &amp; \"q\" 'p'</a>", L"<a>&lt;b&gt; &amp; \"q\" 'p'</a>\r\n"},
    {"CDATA kept as CDATA", L"<a><![CDATA[<raw> & ]]></a>", L"<a><![CDATA[<raw> & ]]></a>\r\n"},
};

class XmlLayoutTest : public XmlTest, public testing::WithParamInterface<LayoutCase>
{
};

// Builds <a/> with one attribute and one text or CDATA child of the given data.
auto_rel<IXMLDOMDocument> MakeElement(const wchar_t* attribute, const wchar_t* text, bool asCData)
{
    auto_rel<IXMLDOMDocument> document = XmlTest::ParseXml(L"<a/>");
    auto_rel<IXMLDOMElement> element;
    document->get_documentElement(element.Receive());
    element->setAttribute(_bstr_t(L"x"), _variant_t(attribute));
    auto_rel<IXMLDOMNode> child;
    if (asCData)
    {
        auto_rel<IXMLDOMCDATASection> section;
        document->createCDATASection(_bstr_t(text), section.Receive());
        child = section.get();
    }
    else
    {
        auto_rel<IXMLDOMText> textNode;
        document->createTextNode(_bstr_t(L""), textNode.Receive());
        child = textNode.get();
        SetXmlNodeValue(child, text);
    }
    EXPECT_EQ(element->appendChild(child, nullptr), S_OK);
    return document;
}

CString FirstChildValue(IXMLDOMDocument* document)
{
    auto_rel<IXMLDOMElement> element;
    document->get_documentElement(element.Receive());
    CString value;
    for (auto_rel<IXMLDOMNode> child = GetXmlFirstChild(element); child; child = GetXmlNextSibling(child))
        value += GetXmlNodeValue(child);
    return value;
}

CString AttributeValue(IXMLDOMDocument* document)
{
    auto_rel<IXMLDOMElement> element;
    document->get_documentElement(element.Receive());
    _variant_t value;
    element->getAttribute(_bstr_t(L"x"), &value);
    return CString(value.bstrVal, static_cast<int>(SysStringLen(value.bstrVal)));
}
} // namespace

TEST_P(XmlLayoutTest, IndentsWithoutChangingContent)
{
    const LayoutCase& layout = GetParam();
    auto_rel<IXMLDOMDocument> document = ParseXml(layout.input);
    EXPECT_EQ(CXmlPrettyPrinter::GetIndentedText(document), CString(layout.expected)) << layout.what;
}

INSTANTIATE_TEST_SUITE_P(Layouts, XmlLayoutTest, testing::ValuesIn(kLayoutCases));

// White space in attributes and carriage returns in text would be changed by a parser if
// written raw; "]]>" cannot stay inside one CDATA section.
TEST_F(XmlTest, SpecialCharactersSurviveAReparse)
{
    const wchar_t* attribute = L"1\r\n\t2 \"q\" <&>";
    const wchar_t* text = L"cr\rlf\ncrlf\r\n & <x>";
    auto_rel<IXMLDOMDocument> document = MakeElement(attribute, text, false);
    CString written = CXmlPrettyPrinter::GetIndentedText(document);
    EXPECT_EQ(written, CString(L"<a x=\"1&#13;&#10;&#9;2 &quot;q&quot; &lt;&amp;&gt;\">"
                               L"cr&#13;lf\ncrlf&#13;\n &amp; &lt;x&gt;</a>\r\n"));

    auto_rel<IXMLDOMDocument> reparsed = ParseXml(written);
    EXPECT_EQ(AttributeValue(reparsed), CString(attribute));
    EXPECT_EQ(FirstChildValue(reparsed), CString(text));

    auto_rel<IXMLDOMDocument> cdata = MakeElement(L"", L"a]]>b", true);
    EXPECT_EQ(FirstChildValue(ParseXml(CXmlPrettyPrinter::GetIndentedText(cdata))), CString(L"a]]>b"));
}

TEST_F(XmlTest, ProcessWritesUtf8OverTheOutputFile)
{
    CString path = PathOf(L"out.xml");
    WriteBytes(path, std::string(100, 'x'));
    CXmlPrettyPrinter printer;
    printer.SetOutputFile(path);
    EXPECT_EQ(printer.GetOutputFile(), path);

    auto_rel<IXMLDOMDocument> document = ParseXml(L"<a><b>\u00e9\u6f22</b></a>");
    EXPECT_EQ(printer.Process(document), S_OK);
    EXPECT_EQ(ReadBytes(path), "<a>\r\n\t<b>\xC3\xA9\xE6\xBC\xA2</b>\r\n</a>\r\n");
}

TEST_F(XmlTest, WriteNeedsNoRoomInTheUsersTemporaryFolder)
{
    wchar_t saved[MAX_PATH] = L"";
    GetEnvironmentVariableW(L"TMP", saved, MAX_PATH);
    SetEnvironmentVariableW(L"TMP", PathOf(L"no such folder"));
    CString path = PathOf(L"out.xml");
    WriteBytes(path, "<old/>");
    CXmlPrettyPrinter printer;
    printer.SetOutputFile(path);
    HRESULT hr = printer.WriteOutput(L"<a/>");
    SetEnvironmentVariableW(L"TMP", saved);
    EXPECT_EQ(hr, S_OK);
    EXPECT_EQ(ReadBytes(path), "<a/>");
    EXPECT_EQ(CountWriterTemporaries(), 0);
}

TEST_F(XmlTest, FailedWriteGivesAFailureCodeAndKeepsTheOldFile)
{
    int temporaries = CountWriterTemporaries();
    CXmlPrettyPrinter printer;
    printer.SetOutputFile(PathOf(L"missing\\out.xml"));
    // The temporary file beside it cannot be made: the folder is missing.
    HRESULT missing = printer.WriteOutput(L"<a/>");
    EXPECT_TRUE(missing == HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND) || missing == HRESULT_FROM_WIN32(ERROR_DIRECTORY))
        << std::hex << missing;

    // Another program holds the file open without letting it be replaced.
    CString locked = PathOf(L"locked.xml");
    WriteBytes(locked, "<old/>");
    HANDLE holder = CreateFileW(locked, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    printer.SetOutputFile(locked);
    HRESULT hr = printer.WriteOutput(L"<new/>");
    CloseHandle(holder);
    EXPECT_TRUE(FAILED(hr)) << std::hex << hr;
    EXPECT_EQ(ReadBytes(locked), "<old/>");
    EXPECT_EQ(CountWriterTemporaries(), temporaries);
}

TEST_F(XmlTest, DomFailureRaisesComErrorWithTheInterface)
{
    try
    {
        CXmlPrettyPrinter::GetIndentedText(nullptr);
        FAIL() << "No exception";
    }
    catch (const _com_error& error)
    {
        EXPECT_EQ(error.Error(), E_POINTER);
        EXPECT_TRUE(IsEqualGUID(error.GUID_(), IID_IXMLDOMNode));
    }
}
