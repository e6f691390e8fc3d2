#include "settings/settings_session.h"

#include <new>

namespace tonquil {

void SettingsSession::Read(const std::function<void(const TMemIniFile&)>& read) {
  try {
    const TMemIniFile document(store_, path_);
    read(document);
    return;
  } catch (const SettingsError&) {
    keep_file_ = true;
  } catch (const std::bad_alloc&) {  // a file too big to hold counts as unreadable
    keep_file_ = true;
  }
  const TMemIniFile empty(store_, u"");  // no path: an empty document
  read(empty);
}

bool SettingsSession::Save(const std::function<void(TMemIniFile&)>& write) {
  if (keep_file_) return false;
  try {
    TMemIniFile document(store_, path_);
    write(document);
    document.UpdateFile();
    return true;
  } catch (const SettingsError&) {
    return false;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

}  // namespace tonquil
