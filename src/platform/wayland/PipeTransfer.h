#pragma once
// Clipboard bytes through pipes, driven by the event loop: the program at the
// other end may be slow, stuck or gone, and the user-interface thread never
// waits on it.

#include "platform/Clipboard.h"

#include <QByteArray>

#include <functional>

class QObject;

namespace quillet::platform {

// How long one transfer may take before it gives up.
constexpr int kPipeMilliseconds = kClipboardAnswerMilliseconds;

// Reads `fd` (taken over and closed) to its end, then calls `done` with the
// first maxBytes and `whole` set. Bytes past maxBytes are read and dropped,
// so the writer is never left blocked. After kPipeMilliseconds, or on an
// error, `done` gets what came so far with `whole` unset. Nothing is called
// once `context` is destroyed.
void readPipe(int fd, int maxBytes, QObject* context,
              std::function<void(const QByteArray& bytes, bool whole)> done);

// How many pipes are written at once: each may wait kPipeMilliseconds on a
// reader that does not read, and a reader asking for many at once must not
// take all of the process's descriptors.
constexpr int kMaxPipeWrites = 8;

// Writes `bytes` to `fd` (taken over) and closes it; gives up after
// kPipeMilliseconds on a reader that does not read. With kMaxPipeWrites
// pipes being written, closes `fd` at once: the reader gets nothing.
void writePipe(int fd, const QByteArray& bytes, QObject* context);

}  // namespace quillet::platform
