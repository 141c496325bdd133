#pragma once
// CSymetricEncrypter: enciphers the web upload password for the registry and back with
// RC4, keyed by the MD5 digest of a passphrase built into the library.
#include "Info/InfoApi.h"
#include "framework/CArray.h"
#include "framework/CString.h"

#include <windows.h>
#include <wincrypt.h>

class INFO_API CSymetricEncrypter
{
public:
    // Thrown by the step that failed.
    enum ExceptionEnum : int
    {
        EX_ACQUIRE_CONTEXT = 0,
        EX_CREATE_HASH = 1,
        EX_HASH_DATA = 2,
        EX_DERIVE_KEY = 3,
        EX_ENCRYPT = 5,
        EX_DECRYPT = 6,
    };

    // Derives the key from the built-in passphrase; throws EX_ACQUIRE_CONTEXT to EX_DERIVE_KEY.
    CSymetricEncrypter();
    CSymetricEncrypter(const CSymetricEncrypter&) = delete;
    CSymetricEncrypter& operator=(const CSymetricEncrypter&) = delete;
    virtual ~CSymetricEncrypter();

    // The cipher of the UTF-16 text with its terminator: 2 x (length + 1) bytes.
    void Encrypt(const CString& text, CByteArray& cipher, bool final);
    // The text up to the first null of the deciphered bytes, read as at most size / 2
    // UTF-16 characters; empty bytes give an empty text.
    void Decrypt(const CByteArray& cipher, CString& text, bool final);

private:
    [[noreturn]] void Fail(ExceptionEnum step);
    void Release();

    HCRYPTKEY m_key = 0;
    HCRYPTPROV m_provider = 0;
};
