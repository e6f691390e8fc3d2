#include "nowplaying/notice_text.h"

namespace tonquil {
namespace {

constexpr char16_t kFieldEnd[] = u"\\0";

}  // namespace

std::u16string NoticeText(const TNowPlayingInfo& info, bool enabled) {
  // Built field by field rather than through a format string, so that a "%" or "{0}"
  // in a tag can never be taken for a placeholder.
  const std::u16string fields[] = {
      info.AppId, u"Music", enabled ? u"1" : u"0", info.AppId + u": {0} - {1}", info.Text1, info.Text2, u"", u""};
  std::u16string text;
  for (const std::u16string& field : fields) {
    text += field;
    text += kFieldEnd;
  }
  return text;
}

std::size_t CopyDataSize(const std::u16string& text) { return 2 * text.size() + 2; }

std::string CopyDataBytes(const std::u16string& text) {
  std::string bytes;
  bytes.reserve(CopyDataSize(text));
  for (const char16_t unit : text) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  bytes.append(2, '\0');
  return bytes;
}

}  // namespace tonquil
