# Runs two computer games with 0.05 s per move and checks that both end with a summary
# and that every line is a move, forced move, database, book, draw-offer, event or result line.
file(MAKE_DIRECTORY ${WORKDIR})
file(GLOB books ${BOOKDIR}/*.ouv)
if(books)
  file(COPY ${books} DESTINATION ${WORKDIR})
endif()
execute_process(COMMAND ${TOOL} play --time 0.05 --games 2 WORKING_DIRECTORY ${WORKDIR}
                OUTPUT_VARIABLE output RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "play ended with status ${status}")
endif()
string(REGEX REPLACE "\n$" "" output "${output}")
string(REPLACE "\n" ";" lines "${output}")
set(move "[A-H][1-8][-x][A-H][1-8]")
set(search "\\(eval -?[0-9]+, time [0-9]+\\.[0-9][0-9]s, depth [0-9]+( and [0-9]+/[0-9]+ moves at depth [0-9]+)?\\)")
set(games 0)
foreach(line IN LISTS lines)
  if(line MATCHES "^result (white-wins|black-wins|draw) plies [0-9]+$")
    math(EXPR games "${games} + 1")
  elseif(NOT line MATCHES "^@[wb]c  ${move} (${search}|- forced move|\\(opening book move\\)|\\(end db move\\))$"
         AND NOT line MATCHES "^@[wb]c  offered draw (but @[wb]c refused|and @[wb]c accept)\\.$"
         AND NOT line MATCHES "^(New game start\\.|Game draw\\.|White wins!|Black wins!)$")
    message(FATAL_ERROR "unexpected line: '${line}'")
  endif()
endforeach()
if(NOT games EQUAL 2)
  message(FATAL_ERROR "expected 2 finished games, saw ${games}")
endif()
