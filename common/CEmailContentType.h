#pragma once
// CEmailContentType: the MIME content type of a file, named from its extension, for a
// file attached to a mail message. An extension the table does not know gets
// "application/octet-stream".
#include "framework/CString.h"

class CEmailContentType
{
public:
    // Kind of a content type the table named, and of the default.
    static const int kKnown = 0;
    static const int kDefault = 5;

    // Splits the path (its first 260 characters), lower-cases the extension and looks
    // it up; the default when the table does not have it.
    explicit CEmailContentType(const CString& path);
    virtual ~CEmailContentType() = default;

    // Sets the content type and kind from the extension; false (nothing set) when the
    // table does not have it.
    bool Lookup();

    const CString& GetFileName() const { return m_fileName; }
    const CString& GetFolder() const { return m_folder; }
    const CString& GetExtension() const { return m_extension; }
    const CString& GetContentType() const { return m_contentType; }
    int GetKind() const { return m_kind; }

private:
    CString m_fileName;
    CString m_folder;
    CString m_extension; // lower case, with its "."
    CString m_contentType;
    int m_kind = kDefault;
};
