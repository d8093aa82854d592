#include "studio_server.h"

#include <httplib.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <mutex>
#include <nlohmann/json.hpp>

#include "contrast.h"
#include "raster/png_file.h"
#include "runtime/color_table.h"
#include "skin/body_themes.h"
#include "skin/skin_names.h"
#include "stage/skin_render.h"
#include "style_swatches.h"
#include "theme_check.h"
#include "theme_fields.h"

namespace glavo::studio {
namespace {

using nlohmann::json;

// A request the studio refuses: the status and the sentence the page shows.
struct RequestError {
  int status;
  std::string message;
  std::string field;
  json problems = json::array();
};

constexpr int kMinSwatchSide = 12;
constexpr int kMaxSwatchSide = 240;

std::string KindName(FieldKind kind) {
  switch (kind) {
    case FieldKind::kNumber: return "number";
    case FieldKind::kColor: return "color";
    case FieldKind::kBool: return "bool";
    case FieldKind::kFillStyle: return "fillStyle";
    case FieldKind::kBorderStyle: return "borderStyle";
  }
  return "number";
}

std::string HexColor(Rgb rgb) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
  return text;
}

void SendJson(httplib::Response& res, int status, const json& body) {
  res.status = status;
  res.set_content(body.dump(), "application/json");
}

void SendError(httplib::Response& res, const RequestError& e) {
  json body = {{"error", e.message}};
  if (!e.field.empty()) body["field"] = e.field;
  if (!e.problems.empty()) body["problems"] = e.problems;
  SendJson(res, e.status, body);
}

json ProblemsJson(const std::vector<FieldProblem>& problems) {
  json out = json::array();
  for (const FieldProblem& p : problems) {
    out.push_back({{"field", p.field}, {"position", p.position}, {"message", p.message}});
  }
  return out;
}

json ParseBody(const httplib::Request& req) {
  json body = json::parse(req.body, nullptr, false);
  if (body.is_discarded() || !body.is_object()) {
    throw RequestError{400, "the request body must be a JSON object in UTF-8", ""};
  }
  return body;
}

std::string StringField(const json& body, const std::string& name, bool required) {
  const auto it = body.find(name);
  if (it == body.end() || it->is_null()) {
    if (required) throw RequestError{400, name + " is required", name};
    return {};
  }
  if (!it->is_string()) throw RequestError{400, name + " must be a string", name};
  return it->get<std::string>();
}

int IntegerField(const json& body, const std::string& name, int min, int max, int fallback) {
  const auto it = body.find(name);
  if (it == body.end() || it->is_null()) return fallback;
  const std::string range = " must be a whole number from " + std::to_string(min) + " to " + std::to_string(max);
  if (!it->is_number_integer()) throw RequestError{400, name + range, name};
  const auto value = it->get<long long>();
  if (value < min || value > max) throw RequestError{400, name + range + ", not " + std::to_string(value), name};
  return static_cast<int>(value);
}

Theme ThemeField(const json& body) {
  const std::string text = StringField(body, "theme", true);
  ThemeCheck check = CheckTheme(text);
  if (!check.theme) {
    throw RequestError{422, check.problems.front().message, "theme", ProblemsJson(check.problems)};
  }
  return *check.theme;
}

std::optional<SkinPartsGwr> PartField(const json& body, const std::string& name) {
  const std::string text = StringField(body, name, false);
  if (text.empty()) return std::nullopt;
  if (auto part = FindSkinPart(text)) return part;
  throw RequestError{400, name + " must name a part (close, max, min, help, title, ...), not '" + text + "'", name};
}

json LayoutJson(const std::vector<stage::PartPlace>& layout) {
  json parts = json::array();
  for (const stage::PartPlace& p : layout) {
    parts.push_back({{"part", kLookSlots[p.part].part}, {"left", p.bounds.left}, {"top", p.bounds.top},
                     {"width", p.bounds.width()}, {"height", p.bounds.height()}, {"visible", p.visible}});
  }
  return parts;
}

json ContrastJson(const std::vector<ContrastCheck>& checks) {
  json out = json::array();
  for (const ContrastCheck& c : checks) {
    out.push_back({{"look", c.look}, {"subject", c.subject}, {"foreground", HexColor(c.foreground)},
                   {"background", HexColor(c.background)}, {"ratio", std::round(c.ratio * 100) / 100},
                   {"required", c.required}, {"ok", c.ratio >= c.required}});
  }
  return out;
}

json ThemesJson() {
  json themes = json::array();
  for (int t = 0; t < kBodyThemeCount; ++t) {
    themes.push_back({{"index", t},
                      {"name", BodyThemeName(static_cast<BodyThemesGwr>(t))},
                      {"theme", stage::ToUtf8(BuiltInSkinTheme(t))}});
  }
  return {{"themes", themes}};
}

json SchemaJson() {
  json record = json::array();
  for (const FieldInfo& f : kRecordFieldInfo) {
    record.push_back({{"name", f.name}, {"kind", KindName(f.kind)}, {"min", f.min}, {"max", f.max}, {"meaning", f.meaning}});
  }
  json metrics = json::array();
  for (const MetricInfo& m : kMetricInfo) {
    metrics.push_back({{"name", m.name}, {"kind", KindName(m.kind)}, {"min", m.min}, {"max", m.max}, {"meaning", m.meaning}});
  }
  json looks = json::array();
  for (const LookSlot& s : kLookSlots) looks.push_back({{"part", s.part}, {"label", s.label}, {"state", s.state}});
  json system = json::array();
  const DefaultColorTable table;
  for (std::size_t i = 0; i < kSystemColorNames.size(); ++i) {
    Rgb rgb = 0;
    const auto value = static_cast<std::int32_t>(0x80000000u | i);
    if (kSystemColorNames[i].empty() || !table.translate(static_cast<OleColor>(value), rgb)) continue;
    system.push_back({{"value", value}, {"name", kSystemColorNames[i]}, {"rgb", HexColor(rgb)}});
  }
  return {{"record", record},
          {"metrics", metrics},
          {"looks", looks},
          {"systemColors", system},
          {"fillStyles", kFillStyleCount},
          {"borderStyles", kBorderStyleCount},
          {"limits", {{"minSide", kMinFormSide}, {"maxSide", kMaxFormSide}, {"maxCaption", kMaxCaptionLength},
                      {"maxRequestBytes", kMaxRequestBytes}}}};
}

void Render(const httplib::Request& req, httplib::Response& res, std::mutex& renderer) {
  const json body = ParseBody(req);
  stage::SkinRenderOptions options;
  options.theme = stage::FromUtf8(FormatTheme(ThemeField(body)));
  options.width = IntegerField(body, "width", kMinFormSide, kMaxFormSide, 800);
  options.height = IntegerField(body, "height", kMinFormSide, kMaxFormSide, 600);
  const std::string caption = StringField(body, "caption", false);
  if (caption.size() > static_cast<std::size_t>(kMaxCaptionLength)) {
    throw RequestError{400, "caption must be at most " + std::to_string(kMaxCaptionLength) + " bytes", "caption"};
  }
  if (body.contains("caption")) options.caption = stage::FromUtf8(caption);
  options.hover = PartField(body, "hover");
  options.pressed = PartField(body, "pressed");
  std::vector<stage::PartPlace> layout;
  std::string png;
  {
    // One render at a time: the machine is small and a render is short.
    std::lock_guard<std::mutex> hold(renderer);
    png = raster::EncodePng(stage::RenderSkin(options, &layout), false);
  }
  if (png.empty()) throw RequestError{500, "the preview could not be encoded", ""};
  res.set_header("X-Glavo-Layout", LayoutJson(layout).dump());
  res.set_content(png, "image/png");
}

void Validate(const httplib::Request& req, httplib::Response& res, std::mutex& renderer) {
  const json body = ParseBody(req);
  const std::string text = StringField(body, "theme", true);
  const ThemeCheck check = CheckTheme(text);
  if (!check.theme) {
    SendJson(res, 422, {{"valid", false}, {"error", check.problems.front().message},
                        {"problems", ProblemsJson(check.problems)}});
    return;
  }
  std::lock_guard<std::mutex> hold(renderer);
  SendJson(res, 200, {{"valid", true}, {"problems", json::array()},
                      {"contrast", ContrastJson(CheckContrast(*check.theme))}});
}

void Swatches(const httplib::Request& req, httplib::Response& res, std::mutex& renderer) {
  const json body = ParseBody(req);
  std::vector<FieldProblem> problems;
  const auto look = CheckRecord(StringField(body, "record", true), problems);
  if (!look) throw RequestError{422, "record: " + problems.front().message, "record", ProblemsJson(problems)};
  const std::string kind = StringField(body, "kind", true);
  if (kind != "fill" && kind != "border") throw RequestError{400, "kind must be fill or border", "kind"};
  const int width = IntegerField(body, "width", kMinSwatchSide, kMaxSwatchSide, 96);
  const int height = IntegerField(body, "height", kMinSwatchSide, kMaxSwatchSide, 30);
  std::string png;
  {
    std::lock_guard<std::mutex> hold(renderer);
    png = raster::EncodePng(
        RenderStyleSwatches(*look, kind == "fill" ? SwatchKind::kFill : SwatchKind::kBorder, width, height), true);
  }
  res.set_content(png, "image/png");
}

// Wraps a handler so that a refused request answers with its message.
template <typename Handler>
httplib::Server::Handler Guarded(Handler handler) {
  return [handler](const httplib::Request& req, httplib::Response& res) {
    try {
      handler(req, res);
    } catch (const RequestError& e) {
      SendError(res, e);
    }
  };
}

}  // namespace

