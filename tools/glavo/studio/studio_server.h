// The theme studio's HTTP server: the page's files and a JSON and PNG API
// over the software host's renderer. Bound to 127.0.0.1 by its caller.
#pragma once

#include <cstddef>
#include <string>

namespace httplib {
class Server;
}

namespace glavo::studio {

// Bounds every request is held to, so no request can make the server
// allocate or render without limit.
inline constexpr std::size_t kMaxRequestBytes = 256 * 1024;
inline constexpr int kMinFormSide = 120;
inline constexpr int kMaxFormSide = 2560;
inline constexpr int kMaxCaptionLength = 200;
inline constexpr int kReadTimeoutSeconds = 5;

// Routes the API under /api and serves the files of `pageDir` at /. False
// when `pageDir` is not a folder that can be served.
bool SetUpStudio(httplib::Server& server, const std::string& pageDir);

}  // namespace glavo::studio
