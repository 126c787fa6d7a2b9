#pragma once
// Text read from a file or the environment may hold any byte. Sent to a
// terminal as it stands, an ESC or another control byte could switch the
// terminal's character set, colours or modes long after the game has ended,
// so every such text is made printable on its way into a message.

#include <string>
#include <string_view>

// The text with each control byte (C0, DEL and the C1 range) and each byte
// that is not part of valid UTF-8 written as \xNN; printable ASCII and valid
// UTF-8 stay as they are.
std::string printable(std::string_view text);
