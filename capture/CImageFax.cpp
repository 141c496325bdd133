#include "capture/CImageFax.h"

#include "common/PathHelpers.h"
#include "common/SystemHelpers.h"
#include "common/auto_p.h"
#include "standins/fax/CFaxServiceLibrary.h"

namespace
{
const wchar_t kFaxFolder[] = L"\\Fax";
const wchar_t kLocalServer[] = L"(local)";

// Sets a text property of the document through a BSTR of its own.
void PutText(IFaxDoc* document, HRESULT (STDMETHODCALLTYPE IFaxDoc::*put)(BSTR), const wchar_t* text)
{
    BSTR value = SysAllocString(text);
    (document->*put)(value);
    SysFreeString(value);
}
} // namespace

CImageFax::CImageFax(const wchar_t* faxLibraryName) : m_faxLibraryName(faxLibraryName) {}

DestinationResult CImageFax::Execute()
{
    if (!CanExecute())
        return DR_FAILED;

    // The save creates the Fax folder on first use.
    if (!SaveImage(m_imagePath, kFaxFolder, static_cast<EnumFileType>(RunInfo().FType)))
        return DR_FAILED;
    if (!FileExists(m_imagePath))
    {
        m_errorText.Format(L"Image file '%s' missing.", m_imagePath.GetString());
        return DR_FAILED;
    }
    return Send();
}

DestinationResult CImageFax::Send()
{
    CFaxServiceLibrary library(m_faxLibraryName);
    // Every object of the library is released before the library goes.
    auto_rel<IFaxServer> server;
    HRESULT hr = library.CreateFaxServer(&server);
    if (FAILED(hr))
        return Fail(L"COM interface IFaxServer not found for fax server '%s'. Error: %s", hr);

    BSTR serverName = IsLocalServer() ? nullptr : SysAllocString(RunInfo().SvrName);
    hr = server->Connect(serverName);
    SysFreeString(serverName);
    if (FAILED(hr))
        return Fail(L"Cannot connect to the specified fax server '%s'. Error: %s", hr);

    auto_rel<IFaxDoc> document;
    BSTR fileName = SysAllocString(m_imagePath);
    hr = server->CreateDocument(fileName, &document);
    SysFreeString(fileName);
    if (FAILED(hr))
    {
        server->Disconnect();
        return Fail(L"Cannot create the fax document for fax server '%s'. Error: %s", hr);
    }

    FillDocument(document, library);
    hr = document->Send(nullptr);
    document.Release();
    server->Disconnect();
    if (FAILED(hr))
        return Fail(L"Failure sending the image using the network fax server '%s'. Error: %s", hr);
    return DR_DONE;
}

void CImageFax::FillDocument(IFaxDoc* document, const CFaxServiceLibrary& library) const
{
    const InfoScFax& info = RunInfo();
    PutText(document, &IFaxDoc::put_FileName, m_imagePath);
    FillSender(document, library);

    PutText(document, &IFaxDoc::put_FaxNumber, info.RecNumber);
    PutText(document, &IFaxDoc::put_RecipientName, info.RecName);
    PutText(document, &IFaxDoc::put_RecipientCompany, info.RecCompany);
    PutText(document, &IFaxDoc::put_RecipientDepartment, info.RecDepartment);
    document->put_SendCoverpage(info.UseCoverPage ? TRUE : FALSE);
    document->put_ServerCoverpage(TRUE);
    PutText(document, &IFaxDoc::put_CoverpageNote, info.Note);
    PutText(document, &IFaxDoc::put_CoverpageSubject, info.Subject);
    PutText(document, &IFaxDoc::put_DisplayName, L"Fax sent to " + info.RecName);
}

void CImageFax::FillSender(IFaxDoc* document, const CFaxServiceLibrary& library) const
{
    FAX_JOB_PARAMW* job = nullptr;
    FAX_COVERPAGE_INFOW* cover = nullptr;
    // Without defaults the fax goes with the recipient's fields only.
    if (!library.FaxCompleteJobParams(&job, &cover))
        return;

    PutText(document, &IFaxDoc::put_BillingCode, job->BillingCode);
    PutText(document, &IFaxDoc::put_CoverpageName, RunInfo().CoverPageName);
    document->put_SendCoverpage(cover->UseServerCoverPage);
    document->put_ServerCoverpage(cover->UseServerCoverPage);
    PutText(document, &IFaxDoc::put_SenderAddress, cover->SdrAddress);
    PutText(document, &IFaxDoc::put_SenderCompany, cover->SdrCompany);
    PutText(document, &IFaxDoc::put_SenderDepartment, cover->SdrDepartment);
    PutText(document, &IFaxDoc::put_SenderFax, cover->SdrFaxNumber);
    PutText(document, &IFaxDoc::put_SenderHomePhone, cover->SdrHomePhone);
    PutText(document, &IFaxDoc::put_SenderName, cover->SdrName);
    PutText(document, &IFaxDoc::put_SenderOffice, cover->SdrOfficeLocation);
    PutText(document, &IFaxDoc::put_SenderOfficePhone, cover->SdrOfficePhone);
    PutText(document, &IFaxDoc::put_SenderTitle, cover->SdrTitle);
    library.FaxFreeBuffer(job);
    library.FaxFreeBuffer(cover);
}

bool CImageFax::IsLocalServer() const
{
    const CString& server = RunInfo().SvrName;
    if (server == kLocalServer)
        return true;
    wchar_t name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD length = MAX_COMPUTERNAME_LENGTH + 1;
    return GetComputerNameW(name, &length) && server.CompareNoCase(name) == 0;
}

DestinationResult CImageFax::Fail(const wchar_t* format, HRESULT hr)
{
    m_errorText.Format(format, RunInfo().SvrName.GetString(), GetHResultText(hr).GetString());
    return DR_FAILED;
}

void CImageFax::CopyPart(const InfoScFax& record, unsigned int part)
{
    InfoScFax& edit = EditInfo();
    switch (part)
    {
    case 1:
        edit.ShowDlg = record.ShowDlg;
        break;
    case 4:
        edit.SvrName = record.SvrName;
        edit.RecNumber = record.RecNumber;
        edit.RecName = record.RecName;
        edit.RecCompany = record.RecCompany;
        edit.RecDepartment = record.RecDepartment;
        break;
    case 5:
        edit.UseCoverPage = record.UseCoverPage;
        edit.CoverPageName = record.CoverPageName;
        edit.Note = record.Note;
        edit.Subject = record.Subject;
        break;
    default:
        break;
    }
}
