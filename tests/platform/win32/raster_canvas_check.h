// The checks of the raster canvas (our raster with GDI text), run by
// glavo-win32-check.exe under Wine.
#pragma once

#include <string>

namespace win32_check {

using Report = void (*)(const char* name, bool ok, const std::string& detail);

void CheckRasterCanvas(Report report);

}  // namespace win32_check
