// The status line: every part of the display under its own key, in a fixed order.
#include "app/status_json.h"

#include <gtest/gtest.h>

namespace tonquil {
namespace {

TEST(StatusJson, CarriesEveryFieldOfTheDisplay) {
  DisplayStatus status;
  status.port = u"COM3";
  status.open = true;
  status.pause = u"Playing";
  status.speed = u"x1";
  status.loop = u"2";
  status.repeat = u"Off";
  status.file = u"\\music\\a\"b.s98";
  const char16_t* values[] = {u"t", u"a", u"g", u"y", u"ge", u"c", u"co", u"by", u"PC-98"};
  for (int i = 0; i < kTagFieldCount; ++i) status.tags[kTagFields[static_cast<size_t>(i)]] = values[i];
  status.firmware = u"ver 1\r\n曲";
  EXPECT_EQ(StatusJson(status),
            R"({"port":"COM3","open":true,"lost":false,"pause":"Playing","speed":"x1","loop":"2","repeat":"Off",)"
            R"("file":"\\music\\a\"b.s98","tags":{"title":"t","artist":"a","game":"g","year":"y","genre":"ge",)"
            R"("comment":"c","copyright":"co","s98by":"by","system":"PC-98"},"firmware":"ver 1\r\n)"
            "\xE6\x9B\xB2\"}");
}

TEST(StatusJson, ALostPortIsOpenAndLost) {
  DisplayStatus status;
  status.open = true;
  status.lost = true;
  const std::string json = StatusJson(status);
  EXPECT_NE(json.find(R"("open":true,"lost":true)"), std::string::npos) << json;
}

}  // namespace
}  // namespace tonquil
