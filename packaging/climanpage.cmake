# Writes the tessamap-cli(1) page with help2man from the built program's
# --help and --version, and adds each command's own --help, so the page says
# what the program says. Run with cmake -P and -DCLI=, -DHELP2MAN=, -DOUTPUT=.

# The help is English outside a Japanese locale; the Japanese page is written by hand.
set(ENV{LC_ALL} C.UTF-8)
unset(ENV{LANGUAGE})
execute_process(COMMAND ${CLI} --help OUTPUT_VARIABLE overview COMMAND_ERROR_IS_FATAL ANY)

# The command words are the first words of the lines under "Commands:".
string(REGEX MATCH "\nCommands:\n(  [^\n]*\n)+" command_lines "${overview}")
string(REGEX MATCHALL "\n  [a-z]+" commands "${command_lines}")
if(NOT commands)
  message(FATAL_ERROR "tessamap-cli --help lists no commands")
endif()

set(include_text "[COMMANDS]\n")
foreach(command IN LISTS commands)
  string(STRIP "${command}" command)
  execute_process(COMMAND ${CLI} ${command} --help OUTPUT_VARIABLE help
    COMMAND_ERROR_IS_FATAL ANY)
  string(REPLACE "\\" "\\e" help "${help}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
  string(REGEX REPLACE "(^|[ ,[(])-" "\\1\\\\-" help "${help}")
  string(REGEX REPLACE "\\\\--" "\\\\-\\\\-" help "${help}")
  string(APPEND include_text ".SS \"tessamap\\-cli ${command}\"\n.nf\n${help}.fi\n")
endforeach()
string(APPEND include_text "[SEE ALSO]\n.BR tessamap (1)\n")
file(WRITE ${OUTPUT}.include "${include_text}")

execute_process(COMMAND ${HELP2MAN} --no-info --section=1 --include=${OUTPUT}.include
    "--name=analyse Tessamap pictures and write their CSV files and PDF prints"
    --output=${OUTPUT} ${CLI}
  COMMAND_ERROR_IS_FATAL ANY)
