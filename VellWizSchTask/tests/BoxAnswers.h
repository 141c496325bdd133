#pragma once
// Message boxes answered by a test: every box's text and style is kept, and each is
// answered with the next of the given buttons (the last one repeats). The test program's
// own handler is back when the object goes.
#include "framework/AppMessageBox.h"

#include <vector>

class BoxAnswers
{
public:
    explicit BoxAnswers(std::vector<int> buttons = {IDOK}) : m_buttons(std::move(buttons))
    {
        m_previous = AppSetMessageBoxHandler([this](const CString& text, const CString&, UINT type) {
            texts.push_back(text);
            types.push_back(type);
            const size_t next = std::min(texts.size() - 1, m_buttons.size() - 1);
            return m_buttons[next];
        });
    }
    BoxAnswers(const BoxAnswers&) = delete;
    BoxAnswers& operator=(const BoxAnswers&) = delete;
    ~BoxAnswers() { AppSetMessageBoxHandler(m_previous); }

    std::vector<CString> texts;
    std::vector<UINT> types;

private:
    std::vector<int> m_buttons;
    MessageBoxHandler m_previous;
};
