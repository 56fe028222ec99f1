// Faults only the in-memory registry can stage: keys that cannot be opened, writes and
// reads that fail.
#include <gtest/gtest.h>

#include "platform/registry_memory.h"
#include "store/registry.h"

namespace kl {
namespace {

class RegistryFaults : public ::testing::Test {
 protected:
  std::string MessageOf(const std::function<void()>& action) {
    try {
      action();
    } catch (const ERegistryException& error) {
      return error.what();
    }
    return "(no error)";
  }

  InMemoryRegistry backend_;
  TRegistry registry_{backend_};
};

TEST_F(RegistryFaults, KeyThatCannotBeOpenedCountsAsMissing) {
  ASSERT_TRUE(registry_.OpenKey("\\Software\\kolbra\\.doc", true));
  backend_.DenyOpen(RegistryRoot::CurrentUser, "Software\\kolbra\\.doc");
  EXPECT_FALSE(registry_.KeyExists("\\Software\\kolbra\\.doc"));
  EXPECT_FALSE(registry_.OpenKey("\\Software\\kolbra\\.doc", false));
  EXPECT_FALSE(registry_.OpenKey("\\Software\\kolbra\\.doc", true));
  EXPECT_FALSE(registry_.HasCurrentKey());
}

TEST_F(RegistryFaults, FailedOperationsRaiseTheirMessages) {
  ASSERT_TRUE(registry_.OpenKey("\\Software\\kolbra", true));
  registry_.WriteString("", "C:\\Vimra\\VIMRA.EXE");
  backend_.FailReads(RegistryRoot::CurrentUser, "Software\\kolbra");
  EXPECT_EQ(MessageOf([&] { registry_.ReadString(""); }), "'' の取得に失敗しました");
  EXPECT_EQ(registry_.ReadString("absent"), "");

  backend_.FailWrites(RegistryRoot::CurrentUser, "Software\\kolbra");
  EXPECT_EQ(MessageOf([&] { registry_.WriteString("caption", "x"); }), "'caption' の設定に失敗しました");
  EXPECT_EQ(MessageOf([&] { registry_.MoveKey("\\Software\\x", "\\Software\\kolbra\\new", true); }),
            "(no error)");  // nothing to move

  ASSERT_TRUE(registry_.OpenKey("\\Software\\x", true));
  EXPECT_EQ(MessageOf([&] { registry_.MoveKey("\\Software\\x", "\\Software\\kolbra\\new", true); }),
            "ｷｰ \\Software\\kolbra\\new の作成に失敗しました");
  EXPECT_TRUE(registry_.KeyExists("\\Software\\x"));  // the source is kept when the copy fails
}

TEST_F(RegistryFaults, NoHandleOutlivesTheObject) {
  {
    TRegistry scoped(backend_);
    scoped.OpenKey("\\Software\\kolbra", true);
    scoped.KeyExists("\\Software");
    scoped.MoveKey("\\Software\\kolbra", "\\Software\\moved", true);
  }
  registry_.CloseKey();
  EXPECT_EQ(backend_.OpenHandleCount(), 0u);
}

}  // namespace
}  // namespace kl
