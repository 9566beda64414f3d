# Runs one fuzz target for SECONDS, starting from the seed folders SEEDS
# ("|"-separated, only read) into a fresh corpus of its own; any crash, leak,
# sanitizer report or time-out fails the test.
string(REPLACE "|" ";" seed_folders "${SEEDS}")
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/corpus ${WORK}/artifacts)
execute_process(
  COMMAND ${FUZZER} -max_total_time=${SECONDS} -timeout=10 -rss_limit_mb=2048
          -print_final_stats=1 -artifact_prefix=${WORK}/artifacts/
          ${WORK}/corpus ${seed_folders}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${FUZZER} failed (${result}); the input is in ${WORK}/artifacts")
endif()
