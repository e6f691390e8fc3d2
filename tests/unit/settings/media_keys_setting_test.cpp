// The media keys option, a key that older settings files do not have: a file of
// defaults must stay byte for byte what it was before the key existed.
#include <gtest/gtest.h>

#include "settings/fake_file_store.h"
#include "settings/option_values.h"

namespace tonquil {
namespace {

const std::u16string kPath = u"C:\\Tonquil\\Tonquil.ini";
const std::u16string kSixKeys = u"[Option]\r\nX=100\r\nY=100\r\nComPort=COM1\r\nNoTaskTray=0\r\nNoTaskTrayPopup=0\r\nMSN=0\r\n";

std::string SaveOptions(FakeFileStore& store, const OptionValues& values) {
  TMemIniFile document(store, kPath);
  WriteOptionValues(document, values);
  document.UpdateFile();
  return store.files[kPath];
}

OptionValues LoadOptions(FakeFileStore& store) { return ReadOptionValues(TMemIniFile(store, kPath)); }

TEST(MediaKeysSetting, OnByDefaultAndNotWrittenWhileItIs) {
  FakeFileStore store;
  const OptionValues values = LoadOptions(store);
  EXPECT_TRUE(values.media_keys);
  EXPECT_EQ(SaveOptions(store, values), WithMark(kSixKeys + u"\r\n"));
}

TEST(MediaKeysSetting, SwitchedOffItFollowsTheSixKeysAndIsReadBack) {
  FakeFileStore store;
  store.files[kPath] = WithMark(u"[Option]\r\nLater=x\r\n[Other]\r\nA=1\r\n");
  OptionValues values = LoadOptions(store);
  values.media_keys = false;
  EXPECT_EQ(SaveOptions(store, values),
            WithMark(u"[Option]\r\nLater=x\r\nX=100\r\nY=100\r\nComPort=COM1\r\nNoTaskTray=0\r\nNoTaskTrayPopup=0\r\n"
                     u"MSN=0\r\nMediaKeys=0\r\n\r\n[Other]\r\nA=1\r\n\r\n"));
  EXPECT_FALSE(LoadOptions(store).media_keys);
}

TEST(MediaKeysSetting, OnceInTheFileItIsWrittenInItsPlaceAlsoWhenBackToItsDefault) {
  FakeFileStore store;
  store.files[kPath] = WithMark(u"[Option]\r\nmediakeys=0\r\nMSN=1\r\n");
  OptionValues values = LoadOptions(store);
  EXPECT_FALSE(values.media_keys);
  values.media_keys = true;
  EXPECT_EQ(SaveOptions(store, values),
            WithMark(u"[Option]\r\nMediaKeys=1\r\nMSN=1\r\nX=100\r\nY=100\r\nComPort=COM1\r\nNoTaskTray=0\r\n"
                     u"NoTaskTrayPopup=0\r\n\r\n"));
}

TEST(MediaKeysSetting, ReadsLikeAnyBooleanWithItsDefaultOn) {
  FakeFileStore store;
  store.files[kPath] = WithMark(u"[Option]\r\nMediaKeys=yes\r\n");
  EXPECT_TRUE(LoadOptions(store).media_keys) << "a word is no number: the default";
  store.files[kPath] = WithMark(u"[Option]\r\nMediaKeys=2\r\n");
  EXPECT_TRUE(LoadOptions(store).media_keys);
}

}  // namespace
}  // namespace tonquil
