// The control's binary stream as a container hands it back: any bytes.
// Whatever decodes must encode to a stream that decodes to the same bag,
// and the bag must load into a skin that saves and loads again unchanged.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

#include "fuzz_check.h"
#include "fuzz_text.h"
#include "runtime/host_value.h"
#include "server/stream_codec.h"
#include "stage/skin_stage.h"

extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t* data, std::size_t size, std::size_t maxSize);

namespace {

using namespace glavo;
using server::DecodeBag;
using server::EncodeBag;

// Loads the bag as a saved form; false when the host refused the parts it
// asks for (a persisted theme may want parts larger than it can allocate).
bool LoadSkin(stage::SkinStage& stage, const OrderedPropertyBag& bag) {
  try {
    stage.load(bag);
    return true;
  } catch (const HostError&) {
    return false;
  }
}

void CheckSkin(const OrderedPropertyBag& bag) {
  stage::SkinStage stage(Size{640, 480}, Rect{20, 20, 340, 260});
  if (!LoadSkin(stage, bag)) return;
  const std::u16string theme = stage.skin().SaveSkinTheme();
  const std::size_t fields = fuzz::CountFields(theme, u"#$#");
  GLAVO_FUZZ_CHECK(fields == 24, "saved theme has %zu fields", fields);

  OrderedPropertyBag saved;
  stage.skin().WriteProperties(saved);
  const auto again = DecodeBag(EncodeBag(saved));
  GLAVO_FUZZ_CHECK(again.has_value(), "a saved skin's stream does not decode");
  stage::SkinStage second(Size{640, 480}, Rect{20, 20, 340, 260});
  GLAVO_FUZZ_CHECK(LoadSkin(second, *again), "a saved skin does not load again");
  GLAVO_FUZZ_CHECK(second.skin().SaveSkinTheme() == theme, "a saved skin reads back to another look");
}

}  // namespace

// Most mutations change the length of a stream and so break its size
// field; mending that field now and then keeps the fuzzer reaching the
// entries and the skin rather than only the header check.
extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size, std::size_t maxSize,
                                               unsigned int seed) {
  size = LLVMFuzzerMutate(data, size, maxSize);
  if (seed % 4 != 0 && size >= server::kStreamHeaderSize) {
    const auto body = static_cast<std::uint32_t>(size - server::kStreamHeaderSize);
    std::memcpy(data + 8, &body, sizeof body);
  }
  return size;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto bag = DecodeBag(std::span<const std::uint8_t>(data, size));
  if (!bag) return 0;
  const std::vector<std::uint8_t> encoded = EncodeBag(*bag);
  const auto decoded = DecodeBag(encoded);
  GLAVO_FUZZ_CHECK(decoded.has_value(), "a re-encoded stream does not decode");
  GLAVO_FUZZ_CHECK(EncodeBag(*decoded) == encoded, "a re-encoded stream changes on the next round");
  CheckSkin(*bag);
  return 0;
}
