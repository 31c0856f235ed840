# Run with cmake -P and -DLUPDATE=, -DSOURCES= (the folder), -DTS= (the
# translation in the repository), -DCOPY= (a scratch file).
file(COPY_FILE ${TS} ${COPY})
execute_process(COMMAND ${LUPDATE} -silent -no-obsolete -locations none ${SOURCES} -ts ${COPY}
  COMMAND_ERROR_IS_FATAL ANY)
file(READ ${TS} committed)
file(READ ${COPY} updated)
if(NOT committed STREQUAL updated)
  execute_process(COMMAND diff -u ${TS} ${COPY})
  message(FATAL_ERROR "The help translation is out of date. Run\n"
    "  lupdate -no-obsolete -locations none cli -ts cli/translations/tessamap-cli_ja.ts\n"
    "(lupdate is in /usr/lib/qt6/bin) and translate what it marks unfinished.")
endif()
