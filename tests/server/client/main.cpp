// glavo_server_client: drives glavowrap.ocx from the outside, as a
// container or script would, and prints what it sees, one fact a line.
// The native server tests run it under Wine and check its output.
#include <cstdio>
#include <cwchar>

#include "client.h"

int TypelibCommand(int argc, wchar_t** argv);
int RegistryCommand(int argc, wchar_t** argv);
int BagCommand(int argc, wchar_t** argv);
int StreamCommand(int argc, wchar_t** argv);
int EventsCommand(int argc, wchar_t** argv);
int FactoryCommand(int argc, wchar_t** argv);
int SafetyCommand(int argc, wchar_t** argv);
int ToolboxCommand(int argc, wchar_t** argv);
int HostileCommand(int argc, wchar_t** argv);

namespace {

struct Command {
  const wchar_t* name;
  int (*run)(int argc, wchar_t** argv);
};

constexpr Command kCommands[] = {
    {L"typelib", &TypelibCommand}, {L"registry", &RegistryCommand},
    {L"bag", &BagCommand},         {L"stream", &StreamCommand},
    {L"events", &EventsCommand},   {L"factory", &FactoryCommand},
    {L"safety", &SafetyCommand},   {L"toolbox", &ToolboxCommand},
    {L"hostile", &HostileCommand},
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::wprintf(L"usage: glavo_server_client typelib|registry|bag|stream|events|factory|safety|toolbox|hostile ARGS\n");
    return 2;
  }
  CoInitialize(nullptr);
  int result = 2;
  bool found = false;
  for (const auto& command : kCommands) {
    if (std::wcscmp(command.name, argv[1]) == 0) {
      result = command.run(argc - 2, argv + 2);
      found = true;
    }
  }
  if (!found) std::wprintf(L"unknown command %ls\n", argv[1]);
  std::fflush(stdout);
  CoUninitialize();
  return result;
}
