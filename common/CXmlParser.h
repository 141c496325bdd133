#pragma once
// CXmlParser: one XML document of the system DOM ("Msxml2.DOMDocument") behind a cursor.
//
// The cursor is the current node, the state read from it (tag "<name>", name, text value,
// attribute names and values) and the element path: the tags of the current node's
// ancestors, outermost first, joined without separators (e.g. "<configuration><screen>").
// Text nodes have the name "#TEXT#" and CDATA sections "#CDATA#".
//
// Writers build a document with AddElement / SetTextValue / CloseElement and Save it;
// readers Load a file, which calls the Read hook with the document node current, and walk
// down with FindChild and up with CloseElement. The cursor never climbs above the
// document element (the root element).
//
// Failing DOM calls raise _com_error (see XmlDom.h); nothing here catches, so they and
// whatever the Read hook throws reach the caller of Load and Save. COM must be initialised
// on the calling thread. The virtual operations are declared in their table order.
#include "common/auto_p.h"
#include "framework/CArray.h"
#include "framework/CString.h"
#include <windows.h>
#include <msxml2.h>

class CXmlParser
{
public:
    // Kinds of node as GetNodeKind classifies them; every other DOM node type, the
    // document node and comments included, counts as an element.
    enum NodeKind
    {
        kNoNode = 0,
        kElement = 1,
        kText = 3,
        kCData = 4,
        kProcessingInstruction = 7
    };

    // Creates the DOM document; on failure the document stays null and the status text
    // tells so.
    CXmlParser();
    CXmlParser(const CXmlParser&) = delete;
    CXmlParser& operator=(const CXmlParser&) = delete;
    virtual ~CXmlParser();

    // Loads and parses the file; false (and nothing current) when it cannot. On success
    // calls Read with the document node current, then makes the document element current
    // with an empty element path.
    virtual bool Load(const CString& path);
    // Strict loading, for files a user may hand over: white space is kept as text (a
    // value of blanks stays blanks), and a file with a document type declaration is
    // refused before the DOM parses it, so no entity is expanded and no external one is
    // read. Off by default.
    void SetStrictLoading(bool strict) { m_strictLoading = strict; }
    // Writes the document re-indented (CXmlPrettyPrinter) over the file in one step.
    // False, with the reason in the status text, when the file cannot be written; the old
    // file then stays as it was.
    virtual bool Save(const CString& path);

    static int GetNodeKind(IXMLDOMNode* node);

    // Appends a new element as the last child of the current element (as the document
    // element in a fresh document) and makes it current; false under a text, CDATA or
    // processing-instruction node.
    bool AddElement(const CString& name);
    // Sets the text of the current node (the root element when none is current): a text
    // or CDATA node's own value, else its first text child, else a new text child.
    bool SetTextValue(const CString& text);
    // The value of a current text or CDATA node, else the character data of the first
    // text child of the current node (the root element when none is current); empty when
    // there is none.
    CString GetTextValue();
    // The text and CDATA children of the current node joined in their order (the value
    // of a current text or CDATA node itself); empty when there are none.
    CString GetTextContent();
    // Makes the first child of the current element whose name equals the argument current;
    // false, with nothing changed, when none does.
    bool FindChild(const CString& name);
    // Climbs from the current node to the nearest ancestor of that name, at most up to the
    // root element; false, with nothing changed, when there is none or the root is current.
    bool CloseElement(const CString& name);
    // Whether the current node's tag equals the argument, e.g. "<configuration>".
    bool IsCurrentNode(const CString& tag) const;
    // Whether the element path ends with the text.
    bool PathEndsWith(const CString& text) const;

    // "Success", or the text of the last failure (kept until the next Load).
    const CString& GetStatusText() const { return m_statusText; }
    const CString& GetTag() const { return m_tag; }
    const CString& GetName() const { return m_name; }
    const CString& GetElementPath() const { return m_elementPath; }
    const CArray<CString>& GetAttributeNames() const { return m_attributeNames; }
    const CArray<CString>& GetAttributeValues() const { return m_attributeValues; }

protected:
    // Called by Load once the document is loaded, with the document node current; empty
    // here, filled in by derived readers.
    virtual void Read();

private:
    void Reset();
    // Fills tag, name, value and attributes from a node by its kind; a processing
    // instruction or no node leaves them as they are.
    void ReadNodeState(IXMLDOMNode* node);
    void SetState(const CString& name, const CString& value);
    void ReadAttributes(IXMLDOMNode* element);
    bool AppendAndEnter(IXMLDOMNode* element);
    void PrepareStrictLoad(IXMLDOMDocument* document);
    void PopPathTag();

    auto_rel<IXMLDOMDocument> m_document;
    auto_rel<IXMLDOMNode> m_rootElement;
    auto_rel<IXMLDOMNode> m_currentNode;
    CString m_statusText;
    bool m_strictLoading = false;
    const CString m_successText = L"Success";
    CString m_tag;
    CString m_name;
    CString m_elementPath;
    CString m_value;
    CArray<CString> m_attributeNames;
    CArray<CString> m_attributeValues;
};
