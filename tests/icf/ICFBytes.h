// The framing bytes of ICF commands as string literals, so that expected
// output reads as one literal: CI "BBT" CE is the command "BBT" without
// parameters, CI "SLG" "1033" PE CE the command "SLG" with one parameter.
// A hexadecimal escape swallows every hex digit after it, so these bytes
// stand in literals of their own.
#pragma once

#define CI "\x1b\x1d" // command introducer
#define PE "\x1f"     // parameter end
#define CE "\x1e"     // command end
