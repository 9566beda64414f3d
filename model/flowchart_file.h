#pragma once
// The flowchart file (*.qvn): line-oriented text, CR LF line ends, fields
// ended by "~". Line 1 is the box count N; then three lines per box: the kind
// line ("Kind~Params"), the link line (InLink 1..3, then OutLink/OutColor
// pairs for exits 1..5) and the position line ("Y~X~"). Links name file
// numbers 1..N, given in order of first mention. Every arrow is stored on
// both boxes it joins (model/link_pairing.h).

#include <string>
#include <string_view>
#include <vector>

#include "model/box_table.h"

namespace quorvin {

// The whole text of document doc's flowchart file: its placed boxes
// (BoxTable::placedBoxes), so the box waiting to be placed is left out and
// every other record is written as if it were not there.
std::string FormatFlowchart(const BoxTable& table, int doc);

struct ParsedFlowchart {
  // Records in file order; links hold file numbers (-1..N). Doc is not
  // stored in the file and stays 0.
  std::vector<BoxRecord> boxes;
  // When not empty, the file is unusable and this says why.
  std::string error;
  bool truncated = false;  // the file ends before its last record
  bool ok() const { return error.empty(); }
};

// The box count of line 1 (after a UTF-8 byte-order mark), or -1 when the
// line holds no count; a count too large for a long reads as LONG_MAX.
long FlowchartBoxCount(std::string_view text);

// Reads and checks a whole file; accepts CR LF and LF-only line ends, and
// reads past a UTF-8 byte-order mark before the first line. A file
// that is no plain text (model/text_encoding.h), a box of a kind the
// program does not know (IsKnownKind) and an arrow stored on one of its
// boxes only are refused, naming the line.
// FormatFlowchart never writes one: a half arrow in the table (which no
// edit makes) is written as a free slot.
ParsedFlowchart ParseFlowchart(std::string_view text);

// Parameter text as the kind line writes it, and back.
std::string EncodeParams(std::string_view params);
std::string DecodeParams(std::string_view field);

}  // namespace quorvin
