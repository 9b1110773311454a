// Writing the lines of one build of one file: the optional generated-file
// header, the indentation put back, and the file recorded for the file lists.
// In compare mode the lines are compared with the existing file instead.
#pragma once

#include <string>

#include "defines/def.h"
#include "output/output_state.h"
#include "text/line.h"

namespace korvex {

inline constexpr const char* kContact = "Korvex issues: https://korvex.dev/issues";

std::string get_time();
void insert_header(RunContext& run, const std::string& flags, const std::string& parent,
                   Lines& lines, const std::string& source);

// Makes the buffer generated text goes through and gives the output file
// stream one, when the run starts: a block that large asked for after the
// passes have freed many small ones would first have the allocator merge
// every one of them. Without the call they are made when first needed.
void prepare_output(OutputState& output);

// Writes (or compares) the lines; returns the number of differing lines
// found in compare mode, 0 otherwise. Each written line's text becomes its
// indented text.
int print_lines(RunContext& run, OutputState& output, int level, Lines& lines, const Defs& defines);

}  // namespace korvex
