#include "common/XmlDom.h"

void ThrowXmlComError(HRESULT hr, REFIID iid)
{
    IErrorInfo* info = nullptr;
    auto_rel<ICreateErrorInfo> create;
    if (SUCCEEDED(CreateErrorInfo(create.Receive())))
    {
        create->SetGUID(iid);
        create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info));
    }
    // The exception takes over the reference to info.
    throw _com_error(hr, info, false);
}

DOMNodeType GetXmlNodeType(IXMLDOMNode* node)
{
    DOMNodeType type = NODE_INVALID;
    CheckXmlCall(CheckXmlPointer(node, IID_IXMLDOMNode)->get_nodeType(&type), IID_IXMLDOMNode);
    return type;
}

CString GetXmlNodeName(IXMLDOMNode* node)
{
    BSTR name = nullptr;
    CheckXmlCall(CheckXmlPointer(node, IID_IXMLDOMNode)->get_nodeName(&name), IID_IXMLDOMNode);
    _bstr_t owner(name, false);
    return CString(static_cast<const wchar_t*>(owner));
}

CString GetXmlNodeValue(IXMLDOMNode* node)
{
    _variant_t value;
    CheckXmlCall(CheckXmlPointer(node, IID_IXMLDOMNode)->get_nodeValue(&value), IID_IXMLDOMNode);
    if (value.vt == VT_NULL || value.vt == VT_EMPTY)
        return CString();
    value.ChangeType(VT_BSTR);
    // A BSTR may hold embedded nulls; its length counts them.
    return CString(value.bstrVal, static_cast<int>(SysStringLen(value.bstrVal)));
}

void SetXmlNodeValue(IXMLDOMNode* node, const CString& value)
{
    CheckXmlCall(CheckXmlPointer(node, IID_IXMLDOMNode)->put_nodeValue(_variant_t(value.GetString())), IID_IXMLDOMNode);
}

auto_rel<IXMLDOMNode> GetXmlFirstChild(IXMLDOMNode* node)
{
    auto_rel<IXMLDOMNode> child;
    CheckXmlCall(CheckXmlPointer(node, IID_IXMLDOMNode)->get_firstChild(child.Receive()), IID_IXMLDOMNode);
    return child;
}

auto_rel<IXMLDOMNode> GetXmlNextSibling(IXMLDOMNode* node)
{
    auto_rel<IXMLDOMNode> sibling;
    CheckXmlCall(CheckXmlPointer(node, IID_IXMLDOMNode)->get_nextSibling(sibling.Receive()), IID_IXMLDOMNode);
    return sibling;
}

auto_rel<IXMLDOMNode> GetXmlParent(IXMLDOMNode* node)
{
    auto_rel<IXMLDOMNode> parent;
    CheckXmlCall(CheckXmlPointer(node, IID_IXMLDOMNode)->get_parentNode(parent.Receive()), IID_IXMLDOMNode);
    return parent;
}

auto_rel<IXMLDOMNamedNodeMap> GetXmlAttributes(IXMLDOMNode* node)
{
    auto_rel<IXMLDOMNamedNodeMap> attributes;
    CheckXmlCall(CheckXmlPointer(node, IID_IXMLDOMNode)->get_attributes(attributes.Receive()), IID_IXMLDOMNode);
    return attributes;
}

bool IsXmlDocumentElement(IXMLDOMNode* node)
{
    if (GetXmlNodeType(node) != NODE_ELEMENT)
        return false;
    auto_rel<IXMLDOMNode> parent = GetXmlParent(node);
    return parent && GetXmlNodeType(parent) == NODE_DOCUMENT;
}
