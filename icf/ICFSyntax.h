// The bytes that frame ICF commands. A command is the introducer, its name,
// each parameter followed by the parameter end, and the command end; whole
// commands may stand between the last parameter end and the command end.
// Everything outside commands is document text.
#pragma once

// Escape, group separator: written as one two-byte array.
constexpr unsigned char kICFCommandIntroducer[] = {0x1B, 0x1D};
constexpr unsigned char kICFParameterEnd = 0x1F;
constexpr unsigned char kICFCommandEnd = 0x1E;
