// The checks of whole-file writes on Windows (ReplaceFileW, attributes,
// read-only files), run by glavo-win32-check.exe under Wine.
#pragma once

#include <string>

namespace win32_check {

using Report = void (*)(const char* name, bool ok, const std::string& detail);

void CheckWholeFile(Report report);

}  // namespace win32_check
