#pragma once
// The records hold text in Windows-1252; Qt shows Unicode. Every widget that
// shows or takes record text converts here, at its boundary.

#include <QString>
#include <string>
#include <string_view>

// Record text (Windows-1252) for display.
QString FromRecordText(std::string_view text);
// Typed or shown text for the records; a character with no Windows-1252 form becomes "?".
std::string RecordText(const QString& text);
