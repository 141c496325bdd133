#include "common/CXmlParser.h"
#include "XmlTestSupport.h"

#include <functional>
#include <vector>

namespace
{
// <configuration><screen><width>800</width><name>a</name></screen><audio/></configuration>
// written the way the configuration writer does it.
void BuildConfiguration(CXmlParser& xml)
{
    ASSERT_TRUE(xml.AddElement(L"configuration"));
    ASSERT_TRUE(xml.AddElement(L"screen"));
    ASSERT_TRUE(xml.AddElement(L"width"));
    EXPECT_EQ(xml.GetElementPath(), CString(L"<configuration><screen>"));
    ASSERT_TRUE(xml.SetTextValue(L"800"));
    ASSERT_TRUE(xml.CloseElement(L"screen"));
    ASSERT_TRUE(xml.AddElement(L"name"));
    ASSERT_TRUE(xml.SetTextValue(L"a"));
    ASSERT_TRUE(xml.CloseElement(L"screen"));
    ASSERT_TRUE(xml.CloseElement(L"configuration"));
    ASSERT_TRUE(xml.AddElement(L"audio"));
    ASSERT_TRUE(xml.CloseElement(L"configuration"));
    EXPECT_EQ(xml.GetElementPath(), CString());
}

// A reader whose Read hook is a test's function.
class HookedParser : public CXmlParser
{
public:
    std::function<void(CXmlParser&)> onRead;
    int reads = 0;

protected:
    void Read() override
    {
        ++reads;
        if (onRead)
            onRead(*this);
    }
};

const char kConfigurationFile[] = "<configuration>\r\n"
                                  "\t<screen>\r\n"
                                  "\t\t<width>800</width>\r\n"
                                  "\t\t<name>a</name>\r\n"
                                  "\t</screen>\r\n"
                                  "\t<audio/>\r\n"
                                  "</configuration>\r\n";
} // namespace

TEST_F(XmlTest, SaveWritesTheIndentedDocumentOverTheFile)
{
    CXmlParser xml;
    ASSERT_EQ(xml.GetStatusText(), CString(L"Success"));
    BuildConfiguration(xml);
    CString path = PathOf(L"configuration.xml");
    WriteBytes(path, std::string(500, ' '));

    EXPECT_TRUE(xml.Save(path));
    EXPECT_EQ(ReadBytes(path), kConfigurationFile);
}

TEST_F(XmlTest, TextSurvivesSaveAndLoad)
{
    const std::vector<CString> values = {L"a & b",
                                         L"\u00e9 \u6f22",
                                         L"line1\r\nline2",
                                         L"cr\ronly",
                                         L"<tag attr=\"q\">",
                                         L"  padded  ",
                                         L"\U0001F600 outside the basic plane"};
    CXmlParser writer;
    ASSERT_TRUE(writer.AddElement(L"configuration"));
    for (size_t i = 0; i < values.size(); ++i)
    {
        ASSERT_TRUE(writer.AddElement(L"v" + CString(std::to_wstring(i))));
        ASSERT_TRUE(writer.SetTextValue(values[i]));
        ASSERT_TRUE(writer.CloseElement(L"configuration"));
    }
    CString path = PathOf(L"text.xml");
    ASSERT_TRUE(writer.Save(path));

    HookedParser reader;
    std::vector<CString> read;
    reader.onRead = [&](CXmlParser& xml) {
        ASSERT_TRUE(xml.FindChild(L"configuration"));
        for (size_t i = 0; i < values.size(); ++i)
        {
            ASSERT_TRUE(xml.FindChild(L"v" + CString(std::to_wstring(i))));
            read.push_back(xml.GetTextValue());
            ASSERT_TRUE(xml.CloseElement(L"configuration"));
        }
    };
    ASSERT_TRUE(reader.Load(path));
    EXPECT_EQ(read, values);
}

