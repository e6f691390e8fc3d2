#include "app/status_json.h"

#include "text/json_text.h"

namespace tonquil {
namespace {

// The keys of the S98 tags, as the module's reports name them.
const char* KeyOf(TagField field) {
  switch (field) {
    case TagField::Title: return "title";
    case TagField::Artist: return "artist";
    case TagField::Game: return "game";
    case TagField::Year: return "year";
    case TagField::Genre: return "genre";
    case TagField::Comment: return "comment";
    case TagField::Copyright: return "copyright";
    case TagField::S98By: return "s98by";
    case TagField::System: break;
  }
  return "system";
}

}  // namespace

std::string StatusJson(const DisplayStatus& status) {
  JsonObjectWriter json;
  json.Add("port", status.port).Add("open", status.open).Add("lost", status.lost);
  json.Add("pause", status.pause).Add("speed", status.speed).Add("loop", status.loop);
  json.Add("repeat", status.repeat).Add("file", status.file);
  json.Open("tags");
  for (TagField field : kTagFields) json.Add(KeyOf(field), status.tags[field]);
  json.Close();
  json.Add("firmware", status.firmware);
  return json.Text();
}

}  // namespace tonquil
