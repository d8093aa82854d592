#include "server/error_info.h"

#include <exception>
#include <new>
#include <stdexcept>

#include <wrl/client.h>

#include "runtime/host_value.h"
#include "server/bstr.h"

namespace glavo::server {

HRESULT ReportError(HRESULT code, const std::wstring& description, REFIID iid) {
  Microsoft::WRL::ComPtr<ICreateErrorInfo> create;
  if (FAILED(CreateErrorInfo(&create))) return code;
  create->SetGUID(iid);
  create->SetSource(const_cast<LPOLESTR>(L"Glavowrap.GlavoSkin"));
  create->SetDescription(const_cast<LPOLESTR>(description.c_str()));
  Microsoft::WRL::ComPtr<IErrorInfo> info;
  if (SUCCEEDED(create.As(&info))) SetErrorInfo(0, info.Get());
  return code;
}

HRESULT ReportCurrentException(REFIID iid) {
  try {
    throw;
  } catch (const HostError& e) {
    // The host's automation error number, as scripting hosts report it
    // (Err.Number 438 for a missing member).
    return ReportError(MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, e.number() & 0xFFFF),
                       Utf8ToWide(e.what()), iid);
  } catch (const std::bad_alloc&) {
    return ReportError(E_OUTOFMEMORY, L"Out of memory", iid);
  } catch (const std::invalid_argument& e) {
    return ReportError(E_INVALIDARG, Utf8ToWide(e.what()), iid);
  } catch (const std::exception& e) {
    return ReportError(E_FAIL, Utf8ToWide(e.what()), iid);
  } catch (...) {
    return ReportError(E_UNEXPECTED, L"Unexpected failure", iid);
  }
}

}  // namespace glavo::server
