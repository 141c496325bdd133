#include "common/CErrorInfo.h"
#include "framework/AppModule.h"
#include <cwchar>
#include <new>

namespace
{
const int kFormatBufferLength = 1024;
const wchar_t kFormatFailed[] = L"Failed to generate Error Message";
const wchar_t kFormatIdFailed[] = L"Failed to generate Error Messsage";

// Thrown when the wide copy of a narrow format cannot be allocated.
class AllocationFailure : public std::bad_alloc
{
public:
    const char* what() const noexcept override { return "bad allocation"; }
};
} // namespace

CErrorInfo::CErrorInfo(HRESULT hr)
{
    LoadErrorInfo();
    SetHr(hr);
}

CErrorInfo::CErrorInfo(HRESULT hr, const wchar_t* message) : m_hr(hr)
{
    AppendLine(message);
}

CErrorInfo::CErrorInfo(const CErrorInfo& other) : m_hr(other.m_hr), m_message(other.m_message)
{
    m_createErrorInfo = other.m_createErrorInfo;
}

HRESULT CErrorInfo::FromWin32(DWORD error)
{
    const HRESULT asIs = static_cast<HRESULT>(error);
    return asIs <= 0 ? asIs : static_cast<HRESULT>((error & 0x0000FFFF) | (FACILITY_WIN32 << 16) | 0x80000000);
}

HRESULT CErrorInfo::FromLastError()
{
    const DWORD error = GetLastError();
    return error ? FromWin32(error) : E_FAIL;
}

void CErrorInfo::ThrowHr(HRESULT hr)
{
    throw CErrorInfo(hr);
}

void CErrorInfo::ThrowWin32(DWORD error)
{
    ThrowHr(FromWin32(error));
}

void CErrorInfo::ThrowLastError()
{
    ThrowHr(FromLastError());
}

HRESULT CErrorInfo::Report(HRESULT hr)
{
    // The code's own text, not a description an earlier failure left on the thread.
    ::SetErrorInfo(0, nullptr);
    CErrorInfo report(hr);
    if (IErrorInfo* published = report.Publish())
        published->Release();
    return hr;
}

bool CErrorInfo::Succeeded() const
{
    return m_hr >= 0;
}

bool CErrorInfo::Failed() const
{
    return m_hr < 0;
}

HRESULT CErrorInfo::GetHr() const
{
    return m_hr;
}

ICreateErrorInfo* CErrorInfo::GetCreateErrorInfo()
{
    return CreateErrorInfo();
}

IErrorInfo* CErrorInfo::Publish()
{
    auto_rel<ICreateErrorInfo> create;
    create.Attach(CreateErrorInfo());
    return SetErrorInfo(create);
}

void CErrorInfo::Clear()
{
    m_hr = 0;
    m_message.clear();
}

const wchar_t* CErrorInfo::FormatId(UINT id, ...)
{
    va_list args;
    va_start(args, id);
    const wchar_t* result = FormatIdV(id, args);
    va_end(args);
    return result;
}

const wchar_t* CErrorInfo::FormatIdV(UINT id, va_list args)
{
    wchar_t format[kFormatBufferLength];
    if (!::LoadStringW(AppGetResourceHandle(), id, format, kFormatBufferLength))
        return kFormatIdFailed;
    return FormatV(format, args);
}

const wchar_t* CErrorInfo::FormatA(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    const wchar_t* result = FormatVA(format, args);
    va_end(args);
    return result;
}

const wchar_t* CErrorInfo::FormatVA(const char* format, va_list args)
{
    int length = format ? ::MultiByteToWideChar(CP_ACP, 0, format, -1, nullptr, 0) : 0;
    if (length <= 0)
        return kFormatFailed;
    auto_pa<wchar_t> wide(new (std::nothrow) wchar_t[length]);
    if (!wide)
        throw AllocationFailure();
    ::MultiByteToWideChar(CP_ACP, 0, format, -1, wide.get(), length);
    return FormatV(wide.get(), args);
}

