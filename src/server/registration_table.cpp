#include "server/registration_table.h"

#include <array>
#include <utility>

#include "server/com_headers.h"
#include "server/property_page.h"

namespace glavo::server {
namespace {

// OLEMISC_RECOMPOSEONRESIZE | CANTLINKINSIDE | INSIDEOUT | ACTIVATEWHENVISIBLE
// | SETCLIENTSITEFIRST: a windowed control that activates as soon as it shows.
constexpr const wchar_t* kMiscStatus = L"131473";

constexpr RegistryRow kRows[] = {
    {L"CLSID\\{clsid}", nullptr, L"GlavoSkin Control"},
    {L"CLSID\\{clsid}\\InprocServer32", nullptr, L"{module}"},
    {L"CLSID\\{clsid}\\InprocServer32", L"ThreadingModel", L"Apartment"},
    {L"CLSID\\{clsid}\\ProgID", nullptr, L"Glavowrap.GlavoSkin.1"},
    {L"CLSID\\{clsid}\\VersionIndependentProgID", nullptr, L"Glavowrap.GlavoSkin"},
    {L"CLSID\\{clsid}\\Control", nullptr, nullptr},
    {L"CLSID\\{clsid}\\MiscStatus", nullptr, L"0"},
    {L"CLSID\\{clsid}\\MiscStatus\\1", nullptr, kMiscStatus},
    {L"CLSID\\{clsid}\\TypeLib", nullptr, L"{libid}"},
    {L"CLSID\\{clsid}\\Version", nullptr, L"1.0"},
    {L"CLSID\\{clsid}\\Implemented Categories", nullptr, nullptr},
    {L"CLSID\\{clsid}\\Implemented Categories\\{catid_control}", nullptr, nullptr},
    // Safe for initialisation (Office loads the persisted look); never
    // safe for scripting: SaveSkinTheme writes any file it is given.
    {L"CLSID\\{clsid}\\Implemented Categories\\{catid_safe_init}", nullptr, nullptr},
    // The 16 x 15 picture of the VB6 and Office control toolboxes.
    {L"CLSID\\{clsid}\\ToolboxBitmap32", nullptr, L"{module}, 1"},
    // The property page that the property browser's "(Custom)" opens.
    {L"CLSID\\{page}", nullptr, L"GlavoSkin Property Page"},
    {L"CLSID\\{page}\\InprocServer32", nullptr, L"{module}"},
    {L"CLSID\\{page}\\InprocServer32", L"ThreadingModel", L"Apartment"},
    {L"Glavowrap.GlavoSkin", nullptr, L"GlavoSkin Control"},
    {L"Glavowrap.GlavoSkin\\CLSID", nullptr, L"{clsid}"},
    {L"Glavowrap.GlavoSkin\\CurVer", nullptr, L"Glavowrap.GlavoSkin.1"},
    {L"Glavowrap.GlavoSkin.1", nullptr, L"GlavoSkin Control"},
    {L"Glavowrap.GlavoSkin.1\\CLSID", nullptr, L"{clsid}"},
    {L"TypeLib\\{libid}", nullptr, nullptr},
    {L"TypeLib\\{libid}\\1.0", nullptr, L"Glavo Wrap ActiveX Control"},
    {L"TypeLib\\{libid}\\1.0\\FLAGS", nullptr, L"2"},  // FLIBF_FCONTROL
    {L"TypeLib\\{libid}\\1.0\\0", nullptr, nullptr},
    {L"TypeLib\\{libid}\\1.0\\0\\{platform}", nullptr, L"{module}"},
    {L"TypeLib\\{libid}\\1.0\\HELPDIR", nullptr, L"{folder}"},
    // The dual and the event interface marshal through the type library.
    {L"Interface\\{iid}", nullptr, L"_GlavoSkin"},
    {L"Interface\\{iid}\\ProxyStubClsid", nullptr, L"{psoa}"},
    {L"Interface\\{iid}\\ProxyStubClsid32", nullptr, L"{psoa}"},
    {L"Interface\\{iid}\\TypeLib", nullptr, L"{libid}"},
    {L"Interface\\{iid}\\TypeLib", L"Version", L"1.0"},
    {L"Interface\\{diid}", nullptr, L"__GlavoSkin"},
    {L"Interface\\{diid}\\ProxyStubClsid", nullptr, L"{psdispatch}"},
    {L"Interface\\{diid}\\ProxyStubClsid32", nullptr, L"{psdispatch}"},
    {L"Interface\\{diid}\\TypeLib", nullptr, L"{libid}"},
    {L"Interface\\{diid}\\TypeLib", L"Version", L"1.0"},
};

std::wstring GuidText(const GUID& guid) {
  wchar_t text[40] = {};
  StringFromGUID2(guid, text, 40);
  return text;
}

// The universal marshalers: type-library driven for the dual interface,
// IDispatch-only for the event interface.
constexpr GUID kPSOAInterface = {0x00020424, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr GUID kPSDispatch = {0x00020420, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr GUID kCatIdControl = {
    0x40FC6ED4, 0x2438, 0x11CF, {0xA3, 0xDB, 0x08, 0x00, 0x36, 0xF1, 0x25, 0x02}};
// CATID_SafeForInitializing.
constexpr GUID kCatIdSafeForInitializing = {
    0x7DD95802, 0x9882, 0x11CF, {0x9F, 0xA9, 0x00, 0xAA, 0x00, 0x6C, 0x42, 0xC4}};

std::wstring FolderOf(const std::wstring& path) {
  auto slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

}  // namespace

std::span<const RegistryRow> RegistrationTable() { return kRows; }

std::wstring ExpandPlaceholders(const std::wstring& text,
                                std::span<const std::pair<std::wstring, std::wstring>> lookup) {
  std::wstring out;
  std::size_t pos = 0;
  while (pos < text.size()) {
    auto open = text.find(L'{', pos);
    auto close = open == std::wstring::npos ? open : text.find(L'}', open);
    if (close == std::wstring::npos) break;
    std::wstring name = text.substr(open + 1, close - open - 1);
    const std::wstring* replacement = nullptr;
    for (const auto& [key, value] : lookup) {
      if (key == name) replacement = &value;
    }
    out += text.substr(pos, open - pos);
    out += replacement ? *replacement : text.substr(open, close - open + 1);
    pos = close + 1;
  }
  out += text.substr(pos);
  return out;
}

std::vector<ResolvedRow> ResolveRegistration(const std::wstring& modulePath) {
  const std::pair<std::wstring, std::wstring> lookup[] = {
      {L"clsid", GuidText(CLSID_GlavoSkin)},
      {L"page", GuidText(kPropertyPageClsid)},
      {L"libid", GuidText(LIBID_Glavowrap)},
      {L"iid", GuidText(IID__GlavoSkin)},
      {L"diid", GuidText(DIID___GlavoSkin)},
      {L"catid_control", GuidText(kCatIdControl)},
      {L"catid_safe_init", GuidText(kCatIdSafeForInitializing)},
      {L"psoa", GuidText(kPSOAInterface)},
      {L"psdispatch", GuidText(kPSDispatch)},
      {L"module", modulePath},
      {L"folder", FolderOf(modulePath)},
      {L"platform", sizeof(void*) == 8 ? L"win64" : L"win32"},
  };
  std::vector<ResolvedRow> rows;
  for (const auto& row : RegistrationTable()) {
    ResolvedRow resolved;
    resolved.key = ExpandPlaceholders(row.key, lookup);
    resolved.hasValue = row.value != nullptr;
    resolved.defaultValue = row.name == nullptr;
    if (row.name) resolved.name = row.name;
    if (row.value) resolved.value = ExpandPlaceholders(row.value, lookup);
    rows.push_back(std::move(resolved));
  }
  return rows;
}

}  // namespace glavo::server
