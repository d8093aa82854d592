// The one translation unit that defines the identifiers of the type
// library (the generated header only declares them elsewhere).
#include <initguid.h>

#include "server/com_headers.h"
