// The registry contract, run on every backend: in memory, and on the real registry
// where it is at hand. Each test works below scratch keys that are removed around it.
#include <gtest/gtest.h>

#include "backends.h"
#include "store/registry.h"

namespace kl {
namespace {

constexpr const char* kScratch = "\\Software\\KLScratch";
constexpr const char* kClassesScratch = "\\KLScratch";
const std::string kHyoji = "\x95\x5C\x8E\xA6";  // "表示": the first trail byte is a backslash
const std::string kViewVerb = "画像ﾋﾞｭｰ";

template <class Backend>
class RegistryContract : public ::testing::Test {
 protected:
  void SetUp() override { RemoveScratch(); }
  void TearDown() override { RemoveScratch(); }

  void RemoveScratch() {
    TRegistry cleaner(backend_);
    cleaner.DeleteKey(kScratch);
    cleaner.SetRootKey(RegistryRoot::ClassesRoot);
    cleaner.DeleteKey(kClassesScratch);
  }

  // Writes a value of any type straight through the backend.
  void WriteRaw(const std::string& path, const std::string& name, ValueType type, const std::string& data) {
    const KeyHandle key = backend_.Open(RegistryRoot::CurrentUser, path.substr(1), true);
    ASSERT_NE(key, 0u);
    EXPECT_TRUE(backend_.WriteValue(key, name, {type, data}));
    backend_.Close(key);
  }

  RegistryValue ReadRaw(const std::string& path, const std::string& name) {
    const KeyHandle key = backend_.Open(RegistryRoot::CurrentUser, path.substr(1), false);
    if (key == 0) return {};
    const ValueRead read = backend_.ReadValue(key, name);
    backend_.Close(key);
    return read.value;
  }

  std::vector<std::string> KeyNames(const std::string& path) {
    TRegistry reader(backend_);
    std::vector<std::string> names{"sentinel"};
    reader.OpenKey(path, false);
    reader.GetKeyNames(names);
    return names;
  }

