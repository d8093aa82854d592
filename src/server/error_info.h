// Rich automation errors: the description a script host shows for a
// failed call, published through IErrorInfo.
#pragma once

#include <string>

#include "server/com_headers.h"

namespace glavo::server {

// Publishes `description` for the current call on `iid` and returns `code`.
HRESULT ReportError(HRESULT code, const std::wstring& description, REFIID iid);

// Maps the exception in flight (called inside a catch block) to an
// automation error with its message.
HRESULT ReportCurrentException(REFIID iid);

}  // namespace glavo::server
