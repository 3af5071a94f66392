# Runs lunisol-cli as a user would and checks what it prints.
# Usage: cmake -DCLI=<path to lunisol-cli> -P cli_smoke_test.cmake

function(run expected_rc out_var)
  execute_process(COMMAND ${CLI} ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL expected_rc)
    message(FATAL_ERROR "lunisol-cli ${ARGN}: exit ${rc}, expected ${expected_rc}\n${err}")
  endif()
  set(${out_var} "${out}" PARENT_SCOPE)
  set(last_err "${err}" PARENT_SCOPE)
endfunction()

function(expect_in haystack needle)
  string(FIND "${haystack}" "${needle}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "expected to find: ${needle}")
  endif()
endfunction()

run(0 out tables)
expect_in("${out}" [[{"year":1900,"newYearEve":30,"leapMonth":8,"weekdayBase":0,"cycleBase":9,"bigMonth":[0,1,0,0,1,0,1,1,0,1,1,0,1]}]])
expect_in("${out}" [[{"year":2033,"newYearEve":30,"leapMonth":11,"weekdayBase":5,"cycleBase":47,"bigMonth":[0,1,0,0,1,0,1,0,1,1,1,0,1]}]])
expect_in("${out}" [[{"year":2009,"days":[5,20,4,18,5,20,4,20,5,21,5,21,7,23,7,23,7,23,8,23,7,22,7,22]}]])
expect_in("${out}" [[{"year":1900,"times":["0203","1932","1351","1001",]])

run(0 out convert 2009-05-26)
expect_in("${out}" [["lunarYear":2009,"lunarMonth":5,"lunarDay":3,"weekday":2,"dayStem":7,"dayBranch":7,"mansion":5,"result":26]])
run(0 out convert 2009-02-29)
expect_in("${out}" [["result":-3]])
run(0 out convert --lunar 2009 -4 1)
expect_in("${out}" [["result":-2]])

run(0 out days 2009-02-03 2009-02-05)
expect_in("${out}" [["date":"2009-02-04","lunarYear":2009,"lunarMonth":1,"lunarDay":10]])
expect_in("${out}" [["term":2]])

run(0 out month 2009 5)
expect_in("${out}" [["gregorianTitle":{"text":"國曆 98 年  5 月"]])
expect_in("${out}" [["kind":"term"]])

# April 2023 opens in the leap second month.
run(0 out month 2023 4)
expect_in("${out}" [[年 閏 2 月]])

# 丙午 2026: the Earth-Mother text is ours and the sheet says so; 甲辰 2024
# names its second mansion with its element.
run(0 out yearly 2026-06-15)
expect_in("${out}" [["ownWriting":true]])
expect_in("${out}" [["tooltip":"本年詩文為本程式擬作，非地母經原文"]])
run(0 out yearly 2024-06-15)
expect_in("${out}" [["second":{"text":"奎木狼"]])
run(0 out yearly 2006-06-15)
expect_in("${out}" [["ownWriting":false]])

run(0 out phases 2009)
string(REGEX MATCHALL "\n" lines "${out}")
list(LENGTH lines count)
if(NOT count EQUAL 12)
  message(FATAL_ERROR "phases 2009: ${count} lines, expected 12")
endif()

# Started from an empty folder with an empty data folder, the month still
# shows its four moon phases: they are built in.
set(empty ${CMAKE_CURRENT_BINARY_DIR}/cli_smoke_empty)
file(REMOVE_RECURSE ${empty})
file(MAKE_DIRECTORY ${empty})
execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_HOME=${empty} ${CLI} month 2026 12
                WORKING_DIRECTORY ${empty} RESULT_VARIABLE rc OUTPUT_VARIABLE out)
foreach(phase "下弦 14時 08分" "朔 08時 51分" "上弦 13時 42分" "望 09時 28分" "下弦 02時 59分")
  expect_in("${out}" "${phase}")
endforeach()
file(REMOVE_RECURSE ${empty})

# A 庚辰 girl born in the 寅 hour of the seventeenth day of the seventh month:
# 命宮 午 with 紫微, 木三局, counted backward from the 命宮.
# The late 子 hour of 乙酉's 除夕 (2006-01-28) weighs as 丙戌's 正月初一 at the
# 子 hour, 3.3 兩.
run(0 out bone 2006-01-28 12)
expect_in("${out}" [["birthLine":"農曆 2006 年 1 月 1 日 子 ( 23 ~ 24 ) 時","weight":"三兩三"]])
run(0 out chart 2000-08-16 2 女 --today 2025-06-01)
expect_in("${out}" [=[{"date":"2000-08-16","hour":2,"sex":"女","chartDate":"2000-08-16","lunarDate":{"year":2000,"month":7,"day":17},"yearPillar":"庚辰","soulPalaceBranch":"午","bodyPalaceBranch":"戌","fiveElementsClass":"木三局","soulStar":"破軍","bodyStar":"文昌","palaces":[{"name":"命宮","stem":"壬","branch":"午","isBodyPalace":false,"majorStars":[{"name":"紫微","brightness":"廟","mutagen":""}]]=])
expect_in("${out}" [["name":"兄弟","stem":"辛","branch":"巳"]])
expect_in("${out}" [=["decadal":[13,22]]=])
expect_in("${out}" [["today":{"date":"2025-06-01","lunarYear":2025,"nominalAge":26,"yearlyBranch":"巳","yearlyPalace":"兄弟","decadalPalace":"夫妻"]])
run(0 out chart 2000-08-16 2 女)
expect_in("${out}" [["fiveElementsClass":"木三局"]])
# The late 子 hour charts the next day's 子 hour: 2000-08-17, 七月十八, 命宮
# and 身宮 on 申 (甲申, 泉中水: 水二局), the 大限 running back from 2–11; on
# 2030-05-01 (庚戌) she is 31, in the third, 夫妻 on 午 (壬午), 22–31. 命宮's
# stem 甲 sends 廉貞祿 to 寅 and 太陽忌 to 未.
run(0 out chart 2000-08-16 12 女 --at 2030-05-01)
expect_in("${out}" [["date":"2000-08-16","hour":12,"sex":"女","chartDate":"2000-08-17","lunarDate":{"year":2000,"month":7,"day":18}]])
expect_in("${out}" [["fiveElementsClass":"水二局"]])
expect_in("${out}" [["name":"命宮","stem":"甲","branch":"申","isBodyPalace":true]])
expect_in("${out}" [=["flies":[{"mutagen":"祿","star":"廉貞","toBranch":"寅"}]=])
expect_in("${out}" [=["horoscope":{"date":"2030-05-01","nominalAge":31,"decadal":{"stem":"壬","branch":"午","range":[22,31],"palaceNames":["遷移","疾厄","財帛","子女","夫妻","兄弟","命宮"]=])
expect_in("${out}" [=["yearly":{"stem":"庚","branch":"戌"]=])
run(0 out chart 2000-08-16 2 女 --today 2025-06-01)

# The default iCalendar: terms at their UTC instants titled with Taiwan time,
# and festivals. Past 1 MB the command warns; a lost write is an error.
run(0 out ical 2026)
expect_in("${out}" "X-WR-CALNAME:Lunisol 農民曆 2026")
expect_in("${out}" "DTSTART:20260203T200200Z")
expect_in("${out}" "SUMMARY:立春 04:02")
expect_in("${out}" "SUMMARY:春節")
# 宜/忌 ride on the lunar dates as the almanac list, a 諸事不宜 day saying
# only that (and its marks).
run(0 out ical 2026 --include yiji)
expect_in("${out}" "SUMMARY:十一月十四")
expect_in("${out}" "\n 諸事不宜\\n依《欽定協紀辨方書》鋪註，參《董公選擇日")
expect_in("${out}" "\n 月忌\\n諸事不宜\\n依")
run(0 out ical 2000 2020 --include lunar)
expect_in("${last_err}" "warning")
execute_process(COMMAND ${CLI} ical 2026 OUTPUT_FILE /dev/full RESULT_VARIABLE rc ERROR_VARIABLE err)
if(rc EQUAL 0)
  message(FATAL_ERROR "lunisol-cli ical 2026 > /dev/full: exit 0 although nothing was written")
endif()

# The day's spirits and 宜/忌: one object for a date, one line a day for a
# range, and a failed write is an error.
run(0 out day 2009-05-26)
expect_in("${out}" [["dayPillar":"辛未","monthBranch":"巳","officer":"滿","dayGod":{"name":"明堂","kind":"黃道"}]])
expect_in("${out}" [[{"activity":"祭祀","because":["天德","天巫","益後"]}]])
expect_in("${out}" [["ruleSet":"欽定協紀辨方書","almanac":{"yi":[{"word":"祭祀","activity":"祭祀","because":["天德","天巫","益後"],"source":"書"}]])
expect_in("${out}" [[{"word":"嫁娶","activity":"嫁娶","because":["三娘煞","董公：四月滿未日忌婚姻、起造、修造"],"source":"三娘煞"}]])
expect_in("${out}" [["restBad":false,"allBad":false,"marks":["三娘煞"]}}]])
run(0 out day 2009-02-01 2009-02-28)
string(REGEX MATCHALL "\n" lines "${out}")
list(LENGTH lines count)
if(NOT count EQUAL 28)
  message(FATAL_ERROR "day 2009-02-01 2009-02-28: ${count} lines, expected 28")
endif()
execute_process(COMMAND ${CLI} day 2009-05-26 OUTPUT_FILE /dev/full RESULT_VARIABLE rc ERROR_VARIABLE err)
if(rc EQUAL 0)
  message(FATAL_ERROR "day 2009-05-26 > /dev/full: exit 0, expected a failure")
endif()

# The day finder: the days whose almanac list suits a word, for one or two
# people whose years count from 立春, and the valid words when the word is
# empty or not one of them.
run(0 out choose 嫁娶 2026-01-01 2026-12-31 --birth-year 1990)
expect_in("${out}" [[{"activity":"嫁娶","from":"2026-01-01","to":"2026-12-31","births":[],"birthYear":1990,"order":"date","days":[{"date":]])
run(0 out choose 入宅 2026-01-01 2026-12-31 --birth 1990-01-20 --birth 1992-06-01)
expect_in("${out}" [["births":[{"date":"1990-01-20","animal":"蛇"},{"date":"1992-06-01","animal":"猴"}],"birthYear":null]])
expect_in("${out}" [["word":"入宅","because":["月德合"],"source":"書"}]])
execute_process(COMMAND ${CLI} choose "" 2026-01-01 2026-02-01 RESULT_VARIABLE rc ERROR_VARIABLE err OUTPUT_QUIET)
if(NOT rc EQUAL 2)
  message(FATAL_ERROR "choose '' …: exit ${rc}, expected 2")
endif()
expect_in("${err}" "ACTIVITY '' is not an almanac word, one of: 祭祀")
expect_in("${err}" "入宅")
run(2 out choose 搬家 2026-01-01 2026-01-31)
expect_in("${last_err}" "訂盟")
run(2 out choose 嫁娶 2026-01-01 2036-12-31)

foreach(bad "month;2009;13" "month;1899;1" "convert" "days;2009-01-02;2009-01-01" "phases;abc" "nosuchcommand"
            "bone;2009-05-26;13" "zodiac;2009-05-26;3" "hours;2009-02-30" "yearly"
            "chart;2000-08-16;13;女" "chart;2000-08-16;2;X" "chart;1899-12-31;2;男" "chart;2000-08-16;2"
            "chart;2000-08-16;2;男;--today;2101-01-01" "chart;2100-12-31;12;男"
            "chart;2000-08-16;2;男;--at;2030-01-01;--today;2030-01-01"
            "ical;1899" "ical;2026;2025" "ical;2026;--include;terms,moon" "ical;2026;--include" "ical;2026;x"
            "day" "day;2101-01-01" "day;2009-05-26;2009-05-25")
  run(2 out ${bad})
  string(REGEX MATCHALL "\n" err_lines "${last_err}")
  list(LENGTH err_lines n)
  if(NOT n EQUAL 1)
    message(FATAL_ERROR "lunisol-cli ${bad}: expected a one-line message, got: ${last_err}")
  endif()
endforeach()

# What each refusal names: the argument and the word, the flag given twice,
# the end of a range before its start, the word missing or too many.
foreach(case
    "day;2009-+5-+6|DATE '2009-+5-+6' is not a date YYYY-MM-DD within 1900-01-01..2100-12-31"
    "day;2009-5-26|DATE '2009-5-26' is not a date"
    "hours;2009-02-29|DATE '2009-02-29' is not a date"
    "day;2009-05-26;2009-05-25|TO 2009-05-25 is before FROM 2009-05-26"
    "days;2009-01-02;2009-01-01|TO 2009-01-01 is before FROM 2009-01-02"
    "ical;2026;2025|TO_YEAR 2025 is before YEAR 2026"
    "chart;2000-08-16;2;女;--today;2000-08-15|--today 2000-08-15 is before DATE 2000-08-16"
    "chart;2000-08-16;12;女;--at;2000-08-16|--at 2000-08-16 is before the day charted 2000-08-17"
    "choose;嫁娶;2026-01-01;2026-02-01;--best-first;--best-first|--best-first is given twice"
    "choose;嫁娶;2026-01-01;2026-02-01;--birth-year;1990;--birth-year=1991|--birth-year is given twice"
    "choose;嫁娶;2026-01-01;2026-02-01;--best-first=yes|--best-first takes no value"
    "day;2009-05-26;-o;a.json;-o;b.json|-o is given twice"
    "ical;2026;--include;lunar;--include;terms|--include is given twice"
    "convert;2009-+5-+6|DATE '2009-+5-+6' is not a date written YYYY-MM-DD"
    "convert;--lunar;2009;+5;1|MONTH '+5' is not a number -99..99"
    "month;2009|month: MONTH is missing; usage: month YEAR MONTH"
    "phases;2009;2010|unexpected word '2010'; usage: phases YEAR"
    "day;2009-05-26;--bogus|day: unknown option '--bogus'"
    "bone;2009-05-26;-1|HOUR '-1' is not an hour 0 (子, 0-1 h) .. 11 (亥)"
    "chart;2000-08-16;2;M|SEX 'M' is not one of: 男, 女"
    "help;nosuch|help: unknown command 'nosuch'"
    "--version;x|unexpected word 'x'")
  string(FIND "${case}" "|" bar)
  string(SUBSTRING "${case}" 0 ${bar} words)
  math(EXPR bar "${bar} + 1")
  string(SUBSTRING "${case}" ${bar} -1 message)
  run(2 out ${words})
  expect_in("${last_err}" "lunisol-cli: ")
  expect_in("${last_err}" "${message}")
endforeach()
run(2 out)
expect_in("${last_err}" "no command given")

# The help: every command with its summary, each command's forms, arguments
# and example (the same by `help CMD` and `CMD --help`), and the version.
run(0 overview --help)
run(0 same -h)
if(NOT overview STREQUAL same)
  message(FATAL_ERROR "-h and --help differ")
endif()
foreach(c tables convert days month phases hours yearly zodiac bone chart day choose ical)
  expect_in("${overview}" "\n  ${c} ")
endforeach()
run(0 help_day help day)
run(0 same day --help)
if(NOT help_day STREQUAL same)
  message(FATAL_ERROR "help day and day --help differ")
endif()
foreach(part "usage: lunisol-cli day DATE [--text] [-o FILE]" "       lunisol-cli day FROM TO [--text] [-o FILE]" "  TO " "Example:\n  lunisol-cli day ")
  expect_in("${help_day}" "${part}")
endforeach()
run(0 out --version)
if(NOT out STREQUAL "lunisol-cli ${VERSION}\n")
  message(FATAL_ERROR "--version said: ${out}")
endif()

# Output that cannot be written is a failure, not a success.
execute_process(COMMAND bash -c "\"${CLI}\" month 2024 1 > /dev/full" RESULT_VARIABLE rc ERROR_VARIABLE err)
if(rc EQUAL 0)
  message(FATAL_ERROR "lunisol-cli month 2024 1 > /dev/full reported success")
endif()
expect_in("${err}" "cannot write the output")

# An empty Farmer2009 in the working folder is ignored with a notice; the
# month keeps its built-in full moon.
set(farmer ${CMAKE_CURRENT_BINARY_DIR}/cli_smoke_farmer)
file(REMOVE_RECURSE ${farmer})
file(MAKE_DIRECTORY ${farmer})
file(WRITE ${farmer}/Farmer2009 "")
execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_HOME=${farmer} ${CLI} month 2009 1
                WORKING_DIRECTORY ${farmer} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
expect_in("${out}" "望 ")
expect_in("${err}" "Farmer2009: no month in the moon-phase format, ignored")
file(REMOVE_RECURSE ${farmer})
