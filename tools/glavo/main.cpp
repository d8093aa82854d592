// glavo: the command-line tool of the software host. Each subcommand lives
// in its own <name>_command.cpp and has one row in the table below.
#include <cstdio>
#include <cstring>
#include <span>

namespace glavo::tool {
int SceneCommand(int argc, char** argv);
int CellCommand(int argc, char** argv);
int CellSheetCommand(int argc, char** argv);
int ThemeCommand(int argc, char** argv);
int LayoutCommand(int argc, char** argv);
int SkinCommand(int argc, char** argv);
int GalleryCommand(int argc, char** argv);
int StudioCommand(int argc, char** argv);
}  // namespace glavo::tool

namespace {

struct Subcommand {
  const char* name;
  int (*run)(int argc, char** argv);  // argv[0] is the subcommand's name
  const char* summary;
};

constexpr Subcommand kSubcommands[] = {
    {"scene", glavo::tool::SceneCommand, "render the drawing-primitive scene to PNG"},
    {"cell", glavo::tool::CellCommand, "paint one cell from a theme record to PNG"},
    {"cell-sheet", glavo::tool::CellSheetCommand, "contact sheet of all cell fill and border styles"},
    {"theme", glavo::tool::ThemeCommand, "print a built-in skin theme string"},
    {"layout", glavo::tool::LayoutCommand, "print the frame layout of a skinned form"},
    {"skin", glavo::tool::SkinCommand, "render a whole skinned form to PNG"},
    {"gallery", glavo::tool::GalleryCommand, "render all twelve themes and an index.html"},
    {"studio", glavo::tool::StudioCommand, "serve the theme studio on 127.0.0.1"},
};

int Usage(std::FILE* out) {
  std::fprintf(out, "usage: glavo <command> [options]\n\ncommands:\n");
  for (const Subcommand& c : kSubcommands) std::fprintf(out, "  %-12s %s\n", c.name, c.summary);
  return out == stdout ? 0 : 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage(stderr);
  if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
    return Usage(stdout);
  }
  for (const Subcommand& c : std::span(kSubcommands)) {
    if (std::strcmp(argv[1], c.name) == 0) return c.run(argc - 1, argv + 1);
  }
  std::fprintf(stderr, "glavo: unknown command '%s'\n\n", argv[1]);
  return Usage(stderr);
}
