#pragma once
// Raw IR commands, the "C" records: number and a raw code of 512 bytes written
// as 1024 hexadecimal characters. The grid shows label and number; the raw
// code travels in the row's one hidden field. The "Aprender" column makes the
// controller learn the code of a command.
#include <string>

#include "tables/syntax/RecordKind.h"

const RecordKind& RawIrRecords();

// Columns of a raw IR row, and the hidden field after them.
constexpr int kRawIrLearnColumn = 2;
constexpr int kRawIrCodeField = 3;

// The code of a command that has none: 1024 times "F" (512 bytes of 0xFF).
const std::string& EmptyRawCode();

// What the controller is sent to learn the raw code of a command: "C" + number.
std::string RawIrLearnCommand(const std::string& number);

// The row's code after a failed learn: an empty code becomes the empty raw
// code, any other stays.
std::string RawIrLearnFailureCode(const std::string& current);

// After a successful learn: the controller's line for the command, "C" +
// number + " " + code, or "" when it holds none. The second of exactly two
// pieces after the letter becomes the row's code; anything else adds
// "Error de sintaxis: " + the text to the messages and keeps the code.
void ApplyRawIrLearnText(const std::string& text, Row& row, Messages& messages);
