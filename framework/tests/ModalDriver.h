#pragma once
// Runs a modal dialog's test steps inside its loop while the object lives.
#include "framework/CDialog.h"

#include <utility>

class ModalDriver
{
public:
    explicit ModalDriver(CDialog::ModalHook hook) : m_previous(CDialog::SetModalHook(std::move(hook))) {}
    ~ModalDriver() { CDialog::SetModalHook(std::move(m_previous)); }

private:
    CDialog::ModalHook m_previous;
};
