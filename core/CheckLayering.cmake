# Fails when a file of a core subsystem includes a subsystem above it, or anything outside the core
# (Qt, ui/, cli/, platform/, standins/, tests/). Run by the build; see core/CMakeLists.txt for the order.
#   cmake -DCORE_DIR=<core folder> [-DSTAMP=<file to touch>] -P CheckLayering.cmake

cmake_policy(SET CMP0057 NEW)

# Each subsystem and the subsystems it may include (itself always included), lowest first.
set(allowed_common   common)
set(allowed_settings settings ports common)
set(allowed_logs     logs ports common)
set(allowed_ports    ports common)
set(allowed_race     race ports logs settings common)
set(allowed_jv       jv ${allowed_race})
set(allowed_odds     odds ${allowed_jv})
set(allowed_kaime    kaime ${allowed_odds})
set(allowed_results  results ${allowed_odds})
set(allowed_vote     vote ${allowed_odds})
set(allowed_auto     auto kaime results vote ${allowed_odds})
set(allowed_strategy strategy kaime results vote ${allowed_odds})
set(allowed_app      app auto strategy kaime results vote ${allowed_odds})
set(subsystems common settings logs ports race jv odds kaime results vote auto strategy app)

set(faults "")
foreach(sub ${subsystems})
  file(GLOB_RECURSE files ${CORE_DIR}/${sub}/*.h ${CORE_DIR}/${sub}/*.cpp)
  foreach(file ${files})
    file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line ${includes})
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]+)[>\"].*$" "\\1" target "${line}")
      file(RELATIVE_PATH rel ${CORE_DIR} ${file})
      if(target MATCHES "^core/([a-z]+)/")
        set(to ${CMAKE_MATCH_1})
        if(NOT to IN_LIST allowed_${sub})
          string(APPEND faults "  core/${rel} includes core/${to}/, which lies above ${sub}/\n")
        endif()
      elseif(target MATCHES "^(ui|cli|platform|standins|tests|app)/" OR target MATCHES "^Q[A-Za-z]*$" OR target MATCHES "^Qt")
        string(APPEND faults "  core/${rel} includes ${target}, which lies outside the core\n")
      endif()
    endforeach()
  endforeach()
endforeach()

if(faults)
  message(FATAL_ERROR "Core layering broken (order: common; ports; settings, logs; race; jv; odds; "
                      "kaime, results, vote; auto, strategy; app):\n${faults}")
endif()
if(STAMP)
  file(TOUCH ${STAMP})
endif()
