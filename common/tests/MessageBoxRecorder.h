#pragma once
// Answers every message box while it lives and records what was shown; the previous
// handler comes back afterwards.
#include "framework/AppMessageBox.h"
#include <vector>

class MessageBoxRecorder
{
public:
    struct Box
    {
        CString text;
        CString caption;
        UINT type;
    };

    explicit MessageBoxRecorder(int answer)
        : m_previous(AppSetMessageBoxHandler([this](const CString& text, const CString& caption, UINT type) {
              boxes.push_back(Box{text, caption, type});
              return m_answer;
          })),
          m_answer(answer)
    {
    }
    ~MessageBoxRecorder() { AppSetMessageBoxHandler(m_previous); }
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    std::vector<Box> boxes;

private:
    MessageBoxHandler m_previous;
    int m_answer;
};