TEST_F(XmlTest, LoadCallsReadWithTheDocumentNodeCurrent)
{
    CString path = PathOf(L"configuration.xml");
    WriteBytes(path, kConfigurationFile);
    HookedParser xml;
    xml.onRead = [](CXmlParser& reader) {
        EXPECT_TRUE(reader.IsCurrentNode(L"<#document>"));
        EXPECT_EQ(reader.GetElementPath(), CString());
        ASSERT_TRUE(reader.FindChild(L"configuration"));
        EXPECT_TRUE(reader.IsCurrentNode(L"<configuration>"));
        ASSERT_TRUE(reader.FindChild(L"screen"));
        ASSERT_TRUE(reader.FindChild(L"width"));
        EXPECT_EQ(reader.GetElementPath(), CString(L"<#document><configuration><screen>"));
        EXPECT_TRUE(reader.PathEndsWith(L"<screen>"));
        EXPECT_EQ(reader.GetTextValue(), CString(L"800"));
        ASSERT_TRUE(reader.CloseElement(L"configuration"));
        EXPECT_EQ(reader.GetElementPath(), CString(L"<#document>"));
    };
    ASSERT_TRUE(xml.Load(path));
    EXPECT_EQ(xml.reads, 1);

    // Afterwards the document element is current with an empty path, and new elements
    // go below it.
    EXPECT_TRUE(xml.IsCurrentNode(L"<configuration>"));
    EXPECT_EQ(xml.GetElementPath(), CString());
    ASSERT_TRUE(xml.AddElement(L"video"));
    EXPECT_EQ(xml.GetElementPath(), CString(L"<configuration>"));
    // The climb stops at the document element, also on a loaded document.
    EXPECT_FALSE(xml.CloseElement(L"#document"));
    EXPECT_TRUE(xml.IsCurrentNode(L"<video>"));

    // The same object loads again; what the hook throws reaches the caller.
    xml.onRead = [](CXmlParser&) { throw CString(L"Bad section"); };
    EXPECT_THROW(xml.Load(path), CString);
    EXPECT_EQ(xml.reads, 2);
}

TEST_F(XmlTest, LoadFailsOnMissingOrMalformedFiles)
{
    CString malformed = PathOf(L"malformed.xml");
    WriteBytes(malformed, "<configuration><screen></configuration>");
    for (const CString& path : {PathOf(L"absent.xml"), malformed})
    {
        HookedParser xml;
        EXPECT_FALSE(xml.Load(path));
        EXPECT_EQ(xml.reads, 0);
        EXPECT_EQ(xml.GetStatusText(), CString(L"Success"));
        // Nothing is current: text can be neither read nor set.
        EXPECT_EQ(xml.GetTextValue(), CString());
        EXPECT_EQ(xml.GetStatusText(), CString(L"CXmlParser::GetTextValue() Can't set text on NULL node"));
        EXPECT_FALSE(xml.SetTextValue(L"x"));
        EXPECT_EQ(xml.GetStatusText(),
                  CString(L"CXmlParser::SetTextValue(const CString &): Can't set a Text on a NULL Node"));
    }
}

TEST_F(XmlTest, StrictLoadingKeepsBlanksAndJoinsTextWithCData)
{
    CString path = PathOf(L"blanks.xml");
    WriteBytes(path, "<a>\r\n\t<b>   </b>\r\n\t<c>x<![CDATA[<y>]]>z</c>\r\n</a>");
    HookedParser xml;
    xml.SetStrictLoading(true);
    xml.onRead = [](CXmlParser& reader) {
        ASSERT_TRUE(reader.FindChild(L"a"));
        ASSERT_TRUE(reader.FindChild(L"b"));
        EXPECT_EQ(reader.GetTextContent(), CString(L"   "));
        ASSERT_TRUE(reader.CloseElement(L"a"));
        ASSERT_TRUE(reader.FindChild(L"c"));
        EXPECT_EQ(reader.GetTextContent(), CString(L"x<y>z"));
    };
    ASSERT_TRUE(xml.Load(path));
    EXPECT_EQ(xml.reads, 1);
}

