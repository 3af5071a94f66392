#include "almanac/moon_phase_source.h"

#include <cstdio>
#include <cstdlib>

#include "calendar/moon_phases.h"
#include "calendar/tables.h"
#include "calendar/text.h"

namespace lunisol {
namespace {

// A token of a phase that does not fall in the month. Its key "0000" names no
// date, so it is never shown; it keeps the four tokens of a line in place.
constexpr char kNoPhase[] = "00000000";

// The month's phases in the order of a file's line: 望, 下弦, 朔, 上弦, each
// phase's moments in time order.
std::vector<MoonPhaseEvent> MonthEvents(int year, int month) {
  const MonthMoonPhases phases = MoonPhasesOfMonth(year, month);
  std::vector<MoonPhaseEvent> events;
  for (int phase = 0; phase < 4; ++phase)
    for (int i = 0; i < phases.count; ++i)
      if (Index(phases.moments[static_cast<size_t>(i)].phase) == phase)
        events.push_back(phases.moments[static_cast<size_t>(i)]);
  return events;
}

bool InRange(int year) { return year >= kFirstTermYear && year <= kLastTermYear; }

}  // namespace

std::vector<std::string> MoonPhaseFileFolders() {
  std::vector<std::string> folders{"."};
  // By the XDG base-directory rules an unset, empty or relative
  // $XDG_DATA_HOME means the default under $HOME.
  const char* xdg = std::getenv("XDG_DATA_HOME");
  const char* home = std::getenv("HOME");
  if (xdg != nullptr && xdg[0] == '/')
    folders.push_back(std::string(xdg) + "/lunisol");
  else if (home != nullptr && home[0] != '\0')
    folders.push_back(std::string(home) + "/.local/share/lunisol");
  return folders;
}

std::string MoonPhaseFileText(int year) {
  std::string text;
  if (!InRange(year)) return text;
  for (int month = 1; month <= 12; ++month) {
    const std::vector<MoonPhaseEvent> events = MonthEvents(year, month);
    for (int phase = 0; phase < 4; ++phase) {
      std::string token;
      for (const MoonPhaseEvent& e : events) {
        if (Index(e.phase) != phase) continue;
        char moment[16];
        std::snprintf(moment, sizeof moment, "%02d%02d%02d%02d", e.month, e.day, e.time.hour, e.time.minute);
        token += (token.empty() ? "" : "-") + std::string(moment);
      }
      text += (phase ? " " : "") + (token.empty() ? std::string(kNoPhase) : token);
    }
    text += '\n';
  }
  return text;
}

namespace {

std::string FilePath(const std::string& folder, int year) {
  return folder.empty() ? MoonPhaseFileName(year) : folder + "/" + MoonPhaseFileName(year);
}

// The months missing from a report, as "3–12" or "2, 5".
std::string MissingMonths(uint16_t fromFile) {
  std::string text;
  for (int m = 1; m <= 12; ++m) {
    if (fromFile & (1u << (m - 1))) continue;
    int last = m;
    while (last < 12 && !(fromFile & (1u << last))) ++last;
    if (!text.empty()) text += ", ";
    text += std::to_string(m) + (last > m ? "-" + std::to_string(last) : "");
    m = last;
  }
  return text;
}

}  // namespace

void MoonPhasesFromTable(int year, MoonPhaseData& out) {
  out = MoonPhaseData{};
  if (!InRange(year)) return;
  for (int month = 1; month <= 12; ++month) {
    const std::vector<MoonPhaseEvent> events = MonthEvents(year, month);
    out.phases.insert(out.phases.end(), events.begin(), events.end());
  }
}

MoonPhaseReport LoadMoonPhases(int year, MoonPhaseData& out, const std::vector<std::string>& folders) {
  MoonPhaseReport report;
  for (const std::string& folder : folders) {
    std::string bytes;
    const MoonFileRead read = ReadMoonPhaseFileBytes(year, folder, bytes);
    if (read == MoonFileRead::kAbsent) continue;
    if (IsUnusable(read)) {
      // Said, then passed over: the next folder's file may serve.
      report.unusable.push_back({FilePath(folder, year), read});
      continue;
    }
    report.path = FilePath(folder, year);
    if (read == MoonFileRead::kTooLarge) {
      report.use = MoonPhaseReport::Use::kIgnoredLarge;
      break;
    }
    MoonPhaseData file;
    report.monthsFromFile = ParseMoonPhaseFile(bytes, file);
    if (report.monthsFromFile == 0) {
      report.use = MoonPhaseReport::Use::kIgnoredEmpty;
      break;
    }
    out = MoonPhaseData{};
    for (int month = 1; month <= 12; ++month) {
      if (report.monthsFromFile & (1u << (month - 1))) {
        for (const MoonPhaseEvent& e : file.phases)
          if (e.month == month) out.phases.push_back(e);
      } else if (InRange(year)) {
        const std::vector<MoonPhaseEvent> events = MonthEvents(year, month);
        out.phases.insert(out.phases.end(), events.begin(), events.end());
      }
    }
    out.notes = std::move(file.notes);
    report.use = report.monthsFromFile == 0xFFF ? MoonPhaseReport::Use::kFile : MoonPhaseReport::Use::kFileInPart;
    return report;
  }
  MoonPhasesFromTable(year, out);
  if (report.path.empty() && !report.unusable.empty()) report.path = report.unusable.front().path;
  return report;
}

namespace {

std::string_view WhyUnusable(MoonFileRead why) {
  switch (why) {
    case MoonFileRead::kFolder:
      return "is a folder, not a moon-phase file";
    case MoonFileRead::kFifo:
      return "is a named pipe (FIFO), not a moon-phase file";
    case MoonFileRead::kDevice:
      return "is a device, not a moon-phase file";
    case MoonFileRead::kSocket:
      return "is a socket, not a moon-phase file";
    case MoonFileRead::kDanglingLink:
      return "is a symbolic link to a file that does not exist";
    case MoonFileRead::kLinkLoop:
      return "is a symbolic link that leads round in a loop";
    case MoonFileRead::kNotAFile:
      return "is not a regular file";
    default:
      return "cannot be read";
  }
}

std::u16string_view WhyUnusableChinese(MoonFileRead why) {
  switch (why) {
    case MoonFileRead::kFolder:
      return u"是資料夾，不是月相檔";
    case MoonFileRead::kFifo:
      return u"是具名管道（FIFO），不是月相檔";
    case MoonFileRead::kDevice:
      return u"是裝置檔，不是月相檔";
    case MoonFileRead::kSocket:
      return u"是通訊端，不是月相檔";
    case MoonFileRead::kDanglingLink:
      return u"是符號連結，指向的檔案不存在";
    case MoonFileRead::kLinkLoop:
      return u"是循環的符號連結";
    case MoonFileRead::kNotAFile:
      return u"不是一般檔案";
    default:
      return u"無法讀取";
  }
}

// Whether a file other than the unusable ones gave the phases.
bool FileRead(const MoonPhaseReport& r) {
  using Use = MoonPhaseReport::Use;
  return r.use == Use::kFile || r.use == Use::kFileInPart;
}

}  // namespace

std::vector<std::string> MoonPhaseNotices(const MoonPhaseReport& r, int year) {
  using Use = MoonPhaseReport::Use;
  std::vector<std::string> lines;
  const std::string instead = FileRead(r) ? r.path + " is read instead" : "the built-in moon phases are shown";
  for (const MoonPhaseReport::Unusable& u : r.unusable)
    lines.push_back(u.path + ": " + std::string(WhyUnusable(u.why)) + "; " + instead);
  const std::string head = r.path + ": ";
  switch (r.use) {
    case Use::kIgnoredLarge:
      lines.push_back(head + "larger than 1 MB, not read; the built-in moon phases of " + std::to_string(year) +
                      " are shown");
      break;
    case Use::kIgnoredEmpty:
      lines.push_back(head + "no month in the moon-phase format, ignored; the built-in moon phases are shown");
      break;
    case Use::kFileInPart:
      lines.push_back(head + "months " + MissingMonths(r.monthsFromFile) +
                      " are missing or not in the moon-phase format; the built-in phases are shown for them");
      break;
    default:
      break;
  }
  return lines;
}

std::vector<std::u16string> MoonPhaseNoticesChinese(const MoonPhaseReport& r, int year) {
  using Use = MoonPhaseReport::Use;
  std::vector<std::u16string> lines;
  const std::u16string path = FromUtf8(r.path);
  const std::u16string instead = FileRead(r) ? u"改讀 " + path + u"。" : std::u16string(u"顯示內建的月相。");
  for (const MoonPhaseReport::Unusable& u : r.unusable)
    lines.push_back(FromUtf8(u.path) + u" " + std::u16string(WhyUnusableChinese(u.why)) + u"，" + instead);
  switch (r.use) {
    case Use::kIgnoredLarge:
      lines.push_back(path + u" 超過 1 MB，不是月相檔，未讀取；" + FromUtf8(std::to_string(year)) +
                      u" 年顯示內建的月相。");
      break;
    case Use::kIgnoredEmpty:
      lines.push_back(path + u" 沒有一個月合乎月相檔的格式，已略過；顯示內建的月相。");
      break;
    case Use::kFileInPart:
      lines.push_back(path + u" 的 " + FromUtf8(MissingMonths(r.monthsFromFile)) +
                      u" 月缺漏或格式不合，這幾個月顯示內建的月相。");
      break;
    default:
      break;
  }
  return lines;
}

}  // namespace lunisol
