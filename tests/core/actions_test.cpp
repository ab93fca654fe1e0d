#include "core/actions.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/data_cipher.hpp"
#include "core/work_buffer.hpp"

namespace strcrypt {
namespace {

Text T(std::string_view bytes) { return Text::FromBytes(bytes); }

// The window as a script: boxes in a map, a selection, a log of writes, and a hook run by
// ProcessEvents for a chosen call.
class ScriptedHost : public ActionHost {
 public:
  struct WindowGone {};

  Text ReadText(std::string_view box) override {
    CheckLoaded();
    return boxes[std::string(box)];
  }
  std::int32_t ReadSelection(std::string_view /*list*/) override {
    CheckLoaded();
    return selection;
  }
  void WriteText(std::string_view box, const Text& text) override {
    CheckLoaded();
    boxes[std::string(box)] = text;
    writes.push_back(std::string(box));
  }
  void ProcessEvents() override {
    ++process_events_calls;
    if (const auto hook = pending.find(process_events_calls); hook != pending.end()) {
      auto run = std::move(hook->second);
      pending.erase(hook);
      run();
    }
  }

  std::string Box(std::string_view name) { return std::string(boxes[std::string(name)].View()); }

  std::map<std::string, Text, std::less<>> boxes;
  std::int32_t selection = 0;
  bool loaded = true;
  std::vector<std::string> writes;
  int process_events_calls = 0;
  std::map<int, std::function<void()>> pending;  // by ProcessEvents call number

