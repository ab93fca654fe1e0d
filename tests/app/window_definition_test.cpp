#include "app/window_definition.hpp"

#include <gtest/gtest.h>

#include <vector>

#include "app/window_placement.hpp"
#include "core/gbk_codec.hpp"

namespace strcrypt::app {
namespace {

std::string Gbk(const char* utf8) { return EncodeToGbk(utf8, "UTF-8", OnUnencodable::kFail).bytes; }

const WindowDefinition& Main() { return WindowDefinitions().front(); }

TEST(WindowDefinition, CaptionsAreTheGbkOfTheirReadableText) {
  EXPECT_EQ(Main().title, Gbk("Lumaren字符串加密工具 v1.0"));
  const std::pair<const char*, const char*> captions[] = {{"按钮1", "加  密"},
                                                          {"按钮2", "解  密"},
                                                          {"标签1", "输入密码："},
                                                          {"标签2", "待加密/解密文本"},
                                                          {"标签3", "加密/解密 后文本"},
                                                          {"标签4", "加密/解密后带命令型"},
                                                          {"标签5", "加密/解密后不带命令型"},
                                                          {"超级链接框1", "Lumaren"}};
  for (const auto& [name, text] : captions) {
    ASSERT_NE(Main().Find(name), nullptr) << name;
    EXPECT_EQ(Main().Find(name)->text, Gbk(text)) << name;
  }
  const auto items = Main().Find("组合框1")->items;
  ASSERT_EQ(items.size(), 2U);
  EXPECT_EQ(items[0], Gbk("DES算法"));
  EXPECT_EQ(items[1], Gbk("RC4算法"));
}

TEST(WindowDefinition, TheBuiltInDefinitionIsSound) {
  EXPECT_EQ(Main().number, 0x52010001U);
  EXPECT_EQ(Main().controls.size(), 14U);
  EXPECT_EQ(FindDefinitionFault(Main()), std::nullopt);
}

TEST(WindowDefinition, FaultsAreFound) {
  std::vector<ControlDefinition> controls(Main().controls.begin(), Main().controls.end());
  WindowDefinition broken = Main();
  controls[1].left = controls[0].left + 10;
  controls[1].top = controls[0].top + 10;
  broken.controls = controls;
  EXPECT_NE(FindDefinitionFault(broken), std::nullopt);  // overlap

  controls.assign(Main().controls.begin(), Main().controls.end());
  controls[2].tab_place = 1;
  broken.controls = controls;
  EXPECT_NE(FindDefinitionFault(broken), std::nullopt);  // two at Tab place 1
}

TEST(CentredOrigin, DividesTowardZeroOnTheWholeScreen) {
  const std::tuple<int, int, Point> cases[] = {
      {1024, 768, {234, 188}}, {800, 600, {122, 104}}, {320, 240, {-117, -76}}};
  for (const auto& [width, height, origin] : cases) {
    EXPECT_EQ(CentredOrigin(width, height, 555, 392), origin) << width;
  }
}

}  // namespace
}  // namespace strcrypt::app
