#include "screensaver/CDlgSettings.h"

#include "framework/AppFileDialog.h"
#include "framework/AppMessageBox.h"
#include "framework/CWaitCursor.h"
#include "screensaver/CDlgAbout.h"
#include "screensaver/CImagePoolFile.h"
#include "screensaver/CVellScreenSaverWnd.h"
#include "screensaver/resource.h"

#include <algorithm>
#include <commctrl.h>

namespace
{
const wchar_t* const kEffectTexts[] = {L"<No effects/Normal image>",
                                       L"Fire",
                                       L"Plasma",
                                       L"Water",
                                       L"Display left-right",
                                       L"Display right-left",
                                       L"Display up-down",
                                       L"Display down-up",
                                       L"Display in-out horizontally",
                                       L"Display in-out vertically",
                                       L"Display out-in horizontally",
                                       L"Display out-in vertically",
                                       L"Display in-out",
                                       L"Display out-in",
                                       L"Mozaic"};
const wchar_t* const kMatrixTexts[] = {L"Matrix 5x5", L"Matrix 10x10", L"Matrix 15x15"};
const wchar_t kAddFilter[] = L"Windows Bitmap (*.bmp)|*.bmp|Device Independent Bitmap DIB (*.dib)|*.dib|Portable "
                             L"Network Graphics (*.png)|*.png|JPEG Image File (*.jpg)|*.jpg|CompuServe GIF "
                             L"(*.gif)|*.gif||";
// The switch-time slider: 10 to 20 seconds in steps of one.
const int kSwitchBaseMs = 10000;
const int kSwitchStepMs = 1000;
const int kSwitchSteps = 10;

void Show(HWND control, bool show)
{
    ShowWindow(control, show ? SW_SHOW : SW_HIDE);
}

RECT ChildRect(HWND dialog, HWND control)
{
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}
} // namespace

CDlgSettings::CDlgSettings(HWND parent) : CDialog(IDD_SETTINGS, parent)
{
    // The dialog's own defaults differ from the saver's: no original size, the pool on.
    m_settings.image = kScreenSaverLogoName;
    m_settings.origSize = false;
    m_settings.pool = true;
    m_settings.Read();
    m_folder = ReadScreenSaverFolder();
}

CVellScreenSaverWnd* CDlgSettings::Preview() const
{
    return dynamic_cast<CVellScreenSaverWnd*>(CWnd::FromHandle(m_previewWindow));
}

std::vector<CString> CDlgSettings::ListPictureNames(const CString& folder)
{
    std::vector<CString> names;
    WIN32_FIND_DATAW found;
    HANDLE search = folder.IsEmpty() ? INVALID_HANDLE_VALUE : FindFirstFileW(folder + L"\\*.bmp", &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do
    {
        CString name = found.cFileName;
        // Only the final extension goes: "v1.2.bmp" is the picture "v1.2".
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name.Right(4).CompareNoCase(L".bmp") == 0)
            names.push_back(name.Left(name.GetLength() - 4));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end(), [](const CString& a, const CString& b) { return a.CompareNoCase(b) < 0; });
    return names;
}

BOOL CDlgSettings::OnInitDialog()
{
    CDialog::OnInitDialog();
    HWND dialog = GetSafeHwnd();
    CString about;
    if (about.LoadString(IDS_ABOUT_MENU) && !about.IsEmpty())
    {
        HMENU menu = GetSystemMenu(dialog, FALSE);
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu, MF_STRING, IDM_ABOUT, about);
    }
    m_effects.SubclassDlgItem(IDC_SETTINGS_EFFECT_COMBO, dialog);
    m_pictures.SubclassDlgItem(IDC_SETTINGS_PICTURE_COMBO, dialog);
    m_matrix.SubclassDlgItem(IDC_SETTINGS_MATRIX_COMBO, dialog);
    m_pool.SubclassDlgItem(IDC_SETTINGS_POOL_CHECK, dialog);
    m_origSize.SubclassDlgItem(IDC_SETTINGS_ORIG_SIZE, dialog);
    m_parameter.SubclassDlgItem(IDC_SETTINGS_PARAM_SLIDER, dialog);
    m_switchTime.SubclassDlgItem(IDC_SETTINGS_SWITCH_SLIDER, dialog);
    m_poolList.Attach(dialog, IDC_SETTINGS_POOL_LIST);
    for (const wchar_t* text : kEffectTexts)
        m_effects.AddString(text);
    for (const wchar_t* text : kMatrixTexts)
        m_matrix.AddString(text);
    m_switchTime.SetRange(0, kSwitchSteps);
    m_switchTime.SetPos((m_settings.poolTime - kSwitchBaseMs) / kSwitchStepMs);

    FillPictureCombo();
    LoadPool();
    m_effects.SetCurSel(m_settings.effect);
    m_origSize.SetCheck(m_settings.origSize ? BST_CHECKED : BST_UNCHECKED);
    ShowParameterControls();
    m_pool.SetCheck(m_settings.pool ? BST_CHECKED : BST_UNCHECKED);
    UpdateRemove();
    LayOut();
    SaveAll();
    CreatePreview();
    return TRUE;
}