  Backend backend_;
  TRegistry registry_{backend_};
};

TYPED_TEST_SUITE(RegistryContract, test::RegistryBackends, test::BackendNames);

TYPED_TEST(RegistryContract, NewObjectHasCurrentUserRootAndNoCurrentKey) {
  EXPECT_EQ(this->registry_.RootKey(), RegistryRoot::CurrentUser);
  EXPECT_FALSE(this->registry_.HasCurrentKey());
  EXPECT_EQ(this->registry_.ReadString(""), "");
  try {
    this->registry_.WriteString("", "x");
    FAIL() << "a write without a current key must raise";
  } catch (const ERegistryException& error) {
    EXPECT_STREQ(error.what(), "'' の設定に失敗しました");
  }
}

TYPED_TEST(RegistryContract, OpenKeyCreatesTheWholePathAndNamesCompareWithoutCase) {
  const std::string deep = std::string(kScratch) + "\\One\\Two";
  EXPECT_FALSE(this->registry_.OpenKey(deep, false));
  EXPECT_TRUE(this->registry_.OpenKey(deep, true));
  this->registry_.WriteString("caption", "Microsoft Word");
  EXPECT_TRUE(this->registry_.KeyExists(std::string(kScratch) + "\\One"));
  // Another spelling and a trailing backslash name the same key.
  EXPECT_TRUE(this->registry_.OpenKey("\\SOFTWARE\\klscratch\\one\\TWO\\", false));
  EXPECT_EQ(this->registry_.ReadString("CAPTION"), "Microsoft Word");
}

TYPED_TEST(RegistryContract, FailedOpenLeavesNoKeyToReadOrWrite) {
  ASSERT_TRUE(this->registry_.OpenKey(std::string(kScratch) + "\\Open", true));
  this->registry_.WriteString("", "kept");
  EXPECT_FALSE(this->registry_.OpenKey(std::string(kScratch) + "\\Missing", false));
  EXPECT_FALSE(this->registry_.HasCurrentKey());
  EXPECT_EQ(this->registry_.ReadString(""), "");
  EXPECT_THROW(this->registry_.WriteString("", "lost"), ERegistryException);
  EXPECT_EQ(this->ReadRaw(std::string(kScratch) + "\\Open", "").data, std::string("kept\0", 5));
}

TYPED_TEST(RegistryContract, KeyExistsLeavesTheCurrentKeyAlone) {
  ASSERT_TRUE(this->registry_.OpenKey(kScratch, true));
  this->registry_.WriteString("v", "1");
  EXPECT_FALSE(this->registry_.KeyExists(std::string(kScratch) + "\\Nope"));
  EXPECT_TRUE(this->registry_.KeyExists(kScratch));
  EXPECT_EQ(this->registry_.ReadString("v"), "1");
}

TYPED_TEST(RegistryContract, WriteStringStoresTerminatedStringValues) {
  ASSERT_TRUE(this->registry_.OpenKey(kScratch, true));
  this->WriteRaw(kScratch, "was-dword", ValueType::DWord, std::string("\x05\0\0\0", 4));
  this->registry_.WriteString("was-dword", "now text");
  this->registry_.WriteString("", "\"C:\\Tools\\KL.EXE\" \"%1\"");
  this->registry_.WriteString("jp", kViewVerb);
  this->registry_.WriteString("empty", "");

  struct Expected {
    const char* name;
    std::string text;
  };
  for (const Expected& e : {Expected{"was-dword", "now text"}, Expected{"", "\"C:\\Tools\\KL.EXE\" \"%1\""},
                            Expected{"jp", kViewVerb}, Expected{"empty", ""}}) {
    SCOPED_TRACE(e.name);
    const RegistryValue raw = this->ReadRaw(kScratch, e.name);
    EXPECT_EQ(raw.type, ValueType::String);
    EXPECT_EQ(raw.data, e.text + '\0');
    EXPECT_EQ(this->registry_.ReadString(e.name), e.text);
  }
}

TYPED_TEST(RegistryContract, ReadStringAcceptsTextTypesAndRefusesOthers) {
  struct Case {
    const char* name;
    ValueType type;
    std::string data;
    std::string text;     // what ReadString gives
    const char* error;    // or the message it raises
  };
  const Case cases[] = {
      {"sz", ValueType::String, std::string("text\0", 5), "text", nullptr},
      {"unterminated", ValueType::String, "bare", "bare", nullptr},
      {"inner-nul", ValueType::String, std::string("a\0b\0", 4), "a", nullptr},
      {"expand", ValueType::ExpandString, std::string("%WINDIR%\\x\0", 11), "%WINDIR%\\x", nullptr},
      {"empty-sz", ValueType::String, "", "", nullptr},
      {"empty-binary", ValueType::Binary, "", "", nullptr},
      {"dword", ValueType::DWord, std::string("\x01\0\0\0", 4), "", "'dword' のﾃﾞｰﾀ型が不正です"},
      {"binary", ValueType::Binary, "ab", "", "'binary' のﾃﾞｰﾀ型が不正です"},
      {"", ValueType::DWord, std::string("\x01\0\0\0", 4), "", "'' のﾃﾞｰﾀ型が不正です"},
  };
  for (const Case& c : cases) this->WriteRaw(kScratch, c.name, c.type, c.data);
  ASSERT_TRUE(this->registry_.OpenKey(kScratch, false));
  EXPECT_EQ(this->registry_.ReadString("absent"), "");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.error == nullptr) {
      EXPECT_EQ(this->registry_.ReadString(c.name), c.text);
      continue;
    }
    try {
      this->registry_.ReadString(c.name);
      ADD_FAILURE() << "no error raised";
    } catch (const ERegistryException& error) {
      EXPECT_STREQ(error.what(), c.error);
    }
  }
}

TYPED_TEST(RegistryContract, SelectingAnotherRootClosesTheCurrentKey) {
  ASSERT_TRUE(this->registry_.OpenKey(kScratch, true));
  this->registry_.SetRootKey(RegistryRoot::CurrentUser);
  EXPECT_TRUE(this->registry_.HasCurrentKey());
  this->registry_.SetRootKey(RegistryRoot::ClassesRoot);
  EXPECT_FALSE(this->registry_.HasCurrentKey());
  EXPECT_FALSE(this->registry_.KeyExists(kScratch));  // paths now resolve from the classes root
}

TYPED_TEST(RegistryContract, DeleteKeyRemovesTheSubtreeOnce) {
  this->registry_.SetRootKey(RegistryRoot::ClassesRoot);
  const std::string verb = std::string(kClassesScratch) + "\\shell\\" + kViewVerb;
  ASSERT_TRUE(this->registry_.OpenKey(verb + "\\command", true));
  this->registry_.WriteString("", "\"C:\\KL.EXE\" -s \"%1\"");
  ASSERT_TRUE(this->registry_.OpenKey(std::string(kClassesScratch) + "\\shell", false));

  // Written through one spelling, removed through another.
  EXPECT_TRUE(this->registry_.DeleteKey("\\klscratch\\Shell\\" + kViewVerb));
  EXPECT_FALSE(this->registry_.KeyExists(verb + "\\command"));
  EXPECT_FALSE(this->registry_.KeyExists(verb));
  EXPECT_TRUE(this->registry_.KeyExists(std::string(kClassesScratch) + "\\shell"));
  EXPECT_FALSE(this->registry_.DeleteKey("\\klscratch\\Shell\\" + kViewVerb));
  EXPECT_TRUE(this->registry_.HasCurrentKey());
}

