#pragma once
// CPPagePropsBase: the property page of a settings record, the shared part of every
// record page: it remembers itself as its record type's last page when the user opens
// it, pops up the capture action menu on a right click of its background, and gives the
// pages their control access and their one way of refusing a value.
#include "capture/pages/IProperties.h"
#include "framework/CNumberEdit.h"
#include "framework/CPropertyPage.h"
#include "framework/CTtEdit.h"

#include <initializer_list>
#include <vector>

class CPPagePropsBase : public CPropertyPage, public IProperties
{
public:
    // type and pageIndex: the record type and the page's place among its pages.
    CPPagePropsBase(UINT templateId, EnumSendParam type, int pageIndex);

    EnumSendParam GetRecordType() const { return m_type; }
    int GetPageIndex() const { return m_pageIndex; }
    // Every enabled number edit of the page holds a number within its range; else
    // FailCheck with the edit's range message at the first that does not.
    bool CheckNumberRanges();

protected:
    bool OnSetActive() override;
    // The values are read by the record operations, not when the page is left.
    bool OnKillActive() override { return true; }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Makes the page current, shows the text in a box of the icon (0: none), moves the focus to the control (0:
    // where it is) and returns false.
    bool FailCheck(const CString& text, UINT icon, UINT controlId);
    // A text a control must not leave empty, and what the user is told when it does.
    struct RequiredText
    {
        UINT control;
        CString message;
    };
    // FailCheck (with the icon) at the first control in the list whose text is empty.
    bool CheckRequiredTexts(std::initializer_list<RequiredText> required, UINT icon);
    // The string of the id, with the argument for its "%s".
    static CString LoadText(UINT id, const wchar_t* argument = nullptr);

    CString GetText(UINT id) const;
    void SetText(UINT id, const CString& text);
    int GetNumber(UINT id) const;
    void SetNumber(UINT id, int value);
    bool GetCheck(UINT id) const;
    void SetCheck(UINT id, bool checked);
    int GetComboIndex(UINT id) const;
    void SetComboIndex(UINT id, int index);
    // The text of a combo box's item; empty for no item.
    CString GetComboText(UINT id, int index) const;
    void LimitText(UINT id, int length);
    // Binds a number edit of the page to its range; CheckNumberRanges checks it.
    void BindNumber(CNumberEdit& edit, UINT id, int minimum, int maximum);
    // Binds a file-name or path edit (a tip shows a text that does not fit) with its limit.
    void BindPath(CTtEdit& edit, UINT id, int length);
    void EnableItem(UINT id, bool enable);

private:
    EnumSendParam m_type;
    int m_pageIndex;
    std::vector<CNumberEdit*> m_numbers;
};