void CDlgSettings::FillPictureCombo()
{
    m_pictures.ResetContent();
    m_pictures.AddString(kScreenSaverLogoName);
    for (const CString& name : ListPictureNames(m_folder))
        m_pictures.AddString(name);
    int selected = 0;
    for (int i = 0; i < m_pictures.GetCount(); ++i)
        if (m_pictures.GetItemText(i) == m_settings.image)
        {
            selected = i;
            break;
        }
    m_pictures.SetCurSel(selected);
    m_settings.image = m_pictures.GetItemText(selected);
}

void CDlgSettings::LoadPool()
{
    CWaitCursor wait;
    std::vector<CString> paths;
    switch (CImagePoolFile::Read(ImagePoolFilePath(m_folder), paths))
    {
    case CImagePoolFile::ReadFailed:
        AppMessageBox(IDS_POOL_LOAD, MB_ICONEXCLAMATION, GetSafeHwnd());
        break;
    case CImagePoolFile::ReadDone:
        for (const CString& path : paths)
            m_poolList.AddPath(path);
        break;
    default:
        break;
    }
}

void CDlgSettings::ShowParameterControls()
{
    HWND label = GetDlgItem(IDC_SETTINGS_PARAM_LABEL);
    const int effect = m_settings.effect;
    Show(label, effect != SSE_NONE);
    Show(m_parameter, effect != SSE_NONE && effect != SSE_MOSAIC);
    Show(m_matrix, effect == SSE_MOSAIC);
    UINT labelId = IDS_FREQ_DISPLAY;
    if (effect == SSE_FIRE || effect == SSE_PLASMA)
    {
        labelId = IDS_ALPHA_FACTOR;
        m_parameter.SetRange(5, 100);
        m_parameter.SetPos(effect == SSE_FIRE ? m_settings.alphaFire : m_settings.alphaPlasma);
    }
    else if (effect == SSE_MOSAIC)
    {
        labelId = IDS_MATRIX_SIZE;
        m_matrix.SetCurSel(m_settings.matrix);
    }
    else
    {
        labelId = effect == SSE_WATER ? IDS_FREQ_DROPS : IDS_FREQ_DISPLAY;
        m_parameter.SetRange(3000, 10000);
        m_parameter.SetPos(effect == SSE_WATER ? m_settings.freqWater : m_settings.freqDisplay);
    }
    CString text;
    text.LoadString(labelId);
    SetWindowTextW(label, text);
}

void CDlgSettings::LayOut()
{
    const bool pool = m_settings.pool;
    Show(m_pictures, !pool);
    for (UINT id : {IDC_SETTINGS_POOL_LIST, IDC_SETTINGS_ADD, IDC_SETTINGS_REMOVE, IDC_SETTINGS_SWITCH_SLIDER,
                    IDC_SETTINGS_SWITCH_LABEL})
        Show(GetDlgItem(id), pool);
    // The preview takes what is left of the picture frame below the list or the combo.
    HWND dialog = GetSafeHwnd();
    const RECT frame = ChildRect(dialog, GetDlgItem(IDC_SETTINGS_PICTURE_FRAME));
    const RECT above = ChildRect(dialog, pool ? m_poolList.GetSafeHwnd() : m_pictures.GetSafeHwnd());
    const RECT combo = pool ? above : RECT{above.left, above.top, above.right, above.top + 14};
    const LONG top = (pool ? above.bottom : combo.bottom) + 6;
    const LONG margin = 8;
    MoveWindow(GetDlgItem(IDC_SETTINGS_PREVIEW), frame.left + margin, top, frame.right - frame.left - 2 * margin,
               std::max<LONG>(frame.bottom - margin - top, 10), TRUE);
    if (HWND preview = m_previewWindow)
    {
        RECT area;
        GetClientRect(GetDlgItem(IDC_SETTINGS_PREVIEW), &area);
        MoveWindow(preview, 0, 0, area.right, area.bottom, TRUE);
    }
}

void CDlgSettings::CreatePreview()
{
    auto* preview = new CVellScreenSaverWnd();
    // The window deletes itself when it goes with the dialog.
    if (preview->Create(GetDlgItem(IDC_SETTINGS_PREVIEW), RECT{}))
        m_previewWindow = preview->GetSafeHwnd();
    else
        delete preview;
}

