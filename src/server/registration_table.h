// Every registry entry the server writes, as one table. Registration walks
// it in order; unregistration walks it backwards and removes exactly what
// registration wrote.
#pragma once

#include <span>
#include <string>
#include <vector>

namespace glavo::server {

// A key below the classes root, optionally with one string value.
// Placeholders in braces ({clsid}, {module}, ...) are filled in by
// ResolveRegistration.
struct RegistryRow {
  const wchar_t* key;
  const wchar_t* name;   // nullptr: the key's default value
  const wchar_t* value;  // nullptr: the key only, no value
};

struct ResolvedRow {
  std::wstring key;
  bool hasValue = false;
  bool defaultValue = true;
  std::wstring name;
  std::wstring value;
};

std::span<const RegistryRow> RegistrationTable();

// The table with every placeholder replaced: the class, library and
// interface identifiers, the module's path and folder, and the platform
// key of the type library ("win32" or "win64").
std::vector<ResolvedRow> ResolveRegistration(const std::wstring& modulePath);

// Replaces each "{name}" of `text` that `lookup` knows.
std::wstring ExpandPlaceholders(const std::wstring& text,
                                std::span<const std::pair<std::wstring, std::wstring>> lookup);

}  // namespace glavo::server