 private:
  void CheckLoaded() const {
    if (!loaded) throw WindowGone{};
  }
};

class Actions : public testing::Test {
 protected:
  void SetUp() override { ReleaseWorkBuffer(); }
  void TearDown() override { ReleaseWorkBuffer(); }
  ScriptedHost host;
};

const std::string kEncryptHead(kEncryptCodeLineHead);
const std::string kDecryptHead(kDecryptCodeLineHead);

TEST_F(Actions, DecryptRightAfterStartWorksOnTheEmptyBuffer) {
  host.boxes["编辑框5"] = T("pw");
  DecryptAction(host);
  EXPECT_EQ(host.Box("编辑框3"), "");
  EXPECT_EQ(host.Box("编辑框4"), "{}");
  EXPECT_EQ(host.Box("编辑框2"), kDecryptHead + "{},pw,1 ))");
  EXPECT_EQ(host.writes, (std::vector<std::string>{"编辑框3", "编辑框2", "编辑框4"}));
  EXPECT_EQ(host.process_events_calls, 0);
}

TEST_F(Actions, EncryptOfOnlySpacesPublishesTheEmptyResult) {
  host.boxes["编辑框1"] = T(" \xA1\xA1  ");
  EncryptAction(host);
  EXPECT_TRUE(WorkBuffer().IsEmpty());
  EXPECT_EQ(host.Box("编辑框2"), kEncryptHead + "{},,1 ))");
}

TEST_F(Actions, EncryptPublishesTheKnownListAndCodeLine) {
  host.boxes["编辑框1"] = T("hel lo");
  host.boxes["编辑框5"] = T("123");
  EncryptAction(host);
  const std::string list = "{58,190,122,43,105,239,161,164,173,170,53,25,103,180,43,72}";
  EXPECT_EQ(host.Box("编辑框4"), list);
  EXPECT_EQ(host.Box("编辑框2"), kEncryptHead + list + ",123,1 ))");
  EXPECT_EQ(host.process_events_calls, 16);
}

TEST_F(Actions, EncryptThenDecryptGivesTheInputBackWithoutSpaces) {
  // "你好 世界", a full-width space, a tab and a line break, under a GBK password.
  host.boxes["编辑框1"] = T("\xC4\xE3\xBA\xC3 \xCA\xC0\xBD\xE7\xA1\xA1x\ty\r\nz");
  host.boxes["编辑框5"] = T("\xC3\xDC\xC2\xEB, ()");
  for (const std::int32_t selection : {0, 1}) {
    host.selection = selection;
    EncryptAction(host);
    DecryptAction(host);
    EXPECT_EQ(host.Box("编辑框3"), "\xC4\xE3\xBA\xC3\xCA\xC0\xBD\xE7x\ty\r\nz");
    const std::string digit = selection == 0 ? "1" : "2";
    EXPECT_TRUE(host.Box("编辑框2").ends_with(",\xC3\xDC\xC2\xEB, ()," + digit + " ))"));
  }
}

TEST_F(Actions, KindFromSelectionIsDesOnlyForIndexZero) {
  const std::pair<std::int32_t, CipherKind> cases[] = {{0, 1}, {1, 2}, {-1, 2}, {7, 2}};
  for (const auto& [selection, kind] : cases) EXPECT_EQ(KindFromSelection(selection), kind);
  host.selection = -1;
  host.boxes["编辑框1"] = T("abc");
  EncryptAction(host);
  EXPECT_EQ(ByteLength(WorkBuffer()), 3);  // RC4: as long as the input
  EXPECT_TRUE(host.Box("编辑框2").ends_with(",,2 ))"));
}

TEST_F(Actions, ResultWithZeroBytesListsEveryByteButShowsTextUpToTheFirstZero) {
  WorkBuffer() = ByteString::FromBytes(std::string_view("A\0\xFF", 3));
  PublishResult(host, kDesKind, kDecryptCodeLineHead);
  EXPECT_EQ(host.Box("编辑框3"), "A");
  EXPECT_EQ(host.Box("编辑框4"), "{65,0,255}");
  WorkBuffer() = ByteString::FromBytes("\x07");
  EXPECT_EQ(FormatByteList(host).View(), "{7}");
}

TEST_F(Actions, CodeLineCarriesThePasswordAsItIsWhenTheListIsDone) {
  host.boxes["编辑框1"] = T("text");
  host.boxes["编辑框5"] = T("old");
  host.pending[3] = [this] { host.boxes["编辑框5"] = T("new"); };
  EncryptAction(host);
  EXPECT_TRUE(host.Box("编辑框2").ends_with(",new,1 ))"));
  host.boxes["编辑框5"] = T("old");
  DecryptAction(host);
  EXPECT_EQ(host.Box("编辑框3"), "text");  // the cipher used "old"
}

TEST_F(Actions, NestedActionReplacesTheBufferUnderARunningList) {
  // The outer action lists 8 bytes; during its second ProcessEvents a nested decryption of
  // an RC4 result of 3 bytes replaces the buffer with "xyz".
  host.selection = 1;
  WorkBuffer() = ByteString::FromBytes("12345678");
  const ByteString nested_input = EncryptData(ByteString::FromBytes("xyz"), Text(), kRc4Kind);
  host.pending[2] = [this, nested_input] {
    WorkBuffer() = nested_input;
    DecryptAction(host);
  };
  PublishResult(host, kRc4Kind, kEncryptCodeLineHead);
  // Entries 1-2 from the old buffer, 3 from "xyz" closed by "}", the rest beyond its end.
  EXPECT_EQ(host.Box("编辑框4"), "{49,50,122}0,0,0,0,0,");
  EXPECT_EQ(host.Box("编辑框3"), "xyz");  // the nested action's text stays
  EXPECT_EQ(host.writes, (std::vector<std::string>{"编辑框3", "编辑框3", "编辑框2", "编辑框4",
                                                   "编辑框2", "编辑框4"}));
}

TEST_F(Actions, WindowClosedDuringTheListEndsAtTheNextBoxAccess) {
  host.boxes["编辑框1"] = T("closing");
  host.pending[1] = [this] { host.loaded = false; };
  EXPECT_THROW(EncryptAction(host), ScriptedHost::WindowGone);
  EXPECT_EQ(host.process_events_calls, 16);  // the list still runs to its end
  EXPECT_EQ(host.writes, (std::vector<std::string>{"编辑框3"}));
}

}  // namespace
}  // namespace strcrypt
