#pragma once
// The main window's configuration commands, one call each: Open Configuration and a
// recent entry (open a path), Save Configuration (save to a path). Each makes one
// configuration document for the command. False with the text to show when the command
// failed, in which case nothing was changed (open) or the old file stays (save); the
// caller lists the path among the recent configurations only on success.
// User-interface thread, COM initialised.
#include "framework/CString.h"

bool OpenConfigurationFile(const CString& path, CString& errorText);
bool SaveConfigurationFile(const CString& path, CString& errorText);
