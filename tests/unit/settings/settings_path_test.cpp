#include "settings/settings_path.h"

#include <gtest/gtest.h>

#include "text/utf8.h"

namespace tonquil {
namespace {

TEST(SettingsPath, ReplacesTheExtensionOfTheExecutableName) {
  const std::pair<std::u16string_view, std::u16string_view> cases[] = {
      {u"C:\\Tools\\Tonquil.exe", u"C:\\Tools\\Tonquil.ini"},
      {u"C:\\Tools\\Tonquil.EXE", u"C:\\Tools\\Tonquil.ini"},
      {u"C:\\Tools\\Tonquil copy.old.exe", u"C:\\Tools\\Tonquil copy.old.ini"},
      {u"C:\\v1.2\\Tonquil", u"C:\\v1.2\\Tonquil.ini"},
      {u"C:\\v1.2/Tonquil", u"C:\\v1.2/Tonquil.ini"},
      {u"/opt/v1.2\\tonquil", u"/opt/v1.2\\tonquil.ini"},
      {u"C:\\Tools\\Tonquil.", u"C:\\Tools\\Tonquil.ini"},
      {u"C:\\Tools\\.exe", u"C:\\Tools\\.ini"},
      {u"Tonquil.exe", u"Tonquil.ini"},
      {u"C:\\ツール\\トンキル.exe", u"C:\\ツール\\トンキル.ini"},
      {u"", u".ini"},
  };
  for (const auto& [executable, settings] : cases) {
    EXPECT_EQ(SettingsPathFor(executable), settings) << Utf16ToUtf8(executable);
  }
}

TEST(SettingsPath, ARelativePathLiesBesideTheExecutableAndOthersStayAsWritten) {
  const std::u16string_view executable = u"C:\\Tools\\Tonquil.exe";
  const std::pair<std::u16string_view, std::u16string_view> cases[] = {
      {u"np.txt", u"C:\\Tools\\np.txt"},
      {u"obs\\再生中.txt", u"C:\\Tools\\obs\\再生中.txt"},
      {u"..\\np.txt", u"C:\\Tools\\..\\np.txt"},
      {u"D:\\Stream\\np.txt", u"D:\\Stream\\np.txt"},
      {u"d:np.txt", u"d:np.txt"},
      {u"\\Stream\\np.txt", u"\\Stream\\np.txt"},
      {u"\\\\server\\share\\np.txt", u"\\\\server\\share\\np.txt"},
      {u"/stream/np.txt", u"/stream/np.txt"},
  };
  for (const auto& [path, resolved] : cases) {
    EXPECT_EQ(PathBesideExecutable(executable, path), resolved) << Utf16ToUtf8(path);
  }
  EXPECT_EQ(PathBesideExecutable(u"Z:/opt/tonquil/Tonquil.exe", u"np.txt"), u"Z:/opt/tonquil/np.txt");
  EXPECT_EQ(PathBesideExecutable(u"Tonquil.exe", u"np.txt"), u"np.txt");
}

}  // namespace
}  // namespace tonquil
