// Applies and removes the resolved registration rows below a classes root:
// HKEY_CLASSES_ROOT for the machine, HKCU\Software\Classes for one user.
#pragma once

#include <vector>

#include "server/com_headers.h"
#include "server/registration_table.h"

namespace glavo::server {

enum class RegistrationScope { kMachine, kUser };

// Writes every row; on a failure removes what it wrote and returns the error.
HRESULT Register(RegistrationScope scope, const std::vector<ResolvedRow>& rows);
// Removes the values the rows name and then each key that is left empty.
// Missing keys are not an error.
HRESULT Unregister(RegistrationScope scope, const std::vector<ResolvedRow>& rows);

}  // namespace glavo::server
