// The studio's HTTP API, served in-process on a free port of 127.0.0.1.
#include <gtest/gtest.h>
#include <httplib.h>

#include <nlohmann/json.hpp>
#include <thread>

#include "raster/png_file.h"
#include "scratch_dir.h"
#include "skin/body_themes.h"
#include "stage/skin_render.h"
#include "stage/skin_stage.h"
#include "studio/contrast.h"
#include "studio/studio_server.h"
#include "studio/theme_check.h"
#include "studio/theme_fields.h"

namespace glavo::studio {
namespace {

using nlohmann::json;

std::string Onyx() { return stage::ToUtf8(BuiltInSkinTheme(gwr_Onyx)); }

class StudioApi : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SetUpStudio(server_, GLAVO_STUDIO_PAGE_DIR));
    port_ = server_.bind_to_any_port("127.0.0.1");
    ASSERT_GT(port_, 0);
    thread_ = std::thread([this] { server_.listen_after_bind(); });
    client_ = std::make_unique<httplib::Client>("127.0.0.1", port_);
    client_->set_read_timeout(20);
  }
  void TearDown() override {
    server_.stop();
    if (thread_.joinable()) thread_.join();
  }

  httplib::Result Post(const std::string& path, const json& body) {
    return client_->Post(path.c_str(), body.dump(), "application/json");
  }
  static json Body(const httplib::Result& r) { return json::parse(r->body, nullptr, false); }
  int Status(const std::string& path, const json& body) { auto r = Post(path, body); return r ? r->status : -1; }
  raster::Bitmap DecodePng(const std::string& bytes) {
    scratch_.put("answer.png", bytes);
    raster::Bitmap image;
    raster::LoadPng(scratch_.at("answer.png").string(), image);
    return image;
  }

  // The render's image and the place of `part` in it.
  struct Rendered {
    raster::Bitmap image;
    json layout;
  };
  Rendered Render(json request) {
    auto r = Post("/api/render", request);
    EXPECT_TRUE(r);
    if (!r) return {};
    EXPECT_EQ(r->status, 200) << r->body;
    EXPECT_EQ(r->get_header_value("Content-Type"), "image/png");
    return {DecodePng(r->body), json::parse(r->get_header_value("X-Glavo-Layout"), nullptr, false)};
  }
  static json Place(const json& layout, const std::string& part) {
    for (const json& p : layout) {
      if (p["part"] == part) return p;
    }
    return {};
  }

  httplib::Server server_;
  int port_ = 0;
  std::thread thread_;
  std::unique_ptr<httplib::Client> client_;
  test_files::ScratchDir scratch_;
};

// Pixels that differ between two images of one size, as a bounding box
// (empty when none differ).
Rect DifferenceBox(const raster::Bitmap& a, const raster::Bitmap& b) {
  Rect box;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      if ((a.at(x, y) & 0xFFFFFF) != (b.at(x, y) & 0xFFFFFF)) box = Union(box, Rect{x, y, x + 1, y + 1});
    }
  }
  return box;
}

TEST_F(StudioApi, ServesThemesAndSchemaAndAnswersUnknownPathsWithJson) {
  auto r = client_->Get("/api/themes");
  ASSERT_TRUE(r);
  ASSERT_EQ(r->status, 200);
  const json themes = Body(r)["themes"];
  ASSERT_EQ(themes.size(), 12u);
  EXPECT_EQ(themes[0]["theme"], Onyx());  // studio.test.js finds it by its name
  EXPECT_EQ(themes[11]["name"], "SilverLight");
  // The schema describes every field and system colour; the page finds its
  // fields and looks by it (studio.test.js edits CellColor1, TitleBarSize
  // and the close button's over look).
  auto s = client_->Get("/api/schema");
  ASSERT_TRUE(s);
  const json schema = Body(s);
  EXPECT_EQ(schema["record"].size(), 18u);
  EXPECT_EQ(schema["record"][14]["kind"], "fillStyle");
  EXPECT_EQ(schema["looks"].size(), 20u);
  // Button face: 0x8000000F, the default look of a cell's corners.
  const json face = schema["systemColors"][15];
  EXPECT_EQ(face["value"], -2147483633);
  EXPECT_EQ(face["rgb"], "#f0f0f0");
  // The page itself is studio.test.js's; unknown paths are answered with JSON.
  auto missing = client_->Get("/api/nothing");
  ASSERT_TRUE(missing);
  EXPECT_EQ(missing->status, 404);
  EXPECT_NE(Body(missing)["error"].get<std::string>().find("/api/nothing"), std::string::npos);
}