TEST_F(XmlTest, StrictLoadingRefusesDocumentTypesInAnyEncoding)
{
    const std::string declared = "<!DOCTYPE a [<!ENTITY e \"text\">]><a>&e;</a>";
    std::string utf16 = "\xFF\xFE";
    for (char c : declared)
        utf16 += std::string(1, c) + '\0';
    for (const std::string& text : {declared, utf16})
    {
        CString path = PathOf(L"declared.xml");
        WriteBytes(path, text);
        HookedParser xml;
        xml.SetStrictLoading(true);
        EXPECT_FALSE(xml.Load(path));
        EXPECT_EQ(xml.reads, 0);
        EXPECT_EQ(xml.GetStatusText(), CString(L"The XML file holds a document type declaration, which is not accepted."));
    }
}

TEST_F(XmlTest, FailedSaveReportsAndKeepsTheOldFile)
{
    CXmlParser xml;
    BuildConfiguration(xml);
    int temporaries = CountWriterTemporaries();

    CString missing = PathOf(L"missing\\configuration.xml");
    EXPECT_FALSE(xml.Save(missing));
    EXPECT_EQ(xml.GetStatusText().Find(L"The XML file '" + missing + L"' could not be written."), 0)
        << xml.GetStatusText().ToAnsi(CP_UTF8);

    // Another program holds the file open without letting it be replaced.
    CString locked = PathOf(L"locked.xml");
    WriteBytes(locked, "<old/>");
    HANDLE holder = CreateFileW(locked, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    bool saved = xml.Save(locked);
    CloseHandle(holder);
    EXPECT_FALSE(saved);
    EXPECT_EQ(ReadBytes(locked), "<old/>");

    // A read-only file is not replaced either.
    ASSERT_TRUE(SetFileAttributesW(locked, FILE_ATTRIBUTE_READONLY));
    saved = xml.Save(locked);
    SetFileAttributesW(locked, FILE_ATTRIBUTE_NORMAL);
    EXPECT_FALSE(saved);
    EXPECT_EQ(ReadBytes(locked), "<old/>");
    EXPECT_EQ(CountWriterTemporaries(), temporaries);
}

TEST_F(XmlTest, FindChildMovesDownOrChangesNothing)
{
    CXmlParser xml;
    BuildConfiguration(xml);
    ASSERT_TRUE(xml.FindChild(L"screen"));
    EXPECT_EQ(xml.GetElementPath(), CString(L"<configuration>"));

    EXPECT_FALSE(xml.FindChild(L"Width")) << "names compare with regard to case";
    EXPECT_TRUE(xml.IsCurrentNode(L"<screen>"));
    EXPECT_EQ(xml.GetElementPath(), CString(L"<configuration>"));

    ASSERT_TRUE(xml.FindChild(L"width"));
    ASSERT_TRUE(xml.FindChild(L"#TEXT#"));
    EXPECT_TRUE(xml.IsCurrentNode(L"<#TEXT#>"));
    EXPECT_EQ(xml.GetElementPath(), CString(L"<configuration><screen><width>"));
    EXPECT_EQ(xml.GetTextValue(), CString(L"800"));
    // A text node has neither children nor room for them.
    EXPECT_FALSE(xml.AddElement(L"child"));
    EXPECT_FALSE(xml.FindChild(L"child"));
    EXPECT_TRUE(xml.CloseElement(L"screen"));
}

TEST_F(XmlTest, CloseElementClimbsToANamedAncestorOnly)
{
    CXmlParser xml;
    ASSERT_TRUE(xml.AddElement(L"configuration"));
    EXPECT_FALSE(xml.CloseElement(L"configuration")) << "the root element is current";
    EXPECT_TRUE(xml.IsCurrentNode(L"<configuration>"));

    ASSERT_TRUE(xml.AddElement(L"screen"));
    ASSERT_TRUE(xml.AddElement(L"area"));
    ASSERT_TRUE(xml.AddElement(L"left"));
    EXPECT_FALSE(xml.CloseElement(L"movie"));
    EXPECT_TRUE(xml.IsCurrentNode(L"<left>"));
    EXPECT_EQ(xml.GetElementPath(), CString(L"<configuration><screen><area>"));

    EXPECT_TRUE(xml.CloseElement(L"screen"));
    EXPECT_TRUE(xml.IsCurrentNode(L"<screen>"));
    EXPECT_EQ(xml.GetElementPath(), CString(L"<configuration>"));

    CXmlParser empty;
    try
    {
        empty.CloseElement(L"configuration");
        FAIL() << "No exception without a current node";
    }
    catch (const _com_error& error)
    {
        EXPECT_EQ(error.Error(), E_POINTER);
    }
}

TEST_F(XmlTest, PathEndsWithIsASuffixTest)
{
    struct PathCase
    {
        std::vector<const wchar_t*> elements; // from the top down to the current one
        const wchar_t* text;
        bool expected;
    };
    const PathCase cases[] = {
        // The path's end counts, wherever else the text occurs.
        {{L"a", L"b", L"a", L"c"}, L"<a>", true},
        {{L"a", L"b", L"a", L"c"}, L"<b><a>", true},
        {{L"a", L"b", L"a", L"c"}, L"<c>", false},
        {{L"x", L"a", L"c"}, L"<a>", true},
        {{L"a"}, L"<a>", false},
        {{L"a", L"b"}, L"<x><a>", false},
    };
    for (const PathCase& test : cases)
    {
        CXmlParser xml;
        for (const wchar_t* name : test.elements)
            ASSERT_TRUE(xml.AddElement(name));
        EXPECT_EQ(xml.PathEndsWith(test.text), test.expected)
            << CString(test.text).ToAnsi() << " in " << xml.GetElementPath().ToAnsi();
    }
}

TEST_F(XmlTest, TextValuesOfElements)
{
    CXmlParser xml;
    ASSERT_TRUE(xml.AddElement(L"v"));
    EXPECT_EQ(xml.GetTextValue(), CString());
    ASSERT_TRUE(xml.SetTextValue(L"first"));
    ASSERT_TRUE(xml.SetTextValue(L"second"));
    EXPECT_EQ(xml.GetTextValue(), CString(L"second"));
    CString path = PathOf(L"v.xml");
    ASSERT_TRUE(xml.Save(path));
    EXPECT_EQ(ReadBytes(path), "<v>second</v>\r\n") << "one text child";

    // A CDATA child is not the element's text; attributes are read in document order.
    WriteBytes(path, "<r><c z=\"1\" a=\"&#9;2\"><![CDATA[data]]></c></r>");
    ASSERT_TRUE(xml.Load(path));
    ASSERT_TRUE(xml.FindChild(L"c"));
    EXPECT_EQ(xml.GetTextValue(), CString());
    ASSERT_EQ(xml.GetAttributeNames().GetSize(), 2);
    ASSERT_EQ(xml.GetAttributeValues().GetSize(), 2);
    EXPECT_EQ(xml.GetAttributeNames()[0], CString(L"z"));
    EXPECT_EQ(xml.GetAttributeNames()[1], CString(L"a"));
    EXPECT_EQ(xml.GetAttributeValues()[0], CString(L"1"));
    EXPECT_EQ(xml.GetAttributeValues()[1], CString(L"\t2"));
    ASSERT_TRUE(xml.FindChild(L"#CDATA#"));
    EXPECT_EQ(xml.GetTextValue(), CString(L"data"));
    EXPECT_TRUE(xml.GetAttributeNames().IsEmpty());
}
