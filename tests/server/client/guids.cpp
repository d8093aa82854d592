// Defines the type library's identifiers for the client.
#include <initguid.h>

#include "server/com_headers.h"
