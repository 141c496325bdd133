#pragma once
// Checked access to the XML DOM (msxml2.h interfaces) shared by CXmlParser and
// CXmlPrettyPrinter.
//
// A failing DOM call is raised as the compiler COM support's exception _com_error,
// carrying the HRESULT and, as its error information, the identifier of the interface
// whose call failed. A needed interface pointer that is null raises E_POINTER the same way.
#include "common/auto_p.h"
#include "framework/CString.h"
#include <windows.h>
#include <comdef.h>
#include <msxml2.h>

// Throws _com_error for hr with the interface identifier as the error's GUID.
[[noreturn]] void ThrowXmlComError(HRESULT hr, REFIID iid);

// Throws when hr is a failure code.
inline void CheckXmlCall(HRESULT hr, REFIID iid)
{
    if (FAILED(hr))
        ThrowXmlComError(hr, iid);
}

// Throws E_POINTER when a needed interface pointer is null; returns it otherwise.
template <class T> T* CheckXmlPointer(T* p, REFIID iid)
{
    if (!p)
        ThrowXmlComError(E_POINTER, iid);
    return p;
}

DOMNodeType GetXmlNodeType(IXMLDOMNode* node);
CString GetXmlNodeName(IXMLDOMNode* node);
// The node's value converted to text: the exact character data of a text, CDATA or
// comment node, the value of an attribute; empty for a node without a value.
CString GetXmlNodeValue(IXMLDOMNode* node);
void SetXmlNodeValue(IXMLDOMNode* node, const CString& value);
// Neighbours of a node; null when there is none.
auto_rel<IXMLDOMNode> GetXmlFirstChild(IXMLDOMNode* node);
auto_rel<IXMLDOMNode> GetXmlNextSibling(IXMLDOMNode* node);
auto_rel<IXMLDOMNode> GetXmlParent(IXMLDOMNode* node);
// The attributes of an element; null for a node that has none (document, text, ...).
auto_rel<IXMLDOMNamedNodeMap> GetXmlAttributes(IXMLDOMNode* node);
// Whether the node is the document element. Tested by place, not by COM identity: a DOM
// may hand out a new wrapper object each time a node is reached.
bool IsXmlDocumentElement(IXMLDOMNode* node);
