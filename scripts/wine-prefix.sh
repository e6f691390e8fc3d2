# The Wine prefix that every script and test shares: made once with wineboot, then given
# the settings below, which a stamp beside the prefix records by their version. Sourced by
# wine-env.sh, which sets WINEPREFIX and the functions tonquil_fail, tonquil_check_locale
# and tonquil_check_tools that these use.

tonquil_reg_add() {
  wine reg add "$1" /v "$2" /t "$3" /d "$4" /f >/dev/null 2>&1 ||
    tonquil_fail "could not set the registry value $1\\$2"
}

# Everything that keeps a Wine process from waiting on a dialog nobody will answer.
tonquil_prefix_settings() {
  # A crashing program ends at once with exit code 5 instead of waiting on winedbg.
  tonquil_reg_add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' Debugger REG_SZ '' &&
    tonquil_reg_add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' Auto REG_SZ 1 &&
    tonquil_reg_add 'HKCU\Software\Wine\WineDbg' ShowCrashDialog REG_DWORD 0 &&
    # No desktop menu entries and file associations written into the user's home.
    tonquil_reg_add 'HKCU\Software\Wine\DllOverrides' winemenubuilder.exe REG_SZ '' &&
    # Xvfb has no window manager: a managed window that closes waits 2 s for one to
    # confirm, which every program exit would pay.
    tonquil_reg_add 'HKCU\Software\Wine\X11 Driver' Managed REG_SZ N &&
    tonquil_prefix_session_double &&
    tonquil_prefix_fonts
}

# The tests' stand-in for the system's media session, which Wine does not have, as the
# activatable class that a program asks for. The tests put the DLL there; where it is
# missing, or it declines (see tools/session_double), the program sees no session.
tonquil_prefix_session_double() {
  tonquil_reg_add 'HKLM\Software\Microsoft\WindowsRuntime\ActivatableClassId\Windows.Media.SystemMediaTransportControls' \
    DllPath REG_SZ 'C:\tonquil-tests\tqsession.dll'
}

# Fonts as a Japanese Windows has them: Wine's own Tahoma and Marlett, which Wine does not
# find in Debian's fonts-wine by itself (Tahoma would fall back to a fixed-width font and
# the title-bar buttons would show letters); Tahoma linked to a proportional Japanese
# Gothic for the Japanese captions; that Gothic standing in for the system's UI font (the
# title bars' and message boxes' "MS UI Gothic", which would fall back to a fixed-width
# font too); and that Gothic as the fallback of Wine's Uniscribe for kana and kanji (value
# names: the script tags "kana" and "hani" as little-endian hex), which edit controls
# draw through and which would otherwise show boxes.
tonquil_prefix_fonts() {
  local fonts="$TONQUIL_WINEPREFIX/drive_c/windows/Fonts" font
  mkdir -p "$fonts"
  for font in tahoma.ttf tahomabd.ttf marlett.ttf; do
    cp -f "/usr/share/wine/fonts/$font" "$fonts/" ||
      { tonquil_fail "Wine's $font is missing; run scripts/deps.sh (package fonts-wine)"; return 1; }
  done
  [[ -f /usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf ]] ||
    { tonquil_fail "IPAPGothic is missing; run scripts/deps.sh (package fonts-ipafont-gothic)"; return 1; }
  tonquil_reg_add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
    Tahoma REG_MULTI_SZ 'ipagp.ttf,IPAPGothic' &&
    tonquil_reg_add 'HKCU\Software\Wine\Fonts\Replacements' 'MS UI Gothic' REG_SZ IPAPGothic &&
    tonquil_reg_add 'HKCU\Software\Wine\Uniscribe\Fallback' 616e616b REG_SZ IPAPGothic &&
    tonquil_reg_add 'HKCU\Software\Wine\Uniscribe\Fallback' 696e6168 REG_SZ IPAPGothic
}

# Raised whenever tonquil_prefix_settings changes, so that existing prefixes get them.
tonquil_prefix_settings_version=6

tonquil_prefix_create() {
  rm -rf "$TONQUIL_WINEPREFIX"
  mkdir -p "$(dirname "$TONQUIL_WINEPREFIX")"
  # Without a display wineboot cannot show its progress window, which is what we want.
  if ! DISPLAY='' wineboot -i >/dev/null 2>&1; then
    rm -rf "$TONQUIL_WINEPREFIX"
    tonquil_fail "wineboot -i failed for $TONQUIL_WINEPREFIX"
    return 1
  fi
}

# Creates the prefix the first time and applies the settings when they are newer than the
# stamp; otherwise only checks the stamp. Callers running at the same time wait on the
# lock, since two first uses of one prefix race and break it.
tonquil_prefix() {
  tonquil_check_locale && tonquil_check_tools wine wineboot wineserver flock || return 1
  local stamp="$tonquil_state_dir/prefix-ready"
  mkdir -p "$tonquil_state_dir"
  (
    flock -w 300 9 || { tonquil_fail "timed out waiting for $tonquil_state_dir/lock"; exit 1; }
    if [[ ! -d "$TONQUIL_WINEPREFIX/drive_c" || ! -f "$stamp" ]]; then
      rm -f "$stamp"
      tonquil_prefix_create || exit 1
    fi
    [[ "$(cat "$stamp" 2>/dev/null)" == "$tonquil_prefix_settings_version" ]] && exit 0
    DISPLAY='' tonquil_prefix_settings || exit 1
    tonquil_server_persistent || wineserver -w
    echo "$tonquil_prefix_settings_version" >"$stamp"
  ) 9>"$tonquil_state_dir/lock"
}
