#include "server/stream_codec.h"

#include <cstring>
#include <memory>
#include <string>
#include <utility>

namespace glavo::server {
namespace {

constexpr std::uint32_t kMagic = 0x53564C47;  // "GLVS"
constexpr std::uint32_t kVersion = 1;
constexpr std::uint32_t kMaxEntries = 1024;
constexpr std::uint32_t kMaxText = 1u << 24;

enum Tag : std::uint8_t { kLong = 1, kDouble = 2, kBool = 3, kText = 4, kFont = 5 };

class Writer {
 public:
  template <class T>
  void put(const T& value) {
    const auto* p = reinterpret_cast<const std::uint8_t*>(&value);
    bytes.insert(bytes.end(), p, p + sizeof(T));
  }
  void text(const std::u16string& s) {
    put(static_cast<std::uint32_t>(s.size()));
    const auto* p = reinterpret_cast<const std::uint8_t*>(s.data());
    bytes.insert(bytes.end(), p, p + s.size() * 2);
  }
  std::vector<std::uint8_t> bytes;
};

void WriteValue(Writer& w, const PropertyValue& value) {
  if (auto i = std::get_if<std::int32_t>(&value)) {
    w.put(kLong), w.put(*i);
  } else if (auto d = std::get_if<double>(&value)) {
    w.put(kDouble), w.put(*d);
  } else if (auto b = std::get_if<bool>(&value)) {
    w.put(kBool), w.put(static_cast<std::uint8_t>(*b));
  } else if (auto s = std::get_if<std::u16string>(&value)) {
    w.put(kText), w.text(*s);
  } else if (auto f = std::get_if<FontRef>(&value); f && *f) {
    const FontObject& font = **f;
    w.put(kFont), w.text(font.name), w.put(font.size);
    std::uint8_t flags = (font.bold ? 1 : 0) | (font.italic ? 2 : 0) | (font.underline ? 4 : 0) |
                         (font.strikethrough ? 8 : 0);
    w.put(flags), w.put(font.charset);
  }
}

}  // namespace

std::vector<std::uint8_t> EncodeBag(const OrderedPropertyBag& bag) {
  Writer w;
  std::uint32_t count = 0;
  Writer body;
  for (const auto& [key, value] : bag.entries()) {
    Writer entry;
    WriteValue(entry, value);
    if (entry.bytes.empty()) continue;  // pictures and empty values are not kept
    body.put(static_cast<std::uint16_t>(key.size()));
    body.bytes.insert(body.bytes.end(), key.begin(), key.end());
    body.bytes.insert(body.bytes.end(), entry.bytes.begin(), entry.bytes.end());
    ++count;
  }
  w.put(kMagic), w.put(kVersion), w.put(static_cast<std::uint32_t>(body.bytes.size())), w.put(count);
  w.bytes.insert(w.bytes.end(), body.bytes.begin(), body.bytes.end());
  return w.bytes;
}

namespace {

class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  template <class T>
  bool get(T& value) {
    if (bytes_.size() - pos_ < sizeof(T)) return false;
    std::memcpy(&value, bytes_.data() + pos_, sizeof(T));
    pos_ += sizeof(T);
    return true;
  }
  bool raw(std::size_t n, std::string& out) {
    if (bytes_.size() - pos_ < n) return false;
    out.assign(reinterpret_cast<const char*>(bytes_.data() + pos_), n);
    pos_ += n;
    return true;
  }
  bool text(std::u16string& out) {
    std::uint32_t n = 0;
    if (!get(n) || n > kMaxText || (bytes_.size() - pos_) / 2 < n) return false;
    out.resize(n);
    std::memcpy(out.data(), bytes_.data() + pos_, n * 2u);
    pos_ += n * 2u;
    return true;
  }
  bool done() const { return pos_ == bytes_.size(); }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t pos_ = 0;
};

bool ReadValue(Reader& r, PropertyValue& value) {
  std::uint8_t tag = 0;
  if (!r.get(tag)) return false;
  switch (tag) {
    case kLong: { std::int32_t v; if (!r.get(v)) return false; value = v; return true; }
    case kDouble: { double v; if (!r.get(v)) return false; value = v; return true; }
    case kBool: { std::uint8_t v; if (!r.get(v)) return false; value = v != 0; return true; }
    case kText: { std::u16string v; if (!r.text(v)) return false; value = std::move(v); return true; }
    case kFont: {
      auto font = std::make_shared<FontObject>();
      std::uint8_t flags = 0;
      if (!r.text(font->name) || !r.get(font->size) || !r.get(flags) || !r.get(font->charset)) {
        return false;
      }
      font->bold = flags & 1, font->italic = flags & 2;
      font->underline = flags & 4, font->strikethrough = flags & 8;
      value = FontRef(font);
      return true;
    }
    default:
      return false;
  }
}

}  // namespace

std::optional<std::uint32_t> BodySizeOf(std::span<const std::uint8_t, kStreamHeaderSize> bytes) {
  std::uint32_t header[4] = {};
  std::memcpy(header, bytes.data(), sizeof header);
  if (header[0] != kMagic || header[1] != kVersion || header[2] > kMaxText * 4 || header[3] > kMaxEntries) {
    return std::nullopt;
  }
  return header[2];
}

std::optional<OrderedPropertyBag> DecodeBag(std::span<const std::uint8_t> stream) {
  if (stream.size() < kStreamHeaderSize) return std::nullopt;
  const auto bodySize = BodySizeOf(stream.first<kStreamHeaderSize>());
  if (!bodySize || stream.size() - kStreamHeaderSize != *bodySize) return std::nullopt;
  std::uint32_t count = 0;
  std::memcpy(&count, stream.data() + 12, sizeof count);
  Reader r(stream.subspan(kStreamHeaderSize));
  OrderedPropertyBag loaded;
  for (std::uint32_t i = 0; i < count; ++i) {
    std::uint16_t keySize = 0;
    std::string key;
    PropertyValue value;
    if (!r.get(keySize) || !r.raw(keySize, key) || !ReadValue(r, value)) return std::nullopt;
    loaded.write(key, value);
  }
  if (!r.done()) return std::nullopt;
  return loaded;
}

}  // namespace glavo::server