bool SetUpStudio(httplib::Server& server, const std::string& pageDir) {
  auto renderer = std::make_shared<std::mutex>();
  server.set_payload_max_length(kMaxRequestBytes);
  server.set_read_timeout(kReadTimeoutSeconds);
  server.set_write_timeout(kReadTimeoutSeconds);
  server.Get("/api/themes", Guarded([](const httplib::Request&, httplib::Response& res) {
               SendJson(res, 200, ThemesJson());
             }));
  server.Get("/api/schema", Guarded([](const httplib::Request&, httplib::Response& res) {
               SendJson(res, 200, SchemaJson());
             }));
  server.Post("/api/render", Guarded([renderer](const httplib::Request& req, httplib::Response& res) {
                Render(req, res, *renderer);
              }));
  server.Post("/api/validate", Guarded([renderer](const httplib::Request& req, httplib::Response& res) {
                Validate(req, res, *renderer);
              }));
  server.Post("/api/swatches", Guarded([renderer](const httplib::Request& req, httplib::Response& res) {
                Swatches(req, res, *renderer);
              }));
  server.set_exception_handler([](const httplib::Request&, httplib::Response& res, std::exception_ptr ep) {
    std::string what = "internal error";
    try {
      std::rethrow_exception(ep);
    } catch (const std::exception& e) {
      what = e.what();
    } catch (...) {
    }
    SendJson(res, 500, {{"error", "the studio could not answer: " + what}});
  });
  // An unknown path under /api is an error of its own, not a missing page.
  server.set_error_handler([](const httplib::Request& req, httplib::Response& res) {
    if (req.path.rfind("/api/", 0) == 0 && res.status == 404) {
      SendJson(res, 404, {{"error", "no such API: " + req.method + " " + req.path}});
    } else if (res.status == 413) {
      SendJson(res, 413, {{"error", "the request is larger than " + std::to_string(kMaxRequestBytes / 1024) + " KB"}});
    }
  });
  return server.set_mount_point("/", pageDir);
}

}  // namespace glavo::studio
