#include "report_text.h"

#include <cstdio>

namespace tonquil::emu {
namespace {

constexpr std::string_view kVersion = "1.10";

std::string Clock(std::int64_t ms) {
  const std::int64_t seconds = ms / 1000;
  char text[32];
  std::snprintf(text, sizeof text, "%02lld:%02lld", static_cast<long long>(seconds / 60),
                static_cast<long long>(seconds % 60));
  return text;
}

std::string LibrarySummary(const Library& library) {
  return std::to_string(library.size()) + " dirs, " + std::to_string(SongCount(library)) +
         " files";
}

}  // namespace

std::string ReportLine(std::string_view text) {
  std::string line(text);
  line += kLineEnd;
  return line;
}

std::string FileReport(const Song* song) {
  return ReportLine("PlayFile : " + (song ? song->display_path : std::string("None")));
}

std::string TagReport(const Song* song) {
  std::string report = ReportLine("TAG : [S98]");
  if (song) {
    for (const S98Tag& tag : song->info.tags) report += ReportLine(tag.key + "=" + tag.value);
  }
  return report + ReportLine("");
}

std::string PlayTimeReport(std::int64_t position_ms, std::int64_t length_ms) {
  return ReportLine("PlayTime : " + Clock(position_ms) + " / " + Clock(length_ms));
}

std::string FirmwareReport(const Library& library) {
  std::string report = ReportLine(kFirmwareHeader);
  report += ReportLine("Version : " + std::string(kVersion));
  report += ReportLine("Build : 2011/05/29 21:40:12");
  report += ReportLine("Board : Rev.C (OPNA + OPM)");
  report += ReportLine("Storage : SD 1GB FAT16");
  report += ReportLine("Library : " + LibrarySummary(library));
  report += ReportLine("Serial : 230400bps 8N1");
  return report + ReportLine("");
}

std::string BootBanner(const Library& library) {
  std::string banner = ReportLine("");
  banner += ReportLine("Z.O.R.V.A S98 Player Ver." + std::string(kVersion));
  banner += ReportLine("Sound chips ... OK");
  banner += ReportLine("SD card ... OK");
  banner += ReportLine("Scanning ... " + LibrarySummary(library));
  banner += ReportLine("Ready.");
  return banner + ReportLine("Stopped");
}

}  // namespace tonquil::emu