TEST_F(StudioApi, RendersExactlyWhatTheSoftwareHostDraws) {
  const Rendered got = Render({{"theme", Onyx()}, {"width", 400}, {"height", 300}, {"caption", "Studio"}});
  ASSERT_EQ(got.image.width(), 400);
  ASSERT_EQ(got.image.height(), 300);
  stage::SkinRenderOptions options;
  options.theme = BuiltInSkinTheme(gwr_Onyx);
  options.width = 400;
  options.height = 300;
  options.caption = u"Studio";
  const raster::Bitmap expected = stage::RenderSkin(options);
  EXPECT_EQ(DifferenceBox(got.image, expected), Rect{});
  const json close = Place(got.layout, "close");
  EXPECT_EQ(close["visible"], true);
  EXPECT_EQ(close["width"], 24);  // Onyx's ButtonSize
  EXPECT_LT(close["left"].get<int>() + 24, 400);
}

// That the over and down looks differ from each other is studio.test.js's.
TEST_F(StudioApi, HoverAndPressChangeOnlyThatButton) {
  const json base = {{"theme", Onyx()}, {"width", 400}, {"height", 300}};
  const Rendered plain = Render(base);
  json hovered = base;
  hovered["hover"] = "close";
  const Rendered over = Render(hovered);
  json pressed = base;
  pressed["pressed"] = "close";
  const Rendered down = Render(pressed);
  const json close = Place(plain.layout, "close");
  const int left = close["left"], top = close["top"];
  const Rect button{left, top, left + close["width"].get<int>(), top + close["height"].get<int>()};
  for (const Rendered* changed : {&over, &down}) {
    const Rect box = DifferenceBox(plain.image, changed->image);
    ASSERT_NE(box, Rect{}) << "the button's look did not change";
    EXPECT_EQ(Intersect(box, button), box) << "a pixel changed outside the button";
  }
}

TEST_F(StudioApi, RefusesBadRenderRequestsWithAMessage) {
  struct Case {
    std::string body;
    int status;
    std::string field;
  };
  // A body over the size limit is refused with its message in studio.test.js
  // ("... a huge size each show their message").
  const std::vector<Case> cases = {
      {"not json", 400, ""},
      {std::string(200 * 1024, '['), 400, ""},  // deeply nested
      {"[1,2]", 400, ""},
      {json{{"width", 400}}.dump(), 400, "theme"},
      {json{{"theme", 12}}.dump(), 400, "theme"},
      {json{{"theme", Onyx()}, {"width", -5}}.dump(), 400, "width"},
      {json{{"theme", Onyx()}, {"width", 100000}, {"height", 300}}.dump(), 400, "width"},
      {json{{"theme", Onyx()}, {"width", 400}, {"height", 50}}.dump(), 400, "height"},
      {json{{"theme", Onyx()}, {"width", 400.5}}.dump(), 400, "width"},
      {json{{"theme", Onyx()}, {"hover", "nose"}}.dump(), 400, "hover"},
      {json{{"theme", Onyx()}, {"caption", std::string(300, 'x')}}.dump(), 400, "caption"},
      {json{{"theme", "1##2#$#3"}}.dump(), 422, "theme"},
  };
  for (const Case& c : cases) {
    auto r = client_->Post("/api/render", c.body, "application/json");
    ASSERT_TRUE(r) << c.body.substr(0, 60);
    EXPECT_EQ(r->status, c.status) << c.body.substr(0, 60);
    const json answer = Body(r);
    EXPECT_TRUE(answer["error"].is_string() && !answer["error"].get<std::string>().empty()) << r->body;
    if (!c.field.empty()) {
      EXPECT_EQ(answer["field"], c.field) << r->body;
    }
  }
  // The server still answers after all of that.
  EXPECT_EQ(Render({{"theme", Onyx()}, {"width", 200}, {"height", 150}}).image.width(), 200);
}

TEST_F(StudioApi, ValidatesWithFieldMessagesAndContrast) {
  auto good = Post("/api/validate", {{"theme", Onyx()}});
  ASSERT_TRUE(good);
  EXPECT_EQ(good->status, 200);
  const json answer = Body(good);
  EXPECT_EQ(answer["valid"], true);
  // The caption, then three states of four buttons.
  ASSERT_EQ(answer["contrast"].size(), 13u);
  EXPECT_EQ(answer["contrast"][0]["subject"], "Caption on the title bar");

  std::string bad = Onyx();
  bad.replace(bad.find("##"), 2, "##x");  // BorderColor1 of the title bar becomes "x..."
  auto r = Post("/api/validate", {{"theme", bad}});
  ASSERT_TRUE(r);
  EXPECT_EQ(r->status, 422);  // and valid false: the page's refusals need it (studio.test.js)
  const json refused = Body(r);
  EXPECT_EQ(refused["problems"][0]["field"], 0);
  EXPECT_EQ(refused["problems"][0]["position"], 1);
  EXPECT_NE(refused["error"].get<std::string>().find("BorderColor1"), std::string::npos);
}

