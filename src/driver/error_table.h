// The one table of Korvex errors: every error number with its message text.
//
// A general error has a number from 100 to 199, a line error from 300 to 399;
// the number is also the exit status of the run. Message texts are templates:
// each "{}" is replaced, in order, by one argument when the error is raised.
// Several rows may share a number (the number names a kind of failure, the
// row names the message). docs/errors.md is checked against this table.
#pragma once

// X(identifier, number, text)
#define KORVEX_ERRORS(X)                                                                   \
  /* general errors */                                                                     \
  X(DIR_NOT_FOUND, 100, "couldn't find directory {}")                                      \
  X(CMDLINE_FILE_OPEN, 100, "couldn't open command line file {}")                          \
  X(FILE_OPEN, 100, "Couldn't open file {}")                                               \
  X(FILE_TOO_LONG, 101, "{} exceeds maximum size of {} lines (use max_lines flag)")        \
  X(LINE_COPY_FULL, 102, "Line copy exceeded maximum size of {} lines (use max_lines flag)") \
  X(LOOP_INSERT_FULL, 102,                                                                 \
    "Loop insertion exceeded maximum size of {} lines (use max_lines flag)")               \
  X(ITER_INSERT_FULL, 103,                                                                 \
    "Iteration insertion exceeded maximum size of {} lines (use max_lines flag)")          \
  X(MAX_LINES_NOT_NUMERIC, 104, "max_lines parameter is not numeric")                      \
  X(MAX_LINES_RANGE, 104,                                                                  \
    "max_lines parameter '{}' is out of range (use -max_lines with 2 to 2147483647)")        \
  X(MAX_DEFS_NOT_NUMERIC, 105, "max_defs parameter is not numeric")                        \
  X(MAX_DEFS_RANGE, 105,                                                                   \
    "max_defs parameter '{}' is out of range (use -max_defs with 2 to 2147483647)")          \
  X(SWAP_TABLE_FULL, 106, "Swap number exceeded maximum size of {}  (use max_defs flag)")  \
  X(DEFINE_TABLE_FULL, 107, "Define number exceeded maximum size of {}  (use max_defs flag)") \
  X(LOOP_TABLE_FULL, 108, "Loop number exceeded maximum size of {}  (use max_defs flag)")  \
  X(GROUP_TABLE_FULL, 109, "Group number exceeded maximum size of {}  (use max_defs flag)") \
  X(GROUP_MEMBERS_FULL, 110,                                                               \
    "Group {} members exceed maximum size of {}  (use max_defs flag)")                     \
  X(INCLUDE_DIR_NOT_FOUND, 111, "can't find include directory {} -I parameter")            \
  X(UNCLOSED_BLOCK_REMARK, 112, "File {} has an unclosed block remark")                    \
  X(OUTPUT_OPEN, 113, "{} couldn't be opened for output")                                  \
  X(OUTPUT_DIR_CREATE, 114, "could not create output directory {} -od parameter")          \
  X(HEADER_NOT_FOUND, 115, " Could not find expected header during comparison")           \
  X(UNKNOWN_PARAMETER, 116, "Unknown command line parameter {}")                           \
  X(MISSING_VALUE, 116, "Command line parameter {} needs a value")                         \
  X(COMPARE_NEEDS_OUTFILE, 117, "Compare must use output file (OUTFILE)")                  \
  X(VERIFY_FAILED, 118, "VERFIY compare failed.\n{}")                                      \
  X(ARITHMETIC, 119, "{}")                                                                 \
  X(FORWARDED_FULL, 120,                                                                   \
    "CREATE of {} hands down more than {} statements (use max_defs flag)")                 \
  X(WRITE_FAILED, 121, "could not write {} (disk full or not writable)")                 \
  X(OUTPUT_IS_INPUT, 122, "{} is an input file of this run and would be overwritten")     \
  X(NAME_CONTROL_CHAR, 123, "file name {} holds a control character")                     \
  X(LINT_HAZARDS, 130, "lint report of {} warnings")                                      \
  X(INPUT_LINE_TOO_LONG, 131,                                                              \
    "{} line {} exceeds the limit of {} bytes for one line (use max_lines flag)")           \
  X(INPUT_TOO_LARGE, 132,                                                                  \
    "{} takes the input of this run past the limit of {} bytes (use max_lines flag)")       \
  X(COMPARE_DIFFERENCES, 133, "compare found {} differing lines")                         \
  X(INTERNAL, 199, "Internal error: {}")                                                   \
  /* line errors */                                                                        \
  X(FILE_NOT_FOUND, 300, "couldn't open file {}")                                          \
  X(PAREN_MISMATCH, 300, "Number of open and close parenthesis do not match")              \
  X(BLOCK_REMARK_REOPENED, 301, " block remark reopened without being closed")             \
  X(BLOCK_REMARK_NOT_OPEN, 302, " block remark closed without being openned")              \
  X(NOT_NUMERIC, 303, "Expression is not numeric ({})")                                    \
  X(DIVISION_BY_ZERO, 304, "Expression division argument is 0")                            \
  X(UNKNOWN_OPERATOR, 305, "Unknown EXPR operator {}")                                     \
  X(LOG2_ZERO, 306, "LOG2 argument is 0")                                                  \
  X(LOG2_NEGATIVE, 306, "LOG2 argument is negative")                                       \
  X(DIGITS_ZERO, 307, "{} digits are 0")                                                   \
  X(GROUP_NOT_DECLARED, 308, "group {} is not declared")                                   \
  X(LOOP_NOT_DECLARED, 309, "loop {} is not declared")                                     \
  X(GROUP_REDEFINED, 310, "GROUP {} has been previously defined")                          \
  X(GROUP_MEMBER_GROUP, 311,                                                               \
    "GROUP {} definition can not have a GROUP member (try using joins)")                   \
  X(GROUP_EXTEND_UNDEFINED, 312,                                                           \
    "GROUP {} definition can not use extend without being previously defined (try using is)") \
  X(KEYWORD_NO_PAREN, 313, "{} is not followed by parenthesis")                            \
  X(UNOPENED_CLOSE_PAREN, 314, "column {}: found unopened close parenthesis")              \
  X(MISSING_CLOSE_PAREN, 315, "missing close parenthesis")                                 \
  X(DEF_KEYWORD_FIRST, 316, "{}: definition must start with {} keyword ")                  \
  X(DEF_WORD_COUNT, 317, "{}: definition must be {} words ")                               \
  X(DEF_WORD_RANGE, 318, "{}: definition must be {} to {} words ")                         \
  X(STARTPARSE_IN_DEF, 319, "STARTPARSE can not be used in the definition file")           \
  X(ENDPARSE_IN_DEF, 320, " ENDPARSE can not be used in the definition file")              \
  X(GROUP_TYPE, 321,                                                                       \
    "GROUP definition must be of type 'is', 'joins', 'inverts' or 'overrides' or 'extends'") \
  X(LOOP_PARAM_NOT_NUMERIC, 322, "Loop parameter {} is not numeric")                       \
  X(LOOP_PARAM_TOO_LARGE, 322, "Loop parameter {} is too large")                           \
  X(LOOP_PARAM_NEGATIVE, 323, "negative loop parameters are not supported")                \
  X(ELSE_MISMATCH, 324, "ELSE does not match IFDEF at line {}")                            \
  X(ENDIF_MISMATCH, 325, "ENDIF does not match IFDEF at line {}")                          \
  X(IFDEF_NO_ENDIF, 326, "IFDEF  has no ENDIF")                                            \
  X(LOOP_DECREMENTING, 327, "decrementing loop is not supported")                          \
  X(STOMP_NOT_FOUND, 329, "Could not find STOMP string {}")                                \
  X(ITER_REDEFINED, 329, "iterator {} was redefined without using ENDITER statement")      \
  X(INCLUDE_NOT_FOUND, 330, " INCLUDE file {} not found")                                  \
  X(ENDLOOP_MISMATCH, 331, "Found ENDLOOP {} while expecting ENDLOOP {}")                  \
  X(LOOP_NO_ENDLOOP, 332, "LOOP {} has no matching ENDLOOP ")                              \
  X(ITER_IN_DEF, 333, "Iterators should be defined using the LOOP keyword")                \
  X(OUTFILE_TWICE, 334, "OUTFILE was defined more than once in the same file")             \
  X(LIST_TWICE, 334, "LIST was defined more than once in the same file")                   \
  X(OUTFILE_IN_DEF, 335, "OUTFILE can not be defined in definition file")                  \
  X(BUILD_IN_SOURCE, 336, "BUILD can not be defined in source file")                       \
  X(BUILD_NESTED, 337, "BUILD found while expecting ENDBUILD")                             \
  X(ENDBUILD_WITHOUT_BUILD, 338, "ENDBUILD found without BUILD")                           \
  X(BUILD_NO_ENDBUILD, 339, "BUILD has no ENDBUILD")                                       \
  X(NO_COMPARISON_SIGN, 340,                                                               \
    "Could not find known comparison sign, supported: <=  >=  <  >  ==")                   \
  X(SWAP_UNDEFINED, 342, "SWAP {} must be defined")                                        \
  X(GROUP_NOT_CLOSED, 343, "Group definition is not closed")                               \
  X(GROUP_INDEX, 344, "Group index {} exceeds number of its members({})")                  \
  X(OUTDIR_TWICE, 345, "OUTDIR was defined more than once in the same file")               \
  X(OUTDIR_CREATE, 346, "could not create output directory {}")                            \
  X(INCLUDE_CMDLINE, 347, "INCLUDE file {} was also included from command line")           \
  X(FLOAT_OPERATOR, 348,                                                                   \
    "Opearand {} not supported with floating numbers (only comparison supported)")         \
  X(VALUE_TOO_LARGE, 349, "Value exceeds the limit of {} bits")                            \
  X(EXPR_TOO_DEEP, 349, "Expression nesting exceeds the limit of {} levels")               \
  X(LINE_TOO_LONG, 350, "Generated line exceeds the limit of {} bytes")                    \
  X(INCLUDE_CYCLE, 351, "INCLUDE file {} includes itself (include chain: {})")            \
  X(CREATE_CYCLE, 352, "CREATE of {} creates a file that is being created (create chain: {})") \
  X(CREATE_TOO_DEEP, 353, "CREATE nesting exceeds {} levels")                              \
  X(LOOP_TOO_MANY_WORDS, 354, "{} statement has more than 4 words")                        \
  X(LOOP_TOO_FEW_WORDS, 354, "{} statement needs a name and a range")                      \
  X(ENUM_TOO_LONG, 355, "ENUM has more than {} names (use max_defs flag)")               \
  X(INCLUDE_TOO_DEEP, 356, "INCLUDE nesting exceeds {} levels")                           \
  X(SWAP_WORK, 357,                                                                        \
    "SWAP {} keeps growing as swap values are substituted into each other "                \
    "(work limit of {} bytes)")                                                            \
  X(GENERATED_TEXT, 358,                                                                   \
    "Generated text exceeds the limit of {} bytes for this run (use max_lines flag)")     \
  X(ARITHMETIC_WORK, 359, "Arithmetic exceeds the limit of {} word operations for this run")
