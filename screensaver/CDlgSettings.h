#pragma once
// CDlgSettings: the screen saver's settings (dialog 101): the picture or an image pool,
// the effect and its parameter, whether the picture keeps its own size, and a live
// preview. Every change is written to the registry at once; the preview re-reads it.
#include "framework/CButton.h"
#include "framework/CComboBox.h"
#include "framework/CDialog.h"
#include "framework/CSliderCtrl.h"
#include "screensaver/CImagePoolListCtrl.h"
#include "screensaver/ScreenSaverSettings.h"

class CVellScreenSaverWnd;

class CDlgSettings : public CDialog
{
public:
    explicit CDlgSettings(HWND parent);

    const ScreenSaverSettings& Settings() const { return m_settings; }
    // The picture names the folder offers ("*.bmp" without the final ".bmp"), sorted.
    static std::vector<CString> ListPictureNames(const CString& folder);
    // The preview's saver window; null before the dialog is initialised.
    CVellScreenSaverWnd* Preview() const;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void FillPictureCombo();
    void LoadPool();
    void ShowParameterControls();
    void LayOut();
    void SaveAll();
    bool WritePoolFile();
    void AddPictures();
    void UpdateRemove();
    void OnParameterReleased();
    void CreatePreview();

    ScreenSaverSettings m_settings;
    CString m_folder;
    CComboBox m_effects;
    CComboBox m_pictures;
    CComboBox m_matrix;
    CButton m_pool;
    CButton m_origSize;
    CSliderCtrl m_parameter;
    CSliderCtrl m_switchTime;
    CImagePoolListCtrl m_poolList;
    HWND m_previewWindow = nullptr;
};
