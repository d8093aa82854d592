// glavo studio: serves the theme studio on 127.0.0.1 until interrupted.
#include <httplib.h>

#include <cstdio>
#include <string>

#include "skin_options.h"
#include "studio/studio_server.h"

namespace glavo::tool {
namespace {

constexpr const char* kUsage = "usage: glavo studio [--port N] [--page DIR]\n";
constexpr int kDefaultPort = 8915;

int PortArgument(const std::string& text) {
  if (text.empty() || text.size() > 5 || text.find_first_not_of("0123456789") != std::string::npos ||
      std::stoi(text) > 65535) {
    throw ArgumentError{"--port", "expected a port from 0 to 65535 (0 picks a free one), got '" + text + "'"};
  }
  return std::stoi(text);
}

}  // namespace

int StudioCommand(int argc, char** argv) {
  try {
    int port = kDefaultPort;
    std::string page = GLAVO_STUDIO_PAGE_DIR;
    for (int i = 1; i < argc; ++i) {
      const std::string arg = argv[i];
      if (arg == "--port") port = PortArgument(NextArgument(argc, argv, i));
      else if (arg == "--page") page = NextArgument(argc, argv, i);
      else if (arg == "--help" || arg == "-h") return std::fputs(kUsage, stdout), 0;
      else throw ArgumentError{arg, "unknown option"};
    }
    httplib::Server server;
    if (!studio::SetUpStudio(server, page)) throw ArgumentError{"--page", "cannot serve '" + page + "' (not a folder)"};
    const int bound = port == 0 ? server.bind_to_any_port("127.0.0.1") : (server.bind_to_port("127.0.0.1", port) ? port : -1);
    if (bound <= 0) {
      std::fprintf(stderr, "glavo studio: --port: cannot listen on 127.0.0.1:%d (in use?)\n", port);
      return 1;
    }
    std::printf("Glavo theme studio: http://127.0.0.1:%d/  (Ctrl+C stops it)\n", bound);
    std::fflush(stdout);
    return server.listen_after_bind() ? 0 : 1;
  } catch (const ArgumentError& e) {
    return ReportArgumentError("studio", e);
  }
}

}  // namespace glavo::tool