TYPED_TEST(RegistryContract, KeyNamesHoldDoubleByteCharactersWhole) {
  ASSERT_TRUE(this->registry_.OpenKey(std::string(kScratch) + "\\" + kHyoji + "\\inner", true));
  EXPECT_EQ(this->KeyNames(kScratch), std::vector<std::string>{kHyoji});
  EXPECT_TRUE(this->registry_.KeyExists(std::string(kScratch) + "\\" + kHyoji + "\\inner"));
  // "表" ends in a backslash byte that is no separator: deleting the key named "表"
  // leaves its sibling "表示" alone.
  const std::string hyo = kHyoji.substr(0, 2);
  ASSERT_TRUE(this->registry_.OpenKey(std::string(kScratch) + "\\" + hyo, true));
  EXPECT_TRUE(this->registry_.DeleteKey(std::string(kScratch) + "\\" + hyo));
  EXPECT_EQ(this->KeyNames(kScratch), std::vector<std::string>{kHyoji});
  EXPECT_TRUE(this->registry_.DeleteKey(std::string(kScratch) + "\\" + kHyoji + "\\"));
  EXPECT_EQ(this->KeyNames(kScratch), std::vector<std::string>{});
}

TYPED_TEST(RegistryContract, GetKeyNamesListsSubkeysInNameOrder) {
  for (const char* name : {".txt", ".DOC", "noext", ".psd"}) {
    ASSERT_TRUE(this->registry_.OpenKey(std::string(kScratch) + "\\" + name + "\\child", true));
  }
  EXPECT_EQ(this->KeyNames(kScratch), (std::vector<std::string>{".DOC", ".psd", ".txt", "noext"}));
  // Without a current key the list is emptied and stays empty.
  EXPECT_EQ(this->KeyNames(std::string(kScratch) + "\\missing"), std::vector<std::string>{});
}

TYPED_TEST(RegistryContract, MoveKeyCopiesValuesWithTheirTypesAndSubkeys) {
  const std::string dde = std::string(kScratch) + "\\shell\\open\\ddeexec";
  const std::string parked = dde + "1";
  this->WriteRaw(dde, "", ValueType::String, std::string("[open(\"%1\")]\0", 13));
  this->WriteRaw(dde, "flags", ValueType::DWord, std::string("\x07\0\0\0", 4));
  this->WriteRaw(dde + "\\Application", "", ValueType::String, std::string("WinWord\0", 8));
  ASSERT_TRUE(this->registry_.OpenKey(kScratch, false));

  this->registry_.MoveKey(dde, parked, true);

  EXPECT_FALSE(this->registry_.KeyExists(dde));
  EXPECT_EQ(this->ReadRaw(parked, "").data, std::string("[open(\"%1\")]\0", 13));
  const RegistryValue flags = this->ReadRaw(parked, "flags");
  EXPECT_EQ(flags.type, ValueType::DWord);
  EXPECT_EQ(flags.data, std::string("\x07\0\0\0", 4));
  EXPECT_EQ(this->ReadRaw(parked + "\\Application", "").data, std::string("WinWord\0", 8));
  EXPECT_TRUE(this->registry_.HasCurrentKey());
}

TYPED_TEST(RegistryContract, MoveKeyDoesNothingUnlessTheSourceExistsAndTheTargetDoesNot) {
  const std::string dde = std::string(kScratch) + "\\ddeexec";
  const std::string parked = std::string(kScratch) + "\\ddeexec1";
  this->registry_.MoveKey(dde, parked, true);
  EXPECT_FALSE(this->registry_.KeyExists(parked));

  this->WriteRaw(dde, "", ValueType::String, std::string("new\0", 4));
  this->WriteRaw(parked, "", ValueType::String, std::string("older\0", 6));
  this->registry_.MoveKey(dde, parked, true);
  EXPECT_EQ(this->ReadRaw(dde, "").data, std::string("new\0", 4));
  EXPECT_EQ(this->ReadRaw(parked, "").data, std::string("older\0", 6));

  // Without delete the source stays; into its own subtree it does not go at all.
  const std::string copy = std::string(kScratch) + "\\copy";
  this->registry_.MoveKey(dde, copy, false);
  EXPECT_EQ(this->ReadRaw(dde, "").data, std::string("new\0", 4));
  EXPECT_EQ(this->ReadRaw(copy, "").data, std::string("new\0", 4));
  this->registry_.MoveKey(dde, dde + "\\inner", true);
  EXPECT_TRUE(this->registry_.KeyExists(dde));
  EXPECT_FALSE(this->registry_.KeyExists(dde + "\\inner"));
}

}  // namespace
}  // namespace kl
