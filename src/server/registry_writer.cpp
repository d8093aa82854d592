#include "server/registry_writer.h"

#include "draw/noncopyable.h"

namespace glavo::server {
namespace {

class Key : Noncopyable {
 public:
  Key() = default;
  explicit Key(HKEY key) : key_(key) {}
  ~Key() {
    if (key_) RegCloseKey(key_);
  }
  HKEY get() const { return key_; }
  HKEY* out() { return &key_; }

 private:
  HKEY key_ = nullptr;
};

LONG OpenRoot(RegistrationScope scope, Key& root) {
  if (scope == RegistrationScope::kMachine) {
    return RegOpenKeyExW(HKEY_CLASSES_ROOT, nullptr, 0, KEY_ALL_ACCESS, root.out());
  }
  return RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Classes", 0, nullptr, 0, KEY_ALL_ACCESS,
                         nullptr, root.out(), nullptr);
}

LONG WriteRow(HKEY root, const ResolvedRow& row) {
  Key key;
  LONG status = RegCreateKeyExW(root, row.key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                                key.out(), nullptr);
  if (status != ERROR_SUCCESS || !row.hasValue) return status;
  const wchar_t* name = row.defaultValue ? nullptr : row.name.c_str();
  auto bytes = static_cast<DWORD>((row.value.size() + 1) * sizeof(wchar_t));
  return RegSetValueExW(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(row.value.c_str()),
                        bytes);
}

bool IsEmpty(HKEY key) {
  DWORD subkeys = 0, values = 0;
  if (RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr,
                       nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  return subkeys == 0 && values == 0;
}

LONG RemoveRow(HKEY root, const ResolvedRow& row) {
  bool empty = false;
  {
    Key key;
    LONG status = RegOpenKeyExW(root, row.key.c_str(), 0, KEY_ALL_ACCESS, key.out());
    if (status == ERROR_FILE_NOT_FOUND) return ERROR_SUCCESS;
    if (status != ERROR_SUCCESS) return status;
    if (row.hasValue) {
      status = RegDeleteValueW(key.get(), row.defaultValue ? nullptr : row.name.c_str());
      if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) return status;
    }
    empty = IsEmpty(key.get());
  }
  if (!empty) return ERROR_SUCCESS;
  LONG status = RegDeleteKeyW(root, row.key.c_str());
  return status == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : status;
}

HRESULT RemoveRows(HKEY root, const std::vector<ResolvedRow>& rows, std::size_t count) {
  HRESULT result = S_OK;
  for (std::size_t i = count; i-- > 0;) {
    LONG status = RemoveRow(root, rows[i]);
    if (status != ERROR_SUCCESS) result = HRESULT_FROM_WIN32(status);
  }
  return result;
}

}  // namespace

HRESULT Register(RegistrationScope scope, const std::vector<ResolvedRow>& rows) {
  Key root;
  LONG status = OpenRoot(scope, root);
  if (status != ERROR_SUCCESS) return HRESULT_FROM_WIN32(status);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    status = WriteRow(root.get(), rows[i]);
    if (status != ERROR_SUCCESS) {
      RemoveRows(root.get(), rows, i + 1);
      return HRESULT_FROM_WIN32(status);
    }
  }
  return S_OK;
}

HRESULT Unregister(RegistrationScope scope, const std::vector<ResolvedRow>& rows) {
  Key root;
  LONG status = OpenRoot(scope, root);
  if (status != ERROR_SUCCESS) return HRESULT_FROM_WIN32(status);
  return RemoveRows(root.get(), rows, rows.size());
}

}  // namespace glavo::server
