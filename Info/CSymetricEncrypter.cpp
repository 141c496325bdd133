#include "Info/CSymetricEncrypter.h"

#include <algorithm>
#include <vector>

namespace
{
const wchar_t kPassphrase[] = L"qN4'vb&Tm9#rW2zk";

// Hashes the passphrase in the thread's ANSI code page, without its terminator.
bool HashPassphrase(HCRYPTHASH hash)
{
    const int length = static_cast<int>(wcslen(kPassphrase));
    std::vector<char> ansi(2 * length + 2);
    const int written = WideCharToMultiByte(CP_THREAD_ACP, 0, kPassphrase, -1, ansi.data(),
                                            static_cast<int>(ansi.size()), nullptr, nullptr);
    return written > 0 &&
           CryptHashData(hash, reinterpret_cast<const BYTE*>(ansi.data()), static_cast<DWORD>(written - 1), 0);
}
} // namespace

CSymetricEncrypter::CSymetricEncrypter()
{
    if (!CryptAcquireContextW(&m_provider, nullptr, nullptr, PROV_RSA_FULL, CRYPT_VERIFYCONTEXT))
    {
        m_provider = 0;
        Fail(EX_ACQUIRE_CONTEXT);
    }
    HCRYPTHASH hash = 0;
    if (!CryptCreateHash(m_provider, CALG_MD5, 0, 0, &hash))
        Fail(EX_CREATE_HASH);
    const bool hashed = HashPassphrase(hash);
    const bool derived = hashed && CryptDeriveKey(m_provider, CALG_RC4, hash, CRYPT_EXPORTABLE, &m_key);
    CryptDestroyHash(hash);
    if (!hashed)
        Fail(EX_HASH_DATA);
    if (!derived)
    {
        m_key = 0;
        Fail(EX_DERIVE_KEY);
    }
}

CSymetricEncrypter::~CSymetricEncrypter()
{
    Release();
}

void CSymetricEncrypter::Release()
{
    if (m_key)
        CryptDestroyKey(m_key);
    if (m_provider)
        CryptReleaseContext(m_provider, 0);
    m_key = 0;
    m_provider = 0;
}

void CSymetricEncrypter::Fail(ExceptionEnum step)
{
    // A throwing constructor runs no destructor: release what is held here.
    Release();
    throw step;
}

void CSymetricEncrypter::Encrypt(const CString& text, CByteArray& cipher, bool final)
{
    const DWORD length = 2 * static_cast<DWORD>(text.GetLength()) + 2;
    // Some providers answer the size query for a stream cipher with the buffer length
    // rather than the data length, so the buffer is never made smaller than the data.
    DWORD required = length;
    if (!CryptEncrypt(m_key, 0, final, 0, nullptr, &required, 0))
        throw EX_ENCRYPT;
    std::vector<BYTE> buffer(std::max(required, length));
    memcpy(buffer.data(), static_cast<const wchar_t*>(text), length);
    DWORD dataLength = length;
    if (!CryptEncrypt(m_key, 0, final, 0, buffer.data(), &dataLength, static_cast<DWORD>(buffer.size())))
        throw EX_ENCRYPT;
    cipher.SetSize(static_cast<int>(dataLength));
    std::copy(buffer.begin(), buffer.begin() + dataLength, cipher.GetData());
}

void CSymetricEncrypter::Decrypt(const CByteArray& cipher, CString& text, bool final)
{
    if (cipher.IsEmpty())
    {
        text.Empty();
        return;
    }
    CByteArray work(cipher);
    DWORD dataLength = static_cast<DWORD>(work.GetSize());
    if (!CryptDecrypt(m_key, 0, final, 0, work.GetData(), &dataLength))
        throw EX_DECRYPT;
    // A stored value may be corrupt: read no further than its bytes, and stop at the
    // first null within them.
    const int chars = static_cast<int>(std::min<DWORD>(dataLength, work.GetSize()) / sizeof(wchar_t));
    std::vector<wchar_t> wide(chars);
    memcpy(wide.data(), work.GetData(), chars * sizeof(wchar_t));
    const int length = static_cast<int>(std::find(wide.begin(), wide.end(), L'\0') - wide.begin());
    text = CString(wide.data(), length);
}
