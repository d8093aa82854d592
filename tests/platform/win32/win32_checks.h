// The groups of checks glavo-win32-check.exe runs under Wine besides its
// own: each reports every check by name through `report`.
#pragma once

#include <string>

namespace win32_check {

using Report = void (*)(const char* name, bool ok, const std::string& detail);

// The raster canvas: our raster with GDI text.
void CheckRasterCanvas(Report report);
// Whole-file writes on Windows: ReplaceFileW, attributes, read-only files.
void CheckWholeFile(Report report);
// The demonstration scene through real GDI, written to `imagePath` (raw
// pixels) and `tablePath` (its tiles); reported as "scene.written".
void WriteScene(Report report, const char* imagePath, const char* tablePath);

}  // namespace win32_check
