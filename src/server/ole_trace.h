// An optional record of the interfaces a container asks for and of the
// container interfaces the control uses: one line per call, appended to
// the file named by the environment variable GLAVO_OLE_TRACE when it is set.
#pragma once

#include "server/com_headers.h"

namespace glavo::server {

// `direction` is "in" for a query on the control, "out" for one on the site.
void TraceQuery(const char* direction, REFIID riid, HRESULT result);
void TraceCall(const char* what);

}  // namespace glavo::server
