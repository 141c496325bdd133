#pragma once
// CXmlPrettyPrinter: writes an XML DOM document (or one element and everything below it)
// to a file as indented UTF-8 text without an XML declaration.
//
// Layout: one tab per level and CR LF line ends. An element whose children are only
// elements, comments and processing instructions gets each child on a line of its own;
// an element holding text, CDATA or entity references is written on one line exactly as
// it is, so indentation never adds characters to text content. Carriage returns in text,
// and carriage returns, line feeds and tabs in attribute values, are written as character
// references so that a parser reading the file gets them back unchanged.
//
// The file is replaced in one step: the text goes to a new temporary file in the output
// file's own folder, which then takes the place of the output file. When anything fails
// the output file keeps its old content; a read-only output file is never replaced.
//
// Failing DOM calls raise _com_error (see XmlComError.h); file failures are results.
#include "framework/CString.h"
#include <windows.h>
#include <msxml2.h>
#include <string>

class CXmlPrettyPrinter
{
public:
    CXmlPrettyPrinter() = default;
    CXmlPrettyPrinter(const CXmlPrettyPrinter&) = delete;
    CXmlPrettyPrinter& operator=(const CXmlPrettyPrinter&) = delete;

    CString GetOutputFile() const;
    void SetOutputFile(const CString& path);

    // Writes the node re-indented to the output file. S_OK, or the failure of WriteOutput.
    HRESULT Process(IXMLDOMNode* node);
    // The indented text of the node and everything below it.
    static CString GetIndentedText(IXMLDOMNode* node);
    // Writes the text as UTF-8 over the output file. S_OK, or a failure code (never S_OK
    // on failure): the Win32 error as an HRESULT, E_FAIL when the system gave none.
    HRESULT WriteOutput(const CString& text);

private:
    static void WriteBlock(IXMLDOMNode* node, int level, CString& out);
    static void WriteInline(IXMLDOMNode* node, CString& out);
    static void WriteStartTag(IXMLDOMNode* node, CString& out);
    static void WriteChildrenInline(IXMLDOMNode* node, CString& out);
    static bool HasOnlyMarkupChildren(IXMLDOMNode* node);
    bool CreateTemporaryFile(wchar_t (&path)[MAX_PATH]) const;
    static bool WriteTextFile(const wchar_t* path, const std::string& bytes);

    CString m_outputFile;
};