const wchar_t* CErrorInfo::Format(const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    const wchar_t* result = FormatV(format, args);
    va_end(args);
    return result;
}

const wchar_t* CErrorInfo::FormatV(const wchar_t* format, va_list args)
{
    if (!format)
        return kFormatFailed;
    wchar_t buffer[kFormatBufferLength];
    // The C runtime reports a text longer than the buffer with -1 and leaves a text of
    // exactly the buffer's length unterminated; the forced terminator cuts that one.
    int written = _vsnwprintf(buffer, kFormatBufferLength, format, args);
    buffer[kFormatBufferLength - 1] = L'\0';
    if (written < 0 || written > kFormatBufferLength)
        return kFormatFailed;
    AppendLine(buffer);
    return m_message.c_str();
}

const wchar_t* CErrorInfo::GetText() const
{
    return m_message.c_str();
}

HRESULT CErrorInfo::SetHr(HRESULT hr)
{
    m_hr = hr;
    if (m_message.empty() && hr != 0)
    {
        wchar_t* text = FormatErrorMessage(hr);
        if (text)
        {
            AppendLine(text);
            ::LocalFree(text);
        }
    }
    return hr;
}

HRESULT CErrorInfo::GetCode() const
{
    return m_hr;
}

void CErrorInfo::LoadErrorInfo()
{
    auto_rel<IErrorInfo> info;
    if (::GetErrorInfo(0, info.Receive()) != S_OK || !info)
        return;
    BSTR description = nullptr;
    if (SUCCEEDED(info->GetDescription(&description)) && description)
    {
        if (*description)
            AppendLine(description);
        ::SysFreeString(description);
    }
}

IErrorInfo* CErrorInfo::SetErrorInfo(ICreateErrorInfo* create)
{
    if (!create)
        return nullptr;
    IErrorInfo* info = nullptr;
    if (FAILED(create->QueryInterface(IID_PPV_ARGS(&info))))
        return nullptr;
    ::SetErrorInfo(0, info);
    return info;
}

ICreateErrorInfo* CErrorInfo::CreateErrorInfo()
{
    if (!m_createErrorInfo && FAILED(::CreateErrorInfo(m_createErrorInfo.Receive())))
        return nullptr;
    auto_rel<IErrorInfo> published;
    published.Attach(SetErrorInfo(m_createErrorInfo));
    m_createErrorInfo->AddRef();
    return m_createErrorInfo;
}

wchar_t* CErrorInfo::FormatErrorMessage(HRESULT hr)
{
    wchar_t* text = nullptr;
    DWORD length =
        ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                         nullptr, static_cast<DWORD>(hr), MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
                         reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    if (length && text)
    {
        // System texts end with CR LF; only the line feed goes.
        if (length > 1 && text[length - 1] == L'\n')
            text[length - 1] = L'\0';
        return text;
    }

    const size_t kGeneratedBytes = 64;
    text = static_cast<wchar_t*>(::LocalAlloc(LMEM_FIXED, kGeneratedBytes));
    if (!text)
        return nullptr;
    const size_t capacity = kGeneratedBytes / sizeof(wchar_t);
    const ULONG code = static_cast<ULONG>(hr);
    if (code >= 0x80040200 && code <= 0x8004FFFF && (code & 0xFFFF) != 0x200)
        _snwprintf(text, capacity, L"IDispatch error #%d", static_cast<int>((code - 0x200) & 0xFFFF));
    else
        _snwprintf(text, capacity, L"Unknown error %#08x", static_cast<unsigned>(code));
    text[capacity - 1] = L'\0';
    return text;
}

void CErrorInfo::AppendLine(const wchar_t* text)
{
    if (!m_message.empty())
        m_message += L"\r\n";
    m_message += text;

    auto_rel<ICreateErrorInfo> create;
    create.Attach(CreateErrorInfo());
    if (create)
        create->SetDescription(const_cast<LPOLESTR>(m_message.c_str()));
}
