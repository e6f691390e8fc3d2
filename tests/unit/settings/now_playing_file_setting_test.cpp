// The now-playing file's three keys: read with their defaults, and left in the file as the
// user wrote them, since the program has no way to change them.
#include <gtest/gtest.h>

#include "settings/fake_file_store.h"
#include "settings/option_values.h"

namespace tonquil {
namespace {

const std::u16string kPath = u"C:\\Tonquil\\Tonquil.ini";

NowPlayingFileOptions Load(FakeFileStore& store) { return ReadNowPlayingFileOptions(TMemIniFile(store, kPath)); }

std::string SaveOptions(FakeFileStore& store, const OptionValues& values) {
  TMemIniFile document(store, kPath);
  WriteOptionValues(document, values);
  document.UpdateFile();
  return store.files[kPath];
}

TEST(NowPlayingFileSetting, WithoutTheKeysThereIsNoFileAndTheDefaultTemplate) {
  FakeFileStore store;
  const NowPlayingFileOptions options = Load(store);
  EXPECT_EQ(options.path, u"");
  EXPECT_EQ(options.format, u"{title} - {artist}");
  EXPECT_EQ(options.idle, u"");
}

TEST(NowPlayingFileSetting, KeysAreReadFromTheOptionSectionWhateverTheirCase) {
  FakeFileStore store;
  store.files[kPath] = WithMark(u"[Main]\r\nNowPlayingFile=wrong.txt\r\n[Option]\r\nnowplayingfile=D:\\配信\\曲.txt\r\n"
                                u"NowPlayingFormat={title}\\n{artist}\r\nNowPlayingIdle=  休憩中  \r\n");
  const NowPlayingFileOptions options = Load(store);
  EXPECT_EQ(options.path, u"D:\\配信\\曲.txt");
  EXPECT_EQ(options.format, u"{title}\\n{artist}") << "the line break is the template's to read";
  EXPECT_EQ(options.idle, u"休憩中");
}

TEST(NowPlayingFileSetting, AnEmptyFormatIsKeptEmpty) {
  FakeFileStore store;
  store.files[kPath] = WithMark(u"[Option]\r\nNowPlayingFormat=\r\n");
  EXPECT_EQ(Load(store).format, u"");
}

TEST(NowPlayingFileSetting, ASaveLeavesTheKeysAsTheFileHasThem) {
  FakeFileStore store;
  store.files[kPath] = WithMark(u"[Option]\r\nNowPlayingFile=np.txt\r\nMSN=1\r\n");
  OptionValues values = ReadOptionValues(TMemIniFile(store, kPath));
  EXPECT_EQ(Load(store).path, u"np.txt");
  // Edited by hand while the program runs, to take effect at the next start.
  store.files[kPath] = WithMark(u"[Option]\r\nnowplayingfile=new.txt\r\nMSN=1\r\nNowPlayingIdle=off air\r\n");
  values.media_keys = false;
  EXPECT_EQ(SaveOptions(store, values),
            WithMark(u"[Option]\r\nnowplayingfile=new.txt\r\nMSN=1\r\nNowPlayingIdle=off air\r\nX=100\r\nY=100\r\n"
                     u"ComPort=COM1\r\nNoTaskTray=0\r\nNoTaskTrayPopup=0\r\nMediaKeys=0\r\n\r\n"));
}

}  // namespace
}  // namespace tonquil
