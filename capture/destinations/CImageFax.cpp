#include "capture/destinations/CImageFax.h"

#include "common/CFaxClientLibrary.h"
#include "common/FaxClientApi.h"
#include "common/PathHelpers.h"
#include "common/SystemHelpers.h"
#include "framework/CDispatchDriver.h"
#include "framework/Handles.h"

namespace
{
const wchar_t kFaxFolder[] = L"\\Fax";
const wchar_t kLocalServer[] = L"(local)";
// In process, on this computer or on another: wherever the system serves the class.
const DWORD kServerContext = CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER;
} // namespace

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
    CComApartment apartment;
    // Declared after the apartment: the objects are released before it ends.
    CDispatchDriver server;
    HRESULT hr = server.Create(CLSID_FaxServer, kServerContext);
    if (FAILED(hr))
        return Fail(L"COM interface IFaxServer not found for fax server '%s'. Error: %s", hr);

    hr = server.Call(L"Connect", {CVariant(IsLocalServer() ? nullptr : RunInfo().SvrName.GetString())});
    if (FAILED(hr))
        return Fail(L"Cannot connect to the specified fax server '%s'. Error: %s", hr);

    CDispatchDriver document;
    hr = CreateDocument(server, document);
    if (FAILED(hr))
    {
        server.Call(L"Disconnect", {});
        return Fail(L"Cannot create the fax document for fax server '%s'. Error: %s", hr);
    }

    FillDocument(document);
    CVariant jobId;
    hr = document.Call(L"Send", {}, &jobId);
    document.Release();
    server.Call(L"Disconnect", {});
    if (FAILED(hr))
        return Fail(L"Failure sending the image using the network fax server '%s'. Error: %s", hr);
    return DR_DONE;
}

HRESULT CImageFax::CreateDocument(CDispatchDriver& server, CDispatchDriver& document) const
{
    CVariant created;
    HRESULT hr = server.Call(L"CreateDocument", {CVariant(m_imagePath.GetString())}, &created);
    return FAILED(hr) ? hr : document.Attach(created);
}

void CImageFax::FillDocument(CDispatchDriver& document) const
{
    const InfoScFax& info = RunInfo();
    document.Put(L"FileName", CVariant(m_imagePath.GetString()));
    FillSender(document);

    const struct
    {
        const wchar_t* property;
        CVariant value;
    } recipient[] = {
        {L"FaxNumber", CVariant(info.RecNumber.GetString())},
        {L"RecipientName", CVariant(info.RecName.GetString())},
        {L"RecipientCompany", CVariant(info.RecCompany.GetString())},
        {L"RecipientDepartment", CVariant(info.RecDepartment.GetString())},
        {L"SendCoverpage", CVariant(info.UseCoverPage)},
        {L"ServerCoverpage", CVariant(true)},
        {L"CoverpageNote", CVariant(info.Note.GetString())},
        {L"CoverpageSubject", CVariant(info.Subject.GetString())},
        {L"DisplayName", CVariant((L"Fax sent to " + info.RecName).GetString())},
    };
    for (const auto& field : recipient)
        document.Put(field.property, field.value);
}

void CImageFax::FillSender(CDispatchDriver& document) const
{
    CFaxClientLibrary client;
    FAX_JOB_PARAMW* job = nullptr;
    FAX_COVERPAGE_INFOW* cover = nullptr;
    // Without defaults the fax goes with the recipient's fields only.
    if (!client.CompleteJobParams(&job, &cover))
        return;

    const bool serverCoverPage = cover->UseServerCoverPage != FALSE;
    const struct
    {
        const wchar_t* property;
        CVariant value;
    } sender[] = {
        {L"BillingCode", CVariant(job->BillingCode)},
        {L"CoverpageName", CVariant(RunInfo().CoverPageName.GetString())},
        {L"SendCoverpage", CVariant(serverCoverPage)},
        {L"ServerCoverpage", CVariant(serverCoverPage)},
        {L"SenderAddress", CVariant(cover->SdrAddress)},
        {L"SenderCompany", CVariant(cover->SdrCompany)},
        {L"SenderDepartment", CVariant(cover->SdrDepartment)},
        {L"SenderFax", CVariant(cover->SdrFaxNumber)},
        {L"SenderHomePhone", CVariant(cover->SdrHomePhone)},
        {L"SenderName", CVariant(cover->SdrName)},
        {L"SenderOffice", CVariant(cover->SdrOfficeLocation)},
        {L"SenderOfficePhone", CVariant(cover->SdrOfficePhone)},
        {L"SenderTitle", CVariant(cover->SdrTitle)},
    };
    for (const auto& field : sender)
        document.Put(field.property, field.value);
    client.FreeBuffer(job);
    client.FreeBuffer(cover);
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