void CDlgSettings::SaveAll()
{
    CWaitCursor wait;
    m_settings.Write();
    WritePoolFile();
    if (CVellScreenSaverWnd* preview = Preview())
        preview->RequestRead(200);
}

bool CDlgSettings::WritePoolFile()
{
    switch (CImagePoolFile::Write(m_folder, m_poolList.GetPaths()))
    {
    case CImagePoolFile::WriteNoFolder: {
        CString format, text;
        format.LoadString(IDS_POOL_FOLDER);
        text.Format(format, m_folder.GetString());
        AppMessageBox(text, MB_ICONEXCLAMATION, GetSafeHwnd());
        return false;
    }
    case CImagePoolFile::WriteFailed:
        AppMessageBox(IDS_POOL_SAVE, MB_ICONEXCLAMATION, GetSafeHwnd());
        return false;
    default:
        return true;
    }
}

void CDlgSettings::AddPictures()
{
    FileDialogRequest request;
    request.filter = kAddFilter;
    request.flags = OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
    request.owner = GetSafeHwnd();
    for (const CString& path : AppFileDialog(request).paths)
        m_poolList.AddPath(path);
}

void CDlgSettings::UpdateRemove()
{
    EnableWindow(GetDlgItem(IDC_SETTINGS_REMOVE), m_poolList.GetSelectedCount() > 0);
}

bool CDlgSettings::OnCommand(UINT code, UINT id, HWND control)
{
    if (code == CBN_SELCHANGE && id == IDC_SETTINGS_EFFECT_COMBO)
    {
        m_settings.effect = std::max(m_effects.GetCurSel(), 0);
        ShowParameterControls();
    }
    else if (code == CBN_SELCHANGE && id == IDC_SETTINGS_PICTURE_COMBO)
        m_settings.image = m_pictures.GetItemText(m_pictures.GetCurSel());
    else if (code == CBN_SELCHANGE && id == IDC_SETTINGS_MATRIX_COMBO)
        m_settings.matrix = std::max(m_matrix.GetCurSel(), 0);
    else if (code == BN_CLICKED && id == IDC_SETTINGS_ORIG_SIZE)
        m_settings.origSize = m_origSize.GetCheck() == BST_CHECKED;
    else if (code == BN_CLICKED && id == IDC_SETTINGS_POOL_CHECK)
    {
        m_settings.pool = m_pool.GetCheck() == BST_CHECKED;
        LayOut();
        if (CVellScreenSaverWnd* preview = Preview())
            preview->EnablePoolTimer(m_settings.pool);
    }
    else if (code == BN_CLICKED && id == IDC_SETTINGS_ADD)
        AddPictures();
    else if (code == BN_CLICKED && id == IDC_SETTINGS_REMOVE)
    {
        m_poolList.RemoveSelected();
        UpdateRemove();
    }
    else
        return CDialog::OnCommand(code, id, control);
    SaveAll();
    return true;
}

void CDlgSettings::OnParameterReleased()
{
    const int position = m_parameter.GetPos();
    switch (m_settings.effect)
    {
    case SSE_FIRE:
        m_settings.alphaFire = position;
        break;
    case SSE_PLASMA:
        m_settings.alphaPlasma = position;
        break;
    case SSE_WATER:
        m_settings.freqWater = position;
        break;
    default:
        if (m_settings.effect >= SSE_LEFT_RIGHT && m_settings.effect <= SSE_OUT_IN)
            m_settings.freqDisplay = position;
        break;
    }
}

bool CDlgSettings::OnNotify(const NMHDR& header, LRESULT& result)
{
    if (header.code == NM_RELEASEDCAPTURE && header.idFrom == IDC_SETTINGS_PARAM_SLIDER)
        OnParameterReleased();
    else if (header.code == NM_RELEASEDCAPTURE && header.idFrom == IDC_SETTINGS_SWITCH_SLIDER)
        m_settings.poolTime = m_switchTime.GetPos() * kSwitchStepMs + kSwitchBaseMs;
    else if (header.code == LVN_ITEMCHANGED && header.idFrom == IDC_SETTINGS_POOL_LIST)
    {
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        if (!((change.uNewState ^ change.uOldState) & LVIS_SELECTED))
            return false;
        UpdateRemove();
        return false;
    }
    else
        return CDialog::OnNotify(header, result);
    SaveAll();
    result = 0;
    return true;
}

void CDlgSettings::OnOK()
{
    SaveAll();
    m_poolList.SaveColumnWidths();
    EndDialog(IDOK);
}

LRESULT CDlgSettings::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == IDM_ABOUT)
    {
        CDlgAbout(GetSafeHwnd()).DoModal();
        return 0;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}
