// Berkeley PLA files: a function of n inputs and m outputs as cubes, read
// into a project's counts and logic sequence.
//
// Input column j of a cube is input j (bit j of the combination index) and
// output column k is output k (bit k of the word), so a project keeps the
// file's own order of inputs and outputs.
//
// Cost: O(T + V + 2^n · m) for a text of T characters, a function of n inputs
// and m outputs, and V the combinations the cubes cover counted cube by cube
// (a cube with d '-' inputs covers 2^d); naming the lines of a conflict adds
// O(P · n) for P cubes.
// See: the Berkeley PLA format as the espresso(5) manual page describes it;
// the reading is the program's own.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/Status.h"

namespace lodex {

struct CPlaFunction {
  int inputs = 0;
  int outputs = 0;
  // 2^inputs words of WordDigitsFor(outputs) hexadecimal digits; a word whose
  // outputs are all don't-care is '*' characters.
  std::string lp;
  // The names of .ilb and .ob as written (empty when the file has none).
  std::vector<std::string> inputNames;
  std::vector<std::string> outputNames;
  int cubes = 0;
  // Don't-care outputs of words that also have a defined output: a word
  // cannot hold them, so they were set to 0.
  int fixedOutputs = 0;
};

// Reads the text of a PLA file: .i, .o, .p, .ilb, .ob, .type f|fd|fr|fdr|r|dr
// (fd when absent), .e or .end, '#' comment lines and cubes of 0/1/-/2
// inputs and 0/1/-/2/4/3/~ outputs, blanks and '|' only separating them.
// Output '1' (or '4') is ON for the types with f, '0' is OFF for the types
// with r and '-' (or '2') is don't-care for the types with d; '~', '3' and
// the rest mean nothing. A combination no cube gives a value is OFF for f
// and fd, don't-care for fr and fdr and ON for r and dr; an explicit
// don't-care wins over ON and OFF. ON and OFF for one output of one
// combination is refused with both cubes' line numbers; so are the keywords
// of other dialects (.phase, .pair, .mv, .kiss, .symbolic) by name, and
// anything else the model cannot hold (1..16 inputs, 1..12 outputs); every
// message is one line.
//
// Cost: O(file size) to read the cubes, then one visit per combination
// each distinct input part covers (cubes with equal input parts merge).
Status ParsePla(std::string_view text, CPlaFunction& function);

// Reads and parses a file; messages name the file.
Status ReadPlaFile(const std::string& path, CPlaFunction& function);

}  // namespace lodex
