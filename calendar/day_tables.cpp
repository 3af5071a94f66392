#include "calendar/day_tables.h"

#include "calendar/convert.h"
#include "calendar/solar_terms.h"
#include "calendar/tables.h"

namespace lunisol {

namespace {

int Up(int v) { return v == 9 ? 1 : v + 1; }
int Down(int v) { return v == 1 ? 9 : v - 1; }

using Table = std::array<int32_t, 366>;

// Forward fill T[from..to]: first value `start`, each next one step further.
void FillForward(Table& t, int from, int to, int start, bool ascending) {
  int v = start;
  for (int i = from; i <= to; ++i) {
    if (i >= 0 && i < 366) t[static_cast<size_t>(i)] = v;
    v = ascending ? Up(v) : Down(v);
  }
}

// Backward fill T[from], T[from−1] … T[downTo]: each step back one lower
// (descending) or one higher.
void FillBackward(Table& t, int from, int downTo, int start, bool descending) {
  int v = start;
  for (int i = from; i >= downTo; --i) {
    if (i >= 0 && i < 366) t[static_cast<size_t>(i)] = v;
    v = descending ? Down(v) : Up(v);
  }
}

long long DaysFromCivil(int y, int m, int d) {
  y -= m <= 2 ? 1 : 0;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}

}  // namespace

int GregorianDayCycle(int year, int month, int day) {
  // 1 January 2000 is 戊午 (54); the tables' cycle bases share this count.
  const long long n = DaysFromCivil(year, month, day) - DaysFromCivil(2000, 1, 1) + 54;
  return static_cast<int>(((n % 60) + 60) % 60);
}

bool HasLeapMonthPattern(int year) {
  static constexpr int kGaps[7] = {3, 3, 2, 3, 3, 2, 3};
  int y = 1903;
  for (int i = 0; y <= 2100; ++i) {
    const int listed = y == 1985 ? 1984 : y;
    if (listed == year) return true;
    y += kGaps[i % 7];
  }
  return false;
}

bool LastJiaziDay(int year, int& month, int& day) {
  CalendarDate d;
  for (int m = 12; m >= 1; --m)
    for (int dd = 31; dd >= 1; --dd) {
      if (SolarToLunar(year, m, dd, d) < 0) continue;
      if (d.dayStem == 0 && d.dayBranch == 0) {
        month = m;
        day = dd;
        return true;
      }
    }
  return false;
}

void ComputeNineStars(CalendarState& state, int year, int lastMonth) {
  Table& T = state.nineStarTable;
  // Carry: a 甲子 in December of the year before, on or after 冬至, has
  // already started the 一白 count that runs into 1 January.
  bool carry = false;
  int c = 0;
  {
    int ty = 0, tm = 0, td = 0;
    if (FindSolarTermDate(state, year - 1, u"冬至", ty, tm, td)) {
      for (int d = td; d <= 31; ++d)
        if (GregorianDayCycle(year - 1, 12, d) == 0) {
          carry = true;
          c = 31 - d + 1;
        }
    }
  }
  int J[6] = {-1, -1, -1, -1, -1, -1};
  int R = -1, G = -1, X = -1, C = -1, F = -1;
  int k = 0;
  const int leap = IsGregorianLeapYear(year);
  int j = -1;
  for (int m = 1; m <= lastMonth && m <= 12; ++m) {
    for (int d = 1; d <= DaysInSolarMonth(year, m); ++d) {
      ++j;
      // Term step.
      const int t = SolarTermOnDay(state, year, m, d);
      switch (t) {
        case 3:  // 雨水
          R = j;
          if (J[0] >= 0 && J[0] < j) FillForward(T, J[0], j - 1, J[0] == 0 ? T[0] : 1, true);
          break;
        case 7:  // 穀雨
          G = j;
          if (J[1] >= 0) FillForward(T, J[1] + 1, j, 8, true);
          break;
        case 11:  // 夏至
          X = j;
          if (J[2] >= 0) FillForward(T, J[2] + 1, j - 1, 5, true);
          break;
        case 15:  // 處暑
          C = j;
          if (J[3] >= 0) FillForward(T, J[3] + 1, j, 8, false);
          break;
        case 19:  // 霜降
          F = j;
          if (J[4] >= 0) FillForward(T, J[4] + 1, j - 1, 2, false);
          break;
        case 23:  // 冬至
          if (J[5] >= 0) FillForward(T, J[5] + 1, j, 5, false);
          if (state.decemberMarker != -1) {
            const int E = 364 + leap;
            if (state.decemberMarkerFound) {
              const int D = 333 + leap + state.decemberMarker;
              if (D > j) FillForward(T, j + 1, D - 1, Down(T[static_cast<size_t>(j)]), false);
              FillForward(T, D, E, 1, true);
            } else {
              const int v = state.decemberMarker - 1 <= 0 ? 9 : state.decemberMarker - 1;
              FillBackward(T, E, j, v, true);
            }
          }
          break;
        default:
          break;
      }
      // 甲子 step.
      const bool jiazi = GregorianDayCycle(year, m, d) == 0;
      if (!jiazi && !carry) continue;
      // A backward fill to a term day runs only once that day has been met.
      auto reached = [&](int termDay) { return termDay >= 0 && termDay <= j - 1; };
      switch (k) {
        case 0:
          if (carry) {
            T[static_cast<size_t>(j)] = c % 9 + 1;
            carry = false;
          } else {
            T[static_cast<size_t>(j)] = 1;
            if (j > 0) FillBackward(T, j - 1, 0, 6, true);
          }
          break;
        case 1:
          T[static_cast<size_t>(j)] = 7;
          if (reached(R)) FillBackward(T, j - 1, R, 3, true);
          break;
        case 2:
          T[static_cast<size_t>(j)] = 4;
          if (reached(G)) FillBackward(T, j - 1, G, 9, true);
          break;
        case 3:
          T[static_cast<size_t>(j)] = 9;
          if (reached(X)) FillBackward(T, j - 1, X, 4, false);
          break;
        case 4:
          T[static_cast<size_t>(j)] = 3;
          if (reached(C)) FillBackward(T, j - 1, C, 7, false);
          break;
        case 5:
          T[static_cast<size_t>(j)] = 6;
          if (reached(F)) FillBackward(T, j - 1, F, 1, false);
          break;
        default:
          break;
      }
      if (k < 6) J[k] = j;
      ++k;
    }
  }
}

void FindDecemberMarker(CalendarState& state, int year) {
  state.decemberMarkerFound = false;
  int ty = 0, tm = 0, td = 0;
  if (FindSolarTermDate(state, year, u"冬至", ty, tm, td)) {
    CalendarDate date;
    for (int d = td - 14; d <= 31; ++d) {
      if (SolarToLunar(year, 12, d, date) < 0) break;
      if (date.dayStem == 0 && date.dayBranch == 0) {
        state.decemberMarker = d;
        state.decemberMarkerFound = true;
      }
    }
  }
  if (state.decemberMarkerFound) return;
  state.nineStarTable.fill(0);
  ComputeNineStars(state, year + 1, 2);
  state.decemberMarker = state.nineStarTable[0];
}

void ComputeDayHexagrams(CalendarState& state, int year) {
  int pm = 0, pd = 0, m = 0, d = 0;
  const bool havePrev = LastJiaziDay(year - 1, pm, pd);
  const bool haveThis = LastJiaziDay(year, m, d);
  const int startPrev = havePrev ? DayNumber(DateKey8(year - 1, pm, pd)) : 0;
  const int startThis = haveThis ? DayNumber(DateKey8(year, m, d)) : 0;
  const bool backPrev = HasLeapMonthPattern(year - 1);
  const bool backThis = HasLeapMonthPattern(year);
  auto position = [](int offset, bool backwards) {
    const int p = ((offset % 72) + 72) % 72;
    return backwards ? 71 - p : p;
  };
  const int first = DayNumber(DateKey8(year, 1, 1));
  const int days = 365 + IsGregorianLeapYear(year);
  for (int i = 0; i < days; ++i) {
    const int n = first + i;
    int32_t v = -1;
    if (haveThis && n >= startThis)
      v = position(n - startThis, backThis);
    else if (havePrev)
      v = position(n - startPrev, backPrev);
    state.dayHexagramTable[static_cast<size_t>(i)] = v;
  }
}

}  // namespace lunisol
