// Applying arbitrary text as a cell theme record to a cell of arbitrary
// small size: no crash, and the record the cell saves afterwards is always
// eighteen fields that apply back to the same look.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <memory>

#include "cell/cell_theme_record.h"
#include "cell/glavo_cell.h"
#include "fuzz_check.h"
#include "fuzz_text.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_surface.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace glavo;
  FuzzedDataProvider in(data, size);
  const int width = in.ConsumeIntegralInRange(-4, 160);
  const int height = in.ConsumeIntegralInRange(-4, 120);
  const std::u16string record = fuzz::Latin1(in.ConsumeRemainingBytesAsString());

  sim::SimDesktop desktop(400, 300);
  std::unique_ptr<sim::SimSurface> form = desktop.createWindow(Rect{0, 0, 400, 300});
  GlavoCell cell(form->createChild());
  cell.InitProperties();
  cell.surface().move(2, 2, width, height);
  cell.surface().setVisible(true);
  cell.SetCaption(u"Cell");

  cell.LoadCellTheme(u"", record);
  const std::u16string saved = cell.SaveCellTheme();
  const std::size_t fields = fuzz::CountFields(saved, kRecordSeparator);
  GLAVO_FUZZ_CHECK(fields == kRecordFields, "saved record has %zu fields", fields);
  cell.LoadCellTheme(u"", saved);
  GLAVO_FUZZ_CHECK(cell.SaveCellTheme() == saved, "a saved record round-trips");
  return 0;
}
