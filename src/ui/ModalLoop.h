#pragma once

#include <optional>

class QDialog;

// A dialog that is closed while one of its handlers waits (a transaction, a
// quiet spell) leaves its modal loop only when that wait ends. Until then its
// opener may be reached again (a click, a timer), and running the dialog a
// second time inside its own loop would break both openings.

// True while `dialog` runs modally through execModal(), closed or not.
bool modalLoopRunning(const QDialog& dialog);

// Runs `dialog` modally and returns its result; nothing, and nothing done,
// while its modal loop already runs further down the stack.
std::optional<int> execModal(QDialog& dialog);