TEST_F(StudioApi, ContrastFollowsTheCaptionColour) {
  // The title bar's caption made the colour of its fill fails; white on a
  // black fill passes with the highest ratio.
  std::string theme = Onyx();
  const auto first = theme.find("#$#");
  const std::string flat =
      "1##0##0##0##0##0##0##CAPTION##False##0##0##0##0##0##0##0##0##50";  // style 0: CellColor1 flat
  std::string dark = flat;
  dark.replace(dark.find("CAPTION"), 7, "16777215");
  std::string same = flat;
  same.replace(same.find("CAPTION"), 7, "0");
  auto ratio = [&](const std::string& record) {
    auto r = Post("/api/validate", {{"theme", record + theme.substr(first)}});
    return Body(r)["contrast"][0];
  };
  const json white = ratio(dark);
  EXPECT_EQ(white["background"], "#000000");
  EXPECT_DOUBLE_EQ(white["ratio"].get<double>(), 21.0);
  EXPECT_EQ(white["ok"], true);
  const json black = ratio(same);
  EXPECT_DOUBLE_EQ(black["ratio"].get<double>(), 1.0);
  EXPECT_EQ(black["ok"], false);
}

TEST_F(StudioApi, SwatchesShowEveryStyleInTheLooksColours) {
  const std::string record = "1##12829635##16777215##3##3##1##1##16777215##True##8421504##12829635##10857122##16777215##16777215##7##0##0##50";
  auto fill = Post("/api/swatches", {{"record", record}, {"kind", "fill"}, {"width", 80}, {"height", 24}});
  ASSERT_TRUE(fill);
  ASSERT_EQ(fill->status, 200) << fill->body;
  const raster::Bitmap sheet = DecodePng(fill->body);
  EXPECT_EQ(sheet.width(), 80);
  EXPECT_EQ(sheet.height(), 24 * 25);
  auto border = Post("/api/swatches", {{"record", record}, {"kind", "border"}});
  ASSERT_TRUE(border);
  EXPECT_EQ(DecodePng(border->body).height(), 30 * 8);
  EXPECT_EQ(Status("/api/swatches", {{"record", "1##2"}, {"kind", "fill"}}), 422);
  EXPECT_EQ(Status("/api/swatches", {{"record", record}, {"kind", "stripes"}}), 400);
}

// What the page downloads (the string and a CRLF) is what the control reads
// and writes back, system colours included.
TEST(StudioFile, TheControlLoadsAStudioFileUnchanged) {
  ThemeCheck check = CheckTheme(Onyx());
  ASSERT_TRUE(check.theme);
  check.theme->looks[0][kPosCaptionColor] = static_cast<std::int32_t>(0x80000009u);  // title bar text
  check.theme->metrics[3] = static_cast<std::int32_t>(0x8000000Fu);                // button face
  check.theme->looks[9][kPosCellColor1] = 0x123456;
  const std::string text = FormatTheme(*check.theme);
  const test_files::ScratchDir dir;
  dir.put("studio.gwr", text + "\r\n");
  stage::SkinStage stage(Size{500, 400}, Rect{0, 0, 400, 300});
  stage.place();
  stage.skin().LoadSkinTheme(dir.file("studio.gwr"));
  EXPECT_EQ(stage::ToUtf8(stage.skin().SaveSkinTheme()), text);
}

// The ends of the scale, 21:1 and 1:1, are ContrastFollowsTheCaptionColour's.
TEST(StudioContrast, RatiosFollowWcag) {
  // #777777 on white is the well-known near miss of 4.48:1.
  EXPECT_NEAR(ContrastRatio(MakeRgb(0x77, 0x77, 0x77), MakeRgb(255, 255, 255)), 4.48, 0.005);
  // Green weighs most: pure green on black is far brighter than pure blue.
  EXPECT_GT(ContrastRatio(MakeRgb(0, 255, 0), 0), 5 * ContrastRatio(MakeRgb(0, 0, 255), 0) / 2);
}

}  // namespace
}  // namespace glavo::studio
